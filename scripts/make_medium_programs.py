#!/usr/bin/env python3
"""Lays out the menu's programs as they go on every medium:

  discmenu             the Linux starter (no library of its own)
  discmenu.exe         the 32-bit Windows menu
  discmenu-linux/      the Linux menu and everything it loads: its own loader
                       and C library, the toolkit and its plugins, the label
                       fonts, the code-page converters, and the licences

The Linux menu then needs nothing from the system but the kernel and a
display server: no Qt, no fonts, no image libraries, any C library. The
libraries are the build machine's (Debian 12), taken whole: every library
the menu and its plugins need or open, glibc included, each marked so that
the loader never looks for what it needs in the system's library folders
(DF_1_NODEFLIB), so no library of the system is ever mixed with them.

`discmenu-tool init` and `autorun` copy this folder onto a medium.
"""
import argparse
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import time

QT_PLUGINS = "/usr/lib/x86_64-linux-gnu/qt6/plugins"
GCONV = "/usr/lib/x86_64-linux-gnu/gconv"
LOADER = "ld-linux-x86-64.so.2"

# The toolkit's plugins the menu uses: a window on X11 and on Wayland (with
# the desktop shell protocol, which asks the compositor for the title bar;
# this toolkit draws its own only with an OpenGL buffer integration, which
# the menu does not carry), and the picture formats beyond PNG and BMP.
PLUGINS = [
    "platforms/libqxcb.so",
    "platforms/libqwayland-generic.so",
    "wayland-shell-integration/libxdg-shell.so",
    "imageformats/libqjpeg.so",
    "imageformats/libqgif.so",
    "imageformats/libqico.so",
    "imageformats/libqtiff.so",
    "imageformats/libqwebp.so",
]

# Libraries that the others open while they run, by name (dlopen), rather
# than need: the X library's cursor themes.
OPENED = ["libXcursor.so.1"]
LIBRARY_FOLDER = "/usr/lib/x86_64-linux-gnu"

# The label face (Arial's metrics) and the face of the menu's other text.
FONTS = [
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
]
FONT_LICENCE = "/usr/share/doc/fonts-liberation2/copyright"
# For systems without a font configuration of their own: no font folders
# (the menu brings its faces itself) and the rendering desktops default to,
# so that the labels look as they do on a desktop system.
FONTS_CONF = """<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <match target="pattern">
    <edit name="antialias" mode="append"><bool>true</bool></edit>
    <edit name="hintstyle" mode="append"><const>hintslight</const></edit>
    <edit name="lcdfilter" mode="append"><const>lcddefault</const></edit>
  </match>
</fontconfig>
"""

# The code pages install.ini may be read in that are not UTF-8: the
# double-byte ones a system locale names, and every other one the
# detector can answer (Latin-script text is read as Windows-1252).
LEGACY_CHARSETS = """
CP950 CP936 CP932 CP949 WINDOWS-1252
BIG5 EUC-KR EUC-TW EUC-JP GB18030 SHIFT_JIS ISO-2022-CN ISO-2022-JP ISO-2022-KR
WINDOWS-1251 WINDOWS-1253 WINDOWS-1255 WINDOWS-1256 WINDOWS-1257 WINDOWS-1258
ISO-8859-5 ISO-8859-6 ISO-8859-7 ISO-8859-8 ISO-8859-11 KOI8-R MAC-CYRILLIC
IBM852 IBM855 IBM866 TIS-620 VISCII
""".split()

# ICU's data: the toolkit links ICU for collation, time zones and named
# codecs, none of which the menu uses; only the tables ICU opens first are
# kept (31 MB less).
ICU_DATA_SONAME = "libicudata.so.72"
ICU_DATA_SYMBOL = "icudt72_dat"
ICU_ITEMS = ["cnvalias.icu", "icustd.res", "icuver.res", "pool.res", "res_index.res", "root.res"]

COMMON_LICENCES = ["GPL-2", "GPL-3", "LGPL-2.1", "LGPL-3"]

# Gaps up to this size between two parts of a file that the menu reads as it
# starts are read through: on a DVD that costs less than a seek (100 ms is
# 2 MB at 20 MB/s), on a USB stick little more than the request it saves.
PREFETCH_GAP = 256 * 1024
PAGE = 4096


def run(*args, **kwargs):
    return subprocess.run(args, check=True, capture_output=True, text=True, **kwargs).stdout


def needed_libraries(elf):
    """{soname: path} of everything `elf` loads, as the build machine's loader finds it."""
    found = {}
    for line in run("ldd", elf).splitlines():
        m = re.match(r"\s*(\S+) => (\S+) \(", line)
        if m:
            found[m.group(1)] = m.group(2)
        elif LOADER in line:
            found[LOADER] = line.split()[0]
    missing = [line for line in run("ldd", elf).splitlines() if "not found" in line]
    if missing:
        sys.exit(f"make_medium_programs: {elf} needs libraries this machine lacks: {missing}")
    return found


