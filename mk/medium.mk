# The medium: `make medium` lays out build/medium/, the demo menu as it goes
# on a stick or a disc: install.ini and its files, discmenu.exe (32-bit
# Windows), discmenu with discmenu-linux/ (x86-64 Linux, with everything it
# loads), autorun.inf, autorun and README.txt. `make medium-programs` makes
# just the programs, which the release build's discmenu-tool then carries.
# `make test-medium` (part of `make test`) runs the medium's Linux menu in
# bare Debian 11 and 12 systems made with debootstrap (kept in
# build/systems/), under X11 and Wayland.
.PHONY: medium medium-programs test-medium

MEDIUM_PROGRAMS := build-release/medium-programs
MEDIUM := build/medium

TEST_TARGETS += test-medium

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

test-medium: medium build
	python3 tests/medium/run_medium_tests.py --medium $(MEDIUM) \
	  --system-qt-menu build/discmenu --systems build/systems --out build/medium-tests
