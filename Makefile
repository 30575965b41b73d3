# make run            - install what is missing, build, start the program
# make test           - install what is missing, build, run every test
# make test-sanitized - build the core and its tests with AddressSanitizer and
#                       UndefinedBehaviorSanitizer (no GUI) and run them
# make test-sanitized-gui - the same with the GUI and its tests
# make fuzz           - build the project-file and data-file fuzzers with clang
#                       and run each for FUZZ_SECONDS on fresh seeds and its
#                       regression corpus
# make bench          - build and run the benchmarks
# make tidy           - build, then run clang-tidy (.clang-tidy) over every
#                       production source the build compiles (.ci/tidy)
# make format         - format every source with clang-format
# make format-check   - fail on any source that clang-format would change
BUILD_DIR ?= build
SANITIZE_BUILD_DIR ?= build-sanitize
SANITIZE_GUI_BUILD_DIR ?= build-sanitize-gui
FUZZ_BUILD_DIR ?= build-fuzz
FUZZ_SECONDS ?= 600
PACKAGES := cmake g++ ninja-build ccache clang-format clang-tidy qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev fonts-ipafont-gothic fonts-ipafont-mincho poppler-utils locales qt6-translations-l10n
FUZZ_PACKAGES := clang libclang-rt-dev
JOBS ?= $(shell nproc)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps fuzz-deps configure build run test test-sanitized test-sanitized-gui fuzz bench tidy format format-check clean

all: build

# $(call install-missing,packages)
define install-missing
	@missing=""; for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi
endef

deps:
	$(call install-missing,$(PACKAGES))
	@# A decimal-comma locale, so the tests can show that numbers never follow it.
	@locale -a 2>/dev/null | grep -qi '^de_DE.utf8$$' || $(SUDO) localedef -i de_DE -f UTF-8 de_DE.UTF-8 || true

fuzz-deps: deps
	$(call install-missing,$(FUZZ_PACKAGES))

configure: deps
	@if [ ! -f $(BUILD_DIR)/CMakeCache.txt ]; then cmake -S . -B $(BUILD_DIR) -G Ninja; fi

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/app/Quilmora2025

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

test-sanitized: deps
	@if [ ! -f $(SANITIZE_BUILD_DIR)/CMakeCache.txt ]; then \
	  cmake -S . -B $(SANITIZE_BUILD_DIR) -G Ninja -DQUILMORA_SANITIZE=ON -DQUILMORA_BUILD_GUI=OFF -DQUILMORA_BUILD_BENCH=OFF; fi
	cmake --build $(SANITIZE_BUILD_DIR) -j $(JOBS)
	ctest --test-dir $(SANITIZE_BUILD_DIR) --output-on-failure -j $(JOBS)

# The same with the GUI and its tests (offscreen Qt), in its own build folder.
test-sanitized-gui: deps
	@if [ ! -f $(SANITIZE_GUI_BUILD_DIR)/CMakeCache.txt ]; then \
	  cmake -S . -B $(SANITIZE_GUI_BUILD_DIR) -G Ninja -DQUILMORA_SANITIZE=ON -DQUILMORA_BUILD_BENCH=OFF; fi
	cmake --build $(SANITIZE_GUI_BUILD_DIR) -j $(JOBS)
	ctest --test-dir $(SANITIZE_GUI_BUILD_DIR) --output-on-failure -j $(JOBS)

fuzz: fuzz-deps
	@if [ ! -f $(FUZZ_BUILD_DIR)/CMakeCache.txt ]; then \
	  cmake -S . -B $(FUZZ_BUILD_DIR) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DQUILMORA_FUZZ=ON -DQUILMORA_WERROR=OFF \
	    -DQUILMORA_BUILD_GUI=OFF -DQUILMORA_BUILD_TESTS=OFF -DQUILMORA_BUILD_BENCH=OFF; fi
	cmake --build $(FUZZ_BUILD_DIR) -j $(JOBS)
	mkdir -p $(FUZZ_BUILD_DIR)/corpus $(FUZZ_BUILD_DIR)/artifacts
	./$(FUZZ_BUILD_DIR)/fuzz/make_fuzz_seeds $(FUZZ_BUILD_DIR)/corpus tests/data/damaged
	./$(FUZZ_BUILD_DIR)/fuzz/project_file_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=80000 \
	  -artifact_prefix=$(FUZZ_BUILD_DIR)/artifacts/ $(FUZZ_BUILD_DIR)/corpus tests/data/fuzz-corpus
	@# The data files, seeded with their fixtures.
	mkdir -p $(FUZZ_BUILD_DIR)/data-corpus
	./$(FUZZ_BUILD_DIR)/fuzz/data_file_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=8000 \
	  -artifact_prefix=$(FUZZ_BUILD_DIR)/artifacts/ $(FUZZ_BUILD_DIR)/data-corpus tests/data/datafiles \
	  tests/data/data-fuzz-corpus

bench: build
	./$(BUILD_DIR)/bench/project_file_bench
	./$(BUILD_DIR)/bench/recalculation_chain_bench
	./$(BUILD_DIR)/bench/plan_paint_bench
	./$(BUILD_DIR)/bench/plan_hover_bench
	./$(BUILD_DIR)/bench/report_bench

tidy: build
	.ci/tidy $(BUILD_DIR) $(JOBS)

# Every C++ source and header the repository tracks.
SOURCES = git ls-files -z '*.cpp' '*.h'

format: deps
	$(SOURCES) | xargs -0 clang-format -i

format-check: deps
	$(SOURCES) | xargs -0 clang-format --dry-run --Werror

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_BUILD_DIR) $(SANITIZE_GUI_BUILD_DIR) $(FUZZ_BUILD_DIR)
