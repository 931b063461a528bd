"""The menu starts on its install.ini, or ends with the error report and no window."""

import os
import stat
import subprocess
import time
import unittest

from xsession import OUT, MapWatch, Menu, MenuFolder, XTestCase, wait_until

CYAN = (128, 255, 255)
TITLE = "Aurora Studio 5 Setup"


def demo_items():
    with open(os.path.join(os.environ.get("DISCMENU_DEMO", "examples/demo"), "install.ini"),
              encoding="utf-8") as f:
        return f.read().splitlines()


class StartupTest(XTestCase):
    def setUp(self):
        self.folder = MenuFolder()

    def tearDown(self):
        self.folder.remove()

    def start(self, env=None):
        menu = Menu(self.x, self.folder, env)
        self.addCleanup(menu.kill)
        return menu

    def test_demo_window_is_titled_and_laid_out(self):
        menu = self.start()
        window = self.x.wait_window("--name", "^" + TITLE + "$")
        self.assertEqual(self.x.name(window), TITLE)
        x, y, width, height = self.x.geometry(window)
        self.assertEqual((width, height), (640, 478))
        # Label 1's lower right corner is light cyan once the window is painted.
        shot = self.x.painted_screenshot(os.path.join(OUT, "demo-100.png"),
                                         x + 2 + 96 + 200, y + 2 + 64 + 60, CYAN)
        # Shown entries 1, 2, 3, 5, 6 have light-cyan labels; 4, 7, 8 are hidden.
        for n, shown in [(1, True), (2, True), (3, True), (4, False), (5, True), (6, True),
                         (7, False), (8, False)]:
            col, row = (n - 1) // 4, (n - 1) % 4
            lx, ly = x + 2 + 96 + 296 * col + 200, y + 2 + 64 + 80 * row + 60
            self.assertEqual(self.x.pixel(shot, lx, ly) == CYAN, shown, f"Label{n}")
        self.assertIsNone(menu.proc.poll())

    def test_demo_at_200_percent_keeps_the_composition(self):
        self.start(env=dict(self.x.env, QT_SCALE_FACTOR="2"))
        window = self.x.wait_window("--name", "^" + TITLE + "$")
        x, y, width, height = self.x.geometry(window)
        self.assertEqual((width, height), (1280, 956))
        shot = self.x.painted_screenshot(os.path.join(OUT, "demo-200.png"),
                                         x + 2 * (2 + 96 + 200), y + 2 * (2 + 64 + 60), CYAN)
        # Label 1 spans 2 x (96..309, 64..129) inside the 2-pixel border.
        self.assertEqual(self.x.pixel(shot, x + 2 * (2 + 96) + 2, y + 2 * (2 + 129) - 3), CYAN)
        self.assertEqual(self.x.pixel(shot, x + 2 * (2 + 309) - 3, y + 2 * (2 + 66)), CYAN)
        self.assertNotEqual(self.x.pixel(shot, x + 2 * (2 + 309) + 3, y + 2 * (2 + 66)), CYAN)

    def test_captions_start_at_the_left_in_either_direction(self):
        # Hebrew, Arabic and English: each reads in its own direction, and
        # each starts at the label's top-left corner, as on Windows.
        items = demo_items()
        items[8:11] = ["\u05e9\u05dc\u05d5\u05dd", "\u0645\u0631\u062d\u0628\u0627", "Hello"]
        self.folder.write_ini(items)
        self.start()
        x, y, _, _ = self.x.geometry(self.x.wait_window("--name", "^" + TITLE + "$"))
        shot = self.x.painted_screenshot(os.path.join(OUT, "captions-both-directions.png"),
                                         x + 2 + 96 + 200, y + 2 + 64 + 60, CYAN)
        for row in range(3):
            left, top = x + 2 + 96, y + 2 + 64 + 80 * row
            halves = [self.x.colours(shot, left + 106 * half, top, 106, 20) for half in (0, 1)]
            self.assertGreater(halves[0], 1, items[8 + row])
            self.assertEqual(halves[1], 1, items[8 + row])

    def test_a_folder_name_in_another_encoding(self):
        # An archive unpacked from Windows, a stick mounted as Latin-1: the
        # folder's name is not UTF-8. The menu is the folder's own.
        self.folder.remove()
        self.folder = MenuFolder(name=b"caf\xe9")
        self.start()
        self.x.wait_window("--name", "^" + TITLE + "$")

    def test_big5_that_passes_for_utf8_on_a_traditional_chinese_system(self):
        # 翻譯 in Big5 is C2 BD C4 B6, valid UTF-8 for "½Ķ".
        items = demo_items()
        items[24] = "\u7ffb\u8b6f"
        with open(self.folder.path("install.ini"), "wb") as f:
            f.write(("\r\n".join(items) + "\r\n").encode("big5"))
        self.start(env=dict(self.x.env, LANG="zh_TW.UTF-8", LC_ALL="", LC_CTYPE=""))
        window = self.x.wait_window("--class", "^discmenu$")
        self.assertEqual(wait_until(lambda: self.x.name(window) == items[24] or None), True)

    def test_arguments_are_ignored_and_two_starts_give_two_windows(self):
        first = self.start()
        # Arguments that the toolkit itself would act on reach nobody.
        second = Menu(self.x, self.folder, args=("-platform", "offscreen", "--help"), cwd="/")
        self.addCleanup(second.kill)
        windows = wait_until(lambda: len(self.x.windows("--name", "^" + TITLE + "$")) == 2
                             and self.x.windows("--name", "^" + TITLE + "$"))
        self.assertEqual(len(windows or []), 2)
        self.assertIsNone(first.proc.poll())

    def test_closing_the_window_ends_the_program(self):
        menu = self.start()
        window = self.x.wait_window("--name", "^" + TITLE + "$")
        self.x.close_window(window)
        self.assertIsNotNone(wait_until(lambda: menu.proc.poll() is not None, 10))
        self.assertEqual(menu.proc.returncode, 0)

    def test_display_going_away_ends_the_program_with_one_line(self):
        menu = self.start()
        window = self.x.wait_window("--name", "^" + TITLE + "$")
        self.x.run("xdotool", "windowkill", str(window))  # the server drops the connection
        code, _, err = menu.wait()
        self.assertEqual(code, 1)
        self.assertTrue(err.startswith("discmenu: cannot show the menu window: "), err)
        self.assertEqual(err.count("\n"), 1)


