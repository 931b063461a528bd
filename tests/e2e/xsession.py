"""A private X server and helpers to drive the real menu executable."""

import ctypes
import ctypes.util
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time
import unittest

EXE = os.environ.get("DISCMENU_EXE", "build/discmenu")
DEMO = os.environ.get("DISCMENU_DEMO", "examples/demo")
OUT = os.environ.get("DISCMENU_OUT", "build/e2e")


def wait_until(predicate, timeout=10.0, step=0.05):
    """Polls `predicate` until it returns something true, or None at the timeout."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = predicate()
        if value:
            return value
        time.sleep(step)
    return None


class XServer:
    """Xvfb on a display number of its own choosing, and xdotool against it."""

    def __init__(self, width=1280, height=1024, preexec_fn=None):
        read_fd, write_fd = os.pipe()
        self.proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp", "-dpi", "96",
             # Without -noreset the server resets whenever its last client
             # leaves, and a client connecting meanwhile is turned away.
             "-noreset"],
            pass_fds=[write_fd], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            preexec_fn=preexec_fn)
        os.close(write_fd)
        number = b""
        with os.fdopen(read_fd, "rb") as pipe:
            while not number.endswith(b"\n"):
                chunk = pipe.read(1)
                if not chunk:
                    raise RuntimeError("Xvfb did not start")
                number += chunk
        self.display = ":" + number.decode().strip()
        self.env = dict(os.environ, DISPLAY=self.display)
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env.pop("QT_QPA_PLATFORM", None)
        # No session bus, explicitly: without an address, libdbus would start
        # one for the display where dbus-x11 is installed (a daemon that
        # outlives the test and writes in /tmp). A test that wants a bus
        # starts its own (dbus-run-session).
        self.env["DBUS_SESSION_BUS_ADDRESS"] = "disabled:"

    def close(self):
        self.proc.terminate()
        try:
            self.proc.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.proc.kill()

    def run(self, *args, check=True):
        result = subprocess.run(args, env=self.env, capture_output=True, text=True, timeout=20)
        if check and result.returncode != 0:
            raise RuntimeError(f"{args} failed: {result.stderr}")
        return result.stdout

    def windows(self, *search):
        """Visible windows that `xdotool search` finds."""
        out = self.run("xdotool", "search", "--onlyvisible", *search, check=False)
        return [int(w) for w in out.split()]

    def wait_window(self, *search, timeout=15.0):
        found = wait_until(lambda: self.windows(*search), timeout)
        if not found:
            raise AssertionError(f"no window for {search}")
        return found[0]

    def name(self, window):
        return self.run("xdotool", "getwindowname", str(window)).rstrip("\n")

    def geometry(self, window):
        """(x, y, width, height) of `window`, x and y relative to the root."""
        out = self.run("xwininfo", "-id", str(window))
        num = lambda key: int(re.search(key + r":\s+(-?\d+)", out).group(1))
        return (num("Absolute upper-left X"), num("Absolute upper-left Y"), num("Width"),
                num("Height"))

    def focus(self, window):
        self.run("xdotool", "windowfocus", "--sync", str(window), check=False)
        time.sleep(0.1)

    def key(self, *keys):
        self.run("xdotool", "key", "--delay", "60", *keys)

    def click(self, window, x, y):
        self.run("xdotool", "mousemove", "--window", str(window), str(x), str(y),
                 "click", "1")

    def close_window(self, window):
        """Asks `window` to close, as a window manager's close button does."""

        class ClientMessage(ctypes.Structure):
            _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                        ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                        ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                        ("format", ctypes.c_int), ("data", ctypes.c_long * 5),
                        ("pad", ctypes.c_long * 12)]

        x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XInternAtom.restype = ctypes.c_ulong
        x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                   ctypes.c_void_p]
        x11.XFlush.argtypes = [ctypes.c_void_p]
        x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        display = x11.XOpenDisplay(self.display.encode())
        event = ClientMessage()
        event.type = 33  # ClientMessage
        event.window = window
        event.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
        event.format = 32
        event.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
        event.data[1] = 0  # CurrentTime
        x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
        x11.XFlush(display)
        x11.XCloseDisplay(display)

    def screenshot(self, path):
        os.makedirs(os.path.dirname(path), exist_ok=True)
        self.run("import", "-display", self.display, "-window", "root", path)
        return path

    def painted_screenshot(self, path, x, y, colour, timeout=15.0):
        """A screenshot taken once the pixel at (x, y) shows `colour`: a window
        is mapped before it is painted."""
        end = time.monotonic() + timeout
        while True:
            self.screenshot(path)
            if self.pixel(path, x, y) == colour or time.monotonic() > end:
                return path
            time.sleep(0.1)

    def pixel(self, path, x, y):
        """The (r, g, b) of one pixel of a picture file."""
        out = subprocess.run(["convert", path, "-crop", f"1x1+{x}+{y}", "-depth", "8",
                              "txt:-"], capture_output=True, text=True, check=True).stdout
        r, g, b = re.search(r"\((\d+),(\d+),(\d+)", out).groups()[:3]
        return int(r), int(g), int(b)

    def colours(self, path, x, y, width, height):
        """How many colours the rectangle shows: 1 where it is plain."""
        return int(subprocess.run(["convert", path, "-crop", f"{width}x{height}+{x}+{y}",
                                   "-format", "%k", "info:"], capture_output=True, text=True,
                                  check=True).stdout)


