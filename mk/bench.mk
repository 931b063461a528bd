# Start-up benchmark: `make bench` builds the release executable and the
# benchmark's helpers, starts its own Xvfb and measures the menu from outside
# (bench/README.md), and the medium's Linux menu in bare Debian systems and
# from a throttled mount (rows H and I, as root). It prints a Markdown table
# and writes bench/RESULTS.md.
# Not part of `make test`. BENCH_RUNS sets the measured rounds (at least 15).
.PHONY: bench bench-build

BENCH_RUNS ?= 15
BENCH_ROWS ?= ABCDEFGHIJK
BENCH_TOOLS := build-release/bench-tools

# Only the executable and the demo folder are built: the benchmark needs no
# tests.
bench-build:
	@scripts/install-deps.sh base bench
	cmake --preset release
	cmake --build --preset release --target demo discmenu-editor discmenu-tool discmenu-tool-render
	cmake -S bench -B $(BENCH_TOOLS) -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BENCH_TOOLS)
	@# The Windows row needs the Windows build: made here when the Makefile
	@# knows how, else whatever build-win64/ holds is used (or the row is n/a).
	@if grep -qs '^windows:' mk/*.mk; then \
	  $(MAKE) windows || echo "bench: the Windows build failed; row F may be n/a"; \
	fi
	@if [ -e build-win64/discmenu.exe ]; then scripts/install-deps.sh windows; fi
	@# Rows H and I run the medium's menu: the medium and its bare systems.
	$(MAKE) medium

bench: bench-build
	python3 bench/run_bench.py --build build-release --tools $(BENCH_TOOLS) \
	  --runs $(BENCH_RUNS) --rows $(BENCH_ROWS) --out bench/RESULTS.md
