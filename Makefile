# Front door: `make run` and `make test` install what a fresh Debian machine
# lacks, then configure and build with CMake; tests run through CTest.

JOBS ?= $(shell nproc)
# Running and packaging build in build/, testing in build-test/: a folder
# configured without its tests never leaves old test programs behind.
BUILD ?= build
TEST_BUILD ?= build-test
SANITIZE_BUILD ?= build-sanitize
TOOLS_BUILD ?= build-tools
FUZZ_SECONDS ?= 30
EXECUTABLE := $(BUILD)/qt/app/velkorn-calculator

BUILD_PACKAGES := cmake make g++ pkgconf qt6-base-dev libxcb1-dev libjpeg62-turbo-dev libfontconfig-dev fonts-liberation2
# Xvfb, openbox and xdotool are also what `make run` uses without a display.
DISPLAY_PACKAGES := xvfb xauth openbox xdotool x11-utils
PACKAGE_PACKAGES := dpkg-dev file
TEST_PACKAGES := $(BUILD_PACKAGES) $(DISPLAY_PACKAGES) $(PACKAGE_PACKAGES) lintian libgtest-dev clang \
	libclang-rt-dev xclip imagemagick binutils-mingw-w64-x86-64 desktop-file-utils appstream \
	at-spi2-core dbus-daemon python3-gi gir1.2-atspi-2.0 weston qt6-wayland
# The Windows program, cross-built; its tests run under Wine, in a folder
# of their own.
WINDOWS_BUILD ?= build-windows
WINDOWS_TEST_BUILD ?= build-windows-test
WINDOWS_PACKAGES := cmake make g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 libstb-dev
WINDOWS_RELEASE_PACKAGES := $(WINDOWS_PACKAGES) nsis zip
WINDOWS_TEST_PACKAGES := $(WINDOWS_RELEASE_PACKAGES) googletest wine wine64 $(DISPLAY_PACKAGES) \
	xclip imagemagick icoutils
# The model compiled to WebAssembly by Debian's emscripten, its tests run
# under Node, in a folder of their own.
WEB_TEST_BUILD ?= build-web-test
WEB_TEST_PACKAGES := cmake make emscripten nodejs chromium googletest
# The browser version: the site, built into build-web/site.
WEB_BUILD ?= build-web
WEB_PACKAGES := cmake make emscripten python3

.PHONY: run test check reproducible-test build package bench sanitize-test windows windows-package windows-test \
	web-test web-site web bench-web \
	assets screenshots clean

run:
	tools/ensure-packages $(BUILD_PACKAGES)
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	    tools/ensure-packages $(DISPLAY_PACKAGES) imagemagick; fi
	$(MAKE) build
	tools/run-calculator $(EXECUTABLE)

test:
	tools/ensure-packages $(TEST_PACKAGES) $(WINDOWS_TEST_PACKAGES) $(REPRODUCIBLE_PACKAGES) \
	    $(WEB_TEST_PACKAGES)
	cmake -S . -B $(TEST_BUILD) -DBUILD_TESTING=ON
	cmake --build $(TEST_BUILD) -j$(JOBS)
	cd $(TEST_BUILD) && ctest --output-on-failure -j$(JOBS)
	$(MAKE) windows-test
	$(MAKE) web-test
	$(MAKE) reproducible-test
	$(MAKE) sanitize-test

