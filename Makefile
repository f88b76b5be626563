# A fresh Debian 12 machine gets what each target needs, and no more.
# Every build: the compiler, CMake, and the tools that make the icon's pictures from its SVG.
BUILD_PACKAGES := g++ cmake librsvg2-bin icoutils
# Building and playing on Linux: Qt and the fonts.
PLAY_PACKAGES := $(BUILD_PACKAGES) qt6-base-dev qt6-qpa-plugins fonts-liberation
# The suite: its test frameworks, a desktop to play in (X with a window manager, Wayland, the
# accessibility bus with a screen reader) and the packaging checks.
TEST_PACKAGES := libgtest-dev libgmock-dev xvfb openbox xdotool x11-utils imagemagick \
                 weston qt6-wayland at-spi2-core python3-pyatspi dbus orca dpkg-dev file \
                 desktop-file-utils appstream lintian
BENCH_PACKAGES := libbenchmark-dev
FUZZ_PACKAGES := clang libclang-rt-14-dev
PACKAGE_PACKAGES := dpkg-dev file
# Windows: the cross compiler, and Wine with a desktop to play the program in.
WINDOWS_PACKAGES := $(BUILD_PACKAGES) mingw-w64 g++-mingw-w64-x86-64-posix zip
WINE_PACKAGES := wine wine64 googletest xvfb openbox xdotool x11-utils imagemagick fonts-liberation
# The browser: Debian's Emscripten; for its tests, the browsers, and npm where no Node.js on the
# machine brings its own.
WEB_PACKAGES := $(BUILD_PACKAGES) emscripten
WEB_TEST_PACKAGES := chromium firefox-esr $(if $(shell command -v npm),,npm)
BUILD := build
WINDOWS_BUILD := build-windows
WEB_BUILD := build-web
WINE := /usr/lib/wine/wine64
JOBS := $(shell nproc)

# The hardening a Debian package is built with (RELRO, BINDNOW, FORTIFY, the stack
# protector; the compiler makes PIE by default), where dpkg-buildflags is installed.
flags = $$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get $(1) 2>/dev/null)

.PHONY: source-date-epoch deps-play deps-test deps-bench deps-fuzz deps-package deps-windows deps-test-windows \
        build run test test-sanitize fuzz bench package windows test-windows bench-windows web test-web bench-web clean

# $(call install,PACKAGES): installs those of PACKAGES that are missing, unattended; while
# another program holds the package manager, it waits for it, up to ten minutes.
APT := apt-get -o DPkg::Lock::Timeout=600
define install
	@missing=$$(for p in $(1); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  if [ "$$(id -u)" -eq 0 ]; then sudo=; else sudo=sudo; fi; \
	  $$sudo $(APT) update && DEBIAN_FRONTEND=noninteractive $$sudo $(APT) install -y $$missing; \
	fi
endef

deps-play:
	$(call install,$(PLAY_PACKAGES))
deps-test: deps-play
	$(call install,$(TEST_PACKAGES))
deps-bench: deps-play
	$(call install,$(BENCH_PACKAGES))
deps-fuzz: deps-play
	$(call install,$(FUZZ_PACKAGES))
deps-package: deps-play
	$(call install,$(PACKAGE_PACKAGES))
deps-windows:
	$(call install,$(WINDOWS_PACKAGES))
deps-test-windows: deps-windows
	$(call install,$(WINE_PACKAGES))

# $(call configure,TESTS,BENCHMARKS): the build folder, with or without the suite and the
# benchmarks.
define configure
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=$(1) -DSCAFFLE_BENCHMARKS=$(2) \
	  -DCMAKE_CXX_FLAGS="$(call flags,CPPFLAGS) $(call flags,CXXFLAGS)" -DCMAKE_CXX_FLAGS_RELEASE="-O3 -DNDEBUG" \
	  -DCMAKE_EXE_LINKER_FLAGS="$(call flags,LDFLAGS)"
	cmake --build $(BUILD) -j $(JOBS)
endef

build: deps-play
	$(call configure,OFF,OFF)

run: build
	$(BUILD)/scaffle

test: deps-test
	$(call configure,ON,OFF)
	cd $(BUILD) && QTEST_FUNCTION_TIMEOUT=60000 ctest --output-on-failure -j $(JOBS) --timeout 300

# A Debian package of the game, in build/: the same bytes from the same commit, however often
# it is built and under whatever umask, with every file dated at the last commit, or in a tree
# without git (an unpacked source archive) at the last entry of the changelog.
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null || \
                       dpkg-parsechangelog -l window/qt/dist/changelog -S Timestamp)
package: deps-package
	$(call configure,OFF,OFF)
	cd $(BUILD) && umask 022 && SOURCE_DATE_EPOCH=$(SOURCE_DATE_EPOCH) cpack -G DEB

source-date-epoch:
	@echo $(SOURCE_DATE_EPOCH)

# Speed and memory against their targets; a verdict a line at the end.
bench: deps-bench
	$(call configure,OFF,ON)
	@rm -f $(BUILD)/bench.log
	for b in round_start_bench guess_bench qt/window_bench; do \
	  $(BUILD)/bench/$$b --benchmark_color=false | tee -a $(BUILD)/bench.log || exit 1; done
	@echo; echo "Summary:"; grep -aoE '[A-Za-z0-9-]+: .*(met|NOT MET)$$' $(BUILD)/bench.log

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
SANITIZE := -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
test-sanitize: deps-test
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)"
	cmake --build build-sanitize -j $(JOBS)
	cd build-sanitize && QTEST_FUNCTION_TIMEOUT=120000 \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/leaks-outside-the-game.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS) --timeout 600

