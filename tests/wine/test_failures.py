"""Failures while the menu loads under Wine: each shows the error box, writes
one line on stderr and ends with status 1, and no menu window appears."""

import struct
import time
from functools import partial

from common import TestFailure, Tests, check
from wine_session import Menu, lay_out_demo, windows_path


def failure(wine, name, prepare, number, text, detail):
    """The load step fails: an error box owned by nothing, one line on
    stderr, exit status 1, and the menu window never shown."""
    folder = lay_out_demo(wine.work, f"fail-{name}", wine.exe)
    detail = prepare(folder) or detail(folder)
    session = wine.session
    with Menu(session, folder) as menu:
        box = None
        deadline = time.monotonic() + 30
        while box is None and time.monotonic() < deadline:
            for window, title in session.app_windows():
                if title == "discmenu":
                    box = window
                elif title != "Default IME":
                    raise TestFailure(f"a window {title!r} was shown")
            if menu.process.poll() is not None:
                raise TestFailure(f"exited {menu.process.returncode} without an error box")
            time.sleep(0.1)
        check(box is not None, "no error box titled 'discmenu'")
        time.sleep(0.3)
        texts = [w.text for w in session.inspect("discmenu") if w.cls.lower() == "static"]
        want = f"Run-time error {number}:\n\n{text}\n\n{detail}"
        check(any(t == want or (detail.endswith(": ") and t.startswith(want)) for t in texts),
              f"the box says {texts}, want {want!r}")
        for window, title in session.app_windows():
            check(title in ("discmenu", "Default IME"), f"a window {title!r} was shown")
        session.keys(box, "Return")
        status = menu.wait_exit()
        check(status == 1, f"exit status {status}, want 1")
        line = menu.errors().strip()
        check(line.startswith(f"discmenu: error {number}: {text}: {detail}"),
              f"stderr says {line!r}")


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


def ini(folder):
    return windows_path(folder / "install.ini")


# (name, prepare(folder), error number, error text, detail(folder))
CASES = [
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

TESTS = Tests()
for name, prepare, number, text, detail in CASES:
    TESTS.append((f"failure: {name} -> error {number}, status 1, no menu window",
                  partial(failure, name=name.replace(" ", "-").replace(".", ""),
                          prepare=prepare, number=number, text=text, detail=detail)))
