"""Hostile input and odd environments: a clear message or a working menu, nothing else."""

import ctypes
import ctypes.util
import os
import re
import shutil
import statistics
import subprocess
import tempfile
import threading
import time
import unittest

from xsession import (OUT, FakeOpener, MapWatch, Menu, MenuFolder, XTestCase, wait_until)

TITLE = "Aurora Studio 5 Setup"
CYAN = (128, 255, 255)


class BadPictureTest(XTestCase):
    """A bad picture of a hidden entry still ends the program, with its path."""

    def check(self, prepare, message_end):
        folder = MenuFolder()
        self.addCleanup(folder.remove)
        target = folder.path("menu", "button8.png")  # entry 8 is hidden in the demo
        os.remove(target)
        prepare(target, folder)
        watch = MapWatch(self.x)
        menu = Menu(self.x, folder)
        self.addCleanup(menu.kill)
        box = self.x.wait_window("--name", "^discmenu$")
        self.x.focus(box)
        self.x.key("Return")
        code, _, err = menu.wait()
        self.assertEqual(code, 1)
        self.assertEqual(watch.stop(), {hex(box)})
        self.assertRegex(err, "^discmenu: error (481|53|75): [^:]+: " + re.escape(target) +
                         ": " + message_end + "\n$")

    def test_bad_pictures(self):
        def cut(source):
            def prepare(target, folder):
                with open(folder.path(*source.split("/")), "rb") as f:
                    data = f.read()
                with open(target, "wb") as f:
                    f.write(data[: len(data) // 2])
            return prepare

        def convert(kind, keep):
            def prepare(target, folder):
                subprocess.run(["convert", folder.path("menu", "button1.png"), kind + ":" +
                                target + ".tmp"], check=True)
                with open(target + ".tmp", "rb") as f:
                    data = f.read()
                os.remove(target + ".tmp")
                with open(target, "wb") as f:
                    f.write(data[:keep] if keep else data[: len(data) // 2])
            return prepare

        def write(data):
            def prepare(target, folder):
                with open(target, "wb") as f:
                    f.write(data)
            return prepare

        cases = [
            ("cut PNG", cut("menu/button2.png"), ".*"),
            ("cut JPEG", convert("jpg", 0), "the JPEG data ends too early.*"),
            ("cut GIF", convert("gif", 0), ".*"),
            ("cut BMP", convert("bmp", 0), "the BMP pixel data is cut off"),
            ("corrupt PNG", write(b"\x89PNG\r\n\x1a\n" + bytes(range(256)) * 4), ".*"),
            ("zero bytes", write(b""), "the file is empty"),
            ("text", write(b"just some text, not a picture\n"),
             "not a picture file that can be read"),
            ("directory", lambda target, folder: os.mkdir(target),
             "is a directory, not a picture file"),
            ("FIFO", lambda target, folder: os.mkfifo(target), "is not a regular file"),
            ("device", lambda target, folder: os.symlink("/dev/zero", target),
             "is not a regular file"),
        ]
        for name, prepare, message in cases:
            with self.subTest(name):
                self.check(prepare, message)


def write_tree_state(root):
    """Every file and directory under `root` with its size and modification time."""
    state = {}
    for base, dirs, files in os.walk(root):
        for name in dirs + files:
            path = os.path.join(base, name)
            st = os.lstat(path)
            state[path] = (st.st_size, st.st_mtime_ns)
    return state


def write_calls(line):
    """The traced call of `line` if it may have changed a file: an open for
    writing or creating, or any other traced call, that was not refused."""
    line = line.strip()
    if line.startswith(("+++", "---")) or re.search(r"= -1 E", line):
        return []  # exits, signals and refused calls, like every write to the medium
    if line.startswith("???("):
        return []  # a thread that ended inside a call strace never saw begin
    opened = re.match(r'(open|openat)\(.*?"([^"]*)", ([A-Z_|]+)', line)
    if not opened:
        return [line]
    path, flags = opened.group(2), opened.group(3)
    if re.search(r"O_WRONLY|O_RDWR|O_CREAT|O_TRUNC", flags) and \
            not path.startswith(("/dev/", "/proc/")):
        return [line]
    return []


class ReadOnlyMediumTest(XTestCase):
    def test_runs_from_a_read_only_medium_and_writes_nothing(self):
        if os.geteuid() != 0 or not shutil.which("strace"):
            self.skipTest("needs root for a read-only bind mount, and strace")
        folder = MenuFolder()
        self.addCleanup(folder.remove)
        os.makedirs(folder.path("home"))
        mount = tempfile.mkdtemp(prefix="discmenu-ro-")
        self.addCleanup(os.rmdir, mount)
        subprocess.run(["mount", "--bind", folder.dir, mount], check=True)
        self.addCleanup(subprocess.run, ["umount", mount])
        subprocess.run(["mount", "-o", "remount,ro,bind", mount], check=True)
        before = write_tree_state(folder.dir)
        # A session without a bus: none at all, or none said explicitly. With
        # none, the D-Bus library would start one (where dbus-x11 is
        # installed), which writes in /tmp: the menu must not let it.
        for bus in [None, "disabled:"]:
            with self.subTest(bus=bus):
                self.assertEqual(self.traced_writes(mount, bus), [])
                self.assertEqual(write_tree_state(folder.dir), before)

    def traced_writes(self, mount, bus):
        """The calls of the menu started from `mount` that may have changed a file."""
        runtime = tempfile.mkdtemp(prefix="discmenu-runtime-")
        self.addCleanup(shutil.rmtree, runtime)
        # One trace file per thread (-ff): a call is never split into an
        # "unfinished" and a "resumed" line that would hide its path.
        log = os.path.join(runtime, "trace")
        env = dict(self.x.env, HOME=os.path.join(mount, "home"), XDG_RUNTIME_DIR=runtime)
        env.pop("XDG_CACHE_HOME", None)
        env.pop("XDG_CONFIG_HOME", None)
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        if bus:
            env["DBUS_SESSION_BUS_ADDRESS"] = bus
        proc = subprocess.Popen(
            ["strace", "-f", "-ff", "-qq", "-o", log, "-e",
             "trace=open,openat,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,"
             "link,linkat,symlink,symlinkat,truncate,chmod,fchmodat",
             os.path.join(mount, "discmenu")], env=env, cwd="/",
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            window = self.x.wait_window("--name", "^" + TITLE + "$", timeout=30)
            self.x.close_window(window)
            proc.wait(timeout=30)
        finally:
            if proc.poll() is None:
                proc.kill()
                proc.wait()
        self.assertEqual(proc.returncode, 0)

        traces = [os.path.join(runtime, f) for f in os.listdir(runtime)
                  if f.startswith("trace.")]
        self.assertTrue(traces)
        writes = []
        for name in traces:
            with open(name) as trace:
                for line in trace:
                    writes.extend(write_calls(line))
        return writes


class EnvironmentTest(XTestCase):
    def label_pixels(self, shot, x, y, n=1):
        """Colours of label n's first text line."""
        left, top = x + 2 + 96, y + 2 + 64 + 80 * (n - 1)
        out = subprocess.run(["convert", shot, "-crop", f"180x14+{left}+{top}", "-depth", "8",
                              "txt:-"], capture_output=True, text=True, check=True).stdout
        return re.findall(r"\((\d+),(\d+),(\d+)", out)

    def start_and_shoot(self, folder, env, name):
        menu = Menu(self.x, folder, env)
        self.addCleanup(menu.kill)
        window = self.x.wait_window("--name", ".")
        x, y, _, _ = self.x.geometry(window)
        shot = self.x.painted_screenshot(os.path.join(OUT, name), x + 2 + 96 + 200,
                                         y + 2 + 64 + 60, CYAN)
        title = self.x.name(window)
        menu.kill()
        return shot, x, y, title

    def test_c_locale_draws_non_ascii_captions(self):
        folder = MenuFolder()
        self.addCleanup(folder.remove)
        with open(folder.path("install.ini"), encoding="utf-8") as f:
            items = f.read().splitlines()
        items[8] = "Überblick — Ελληνικά — Русский"
        items[24] = "Menü Ωμέγα"
        folder.write_ini(items)
        shots = {}
        for locale in ("C.UTF-8", "C", "POSIX"):
            env = dict(self.x.env, LANG=locale, LC_ALL=locale)
            shot, x, y, title = self.start_and_shoot(folder, env, f"locale-{locale}.png")
            self.assertEqual(title, "Menü Ωμέγα", locale)
            shots[locale] = self.label_pixels(shot, x, y)
        self.assertEqual(shots["C"], shots["C.UTF-8"])
        self.assertEqual(shots["POSIX"], shots["C.UTF-8"])
        dark = [p for p in shots["C"] if sum(map(int, p)) < 200]
        self.assertGreater(len(dark), 50, "the caption is drawn")

    def test_missing_font_falls_back(self):
        folder = MenuFolder()
        self.addCleanup(folder.remove)
        conf_dir = tempfile.mkdtemp(prefix="discmenu-fonts-")
        self.addCleanup(shutil.rmtree, conf_dir)
        # Only DejaVu, and no alias that maps Arial to anything.
        conf = os.path.join(conf_dir, "fonts.conf")
        with open(conf, "w") as f:
            f.write('<?xml version="1.0"?><!DOCTYPE fontconfig SYSTEM "fonts.dtd">'
                    "<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir>"
                    f"<cachedir>{conf_dir}/cache</cachedir></fontconfig>")
        env = dict(self.x.env, FONTCONFIG_FILE=conf)
        shot, x, y, title = self.start_and_shoot(folder, env, "no-arial.png")
        self.assertEqual(title, TITLE)
        dark = [p for p in self.label_pixels(shot, x, y) if sum(map(int, p)) < 200]
        self.assertGreater(len(dark), 50, "the caption is drawn in a fallback face")


class XClient:
    """Just enough Xlib, through ctypes, to click fast and to ping a window."""

    def __init__(self, display):
        self.x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
        self.xtst = ctypes.CDLL(ctypes.util.find_library("Xtst"))
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        for name in ("XFlush", "XSync", "XPending", "XCloseDisplay", "XDefaultRootWindow"):
            getattr(self.x11, name).argtypes = [ctypes.c_void_p] + (
                [ctypes.c_int] if name == "XSync" else [])
        self.x11.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x11.XInternAtom.restype = ctypes.c_ulong
        self.x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        self.x11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        self.x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int,
                                        ctypes.c_long, ctypes.c_void_p]
        self.x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        self.xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                                   ctypes.c_ulong]
        self.xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                                   ctypes.c_int, ctypes.c_ulong]
        self.display = self.x11.XOpenDisplay(display.encode())
        self.root = self.x11.XDefaultRootWindow(self.display)

    def click(self, x, y):
        self.xtst.XTestFakeMotionEvent(self.display, -1, x, y, 0)
        self.xtst.XTestFakeButtonEvent(self.display, 1, 1, 0)
        self.xtst.XTestFakeButtonEvent(self.display, 1, 0, 0)
        self.x11.XFlush(self.display)

    def close(self):
        self.x11.XCloseDisplay(self.display)


class Pinger(threading.Thread):
    """Measures the menu's event-loop latency: the round trip of the window
    manager's ping, which the menu answers from its event loop."""

    def __init__(self, display, window):
        super().__init__(daemon=True)
        self.client = XClient(display)
        self.window = window
        self.latencies = []
        self.stop = threading.Event()

    def run(self):
        x11, d = self.client.x11, self.client.display
        x11.XSelectInput(d, self.client.root, 1 << 17)  # StructureNotifyMask: the reply's
        protocols = x11.XInternAtom(d, b"WM_PROTOCOLS", 0)
        ping = x11.XInternAtom(d, b"_NET_WM_PING", 0)
        event = (ctypes.c_long * 24)()
        serial = 1
        while not self.stop.is_set():
            out = (ctypes.c_long * 24)()
            # XClientMessageEvent: type, serial, send_event, display, window,
            # message_type, format, data.l[5]
            out[0], out[4], out[5], out[6] = 33, self.window, protocols, 32
            out[7], out[8], out[9] = ping, serial, self.window
            sent = time.monotonic()
            x11.XSendEvent(d, self.window, 0, 0, out)
            x11.XFlush(d)
            answered = False
            while time.monotonic() - sent < 10:
                if x11.XPending(d):
                    x11.XNextEvent(d, event)
                    if event[0] == 33 and event[7] == ping and event[8] == serial:
                        answered = True
                        break
                else:
                    time.sleep(0.0005)
            self.latencies.append((time.monotonic() - sent) * 1000 if answered else None)
            serial += 1
            time.sleep(0.01)


class ClickStormTest(XTestCase):
    def test_two_hundred_clicks_on_a_hung_opener(self):
        folder = MenuFolder()
        opener = FakeOpener()
        self.addCleanup(folder.remove)
        self.addCleanup(opener.remove)
        env = dict(opener.env(self.x.env), OPENER_SLEEP="120")
        menu = Menu(self.x, folder, env)
        self.addCleanup(menu.kill)
        window = self.x.wait_window("--name", "^" + TITLE + "$")
        x, y, _, _ = self.x.geometry(window)
        pinger = Pinger(self.x.display, window)
        pinger.start()
        time.sleep(0.3)
        clicker = XClient(self.x.display)
        for _ in range(200):
            clicker.click(x + 24 + 33, y + 144 + 32)  # Command2: the manual
            time.sleep(0.005)
        clicker.close()
        calls = opener.wait_calls(200, timeout=60)
        time.sleep(0.3)
        pinger.stop.set()
        pinger.join(timeout=15)
        self.assertEqual(len(calls), 200)
        self.assertTrue(all(c == [folder.path("docs", "manual.html")] for c in calls))
        self.assertEqual(menu.zombies(), 0)
        answered = [l for l in pinger.latencies if l is not None]
        self.assertEqual(len(answered), len(pinger.latencies), "every ping was answered")
        self.assertGreater(len(answered), 5)
        closing = time.monotonic()
        self.x.close_window(window)
        self.assertIsNotNone(wait_until(lambda: menu.proc.poll() is not None, 10))
        closed_ms = (time.monotonic() - closing) * 1000
        os.makedirs(OUT, exist_ok=True)
        with open(os.path.join(OUT, "click-storm.txt"), "w") as f:
            f.write(f"clicks: 200, opener runs: {len(calls)}, zombies: 0\n"
                    f"event-loop latency (ms) over {len(answered)} pings: "
                    f"median {statistics.median(answered):.1f}, "
                    f"max {max(answered):.1f}\n"
                    f"close to exit: {closed_ms:.0f} ms\n")


class StarterTest(unittest.TestCase):
    """The medium's starter: a FIFO where it expects a file must not hold it."""

    def test_a_fifo_in_the_runtime_never_blocks_the_start(self):
        starter = os.environ.get("DISCMENU_STARTER")
        if not starter:
            self.skipTest("no starter in this build (DISCMENU_STARTER unset)")
        # An empty menu is never in the page cache, so the prefetch list is read.
        for fifo, said in [("discmenu", b"loader ran"), ("prefetch", b"loader ran"),
                           ("ld-linux-x86-64.so.2", b"discmenu: cannot start")]:
            with self.subTest(fifo=fifo):
                medium = tempfile.mkdtemp(prefix="discmenu-starter-")
                self.addCleanup(shutil.rmtree, medium)
                runtime = os.path.join(medium, "discmenu-linux")
                os.makedirs(runtime)
                shutil.copy(starter, os.path.join(medium, "discmenu"))
                loader = os.path.join(runtime, "ld-linux-x86-64.so.2")
                with open(loader, "w") as f:
                    f.write("#!/bin/sh\necho loader ran\n")
                os.chmod(loader, 0o755)
                open(os.path.join(runtime, "discmenu"), "w").close()
                if os.path.exists(os.path.join(runtime, fifo)):
                    os.remove(os.path.join(runtime, fifo))
                os.mkfifo(os.path.join(runtime, fifo))
                try:
                    run = subprocess.run([os.path.join(medium, "discmenu")], capture_output=True,
                                         timeout=20)
                except subprocess.TimeoutExpired:
                    self.fail("the starter blocked on the FIFO " + fifo)
                self.assertIn(said, run.stdout + run.stderr)


if __name__ == "__main__":
    unittest.main()
