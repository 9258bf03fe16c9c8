.PHONY: test demo bench fuzz package package-test setup build clean

test: setup
	scripts/test-all

demo: setup
	scripts/demo

bench: setup
	scripts/bench

fuzz: setup
	scripts/fuzz

package: setup
	scripts/package

package-test: setup
	scripts/package-test

setup:
	scripts/setup

build: setup
	for p in native win32 win64; do cmake --preset $$p >/dev/null && cmake --build --preset $$p || exit 1; done

clean:
	scripts/wine-run --stop
	rm -rf build
