#!/usr/bin/env python3
"""The Windows executables are reproducible: `make windows` run on a copy of
the same source in another folder (so with other source and build paths)
gives the same bytes as the executables given here.

Usage: reproducible.py --exe32 build-win32/discmenu.exe --exe64 build-win64/discmenu.exe
"""

import argparse
import hashlib
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]


def source_files():
    """The files of the source tree as it is now: tracked and new ones,
    without the build folders."""
    out = subprocess.run(["git", "-C", str(ROOT), "ls-files", "-co", "--exclude-standard", "-z"],
                         check=True, capture_output=True).stdout
    return [f for f in out.decode().split("\0") if f and not f.startswith("build")]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--exe32", required=True)
    parser.add_argument("--exe64", required=True)
    args = parser.parse_args()
    top = Path(tempfile.mkdtemp(prefix="discmenu-reproducible-"))
    try:
        copy = top / "elsewhere" / "discmenu-source"
        for name in source_files():
            target = copy / name
            target.parent.mkdir(parents=True, exist_ok=True)
            if (ROOT / name).is_file():
                shutil.copy2(ROOT / name, target)
        subprocess.run(["make", "-C", str(copy), "windows"], check=True,
                       stdout=subprocess.DEVNULL)
        failed = False
        for given, again in ((args.exe32, copy / "build-win32" / "discmenu.exe"),
                             (args.exe64, copy / "build-win64" / "discmenu.exe")):
            a, b = Path(given).read_bytes(), again.read_bytes()
            digest = hashlib.sha256(a).hexdigest()
            if a == b:
                print(f"ok   {given}: {len(a)} bytes, SHA-256 {digest}, the same from {copy}")
            else:
                first = next(i for i in range(min(len(a), len(b))) if a[i] != b[i]) \
                    if len(a) == len(b) else min(len(a), len(b))
                print(f"FAIL {given} differs from its build in {copy}: {len(a)} against "
                      f"{len(b)} bytes, first difference at offset {first:#x}")
                failed = True
        return 1 if failed else 0
    finally:
        shutil.rmtree(top, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
