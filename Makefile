# Velunta: the one entry point for building, running and testing.
#   make run       install missing packages, configure, build, launch the program
#   make test      the same, then every test under CTest
#   make test-asan the tests under the address and undefined sanitizers
#   make bench     the benchmarks (Google Benchmark)
#   make install PREFIX=/usr/local   build, then install under PREFIX
#   make package   build, then the Debian package (build/release/velunta_*.deb)

PRESET    ?= release
BUILD_DIR  = build/$(PRESET)
JOBS      ?= $(shell nproc)
PREFIX    ?= /usr/local

.PHONY: all deps configure build run test test-asan bench install package clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	cmake --preset $(PRESET)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	cd $(BUILD_DIR)/bin && ./velunta

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

test-asan:
	$(MAKE) test PRESET=asan

bench:
	$(MAKE) build PRESET=release
	@for b in $(BUILD_DIR)/bench/bench_*; do if [ -f "$$b" ] && [ -x "$$b" ]; then QT_QPA_PLATFORM=offscreen "$$b"; fi; done

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

package: build
	cmake --build $(BUILD_DIR) --target package

clean:
	rm -rf build
