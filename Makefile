# The two everyday commands: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
MAKEFLAGS += --no-print-directory

.PHONY: setup configure build app run test bench package clean

setup:
	@bash scripts/setup.sh

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release

configure: setup $(BUILD_DIR)/CMakeCache.txt

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

app: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target quovale

run: app
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display found: Test Quovale needs a graphical session." >&2; \
	  echo "On a machine without a screen, run it under a virtual X server:" >&2; \
	  echo "    xvfb-run -a make run" >&2; \
	  exit 1; \
	fi
	./$(BUILD_DIR)/quovale

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target quovale_bench
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bench/quovale_bench

# A Debian package of the Release build: $(BUILD_DIR)/quovale_<version>_<arch>.deb
package: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target quovale quovale_icons
	cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR)