class MapWatch:
    """Records every top-level window that is mapped while it runs."""

    def __init__(self, server):
        self.proc = subprocess.Popen(["xev", "-root", "-event", "substructure"], env=server.env,
                                     stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                     text=True)
        time.sleep(0.3)

    def stop(self):
        self.proc.terminate()
        out, _ = self.proc.communicate(timeout=10)
        return set(re.findall(r"MapNotify event.*?window (0x[0-9a-f]+), override", out, re.S))


class MenuFolder:
    """A copy of a menu folder with the executable beside its install.ini;
    `name` (bytes, as a file system holds them) names the folder itself."""

    def __init__(self, source=DEMO, name=None):
        self.top = tempfile.mkdtemp(prefix="discmenu-e2e-")
        self.dir = os.path.join(self.top, os.fsdecode(name)) if name else self.top
        if source:
            shutil.copytree(source, self.dir, dirs_exist_ok=True, symlinks=True)
        self.exe = os.path.join(self.dir, "discmenu")
        shutil.copy2(EXE, self.exe)

    def write_ini(self, items, sep="\n"):
        with open(os.path.join(self.dir, "install.ini"), "w", encoding="utf-8") as f:
            f.write(sep.join(items) + "\n")

    def path(self, *parts):
        return os.path.join(self.dir, *parts)

    def shown(self, path):
        """`path` as the menu shows it: bytes that are not UTF-8 escaped."""
        raw = os.fsencode(path)
        out = ""
        while raw:
            try:
                out += raw.decode("utf-8")
                break
            except UnicodeDecodeError as e:
                out += raw[:e.start].decode("utf-8") + "".join(
                    f"\\x{b:02X}" for b in raw[e.start:e.end])
                raw = raw[e.end:]
        return out

    def remove(self):
        shutil.rmtree(self.top, ignore_errors=True)


class FakeOpener:
    """An `xdg-open` first on PATH that records its arguments, one file per run."""

    def __init__(self):
        self.dir = tempfile.mkdtemp(prefix="discmenu-opener-")
        self.bin = os.path.join(self.dir, "bin")
        os.makedirs(self.bin)
        script = os.path.join(self.bin, "xdg-open")
        with open(script, "w") as f:
            f.write("#!/bin/sh\n"
                    f"out='{self.dir}'/open.$$\n"
                    "printf '%s\\0' \"$@\" > \"$out.tmp\" && mv \"$out.tmp\" \"$out\"\n"
                    "[ -n \"$OPENER_SLEEP\" ] && exec sleep \"$OPENER_SLEEP\" >/dev/null 2>&1\n"
                    "exit 0\n")
        os.chmod(script, 0o755)

    def env(self, base):
        return dict(base, PATH=self.bin + os.pathsep + base.get("PATH", ""))

    def calls(self):
        """Argument lists of the runs so far, oldest first."""
        files = [f for f in os.listdir(self.dir) if f.startswith("open.") and
                 not f.endswith(".tmp")]
        files.sort(key=lambda f: os.path.getmtime(os.path.join(self.dir, f)))
        calls = []
        for f in files:
            with open(os.path.join(self.dir, f), "rb") as data:
                calls.append([a.decode() for a in data.read().split(b"\0")[:-1]])
        return calls

    def wait_calls(self, count, timeout=10.0):
        return wait_until(lambda: len(self.calls()) >= count and self.calls(), timeout) or []

    def remove(self):
        shutil.rmtree(self.dir, ignore_errors=True)


class Menu:
    """A running menu process."""

    def __init__(self, server, folder, env=None, args=(), cwd=None):
        self.server = server
        self.proc = subprocess.Popen([folder.exe, *args], env=env or server.env,
                                     cwd=cwd or folder.dir,
                                     stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True,
                                     start_new_session=True)

    def wait(self, timeout=15):
        out, err = self.proc.communicate(timeout=timeout)
        return self.proc.returncode, out, err

    def zombies(self):
        """Children of the menu that ended and were never reaped."""
        count = 0
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open(f"/proc/{pid}/stat") as f:
                    fields = f.read().rsplit(")", 1)[1].split()
            except OSError:
                continue
            if fields[0] == "Z" and int(fields[1]) == self.proc.pid:
                count += 1
        return count

    def kill(self):
        if self.proc.poll() is None:
            try:
                os.killpg(self.proc.pid, signal.SIGTERM)
            except ProcessLookupError:
                self.proc.kill()
            self.proc.wait(timeout=10)
        # A program the menu started may still hold the other ends, so the
        # pipes are closed rather than read to their end.
        for pipe in (self.proc.stdout, self.proc.stderr):
            if pipe:
                pipe.close()


class XTestCase(unittest.TestCase):
    """One X server for all tests of a class."""

    @classmethod
    def setUpClass(cls):
        cls.x = XServer()

    @classmethod
    def tearDownClass(cls):
        cls.x.close()
