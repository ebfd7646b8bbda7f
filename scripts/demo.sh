#!/usr/bin/env bash
# The main job on the shipped default: five crosswords from the first model of
# the guide, built with the Spanish dictionary and printed.
#
# It sets up what the installer would leave behind, but inside the build
# directory and never in the user's own configuration: a registry store
# (BRISVANE_REGISTRY) with the installed directories and a settings file
# W5E.ini (BRISVANE_SETTINGS) pointing at the shipped data and the built
# dictionaries. The crosswords go into a fresh folder under demo/.
#   scripts/demo.sh [BUILD_DIR]
set -euo pipefail
BUILD=${1:-build}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(cd "$BUILD" && pwd)
CLI="$BUILD/cli/brisvane-cli"
DATA="$ROOT/data"
DIC="$BUILD/dic"
DEMO="$BUILD/demo"

# The Spanish dictionary, imported from the Debian word list by the build.
cmake --build "$BUILD" --target dictionaries >/dev/null
[ -f "$DIC/spanish.dic" ] || { echo "demo: $DIC/spanish.dic was not built (is wspanish installed?)" >&2; exit 1; }

mkdir -p "$DEMO"
OUT="$DEMO/crucigramas-$(date +%Y%m%d-%H%M%S)"
while [ -e "$OUT" ]; do OUT="$OUT-x"; done
mkdir -p "$OUT"

# What the installer writes: the classes-root values and the settings lines.
export BRISVANE_REGISTRY="$DEMO/registry.ini"
export BRISVANE_SETTINGS="$DEMO/W5E.ini"
cat > "$BRISVANE_REGISTRY" <<INI
[HKEY_CLASSES_ROOT\\w5.Application\\Gemmested]
@=$OUT
[HKEY_CLASSES_ROOT\\w5.Application\\Dictionary]
@=$DIC
[HKEY_CLASSES_ROOT\\w5.Application\\ModelOgVej]
@=$DATA
[HKEY_CLASSES_ROOT\\w5.Application\\Skabelon]
@=$DATA
INI
cat > "$BRISVANE_SETTINGS" <<INI
[Opsat]
Gemmested=$OUT
Dictionary=$DIC
ModelOgVej=$DATA
Parametre=$DATA
Skabelon=$DATA
INI

echo "== brisvane-cli build $DATA/model1.skb -n 5 --auto-route --print (crosswords into $OUT)"
cd "$DEMO"
"$CLI" build "$DATA/model1.skb" -n 5 --auto-route --print
echo "== saved:"
ls -l "$OUT"
