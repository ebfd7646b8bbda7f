#!/usr/bin/env bash
# Every file the CLI reads may be named by something that is no file: a FIFO
# nobody writes to (opening it for reading would wait for ever), /dev/zero (its
# bytes never end) or a directory. Each command must end at once with a message
# and a failure status — and a rule file naming such a thing as one of its data
# files must not hang the build either.
set -u
CLI=$1
SRC=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
source "$SRC/tests/cli/tiny_world.sh"
mkfifo fifo
mkdir adir
fail=0

# Runs the command with a time limit; it must fail (status 1..123) and say something.
expect_refused() {
  local out status
  out=$(timeout 20 "$CLI" "$@" </dev/null 2>&1)
  status=$?
  if [ $status -eq 124 ]; then
    echo "HANGS: $*" >&2; fail=1
  elif [ $status -eq 0 ] || [ $status -gt 123 ]; then
    echo "status $status (want a plain failure): $*" >&2; fail=1
  elif [ -z "$out" ]; then
    echo "no message: $*" >&2; fail=1
  fi
}

for bad in "$work/fifo" /dev/zero "$work/adir"; do
  expect_refused show "$bad"
  expect_refused route show "$bad"
  expect_refused dict info "$bad"
  expect_refused dict grep "$bad" 'A?'
  expect_refused dict import "$bad" -o "$work/out.dic"
  expect_refused anagram --dic "$bad" ROMA
  expect_refused build "$bad" -n 1
  expect_refused build ring.skb -n 1 --forced "$bad"
done
[ -e out.dic ] && { echo "a .dic was written from a file that could not be read" >&2; fail=1; }

# A rule file whose data files are such names: the build reports and stops.
for key in Model Trie Vej Parametre; do
  for bad in "$work/fifo" /dev/zero; do
    sed "s|^$key=.*|$key=$bad|" ring.skb > bad.skb
    out=$(timeout 20 "$CLI" build bad.skb -n 1 </dev/null 2>&1)
    status=$?
    if [ $status -eq 124 ]; then
      echo "HANGS: build with $key=$bad" >&2; fail=1
    elif [ $status -gt 123 ]; then
      echo "status $status: build with $key=$bad" >&2; fail=1
    fi
  done
done

exit $fail
