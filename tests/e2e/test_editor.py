"""discmenu-editor driven as an author drives it, on a copy of the demo: a
click selects a button on the menu's window, typing changes its caption,
Ctrl+S writes exactly that item's bytes, one Ctrl+Z takes back the whole
word typed, the title marks unsaved changes and closing with changes asks.
Where things are is learnt over AT-SPI, which also has to name every
control that takes the focus, the menu's own controls on the canvas too."""

import json
import os
import shutil
import subprocess
import tempfile
import time

from xsession import DEMO, OUT, XTestCase, wait_until

EDITOR = os.environ.get("DISCMENU_EDITOR", "build/discmenu-editor")
PROBE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "atspi_probe.py")


def nodes(tree):
    yield tree
    for child in tree["children"]:
        yield from nodes(child)


def centre(node):
    x, y, w, h = node["extents"]
    return str(x + w // 2), str(y + h // 2)


class EditorTest(XTestCase):
    def start(self):
        """The editor on a copy of the demo."""
        self.folder = tempfile.mkdtemp(prefix="discmenu-editor-")
        shutil.copytree(DEMO, self.folder, dirs_exist_ok=True)
        self.ini = os.path.join(self.folder, "install.ini")
        with open(self.ini, "rb") as f:
            self.original = f.read()
        self.addCleanup(shutil.rmtree, self.folder)
        # A session bus of the test's own, for AT-SPI.
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True,
                               env=self.x.env)
        self.addCleanup(bus.stdout.close)
        self.addCleanup(bus.wait)
        self.addCleanup(bus.terminate)
        self.env = dict(self.x.env, DBUS_SESSION_BUS_ADDRESS=bus.stdout.readline().strip(),
                        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.editor = subprocess.Popen([EDITOR, self.folder], env=self.env,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(self.editor.wait, 10)
        self.addCleanup(self.editor.kill)
        self.window = self.x.wait_window("--name", "discmenu-editor")

    def probe(self):
        result = subprocess.run(["/usr/bin/python3", PROBE, "discmenu-editor", "12"],
                                env=self.env, capture_output=True, text=True, timeout=60)
        self.assertEqual(result.returncode, 0, result.stderr)
        return json.loads(result.stdout.strip().splitlines()[-1])

    def command1(self, tree):
        """Command1 as the canvas tells a screen reader of it."""
        canvas = next(n for n in nodes(tree) if n["name"] == "Menu window")
        return canvas["children"][1]

    def title(self):
        return self.x.name(self.window)

    def wait_title(self, modified):
        self.assertTrue(wait_until(lambda: ("*" in self.title()) == modified),
                        f"title {self.title()!r}")

    def on_disk(self):
        with open(self.ini, "rb") as f:
            return f.read()

    def test_select_type_save_undo(self):
        self.start()
        tree = self.probe()
        focusable = [n for n in nodes(tree) if n["focusable"] and n["showing"]]
        self.assertGreater(len(focusable), 5)
        self.assertEqual([n["role"] for n in focusable if not n["name"]], [])
        # The window, then each entry's button and label, as the menu names them.
        canvas = next(n for n in nodes(tree) if n["name"] == "Menu window")
        self.assertEqual([(n["role"], n["name"]) for n in canvas["children"][:3]],
                         [("image", "Aurora Studio 5 Setup"), ("push button", "Install Aurora Studio"),
                          ("label", "Install Aurora Studio")])
        self.assertEqual(len(canvas["children"]), 17)
        self.assertEqual([n["showing"] for n in canvas["children"][1::2]],
                         [True, True, True, False, True, True, False, False])
        self.x.run("xdotool", "mousemove", *centre(self.command1(tree)), "click", "1")
        self.wait_title(False)
        self.x.run("xdotool", "type", "--delay", "60", " now")
        self.wait_title(True)
        self.x.key("ctrl+s")
        self.wait_title(False)
        expected = self.original.replace(b"Install Aurora Studio\n", b"Install Aurora Studio now\n", 1)
        self.assertNotEqual(expected, self.original)
        self.assertTrue(wait_until(lambda: self.on_disk() == expected), self.on_disk()[:200])
        os.makedirs(OUT, exist_ok=True)
        self.x.screenshot(os.path.join(OUT, "editor.png"))

        # One step takes back all four characters.
        self.x.key("ctrl+z")
        self.wait_title(True)
        self.x.key("ctrl+s")
        self.assertTrue(wait_until(lambda: self.on_disk() == self.original))

        # Closing with changes asks, and Cancel keeps the editor and the edit.
        self.x.run("xdotool", "type", "!")
        self.wait_title(True)
        self.x.close_window(self.window)
        self.x.wait_window("--name", "Unsaved changes")
        self.x.key("Escape")
        time.sleep(0.5)
        self.assertIsNone(self.editor.poll())
        self.assertEqual(self.on_disk(), self.original)

    def test_a_file_changed_on_disk_is_noticed_and_reloaded(self):
        self.start()
        command1 = self.command1(self.probe())
        theirs = self.original.replace(b"Install Aurora Studio\n", b"Theirs\n", 1)
        # Written as another editor writes: a new file renamed into place.
        with open(self.ini + ".new", "wb") as f:
            f.write(theirs)
        os.rename(self.ini + ".new", self.ini)
        reload = wait_until(lambda: [n for n in nodes(self.probe())
                                     if n["name"] == "Reload the file from disk" and n["showing"]])
        self.assertTrue(reload, "no bar for the changed file")
        self.x.run("xdotool", "mousemove", *centre(reload[0]), "click", "1")
        self.x.run("xdotool", "mousemove", *centre(command1), "click", "1")
        self.x.run("xdotool", "type", "--delay", "60", "!")
        self.wait_title(True)
        self.x.key("ctrl+s")
        expected = theirs.replace(b"Theirs\n", b"Theirs!\n", 1)
        self.assertTrue(wait_until(lambda: self.on_disk() == expected), self.on_disk()[:200])

    def test_starts_no_session_bus_of_its_own(self):
        """With no bus in the session the D-Bus library would start one for
        the display (dbus-launch), which outlives the editor."""
        def launchers():
            return set(subprocess.run(["pgrep", "-x", "dbus-launch"], capture_output=True,
                                      text=True).stdout.split())
        before = launchers()
        runtime = tempfile.mkdtemp(prefix="discmenu-editor-rt-")
        self.addCleanup(shutil.rmtree, runtime)
        env = dict(self.x.env, XDG_RUNTIME_DIR=runtime)
        env.pop("DBUS_SESSION_BUS_ADDRESS")
        editor = subprocess.Popen([EDITOR, DEMO], env=env, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL)
        self.addCleanup(editor.wait, 10)
        self.addCleanup(editor.kill)
        self.x.close_window(self.x.wait_window("--name", "discmenu-editor"))
        self.assertEqual(editor.wait(timeout=20), 0)
        started = launchers() - before
        for pid in started:
            subprocess.run(["kill", pid])
        self.assertEqual(started, set())


if __name__ == "__main__":
    import unittest
    unittest.main()
