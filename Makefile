# Vantrel: the everyday commands. See README.md.
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps build run test test-sanitize test-tsan bench clean

deps:
	@tools/install-deps.sh

# Configures only a new tree or one whose CMAKE_FLAGS changed; Ninja itself configures again
# when a CMakeLists.txt changed.
build: deps
	@if [ ! -f build/build.ninja ] || [ "$$(cat build/.cmake-flags 2>/dev/null)" != "$(CMAKE_FLAGS)" ]; then \
		cmake -S . -B build -G Ninja $(CMAKE_FLAGS) && echo "$(CMAKE_FLAGS)" > build/.cmake-flags; \
	fi
	@cmake --build build -j $(JOBS)

# The benchmark scene: a window where there is a display, the headless benchmark where not.
run: build
	tools/run.sh build

test: build
	cd build && ctest -j $(JOBS) --output-on-failure

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVANTREL_SANITIZE=address,undefined -DVANTREL_BUILD_BENCHMARKS=OFF
	cmake --build build-asan -j $(JOBS)
	cd build-asan && ctest -j $(JOBS) --output-on-failure

# The threading suites under ThreadSanitizer.
test-tsan: deps
	cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_SANITIZE=thread -DVANTREL_BUILD_BENCHMARKS=OFF
	cmake --build build-tsan -j $(JOBS)
	cd build-tsan && ctest -j $(JOBS) -L threads --output-on-failure

bench: build
	tools/bench.sh build

clean:
	rm -rf build build-asan build-tsan
