#!/usr/bin/env python3
"""Fill the same grids with the same word list with brisvane-cli and with Qxw.

Run from the repository root (needs a built brisvane-cli):

    bench/peers/compare.py [--build build] [--fills 10] [--grids a.txt,b.txt]
                           [--qxw-dir ../shared/bench/peers/qxw] [--keep DIR]

For every grid picture ('#' clue cell / Qxw block, '.' letter cell) both
programs fill the grid `--fills` times, each fill validated (every entry a word
of the list, crossings agree, no word twice). Printed per grid and program:

  * fill for fill: time to fill one crossword with start-up and dictionary load
    taken out. Ours: one process builds all fills (`brisvane-cli build -n N
    --seed S --timings`) and reports the time of each fill. Qxw: one process per
    fill (its batch mode fills once), minus the median time of a process on a
    trivial grid (start-up + load).
  * Times are processor time (user + system) of the process: the machines this
    runs on are shared, and a batch run lowers its own priority to the idle
    level, so wall times mostly measure the other load. Both programs run at the
    same priority (the script lowers its own, which the children inherit). The
    wall-time ratios are printed as well.
  * process for process: a whole process (start, load, one fill, exit), one per
    seed, for both programs.
  * fills per minute per process, median and worst time, and our speed-up.
  * ok: how many fills passed the validation. A fill that fails it is still
    timed (it is what the program delivered) and named on stderr.

Both sides get the same word set: the Debian Spanish list turned into Qxw's
list by the peer's make_dict.py (accents folded, N-tilde kept), and our .dic
imported from that very list; the script checks the word counts agree. The
peer's scripts are used from the shared directory beside the repository and
not copied. Qxw is installed with apt-get when missing. Not part of `make test`.
"""
import argparse
import importlib.util
import os
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))


def find_qxw_dir(given):
    cands = [given] if given else []
    cands += [os.path.join(ROOT, "..", "shared", "bench", "peers", "qxw"), "/work/shared/bench/peers/qxw"]
    for c in cands:
        if c and os.path.isfile(os.path.join(c, "qxwfill.py")):
            return os.path.abspath(c)
    sys.exit("compare: the Qxw driver (shared/bench/peers/qxw/qxwfill.py) was not found; use --qxw-dir")


def ensure_qxw(qxw):
    if os.path.exists(qxw):
        return
    print("compare: installing qxw with apt-get", file=sys.stderr)
    sudo = [] if os.geteuid() == 0 else ["sudo"]
    subprocess.run(sudo + ["apt-get", "install", "-y", "qxw"], check=True)
    if not os.path.exists(qxw):
        sys.exit(f"compare: {qxw} still missing after apt-get")


def load_module(path, name):
    found = importlib.util.spec_from_file_location(name, path)
    mod = importlib.util.module_from_spec(found)
    found.loader.exec_module(mod)
    return mod


def ms(v):
    return f"{v * 1000:.1f}"


def validate_ours(qx, rows, text, words):
    """Checks one basic crossword file (Windows-1252) against the picture."""
    lines = text.decode("cp1252").replace("\r\n", "\n").split("\n")
    h, w = len(rows), len(rows[0])
    if lines[0].split("\t") != [str(w), str(h)]:
        return "bad header"
    grid = lines[1:1 + h]
    if len(grid) != h or any(len(r) != w for r in grid):
        return "bad rows"
    for r in range(h):
        for c in range(w):
            if (rows[r][c] == "#") != (grid[r][c] == "#"):
                return f"clue cell mismatch at r{r}c{c}"
            if grid[r][c] == " ":
                return f"empty cell r{r}c{c}"
    # Cells are shared, so crossings agree by construction; check words.
    seen = set()
    for _, cells in qx.entries(rows):
        word = "".join(grid[r][c] for r, c in cells)
        if word not in words:
            return f"{word} not in the list"
        if word in seen:
            return f"{word} twice"
        seen.add(word)
    return "ok"


def child_cpu():
    r = resource.getrusage(resource.RUSAGE_CHILDREN)
    return r.ru_utime + r.ru_stime


def timed(fn):
    """Runs fn(); answers (its result, wall seconds, processor seconds of the children it waited for)."""
    c0, t0 = child_cpu(), time.perf_counter()
    r = fn()
    return r, time.perf_counter() - t0, child_cpu() - c0


