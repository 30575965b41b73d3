# make run  - install what is missing, build, start the program
# make test - install what is missing, build, run every test
# make bench - install what is missing, build, run the benchmarks
BUILD_DIR ?= build
PACKAGES := cmake g++ ninja-build ccache qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev fonts-ipafont-gothic fonts-ipafont-mincho locales
JOBS ?= $(shell nproc)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi
	@# A decimal-comma locale, so the tests can show that numbers never follow it.
	@locale -a 2>/dev/null | grep -qi '^de_DE.utf8$$' || $(SUDO) localedef -i de_DE -f UTF-8 de_DE.UTF-8 || true

configure: deps
	@if [ ! -f $(BUILD_DIR)/CMakeCache.txt ]; then cmake -S . -B $(BUILD_DIR) -G Ninja; fi

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/app/Quilmora2025

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

bench: build
	./$(BUILD_DIR)/bench/plan_paint_bench
	./$(BUILD_DIR)/bench/recalculation_chain_bench

clean:
	rm -rf $(BUILD_DIR)