PT_DYNAMIC, DT_NULL, DT_FLAGS_1, DF_1_NODEFLIB = 2, 0, 0x6FFFFFFB, 0x800


def forbid_default_folders(path):
    """Marks the ELF file `path` DF_1_NODEFLIB: the loader looks for what it
    needs or opens only where it is told (the runtime's lib/), never in the
    system's folders. In place: the flag goes into the DT_FLAGS_1 entry, or
    into a spare entry at the end of the dynamic section (the linker leaves
    a few)."""
    with open(path, "r+b") as f:
        data = f.read()
        phoff, = struct.unpack_from("<Q", data, 0x20)
        phentsize, phnum = struct.unpack_from("<HH", data, 0x36)
        for i in range(phnum):
            p_type, _, offset, _, _, size = struct.unpack_from("<IIQQQQ", data,
                                                               phoff + i * phentsize)
            if p_type != PT_DYNAMIC:
                continue
            tags = [struct.unpack_from("<qQ", data, offset + 16 * k)[0] for k in range(size // 16)]
            end = tags.index(DT_NULL)
            if DT_FLAGS_1 in tags[:end]:
                at = offset + 16 * tags.index(DT_FLAGS_1)
                flags = struct.unpack_from("<Q", data, at + 8)[0] | DF_1_NODEFLIB
            elif end + 1 < len(tags):
                at, flags = offset + 16 * end, DF_1_NODEFLIB
            else:
                sys.exit(f"make_medium_programs: {path} has no room for DT_FLAGS_1")
            f.seek(at)
            f.write(struct.pack("<qQ", DT_FLAGS_1, flags))
            return
    sys.exit(f"make_medium_programs: {path} is not dynamically linked")


def copy(src, dst, mode=0o644):
    os.makedirs(os.path.dirname(dst), exist_ok=True)
    shutil.copyfile(os.path.realpath(src), dst)
    os.chmod(dst, mode)


def package_of(path):
    out = subprocess.run(["dpkg", "-S", os.path.realpath(path)], capture_output=True, text=True)
    if out.returncode != 0:
        out = subprocess.run(["dpkg", "-S", path], capture_output=True, text=True)
    return out.stdout.split(":")[0] if out.returncode == 0 else None


def gconv_modules():
    """{charset: module file} for LEGACY_CHARSETS, from glibc's configuration."""
    aliases, modules = {}, {}
    confs = [os.path.join(GCONV, "gconv-modules")]
    confd = os.path.join(GCONV, "gconv-modules.d")
    if os.path.isdir(confd):
        confs += sorted(os.path.join(confd, f) for f in os.listdir(confd) if f.endswith(".conf"))
    for conf in confs:
        with open(conf) as f:
            for line in f:
                words = line.split("#")[0].split()
                if len(words) >= 3 and words[0] == "alias":
                    aliases[words[1]] = words[2]
                elif len(words) >= 4 and words[0] == "module" and words[2] == "INTERNAL":
                    modules[words[1]] = words[3]
    chosen = {}
    for name in LEGACY_CHARSETS:
        canonical = aliases.get(name + "//", name + "//")
        module = modules.get(canonical)
        if module is None:
            sys.exit(f"make_medium_programs: glibc has no converter for {name}")
        chosen[name] = (canonical, module)
    return chosen


def write_gconv(out):
    """The converters and a configuration that names only them."""
    gconv = os.path.join(out, "gconv")
    chosen = gconv_modules()
    lines = ["# The converters the menu reads install.ini with; see make_medium_programs.py."]
    written = set()
    for name, (canonical, module) in sorted(chosen.items()):
        if name + "//" != canonical:
            lines.append(f"alias\t{name}//\t{canonical}")
        if module in written:
            continue
        written.add(module)
        lines.append(f"module\t{canonical}\tINTERNAL\t{module}\t1")
        lines.append(f"module\tINTERNAL\t{canonical}\t{module}\t1")
        so = os.path.join(GCONV, module + ".so")
        copy(so, os.path.join(gconv, module + ".so"))
        for line in run("readelf", "-d", so).splitlines():
            m = re.search(r"\(NEEDED\)\s+Shared library: \[(lib[A-Z0-9]+\.so)\]", line)
            if m:
                copy(os.path.join(GCONV, m.group(1)), os.path.join(gconv, m.group(1)))
    with open(os.path.join(gconv, "gconv-modules"), "w") as f:
        f.write("\n".join(lines) + "\n")
    return [os.path.join(GCONV, m + ".so") for m in written]


def write_icu_data(path, original):
    """A data library with ICU_ITEMS taken from the system's."""
    with tempfile.TemporaryDirectory() as tmp:
        # The package's name is its file's: ICU looks items up under it.
        os.makedirs(os.path.join(tmp, "full"))
        os.makedirs(os.path.join(tmp, "small"))
        package = ICU_DATA_SYMBOL.replace("_dat", "l.dat")
        full = os.path.join(tmp, "full", package)
        with open(full, "wb") as f:
            f.write(elf_symbol_bytes(original, ICU_DATA_SYMBOL))
        items = os.path.join(tmp, "items.txt")
        with open(items, "w") as f:
            f.write("\n".join(ICU_ITEMS) + "\n")
        for item in ICU_ITEMS:
            run("icupkg", "-x", item, "-d", tmp, full)
        small = os.path.join(tmp, "small", package)
        run("icupkg", "-tl", "-a", items, "-s", tmp, "new", small)
        asm = os.path.join(tmp, "data.S")
        with open(asm, "w") as f:
            f.write(f"""  .section .rodata
  .balign 16
  .globl {ICU_DATA_SYMBOL}
  .type {ICU_DATA_SYMBOL}, @object
{ICU_DATA_SYMBOL}:
  .incbin "{small}"
  .size {ICU_DATA_SYMBOL}, . - {ICU_DATA_SYMBOL}
  .section .note.GNU-stack,"",@progbits
""")
        run("gcc", "-shared", "-nostdlib", f"-Wl,-soname,{ICU_DATA_SONAME}", "-Wl,-z,noexecstack",
            "-Wl,--build-id=none", asm, "-o", path)


def elf_symbol_bytes(lib, symbol):
    value = size = None
    for line in run("nm", "-D", "-S", lib).splitlines():
        words = line.split()
        if len(words) == 4 and words[3] == symbol:
            value, size = int(words[0], 16), int(words[1], 16)
    if value is None:
        sys.exit(f"make_medium_programs: {lib} has no {symbol}")
    for line in run("readelf", "-SW", lib).splitlines():
        m = re.match(r"\s*\[\s*\d+\]\s+\S+\s+\S+\s+([0-9a-f]+)\s+([0-9a-f]+)\s+([0-9a-f]+)", line)
        if m:
            addr, offset, length = (int(g, 16) for g in m.groups())
            if addr <= value < addr + length:
                with open(lib, "rb") as f:
                    f.seek(offset + value - addr)
                    return f.read(size)
    sys.exit(f"make_medium_programs: {symbol} lies in no section of {lib}")


def write_licences(out, sources):
    """Each bundled package's copyright file, and the licences they name."""
    licences = os.path.join(out, "licenses")
    packages = sorted({p for p in (package_of(s) for s in sources) if p})
    for package in packages:
        copyright_file = f"/usr/share/doc/{package}/copyright"
        if os.path.exists(copyright_file):
            copy(copyright_file, os.path.join(licences, package + ".txt"))
    for name in COMMON_LICENCES:
        copy(f"/usr/share/common-licenses/{name}", os.path.join(licences, name + ".txt"))
    with open(os.path.join(licences, "README.txt"), "w") as f:
        f.write("The Linux menu in this folder runs on these Debian 12 packages, unchanged\n"
                "except that ICU's data holds only the tables the menu opens and that each\n"
                "library is marked to be looked for in this folder only (DF_1_NODEFLIB).\n"
                "Their sources: https://sources.debian.org/ (package names as the files here).\n")


def record_start(out, slowmedium, demo):
    """The reads the menu makes as it starts from a medium: the demo menu
    with these programs, served through `slowmedium`, started cold on a
    private X server until its window shows. Returns [(path, offset, size)]."""
    with tempfile.TemporaryDirectory(prefix="discmenu-prefetch-") as tmp:
        source, mount = os.path.join(tmp, "medium"), os.path.join(tmp, "mnt")
        shutil.copytree(demo, source)
        shutil.copytree(out, source, dirs_exist_ok=True)
        os.makedirs(mount)
        log = os.path.join(tmp, "reads")
        fuse = subprocess.Popen([slowmedium, "--model", "none", "--stats", os.path.join(tmp, "stats"),
                                 "--log", log, source, mount])
        xvfb = None
        try:
            wait_for(lambda: os.path.ismount(mount), "the medium to be mounted")
            read_fd, write_fd = os.pipe()
            xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-nolisten", "tcp",
                                     "-screen", "0", "1024x768x24"], pass_fds=[write_fd],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            os.close(write_fd)
            with os.fdopen(read_fd) as pipe:
                display = ":" + pipe.readline().strip()
            env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "DISPLAY": display}
            menu = subprocess.Popen([os.path.join(mount, "discmenu")], cwd=mount, env=env)
            try:
                wait_for(lambda: "menu/button8" in open(log).read() and subprocess.run(
                    ["xwininfo", "-root", "-tree"], env=env, capture_output=True,
                    text=True).stdout.count("Aurora Studio 5 Setup"), "the menu's window")
                time.sleep(1.0)
            finally:
                menu.kill()
                menu.wait()
        finally:
            if xvfb:
                xvfb.kill()
                xvfb.wait()
            subprocess.run(["umount", mount], check=False)
            fuse.wait(timeout=30)
        reads = []
        with open(log) as f:
            for line in f.read().splitlines():
                offset, size, _, _, _, path = line.split(" ", 5)
                reads.append((path, int(offset), int(size)))
        return reads


