#!/usr/bin/env python3
"""End-to-end tests of the Windows executables.

The 32-bit and 64-bit executables are checked as files (PE header, imports,
size, resources); the 64-bit one also runs under Wine on a private Xvfb
display with a fresh Wine prefix: the demo menu is measured and photographed,
failures must show the error box and end with status 1, clicks and keys must
open the configured targets, and at 150 % and 200 % the window and its
pictures must scale. Needs only Python's standard library; installs its
Debian packages through scripts/install-deps.sh.

Usage: run_wine_tests.py --exe32 build-win32/discmenu.exe --exe64 build-win64/discmenu.exe
"""

import argparse
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
from pathlib import Path

import static_checks
from common import ROOT, TestFailure, check
from design import (DEMO, DEMO_TITLE, FORM_CLIENT, LIGHT_CYAN, PICTURE1, command_twips,
                    label_twips, to_pixels, twips_to_pixels)
from images import close, face_pixels, image_tool, load_image
from wine_session import Menu, Session, build_helpers, lay_out_demo, windows_path, write_ini


class WineTests:
    def __init__(self, session, exe64, out_dir):
        self.s = session
        self.exe = Path(exe64)
        self.out = Path(out_dir)
        self.work = session.work
        self.demo = None  # the running demo menu while its tests run
        self.demo_window = None

    # The demo menu at 96 dpi -------------------------------------------------

    def start_demo(self):
        folder = lay_out_demo(self.work, "demo", self.exe)
        self.demo = Menu(self.s, folder)
        self.demo_window = self.demo.wait_window(DEMO_TITLE)

    def demo_title_and_size(self):
        check(self.demo_window, "the demo menu is not running")
        x, y, w, h = self.s.geometry(self.demo_window)
        print(f"    client window {w}x{h} at +{x}+{y}")
        want = (twips_to_pixels(FORM_CLIENT[0], 96), twips_to_pixels(FORM_CLIENT[1], 96))
        check((w, h) == want == (640, 478), f"client area {w}x{h}, want {want}")

    def demo_layout(self):
        """Every control where the design table puts it, in z-order."""
        windows = self.s.inspect(DEMO_TITLE)
        self.check_layout(windows, 96)
        top = [w for w in windows if not w.child]
        check([w.id for w in top] == [108, 107, 106, 105, 104, 103, 102, 101, 100],
              f"front-to-back order of the form's controls: {[w.id for w in top]}")
        labels = [w.id for w in windows if w.child]
        check(labels == [208, 207, 206, 205, 204, 203, 202, 201],
              f"front-to-back order of the labels: {labels}")

    def check_layout(self, windows, dpi):
        by_id = {w.id: w for w in windows}
        form_x, form_y, _, _ = self.s.geometry(self.demo_window)
        picture1 = by_id[100]
        want = to_pixels(PICTURE1, dpi)
        check(picture1.rect == (form_x + want[0], form_y + want[1], want[2], want[3]),
              f"Picture1 at {picture1.rect}, want {want} inside +{form_x}+{form_y}")
        border = picture1.client[0] - picture1.rect[0]
        check(border == picture1.client[1] - picture1.rect[1] and border >= 1,
              f"Picture1's sunken border: client {picture1.client} in {picture1.rect}")
        for n in range(1, 9):
            bx, by, bw, bh = to_pixels(command_twips(n), dpi)
            check(by_id[100 + n].rect == (form_x + bx, form_y + by, bw, bh),
                  f"Command{n} at {by_id[100 + n].rect}, want +{bx}+{by} {bw}x{bh}")
            lx, ly, lw, lh = to_pixels(label_twips(n), dpi)
            check(by_id[200 + n].rect == (picture1.client[0] + lx, picture1.client[1] + ly, lw, lh),
                  f"Label{n} at {by_id[200 + n].rect}, want +{lx}+{ly} {lw}x{lh} in Picture1")
        return picture1

    def demo_accessibility(self):
        """Tab stops and the names a screen reader reads."""
        windows = {w.id: w for w in self.s.inspect(DEMO_TITLE)}
        captions = ["Install Aurora Studio", "Read the user manual", "Browse the disc",
                    "Visit the website", "Release notes", "Run the setup check",
                    "Listen to the theme", "Advanced options"]
        shown = [True, True, True, False, True, True, False, False]
        for n in range(1, 9):
            button, label = windows[100 + n], windows[200 + n]
            check(button.cls.lower() == "button", f"Command{n} is a {button.cls}")
            check(button.visible == shown[n - 1] and label.visible == shown[n - 1],
                  f"entry {n}: shown {button.visible}/{label.visible}, want {shown[n - 1]}")
            check(label.text == captions[n - 1], f"Label{n} says {label.text!r}")
            check(button.name == captions[n - 1], f"Command{n} is named {button.name!r}")

    def demo_pictures(self):
        """A screenshot: background, button and label pixels where they belong."""
        shot = self.s.screenshot(self.out / "wine-demo.png")
        print(f"    screenshot: {self.out / 'wine-demo.png'}")
        self.check_pictures(shot, 96)

    def check_pictures(self, shot, dpi):
        """The demo menu's pictures and labels on `shot` at `dpi`. At 150 %
        the pictures are scaled, so flat areas are compared as averages."""
        windows = {w.id: w for w in self.s.inspect(DEMO_TITLE)}
        form_x, form_y, _, _ = self.s.geometry(self.demo_window)
        pic_x, pic_y = windows[100].client[:2]
        twin = dpi >= 144
        suffix = "@2x" if twin else ""
        scale = dpi / 96 / (2 if twin else 1)  # device pixels per file pixel
        exact = scale == 1
        menu = DEMO / "menu"

        def source(name):
            image = load_image(menu / name, 4)
            if exact:
                return image
            return load_image(menu / name, 4, resize=(round(image.width * scale),
                                                       round(image.height * scale)))

        def same(x, y, image, ix, iy, what):
            """Screen pixel (x, y) against image pixel (ix, iy); returns
            False where a scaled picture is not flat enough to compare."""
            if exact:
                got, want = shot.pixel(x, y), image.pixel(ix, iy)[:3]
                check(close(got, want, 10), f"{what}: screen ({x},{y}) shows {got}, want {want}")
                return True
            block = [image.pixel(ix + dx, iy + dy) for dx in (-2, 0, 2) for dy in (-2, 0, 2)
                     if 0 <= ix + dx < image.width and 0 <= iy + dy < image.height]
            if len(block) < 9 or any(p[3] != 255 for p in block) or any(
                    max(p[c] for p in block) - min(p[c] for p in block) > 10 for c in range(3)):
                return False
            got, want = shot.pixel(x, y), block[4][:3]
            check(close(got, want, 24), f"{what}: screen ({x},{y}) shows {got}, want {want}")
            return True

        shown = {1, 2, 3, 5, 6}
        back = source(f"background{suffix}.jpg")
        # The background, where no control covers it and where the hidden
        # entries would be; Picture1 shows it from its inner top-left.
        points = [(round(a * dpi / 96), round(b * dpi / 96))
                  for a, b in ((5, 5), (300, 30), (600, 20), (580, 400), (100, 430), (300, 380),
                               (200, 300), (450, 330))]
        for n in (4, 7, 8):
            bx, by, bw, bh = to_pixels(command_twips(n), dpi)
            points.append((form_x + bx + bw // 2 - pic_x, form_y + by + bh // 2 - pic_y))
            lx, ly, lw, lh = to_pixels(label_twips(n), dpi)
            points.append((lx + lw // 2, ly + lh // 2))
        for n in shown:  # just right of each label
            lx, ly, lw, lh = to_pixels(label_twips(n), dpi)
            points.append((lx + lw + 3, ly + lh // 2))
        compared = sum(same(pic_x + x, pic_y + y, back, x, y, f"background at ({x},{y})")
                       for x, y in points)
        check(compared >= len(points) // 2, f"only {compared} background points compared")

        # Each shown button's picture, centred on the face and cut off there.
        face_colours = set()
        for n in sorted(shown):
            image = source(f"button{n}{suffix}.png")
            bx, by, bw, bh = to_pixels(command_twips(n), dpi)
            opaque, clear = face_pixels(image, bw, bh)
            step = max(1, len(opaque) // 60)
            compared = sum(same(form_x + bx + fx, form_y + by + fy, image, ix, iy,
                                f"Command{n} picture pixel ({ix},{iy})")
                           for ix, iy, fx, fy in opaque[::step])
            check(compared >= 10, f"Command{n}: only {compared} picture pixels compared")
            if exact:
                for fx, fy in clear[::max(1, len(clear) // 20)]:
                    face_colours.add(shot.pixel(form_x + bx + fx, form_y + by + fy))
        # Where a button's picture is transparent the face shows: one light
        # colour, not black.
        if exact:
            check(len(face_colours) == 1 and min(next(iter(face_colours))) >= 150,
                  f"transparent parts of the buttons show {sorted(face_colours)[:5]}")

        # Labels: light cyan, with their caption's text at the top.
        for n in sorted(shown):
            lx, ly, lw, lh = to_pixels(label_twips(n), dpi)
            lx, ly = pic_x + lx, pic_y + ly
            for y in range(ly + lh // 2, ly + lh - 1, 3):
                for x in range(lx + 1, lx + lw - 1, 7):
                    check(shot.pixel(x, y) == LIGHT_CYAN,
                          f"Label{n} at ({x},{y}) shows {shot.pixel(x, y)}, not light cyan")
            ink = sum(1 for y in range(ly, ly + lh // 3) for x in range(lx, lx + lw // 2)
                      if shot.pixel(x, y) != LIGHT_CYAN)
            check(ink >= 20, f"Label{n} shows no text ({ink} pixels)")

    def demo_closes(self):
        self.s.keys(self.demo_window, "alt+F4")
        status = self.demo.wait_exit()
        check(status == 0, f"exit status {status} after closing, want 0")
        check(self.demo.errors().strip() == "", f"stderr: {self.demo.errors()!r}")

    # Failures ------------------------------------------------------------------

    def failure(self, name, prepare, number, text, detail):
        """The load step fails: an error box owned by nothing, one line on
        stderr, exit status 1, and the menu window never shown."""
        folder = lay_out_demo(self.work, f"fail-{name}", self.exe)
        detail = prepare(folder) or detail(folder)
        menu = Menu(self.s, folder)
        try:
            box = None
            deadline = time.monotonic() + 30
            while box is None and time.monotonic() < deadline:
                for window, title in self.s.app_windows():
                    if title == "discmenu":
                        box = window
                    elif title != "Default IME":
                        raise TestFailure(f"a window {title!r} was shown")
                if menu.process.poll() is not None:
                    raise TestFailure(f"exited {menu.process.returncode} without an error box")
                time.sleep(0.1)
            check(box is not None, "no error box titled 'discmenu'")
            time.sleep(0.3)
            texts = [w.text for w in self.s.inspect("discmenu") if w.cls.lower() == "static"]
            want = f"Run-time error {number}:\n\n{text}\n\n{detail}"
            check(any(t == want or (detail.endswith(": ") and t.startswith(want)) for t in texts),
                  f"the box says {texts}, want {want!r}")
            for window, title in self.s.app_windows():
                check(title in ("discmenu", "Default IME"), f"a window {title!r} was shown")
            self.s.keys(box, "Return")
            status = menu.wait_exit()
            check(status == 1, f"exit status {status}, want 1")
            line = menu.errors().strip()
            check(line.startswith(f"discmenu: error {number}: {text}: {detail}"),
                  f"stderr says {line!r}")
        finally:
            menu.stop()

    def failure_cases(self):
        def remove_ini(folder):
            (folder / "install.ini").unlink()

        def not_a_picture(folder):
            (folder / "menu" / "background.jpg").write_text("not a picture\n")

        def empty_button(folder):
            (folder / "menu" / "button3.png").write_bytes(b"")

        def short_ini(folder):
            (folder / "install.ini").write_text("1\r\n1\r\n")

        def folder_picture(folder):
            (folder / "menu" / "button8.png").unlink()
            (folder / "menu" / "button8.png").mkdir()

        def huge_picture(folder):
            # Only a header: a picture that is decoded before its size is
            # checked fails another way.
            header = struct.pack("<2sIHHIIiiHHIIiiII", b"BM", 54 + 64, 0, 0, 54, 40, 9000, 9000,
                                 1, 24, 0, 0, 2835, 2835, 0, 0)
            (folder / "menu" / "button1.png").write_bytes(header + bytes(64))

        ini = lambda f: windows_path(f / "install.ini")  # noqa: E731
        return [
            ("missing install.ini", remove_ini, 53, "File not found", ini),
            ("background not a picture", not_a_picture, 481, "Invalid picture",
             lambda f: windows_path(f / "menu" / "background.jpg") + ": "),
            ("empty button picture", empty_button, 481, "Invalid picture",
             lambda f: windows_path(f / "menu" / "button3.png") + ": the file is empty"),
            ("folder as button picture", folder_picture, 481, "Invalid picture",
             lambda f: windows_path(f / "menu" / "button8.png") +
             ": is a directory, not a picture file"),
            ("picture of 81 megapixels", huge_picture, 481, "Invalid picture",
             lambda f: windows_path(f / "menu" / "button1.png") +
             ": the picture is 9000 x 9000 pixels, more than the 64 megapixels a picture may have"),
            ("install.ini too short", short_ini, 62, "Input past end of file",
             lambda f: ini(f) + ": "),
        ]

    # Launching -----------------------------------------------------------------

    def start_launcher(self):
        """A menu whose targets are copies of marker.exe, one with a name in
        several scripts; entries 4, 7 and 8 hidden."""
        folder = lay_out_demo(self.work, "launch", self.exe)
        run = folder / "run"
        run.mkdir()
        names = ["\u542f\u52a8 \u00fc\u00df", "two", "three", "four", "five", "six", "seven",
                 "eight"]
        for name in names:
            shutil.copy(self.work / "marker.exe", run / f"{name}.exe")
        flags = ["1", "1", "1", "0", "1", "1", "0", "0"]
        captions = ["Install \u2013 \u542f\u52a8", "Docs & more", "Three", "Four", "Five", "Six",
                    "Seven", "Eight"]
        targets = [f"\\run\\{n}.exe" for n in names]
        # Every format a picture may have: PNG, GIF, BMP, TIFF, ICO, JPEG.
        menu = folder / "menu"
        convert = image_tool("convert")
        for n, ext in ((2, "gif"), (3, "bmp"), (5, "tif")):
            subprocess.run([convert, str(menu / f"button{n}.png"), "-background", "white",
                            "-flatten", str(menu / f"button{n}.{ext}")], check=True, timeout=60)
        shutil.copy(ROOT / "resources/icon/discmenu.ico", menu / "icon.ico")
        self.launch_pictures = {1: "button1.png", 2: "button2.gif", 3: "button3.bmp",
                                5: "button5.tif", 6: "icon.ico[4]"}
        pictures = ["\\menu\\background.jpg", "\\menu\\button1.png", "\\menu\\button2.gif",
                    "\\menu\\button3.bmp", "\\menu\\button4.png", "\\menu\\button5.tif",
                    "\\menu\\icon.ico", "\\menu\\button7.png", "\\menu\\button8.png"]
        write_ini(folder, flags + captions + targets + ["Launch test"] + pictures)
        self.launch_folder = folder
        self.launch_names = names
        self.launch_captions = captions
        self.launcher = Menu(self.s, folder)
        self.launch_window = self.launcher.wait_window("Launch test")

    def runs(self, n):
        marker = self.launch_folder / "run" / f"{self.launch_names[n - 1]}.exe.marker"
        return len(marker.read_text().splitlines()) if marker.exists() else 0

    def wait_runs(self, n, count, timeout=20):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if self.runs(n) >= count:
                return
            time.sleep(0.1)
        raise TestFailure(f"target {n} ran {self.runs(n)} times, want {count}")

    def all_runs(self):
        return [self.runs(n) for n in range(1, 9)]

    def picture_formats(self):
        """GIF, BMP, TIFF and ICO (its 32-pixel image, centred) as well as PNG."""
        shot = self.s.screenshot(self.work / "formats.png")
        x0, y0, _, _ = self.s.geometry(self.launch_window)
        for n, name in self.launch_pictures.items():
            image = load_image(f"{self.launch_folder / 'menu'}/{name}", 4)
            bx, by, bw, bh = to_pixels(command_twips(n), 96)
            opaque, _ = face_pixels(image, bw, bh)
            check(len(opaque) > 100, f"{name}: {len(opaque)} opaque pixels to compare")
            for ix, iy, fx, fy in opaque[::max(1, len(opaque) // 80)]:
                got, want = shot.pixel(x0 + bx + fx, y0 + by + fy), image.pixel(ix, iy)[:3]
                check(close(got, want, 2),
                      f"Command{n} ({name}) pixel ({ix},{iy}) shows {got}, want {want}")

    def click_opens_target(self):
        x0, y0, _, _ = self.s.geometry(self.launch_window)
        bx, by, bw, bh = to_pixels(command_twips(1), 96)
        self.s.click(x0 + bx + bw // 2, y0 + by + bh // 2)
        self.wait_runs(1, 1)
        time.sleep(0.5)
        check(self.all_runs() == [1, 0, 0, 0, 0, 0, 0, 0], f"runs {self.all_runs()}")

    def tab_skips_hidden_and_enter_presses(self):
        # The click left the focus on Command1: Tab goes 2, 3, 5 (4 is
        # hidden), 6; the other way round it would end on 3.
        self.s.keys(self.launch_window, "Tab", "Tab", "Tab", "Tab", "Return")
        self.wait_runs(6, 1)
        time.sleep(0.5)
        check(self.all_runs() == [1, 0, 0, 0, 0, 1, 0, 0], f"runs {self.all_runs()}")

    def shift_tab_and_space(self):
        # Back from 6: 5, then 3 past the hidden 4.
        self.s.keys(self.launch_window, "shift+Tab", "shift+Tab", "space")
        self.wait_runs(3, 1)
        time.sleep(0.5)
        check(self.all_runs() == [1, 0, 1, 0, 0, 1, 0, 0], f"runs {self.all_runs()}")

    def tab_reaches_picture1_then_wraps(self):
        # From 3: 5, 6, then past the hidden 7 and 8 to Picture1, where Enter
        # does nothing; one more Tab wraps to Command1.
        self.s.keys(self.launch_window, "Tab", "Tab", "Tab", "Return")
        time.sleep(1.5)
        check(self.all_runs() == [1, 0, 1, 0, 0, 1, 0, 0],
              f"Enter on Picture1 ran {self.all_runs()}")
        self.s.keys(self.launch_window, "Tab", "Return")
        self.wait_runs(1, 2)
        time.sleep(0.5)
        check(self.all_runs() == [2, 0, 1, 0, 0, 1, 0, 0], f"runs {self.all_runs()}")

    def launcher_names(self):
        windows = {w.id: w for w in self.s.inspect("Launch test")}
        for n in (1, 2):
            check(windows[200 + n].text == self.launch_captions[n - 1],
                  f"Label{n} says {windows[200 + n].text!r}")
            check(windows[100 + n].name == self.launch_captions[n - 1],
                  f"Command{n} is named {windows[100 + n].name!r}, want "
                  f"{self.launch_captions[n - 1]!r}")
        self.s.keys(self.launch_window, "alt+F4")
        check(self.launcher.wait_exit() == 0, "the menu did not exit with 0")
        self.launcher.stop()

    def start_focus(self):
        """With entry 1 hidden, the focus starts on Command2."""
        folder = lay_out_demo(self.work, "focus", self.exe)
        run = folder / "run"
        run.mkdir()
        for name in ("one", "two"):
            shutil.copy(self.work / "marker.exe", run / f"{name}.exe")
        flags = ["0", "1", "0", "0", "0", "0", "0", "0"]
        targets = ["\\run\\one.exe", "\\run\\two.exe"] + ["\\run\\none.exe"] * 6
        pictures = ["\\menu\\background.jpg"] + [f"\\menu\\button{n}.png" for n in range(1, 9)]
        # Not UTF-8: read in the system's ANSI code page (Windows-1252 here).
        captions = ["Entry 1", "Caf\u00e9 \u20ac 5"] + [f"Entry {n}" for n in range(3, 9)]
        items = flags + captions + targets + ["Focus test"] + pictures
        (folder / "install.ini").write_bytes(("\r\n".join(items) + "\r\n").encode("cp1252"))
        menu = Menu(self.s, folder)
        try:
            window = menu.wait_window("Focus test")
            label = {w.id: w for w in self.s.inspect("Focus test")}[202].text
            check(label == captions[1], f"Label2 says {label!r}, want {captions[1]!r}")
            self.s.keys(window, "Return")
            marker = run / "two.exe.marker"
            deadline = time.monotonic() + 20
            while not marker.exists() and time.monotonic() < deadline:
                time.sleep(0.1)
            check(marker.exists(), "Enter at start did not press Command2")
            check(not (run / "one.exe.marker").exists(), "the hidden Command1 was pressed")
            self.s.keys(window, "alt+F4")
            check(menu.wait_exit() == 0, "the menu did not exit with 0")
        finally:
            menu.stop()

    # Scaling -------------------------------------------------------------------

    def scaled(self, dpi):
        self.s.set_dpi(dpi)
        folder = lay_out_demo(self.work, f"demo-{dpi}", self.exe)
        menu = Menu(self.s, folder)
        try:
            self.demo_window = menu.wait_window(DEMO_TITLE)
            x, y, w, h = self.s.geometry(self.demo_window)
            want = (twips_to_pixels(FORM_CLIENT[0], dpi), twips_to_pixels(FORM_CLIENT[1], dpi))
            check((w, h) == want, f"client area {w}x{h} at {dpi} dpi, want {want}")
            self.check_layout(self.s.inspect(DEMO_TITLE), dpi)
            shot = self.s.screenshot(self.out / f"wine-demo-{dpi}.png")
            self.check_pictures(shot, dpi)
            self.s.keys(self.demo_window, "alt+F4")
            check(menu.wait_exit() == 0, "the menu did not exit with 0")
        finally:
            menu.stop()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--exe32", required=True)
    parser.add_argument("--exe64", required=True)
    parser.add_argument("--out", default=None, help="where screenshots go (default: beside exe64)")
    args = parser.parse_args()
    out_dir = Path(args.out or Path(args.exe64).parent)

    subprocess.run([str(ROOT / "scripts" / "install-deps.sh"), "base", "windows"], check=True)

    started = time.monotonic()
    passed, failed = [], []

    def run(name, test):
        t = time.monotonic()
        try:
            test()
        except Exception as e:  # one test's failure, whatever it is, is reported
            failed.append(name)
            print(f"FAIL {name}: {type(e).__name__}: {e}", flush=True)
            return False
        passed.append(name)
        print(f"ok   {name} ({time.monotonic() - t:.1f} s)", flush=True)
        return True

    for name, test in static_checks.static_tests(args.exe32, args.exe64):
        run(name, test)

    work = Path(tempfile.mkdtemp(prefix="discmenu-wine-"))
    session = Session(work)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    try:
        def boot():
            seconds = session.start()
            print(f"    wineboot took {seconds:.1f} s")

        if run("Xvfb and a fresh Wine prefix", boot) and run("helpers cross-built",
                                                              lambda: build_helpers(work)):
            t = WineTests(session, args.exe64, out_dir)
            if run("demo menu starts", t.start_demo):
                run("demo menu: title and client size 640x478", t.demo_title_and_size)
                run("demo menu: controls where the design puts them, front to back",
                    t.demo_layout)
                run("demo menu: captions, shown entries, accessible names", t.demo_accessibility)
                run("demo menu: screenshot shows the pictures and labels in place",
                    t.demo_pictures)
                run("demo menu: closes with status 0", t.demo_closes)
            if t.demo:
                t.demo.stop()
            for name, prepare, number, text, detail in t.failure_cases():
                run(f"failure: {name} -> error {number}, status 1, no menu window",
                    lambda p=prepare, n=number, x=text, d=detail, m=name:
                    t.failure(m.replace(" ", "-").replace(".", ""), p, n, x, d))
            if run("launch menu starts", t.start_launcher):
                run("GIF, BMP, TIFF and ICO pictures drawn like PNG", t.picture_formats)
                run("click on Command1 opens its Unicode-named target", t.click_opens_target)
                run("Tab skips the hidden Command4, Enter presses Command6",
                    t.tab_skips_hidden_and_enter_presses)
                run("Shift+Tab back past Command4 to Command3, Space presses it",
                    t.shift_tab_and_space)
                run("Tab passes hidden buttons to Picture1 (Enter does nothing), then wraps",
                    t.tab_reaches_picture1_then_wraps)
                run("labels and button names keep '&' and every script", t.launcher_names)
            if getattr(t, "launcher", None):
                t.launcher.stop()
            run("focus starts on the first shown button; ANSI install.ini", t.start_focus)
            run("150 %: window, layout and @2x pictures scale", lambda: t.scaled(144))
            run("200 %: window, layout and @2x pictures 1:1", lambda: t.scaled(192))
    finally:
        session.close()
        shutil.rmtree(work, ignore_errors=True)

    print(f"wine tests took {time.monotonic() - started:.1f} s")
    print(f"{len(passed)} passed, {len(failed)} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
