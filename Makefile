# Lumivra: set-up, build, run, test, benchmarks.
BUILD      := build
TEST_BUILD := build/asan
FUZZ_BUILD := build/fuzz
FUZZ_SECONDS ?= 60
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja

.PHONY: all deps content build run test fuzz fuzz-build bench clean

all: build

deps:
	@tools/install-deps.sh

# The pinned content package, installed from the lock file.
data/node_modules/.package-lock.json: data/package.json data/package-lock.json
	cd data && npm ci --no-audit --no-fund --loglevel=error
	@touch $@

content: deps data/node_modules/.package-lock.json

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMIVRA_TESTS=OFF

build: content $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD) && ./olvar

$(TEST_BUILD)/build.ninja:
	cmake -S . -B $(TEST_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DLUMIVRA_SANITIZE=ON \
	  -DLUMIVRA_BENCHMARKS=OFF -DCMAKE_CXX_FLAGS_DEBUG="-g -O1"

test: build $(TEST_BUILD)/build.ninja fuzz-build
	cmake --build $(TEST_BUILD) -j $(JOBS)
	tools/run-tests.sh $(TEST_BUILD)
	tools/run-fuzz.sh $(FUZZ_BUILD) 10

# The libFuzzer targets: clang with AddressSanitizer and UBSan, only the plain
# C++ libraries they need.
$(FUZZ_BUILD)/build.ninja:
	cmake -S . -B $(FUZZ_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
	  -DLUMIVRA_FUZZ=ON -DLUMIVRA_TESTS=OFF -DLUMIVRA_BENCHMARKS=OFF -DCMAKE_CXX_FLAGS_DEBUG="-g -O1"

fuzz-build: deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers

fuzz: fuzz-build
	tools/run-fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

bench: build
	tools/run-benchmarks.sh $(BUILD)

# The Debian package, build/lumivra_VERSION_ARCH.deb (packaging/).
.PHONY: package
package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD)
