# Vantrel: the everyday commands. See README.md.
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

PREFIX ?= /usr/local

.PHONY: deps configure build run test test-sanitize test-tsan fuzz bench clean windows windows-zip \
	test-windows install docs package test-package \
	web serve-web test-web

deps:
	@tools/install-deps.sh

# Configures only a new tree or one whose CMAKE_FLAGS changed; Ninja itself configures again
# when a CMakeLists.txt changed.
configure: deps
	@if [ ! -f build/build.ninja ] || [ "$$(cat build/.cmake-flags 2>/dev/null)" != "$(CMAKE_FLAGS)" ]; then \
		cmake -S . -B build -G Ninja $(CMAKE_FLAGS) && echo "$(CMAKE_FLAGS)" > build/.cmake-flags; \
	fi

build: configure
	@cmake --build build -j $(JOBS)

# The library, headers, CMake and pkg-config files and the programs with their data, into
# PREFIX (default /usr/local): make install PREFIX=$$HOME/.local
install: build
	cmake --install build --prefix $(PREFIX)

# The API reference of the installed headers in build/docs/html; fails on any warning,
# an undocumented public member included.
docs: configure
	@cmake --build build --target docs

# The Debian package in build/package/.
package: build
	cd build && cpack -G DEB

# Installs the package into a fresh Debian root and builds examples/hello against it
# (slow: debootstrap and package downloads; needs root).
test-package: package
	tools/clean-root-check.sh --package build/package

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

# Each libFuzzer harness for FUZZ_SECONDS from seeds made by code, built with clang;
# fails on any finding, including an input that takes over 1 s or 256 MiB.
FUZZ_SECONDS ?= 60
fuzz: deps
	FUZZ_SECONDS=$(FUZZ_SECONDS) tools/fuzz.sh

bench: build
	tools/bench.sh build

# The Windows program, cross-built with mingw-w64: build-windows/vantrel.exe (with its debug
# information) beside its data files. The data files and the icon are drawn natively, by the
# Linux build's generator.
windows: deps
	tools/install-windows-deps.sh
	cmake -S . -B build -G Ninja $(CMAKE_FLAGS)
	cmake --build build -j $(JOBS) --target vantrel_data vantrel_icon
	tools/windows/build-libpng.sh build-windows/libpng
	cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/MingwW64Toolchain.cmake \
		-DVANTREL_WINDOWS_ICON=$(CURDIR)/build/icon/vantrel.ico
	cmake --build build-windows -j $(JOBS)
	cp build/data/* build-windows/

# The download: build-windows/vantrel-windows-x64.zip with the stripped program (its symbols
# stay in build-windows/release/vantrel.exe.debug), the data files and a README.txt.
windows-zip: windows
	cmake --build build-windows -j $(JOBS) --target vantrel_release
	tools/windows/make-zip.sh build-windows/release/vantrel.exe build/data build-windows/vantrel-windows-x64.zip

# The Windows tests under Wine on Xvfb, in one fresh Wine session; the download is among them.
test-windows: windows-zip
	tools/windows/wine-session.sh ctest --test-dir build-windows -L windows -j $(JOBS) --output-on-failure

# The scene in a web page: build-web/ with a threaded and a single-threaded build of the
# engine for WebAssembly (Emscripten), their data and the page.
web: deps
	tools/install-web-deps.sh
	JOBS=$(JOBS) tools/web/build.sh

# Serves build-web/ on http://127.0.0.1:$(WEB_PORT)/, cross-origin isolated (the threaded build).
WEB_PORT ?= 8020
serve-web:
	python3 tools/web/serve.py build-web --port $(WEB_PORT)

# The page in headless Chromium against the server, and the kernel tests under Node.js.
test-web: web
	tools/web/test-web.sh

clean:
	rm -rf build build-asan build-tsan build-fuzz build-windows build-web
