# The native Windows executables, cross-built with MinGW-w64 and linked
# statically: `make windows` builds build-win32/discmenu.exe (32-bit, the one
# to ship) and build-win64/discmenu.exe. `make test-wine` (part of
# `make test`) checks both files and runs each under Wine (of its own
# architecture) and Xvfb.
#
# `make windows SIGN_CERT=cert.pem SIGN_KEY=key.pem [SIGN_TIMESTAMP_URL=...]`
# signs both (Authenticode, SHA-256, osslsigncode); without them nothing is
# signed. `make test-signing` signs with a throwaway certificate, verifies
# and runs the result; `make test-reproducible` builds both executables again
# from a copy of the source in another folder and compares them byte for
# byte.
.PHONY: windows windows-deps windows-32 windows-64 test-wine test-signing test-reproducible

SIGN_CERT ?=
SIGN_KEY ?=
SIGN_TIMESTAMP_URL ?=
WINDOWS_CMAKE_FLAGS := -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel -DDISCMENU_BACKEND=win32 \
  -DDISCMENU_TESTS=OFF -DDISCMENU_TOOLS=OFF -DDISCMENU_WERROR=ON \
  -DDISCMENU_SIGN_CERT=$(if $(SIGN_CERT),$(abspath $(SIGN_CERT))) \
  -DDISCMENU_SIGN_KEY=$(if $(SIGN_KEY),$(abspath $(SIGN_KEY))) \
  -DDISCMENU_SIGN_TIMESTAMP_URL=$(SIGN_TIMESTAMP_URL)

TEST_TARGETS += test-wine test-reproducible test-signing

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

# Screenshots land in build-win64/ (wine-demo.png and the scaled ones) and,
# the 32-bit executable's, in build-win64/wine32/.
test-wine: windows
	python3 tests/wine/run_wine_tests.py --exe32 build-win32/discmenu.exe \
	  --exe64 build-win64/discmenu.exe --out build-win64

SIGNING_TEST := build/signing-test

# Signs with a throwaway code-signing certificate, verifies both signatures
# (and that removing one gives back the unsigned build, as a reader checking
# a release against its source does), runs the signed 64-bit executable
# under Wine, then builds them unsigned again (a relink, since the signing
# settings change the link command).
test-signing: windows
	rm -rf $(SIGNING_TEST) && mkdir -p $(SIGNING_TEST)
	openssl req -x509 -newkey rsa:3072 -sha256 -days 2 -nodes -subj "/CN=discmenu test signer" \
	  -addext "keyUsage=critical,digitalSignature" -addext "extendedKeyUsage=codeSigning" \
	  -keyout $(SIGNING_TEST)/key.pem -out $(SIGNING_TEST)/cert.pem 2>/dev/null
	cp build-win32/discmenu.exe $(SIGNING_TEST)/unsigned32.exe
	cp build-win64/discmenu.exe $(SIGNING_TEST)/unsigned64.exe
	$(MAKE) windows SIGN_CERT=$(SIGNING_TEST)/cert.pem SIGN_KEY=$(SIGNING_TEST)/key.pem
	python3 tests/wine/run_wine_tests.py --signed-by $(SIGNING_TEST)/cert.pem \
	  --exe32 build-win32/discmenu.exe --exe64 build-win64/discmenu.exe --out $(SIGNING_TEST)
	$(MAKE) windows

test-reproducible: windows
	python3 tests/wine/reproducible.py --exe32 build-win32/discmenu.exe \
	  --exe64 build-win64/discmenu.exe
