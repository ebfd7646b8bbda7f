#!/usr/bin/env bash
# Runs every benchmark program of the build (bench/<name>/ gives build/bench/<name>/bench_<name>),
# each printing its own table. Extra arguments go to every program.
set -euo pipefail
BUILD=${1:-build}; shift || true
status=0
for exe in "$BUILD"/bench/*/bench_*; do
  [ -x "$exe" ] || continue
  echo "== $(basename "$exe")"
  "$exe" "$@" || status=1
done
exit $status
