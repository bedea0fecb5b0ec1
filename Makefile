# The two everyday commands: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
MAKEFLAGS += --no-print-directory

.PHONY: setup configure build app run test check-asan check-fresh check-mutants bench package clean

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

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer,
# in Debug so that every Q_ASSERT is checked too. Any report fails the test that
# met it; leaks from the libraries below Qt are listed in tests/sanitizers/lsan.supp.
# The packaging tests are left out: a package of these binaries proves nothing more.
ASAN_DIR ?= build-asan
SANITIZER_ENV = \
  ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

check-asan: setup
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DQUOVALE_SANITIZE=ON
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -LE packaging

# `make test` on a brand-new minimal Debian root, as a new user meets it:
# RELEASE=bookworm (the default) or RELEASE=trixie. Needs root and the Debian
# mirror, so it is not part of `make test` or CI; see scripts/check_fresh.sh.
RELEASE ?= bookworm
check-fresh:
	@bash scripts/setup.sh --check-fresh
	RELEASE=$(RELEASE) bash scripts/check_fresh.sh

# Each one-line fault of tests/mutants/mutants.txt put into a scratch copy
# under build-mutants/, rebuilt and tested: every one must make a test fail.
# MUTANT=name (or a comma-separated list) runs only those.
MUTANT ?=
check-mutants: setup
	JOBS=$(JOBS) bash tests/mutants/run.sh $(MUTANT)

# Screens are timed on the offscreen platform; start-up under a virtual X
# server, beside a bare Qt window.
STARTUP_ROUNDS ?= 30
bench: export XDG_RUNTIME_DIR ?= /tmp/quovale-bench-$(shell id -u)
bench: configure
	@mkdir -p -m 700 $$XDG_RUNTIME_DIR
	cmake --build $(BUILD_DIR) -j $(JOBS) --target benchmarks
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bench/quovale_bench
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bench/quovale_press_latency
	QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
	  ./$(BUILD_DIR)/bench/quovale_startup_bench $(CURDIR)/$(BUILD_DIR)/bench/libquovale_startup_probe.so \
	  $(STARTUP_ROUNDS) ./$(BUILD_DIR)/quovale ./$(BUILD_DIR)/bench/quovale_bare_window \
	  ./$(BUILD_DIR)/bench/quovale_bare_text_window

# A Debian package of the Release build: $(BUILD_DIR)/quovale_<version>_<arch>.deb
package: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target quovale quovale_icons quovale_docs
	cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
