#!/usr/bin/env python3
"""Points a linked Windows executable's load configuration entry at its
`_load_config_used` structure (platform/win32/system_dlls.cpp): this
linker does not. The structure is found by its contents: its own size in
the first field, DependentLoadFlags = LOAD_LIBRARY_SEARCH_SYSTEM32, and
zeros elsewhere.

Usage: pe_load_config.py EXE
"""
import struct
import sys

LOAD_CONFIG = 10
SEARCH_SYSTEM32 = 0x800
# (structure size, offset of DependentLoadFlags) by optional header magic.
LAYOUT = {0x10B: (72, 54), 0x20B: (112, 78)}


def checksum(image, field):
    """The PE checksum: 16-bit words summed with end-around carry, the
    checksum field itself left out, plus the file's length."""
    total = 0
    data = bytes(image) + (b"\0" if len(image) % 2 else b"")
    for (word,) in struct.iter_unpack("<H", data):
        total += word
    total -= struct.unpack_from("<H", image, field)[0] + struct.unpack_from("<H", image, field + 2)[0]
    while total >> 16:
        total = (total & 0xFFFF) + (total >> 16)
    return total + len(image)


def main():
    path = sys.argv[1]
    with open(path, "rb") as f:
        image = bytearray(f.read())
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    if image[:2] != b"MZ" or image[pe:pe + 4] != b"PE\0\0":
        sys.exit(f"pe_load_config: {path} is no PE image")
    sections, optional_size = struct.unpack_from("<H12xH", image, pe + 6)
    optional = pe + 24
    magic = struct.unpack_from("<H", image, optional)[0]
    size, flags_at = LAYOUT[magic]
    directories = optional + (96 if magic == 0x10B else 112)

    wanted = bytearray(size)
    struct.pack_into("<I", wanted, 0, size)
    struct.pack_into("<H", wanted, flags_at, SEARCH_SYSTEM32)
    found = [i for i in range(0, len(image) - size, 4) if image[i:i + size] == wanted]
    if len(found) != 1:
        sys.exit(f"pe_load_config: {path} holds {len(found)} load configurations, not 1")

    table = optional + optional_size
    for k in range(sections):
        _, virtual_address, raw_size, raw_offset = struct.unpack_from(
            "<8xIIII", image, table + 40 * k)
        if raw_offset <= found[0] < raw_offset + raw_size:
            rva = virtual_address + found[0] - raw_offset
            struct.pack_into("<II", image, directories + 8 * LOAD_CONFIG, rva, size)
            struct.pack_into("<I", image, optional + 64, checksum(image, optional + 64))
            with open(path, "wb") as f:
                f.write(image)
            return
    sys.exit(f"pe_load_config: the load configuration of {path} lies in no section")


if __name__ == "__main__":
    main()
