#!/usr/bin/env bash
# brisvane-cli build --jobs: workers share one save directory without taking a
# name twice or leaving a number out, and Ctrl-C or SIGTERM (sent to the parent
# alone) stops them all with exit code 130.
#   cli_build_jobs.sh BRISVANE_CLI
set -euo pipefail
CLI=$1
HERE=$(cd "$(dirname "$0")" && pwd)
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
cd "$T"
export BRISVANE_REGISTRY=$T/registry.ini BRISVANE_SETTINGS=$T/W5E.ini
: > registry.ini
: > W5E.ini

# The engine tests' word list and a 6 x 6 grid it fills easily.
{ echo "AD AH AM AN AS AT AX BE BY DO GO HA HE HI IF IN IS IT ME MY NO OF OH ON OR OX SO TO UP US WE";
  grep -o '\b[A-Z]\{3,4\}\b' "$HERE/TestWords.h"; } | tr ' ' '\n' | grep . > words.txt
"$CLI" dict import --language 9 --seed 1 -o words.dic words.txt > /dev/null
printf '#.#.#.\n....#.\n#..#..\n.#....\n...#.#\n#.#...\n' > grid.txt
"$CLI" model grid.txt --ktd grid.ktd --vej grid.vej
printf '[Skabelon]\r\nModel=grid.ktd\r\nTrie=words.dic\r\nVej=grid.vej\r\nParametre=grid.par\r\nSprog=9\r\n' > grid.skb
printf '4\r\n30\r\n20\r\n200\r\n3\r\n1\r\n2\r\n1000\r\n' > grid.par

fail() { echo "FAIL: $*" >&2; exit 1; }
names() { ls "$1" | tr '\n' ' '; }

"$CLI" build grid.skb -n 7 --seed 3 --jobs 2 --out out > /dev/null 2> err.txt || fail "jobs 2 run: $(cat err.txt)"
[ "$(names out)" = "x6_000.006 x6_001.006 x6_002.006 x6_003.006 x6_004.006 x6_005.006 x6_006.006 " ] ||
  fail "names after the first run: $(names out)"
grep -q "2 workers saved 7 of 7" err.txt || fail "summary: $(cat err.txt)"
# A second run into the same directory goes on after the taken names.
"$CLI" build grid.skb -n 3 --jobs 3 --out out > /dev/null 2>&1 || fail "jobs 3 run"
[ "$(ls out | wc -l)" = 10 ] && [ -e out/x6_009.006 ] || fail "names after the second run: $(names out)"
for f in out/*; do [ "$(head -1 "$f" | tr -d '\r')" = "$(printf '6\t6')" ] || fail "$f is no basic crossword"; done

# Ctrl-C, SIGTERM: a signal to the parent only is passed on to the workers.
for sig in INT TERM; do
  rm -rf many
  "$CLI" build grid.skb -n 1000000 --jobs 2 --out many > /dev/null 2> err.txt &
  pid=$!
  for _ in $(seq 100); do [ -n "$(ls many 2>/dev/null)" ] && break; sleep 0.1; done
  kill -"$sig" "$pid"
  code=0
  wait "$pid" || code=$?
  [ "$code" = 130 ] || fail "exit code after SIG$sig: $code"
  [ -z "$(pgrep -P "$pid" || true)" ] || fail "workers still running after SIG$sig"
  grep -q "interrupted (worker 1)" err.txt && grep -q "interrupted (worker 2)" err.txt || fail "$(cat err.txt)"
done
echo ok
