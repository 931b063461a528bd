"""Clicks and key presses on the real menu reach the desktop's opener."""

import os
import time
import unittest

from xsession import FakeOpener, Menu, MenuFolder, XTestCase, wait_until

TITLE = "Aurora Studio 5 Setup"


class LaunchTest(XTestCase):
    def setUp(self):
        self.folder = MenuFolder()
        self.opener = FakeOpener()
        self.addCleanup(self.folder.remove)
        self.addCleanup(self.opener.remove)

    def start(self, env_extra=None):
        env = self.opener.env(self.x.env)
        env.update(env_extra or {})
        menu = Menu(self.x, self.folder, env)
        self.addCleanup(menu.kill)
        window = self.x.wait_window("--name", "^" + TITLE + "$")
        return menu, window

    def centre(self, n):
        col, row = (n - 1) // 4, (n - 1) % 4
        return 24 + 296 * col + 33, 64 + 80 * row + 32

    def test_click_runs_a_program_directly(self):
        menu, window = self.start()
        self.x.click(window, *self.centre(1))
        # \setup\install.sh is executable: it runs itself and shows its dialog.
        dialog = self.x.wait_window("--class", "Xmessage")
        self.assertTrue(dialog)
        self.assertEqual(self.opener.calls(), [])
        # The menu stays responsive, and the program outlives the menu.
        self.x.close_window(window)
        self.assertIsNotNone(wait_until(lambda: menu.proc.poll() is not None, 10))
        time.sleep(0.3)
        self.assertTrue(self.x.windows("--class", "Xmessage"))
        self.x.run("pkill", "-f", "xmessage -center -title " + TITLE, check=False)

    def test_click_opens_documents_and_folders_with_the_opener(self):
        menu, window = self.start()
        for n, target in [(2, "docs/manual.html"), (3, "extras"), (5, "docs/release-notes.txt")]:
            self.x.click(window, *self.centre(n))
            calls = self.opener.wait_calls(1)
            self.assertEqual(calls, [[self.folder.path(*target.split("/"))]], f"Command{n}")
            for f in os.listdir(self.opener.dir):
                if f.startswith("open."):
                    os.remove(os.path.join(self.opener.dir, f))
        self.assertEqual(menu.zombies(), 0)

    def test_keyboard_follows_the_tab_order(self):
        # Entries 1, 2, 3, 5 and 6 are shown; the focus starts on Command1.
        cases = [
            (["Tab"], "space", "docs/manual.html"),                 # Command2
            (["Tab", "Tab"], "Return", "extras"),                   # Command3
            (["Tab"] * 3, "space", "docs/release-notes.txt"),       # Command5
            (["Tab"] * 7, "KP_Enter", "docs/manual.html"),          # Picture1, Command1, 2
            (["shift+Tab"] * 3, "space", "docs/release-notes.txt"), # Picture1, 6, 5
        ]
        for tabs, press, target in cases:
            with self.subTest(keys=tabs + [press]):
                menu, window = self.start()
                self.x.focus(window)
                self.x.key(*tabs, press)
                calls = self.opener.wait_calls(1)
                self.assertEqual(calls, [[self.folder.path(*target.split("/"))]])
                menu.kill()
                for f in os.listdir(self.opener.dir):
                    if f.startswith("open."):
                        os.remove(os.path.join(self.opener.dir, f))

    def test_missing_target_gets_the_shells_message_and_the_menu_stays(self):
        os.remove(self.folder.path("docs", "manual.html"))
        menu, window = self.start()
        self.x.click(window, *self.centre(2))
        # The message carries the menu's title and is owned by its window.
        boxes = wait_until(lambda: len(self.x.windows("--name", "^" + TITLE + "$")) == 2)
        self.assertTrue(boxes, "a message owned by the menu window")
        box = [w for w in self.x.windows("--name", "^" + TITLE + "$") if w != window][0]
        transient = self.x.run("xprop", "-id", str(box), "WM_TRANSIENT_FOR")
        self.assertIn(hex(window), transient)
        self.assertEqual(self.opener.calls(), [])
        self.assertIsNone(menu.proc.poll())
        # Once the message is dismissed, the menu works as before.
        self.x.focus(box)
        self.x.key("Return")
        wait_until(lambda: len(self.x.windows("--name", "^" + TITLE + "$")) == 1)
        self.x.click(window, *self.centre(3))
        self.assertEqual(self.opener.wait_calls(1), [[self.folder.path("extras")]])

    def test_hung_opener_never_blocks_and_leaves_no_zombie(self):
        menu, window = self.start({"OPENER_SLEEP": "60"})
        for _ in range(20):
            self.x.click(window, *self.centre(2))
        calls = self.opener.wait_calls(20, timeout=20)
        self.assertEqual(len(calls), 20)
        self.assertEqual(menu.zombies(), 0)
        self.x.close_window(window)
        self.assertIsNotNone(wait_until(lambda: menu.proc.poll() is not None, 10))


if __name__ == "__main__":
    unittest.main()
