# The medium: `make medium` lays out build/medium/, the demo menu as it goes
# on a stick or a disc: install.ini and its files, discmenu.exe (32-bit
# Windows), discmenu with discmenu-linux/ (x86-64 Linux, with everything it
# loads), autorun.inf, autorun and README.txt. `make medium-programs` makes
# just the programs, which the release build's discmenu-tool then carries.
# It also writes the medium as a disc image (build/medium.iso: ISO 9660 with
# Rock Ridge and Joliet) and a stick image (build/medium.img: FAT32), dated
# SOURCE_DATE_EPOCH (the last commit's time unless given), so that the same
# medium always gives the same bytes.
# `make test-medium` (part of `make test`) runs the medium's Linux menu in
# bare Debian 11 and 12 systems made with debootstrap (kept in
# build/systems/), under X11 and Wayland. `make test-images` (part of
# `make test`) uses both images as a person's computer does: mounted, the
# Linux menu started as desktops start it (GNOME's autorun prompt included)
# and the Windows menus under Wine.
.PHONY: medium medium-programs test-medium test-images

MEDIUM_PROGRAMS := build-release/medium-programs
MEDIUM := build/medium
MEDIUM_DISC := build/medium.iso
MEDIUM_STICK := build/medium.img
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null || echo 0)

TEST_TARGETS += test-medium test-images

medium-programs: windows-32
	@scripts/install-deps.sh base medium
	cmake --preset release
	cmake --build --preset release --target discmenu discmenu-starter discmenu-tool slowmedium
	python3 scripts/make_medium_programs.py --menu build-release/discmenu \
	  --starter build-release/discmenu-starter --windows build-win32/discmenu.exe \
	  --slowmedium build-release/slowmedium --demo examples/demo --out $(MEDIUM_PROGRAMS)

medium: medium-programs
	rm -rf $(MEDIUM)
	mkdir -p $(MEDIUM)
	cp -R examples/demo/. $(MEDIUM)/
	build-release/discmenu-tool autorun $(MEDIUM) --label "Aurora Studio 5" --force >/dev/null
	SOURCE_DATE_EPOCH=$(SOURCE_DATE_EPOCH) build-release/discmenu-tool image $(MEDIUM) \
	  --disc $(MEDIUM_DISC) --stick $(MEDIUM_STICK) --force

test-medium: medium build
	python3 tests/medium/run_medium_tests.py --medium $(MEDIUM) \
	  --system-qt-menu build/discmenu --systems build/systems --out build/medium-tests

test-images: medium windows
	@scripts/install-deps.sh medium images
	SOURCE_DATE_EPOCH=$(SOURCE_DATE_EPOCH) python3 tests/medium/test_images.py --medium $(MEDIUM) \
	  --disc $(MEDIUM_DISC) --stick $(MEDIUM_STICK) --tool build-release/discmenu-tool \
	  --exe64 build-win64/discmenu.exe --out build/image-tests
