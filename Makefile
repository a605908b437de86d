# Tavik: two commands for a new user.
#   make run   build, analyse the bundled example, print where the report and the page are
#   make test  install what is missing, build Release and sanitizer builds, run every test
SHELL := /bin/bash
JOBS ?= $(shell nproc)
BUILD := build
ASAN_BUILD := build-asan
FUZZ_BUILD := build-fuzz
EXAMPLE := examples/drilled_shaft_clay_over_sand.inp
RUN_DIR := $(BUILD)/run
PLOTS_DIR := $(RUN_DIR)/plots

# Debian packages, with a file that shows each is present: those the engine, `tavik` and its
# figures need (all `make run` installs), and those the tests, benchmarks, fuzzers, browser
# check and Python package add.
RUN_PACKAGES := cmake:/usr/bin/cmake g++:/usr/bin/g++ make:/usr/bin/make \
  libcli11-dev:/usr/include/CLI/CLI.hpp nlohmann-json3-dev:/usr/include/nlohmann/json.hpp \
  libplplot-dev:/usr/include/plplot/plplot.h \
  plplot-driver-cairo:/usr/lib/x86_64-linux-gnu/plplot5.15.0/drivers/cairo.so
TEST_PACKAGES := libgtest-dev:/usr/include/gtest/gtest.h libgmock-dev:/usr/include/gmock/gmock.h \
  libbenchmark-dev:/usr/include/benchmark/benchmark.h \
  clang:/usr/bin/clang++ libclang-rt-14-dev:/usr/lib/llvm-14/lib/clang/14.0.6/lib/linux/libclang_rt.fuzzer-x86_64.a \
  libpng-dev:/usr/include/png.h chromium:/usr/bin/chromium \
  python3-dev:/usr/bin/python3-config pybind11-dev:/usr/lib/cmake/pybind11/pybind11Config.cmake \
  python3-numpy:/usr/lib/python3/dist-packages/numpy/__init__.py \
  python3-pandas:/usr/lib/python3/dist-packages/pandas/__init__.py \
  python3-distributed:/usr/lib/python3/dist-packages/distributed/__init__.py \
  python3-matplotlib:/usr/lib/python3/dist-packages/matplotlib/__init__.py

# Installs the missing packages of a list with apt-get (only those missing).
define install_missing
	@missing=""; for entry in $(1); do \
	  pkg=$${entry%%:*}; file=$${entry#*:}; \
	  [ -e "$$file" ] || missing="$$missing $$pkg"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing missing packages:$$missing"; \
	  export DEBIAN_FRONTEND=noninteractive; \
	  apt-get update -qq && apt-get install -y -qq --no-install-recommends $$missing; \
	fi
endef

.PHONY: deps deps-run build build-asan run test test-release test-asan fuzz-build fuzz bench format clean

deps-run:
	$(call install_missing,$(RUN_PACKAGES))

deps:
	$(call install_missing,$(RUN_PACKAGES) $(TEST_PACKAGES))

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DTAVIK_TESTS=ON -DTAVIK_BENCH=ON -DTAVIK_PYTHON=ON
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTAVIK_SANITIZE=ON -DTAVIK_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)

# Builds only the engine and the program it runs (not the tests, benchmarks or Python package).
run: deps-run
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DTAVIK_TESTS=OFF -DTAVIK_BENCH=OFF -DTAVIK_PYTHON=OFF
	cmake --build $(BUILD) -j $(JOBS) --target tavik_cli
	@rm -rf $(PLOTS_DIR); mkdir -p $(RUN_DIR)
	@$(BUILD)/bin/tavik run $(EXAMPLE) --out-dir $(RUN_DIR) --plots $(PLOTS_DIR); status=$$?; \
	echo "Report: $(RUN_DIR)/$$(basename $(EXAMPLE) .inp).out"; \
	if [ -f $(PLOTS_DIR)/index.html ]; then echo "Page:   $(PLOTS_DIR)/index.html (figures beside it)"; fi; \
	if [ $$status -ne 0 ]; then echo "The example run did not end normally (exit $$status): see the report."; fi; \
	exit $$status

test-release: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: build-asan
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

# The fuzz run comes after the sanitizer tests, also under make -j.
test: test-release test-asan
	$(MAKE) fuzz

# The libFuzzer target of the input reader, built with clang (and the whole engine with it).
fuzz-build: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DTAVIK_FUZZ=ON -DTAVIK_TESTS=OFF -DTAVIK_BENCH=OFF -DTAVIK_PYTHON=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

# About FUZZ_SECONDS of fuzzing the input reader and RUN_FUZZ_SECONDS of fuzzing the whole
# run (reader, echo, analysis), each from the seed files (examples/, fuzz/corpus/ and, for the
# whole run, the end-to-end cases of tests/cases/) copied into its corpus folder under
# $(FUZZ_BUILD), which keeps what the fuzzer adds; findings go to $(FUZZ_BUILD)/artifacts.
# A whole run may iterate up to 1000 times per load case: its time limit per input is longer.
# Then PLOT_FUZZ_SECONDS of the results reader on plot files (seeds: fuzz/plot_corpus/, small
# plot files cut down from engine runs).
FUZZ_SECONDS ?= 30
RUN_FUZZ_SECONDS ?= 60
PLOT_FUZZ_SECONDS ?= 20
fuzz: fuzz-build
	@mkdir -p $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/run_corpus $(FUZZ_BUILD)/plot_corpus $(FUZZ_BUILD)/artifacts
	@cp fuzz/plot_corpus/* $(FUZZ_BUILD)/plot_corpus/
	@for f in examples/* fuzz/corpus/*; do \
	  if [ -f "$$f" ]; then cp "$$f" "$(FUZZ_BUILD)/corpus/seed_$$(echo "$$f" | tr '/' '_')"; fi; \
	done
	@for f in examples/* fuzz/corpus/* tests/cases/*.inp; do \
	  if [ -f "$$f" ]; then cp "$$f" "$(FUZZ_BUILD)/run_corpus/seed_$$(echo "$$f" | tr '/' '_')"; fi; \
	done
	$(FUZZ_BUILD)/bin/read_input_fuzz $(FUZZ_BUILD)/corpus -dict=fuzz/read_input.dict \
	  -max_total_time=$(FUZZ_SECONDS) -timeout=1 -rss_limit_mb=2048 \
	  -artifact_prefix=$(FUZZ_BUILD)/artifacts/ -print_final_stats=1
	$(FUZZ_BUILD)/bin/run_fuzz $(FUZZ_BUILD)/run_corpus -dict=fuzz/read_input.dict \
	  -max_total_time=$(RUN_FUZZ_SECONDS) -timeout=20 -rss_limit_mb=2048 \
	  -artifact_prefix=$(FUZZ_BUILD)/artifacts/run_ -print_final_stats=1
	$(FUZZ_BUILD)/bin/plot_file_fuzz $(FUZZ_BUILD)/plot_corpus -dict=fuzz/plot_file.dict \
	  -max_total_time=$(PLOT_FUZZ_SECONDS) -timeout=1 -rss_limit_mb=2048 \
	  -artifact_prefix=$(FUZZ_BUILD)/artifacts/plot_ -print_final_stats=1

bench: build
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; $$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; done

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
