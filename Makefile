# Everything a fresh Debian 12 machine needs to build, test and play Scaffle.
PACKAGES := g++ cmake qt6-base-dev qt6-qpa-plugins libgtest-dev libgmock-dev libbenchmark-dev \
            fonts-liberation xvfb xdotool x11-utils imagemagick
BUILD := build
JOBS := $(shell nproc)

.PHONY: deps configure build run test clean

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
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/scaffle

test: build
	cd $(BUILD) && QTEST_FUNCTION_TIMEOUT=60000 ctest --output-on-failure -j $(JOBS) --timeout 300

clean:
	rm -rf $(BUILD)
