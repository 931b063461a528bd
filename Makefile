# One-command entry points; CMake does the building.
.PHONY: all deps build run test format clean

all: build

deps:
	@scripts/install-deps.sh base

build: deps
	cmake --preset default
	cmake --build --preset default

# Starts the menu on the bundled demo folder.
run: build
	./build/demo/discmenu

test: build
	ctest --preset default -j2

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-asan build-release
