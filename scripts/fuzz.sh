#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang under ASan+UBSan and runs one
# target, or all of them one after another, for a given number of seconds each.
#
#   scripts/fuzz.sh TARGET|all [SECONDS] [extra libFuzzer flags...]
#
# Targets: ktd wordfile route par ini anacon gridpicture tvang rulefile (see fuzz/CMakeLists.txt).
# Seeds come from fuzz/corpus/<target>/ (kept in the repository); what the run
# finds goes to build-fuzz/corpus/<target>/ and crashes to build-fuzz/crashes/<target>/.
# Installs clang and libclang-rt-14-dev when they are missing (fuzzing only; the
# normal build needs neither).
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
target=${1:-}
seconds=${2:-60}
shift $(( $# > 2 ? 2 : $# )) || true
build=${BRISVANE_FUZZ_BUILD:-$here/build-fuzz}

if [ -z "$target" ]; then
  echo "usage: $0 TARGET|all [SECONDS] [libFuzzer flags]" >&2
  exit 2
fi

need=()
command -v clang++ >/dev/null || need+=(clang)
ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 || need+=(libclang-rt-14-dev)
if [ ${#need[@]} -gt 0 ]; then
  echo "Installing: ${need[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBRISVANE_FUZZ=ON -DBRISVANE_SANITIZE=ON -DBRISVANE_BENCH=OFF >/dev/null
targets=$(sed -n 's/^set(BV_FUZZ_TARGETS \(.*\))$/\1/p' "$here/fuzz/CMakeLists.txt")
if [ "$target" = all ]; then
  run=$targets
else
  case " $targets " in *" $target "*) run=$target ;; *) echo "unknown target: $target (have: $targets)" >&2; exit 2 ;; esac
fi
cmake --build "$build" -j "${JOBS:-2}" --target $(for t in $run; do echo "fuzz_$t"; done)

# Scratch files of the targets go to memory when possible (writers fsync), in a
# directory of this run that is removed afterwards.
base=${TMPDIR:-}
[ -z "$base" ] && { [ -d /dev/shm ] && base=/dev/shm || base=/tmp; }
scratch=$(mktemp -d "$base/bvfuzz-run.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
export TMPDIR=$scratch
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
status=0
for t in $run; do
  corpus="$build/corpus/$t"
  crashes="$build/crashes/$t"
  mkdir -p "$corpus" "$crashes"
  echo "== fuzz_$t for ${seconds}s"
  # -timeout: an input taking longer than 10 s counts as a hang; -rss_limit_mb bounds memory.
  if ! "$build/fuzz/fuzz_$t" "$corpus" "$here/fuzz/corpus/$t" -max_total_time="$seconds" \
      -timeout=10 -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
      -artifact_prefix="$crashes/" "$@" 2>"$build/fuzz_$t.log"; then
    status=1
    echo "fuzz_$t FOUND A PROBLEM: see $build/fuzz_$t.log and $crashes/"
  fi
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|#[0-9]+ +DONE)' "$build/fuzz_$t.log" || true
done
exit $status
