#!/usr/bin/env python3
"""The medium's disc and stick images used as a person's computer uses them
(make test-images; needs root, for mount).

This kernel has no iso9660 and no vfat driver, so each medium is mounted the
way that shows a program what a desktop's mount shows it:
  disc        the disc image through FUSE (fuseiso), with its Rock Ridge
              names and permissions, as Linux mounts a disc that has them
  plain disc  the disc's Joliet tree read out with xorriso, files r--r--r--
              and folders r-xr-xr-x, in a squashfs mounted read-only: a disc
              without Unix permissions, as Windows and Linux see it then
  stick       the stick's files read out with mtools (long names included),
              with the permissions of a desktop's FAT mount (showexec: only
              .exe, .com and .bat executable, folders r-x), in a squashfs
              mounted read-only
Each mount lies under /media/, where GIO (and so GNOME) looks for removable
media. On each the Linux menu starts as desktops start it (the file
`discmenu` executed where it may be, and `sh autorun`), through GNOME's own
autorun prompt (nautilus-autorun-software, on a private D-Bus session, its
Run button pressed), and the 32-bit and 64-bit Windows menus start under
Wine from a drive letter. The images must come out byte for byte the same
from a copy of the medium with other dates, and a medium mounted noexec must
say so in plain words.
"""

import argparse
import filecmp
import os
import shutil
import signal
import stat
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, os.path.join(ROOT, "tests", "wine"))

from common import TestFailure, check, run_step  # noqa: E402
from wine_session import Session, cannot_run  # noqa: E402

TITLE = "Aurora Studio 5 Setup"
DISC_LABEL, STICK_LABEL = "Aurora Studio 5", "AURORA STUD"
PLAIN_MESSAGE = "this system does not allow programs to run from this medium"
WINDOWS_RUNS = (".exe", ".com", ".bat")

BUS_CONFIG = """<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir={dir}</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
"""


def run(*args, **kwargs):
    return subprocess.run(args, check=True, capture_output=True, text=True, **kwargs).stdout


def tree(top):
    """{relative path: (kind, mode)} of everything under `top`."""
    found = {}
    for folder, dirs, files in os.walk(top):
        for name in dirs + files:
            path = os.path.join(folder, name)
            st = os.lstat(path)
            kind = "dir" if stat.S_ISDIR(st.st_mode) else "file"
            found[os.path.relpath(path, top)] = (kind, stat.S_IMODE(st.st_mode))
    return found


def set_modes(top, file_mode, dir_mode):
    for folder, dirs, files in os.walk(top):
        for name in files:
            os.chmod(os.path.join(folder, name), file_mode(name))
        for name in dirs:
            os.chmod(os.path.join(folder, name), dir_mode)
    os.chmod(top, dir_mode)


