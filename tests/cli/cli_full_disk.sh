#!/usr/bin/env bash
# Save places that cannot take a crossword: a read-only directory and a
# filesystem that runs out of space in the middle of a run. The user gets the
# message, the run ends with a failure status, and only crosswords that are
# whole on disk are announced and counted. An anagram search on the full
# filesystem fails the same way.
#   cli_full_disk.sh BRISVANE_CLI
# Read-only: a read-only tmpfs when mounting is allowed (permission bits do not
# stop root), else a directory without write permission (only when not root).
# Full disk: a 64 KiB tmpfs, nearly filled first; skipped when mounting is not
# allowed. The test reports "skipped" (exit 77) when neither case can run.
set -euo pipefail
CLI=$(realpath "$1")
SRC=$(cd "$(dirname "$0")/../.." && pwd)
WORK=$(mktemp -d)
mounts=()
cleanup() {
  for m in "${mounts[@]}"; do umount "$m" 2>/dev/null || true; done
  chmod -R u+w "$WORK" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
cd "$WORK"
fail() { echo "FAIL: $*" >&2; exit 1; }

source "$SRC/tests/cli/tiny_world.sh"

# Mounts a tmpfs with the given options on directory $1; false when not allowed.
try_mount() {
  mkdir -p "$1"
  if mount -t tmpfs -o "$2" tmpfs "$1" 2>/dev/null; then mounts+=("$1"); return 0; fi
  return 1
}

ran=0

# --- read-only save directory
ro=""
if try_mount ro "ro,size=64k"; then
  ro=ro
elif [ "$(id -u)" -ne 0 ]; then
  mkdir -p ro && chmod 555 ro && ro=ro
else
  echo "read-only case skipped: running as root and mounting is not allowed"
fi
if [ -n "$ro" ]; then
  status=0
  timeout 120 "$CLI" build ring.skb -n 3 --out "$ro" >saved.txt 2>err.txt </dev/null || status=$?
  [ "$status" = 1 ] || fail "read-only: exit status $status: $(cat err.txt)"
  grep -q "Nombre del archivo vencido: x3_000.003" err.txt || fail "read-only: no message: $(cat err.txt)"
  grep -q "saved 0 of 3" err.txt || fail "read-only: $(tail -1 err.txt)"
  [ ! -s saved.txt ] || fail "read-only: announced $(cat saved.txt)"
  [ -z "$(ls -A "$ro")" ] || fail "read-only: files appeared: $(ls -A "$ro")"
  ran=1
fi

# --- a filesystem that fills up during the run
if try_mount full "size=64k"; then
  # Leave room for a few crosswords only (each file takes a 4 KiB page).
  head -c $((48 * 1024)) /dev/zero > full/filler 2>/dev/null || true
  status=0
  timeout 120 "$CLI" build ring.skb -n 50 --out full >saved.txt 2>err.txt </dev/null || status=$?
  [ "$status" = 1 ] || fail "full: exit status $status: $(tail -3 err.txt)"
  n=$(ls full | grep -c '^x' || true)
  [ "$n" -lt 50 ] || fail "full: all 50 saved on a full filesystem?"
  grep -q "Nombre del archivo vencido: x3_$(printf '%03d' "$n").003" err.txt || fail "full: no message: $(tail -3 err.txt)"
  grep -q "saved $n of 50" err.txt || fail "full: $n files, but: $(tail -1 err.txt)"
  [ "$(wc -l < saved.txt)" = "$n" ] || fail "full: $n files, $(wc -l < saved.txt) announced"
  while read -r path; do [ -f "$path" ] || fail "full: announced $path is missing"; done < saved.txt
  all_whole full || fail "full: a crossword is not whole"
  if ls -A full | grep -q '^\.bv-tmp'; then fail "full: temporary file left behind"; fi

  # An anagram search whose answers do not fit: a failure, and no cut-off file.
  head -c $((64 * 1024)) /dev/zero > full/filler2 2>/dev/null || true
  status=0
  timeout 120 "$CLI" anagram --dic words.dic --min 3 -o full/anagram.txt abc >/dev/null 2>err.txt || status=$?
  [ "$status" = 1 ] || fail "full anagram: exit status $status: $(cat err.txt)"
  grep -q "cannot write" err.txt || fail "full anagram: no message: $(cat err.txt)"
  [ ! -s full/anagram.txt ] || fail "full anagram: $(od -c full/anagram.txt | head -3)"
  if ls -A full | grep -q '^\.bv-tmp'; then fail "full anagram: temporary file left behind"; fi
  ran=1
else
  echo "full-disk case skipped: mounting a tmpfs is not allowed"
fi

[ "$ran" = 1 ] || exit 77
echo ok
