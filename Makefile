# Entry points for a fresh Debian 12 machine: `make demo` and `make test`.
BUILD   ?= build
ASAN    ?= build-asan
JOBS    ?= $(shell nproc)
GEN     := -G Ninja
CMAKE_FLAGS ?=

.PHONY: all deps build build-asan test test-fast test-asan demo bench clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) $(GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

build-asan: deps
	@cmake -S . -B $(ASAN) $(GEN) -DCMAKE_BUILD_TYPE=Debug -DBRISVANE_SANITIZE=ON -DBRISVANE_BENCH=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(ASAN) -j $(JOBS)

# Every test, in the normal build and again under AddressSanitizer + UBSan.
test: test-fast test-asan

test-fast: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-asan: build-asan
	@ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(ASAN) --output-on-failure -j $(JOBS)

demo: build
	@scripts/demo.sh $(BUILD)

bench: build
	@scripts/bench.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN)
