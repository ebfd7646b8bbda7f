#!/usr/bin/env bash
# Regenerates the shipped models from their grid pictures: for every
# data/grids/modelN.txt the crossword file data/modelN.ktd, its route
# data/modelN.vej (automatic route, optimised) and the rule file data/modelN.skb.
#   scripts/make-models.sh [BUILD_DIR]
set -euo pipefail
BUILD=${1:-build}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
CLI="$BUILD/cli/brisvane-cli"
[ -x "$CLI" ] || { echo "make-models: $CLI not built" >&2; exit 1; }
for pic in "$ROOT"/data/grids/model*.txt; do
  name=$(basename "$pic" .txt)
  "$CLI" model "$pic" --ktd "$ROOT/data/$name.ktd" --vej "$ROOT/data/$name.vej"
  printf '[Skabelon]\r\nModel=%s.ktd\r\nTrie=spanish.dic\r\nVej=%s.vej\r\nParametre=Default.par\r\nSprog=9\r\n' \
    "$name" "$name" > "$ROOT/data/$name.skb"
  echo "$name: $(head -c 20 "$ROOT/data/$name.ktd" | head -1 | tr '\t' 'x')"
done
