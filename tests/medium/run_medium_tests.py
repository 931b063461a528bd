#!/usr/bin/env python3
"""Tests of the medium as it goes on a stick or a disc (make test-medium).

The medium's files are checked as files (layout, every ELF file's C library
version and libraries, size, the Windows executable), then its Linux menu
runs in bare Debian 11 and 12 systems (debootstrap minbase: no Qt, no
fonts, no X libraries) on a private Xvfb: the window must map and show
exactly the pixels the system-Qt build shows on this machine, a click must
run a program on the medium, and the same must hold for a copy of the
medium without any execute permission, started through its autorun file as
a desktop starts it and as `sh autorun`. It also runs natively on a
headless Weston (no X server at all), reads an install.ini in Big5, shows
pictures in every format it ships a reader for, and every file it carries
must be one it loads. The plain system-Qt build must fail in the same bare
systems (the negative control). Needs root (chroot, mount).

Usage: run_medium_tests.py --medium build/medium --system-qt-menu build/discmenu
       --systems build/systems --out build/medium-tests
"""

import argparse
import os
import re
import shutil
import signal
import stat
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
sys.path.insert(0, HERE)

sys.path.insert(0, os.path.join(ROOT, "tests", "wine"))

import bare_system  # noqa: E402
from common import run_step  # noqa: E402  (the Wine tests' step runner)
from xsession import XServer, wait_until  # noqa: E402

TITLE = "Aurora Studio 5 Setup"
RUNTIME = "discmenu-linux"
MAX_LINUX_BYTES = 80_000_000
STARTER_LOADER = "/lib64/ld-linux-x86-64.so.2"
# Inside the bare systems.
STICK, NOEXEC, PLAIN, EXTRA = "/media/stick", "/media/noexec", "/media/plain", "/media/extra"
# Files of the runtime that the runs here do not load: what the licences
# require, and the toolkit's JPEG reader, which the menu takes only for the
# JPEGs its own decoder leaves to it (CMYK), of which the demo has none.
NOT_LOADED = re.compile(r"^(licenses/.*|fonts/LICENSE\.txt|plugins/imageformats/libqjpeg\.so)$")


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def run(*args, **kwargs):
    return subprocess.run(args, check=True, capture_output=True, text=True, **kwargs).stdout


# --- Files -----------------------------------------------------------------

def is_elf(path):
    with open(path, "rb") as f:
        return f.read(4) == b"\x7fELF"


def elf_facts(path):
    """(needed libraries, GLIBC_ versions needed, interpreter or None)."""
    dynamic = run("readelf", "-dW", path)
    needed = re.findall(r"\(NEEDED\)\s+Shared library: \[([^\]]+)\]", dynamic)
    versions = run("readelf", "-VW", path)
    needs = versions.split("Version needs section")[1] if "Version needs section" in versions else ""
    needs = needs.split("Version definition section")[0]
    glibc = sorted({tuple(int(p) for p in v.split(".")) for v in re.findall(r"Name: GLIBC_([\d.]+)", needs)})
    interp = re.search(r"Requesting program interpreter: ([^\]]+)\]", run("readelf", "-lW", path))
    return needed, glibc, interp.group(1) if interp else None


def glibc_defined(libc):
    versions = run("readelf", "-VW", libc).split("Version needs section")[0]
    return max(tuple(int(p) for p in v.split(".")) for v in re.findall(r"GLIBC_([\d.]+)", versions))


def version(v):
    return ".".join(map(str, v)) if v else "-"


def files_under(top):
    for folder, _, names in os.walk(top):
        for name in names:
            yield os.path.join(folder, name)


def evict(top):
    """Drops the files under `top` from the page cache: the next start is a
    cold one, which reads the runtime's prefetch list."""
    for path in files_under(top):
        fd = os.open(path, os.O_RDONLY)
        os.posix_fadvise(fd, 0, 0, os.POSIX_FADV_DONTNEED)
        os.close(fd)


def bytes_under(top):
    return sum(os.lstat(p).st_size for p in files_under(top))


# --- Pictures --------------------------------------------------------------

