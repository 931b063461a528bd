"""Running the program under Wine: a private Xvfb display and Wine prefix,
the window probe, keys and clicks, the menu as a process, and the folders
it runs in."""

import os
import select
import shutil
import signal
import subprocess
import time
from pathlib import Path

from common import TestFailure, check
from design import DEMO
from images import image_tool, load_image

HERE = Path(__file__).resolve().parent


# Each executable runs in a Wine of its own kind: the loader, the prefix's
# architecture and the compiler of the helpers that run beside it. Wine's
# server serves both.
ARCHES = {
    64: {"loader": ["/usr/lib/wine/wine64", "wine64", "wine"], "prefix": "win64",
         "cc": "x86_64-w64-mingw32-gcc"},
    32: {"loader": ["/usr/lib/wine/wine"], "prefix": "win32", "cc": "i686-w64-mingw32-gcc"},
}


def wine_binary(names):
    for name in names:
        path = name if name.startswith("/") else shutil.which(name)
        if path and os.path.exists(path):
            return path
    raise TestFailure(f"none of {names} is installed")


def cannot_run(arch):
    """Why Wine cannot run `arch`-bit programs on this machine, or None. A
    32-bit one needs Wine's 32-bit loader (Debian's wine32:i386) and a
    kernel that runs 32-bit x86 code, which some kernels are built or
    booted without: starting the loader tells."""
    try:
        loader = wine_binary(ARCHES[arch]["loader"])
    except TestFailure as e:
        return str(e)
    try:
        result = subprocess.run([loader, "--version"], capture_output=True, text=True,
                                timeout=60)
    except OSError as e:
        return (f"the kernel refuses to start {loader} ({e.strerror}): it runs no "
                f"{arch}-bit x86 programs")
    except subprocess.TimeoutExpired:
        return f"{loader} --version did not answer within 60 s"
    if result.returncode != 0:
        return f"{loader} --version exited {result.returncode}: {result.stderr.strip()[-200:]}"
    return None


class Window:
    """One line of window_probe.exe: a window with its rectangles in screen pixels."""

    def __init__(self, line):
        fields = line.rstrip("\n").split("\t")
        self.child = fields[0].startswith(" ")
        self.id = int(fields[0])
        self.cls = fields[1]
        self.visible = fields[2] == "1"
        self.rect = tuple(int(v) for v in fields[3].split(","))
        self.client = tuple(int(v) for v in fields[4].split(","))
        self.text = fields[5].replace("\u240a", "\n")
        self.name = fields[6].replace("\u240a", "\n")


class Session:
    """A private X display and Wine prefix; everything ends with close()."""

    def __init__(self, work, arch=64):
        self.work = Path(work)
        self.arch = arch
        self.xvfb = None
        self.env = None
        self.wine = wine_binary(ARCHES[arch]["loader"])
        self.wineserver = wine_binary(["/usr/lib/wine/wineserver64", "wineserver"])

    def start(self):
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1600x1200x24", "-nolisten",
             "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            start_new_session=True)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 20
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([read_end], [], [], max(0, deadline - time.monotonic()))
            chunk = os.read(read_end, 16) if ready else b""
            if not chunk:
                os.close(read_end)
                raise TestFailure("Xvfb did not start")
            number += chunk
        os.close(read_end)
        prefix = self.work / "prefix"
        self.env = {k: v for k, v in os.environ.items() if not k.startswith(("WINE", "WAYLAND"))}
        self.env.update(DISPLAY=f":{number.decode().strip()}", WINEPREFIX=str(prefix),
                        WINEARCH=ARCHES[self.arch]["prefix"],
                        WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=", LC_ALL="C.UTF-8")
        started = time.monotonic()
        self.run([self.wine, "wineboot", "-i"], timeout=180)
        self.run([self.wineserver, "-w"], timeout=120)
        return time.monotonic() - started

    def close(self):
        if self.env:
            try:
                subprocess.run([self.wineserver, "-k"], env=self.env, timeout=30,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            except (subprocess.TimeoutExpired, OSError):
                pass
        if self.xvfb and self.xvfb.poll() is None:
            os.killpg(self.xvfb.pid, signal.SIGTERM)
            try:
                self.xvfb.wait(timeout=10)
            except subprocess.TimeoutExpired:
                os.killpg(self.xvfb.pid, signal.SIGKILL)

    def run(self, args, timeout=60, check_status=True, cwd=None):
        result = subprocess.run(args, env=self.env, cwd=cwd, capture_output=True, text=True,
                                timeout=timeout)
        if check_status and result.returncode != 0:
            raise TestFailure(f"{' '.join(map(str, args))} exited {result.returncode}: "
                              f"{result.stderr.strip()[-500:]}")
        return result

    def set_dpi(self, dpi):
        self.run([self.wine, "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t",
                  "REG_DWORD", "/d", str(dpi), "/f"])
        self.run([self.wineserver, "-w"], timeout=60)

    def use_cjk_font(self):
        """Lets the East Asian fonts a Chinese, Japanese or Korean Windows
        has be drawn with the host's WenQuanYi Zen Hei (Latin fonts stay as
        they are)."""
        for name in ("PMingLiU", "MingLiU", "SimSun", "NSimSun", "MS Gothic", "Gulim"):
            self.run([self.wine, "reg", "add", r"HKCU\Software\Wine\Fonts\Replacements", "/v",
                      name, "/t", "REG_SZ", "/d", "WenQuanYi Zen Hei", "/f"])

    def windows_named(self, name, visible_only=True, search="--name"):
        """Windows whose title (or, with search="--class", class) is `name`."""
        args = ["xdotool", "search"] + (["--onlyvisible"] if visible_only else [])
        result = self.run(args + [search, f"^{name}$"], check_status=False, timeout=20)
        return [int(w) for w in result.stdout.split()]

    def app_windows(self):
        """Visible X windows of the program, with their names."""
        result = self.run(["xdotool", "search", "--onlyvisible", "--classname", "discmenu"],
                          check_status=False, timeout=20)
        found = []
        for w in result.stdout.split():
            name = self.run(["xdotool", "getwindowname", w], check_status=False, timeout=20)
            found.append((int(w), name.stdout.strip()))
        return found

    def geometry(self, window):
        out = self.run(["xwininfo", "-id", str(window)], timeout=20).stdout
        values = {}
        for line in out.splitlines():
            key, _, value = line.strip().partition(":")
            values[key] = value.strip()
        return (int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]),
                int(values["Width"]), int(values["Height"]))

    def screenshot(self, path):
        self.run([image_tool("import"), "-window", "root", str(path)], timeout=60)
        return load_image(path, channels=3)

    def focus(self, window):
        self.run(["xdotool", "windowfocus", "--sync", str(window)], timeout=20)
        time.sleep(0.3)

    def keys(self, window, *keys):
        self.focus(window)
        self.run(["xdotool", "key", "--delay", "150"] + list(keys), timeout=30)

    def click(self, x, y):
        self.run(["xdotool", "mousemove", "--sync", str(x), str(y)], timeout=20)
        time.sleep(0.2)
        self.run(["xdotool", "click", "1"], timeout=20)

    def inspect(self, title):
        out = self.run([self.wine, str(self.work / "window_probe.exe"), title], timeout=60).stdout
        return [Window(line) for line in out.splitlines() if line.strip()]

    def controls(self, title):
        """The windows inspect(title) finds, by control id."""
        return {w.id: w for w in self.inspect(title)}


