#!/usr/bin/env bash
# The main job on the shipped default.
set -euo pipefail
BUILD=${1:-build}
"$BUILD"/cli/brisvane-cli --help
