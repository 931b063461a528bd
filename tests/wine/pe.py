"""Reading PE files: the header, the imported DLLs and the resources, with
the version block and icon files the resources are compared against."""

import struct
from pathlib import Path

from common import TestFailure, check


class PeFile:
    """The parts of a PE file the tests read: header, imports, resources."""

    def __init__(self, path):
        self.path = Path(path)
        self.data = self.path.read_bytes()
        d = self.data
        check(d[:2] == b"MZ", f"{path}: no MZ header")
        pe = struct.unpack_from("<I", d, 0x3C)[0]
        check(d[pe:pe + 4] == b"PE\0\0", f"{path}: no PE signature")
        (self.machine, sections, _, self.symbol_table, self.symbol_count, optional_size,
         self.characteristics) = struct.unpack_from("<HHIIIHH", d, pe + 4)
        opt = pe + 24
        self.magic = struct.unpack_from("<H", d, opt)[0]
        self.subsystem = struct.unpack_from("<H", d, opt + 68)[0]
        self.pointer = 4 if self.magic == 0x10B else 8
        self.image_base = (struct.unpack_from("<I", d, opt + 28)[0] if self.pointer == 4 else
                           struct.unpack_from("<Q", d, opt + 24)[0])
        dirs = opt + (96 if self.magic == 0x10B else 112)
        count = struct.unpack_from("<I", d, dirs - 4)[0]
        self.directories = [struct.unpack_from("<II", d, dirs + 8 * i) for i in range(count)]
        self.sections = []
        for i in range(sections):
            s = opt + optional_size + 40 * i
            name = d[s:s + 8].rstrip(b"\0").decode("latin-1")
            vsize, vaddr, raw_size, raw_ptr = struct.unpack_from("<IIII", d, s + 8)
            self.sections.append((name, vaddr, max(vsize, raw_size), raw_ptr))
        self.code = [(vaddr, size, raw) for (name, vaddr, size, raw) in self.sections
                     if name == ".text"]

    def offset(self, rva):
        for _, vaddr, size, raw in self.sections:
            if vaddr <= rva < vaddr + size:
                return raw + rva - vaddr
        raise TestFailure(f"{self.path}: RVA {rva:#x} lies in no section")

    def cstring(self, rva):
        o = self.offset(rva)
        return self.data[o:self.data.index(b"\0", o)].decode("latin-1")

    def imports(self):
        rva, size = self.directories[1]
        names = []
        if not size:
            return names
        o = self.offset(rva)
        while True:
            fields = struct.unpack_from("<IIIII", self.data, o)
            if not any(fields):
                return names
            names.append(self.cstring(fields[3]))
            o += 20

    def delay_imports(self):
        """{dll: [(slot RVA, initial value RVA)]} of the delay-load
        descriptors (attributes 1, addresses as RVAs) found in the code."""
        found = {}
        word = "<I" if self.pointer == 4 else "<Q"
        for vaddr, size, raw in self.code:
            for o in range(raw, raw + size - 32, 4):
                attributes, name, handle, iat, names = struct.unpack_from("<5I", self.data, o)
                if attributes != 1 or not (name and handle and iat and names):
                    continue
                try:
                    dll = self.cstring(name).lower()
                    slots = []
                    while struct.unpack_from(word, self.data, self.offset(names) +
                                             self.pointer * len(slots))[0]:
                        slot = iat + self.pointer * len(slots)
                        value = struct.unpack_from(word, self.data, self.offset(slot))[0]
                        slots.append((slot, value - self.image_base if value else 0))
                except (TestFailure, ValueError, struct.error):
                    continue
                if dll.endswith(".dll"):
                    found[dll] = slots
        return found

    def loads_slot(self, stub, slot):
        """Whether the code at RVA `stub` starts by naming `slot` to the
        delay-load helper: mov eax, slot (i386); lea rax, [rip + slot] (x64)."""
        if not any(vaddr <= stub < vaddr + size for vaddr, size, _ in self.code):
            return False
        o = self.offset(stub)
        if self.pointer == 4:
            return (self.data[o] == 0xB8 and
                    struct.unpack_from("<I", self.data, o + 1)[0] == self.image_base + slot)
        return (self.data[o:o + 3] == b"\x48\x8d\x05" and
                stub + 7 + struct.unpack_from("<i", self.data, o + 3)[0] == slot)

    def dependent_load_flags(self):
        """DependentLoadFlags of the load configuration; None without one."""
        rva, size = self.directories[10]
        if not size:
            return None
        at = 54 if self.magic == 0x10B else 78
        check(size > at + 2, f"{self.path}: a load configuration of {size} bytes")
        return struct.unpack_from("<H", self.data, self.offset(rva) + at)[0]

    def resources(self):
        """{(type, name, language): bytes}; ids are ints, names strings."""
        rva, _ = self.directories[2]
        base = self.offset(rva)
        found = {}

        def entry_id(value):
            if value & 0x80000000:
                o = base + (value & 0x7FFFFFFF)
                n = struct.unpack_from("<H", self.data, o)[0]
                return self.data[o + 2:o + 2 + 2 * n].decode("utf-16-le")
            return value

        def walk(o, path):
            named, ids = struct.unpack_from("<HH", self.data, o + 12)
            for i in range(named + ids):
                name, target = struct.unpack_from("<II", self.data, o + 16 + 8 * i)
                key = path + (entry_id(name),)
                if target & 0x80000000:
                    walk(base + (target & 0x7FFFFFFF), key)
                else:
                    data_rva, size = struct.unpack_from("<II", self.data, base + target)
                    start = self.offset(data_rva)
                    found[key] = self.data[start:start + size]

        walk(base, ())
        return found


RT_ICON, RT_GROUP_ICON, RT_RCDATA, RT_VERSION, RT_MANIFEST = 3, 14, 10, 16, 24


def resource(resources, kind, name):
    matches = [v for (t, n, _), v in resources.items() if t == kind and n == name]
    check(len(matches) == 1, f"resource type {kind} name {name}: {len(matches)} found")
    return matches[0]


def parse_version_block(data, offset=0):
    """One node of VS_VERSIONINFO: (key, value, children)."""
    length, value_length, value_type = struct.unpack_from("<HHH", data, offset)
    end = offset + length
    o = offset + 6
    key_end = o
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[o:key_end].decode("utf-16-le")
    o = (key_end + 2 + 3) & ~3
    if value_type == 1:  # text, value_length in characters
        raw = data[o:o + 2 * value_length]
        value = raw.decode("utf-16-le").split("\0")[0]
        o += 2 * value_length
    else:
        value = data[o:o + value_length]
        o += value_length
    o = (o + 3) & ~3
    children = []
    while o < end:
        child, child_end = parse_version_block(data, o)
        children.append(child)
        o = (child_end + 3) & ~3
    return (key, value, children), end




def icon_file_images(path):
    data = Path(path).read_bytes()
    _, kind, count = struct.unpack_from("<HHH", data, 0)
    check(kind == 1, f"{path} is not an icon file")
    images = []
    for i in range(count):
        w, h, colors, _, planes, bits, size, offset = struct.unpack_from("<BBBBHHII", data,
                                                                         6 + 16 * i)
        images.append(((w, h, colors, planes, bits), data[offset:offset + size]))
    return images
