# Drives CMake. `make run` and `make test` set up what is missing first.
BUILD_DIR  ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test bench clean

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

clean:
	rm -rf $(BUILD_DIR)
