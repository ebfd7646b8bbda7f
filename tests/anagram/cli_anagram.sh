#!/usr/bin/env bash
# brisvane-cli end to end: dictionary edits, an anagram search, and a search
# stopped with SIGINT that keeps its answers in a whole file.
set -euo pipefail
CLI=$(realpath "$1")
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"
fail() { echo "FAIL: $*" >&2; exit 1; }

"$CLI" dict new --capacity 5000 -o d.dic 2>/dev/null
"$CLI" dict new-word d.dic amor mora ramo roma sol --in-place 2>/dev/null
"$CLI" dict remove-word d.dic sol --in-place 2>/dev/null
"$CLI" anagram --dic d.dic --min 1 roma 2>/dev/null
[ "$(sort anagram.txt | tr -d '\r' | tr '\n' ' ')" = "AMOR MORA RAMO ROMA " ] || fail "roma: $(cat anagram.txt)"
if "$CLI" dict new --capacity 999 -o e.dic 2>err.txt; then fail "capacity 999 accepted"; fi
grep -q "debe ser entre 1000 y 2000000" err.txt || fail "no range message"
[ ! -e e.dic ] || fail "e.dic written"

# One answer at once (a 19-letter word and TU), then a fruitless search through
# every pairing of 21 letters, which lasts minutes: SIGINT must end it early.
{
  echo abcdefghijklmnopqrs
  for a in a b c d e f g h i j k l m n o p q r s t u; do
    for b in a b c d e f g h i j k l m n o p q r s t u; do
      if [[ $a < $b ]]; then echo "$a$b"; fi
    done
  done
} > w.txt
timeout 120 "$CLI" anagram --dic w.txt --min 2 --words 15 -o out.txt abcdefghijklmnopqrstu 2>err.txt &
pid=$!
for _ in $(seq 1 600); do [ -e out.txt ] && break; sleep 0.1; done
[ -e out.txt ] || fail "the search never started"
sleep 0.5
kill -INT "$pid"
status=0
wait "$pid" || status=$?
[ "$status" = 130 ] || fail "exit status $status"
grep -q "interrupted" err.txt || fail "no interruption summary: $(cat err.txt)"
[ "$(cat out.txt)" = $'ABCDEFGHIJKLMNOPQRS TU\r' ] || fail "answer file: $(od -c out.txt | head)"
ls -a | grep -q '^\.bv-tmp' && fail "temporary file left behind"
echo ok