def rgb(path, box=None):
    """The raw RGB bytes of `path` (or of `box`, (x, y, w, h), of it)."""
    crop = ["-crop", "{2}x{3}+{0}+{1}".format(*box), "+repage"] if box else []
    return subprocess.run(["convert", path, *crop, "-alpha", "off", "-depth", "8", "rgb:-"],
                          check=True, capture_output=True).stdout


def size_of(path):
    w, h = run("identify", "-format", "%w %h", path).split()
    return int(w), int(h)


def find_block(picture, width, block, block_width):
    """Where the RGB `block` lies in the RGB `picture`, as (x, y), or None."""
    row = block_width * 3
    first = block[:row]
    height = len(picture) // (width * 3)
    for y in range(height - len(block) // row + 1):
        line = picture[y * width * 3:(y + 1) * width * 3]
        x = line.find(first)
        while x >= 0:
            if x % 3 == 0 and all(
                    picture[(y + k) * width * 3 + x:(y + k) * width * 3 + x + row] ==
                    block[k * row:(k + 1) * row] for k in range(len(block) // row)):
                return x // 3, y
            x = line.find(first, x + 1)
    return None


def mapped_code(pid):
    """The files of code (ELF, or mapped executable) that process `pid` maps,
    as this process names them (a chrooted one's with the chroot's path)."""
    code = set()
    with open(f"/proc/{pid}/maps", "rb") as f:
        for line in f:
            fields = line.rstrip(b"\n").split(None, 5)
            if len(fields) == 6 and fields[5].startswith(b"/") and (
                    b"x" in fields[1] or os.path.isfile(fields[5]) and is_elf(fields[5])):
                code.add(fields[5])
    return code


def outside(code, runtime):
    """The files of `code` that are not in the folder `runtime`; the copy of
    the runtime's loader in a memory file is the runtime's own."""
    return sorted(p for p in code if not p.startswith((runtime + b"/", b"/memfd:discmenu-loader")))


def menu_pid(s, window):
    return int(s.x.run("xdotool", "getwindowpid", str(window)))


# --- The session -----------------------------------------------------------

class Session:
    """What the tests share: the X server, the reference window, the bare
    systems, the stand-in programs, and the files every run opened."""

    def __init__(self, args):
        self.args = args
        self.medium = os.path.abspath(args.medium)
        self.out = os.path.abspath(args.out)
        os.makedirs(self.out, exist_ok=True)
        self.x = XServer(width=1024, height=768)
        self.scratch = tempfile.mkdtemp(prefix="discmenu-medium-")
        self.opened = set()  # paths within the runtime that some run opened
        self.reference = None
        self.systems = {}
        self.bin = os.path.join(self.scratch, "bin")
        os.makedirs(self.bin)
        # Stand-ins for a dialog program and the desktop's opener: each
        # records its arguments and the environment it got.
        for name in ("zenity", "xdg-open"):
            with open(os.path.join(self.bin, name), "w") as f:
                f.write("#!/bin/sh\n"
                        f"{{ printf '%s\\n' \"$@\"; echo --; env; }} > /tmp/{name}.tmp\n"
                        f"mv /tmp/{name}.tmp /tmp/{name}.rec\n")
            os.chmod(os.path.join(self.bin, name), 0o755)
        self.noexec = os.path.join(self.scratch, "noexec")
        shutil.copytree(self.medium, self.noexec, symlinks=True)
        for path in files_under(self.noexec):
            os.chmod(path, stat.S_IMODE(os.lstat(path).st_mode) & ~0o111)
        self.plain = os.path.join(self.scratch, "plain")
        shutil.copytree(os.path.join(ROOT, "examples", "demo"), self.plain)
        shutil.copy2(args.system_qt_menu, os.path.join(self.plain, "discmenu"))
        self.extra = os.path.join(self.scratch, "extra")
        os.makedirs(self.extra)

    def close(self):
        self.x.close()
        shutil.rmtree(self.scratch, ignore_errors=True)

    def system(self, name):
        if name not in self.systems:
            self.systems[name] = bare_system.ensure(os.path.abspath(self.args.systems), name)
        return self.systems[name]

    def enter(self, name, wayland_dir=None):
        binds = {STICK: self.medium, NOEXEC: self.noexec, PLAIN: self.plain, EXTRA: self.extra,
                 "/usr/local/bin": self.bin}
        if wayland_dir:
            binds["/run/wayland"] = wayland_dir
        return bare_system.Chroot(self.system(name), binds,
                                  read_only=(self.medium, self.noexec, self.plain, self.extra))

    def start(self, chroot, args, env=None, cwd=STICK, trace=None):
        """Starts `args` in the bare system on the X server; `trace` names a
        file that records what it opens."""
        env = {"DISPLAY": self.x.display} if env is None else env
        command = chroot.command(args, env, cwd)
        if trace:
            command = ["strace", "-f", "-qq", "-y", "-e", "trace=open,openat,execve", "-o", trace,
                       *command]
        return subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True,
                                start_new_session=True)

    def stop(self, proc):
        """Ends the run and everything it started (the tracer included)."""
        try:
            os.killpg(proc.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        return proc.communicate(timeout=20)

    def record_opened(self, trace, inside):
        """Adds what the run traced in `trace` opened under `inside` (a file
        opened through a folder's descriptor by the path strace shows for it),
        but for the plugins' descriptions, which the menu reads itself
        (O_NONBLOCK, under plugins/) whether or not the plugin is then
        loaded."""
        prefix = inside + "/" + RUNTIME + "/"
        with open(trace) as f:
            for line in f:
                m = re.search(r'= \d+<([^>]+)>$', line.strip()) or re.search(
                    r'(?:open|openat|execve)\((?:AT_FDCWD(?:<[^>]*>)?, )?"([^"]+)"', line)
                # strace names a descriptor's file from outside the chroot.
                at = m.group(1).find(prefix) if m else -1
                if at < 0 or "ENOENT" in line:
                    continue
                name = os.path.normpath(m.group(1)[at:])[len(prefix):]
                if not (name.startswith("plugins/") and "O_NONBLOCK" in line):
                    self.opened.add(name)

    def finish(self, proc, trace, inside, label):
        """Ends a run, notes what it opened, and fails if it wrote anything."""
        _, err = self.stop(proc)
        self.record_opened(trace, inside)
        check(err.strip() == "", f"{label}: the menu wrote {err!r}")

    def pointer_away(self):
        """The pointer off any window: a button under it looks raised."""
        self.x.run("xdotool", "mousemove", "1020", "760")

    def window_box(self, window):
        return self.x.geometry(window)

    def shows_reference(self, window, name):
        """Waits until the window shows the reference pixels; keeps both
        pictures and fails on a difference."""
        box = self.window_box(window)
        shot = os.path.join(self.out, name + ".png")
        got = None
        end = time.monotonic() + 15
        while time.monotonic() < end:
            self.x.screenshot(shot)
            got = rgb(shot, box)
            if got == self.reference:
                return
            time.sleep(0.2)
        differing = sum(a != b for a, b in zip(got, self.reference)) if got else -1
        raise Failure(f"{name}: the window differs from the system-Qt build's in {differing} "
                      f"bytes (pictures: {shot}, {self.reference_png})")


# --- Tests -----------------------------------------------------------------

def test_layout(s):
    for name in ("install.ini", "discmenu", "discmenu.exe", RUNTIME, "autorun.inf", "autorun",
                 "README.txt"):
        check(os.path.exists(os.path.join(s.medium, name)), f"the medium has no {name}")
    check(os.access(os.path.join(s.medium, "autorun"), os.X_OK), "autorun is not executable")


def test_elf_files(s):
    """Every ELF file: the C library it needs and the libraries it loads."""
    runtime = os.path.join(s.medium, RUNTIME)
    bundled = glibc_defined(os.path.join(runtime, "lib", "libc.so.6"))
    provided = set(os.listdir(os.path.join(runtime, "lib"))) | {"ld-linux-x86-64.so.2"}
    rows, problems = [], []
    for path in sorted(p for p in files_under(s.medium) if is_elf(p)):
        rel = os.path.relpath(path, s.medium)
        needed, glibc, interp = elf_facts(path)
        highest = glibc[-1] if glibc else None
        rows.append(f"    {rel}: GLIBC {version(highest)}; needs {', '.join(needed) or 'nothing'}")
        if rel == "discmenu":
            # The starter runs on the system's loader: it may need nothing.
            if needed or glibc or interp != STARTER_LOADER:
                problems.append(f"{rel} needs {needed} {glibc} through {interp}")
            continue
        own = set(os.listdir(os.path.dirname(path)))  # converters load their tables beside them
        missing = [n for n in needed if n not in provided and n not in own]
        if missing:
            problems.append(f"{rel} needs {missing}, which the medium does not carry")
        if highest and highest > bundled:
            problems.append(f"{rel} needs GLIBC_{version(highest)}, over the bundled "
                            f"{version(bundled)}")
    print("\n".join(rows))
    print(f"    floor: the starter needs no C library; the rest runs on the bundled glibc "
          f"{version(bundled)}, so the system's does not matter (kernel 3.2 or later)")
    check(not problems, "; ".join(problems))


def test_size(s):
    linux = os.path.getsize(os.path.join(s.medium, "discmenu")) + bytes_under(
        os.path.join(s.medium, RUNTIME))
    licences = bytes_under(os.path.join(s.medium, RUNTIME, "licenses"))
    print(f"    Linux part: {linux / 1e6:.1f} MB (of it licences {licences / 1e6:.1f} MB); "
          f"discmenu.exe: {os.path.getsize(os.path.join(s.medium, 'discmenu.exe')) / 1e3:.0f} kB")
    check(linux <= MAX_LINUX_BYTES, f"the Linux part has {linux} bytes, over {MAX_LINUX_BYTES}")


def test_windows_executable(s):
    exe = os.path.join(s.medium, "discmenu.exe")
    with open(exe, "rb") as f:
        data = f.read()
    pe = int.from_bytes(data[0x3C:0x40], "little")
    check(data[:2] == b"MZ" and data[pe:pe + 4] == b"PE\0\0", "discmenu.exe is no PE file")
    machine = int.from_bytes(data[pe + 4:pe + 6], "little")
    check(machine == 0x14C, f"discmenu.exe is for machine {machine:#x}, not 32-bit x86")
    with open(os.path.join(ROOT, "build-win32", "discmenu.exe"), "rb") as f:
        check(f.read() == data, "discmenu.exe is not the 32-bit build (which test-wine checks)")


def take_reference(s):
    """The system-Qt build on this machine, on the same X server."""
    s.pointer_away()
    proc = subprocess.Popen([os.path.join(s.plain, "discmenu")], cwd=s.plain, env=s.x.env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        window = s.x.wait_window("--name", TITLE)
        box = s.window_box(window)
        s.reference_png = os.path.join(s.out, "system-qt.png")
        time.sleep(1.0)
        s.x.screenshot(s.reference_png)
        s.reference = rgb(s.reference_png, box)
        s.reference_size = box[2:]
        check(len(s.reference) == box[2] * box[3] * 3, "no reference picture")
    finally:
        proc.kill()
        proc.wait()


def negative_control(s, name):
    with s.enter(name) as c:
        proc = s.start(c, [PLAIN + "/discmenu"], cwd=PLAIN)
        out, err = proc.communicate(timeout=30)
    check(proc.returncode != 0, "the system-Qt build started in the bare system")
    check("error while loading shared libraries" in err, f"unexpected failure: {err!r}")
    print(f"    {err.strip().splitlines()[0]}")


def plant_working_folder(top):
    """A working directory holding what the toolkit and the loader would load
    if they looked there: a platform plugin and an input method (which the X11
    backend loads by default), a qt.conf whose plugins lie elsewhere, and a
    library where a library path split at ':' looks ("a:b" -> "b/...")."""
    plugins = "/usr/lib/x86_64-linux-gnu/qt6/plugins/"
    xcb, compose = plugins + "platforms/libqxcb.so", \
        plugins + "platforminputcontexts/libcomposeplatforminputcontextplugin.so"
    plants = {"platforms/libqxcb.so": xcb, "platforminputcontexts/libcompose.so": compose,
              "elsewhere/platforms/libqxcb.so": xcb,
              "elsewhere/platforminputcontexts/libcompose.so": compose,
              "b/" + RUNTIME + "/lib/libXau.so.6": "/usr/lib/x86_64-linux-gnu/libXau.so.6"}
    for name, source in plants.items():
        os.makedirs(os.path.dirname(os.path.join(top, name)), exist_ok=True)
        shutil.copy(source, os.path.join(top, name))
    with open(os.path.join(top, "qt.conf"), "w") as f:
        f.write(f"[Paths]\nPlugins={top}/elsewhere\n")


def hostile_folders(s):
    """The menu on this machine, started from a working directory full of
    planted plugins and libraries, from folders whose names a library path
    splits (':'), a loader expands ('$ORIGIN') or the toolkit cannot decode
    (not UTF-8), and from a medium without execute permissions (the loader
    in a memory file): its window shows, and it maps nothing planted and
    (but for the system-Qt build) no code that is not the runtime's."""
    top = os.path.join(s.scratch, "cwd")
    plant_working_folder(top)
    parent = os.path.join(s.scratch, "folders").encode()
    os.makedirs(parent)
    medium = os.path.join(parent, b"medium")
    shutil.copytree(os.fsencode(s.medium), medium, symlinks=True)
    plain = os.path.join(parent, b"plain", b"byte\xff")
    shutil.copytree(os.fsencode(s.plain), plain)
    loader = [STARTER_LOADER.encode()]
    problems = []
    cases = [("the medium as made", b"medium", [], medium),
             ("a folder named a:b", b"a:b", [], medium),
             ("a folder named $ORIGIN", b"$ORIGIN", [], medium),
             ("a folder named byte\\xff", b"byte\xff", [], medium),
             ("no execute permissions", None, loader, s.noexec.encode()),
             ("the system-Qt build in byte\\xff", None, [], plain)]
    for label, name, start, folder in cases:
        if name:
            os.rename(medium, os.path.join(parent, name))
            medium = folder = os.path.join(parent, name)
        proc = subprocess.Popen([*start, os.path.join(folder, b"discmenu")], cwd=top,
                                env=s.x.env, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        try:
            windows = wait_until(lambda: s.x.windows("--name", TITLE), 20)
            code = mapped_code(menu_pid(s, windows[0])) if windows else set()
        finally:
            proc.kill()
            _, err = proc.communicate(timeout=20)
        planted = sorted(p for p in code if p.startswith(top.encode() + b"/"))
        foreign = outside(code, folder + b"/" + RUNTIME.encode()) if folder != plain else []
        found = [f"no window (the menu wrote {err[-300:]!r})"] if not windows else []
        found += [f"loaded the planted {planted}"] if planted else []
        found += [f"maps {len(foreign)} files of code from outside its runtime: "
                  f"{foreign[:3]}"] if foreign else []
        problems += [f"{label}: {'; '.join(found)}"] if found else []
        print(f"    {label}: {'; '.join(found) or 'window shown, nothing planted loaded'}")
    check(not problems, " | ".join(problems))


def clicked_program(s, c, window, record, timeout=15):
    """Clicks entry 1 (Install Aurora Studio) and returns what the program it
    started recorded."""
    path = c.path(f"/tmp/{record}.rec")
    if os.path.exists(path):
        os.remove(path)
    s.x.click(window, 57, 96)
    check(wait_until(lambda: os.path.exists(path), timeout), f"no {record} ran after the click")
    with open(path) as f:
        args, _, env = f.read().partition("--\n")
    for variable in ("GCONV_PATH", "FONTCONFIG_FILE"):
        check(variable + "=" not in env, f"the started program got the menu's {variable}")
    return args.splitlines()


def menu_in(s, name):
    """The medium's menu in the bare system: started as the desktop starts a
    program, through autorun, and from the copy without execute bits."""
    starts = [
        ("the starter", STICK, [STICK + "/discmenu"], "zenity"),
        ("autorun, executed", STICK, [STICK + "/autorun"], "zenity"),
        ("autorun without execute bits, as desktops run it", NOEXEC,
         ["/bin/sh", NOEXEC + "/autorun"], "xdg-open"),
        ("sh autorun without execute bits", NOEXEC, ["sh", "autorun"], "xdg-open"),
    ]
    with s.enter(name) as c:
        evict(s.medium)
        for label, medium, args, record in starts:
            s.pointer_away()
            trace = os.path.join(s.out, f"{name}-open.trace")
            proc = s.start(c, args, cwd=medium, trace=trace)
            try:
                window = s.x.wait_window("--name", TITLE, timeout=30)
                s.shows_reference(window, f"{name}-{record}-{args[-1].replace('/', '_')}")
                foreign = outside(mapped_code(menu_pid(s, window)),
                                  f"{c.root}{medium}/{RUNTIME}".encode())
                check(not foreign, f"{label}: the menu maps the system's {foreign}")
                started = clicked_program(s, c, window, record)
                if record == "zenity":
                    check("--title=" + TITLE in started, f"the installer showed {started}")
                else:
                    check(started == [medium + "/setup/install.sh"],
                          f"the desktop was asked to open {started}")
            finally:
                s.finish(proc, trace, medium, label)
            print(f"    {label}: window as here, the click ran {record}")


def formats_and_code_page(s, name):
    """Pictures in the formats beyond PNG and BMP, and a Big5 install.ini."""
    shutil.rmtree(s.extra)
    shutil.copytree(os.path.join(ROOT, "examples", "demo"), s.extra)
    menu = os.path.join(s.extra, "menu")
    formats = {1: "gif", 2: "ico", 3: "tif", 4: "webp", 5: "jpg"}
    for n, ext in formats.items():
        run("convert", os.path.join(menu, f"button{n}.png"), os.path.join(menu, f"button{n}.{ext}"))
    with open(os.path.join(s.extra, "install.ini"), "rb") as f:
        items = f.read().split(b"\n")
    title = "極光工作室 5 安裝"
    items[24] = title.encode("big5")
    for n, ext in formats.items():
        items[25 + n] = f"\\menu\\button{n}.{ext}".encode()
    with open(os.path.join(s.extra, "install.ini"), "wb") as f:
        f.write(b"\r\n".join(items))
    # The medium's starter in another menu folder, with the runtime beside it.
    shutil.copy2(os.path.join(s.medium, "discmenu"), os.path.join(s.extra, "discmenu"))
    os.symlink(STICK + "/" + RUNTIME, os.path.join(s.extra, RUNTIME))
    with s.enter(name) as c:
        trace = os.path.join(s.out, f"{name}-formats.trace")
        env = {"DISPLAY": s.x.display, "LANG": "zh_TW.UTF-8"}
        proc = s.start(c, [EXTRA + "/discmenu"], env=env, cwd=EXTRA, trace=trace)
        try:
            # xdotool's search matches names in the C locale only.
            window = wait_until(lambda: next((w for w in s.x.windows("--class", "discmenu")
                                              if s.x.name(w) == title), None), 30)
            check(window, f"no window titled {title}")
            # Not an error box: the menu's window, so every picture loaded.
            check(tuple(s.window_box(window)[2:]) == tuple(s.reference_size),
                  f"a window of {s.window_box(window)[2:]} pixels")
        finally:
            s.finish(proc, trace, EXTRA, "Big5 menu")
            s.record_opened(trace, STICK)  # the runtime, through the folder's descriptor
    print(f"    Big5 title read as {title}; buttons in {', '.join(formats.values())} shown")


def converters(s, name):
    """Every converter the runtime carries, loaded by its glibc in the bare
    system, for each code page it is there for."""
    probe = os.path.join(s.extra, "gconv-probe")
    run("gcc", "-O2", "-o", probe, os.path.join(HERE, "gconv_probe.c"))
    charsets = [line.split()[1].rstrip("/") for line in
                open(os.path.join(s.medium, RUNTIME, "gconv", "gconv-modules"))
                if line.startswith(("alias", "module")) and "INTERNAL" not in line.split()[1]]
    with s.enter(name) as c:
        trace = os.path.join(s.out, f"{name}-gconv.trace")
        proc = s.start(c, [STICK + "/discmenu-linux/ld-linux-x86-64.so.2", "--library-path",
                           STICK + "/discmenu-linux/lib", EXTRA + "/gconv-probe", *charsets],
                       env={"GCONV_PATH": STICK + "/discmenu-linux/gconv"}, trace=trace)
        out, err = proc.communicate(timeout=60)
        s.record_opened(trace, STICK)
    check(proc.returncode == 0, f"the converters failed: {out} {err}")
    print(f"    {len(charsets)} code pages converted")


def wayland(s, name):
    """A native Wayland window on a headless Weston, with no X server."""
    runtime_dir = tempfile.mkdtemp(prefix="discmenu-wayland-")
    os.chmod(runtime_dir, 0o700)
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime_dir)
    env.pop("DISPLAY", None)
    weston = subprocess.Popen(["weston", "--backend=headless-backend.so", "--use-pixman",
                               "--socket=wayland-discmenu", "--width=1024", "--height=768",
                               "--idle-time=0", "--debug"], env=env,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        check(wait_until(lambda: os.path.exists(os.path.join(runtime_dir, "wayland-discmenu")),
                         15), "weston did not start")
        with s.enter(name, wayland_dir=runtime_dir) as c:
            trace = os.path.join(s.out, f"{name}-wayland.trace")
            proc = s.start(c, [STICK + "/discmenu"], trace=trace,
                           env={"WAYLAND_DISPLAY": "wayland-discmenu",
                                "XDG_RUNTIME_DIR": "/run/wayland"})
            shot_dir = tempfile.mkdtemp(prefix="discmenu-shot-", dir=runtime_dir)
            found = None
            try:
                end = time.monotonic() + 30
                while not found and time.monotonic() < end and proc.poll() is None:
                    time.sleep(0.5)
                    subprocess.run(["weston-screenshooter"], cwd=shot_dir, env=dict(
                        env, WAYLAND_DISPLAY="wayland-discmenu"), timeout=15,
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                    for shot in sorted(os.listdir(shot_dir)):
                        path = os.path.join(shot_dir, shot)
                        width, _ = size_of(path)
                        found = found or find_block(rgb(path), width, s.reference,
                                                    s.reference_size[0])
                        if found:
                            shutil.copy(path, os.path.join(s.out, f"{name}-wayland.png"))
                        os.remove(path)
            finally:
                _, err = s.stop(proc)
            s.record_opened(trace, STICK)
        check(found, f"no window with the system-Qt build's pixels on Weston; the menu wrote "
                     f"{err!r}")
        print(f"    the window's pixels at {found} of the Wayland output")
    finally:
        weston.terminate()
        weston.wait(timeout=20)
        shutil.rmtree(runtime_dir, ignore_errors=True)


def every_file_is_loaded(s):
    runtime = os.path.join(s.medium, RUNTIME)
    carried = {os.path.relpath(p, runtime) for p in files_under(runtime)}
    unused = sorted(p for p in carried - s.opened if not NOT_LOADED.match(p))
    print(f"    {len(carried)} files, {len(s.opened & carried)} opened by the runs above")
    check(not unused, f"files no run loaded: {unused}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--medium", required=True)
    parser.add_argument("--system-qt-menu", required=True)
    parser.add_argument("--systems", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    if os.geteuid() != 0:
        sys.exit("run_medium_tests: needs root, for chroot and mount")

    s = Session(args)
    passed, failed = [], []

    def step(name, test, *test_args):
        return run_step(name, lambda: test(s, *test_args), passed, failed)

    try:
        step("layout of the medium", test_layout)
        step("ELF files: C library and libraries needed", test_elf_files)
        step("size of the Linux part", test_size)
        step("discmenu.exe: 32-bit PE, the tested build", test_windows_executable)
        if step("the system-Qt build's window on this machine", take_reference):
            step("hostile folders and planted plugins on this machine", hostile_folders)
            for name in bare_system.SYSTEMS:
                if not step(f"{name}: made with debootstrap", lambda s, n=name: s.system(n)):
                    continue
                step(f"{name}: the system-Qt build fails (negative control)", negative_control,
                     name)
                step(f"{name}: the medium's menu, started four ways", menu_in, name)
                step(f"{name}: picture formats and a Big5 install.ini", formats_and_code_page,
                     name)
                step(f"{name}: every converter loads", converters, name)
                step(f"{name}: native Wayland window on Weston", wayland, name)
            step("every file of the runtime is loaded", every_file_is_loaded)
    finally:
        s.close()
    print(f"{len(passed)} passed, {len(failed)} failed")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