class Wine:
    """What the tests under Wine are given: the session, the executable
    (of the session's architecture) and the folder the screenshots go to."""

    def __init__(self, session, exe, out):
        self.session = session
        self.exe = Path(exe)
        self.out = Path(out)
        self.work = session.work


class Menu:
    """The menu program (`exe`, by default the folder's discmenu.exe)
    running in `folder` under the session's Wine; stopped at the end of a
    with block. Its output goes to files beside the folder, or in `logs`.

        session = Session(work, arch=32); session.start()
        with Menu(session, "/media/stick") as menu:
            menu.wait_window("Aurora Studio 5 Setup")
    """

    def __init__(self, session, folder, env=None, exe="discmenu.exe", logs=None):
        self.session = session
        self.folder = Path(folder)
        logs = Path(logs or self.folder.parent)
        self.stdout = open(logs / f"{self.folder.name}.out", "w+")
        self.stderr = open(logs / f"{self.folder.name}.err", "w+")
        self.process = subprocess.Popen([session.wine, str(exe)], cwd=folder,
                                        env=dict(session.env, **(env or {})),
                                        stdout=self.stdout, stderr=self.stderr)
        self.status = None

    def wait_window(self, title, timeout=30, search="--name"):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            found = self.session.windows_named(title, search=search)
            if found:
                time.sleep(0.5)  # let it paint
                return found[0]
            check(self.process.poll() is None,
                  f"the menu exited with {self.process.returncode}: {self.errors()}")
            time.sleep(0.1)
        raise TestFailure(f"no window {title!r} within {timeout} s")

    def wait_exit(self, timeout=30):
        try:
            self.status = self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait(timeout=10)
            raise TestFailure(f"the menu did not exit within {timeout} s")
        return self.status

    def errors(self):
        self.stderr.seek(0)
        return self.stderr.read()

    def close(self, window):
        """Alt+F4 on `window`, after which the menu must end with status 0."""
        self.session.keys(window, "alt+F4")
        check(self.wait_exit() == 0, "the menu did not exit with 0")

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=10)
        self.stdout.close()
        self.stderr.close()

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.stop()


def windows_path(path):
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


def write_ini(folder, items, encoding="utf-8"):
    check(len(items) == 34, "install.ini needs 34 items")
    (Path(folder) / "install.ini").write_bytes(("\r\n".join(items) + "\r\n").encode(encoding))


def lay_out_demo(work, name, exe):
    folder = Path(work) / name
    shutil.copytree(DEMO, folder)
    shutil.copy(exe, folder / "discmenu.exe")
    return folder


def build_helpers(work, arch=64):
    """The marker program, the planted DLL and the window probe, built for
    `arch` into `work`."""
    cc = shutil.which(ARCHES[arch]["cc"])
    check(cc, f"{ARCHES[arch]['cc']} is missing")
    flags = ["-Wall", "-Wextra", "-Werror", "-municode", "-O2", "-s", "-static"]
    subprocess.run([cc] + flags + ["-mwindows", str(HERE / "marker.c"), "-o",
                                   str(work / "marker.exe")], check=True, timeout=120)
    subprocess.run([cc] + flags + ["-shared", str(HERE / "planted.c"), "-o",
                                   str(work / "planted.dll")], check=True, timeout=120)
    subprocess.run([cc] + flags + [str(HERE / "window_probe.c"), "-o",
                                   str(work / "window_probe.exe"), "-loleacc", "-lole32",
                                   "-loleaut32", "-luuid"], check=True, timeout=120)
