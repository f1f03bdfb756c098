# The two commands: `make run` and `make test`. Each installs what it is missing first:
# `run` only what building and running need, `test` also the test tools.
BUILD ?= build
ASAN_BUILD ?= build-asan
DEB_BUILD ?= build-deb
JOBS ?= $(shell nproc)
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: all deps deps-test deps-deb configure build build-app run test test-asan bench deb clean format format-check

all: build

deps:
	@scripts/install-deps run

deps-test:
	@scripts/install-deps run test

deps-deb:
	@scripts/install-deps run deb

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps $(BUILD)/CMakeCache.txt

build-app: configure
	cmake --build $(BUILD) -j $(JOBS) --target morvane

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build-app
	./$(BUILD)/morvane

test: deps-test build
	scripts/with-test-printer ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-asan: deps-test
	cmake -S . -B $(ASAN_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DMORVANE_SANITIZE=ON -DMORVANE_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	UBSAN_OPTIONS=print_stacktrace=1 \
	    scripts/with-test-printer ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b; done

# A Debian package in the top folder, built with Debian's hardening flags in a folder of its own
# and checked with lintian, which fails the target on any error or warning.
deb: export DEB_BUILD_MAINT_OPTIONS = hardening=+all
deb: deps-deb
	rm -f morvane_*.deb
	CXXFLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	LDFLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	    cmake -S . -B $(DEB_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	        -DMORVANE_TESTS=OFF -DMORVANE_BENCH=OFF
	cmake --build $(DEB_BUILD) -j $(JOBS)
	cd $(DEB_BUILD) && cpack -G DEB
	cp $(DEB_BUILD)/morvane_*.deb .
	lintian --fail-on error,warning morvane_*.deb

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(DEB_BUILD) morvane_*.deb

format: deps-test
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check: deps-test
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
