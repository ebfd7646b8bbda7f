#!/usr/bin/env bash
# Stops in the middle of long work: Esc at the terminal, Ctrl-C (SIGINT),
# SIGTERM and the terminal closing (SIGHUP) each end
#  - a generation run (build) with every crossword saved so far whole and
#    counted, no partly written crossword and no temporary file left behind;
#  - an anagram search with a whole answer file holding the answers found.
#   cli_interrupt.sh BRISVANE_CLI
set -euo pipefail
CLI=$(realpath "$1")
SRC=$(cd "$(dirname "$0")/../.." && pwd)
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"
fail() { echo "FAIL: $*" >&2; exit 1; }

# Waits (at most 60 s) until the file exists.
await() { for _ in $(seq 1 600); do [ -e "$1" ] && return 0; sleep 0.1; done; return 1; }

source "$SRC/tests/cli/tiny_world.sh"

# Waits (at most 60 s) until directory $1 holds at least $2 crosswords.
await_saved() { for _ in $(seq 1 600); do [ "$(ls "$1" | grep -c '^x')" -ge "$2" ] && return 0; sleep 0.1; done; return 1; }

for sig in INT TERM HUP; do
  rm -rf out && mkdir out
  # Far more crosswords than can be made before the signal comes.
  timeout 300 "$CLI" build ring.skb -n 1000000 >saved.txt 2>err.txt </dev/null &
  pid=$!
  await_saved out 3 || fail "build $sig: no crosswords saved: $(cat err.txt)"
  kill -"$sig" "$pid"
  status=0
  wait "$pid" || status=$?
  [ "$status" = 130 ] || fail "build $sig: exit status $status: $(tail -3 err.txt)"
  n=$(ls out | grep -c '^x')
  grep -q "interrupted: saved $n of 1000000" err.txt || fail "build $sig: $n files, but: $(tail -1 err.txt)"
  [ "$(wc -l < saved.txt)" = "$n" ] || fail "build $sig: $n files, $(wc -l < saved.txt) announced"
  while read -r path; do [ -f "$path" ] || fail "build $sig: announced $path is missing"; done < saved.txt
  all_whole out || fail "build $sig: a crossword is not whole"
  if ls -A out | grep -q '^\.bv-tmp'; then fail "build $sig: temporary file left behind"; fi
done

# A real terminal hanging up: the run works in a pseudo-terminal (keys enabled),
# and the terminal goes away (its master side closed), so the kernel sends
# SIGHUP to the run.
if command -v script >/dev/null; then
  rm -rf out && mkdir out && rm -f err.txt
  # script's input must stay open and silent: at its end, script would type
  # Ctrl-D into the terminal, which the run rightly takes as a key press.
  rm -f keys && mkfifo keys && exec 3<>keys
  script -qfc "'$CLI' build ring.skb -n 1000000 >saved.txt 2>err.txt" /dev/null <keys >/dev/null 2>&1 &
  term=$!
  await_saved out 1 || fail "terminal: no crosswords saved"
  kill -KILL "$term"
  wait "$term" 2>/dev/null || true
  exec 3>&-
  for _ in $(seq 1 600); do grep -q "interrupted" err.txt 2>/dev/null && break; sleep 0.1; done
  n=$(ls out | grep -c '^x')
  grep -q "interrupted: saved $n of 1000000" err.txt || fail "terminal: $n files, but: $(tail -1 err.txt)"
  [ "$(wc -l < saved.txt)" = "$n" ] || fail "terminal: $n files, $(wc -l < saved.txt) announced"
  all_whole out || fail "terminal: a crossword is not whole"
  if ls -A out | grep -q '^\.bv-tmp'; then fail "terminal: temporary file left behind"; fi
fi

# Esc at the terminal: the run asks whether to go on; "s" goes on, "n" ends it
# with every crossword saved so far whole and announced.
if command -v script >/dev/null; then
  rm -rf out && mkdir out && rm -f err.txt saved.txt status.txt
  rm -f keys && mkfifo keys && exec 3<>keys
  script -qfc "'$CLI' build ring.skb -n 1000000 >saved.txt 2>err.txt; echo \$? >status.txt" /dev/null <keys >/dev/null 2>&1 &
  term=$!
  await_saved out 2 || fail "Esc: no crosswords saved"
  printf '\033' >&3
  for _ in $(seq 1 600); do grep -q "continuar" err.txt 2>/dev/null && break; sleep 0.1; done
  grep -q "continuar" err.txt || fail "Esc: no question: $(cat err.txt)"
  n=$(ls out | grep -c '^x')
  printf 's\r' >&3
  await_saved out $((n + 2)) || fail "Esc: the run did not go on after s"
  printf '\033' >&3
  for _ in $(seq 1 600); do [ "$(grep -o continuar err.txt | wc -l)" -ge 2 ] && break; sleep 0.1; done
  printf 'n\r' >&3
  await status.txt || fail "Esc: the run did not end after n"
  wait "$term" 2>/dev/null || true
  exec 3>&-
  n=$(ls out | grep -c '^x')
  grep -q "saved $n of 1000000" err.txt || fail "Esc: $n files, but: $(tail -1 err.txt)"
  [ "$(wc -l < saved.txt)" = "$n" ] || fail "Esc: $n files, $(wc -l < saved.txt) announced"
  all_whole out || fail "Esc: a crossword is not whole"
  if ls -A out | grep -q '^\.bv-tmp'; then fail "Esc: temporary file left behind"; fi
fi

# One answer at once (a 19-letter word and TU), then a fruitless search through
# every pairing of 21 letters that lasts minutes.
{
  echo abcdefghijklmnopqrs
  for a in a b c d e f g h i j k l m n o p q r s t u; do
    for b in a b c d e f g h i j k l m n o p q r s t u; do
      if [[ $a < $b ]]; then echo "$a$b"; fi
    done
  done
} > w.txt

for sig in INT TERM HUP; do
  rm -f out.txt
  timeout 300 "$CLI" anagram --dic w.txt --min 2 --words 15 -o out.txt abcdefghijklmnopqrstu 2>err.txt &
  pid=$!
  await out.txt || fail "$sig: the search never started"
  # The first answer is the first combination tried; give a loaded machine time.
  sleep 1
  kill -"$sig" "$pid"
  status=0
  wait "$pid" || status=$?
  [ "$status" = 130 ] || fail "$sig: exit status $status: $(cat err.txt)"
  grep -q "interrupted" err.txt || fail "$sig: no interruption summary: $(cat err.txt)"
  [ "$(cat out.txt)" = $'ABCDEFGHIJKLMNOPQRS TU\r' ] || fail "$sig: answer file: $(od -c out.txt | head)"
  if ls -A | grep -q '^\.bv-tmp'; then fail "$sig: temporary file left behind"; fi
done
echo ok
