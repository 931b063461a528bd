#!/usr/bin/env python3
"""End-to-end tests of the Windows executables.

The 32-bit and 64-bit executables are checked as files (PE header, imports,
size, resources); the 64-bit one also runs under Wine on a private Xvfb
display with a fresh Wine prefix: the demo menu is measured and photographed,
failures must show the error box and end with status 1, clicks and keys must
open the configured targets, and at 150 % and 200 % the window and its
pictures must scale. Needs only Python's standard library; installs its
Debian packages through scripts/install-deps.sh.

The checks of the files are in static_checks.py, the tests under Wine in
test_window.py, test_failures.py, test_launch.py and test_planting.py (no
DLL planting): a test registered in
one of their lists runs in that list's turn below.

Usage: run_wine_tests.py --exe32 build-win32/discmenu.exe --exe64 build-win64/discmenu.exe
"""

import argparse
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from functools import partial
from pathlib import Path

import static_checks
import test_failures
import test_launch
import test_planting
import test_window
from common import ROOT, run_step
from wine_session import Session, Wine, build_helpers


def run_menu(run, menu):
    """A menu's tests: the first starts it and the others run only if it
    did; the menu is stopped at the end either way."""
    (name, start), *others = menu.tests
    if run(name, partial(start, menu)):
        for name, test in others:
            run(name, partial(test, menu))
    menu.stop()


def run_each(run, tests, wine):
    """Tests that each set up what they need."""
    for name, test in tests:
        run(name, partial(test, wine))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--exe32", required=True)
    parser.add_argument("--exe64", required=True)
    parser.add_argument("--out", default=None, help="where screenshots go (default: beside exe64)")
    parser.add_argument("--signed-by", metavar="CERT.pem",
                        help="only check that both are signed with CERT and that the signed "
                             "64-bit one shows the demo under Wine")
    args = parser.parse_args()
    out_dir = Path(args.out or Path(args.exe64).parent)

    subprocess.run([str(ROOT / "scripts" / "install-deps.sh"), "base", "windows"], check=True)

    started = time.monotonic()
    passed, failed = [], []

    def run(name, test):
        return run_step(name, test, passed, failed)

    checks = (static_checks.signature_tests(args.exe32, args.exe64, args.signed_by)
              if args.signed_by else static_checks.tests(args.exe32, args.exe64))
    for name, test in checks:
        run(name, test)

    work = Path(tempfile.mkdtemp(prefix="discmenu-wine-"))
    session = Session(work)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    try:
        def boot():
            seconds = session.start()
            print(f"    wineboot took {seconds:.1f} s")

        if run("Xvfb and a fresh Wine prefix", boot) and run("helpers cross-built",
                                                              lambda: build_helpers(work)):
            wine = Wine(session, args.exe64, out_dir)
            if args.signed_by:
                demo = test_window.DemoMenu(wine)
                demo.tests = [t for t in demo.tests if t[0] in ("demo menu starts",
                                                              "demo menu: closes with status 0")]
                run_menu(run, demo)
                return finish(passed, failed, started)
            run_menu(run, test_window.DemoMenu(wine))
            run_each(run, test_failures.TESTS, wine)
            run_menu(run, test_launch.LaunchMenu(wine))
            run_each(run, test_launch.TESTS, wine)
            run_each(run, test_planting.TESTS, wine)
            # Last: these change the Wine prefix's dpi.
            run_each(run, test_window.SCALED, wine)
    finally:
        session.close()
        shutil.rmtree(work, ignore_errors=True)

    return finish(passed, failed, started)


def finish(passed, failed, started):
    print(f"wine tests took {time.monotonic() - started:.1f} s")
    print(f"{len(passed)} passed, {len(failed)} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
