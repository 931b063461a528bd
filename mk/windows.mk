# The native Windows executables, cross-built with MinGW-w64 and linked
# statically: `make windows` builds build-win32/discmenu.exe (32-bit, the one
# to ship) and build-win64/discmenu.exe. `make test-wine` (part of
# `make test`) checks both files and runs the 64-bit one under Wine and Xvfb.
.PHONY: windows windows-deps windows-32 windows-64 test-wine

WINDOWS_CMAKE_FLAGS := -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel -DDISCMENU_BACKEND=win32 \
  -DDISCMENU_TESTS=OFF -DDISCMENU_TOOLS=OFF -DDISCMENU_WERROR=ON

TEST_TARGETS += test-wine

windows-deps:
	@scripts/install-deps.sh windows
	@command -v cmake >/dev/null && command -v ninja >/dev/null || scripts/install-deps.sh base

# The toolchain is CMake's choice at the first configure only.
windows_toolchain = $(if $(wildcard $(1)/CMakeCache.txt),,--toolchain cmake/mingw-$(2).cmake)

windows-32: windows-deps
	cmake -S . -B build-win32 $(call windows_toolchain,build-win32,i686) $(WINDOWS_CMAKE_FLAGS)
	cmake --build build-win32

windows-64: windows-deps
	cmake -S . -B build-win64 $(call windows_toolchain,build-win64,x86_64) $(WINDOWS_CMAKE_FLAGS)
	cmake --build build-win64

windows: windows-32 windows-64

# Screenshots land in build-win64/ (wine-demo.png and the scaled ones).
test-wine: windows
	python3 tests/wine/run_wine_tests.py --exe32 build-win32/discmenu.exe \
	  --exe64 build-win64/discmenu.exe --out build-win64
