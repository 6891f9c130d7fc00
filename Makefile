# Front door: `make test` and `make run` install what a fresh Debian machine
# lacks, then configure, build and run through CMake and CTest.

JOBS ?= $(shell nproc)
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
FUZZ_SECONDS ?= 30

CORE_PACKAGES := cmake make g++ libgtest-dev clang libclang-rt-dev

.PHONY: test deps-test build sanitize-test clean

test: deps-test build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)
	$(MAKE) sanitize-test

deps-test:
	tools/ensure-packages $(CORE_PACKAGES)

build:
	cmake -S . -B $(BUILD) -DVELKORN_BUILD_UI=OFF
	cmake --build $(BUILD) -j$(JOBS)

# The core's tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# with the fuzzer, built by clang in a folder of their own.
sanitize-test:
	CXX=clang++ cmake -S . -B $(SANITIZE_BUILD) -DVELKORN_BUILD_UI=OFF \
	    -DVELKORN_SANITIZE=ON -DVELKORN_FUZZ=ON -DVELKORN_FUZZ_SECONDS=$(FUZZ_SECONDS)
	cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j$(JOBS)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
