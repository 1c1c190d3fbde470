# SPDX-License-Identifier: GPL-3.0-or-later
# Das Krugheim: `make run` to play, `make test` to run every test.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench soak fuzz test-sanitize install uninstall package clean

all: build

# Every package any target needs; each target below installs only its own.
deps:
	@scripts/install-deps all

# $(call configure,TARGET): the packages TARGET needs, then the build folder.
configure = scripts/install-deps $(1) && \
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) >/dev/null

configure:
	@$(call configure,all)

# The game alone: no tests, no benchmarks.
build:
	@$(call configure,run)
	@cmake --build $(BUILD_DIR) --target krugheim

run: build
	./$(BUILD_DIR)/krugheim

test:
	@$(call configure,test)
	@cmake --build $(BUILD_DIR)
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

# A few minutes: the memory figure comes from a one-minute run.
bench:
	@$(call configure,bench)
	@cmake --build $(BUILD_DIR) --target benchmarks
	QT_QPA_PLATFORM=offscreen scripts/run-benchmarks $(BUILD_DIR)

# The long memory run: 30 minutes unless KRUGHEIM_MEMORY_BENCH_SECONDS says otherwise.
soak:
	@$(call configure,bench)
	@cmake --build $(BUILD_DIR) --target bench_memory
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bench_memory

# Leaks inside third-party libraries (font and desktop caches) are suppressed, ours are not.
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0

test-sanitize:
	@$(SANITIZE_ENV) $(MAKE) --no-print-directory test BUILD_DIR=build-sanitize BUILD_TYPE=Debug \
		CMAKE_FLAGS="-DKRUGHEIM_SANITIZE=ON"

fuzz:
	@scripts/install-deps run
	@scripts/run-fuzz $(FUZZ_SECONDS)

# The binary is stripped, as in the package.
install: build
	@cmake --build $(BUILD_DIR) --target krugheim_docs
	cmake --install $(BUILD_DIR) --strip

uninstall:
	@cmake --build $(BUILD_DIR) --target uninstall

# The .deb, checked by lintian as a distribution would. Every file in it carries the time of
# the last commit (or of the changelog's last entry, outside git), so that two builds of one
# commit give the same package byte for byte. Packed once more from a fresh staging folder a
# second later, it must come out the same: the moment of packing does not get in.
package: export SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null || \
	date -d "$$(sed -n 's/^ -- .*>  //p' resources/debian/changelog | head -n1)" +%s)
package:
	@$(call configure,package)
	@cmake --build $(BUILD_DIR) --target krugheim krugheim_docs
	@rm -rf $(BUILD_DIR)/krugheim_*.deb $(BUILD_DIR)/package-again
	cd $(BUILD_DIR) && cpack -G DEB
	lintian --pedantic --fail-on error,warning $(BUILD_DIR)/krugheim_*.deb
	@sleep 1
	@cd $(BUILD_DIR) && cpack -G DEB -B $(abspath $(BUILD_DIR))/package-again >/dev/null
	cmp $(BUILD_DIR)/krugheim_*.deb $(BUILD_DIR)/package-again/krugheim_*.deb
	@echo "$$(ls $(BUILD_DIR)/krugheim_*.deb): reproducible, files dated $$(date -ud @$$SOURCE_DATE_EPOCH)"

clean:
	rm -rf build build-sanitize build-fuzz