# Feeds the rules arbitrary word files for FUZZ_SECONDS, then the word-file reader as many
# seconds more, whole and block by block; what they find lands in build-fuzz/.
FUZZ_SECONDS := 60
fuzz: deps-fuzz
	cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Release
	cmake --build build-fuzz -j $(JOBS)
	mkdir -p build-fuzz/corpus build-fuzz/blocks-corpus
	build-fuzz/word_file_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=4096 -print_final_stats=1 \
	  -artifact_prefix=build-fuzz/ build-fuzz/corpus fuzz/corpus
	build-fuzz/blocks_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=65536 -print_final_stats=1 \
	  -artifact_prefix=build-fuzz/blocks- build-fuzz/blocks-corpus fuzz/blocks-corpus

# $(call configure-windows,TESTS[,BENCHMARKS]): the Windows build folder, cross-compiled; its icon is made
# from the game's SVG by a native build of icon/ in a folder of its own.
define configure-windows
	cmake -S icon -B $(WINDOWS_BUILD)/icon -DCMAKE_BUILD_TYPE=Release
	cmake --build $(WINDOWS_BUILD)/icon -j $(JOBS) --target windows_icon
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	  -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_TESTING=$(1) -DSCAFFLE_BENCHMARKS=$(or $(2),OFF) \
	  -DSCAFFLE_WINDOWS_ICON=$(CURDIR)/$(WINDOWS_BUILD)/icon/scaffle.ico \
	  -DCMAKE_CROSSCOMPILING_EMULATOR=$(WINE)
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)
endef

# build-windows/scaffle.exe and the zip for Windows players: the same bytes from the same
# commit, the zip's files dated as the Debian package's are.
windows: deps-windows
	$(call configure-windows,OFF)
	umask 022 && SOURCE_DATE_EPOCH=$(SOURCE_DATE_EPOCH) cmake --build $(WINDOWS_BUILD) --target windows_zip

# The Windows program's tests, and the program itself played, under Wine in a fresh prefix that
# never asks to install Wine's .NET or browser (a box that would wait for a person).
test-windows: deps-test-windows
	$(call configure-windows,ON)
	rm -rf $(WINDOWS_BUILD)/wineprefix
	cd $(WINDOWS_BUILD) && WINEPREFIX=$(CURDIR)/$(WINDOWS_BUILD)/wineprefix WINEDEBUG=-all \
	  WINEDLLOVERRIDES="mscoree,mshtml=" ctest --output-on-failure --timeout 300

# From the start to the mapped window under Wine, the game's against a bare Win32 window's.
bench-windows: deps-test-windows
	$(call install,$(BENCH_PACKAGES))
	$(call configure-windows,OFF,ON)
	cmake -S bench/win32/wine -B $(WINDOWS_BUILD)/wine-bench -DCMAKE_BUILD_TYPE=Release
	cmake --build $(WINDOWS_BUILD)/wine-bench -j $(JOBS)
	bash bench/win32/windows-start.sh $(WINDOWS_BUILD) $(WINDOWS_BUILD)/wine-bench/wine_start_bench

# $(call configure-web,TESTS): the page in build-web/scaffle.html, the WebAssembly and the icon
# inside it (the icon made by a native build of icon/, as for Windows),
# with or without the core's tests as WebAssembly for Node.js. Emscripten's tools find Debian's
# JavaScript modules through NODE_PATH whichever Node.js runs them.
EMSCRIPTEN_ENV := NODE_PATH=/usr/share/nodejs
define configure-web
	cmake -S icon -B $(WEB_BUILD)/icon -DCMAKE_BUILD_TYPE=Release
	cmake --build $(WEB_BUILD)/icon -j $(JOBS) --target scaffle_icons
	$(EMSCRIPTEN_ENV) emcmake cmake -S . -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=MinSizeRel \
	  -DBUILD_TESTING=$(1) -DCMAKE_CROSSCOMPILING_EMULATOR=node \
	  -DSCAFFLE_WEB_ICONS=$(CURDIR)/$(WEB_BUILD)/icon/hicolor \
	  -DCMAKE_CXX_FLAGS=-fwasm-exceptions -DCMAKE_EXE_LINKER_FLAGS=-fwasm-exceptions
	$(EMSCRIPTEN_ENV) cmake --build $(WEB_BUILD) -j $(JOBS)
endef

web:
	$(call install,$(WEB_PACKAGES))
	$(call configure-web,OFF)

# $(call browser-driver,SCRIPT): npm's puppeteer-core, which drives the browsers, in
# build-web/test beside SCRIPT.
define browser-driver
	mkdir -p $(WEB_BUILD)/test
	cp tests/window/web/package.json tests/window/web/package-lock.json $(1) $(WEB_BUILD)/test/
	cd $(WEB_BUILD)/test && npm ci --no-audit --no-fund --loglevel=error
endef

# The core's tests as WebAssembly under Node.js, then the page played in headless Chromium and
# Firefox ESR.
test-web:
	$(call install,$(WEB_PACKAGES) $(WEB_TEST_PACKAGES))
	$(call configure-web,ON)
	$(call browser-driver,tests/window/web/play-in-browsers.mjs)
	cd $(WEB_BUILD) && ctest --output-on-failure --timeout 600

# From navigation to the window painted, and from a click to its result painted, each against a
# bare page, in headless Chromium.
bench-web:
	$(call install,$(WEB_PACKAGES) $(WEB_TEST_PACKAGES))
	$(call configure-web,OFF)
	$(call browser-driver,bench/web/bench-in-chromium.mjs)
	cd $(WEB_BUILD)/test && node bench-in-chromium.mjs ../scaffle.html $(CURDIR)/bench/web/bare.html

clean:
	rm -rf $(BUILD) build-sanitize build-fuzz $(WINDOWS_BUILD) $(WEB_BUILD)
