#!/usr/bin/env python3
"""Makes a delay-load import library of a system DLL from the toolchain's
import library: every function it exports, called through a stub that
loads the DLL at the first call (with the process's DLL search as it is by
then: restricted to the system folder, platform/win32/system_dlls.h).

Usage: delay_import_lib.py --nm NM --dlltool DLLTOOL --import-lib libuser32.a
                           --dll user32.dll --machine i386|i386:x86-64
                           --out libuser32_delay.a
"""
import argparse
import os
import re
import subprocess
import tempfile


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    for option in ("--nm", "--dlltool", "--import-lib", "--dll", "--out"):
        parser.add_argument(option, required=True)
    parser.add_argument("--machine", required=True, choices=("i386", "i386:x86-64"))
    args = parser.parse_args()
    symbols = subprocess.run([args.nm, args.import_lib], check=True, capture_output=True,
                             text=True).stdout
    # Functions have a thunk (T) besides their import pointer (I); on 32-bit
    # x86 names carry a leading underscore and, for stdcall, "@bytes".
    thirty_two = args.machine == "i386"
    thunks = set(re.findall(r"^[0-9a-f]+ T (\S+)$", symbols, re.M))
    names = sorted(n[1:] if thirty_two else n for n in thunks
                   if not n.startswith(("__", ".")) and (not thirty_two or n.startswith("_")))
    with tempfile.TemporaryDirectory() as tmp:
        definition = os.path.join(tmp, "exports.def")
        with open(definition, "w") as f:
            f.write(f"LIBRARY {args.dll}\nEXPORTS\n" + "".join(n + "\n" for n in names))
        command = [args.dlltool, "--input-def", definition, "--dllname", args.dll,
                   "--output-delaylib", args.out, "--machine", args.machine]
        if thirty_two:
            command.append("--kill-at")  # import stdcall functions by their plain names
        subprocess.run(command, check=True, cwd=tmp)


if __name__ == "__main__":
    main()