def run_ours_batch(cli, skb, out, seed, n, env):
    """One process, n fills; answers (wall, cpu, per-fill wall, per-fill cpu, files)."""
    if os.path.isdir(out):
        shutil.rmtree(out)
    cmd = [cli, "build", skb, "-n", str(n), "--seed", str(seed), "--out", out, "--auto-route", "--timings"]
    p, wall, cpu = timed(lambda: subprocess.run(cmd, capture_output=True, env=env, text=True))
    if p.returncode != 0:
        sys.exit(f"compare: {' '.join(cmd)} failed ({p.returncode}):\n{p.stderr[-2000:]}")
    lines = [line.split() for line in p.stderr.splitlines() if line.startswith("brisvane-cli: fill ")]
    fills_wall = [float(t[3]) / 1000.0 for t in lines]
    fills_cpu = [float(t[6]) / 1000.0 for t in lines]
    files = sorted(os.path.join(out, f) for f in os.listdir(out))
    return wall, cpu, fills_wall, fills_cpu, files


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--build", default=os.path.join(ROOT, "build"))
    ap.add_argument("--qxw-dir")
    ap.add_argument("--fills", type=int, default=10)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--grids", help="comma-separated grid pictures (default: the peer's grids and data/grids/model*.txt)")
    ap.add_argument("--wordlist", default="/usr/share/dict/spanish")
    ap.add_argument("--timeout", type=float, default=120)
    ap.add_argument("--keep", help="work directory to keep (default: a temporary one)")
    a = ap.parse_args()

    os.nice(19)  # the priority our batch runs take; Qxw gets the same
    qdir = find_qxw_dir(a.qxw_dir)
    qx = load_module(os.path.join(qdir, "qxwfill.py"), "qxwfill")
    ensure_qxw(qx.QXW)
    cli = os.path.join(os.path.abspath(a.build), "cli", "brisvane-cli")
    if not os.access(cli, os.X_OK):
        sys.exit(f"compare: {cli} not built")

    if a.grids:
        grids = [os.path.abspath(g) for g in a.grids.split(",")]
    else:
        grids = [os.path.join(qdir, g) for g in ("grid_arrow10.txt", "grid_dense10.txt")]
        mdir = os.path.join(ROOT, "data", "grids")
        grids += sorted(os.path.join(mdir, f) for f in os.listdir(mdir) if f.startswith("model") and f.endswith(".txt"))

    work = os.path.abspath(a.keep) if a.keep else tempfile.mkdtemp(prefix="bv-compare-")
    os.makedirs(work, exist_ok=True)
    env = dict(os.environ)
    env["BRISVANE_REGISTRY"] = os.path.join(work, "registry.ini")
    env["BRISVANE_SETTINGS"] = os.path.join(work, "W5E.ini")
    for f in ("registry.ini", "W5E.ini"):
        open(os.path.join(work, f), "a").close()

    # One word set for both: Qxw's list, and our dictionary imported from it.
    maxlen = max(max(len(c) for _, c in qx.entries(qx.read_grid(g))) for g in grids)
    qlist = os.path.join(work, "words.txt")
    subprocess.run([sys.executable, os.path.join(qdir, "make_dict.py"), a.wordlist, qlist, "--lang", "es",
                    "--maxlen", str(max(9, maxlen))], check=True)
    words = qx.load_dict(qlist)
    dic = os.path.join(work, "same.dic")
    subprocess.run([cli, "dict", "import", "--language", "9", "--seed", "1", "-o", dic, qlist], check=True,
                   capture_output=True, env=env)
    info = subprocess.run([cli, "dict", "info", dic], capture_output=True, text=True, env=env).stdout
    stored = [int(t) for line in info.splitlines() if "palabras" in line for t in line.replace(":", " ").split() if t.isdigit()]
    if not stored or stored[0] != len(words):
        sys.exit(f"compare: our dictionary holds {stored[:1]} words, the list {len(words)}")
    shutil.copy(os.path.join(ROOT, "data", "Default.par"), os.path.join(work, "Default.par"))
    print(f"word list: {len(words)} words (lengths 2..{max(9, maxlen)}), both programs; {a.fills} fills per grid")

    # Qxw start-up + dictionary load: a process on a one-entry grid.
    trivial = qx.read_grid(os.path.join(qdir, "grid_trivial.txt"))
    trivial_runs = [timed(lambda: qx.run_once(trivial, qlist, s, "ES", 2, a.timeout)) for s in range(1, 6)]
    base_wall = statistics.median(t[1] for t in trivial_runs)
    base = statistics.median(t[2] for t in trivial_runs)
    ours_load = [timed(lambda: subprocess.run([cli, "dict", "has", dic, "casa"], capture_output=True, env=env))
                 for _ in range(3)]
    print(f"start-up + load (processor time): qxw {ms(base)} ms, ours (dict has) "
          f"{ms(statistics.median(t[2] for t in ours_load))} ms")

    hdr = (f"{'grid':<14} {'prog':<5} {'mode':<8} {'ok':>5} {'fills/min':>10} {'median ms':>10} {'worst ms':>10}"
           "   (processor time)")
    rows_out = []
    for g in grids:
        name = os.path.splitext(os.path.basename(g))[0]
        rows = qx.read_grid(g)
        ktd, vej, skb = (os.path.join(work, name + e) for e in (".ktd", ".vej", ".skb"))
        # Our picture reader takes no comment lines: hand it the bare rows.
        pic = os.path.join(work, name + ".txt")
        with open(pic, "w") as f:
            f.write("\n".join(rows) + "\n")
        subprocess.run([cli, "model", pic, "--ktd", ktd, "--vej", vej], check=True, env=env, capture_output=True)
        with open(skb, "w", newline="") as f:
            f.write(f"[Skabelon]\r\nModel={name}.ktd\r\nTrie=same.dic\r\nVej={name}.vej\r\n"
                    f"Parametre=Default.par\r\nSprog=9\r\n")

        # Ours, fill for fill: one process, many fills.
        out = os.path.join(work, "out-" + name)
        _, _, fills_wall, fills, files = run_ours_batch(cli, skb, out, a.seed, a.fills, env)
        if len(fills) != a.fills or len(files) != a.fills:
            sys.exit(f"compare: {len(files)} files and {len(fills)} timings for {a.fills} fills of {name}")
        fill_ok = 0
        for p in files:
            v = validate_ours(qx, rows, open(p, "rb").read(), words)
            if v == "ok":
                fill_ok += 1
            else:
                print(f"  ours {name} {os.path.basename(p)}: {v}", file=sys.stderr)
        ours_fill = fills
        # Ours, process for process: one fill per process and seed.
        ours_proc, ours_proc_wall, proc_ok = [], [], 0
        for s in range(a.seed, a.seed + a.fills):
            wall, cpu, _, _, files = run_ours_batch(cli, skb, out, s, 1, env)
            v = validate_ours(qx, rows, open(files[0], "rb").read(), words)
            if v == "ok":
                proc_ok += 1
            else:
                print(f"  ours {name} seed {s}: {v}", file=sys.stderr)
            ours_proc.append(cpu)
            ours_proc_wall.append(wall)
        # Qxw: one process per fill.
        q_proc, q_proc_wall, q_ok = [], [], 0
        for s in range(a.seed, a.seed + a.fills):
            (_, rc, dt, qwords, _, ents), _, cpu = timed(lambda: qx.run_once(rows, qlist, s, "ES", 2, a.timeout))
            q_proc_wall.append(dt)
            dt = cpu
            filled, why = qx.validate(rows, ents, qwords, words) if rc == 0 else (None, f"rc={rc}")
            if filled is None:
                print(f"  qxw {name} seed {s}: {why}", file=sys.stderr)
            else:
                q_ok += 1
            q_proc.append(dt)
        q_fill = [max(t - base, 1e-4) for t in q_proc]

        def line(prog, mode, ok, ts):
            per_min = 60.0 * len(ts) / sum(ts)
            return (f"{name:<14} {prog:<5} {mode:<8} {ok:>2}/{len(ts):<2} {per_min:>10.1f} "
                    f"{ms(statistics.median(ts)):>10} {ms(max(ts)):>10}"), per_min

        l1, of = line("ours", "fill", fill_ok, ours_fill)
        l2, qf = line("qxw", "fill", q_ok, q_fill)
        l3, op = line("ours", "process", proc_ok, ours_proc)
        l4, qp = line("qxw", "process", q_ok, q_proc)
        q_fill_wall = [max(t - base_wall, 1e-4) for t in q_proc_wall]
        wall_ratios = (sum(q_fill_wall) / sum(fills_wall), sum(q_proc_wall) / sum(ours_proc_wall))
        rows_out.append((name, [l1, l2, l3, l4], of / qf, op / qp,
                         statistics.median(q_fill) / statistics.median(ours_fill), wall_ratios))
        print(f"{name}: done", file=sys.stderr, flush=True)

    print(hdr)
    for name, lines, rf, rp, rmed, (wf, wp) in rows_out:
        for l in lines:
            print(l)
        print(f"{name:<14} speed-up ours/qxw: fill for fill {rf:.1f}x (medians {rmed:.1f}x), "
              f"process for process {rp:.1f}x; wall time: {wf:.1f}x, {wp:.1f}x")
    if not a.keep:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
