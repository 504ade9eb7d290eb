# The two commands of the README. Both install what is missing first.
PRESET ?= default
JOBS ?= $(shell nproc)

.PHONY: run test build deps bench clean

deps:
	@scripts/install-deps

build: deps
	@cmake --preset $(PRESET) >/dev/null
	@cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	build/$(PRESET)/app/kartovex

test: build
	ctest --preset $(PRESET) -j $(JOBS)

bench: build
	build/$(PRESET)/bench/kartovex_bench

clean:
	rm -rf build