class FailureTest(XTestCase):
    """Each failure shows the report, ends with status 1 and never maps the menu."""

    def setUp(self):
        self.folder = MenuFolder()

    def tearDown(self):
        self.folder.remove()

    def expect_report(self, line, env=None, screenshot=None):
        watch = MapWatch(self.x)
        menu = Menu(self.x, self.folder, env=dict(self.x.env, **(env or {})))
        self.addCleanup(menu.kill)
        box = self.x.wait_window("--name", "^discmenu$")
        if screenshot:
            time.sleep(0.5)  # painted
            self.x.screenshot(os.path.join(OUT, screenshot))
        self.x.focus(box)
        self.x.key("Return")
        code, _, err = menu.wait()
        mapped = watch.stop()
        self.assertEqual(code, 1)
        self.assertEqual(err, "discmenu: " + line + "\n")
        self.assertEqual(mapped, {hex(box)}, "only the message box was ever mapped")

    def test_missing_install_ini(self):
        os.remove(self.folder.path("install.ini"))
        self.expect_report(f"error 53: File not found: {self.folder.dir}/install.ini")

    def test_missing_install_ini_in_traditional_chinese(self):
        # The user's language: the box and the line, the file's name as it is.
        os.remove(self.folder.path("install.ini"))
        self.expect_report(f"\u932f\u8aa4 53: \u627e\u4e0d\u5230\u6a94\u6848: "
                           f"{self.folder.dir}/install.ini",
                           env={"LANG": "zh_TW.UTF-8", "LC_ALL": ""},
                           screenshot="error-zh_TW.png")

    def test_missing_install_ini_in_a_folder_named_in_another_encoding(self):
        self.folder.remove()
        self.folder = MenuFolder(name=b"caf\xe9")
        os.remove(self.folder.path("install.ini"))
        shown = self.folder.shown(self.folder.path("install.ini"))
        self.assertIn("caf\\xE9/install.ini", shown)
        self.expect_report(f"error 53: File not found: {shown}")

    def test_unreadable_install_ini(self):
        os.remove(self.folder.path("install.ini"))
        os.mkdir(self.folder.path("install.ini"))
        self.expect_report(
            f"error 75: Path/File access error: {self.folder.dir}/install.ini: is a directory")

    def test_short_install_ini(self):
        self.folder.write_ini(demo_items()[:33])
        self.expect_report(f"error 62: Input past end of file: {self.folder.dir}/install.ini: "
                           "item 34 (ButtonPicture8) is missing: the file ends after 33 of the "
                           "34 items")

    def test_show_flag_that_is_a_word(self):
        items = demo_items()
        items[2] = "yes"
        self.folder.write_ini(items)
        self.expect_report(
            f"error 13: Type mismatch: {self.folder.dir}/install.ini: item 3 (ShowFlag3) is "
            "the text \"yes\", which is not a number: write 1 to show entry 3 or 0 to hide it")

    def test_hidden_entry_with_a_broken_picture(self):
        with open(self.folder.path("menu", "button8.png"), "w") as f:
            f.write("not a picture")
        self.expect_report(f"error 481: Invalid picture: {self.folder.dir}/menu/button8.png: "
                           "not a picture file that can be read")

    def test_empty_picture_field(self):
        items = demo_items()
        items[25] = ""
        self.folder.write_ini(items)
        self.expect_report(f"error 481: Invalid picture: {self.folder.dir}: is a directory, "
                           "not a picture file")


class NoDisplayTest(unittest.TestCase):
    def test_no_display_is_one_line_and_a_failure(self):
        folder = MenuFolder()
        self.addCleanup(folder.remove)
        env = {k: v for k, v in os.environ.items()
               if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        result = subprocess.run([folder.exe], env=env, capture_output=True, text=True,
                                timeout=30)
        self.assertEqual(result.returncode, 1)
        self.assertEqual(result.stderr.count("\n"), 1)
        self.assertTrue(result.stderr.startswith("discmenu: cannot show the menu window"))

    def test_unreachable_display_is_one_line_and_a_failure(self):
        folder = MenuFolder()
        self.addCleanup(folder.remove)
        env = dict(os.environ, DISPLAY=":9876")
        env.pop("QT_QPA_PLATFORM", None)
        result = subprocess.run([folder.exe], env=env, capture_output=True, text=True,
                                timeout=30)
        self.assertEqual(result.returncode, 1)
        self.assertTrue(result.stderr.startswith("discmenu: cannot show the menu window"),
                        result.stderr)
        self.assertNotIn("core dumped", result.stderr)


if __name__ == "__main__":
    unittest.main()
