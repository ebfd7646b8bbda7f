#!/usr/bin/env python3
"""Steady-state fill rate of brisvane-cli on every shipped model.

    bench/steady_state.py [--build build] [-n 50] [--seed 1] [--jobs 1]

One process per model builds -n crosswords (`brisvane-cli build MODEL.skb -n N
--seed S --timings`) with the dictionary the build imported (build/dic). Printed
per model, in processor time of the process (the machine is shared and a batch
run takes the idle priority): fills per minute, median and worst time per fill
(failed attempts included), stop visits per second. The crosswords go to a
temporary directory. Not part of `make test`.
"""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--build", default=os.path.join(ROOT, "build"))
    ap.add_argument("-n", type=int, default=50)
    ap.add_argument("--seed", type=int, default=1)
    a = ap.parse_args()
    build = os.path.abspath(a.build)
    cli = os.path.join(build, "cli", "brisvane-cli")
    data = os.path.join(ROOT, "data")
    with tempfile.TemporaryDirectory(prefix="bv-steady-") as work:
        env = dict(os.environ)
        env["BRISVANE_REGISTRY"] = os.path.join(work, "registry.ini")
        env["BRISVANE_SETTINGS"] = os.path.join(work, "W5E.ini")
        with open(env["BRISVANE_REGISTRY"], "w") as f:
            for key, val in (("Dictionary", os.path.join(build, "dic")), ("ModelOgVej", data),
                             ("Skabelon", data), ("Gemmested", work)):
                f.write(f"[HKEY_CLASSES_ROOT\\w5.Application\\{key}]\n@={val}\n")
        open(env["BRISVANE_SETTINGS"], "w").close()
        models = sorted(f for f in os.listdir(data) if f.startswith("model") and f.endswith(".skb"))
        print(f"{'model':<8} {'fills':>5} {'attempts':>8} {'fills/min':>10} {'median ms':>10} {'worst ms':>9} "
              f"{'visits/s':>10}   (processor time, -n {a.n} --seed {a.seed})")
        for m in models:
            out = os.path.join(work, m)
            p = subprocess.run([cli, "build", os.path.join(data, m), "-n", str(a.n), "--seed", str(a.seed),
                                "--out", out, "--timings"], capture_output=True, text=True, env=env)
            if p.returncode != 0:
                print(f"{m}: failed ({p.returncode}): {p.stderr[-500:]}", file=sys.stderr)
                continue
            fills = [float(l.split()[6]) for l in p.stderr.splitlines() if l.startswith("brisvane-cli: fill ")]
            tail = [l for l in p.stderr.splitlines() if "stop visits" in l][-1].split()
            visits, total_ms = int(tail[3].rstrip(",")), float(tail[6])
            attempts = [l for l in p.stderr.splitlines() if "attempt(s)" in l][-1].split()[-2]
            print(f"{m[:-4]:<8} {len(fills):>5} {attempts:>8} {60000.0 * len(fills) / total_ms:>10.1f} "
                  f"{statistics.median(fills):>10.2f} {max(fills):>9.2f} {visits / (total_ms / 1000.0):>10.0f}")


if __name__ == "__main__":
    main()
