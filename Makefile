# The README's two commands also as make targets; the scripts need only bash.
.PHONY: run test build

build:
	scripts/setup

run:
	scripts/run

test:
	scripts/test
