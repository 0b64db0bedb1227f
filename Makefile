# Velunta: the one entry point for building, running and testing.
#   make run        install missing packages, configure, build, launch the program
#   make test       the same, then the everyday tests (all but those labelled `long`)
#   make test-long  the long runs only (the full typing fuzz, the Debian package)
#   make test-asan  the everyday tests under the address and undefined sanitizers
#   make bench      the benchmarks (Google Benchmark) and the memory figures
#   make install PREFIX=/usr/local   build, then install under PREFIX
#   make package    build, then the Debian package (build/release/velunta_*.deb)

PRESET    ?= release
BUILD_DIR  = build/$(PRESET)
JOBS      ?= $(shell nproc)
PREFIX    ?= /usr/local
# The benchmarks are built by `make bench` only: the everyday build and tests do not need them.
BENCH     ?= OFF

.PHONY: all deps configure build run test test-long test-asan bench install package clean

all: build

deps:
	@bash scripts/install-deps.sh

# In CI warnings are errors, also in a build folder configured before.
configure: deps
	cmake --preset $(PRESET) -DVELUNTA_BUILD_BENCH=$(BENCH) $(if $(filter true,$(CI)),-DVELUNTA_WERROR=ON)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	cd $(BUILD_DIR)/bin && ./velunta

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS) -LE long

test-long: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS) -L long

test-asan:
	$(MAKE) test PRESET=asan

bench:
	$(MAKE) build PRESET=release BENCH=ON
	@for b in $(BUILD_DIR)/bench/bench_*; do if [ -f "$$b" ] && [ -x "$$b" ]; then QT_QPA_PLATFORM=offscreen "$$b"; fi; done
	@bash bench/memory.sh $(BUILD_DIR)/bin/velunta

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

package: build
	cmake --build $(BUILD_DIR) --target package

clean:
	rm -rf build
