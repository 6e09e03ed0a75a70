# Drives CMake. `make run` and `make test` set up what is missing first.
BUILD_DIR  ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test clean

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

clean:
	rm -rf $(BUILD_DIR)
