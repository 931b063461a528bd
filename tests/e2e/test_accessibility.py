"""What a screen reader learns of the menu over AT-SPI, on a private D-Bus
session of the test's own: the window is a window named by its title, the
buttons are named by their labels, and the background, which takes the
focus, is a picture with a name a listener understands."""

import json
import os
import subprocess
import unittest

from xsession import EXE, MenuFolder, XTestCase

PROBE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "atspi_probe.py")


class AccessibilityTest(XTestCase):
    def probe(self, env=None):
        folder = MenuFolder()
        self.addCleanup(folder.remove)
        # The menu and the probe share a D-Bus session that ends with them.
        script = (f"QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 '{folder.exe}' >/dev/null 2>&1 & "
                  f"/usr/bin/python3 '{PROBE}' discmenu; status=$?; kill $!; exit $status")
        result = subprocess.run(["dbus-run-session", "--", "sh", "-c", script],
                                env=dict(self.x.env, **(env or {})), capture_output=True,
                                text=True, timeout=60, cwd=folder.dir)
        self.assertEqual(result.returncode, 0, result.stderr)
        # The registry daemon says it runs on the same output: the probe's
        # answer is the last line.
        return json.loads(result.stdout.strip().splitlines()[-1])

    def test_roles_and_names(self):
        app = self.probe()
        window = app["children"][0]
        self.assertEqual((window["role"], window["name"]), ("frame", "Aurora Studio 5 Setup"))
        picture1 = next(c for c in window["children"] if c["focusable"] and c["role"] != "push button")
        self.assertEqual((picture1["role"], picture1["name"]), ("image", "Background picture"))
        shown = [c["name"] for c in window["children"]
                 if c["role"] == "push button" and c["showing"]]
        self.assertEqual(shown, ["Install Aurora Studio", "Read the user manual",
                                 "Browse the disc", "Release notes", "Run the setup check"])

    def test_names_in_the_users_language(self):
        app = self.probe({"LANG": "de_DE.UTF-8", "LC_ALL": ""})
        window = app["children"][0]
        names = [c["name"] for c in window["children"] if c["role"] == "image"]
        self.assertEqual(names, ["Hintergrundbild"])


if __name__ == "__main__":
    unittest.main()
