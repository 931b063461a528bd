#!/usr/bin/env python3
"""Makes a delay-load import library of a system DLL from the toolchain's
import library: every function it exports, called through a stub that
loads the DLL at the first call (with the process's DLL search as it is by
then: restricted to the system folder, platform/win32/system_dlls.h).

Each member of such a library holds a function's slot (its __imp_ symbol)
and the stub the slot points to until the first call. The stub also defines
the function's plain name, which nothing calls: the program calls through
the slot. The i386 PE linker drops the code of an import library member
whose plain name is unreferenced, taking it for an unused `jmp *__imp_`
thunk of an ordinary import library; the slot would then point at address
0 and the first call crash. So the plain names are made local here: with
no global symbol in it the stub stays, on both architectures.

Usage: delay_import_lib.py --nm NM --dlltool DLLTOOL --objcopy OBJCOPY
                           --import-lib libuser32.a
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
    for option in ("--nm", "--dlltool", "--objcopy", "--import-lib", "--dll", "--out"):
        parser.add_argument(option, required=True)
    parser.add_argument("--machine", required=True, choices=("i386", "i386:x86-64"))
    args = parser.parse_args()
    symbols = subprocess.run([args.nm, args.import_lib], check=True, capture_output=True,
                             text=True).stdout
    # Functions have a thunk (T) besides their import pointer (I); on 32-bit
    # x86 names carry a leading underscore and, for stdcall, "@bytes".
    thirty_two = args.machine == "i386"
    thunks = set(re.findall(r"^[0-9a-f]+ T (\S+)$", symbols, re.M))
    symbols = sorted(n for n in thunks
                     if not n.startswith(("__", ".")) and (not thirty_two or n.startswith("_")))
    names = [n[1:] if thirty_two else n for n in symbols]
    with tempfile.TemporaryDirectory() as tmp:
        definition = os.path.join(tmp, "exports.def")
        with open(definition, "w") as f:
            f.write(f"LIBRARY {args.dll}\nEXPORTS\n" + "".join(n + "\n" for n in names))
        command = [args.dlltool, "--input-def", definition, "--dllname", args.dll,
                   "--output-delaylib", args.out, "--machine", args.machine]
        if thirty_two:
            command.append("--kill-at")  # import stdcall functions by their plain names
        subprocess.run(command, check=True, cwd=tmp)
        local = os.path.join(tmp, "stubs.txt")
        with open(local, "w") as f:
            f.write("".join(n + "\n" for n in symbols))
        subprocess.run([args.objcopy, f"--localize-symbols={local}", args.out], check=True)


if __name__ == "__main__":
    main()