# The inner loop, in seconds once built: the core's and the presenters'
# tests and the Qt windows' tests on the offscreen platform, and the Windows
# program cross-built (in the Windows test folder, incrementally), so that a
# change that breaks Windows shows here and not only in `make test`.
check:
	tools/ensure-packages $(BUILD_PACKAGES) libgtest-dev $(WINDOWS_PACKAGES) googletest
	cmake -S . -B $(TEST_BUILD) -DBUILD_TESTING=ON
	cmake --build $(TEST_BUILD) -j$(JOBS)
	cd $(TEST_BUILD) && ctest --output-on-failure -j$(JOBS) -L 'native|window'
	cmake -S . -B $(WINDOWS_TEST_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
	cmake --build $(WINDOWS_TEST_BUILD) -j$(JOBS) --target velkorn-calculator-win32 velkorn-probe

# The Debian package and the Windows files built twice, from two clones of
# the committed HEAD that differ as two rebuilders' machines do, must be the
# same bytes (a few minutes: two release builds); diffoscope says what
# differs when they are not.
REPRODUCIBLE_PACKAGES := git diffoscope-minimal
reproducible-test:
	tools/ensure-packages $(BUILD_PACKAGES) $(PACKAGE_PACKAGES) $(WINDOWS_RELEASE_PACKAGES) \
	    $(REPRODUCIBLE_PACKAGES)
	tests/package/reproducible_test.sh . build-reproducible

# Running and packaging need none of the test-only packages (GoogleTest
# and the rest).
build:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
	cmake --build $(BUILD) -j$(JOBS)

# The Windows program: build-windows/Velkorn Calculator.exe, one file that
# needs nothing but Windows.
windows:
	tools/ensure-packages $(WINDOWS_PACKAGES)
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
	cmake --build $(WINDOWS_BUILD) -j$(JOBS)

# The Windows release in build-windows/: a portable zip and an installer.
windows-package:
	tools/ensure-packages $(WINDOWS_RELEASE_PACKAGES)
	$(MAKE) windows
	cmake --build $(WINDOWS_BUILD) --target windows-package
	@ls -l $(WINDOWS_BUILD)/velkorn-calculator-*-windows-x64.zip $(WINDOWS_BUILD)/velkorn-calculator-*-setup-x64.exe

# The core's tests on the Windows ABI, the program end to end and its
# release installed and removed, under Wine.
windows-test:
	tools/ensure-packages $(WINDOWS_TEST_PACKAGES)
	cmake -S . -B $(WINDOWS_TEST_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON
	cmake --build $(WINDOWS_TEST_BUILD) -j$(JOBS)
	cmake --build $(WINDOWS_TEST_BUILD) --target windows-package
	cd $(WINDOWS_TEST_BUILD) && ctest --output-on-failure

# The core's and the model's tests in WebAssembly, under Node: what a
# browser front end builds on, with the system libraries Debian's
# emscripten ships already built. Its JavaScript tools find the modules
# they need (acorn) in Debian's folder for them.
EMSCRIPTEN_ENV := NODE_PATH=/usr/share/nodejs
web-test:
	tools/ensure-packages $(WEB_TEST_PACKAGES)
	$(EMSCRIPTEN_ENV) emcmake cmake -S . -B $(WEB_TEST_BUILD) -DCMAKE_BUILD_TYPE=Release \
	    -DBUILD_TESTING=ON -DVELKORN_BUILD_UI=OFF
	$(EMSCRIPTEN_ENV) cmake --build $(WEB_TEST_BUILD) -j$(JOBS) --target core_tests presenter_tests
	cd $(WEB_TEST_BUILD) && ctest --output-on-failure
	$(MAKE) web-site
	@# Debian's npm, unless Node came with one of its own (NodeSource's).
	command -v npm >/dev/null || tools/ensure-packages npm
	cd tests/web && npm ci --no-audit --no-fund
	timeout 300 node tests/web/site_e2e.mjs $(WEB_BUILD)/site

# The site alone (static files any web server can serve), and the site
# served on this machine.
web-site:
	tools/ensure-packages $(WEB_PACKAGES)
	$(EMSCRIPTEN_ENV) emcmake cmake -S . -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=Release \
	    -DBUILD_TESTING=OFF -DVELKORN_BUILD_UI=OFF
	$(EMSCRIPTEN_ENV) cmake --build $(WEB_BUILD) -j$(JOBS) --target velkorn-site

# The browser version beside its floor page in the same Chromium (paired
# ratios, as make bench for the desktop; bench/web/bench.mjs says how).
bench-web: web-site
	tools/ensure-packages chromium
	command -v npm >/dev/null || tools/ensure-packages npm
	cd tests/web && npm ci --no-audit --no-fund
	node bench/web/bench.mjs $(WEB_BUILD)/site

WEB_PORT ?= 8765
web: web-site
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then tools/ensure-packages chromium curl; fi
	tools/run-web $(WEB_BUILD)/site $(WEB_PORT) $(WEB_BUILD)/velkorn-web.png

# A Debian package (build/velkorn-calculator_*.deb) with its dependencies
# computed from the executable.
package:
	tools/ensure-packages $(BUILD_PACKAGES) $(PACKAGE_PACKAGES)
	$(MAKE) build
	cd $(BUILD) && cpack
	@echo "Install it with: sudo apt-get install ./$$(ls $(BUILD)/velkorn-calculator_*.deb)"

# Start-up, memory and idle CPU of both programs beside their floors, each
# budget met, MISSED or undecided, and the cost of a click and a clock tick
# (under 20 minutes, builds included; bench/run.sh says how).
BENCH_BUILD ?= build-bench
bench:
	tools/ensure-packages $(BUILD_PACKAGES) $(DISPLAY_PACKAGES) libx11-dev dbus-daemon dbus-bin \
	    at-spi2-core
	cmake -S . -B $(BENCH_BUILD) -DVELKORN_BUILD_BENCH=ON -DBUILD_TESTING=OFF \
	    -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BENCH_BUILD) -j$(JOBS)
	tools/ensure-packages $(WINDOWS_TEST_PACKAGES)
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	    -DCMAKE_BUILD_TYPE=Release -DVELKORN_BUILD_BENCH=ON
	cmake --build $(WINDOWS_BUILD) -j$(JOBS)
	WINDOWS_PROGRAM="$(WINDOWS_BUILD)/Velkorn Calculator.exe" \
	    WINDOWS_FLOOR=$(WINDOWS_BUILD)/velkorn-win32-floor.exe bench/run.sh $(BENCH_BUILD)

# The core's and the windows' tests again under AddressSanitizer (with its
# leak checker) and UndefinedBehaviorSanitizer, and the fuzzer, built by
# clang in a folder of their own. The end-to-end and package tests run once,
# in the ordinary build.
sanitize-test:
	CXX=clang++ cmake -S . -B $(SANITIZE_BUILD) -DVELKORN_BUILD_UI=ON \
	    -DVELKORN_SANITIZE=ON -DVELKORN_FUZZ=ON -DVELKORN_FUZZ_SECONDS=$(FUZZ_SECONDS)
	cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j$(JOBS) -LE 'e2e|package' \
	    -E 'desktop_entry_valid|metainfo_valid|windows_resource_script'

# Repaints the pictures in assets/ (commit what changes).
assets:
	tools/ensure-packages $(BUILD_PACKAGES) fonts-dejavu-core fonts-lohit-beng-bengali fonts-wqy-microhei
	cmake -S . -B $(TOOLS_BUILD) -DVELKORN_BUILD_TOOLS=ON -DBUILD_TESTING=OFF
	cmake --build $(TOOLS_BUILD) -j$(JOBS) --target velkorn-asset-generator
	QT_QPA_PLATFORM=offscreen $(TOOLS_BUILD)/tools/asset-generator/velkorn-asset-generator assets

# Renders the real windows offscreen into docs/screenshots/ for the README.
screenshots:
	tools/ensure-packages $(BUILD_PACKAGES)
	cmake -S . -B $(TOOLS_BUILD) -DVELKORN_BUILD_TOOLS=ON -DBUILD_TESTING=OFF
	cmake --build $(TOOLS_BUILD) -j$(JOBS) --target velkorn-screenshots
	QT_QPA_PLATFORM=offscreen $(TOOLS_BUILD)/tools/screenshots/velkorn-screenshots docs/screenshots
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 \
	    $(TOOLS_BUILD)/tools/screenshots/velkorn-screenshots docs/screenshots @2x

clean:
	rm -rf $(BUILD) $(TEST_BUILD) build-reproducible $(SANITIZE_BUILD) $(TOOLS_BUILD) $(BENCH_BUILD) \
	    $(WINDOWS_BUILD) $(WINDOWS_TEST_BUILD) $(WEB_TEST_BUILD) $(WEB_BUILD)
