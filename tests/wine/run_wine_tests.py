#!/usr/bin/env python3
"""End-to-end tests of the Windows executables.

The 32-bit and 64-bit executables are checked as files (PE header, imports,
delay-load stubs, size, resources) and run, each with the same tests, under
Wine of their own architecture on a private Xvfb display with a fresh Wine
prefix: the demo menu is measured and photographed,
failures must show the error box and end with status 1, clicks and keys must
open the configured targets, and at 150 % and 200 % the window and its
pictures must scale. Where this machine cannot run 32-bit programs (a
kernel without 32-bit x86 support), one SKIP line says so and why, and the
64-bit executable runs alone. Needs only Python's standard library; installs
its Debian packages through scripts/install-deps.sh. The 32-bit run's
screenshots go to OUT/wine32/.

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
from common import ROOT, check, run_step
from wine_session import Session, Wine, build_helpers, cannot_run


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


def under_wine(run, arch, exe, out, signed):
    """The tests of one executable, in a Wine of its architecture (all of
    them, or with `signed`, that the signed file shows the demo)."""
    work = Path(tempfile.mkdtemp(prefix=f"discmenu-wine{arch}-"))
    session = Session(work, arch)
    try:
        def boot():
            seconds = session.start()
            print(f"    wineboot took {seconds:.1f} s")

        if not (run("Xvfb and a fresh Wine prefix", boot) and
                run("helpers cross-built", lambda: build_helpers(work, arch))):
            return
        wine = Wine(session, exe, out)
        if signed:
            demo = test_window.DemoMenu(wine)
            demo.tests = [t for t in demo.tests if t[0] in ("demo menu starts",
                                                          "demo menu: closes with status 0")]
            run_menu(run, demo)
            return
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


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--exe32", required=True)
    parser.add_argument("--exe64", required=True)
    parser.add_argument("--out", default=None, help="where screenshots go (default: beside exe64)")
    parser.add_argument("--signed-by", metavar="CERT.pem",
                        help="only check that both are signed with CERT and that each "
                             "signed one shows the demo under Wine")
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

    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    for arch, exe in ((64, args.exe64), (32, args.exe32)):
        why = cannot_run(arch)
        if why and arch == 32:
            print(f"SKIP the 32-bit exe under Wine: the run could not be made: {why}",
                  flush=True)
            continue
        if not run(f"{arch}-bit: Wine runs {arch}-bit programs", partial(check, not why, why)):
            continue
        out = out_dir if arch == 64 else out_dir / "wine32"
        out.mkdir(parents=True, exist_ok=True)
        under_wine(lambda name, test, arch=arch: run(f"{arch}-bit: {name}", test), arch, exe,
                   out, args.signed_by)

    return finish(passed, failed, started)


def finish(passed, failed, started):
    print(f"wine tests took {time.monotonic() - started:.1f} s")
    print(f"{len(passed)} passed, {len(failed)} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
