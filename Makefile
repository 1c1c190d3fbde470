# Das Krugheim: `make run` to play, `make test` to run every test.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench fuzz test-sanitize install package clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

run: build
	./$(BUILD_DIR)/krugheim

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

bench: build
	QT_QPA_PLATFORM=offscreen scripts/run-benchmarks $(BUILD_DIR)

# Leaks inside third-party libraries (font and desktop caches) are suppressed, ours are not.
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0

test-sanitize:
	@$(SANITIZE_ENV) $(MAKE) --no-print-directory test BUILD_DIR=build-sanitize BUILD_TYPE=Debug \
		CMAKE_FLAGS="-DKRUGHEIM_SANITIZE=ON"

fuzz: deps
	@scripts/run-fuzz $(FUZZ_SECONDS)

install: build
	cmake --install $(BUILD_DIR)

package: build
	cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf build build-sanitize build-fuzz