class Images:
    """The mounts, the X display and Wine prefix (one Xvfb for both), and
    the images of a twin medium that carries the 64-bit Windows menu."""

    def __init__(self, args):
        self.started = time.monotonic()
        self.args = args
        self.out = os.path.abspath(args.out)
        os.makedirs(self.out, exist_ok=True)
        self.scratch = tempfile.mkdtemp(prefix="discmenu-images-")
        self.mounts = {}  # name -> mount point
        os.makedirs(os.path.join(self.scratch, "wine"))
        self.wine = Session(os.path.join(self.scratch, "wine"))
        self.reference = None
        self.wine32 = None  # the 32-bit Wine, on a display of its own, once asked for

    def close(self):
        for point in reversed(list(self.mounts.values())):
            subprocess.run(["umount", "-l", point], capture_output=True)
            shutil.rmtree(point, ignore_errors=True)
        self.wine.close()
        if self.wine32:
            self.wine32.close()
        shutil.rmtree(self.scratch, ignore_errors=True)

    def mount_point(self, name):
        point = f"/media/discmenu-{name}-{os.getpid()}"
        os.makedirs(point)
        self.mounts[name] = point
        return point

    def squashfs(self, name, staged, options="ro"):
        image = os.path.join(self.scratch, name + ".squashfs")
        if not os.path.exists(image):
            # Uncompressed: quicker to make, and nothing here is kept.
            run("mksquashfs", staged, image, "-quiet", "-noappend", "-all-root", "-no-progress",
                "-noI", "-noD", "-noF", "-noX")
        point = self.mount_point(name)
        run("mount", "-t", "squashfs", "-o", "loop," + options, image, point)
        return point

    def staged_plain_disc(self, disc, name):
        staged = os.path.join(self.scratch, name)
        run("xorriso", "-indev", disc, "-read_fs", "norock", "-osirrox", "on", "-extract", "/",
            staged)
        set_modes(staged, lambda _: 0o444, 0o555)
        return staged

    def staged_stick(self, stick, name):
        staged = os.path.join(self.scratch, name)
        os.makedirs(staged)
        run("mcopy", "-s", "-n", "-i", stick, "::/", staged + "/",
            env=dict(os.environ, LC_ALL="C.UTF-8", MTOOLSRC="/dev/null"))
        set_modes(staged, lambda n: 0o755 if n.lower().endswith(WINDOWS_RUNS) else 0o644,
                  0o755)
        return staged

    # --- the Linux menu ----------------------------------------------------

    def menu_window(self, proc, label, timeout=30):
        """Waits for the menu's window; its pixels must be the first run's."""
        found = None
        end = time.monotonic() + timeout
        while not found and time.monotonic() < end:
            if proc.poll() is not None and not label.startswith("GNOME"):
                raise TestFailure(f"{label}: ended with {proc.returncode}: "
                                  f"{proc.stderr.read()[-400:]}")
            found = self.wine.windows_named(TITLE)
            time.sleep(0.3)
        check(found, f"{label}: no window titled {TITLE}")
        box = self.wine.geometry(found[0])
        shot = os.path.join(self.out, label.replace(" ", "-").replace("/", "_") + ".png")
        pixels = None
        end = time.monotonic() + 10
        while time.monotonic() < end:
            time.sleep(0.5)
            self.wine.run(["import", "-window", "root", shot], timeout=60)
            pixels = subprocess.run(
                ["convert", shot, "-crop", "{2}x{3}+{0}+{1}".format(*box), "+repage", "-depth",
                 "8", "rgb:-"], check=True, capture_output=True).stdout
            if self.reference is None or pixels == self.reference:
                break
        if self.reference is None:
            self.reference = pixels
        check(pixels == self.reference, f"{label}: the window differs from the first start's "
              f"({shot})")
        return found[0]

    def start(self, args, cwd, env=None):
        return subprocess.Popen(args, cwd=cwd, env=env or self.wine.env, text=True,
                                stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                                start_new_session=True)

    def stop(self, proc, window=None):
        if window is not None:
            pid = self.wine.run(["xdotool", "getwindowpid", str(window)], check_status=False)
            if pid.stdout.strip():
                os.kill(int(pid.stdout), signal.SIGKILL)
        try:
            os.killpg(proc.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        proc.wait(timeout=20)
        end = time.monotonic() + 10
        while self.wine.windows_named(TITLE) and time.monotonic() < end:
            time.sleep(0.2)


# --- Tests -----------------------------------------------------------------

def test_reproducible(s):
    """The tool makes the same bytes from a copy of the medium that has other
    dates, inodes and owners; the labels are the title cut to each file
    system's rules."""
    check(os.environ.get("SOURCE_DATE_EPOCH"), "SOURCE_DATE_EPOCH is not set (make sets it)")
    copy = os.path.join(s.scratch, "copy")
    shutil.copytree(s.args.medium, copy, symlinks=True, copy_function=shutil.copy)
    os.utime(os.path.join(copy, "install.ini"), (1, 1))
    again = {"disc": os.path.join(s.scratch, "again.iso"),
             "stick": os.path.join(s.scratch, "again.img")}
    run(s.args.tool, "image", copy, "--disc", again["disc"], "--stick", again["stick"])
    for kind, made in (("disc", s.args.disc), ("stick", s.args.stick)):
        check(filecmp.cmp(made, again[kind], shallow=False),
              f"the {kind} image differs when made again from a copy")
        print(f"    {kind}: {os.path.getsize(made)} bytes, the same when made again")
    labels = {kind: run("blkid", "-s", "LABEL", "-o", "value", image).strip()
              for kind, image in (("disc", s.args.disc), ("stick", s.args.stick))}
    check(labels == {"disc": DISC_LABEL, "stick": STICK_LABEL}, f"labels {labels}")


def test_mounts_hold_the_medium(s):
    """Each mount holds every file of the medium, byte for byte, under its
    own name (long names through Joliet and FAT's long entries); the disc's
    Rock Ridge entries keep every mode."""
    medium = tree(s.args.medium)
    for name in ("disc", "plain-disc", "stick"):
        point = s.mounts[name]
        got = tree(point)
        check(set(got) == set(medium),
              f"{name}: names differ: {sorted(set(got) ^ set(medium))[:5]}")
        for path, (kind, mode) in medium.items():
            if kind == "file":
                check(filecmp.cmp(os.path.join(s.args.medium, path), os.path.join(point, path),
                                  shallow=False), f"{name}: {path} differs")
            if name == "disc":
                check(got[path][1] == mode, f"disc: {path} has mode {got[path][1]:o}, not {mode:o}")
        print(f"    {name}: {len(got)} files and folders as on the medium")


def test_linux_menu(s, name):
    """The menu as desktops start it: `discmenu` executed where it may be,
    and `sh autorun`."""
    point = s.mounts[name]
    starts = [("sh autorun", ["sh", "autorun"])]
    if os.access(os.path.join(point, "discmenu"), os.X_OK):
        starts.insert(0, ("discmenu executed", [os.path.join(point, "discmenu")]))
    else:
        check(name != "disc", "the disc lost discmenu's execute permission")
    for label, args in starts:
        proc, window = s.start(args, point), None
        try:
            window = s.menu_window(proc, f"{name} {label}")
        finally:
            s.stop(proc, window)
        print(f"    {label}: the menu's window")


def test_gnome_autorun(s, name):
    """GNOME's prompt for inserted software, on a private session bus; its
    Run button must bring up the menu."""
    point = s.mounts[name]
    bus = tempfile.mkdtemp(dir=s.scratch)
    config = os.path.join(bus, "session.conf")
    with open(config, "w") as f:
        f.write(BUS_CONFIG.format(dir=bus))
    env = dict(s.wine.env, NO_AT_BRIDGE="1", GTK_A11Y="none", GSETTINGS_BACKEND="memory")
    proc = s.start(["dbus-run-session", "--config-file", config, "--",
                    "nautilus-autorun-software", point], cwd="/", env=env)
    window = None
    try:
        prompt = None
        end = time.monotonic() + 30
        while not prompt and time.monotonic() < end:
            prompt = s.wine.windows_named(".*contains software.*")
            time.sleep(0.3)
        check(prompt, f"no prompt: {proc.stderr.read()[-400:] if proc.poll() is not None else ''}")
        _, _, w, h = s.wine.geometry(prompt[0])
        # Cancel and Run share the bottom row; Run is on the right.
        s.wine.run(["xdotool", "mousemove", "--window", str(prompt[0]), str(w * 3 // 4),
                    str(h - 25), "click", "1"])
        window = s.menu_window(proc, f"GNOME {name}")
    finally:
        s.stop(proc, window)
    print("    Run brought up the menu")


def test_windows_menu(s, name, bits):
    """The Windows menu from a drive letter (a CD-ROM drive for the disc)."""
    if bits == 32 and s.wine32 is None:
        why = cannot_run(32)
        if why:
            print(f"    SKIP: the 32-bit run could not be made: {why}")
            return
        os.makedirs(os.path.join(s.scratch, "wine32"))
        s.wine32 = Session(os.path.join(s.scratch, "wine32"), arch=32)
        s.wine32.start()
    wine = s.wine if bits == 64 else s.wine32
    point = s.mounts[name + ("64" if bits == 64 else "")]
    drive = os.path.join(wine.env["WINEPREFIX"], "dosdevices", "d:")
    if os.path.lexists(drive):
        os.remove(drive)
    os.symlink(point, drive)
    wine.run([wine.wine, "reg", "add", r"HKLM\Software\Wine\Drives", "/v", "d:", "/t", "REG_SZ",
              "/d", "cdrom" if "disc" in name else "hd", "/f"])
    proc = subprocess.Popen([wine.wine, "D:\\discmenu.exe"], cwd=point, env=wine.env, text=True,
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                            start_new_session=True)
    try:
        found = None
        end = time.monotonic() + 90
        while not found and time.monotonic() < end:
            if proc.poll() is not None:
                raise TestFailure(f"{bits}-bit menu ended with {proc.returncode}: "
                                  f"{proc.stderr.read()[-400:]}")
            found = wine.windows_named(TITLE)
            time.sleep(0.5)
        check(found, f"no {bits}-bit window titled {TITLE}")
        time.sleep(1.5)
        shot = os.path.join(s.out, f"wine{bits}-{name}.png")
        wine.screenshot(shot)
        print(f"    {bits}-bit window; screenshot {shot}")
    finally:
        os.killpg(proc.pid, signal.SIGKILL)
        proc.wait(timeout=20)
        end = time.monotonic() + 20
        while wine.windows_named(TITLE) and time.monotonic() < end:
            time.sleep(0.3)


def test_noexec(s):
    """On a medium mounted noexec, `sh autorun` says what is wrong and what
    to do, instead of the loader's raw error."""
    point = s.mounts["noexec"]
    result = subprocess.run(["sh", "autorun"], cwd=point, env=s.wine.env, capture_output=True,
                            text=True, timeout=30)
    check(result.returncode != 0, "the menu started from a noexec mount")
    check(PLAIN_MESSAGE in result.stderr and "copy" in result.stderr.lower()
          and "failed to map" not in result.stderr, f"it said {result.stderr!r}")
    print(f"    {result.stderr.strip()[:100]}...")


def mount_all(s):
    a = s.args
    s.mounts["disc"] = s.mount_point("disc")
    run("fuseiso", "-p", a.disc, s.mounts["disc"])
    stick = s.staged_stick(a.stick, "stick-files")
    s.squashfs("stick", stick)
    s.squashfs("plain-disc", s.staged_plain_disc(a.disc, "plain-disc-files"))
    s.squashfs("noexec", stick, "ro,noexec")
    # The same medium with the 64-bit Windows menu, for Wine's 64-bit run.
    twin = os.path.join(s.scratch, "medium64")
    shutil.copytree(a.medium, twin, symlinks=True)
    shutil.copy(a.exe64, os.path.join(twin, "discmenu.exe"))
    disc64, stick64 = os.path.join(s.scratch, "m64.iso"), os.path.join(s.scratch, "m64.img")
    run(a.tool, "image", twin, "--disc", disc64, "--stick", stick64)
    s.squashfs("stick64", s.staged_stick(stick64, "stick64-files"))
    s.squashfs("plain-disc64", s.staged_plain_disc(disc64, "plain-disc64-files"))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    for name in ("--medium", "--disc", "--stick", "--tool", "--exe64", "--out"):
        parser.add_argument(name, required=True)
    args = parser.parse_args()
    if os.geteuid() != 0:
        sys.exit("test_images: needs root, for mount")
    s = Images(args)
    passed, failed = [], []

    def step(name, test, *test_args):
        return run_step(name, lambda: test(s, *test_args), passed, failed)

    try:
        step("images: reproducible, labelled", test_reproducible)
        if step("images mounted as desktops mount them", mount_all) and \
                step("Wine prefix and display", lambda s: s.wine.start()):
            step("each mount holds the medium", test_mounts_hold_the_medium)
            for name in ("disc", "plain-disc", "stick"):
                step(f"{name}: the Linux menu as desktops start it", test_linux_menu, name)
                step(f"{name}: GNOME's autorun prompt, Run", test_gnome_autorun, name)
            for name in ("plain-disc", "stick"):
                for bits in (32, 64):
                    step(f"{name}: the {bits}-bit Windows menu under Wine", test_windows_menu,
                         name, bits)
            step("noexec mount: sh autorun says so", test_noexec)
    finally:
        s.close()
    print(f"{len(passed)} passed, {len(failed)} failed")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
