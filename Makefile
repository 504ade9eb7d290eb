# The two commands of the README. Both install what is missing first.
# `make test` runs the whole suite twice: optimised (g++), and under
# AddressSanitizer and UndefinedBehaviorSanitizer (clang) with a short
# bounded pass of every fuzz target.
JOBS ?= $(shell nproc)

.PHONY: run test test-default test-asan deps build build-asan bench package clean

deps:
	@scripts/install-deps

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default -j $(JOBS)

build-asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j $(JOBS)

run: build
	build/default/app/kartovex

test-default: build
	ctest --preset default -j $(JOBS)

test-asan: build-asan
	ctest --preset asan -j $(JOBS)

test: test-default test-asan

# The Debian package kartovex_<version>_<arch>.deb in build/default, from the
# optimised build.
package: build
	@cd build/default && cpack -G DEB

bench: build
	build/default/bench/kartovex_bench

clean:
	rm -rf build
