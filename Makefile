# make run   installs what is missing, builds in Release and starts Lumo in examples/
# make test  installs what is missing, builds, and runs every test (sanitizer build included)
# make bench builds and runs the benchmarks (the minute-long optimisations only by name)
# make fuzz  runs each fuzz harness for FUZZ_SECONDS seconds (default 300)
# make format applies .clang-format to the sources
# make check-format fails if a source is off .clang-format
# make install  builds and installs under PREFIX (default /usr/local), staged under DESTDIR if given
# make package  builds the Debian package lumo_<version>_<arch>.deb here

BUILD_DIR := build/release
ASAN_DIR := build/asan
PACKAGE_DIR := build/package
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo Ninja || echo "Unix Makefiles")
CONFIGURE := cmake -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=Release -DLUMO_WERROR=ON

.PHONY: deps configure build run test bench fuzz format check-format install package

PREFIX ?= /usr/local

deps:
	@scripts/install-deps.sh

configure: deps
	@$(CONFIGURE) -S . -B $(BUILD_DIR) >/dev/null

build: configure
	cmake --build $(BUILD_DIR)

run: configure
	cmake --build $(BUILD_DIR) --target lumo
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "make run: Lumo is built, but there is no display to show its window on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2; \
		echo "make run: start it from a desktop session, or on a virtual display: xvfb-run -a make run" >&2; \
		exit 1; \
	fi
	cd examples && ../$(BUILD_DIR)/app/lumo

# The second run: the window and library tests under the Spanish locale
# that the build makes in $(BUILD_DIR)/locale.
SPANISH := LOCPATH=$(CURDIR)/$(BUILD_DIR)/locale LANG=es_ES.UTF-8 LC_ALL=es_ES.UTF-8

# The sanitizer build uses CMake's default generator (Unix Makefiles), so that
# every run builds with both generators; a folder left by another generator is
# made afresh.
test: check-format build
	ctest --test-dir $(BUILD_DIR) --output-on-failure
	$(SPANISH) ctest --test-dir $(BUILD_DIR) --output-on-failure -L spanish
	@grep -qs '^CMAKE_GENERATOR:INTERNAL=Unix Makefiles$$' $(ASAN_DIR)/CMakeCache.txt || rm -rf $(ASAN_DIR)
	cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMO_WERROR=ON -DLUMO_SANITIZE=ON -DLUMO_BUILD_GUI=OFF \
		-DLUMO_BUILD_BENCH=OFF -S . -B $(ASAN_DIR) >/dev/null
	cmake --build $(ASAN_DIR) --parallel $(shell nproc)
	ctest --test-dir $(ASAN_DIR) --output-on-failure

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

# The package builds only what it installs, in its own folder: no test, no benchmark.
package: deps
	@cmake -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=Release -DLUMO_BUILD_TESTS=OFF -DLUMO_BUILD_BENCH=OFF \
		-S . -B $(PACKAGE_DIR) >/dev/null
	cmake --build $(PACKAGE_DIR)
	rm -f $(PACKAGE_DIR)/lumo_*.deb
	cd $(PACKAGE_DIR) && cpack -G DEB
	cp $(PACKAGE_DIR)/lumo_*.deb .

bench: build
	$(BUILD_DIR)/bench/lumo_bench --benchmark_filter=-Optimise60
	$(BUILD_DIR)/bench/lumo_dialog_bench

# Each harness runs for FUZZ_SECONDS on top of the saved inputs of fuzz/corpus/<harness>;
# new inputs go to build/fuzz/corpus/<harness>, findings to build/fuzz/findings/<harness>.
FUZZ_DIR := build/fuzz
FUZZ_SECONDS ?= 300
FUZZ_HARNESSES := bet forecast number

fuzz: deps
	CC=clang CXX=clang++ cmake -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMO_BUILD_FUZZ=ON \
		-DLUMO_BUILD_GUI=OFF -DLUMO_BUILD_BENCH=OFF -S . -B $(FUZZ_DIR) >/dev/null
	cmake --build $(FUZZ_DIR) --target $(addprefix lumo_fuzz_,$(FUZZ_HARNESSES))
	@for harness in $(FUZZ_HARNESSES); do \
		mkdir -p $(FUZZ_DIR)/corpus/$$harness $(FUZZ_DIR)/findings/$$harness; \
		echo "fuzz: $$harness for $(FUZZ_SECONDS) s"; \
		$(FUZZ_DIR)/fuzz/lumo_fuzz_$$harness -max_total_time=$(FUZZ_SECONDS) -timeout=10 -print_final_stats=1 \
			-artifact_prefix=$(FUZZ_DIR)/findings/$$harness/ $(FUZZ_DIR)/corpus/$$harness fuzz/corpus/$$harness \
			|| exit 1; \
	done

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

check-format:
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