def wait_for(condition, what, timeout=60):
    end = time.monotonic() + timeout
    while not condition():
        if time.monotonic() > end:
            sys.exit(f"make_medium_programs: timed out waiting for {what}")
        time.sleep(0.1)


def write_prefetch_list(out, reads):
    """discmenu-linux/prefetch: the parts of the runtime's files the menu
    reads as it starts, in the order they lie on a disc (path order), in
    whole pages, with small gaps closed."""
    prefix = "discmenu-linux/"
    ranges = {}
    for path, offset, size in reads:
        if path.startswith(prefix) and size > 0:
            start, end = offset // PAGE * PAGE, -(-(offset + size) // PAGE) * PAGE
            ranges.setdefault(path[len(prefix):], []).append([start, end])
    lines = []
    for path in sorted(ranges, key=lambda p: p.split("/")):
        merged = []
        for start, end in sorted(ranges[path]):
            if merged and start - merged[-1][1] <= PREFETCH_GAP:
                merged[-1][1] = max(merged[-1][1], end)
            else:
                merged.append([start, end])
        size = os.path.getsize(os.path.join(out, prefix, path))
        lines += [f"{start} {min(end, size) - start} {path}" for start, end in merged]
    with open(os.path.join(out, prefix, "prefetch"), "w") as f:
        f.write("\n".join(lines) + "\n")
    return sum(int(line.split()[1]) for line in lines), len(lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--menu", required=True, help="the Linux menu executable")
    parser.add_argument("--starter", required=True, help="the Linux starter")
    parser.add_argument("--windows", help="the 32-bit Windows menu (discmenu.exe)")
    parser.add_argument("--out", required=True)
    parser.add_argument("--slowmedium", help="records what the menu reads as it starts; "
                        "without it the runtime has no prefetch list")
    parser.add_argument("--demo", help="the menu folder the start is recorded with")
    args = parser.parse_args()

    if os.path.exists(args.out):
        shutil.rmtree(args.out)
    runtime = os.path.join(args.out, "discmenu-linux")
    os.makedirs(runtime)

    copy(args.starter, os.path.join(args.out, "discmenu"), 0o755)
    if args.windows:
        copy(args.windows, os.path.join(args.out, "discmenu.exe"), 0o755)
    copy(args.menu, os.path.join(runtime, "discmenu"), 0o755)
    run("strip", "--strip-all", os.path.join(runtime, "discmenu"))

    elves = [args.menu] + [os.path.join(QT_PLUGINS, p) for p in PLUGINS] + [
        os.path.join(LIBRARY_FOLDER, name) for name in OPENED]
    libraries = {name: os.path.join(LIBRARY_FOLDER, name) for name in OPENED}
    for elf in elves:
        libraries.update(needed_libraries(elf))
    for plugin in PLUGINS:
        copy(os.path.join(QT_PLUGINS, plugin), os.path.join(runtime, "plugins", plugin))
    for soname, path in sorted(libraries.items()):
        if soname == LOADER:
            copy(path, os.path.join(runtime, LOADER), 0o755)
        elif soname == ICU_DATA_SONAME:
            write_icu_data(os.path.join(runtime, "lib", soname), path)
        else:
            copy(path, os.path.join(runtime, "lib", soname))

    for font in FONTS:
        copy(font, os.path.join(runtime, "fonts", os.path.basename(font)))
    copy(FONT_LICENCE, os.path.join(runtime, "fonts", "LICENSE.txt"))
    with open(os.path.join(runtime, "fonts", "fonts.conf"), "w") as f:
        f.write(FONTS_CONF)

    converters = write_gconv(runtime)
    write_licences(runtime, list(libraries.values()) + elves[1:] + converters)
    for folder, _, names in os.walk(runtime):
        for name in names:
            path = os.path.join(folder, name)
            with open(path, "rb") as f:
                elf = f.read(4) == b"\x7fELF"
            if elf and name != LOADER:
                forbid_default_folders(path)
    if args.slowmedium:
        size, count = write_prefetch_list(args.out, record_start(args.out, args.slowmedium,
                                                                 args.demo))
        print(f"make_medium_programs: prefetch list of {count} ranges, {size / 1e6:.1f} MB")


if __name__ == "__main__":
    main()
