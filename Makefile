# Everything a fresh Debian 12 machine needs to build, test and play Scaffle.
PACKAGES := g++ cmake qt6-base-dev qt6-qpa-plugins libgtest-dev libgmock-dev libbenchmark-dev \
            fonts-liberation xvfb xdotool x11-utils imagemagick clang libclang-rt-14-dev \
            dpkg-dev file desktop-file-utils appstream
BUILD := build
JOBS := $(shell nproc)

.PHONY: deps configure build run test test-sanitize fuzz bench package clean

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  if [ "$$(id -u)" -eq 0 ]; then sudo=; else sudo=sudo; fi; \
	  $$sudo apt-get update && DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/scaffle

test: build
	cd $(BUILD) && QTEST_FUNCTION_TIMEOUT=60000 ctest --output-on-failure -j $(JOBS) --timeout 300

# A Debian package of the game, in build/.
package: build
	cd $(BUILD) && cpack -G DEB

# Speed and memory against their targets; a verdict a line at the end.
bench: build
	@rm -f $(BUILD)/bench.log
	for b in round_start_bench guess_bench window_bench; do \
	  $(BUILD)/bench/$$b --benchmark_color=false | tee -a $(BUILD)/bench.log || exit 1; done
	@echo; echo "Summary:"; grep -aoE '[A-Za-z0-9-]+: .*(met|NOT MET)$$' $(BUILD)/bench.log

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
SANITIZE := -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
test-sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)"
	cmake --build build-sanitize -j $(JOBS)
	cd build-sanitize && QTEST_FUNCTION_TIMEOUT=120000 \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/leaks-outside-the-game.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS) --timeout 600

# Feeds the rules arbitrary word files for FUZZ_SECONDS; what it finds lands in build-fuzz/.
FUZZ_SECONDS := 60
fuzz: deps
	cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Release
	cmake --build build-fuzz -j $(JOBS) --target word_file_fuzzer
	mkdir -p build-fuzz/corpus
	build-fuzz/word_file_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=4096 -print_final_stats=1 \
	  -artifact_prefix=build-fuzz/ build-fuzz/corpus fuzz/corpus

clean:
	rm -rf $(BUILD) build-sanitize build-fuzz
