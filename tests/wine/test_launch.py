"""Clicks and keys under Wine: each must open the configured target (a copy of
marker.exe, which counts its runs) and nothing else, along the tab order
and from the first focus. The launch menu also shows every picture format
and every script its captions are in."""

import shutil
import subprocess
import time

from common import ROOT, TestFailure, Tests, check
from design import command_twips, to_pixels
from images import close, face_pixels, image_tool, load_image
from wine_session import Menu, lay_out_demo, write_ini


def copy_markers(wine, folder, names):
    """folder/run/<name>.exe for each of `names`: copies of marker.exe."""
    run = folder / "run"
    run.mkdir()
    for name in names:
        shutil.copy(wine.work / "marker.exe", run / f"{name}.exe")
    return run


class LaunchMenu:
    """The launch menu, started by the first test; the others click and
    press keys on it in turn, each starting where the one before left the
    focus."""

    tests = Tests()

    def __init__(self, wine):
        self.wine = wine
        self.s = wine.session
        self.menu = None

    def stop(self):
        if self.menu:
            self.menu.stop()

    @tests.add("launch menu starts")
    def start(self):
        """A menu whose targets are copies of marker.exe, one with a name in
        several scripts; entries 4, 7 and 8 hidden."""
        folder = lay_out_demo(self.wine.work, "launch", self.wine.exe)
        names = ["\u542f\u52a8 \u00fc\u00df", "two", "three", "four", "five", "six", "seven",
                 "eight"]
        copy_markers(self.wine, folder, names)
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
        self.button_pictures = {1: "button1.png", 2: "button2.gif", 3: "button3.bmp",
                                5: "button5.tif", 6: "icon.ico[4]"}
        pictures = ["\\menu\\background.jpg", "\\menu\\button1.png", "\\menu\\button2.gif",
                    "\\menu\\button3.bmp", "\\menu\\button4.png", "\\menu\\button5.tif",
                    "\\menu\\icon.ico", "\\menu\\button7.png", "\\menu\\button8.png"]
        write_ini(folder, flags + captions + targets + ["Launch test"] + pictures)
        self.folder = folder
        self.target_names = names
        self.captions = captions
        self.menu = Menu(self.s, folder)
        self.window = self.menu.wait_window("Launch test")

    def runs(self, n):
        marker = self.folder / "run" / f"{self.target_names[n - 1]}.exe.marker"
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

    def expect_runs(self, n, want):
        """Waits for target n to reach its count in `want`, then, half a
        second later for a stray start to show, checks every count."""
        self.wait_runs(n, want[n - 1])
        time.sleep(0.5)
        check(self.all_runs() == want, f"runs {self.all_runs()}")

    @tests.add("GIF, BMP, TIFF and ICO pictures drawn like PNG")
    def picture_formats(self):
        """GIF, BMP, TIFF and ICO (its 32-pixel image, centred) as well as PNG."""
        shot = self.s.screenshot(self.wine.work / "formats.png")
        x0, y0, _, _ = self.s.geometry(self.window)
        for n, name in self.button_pictures.items():
            image = load_image(f"{self.folder / 'menu'}/{name}", 4)
            bx, by, bw, bh = to_pixels(command_twips(n), 96)
            opaque, _ = face_pixels(image, bw, bh)
            check(len(opaque) > 100, f"{name}: {len(opaque)} opaque pixels to compare")
            for ix, iy, fx, fy in opaque[::max(1, len(opaque) // 80)]:
                got, want = shot.pixel(x0 + bx + fx, y0 + by + fy), image.pixel(ix, iy)[:3]
                check(close(got, want, 2),
                      f"Command{n} ({name}) pixel ({ix},{iy}) shows {got}, want {want}")

    @tests.add("click on Command1 opens its Unicode-named target")
    def click_opens_target(self):
        x0, y0, _, _ = self.s.geometry(self.window)
        bx, by, bw, bh = to_pixels(command_twips(1), 96)
        self.s.click(x0 + bx + bw // 2, y0 + by + bh // 2)
        self.expect_runs(1, [1, 0, 0, 0, 0, 0, 0, 0])

    @tests.add("Tab skips the hidden Command4, Enter presses Command6")
    def tab_skips_hidden_and_enter_presses(self):
        # The click left the focus on Command1: Tab goes 2, 3, 5 (4 is
        # hidden), 6; the other way round it would end on 3.
        self.s.keys(self.window, "Tab", "Tab", "Tab", "Tab", "Return")
        self.expect_runs(6, [1, 0, 0, 0, 0, 1, 0, 0])

    @tests.add("Shift+Tab back past Command4 to Command3, Space presses it")
    def shift_tab_and_space(self):
        # Back from 6: 5, then 3 past the hidden 4.
        self.s.keys(self.window, "shift+Tab", "shift+Tab", "space")
        self.expect_runs(3, [1, 0, 1, 0, 0, 1, 0, 0])

    @tests.add("Tab passes hidden buttons to Picture1 (Enter does nothing), then wraps")
    def tab_reaches_picture1_then_wraps(self):
        # From 3: 5, 6, then past the hidden 7 and 8 to Picture1, where Enter
        # does nothing; one more Tab wraps to Command1.
        self.s.keys(self.window, "Tab", "Tab", "Tab", "Return")
        time.sleep(1.5)
        check(self.all_runs() == [1, 0, 1, 0, 0, 1, 0, 0],
              f"Enter on Picture1 ran {self.all_runs()}")
        self.s.keys(self.window, "Tab", "Return")
        self.expect_runs(1, [2, 0, 1, 0, 0, 1, 0, 0])

    @tests.add("labels and button names keep '&' and every script")
    def labels_and_button_names(self):
        windows = self.s.controls("Launch test")
        for n in (1, 2):
            check(windows[200 + n].text == self.captions[n - 1],
                  f"Label{n} says {windows[200 + n].text!r}")
            check(windows[100 + n].name == self.captions[n - 1],
                  f"Command{n} is named {windows[100 + n].name!r}, want "
                  f"{self.captions[n - 1]!r}")
        self.menu.close(self.window)


TESTS = Tests()


@TESTS.add("focus starts on the first shown button; ANSI install.ini")
def focus_starts_on_first_shown(wine):
    """With entry 1 hidden, the focus starts on Command2."""
    folder = lay_out_demo(wine.work, "focus", wine.exe)
    run = copy_markers(wine, folder, ("one", "two"))
    flags = ["0", "1", "0", "0", "0", "0", "0", "0"]
    targets = ["\\run\\one.exe", "\\run\\two.exe"] + ["\\run\\none.exe"] * 6
    pictures = ["\\menu\\background.jpg"] + [f"\\menu\\button{n}.png" for n in range(1, 9)]
    # Not UTF-8: read in the system's ANSI code page (Windows-1252 here).
    captions = ["Entry 1", "Caf\u00e9 \u20ac 5"] + [f"Entry {n}" for n in range(3, 9)]
    write_ini(folder, flags + captions + targets + ["Focus test"] + pictures, "cp1252")
    session = wine.session
    with Menu(session, folder) as menu:
        window = menu.wait_window("Focus test")
        label = session.controls("Focus test")[202].text
        check(label == captions[1], f"Label2 says {label!r}, want {captions[1]!r}")
        session.keys(window, "Return")
        marker = run / "two.exe.marker"
        deadline = time.monotonic() + 20
        while not marker.exists() and time.monotonic() < deadline:
            time.sleep(0.1)
        check(marker.exists(), "Enter at start did not press Command2")
        check(not (run / "one.exe.marker").exists(), "the hidden Command1 was pressed")
        menu.close(window)


@TESTS.add("a Big5 install.ini that passes for UTF-8 is read in the ANSI code page")
def big5_that_passes_for_utf8(wine):
    """翻譯 in Big5 is C2 BD C4 B6, valid UTF-8 for "½Ķ": on a Traditional
    Chinese system (code page 950) the title is 翻譯."""
    folder = lay_out_demo(wine.work, "big5", wine.exe)
    flags = ["1"] + ["0"] * 7
    captions = [f"Entry {n}" for n in range(1, 9)]
    targets = ["\\run\\none.exe"] * 8
    pictures = ["\\menu\\background.jpg"] + [f"\\menu\\button{n}.png" for n in range(1, 9)]
    title = "\u7ffb\u8b6f"
    write_ini(folder, flags + captions + targets + [title] + pictures, "big5")
    session = wine.session
    with Menu(session, folder, env={"LANG": "zh_TW.UTF-8", "LC_ALL": "zh_TW.UTF-8"}) as menu:
        # xdotool's search by name cannot match a title beyond Latin-1: the
        # menu's window is found by its class, its title read back.
        window = menu.wait_window(r"discmenu\.exe", search="--class")
        name = session.run(["xdotool", "getwindowname", str(window)]).stdout.strip()
        check(name == title, f"the title is {name!r}, want {title!r}")
        menu.close(window)
