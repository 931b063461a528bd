# One-command entry points; CMake does the building. Each mk/*.mk file adds
# its own targets (Windows build, fuzzing, benchmarks) and may append to
# TEST_TARGETS, which `make test` runs in order.
.PHONY: all deps build run test test-unit format clean
.NOTPARALLEL:

TEST_TARGETS := test-unit

-include mk/*.mk

all: build

deps:
	@scripts/install-deps.sh base

build: deps
	cmake --preset default
	cmake --build --preset default

# Starts the menu on the bundled demo folder.
run: build
	./build/demo/discmenu

test: $(TEST_TARGETS)

test-unit: build
	ctest --preset default -j2

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-*
