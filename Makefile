# Drives CMake. `make run` and `make test` set up what is missing first.
MAKEFLAGS += --no-print-directory
BUILD_DIR  ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test bench sanitize fuzz clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@if [ ! -f $(BUILD_DIR)/CMakeCache.txt ]; then \
		cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE); \
	fi

build: configure
	@cmake --build $(BUILD_DIR) --parallel $(JOBS)

# Without a display (SSH, CI), the window is shown on a virtual one.
run: build
	@if [ -n "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}" ]; then \
		$(BUILD_DIR)/bin/quillbox; \
	else \
		xvfb-run -a $(BUILD_DIR)/bin/quillbox; \
	fi

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure --parallel $(JOBS)

# Times quillbox-cli against the bare 7-Zip work; not part of `make test`.
# Its options go in BENCH_ARGS, e.g. make bench BENCH_ARGS="--sizes 50 --runs 1".
bench: build
	@bench/quillbox-bench --cli $(BUILD_DIR)/bin/quillbox-cli $(BENCH_ARGS)

# Every test program built with AddressSanitizer and UndefinedBehaviorSanitizer
# and run; any finding fails the test it comes from (also in quillbox-cli,
# which the tests start as a process: hence the distinct exit code).
SANITIZE_DIR   ?= build-sanitize
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
SANITIZER_ENV  := ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1:exitcode=86 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:exitcode=86 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tools/sanitizer-leaks.supp:print_suppressions=0

sanitize: deps
	@if [ ! -f $(SANITIZE_DIR)/CMakeCache.txt ]; then \
		cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
			-DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" \
			-DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)"; \
	fi
	@$(SANITIZER_ENV) cmake --build $(SANITIZE_DIR) --parallel $(JOBS)
	@cd $(SANITIZE_DIR) && $(SANITIZER_ENV) ctest --output-on-failure --parallel $(JOBS)

# Fuzzes the information file reader with libFuzzer for FUZZ_SECONDS,
# starting from the seeds in fuzz/corpus; new inputs stay in the build folder.
FUZZ_DIR     ?= build-fuzz
FUZZ_SECONDS ?= 240

fuzz:
	@tools/install-deps.sh clang libclang-rt-14-dev cmake make
	@if [ ! -f $(FUZZ_DIR)/CMakeCache.txt ]; then \
		cmake -S fuzz -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
			-DCMAKE_CXX_COMPILER=clang++; \
	fi
	@cmake --build $(FUZZ_DIR) --parallel $(JOBS)
	@mkdir -p $(FUZZ_DIR)/corpus
	$(FUZZ_DIR)/info_file_fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
		-dict=fuzz/info_file.dict $(FUZZ_DIR)/corpus fuzz/corpus/info_file

clean:
	rm -rf $(BUILD_DIR)
