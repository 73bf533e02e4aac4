# The two commands of the README. Both set up a fresh Debian 12 machine first.
.PHONY: run test build

build:
	scripts/setup

run: build
	scripts/run

test: build
	ctest --test-dir build --output-on-failure -j2 --timeout 900
	scripts/fuzz
