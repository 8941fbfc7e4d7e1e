# Wraps CMake: `make demo` and `make test` work on a fresh Debian machine.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: all deps configure build test demo bench test-asan fuzz clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# Leak stacks are unwound slowly (Qt has no frame pointers) so that the Qt
# suppressions can match the frame that allocated.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1 \
                LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan-qt.supp:print_suppressions=0 \
                UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTRUSTELLA_SANITIZE=ON -DTRUSTELLA_BENCH=OFF >/dev/null
	@cmake --build $(ASAN_BUILD) -j$(JOBS)
	@cd $(ASAN_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -j$(JOBS)

# The libFuzzer programs (clang), each run for FUZZ_SECONDS; docs/fuzzing.md.
FUZZ_SECONDS ?= 60
FUZZ_MERGE   ?= 0
fuzz: deps
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRUSTELLA_FUZZ=ON \
	       -DTRUSTELLA_BENCH=OFF -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) -j$(JOBS) --target fuzzers
	@tools/fuzz-run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(JOBS) $(FUZZ_MERGE)

demo: build
	@tools/demo.sh $(BUILD)

bench: build
	@cmake --build $(BUILD) -j$(JOBS) --target trustella_bench trustella_gui_bench
	@tools/bench-goals.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
