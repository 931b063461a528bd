"""Failures while the menu loads under Wine: each shows the error box, writes
one line on stderr and ends with status 1, and no menu window appears."""

import struct
import subprocess
import time
from functools import partial

from common import TestFailure, Tests, check
from design import DEMO_TITLE
from images import image_tool
from wine_session import Menu, lay_out_demo, windows_path


def failure(wine, name, prepare, number, text, detail, env=None,
            heading="Run-time error {}:", error_word="error {}", screenshot=None):
    """The load step fails: an error box owned by nothing, one line on
    stderr, exit status 1, and the menu window never shown. `env`, `heading`
    and `error_word` give another language's words."""
    folder = lay_out_demo(wine.work, f"fail-{name}", wine.exe)
    detail = prepare(folder) or detail(folder)
    session = wine.session
    if env:
        session.use_cjk_font()
    with Menu(session, folder, env) as menu:
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
        if screenshot:
            session.screenshot(wine.out / screenshot)
        texts = [w.text for w in session.inspect("discmenu") if w.cls.lower() == "static"]
        want = f"{heading.format(number)}\n\n{text}\n\n{detail}"
        check(any(t == want or (detail.endswith(": ") and t.startswith(want)) for t in texts),
              f"the box says {texts}, want {want!r}")
        for window, title in session.app_windows():
            check(title in ("discmenu", "Default IME"), f"a window {title!r} was shown")
        session.keys(box, "Return")
        status = menu.wait_exit()
        check(status == 1, f"exit status {status}, want 1")
        line = menu.errors().strip()
        check(line.startswith(f"discmenu: {error_word.format(number)}: {text}: {detail}"),
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


def cut_jpeg(folder):
    background = folder / "menu" / "background.jpg"
    data = background.read_bytes()
    background.write_bytes(data[:len(data) * 2 // 3])


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
    ("cut-off JPEG", cut_jpeg, 481, "Invalid picture",
     lambda f: windows_path(f / "menu" / "background.jpg") +
     ": the JPEG data ends too early (the file is cut off)"),
]

TESTS = Tests()
TESTS.append(("failure in Traditional Chinese: a missing install.ini on a zh-TW system",
              partial(failure, name="zh_TW", prepare=remove_ini, number=53,
                      text="\u627e\u4e0d\u5230\u6a94\u6848", detail=ini,
                      env={"LANG": "zh_TW.UTF-8", "LC_ALL": "zh_TW.UTF-8"},
                      heading="\u57f7\u884c\u968e\u6bb5\u932f\u8aa4 {}:",
                      error_word="\u932f\u8aa4 {}", screenshot="wine-error-zh_TW.png")))
for name, prepare, number, text, detail in CASES:
    TESTS.append((f"failure: {name} -> error {number}, status 1, no menu window",
                  partial(failure, name=name.replace(" ", "-").replace(".", ""),
                          prepare=prepare, number=number, text=text, detail=detail)))


@TESTS.add("pictures with data after their end are shown, as every viewer shows them")
def data_after_the_picture(wine):
    """A JPEG with a phone's appended data (no end marker in it) and a GIF
    with junk after its trailer: the menu starts and shows them."""
    folder = lay_out_demo(wine.work, "padded", wine.exe)
    background = folder / "menu" / "background.jpg"
    background.write_bytes(background.read_bytes() + b"\0" * 1000 + b"x" * 100 * 1024)
    gif = folder / "menu" / "button2.gif"
    subprocess.run([image_tool("convert"), str(folder / "menu" / "button2.png"), "-background",
                    "white", "-flatten", str(gif)], check=True, timeout=60)
    gif.write_bytes(gif.read_bytes() + b"junk after the trailer")
    ini = (folder / "install.ini").read_text(encoding="utf-8")
    (folder / "install.ini").write_text(ini.replace("\\menu\\button2.png",
                                                    "\\menu\\button2.gif"), encoding="utf-8")
    with Menu(wine.session, folder) as menu:
        menu.close(menu.wait_window(DEMO_TITLE))


@TESTS.add("no ShellExecuteW to be found: error 453 on the click ends the menu")
def shell_missing(wine):
    """With shell32 taken away, the first click cannot look the shell's
    open up: the error box, status 1."""
    folder = lay_out_demo(wine.work, "no-shell", wine.exe)
    session = wine.session
    with Menu(session, folder, env={"WINEDLLOVERRIDES": "mscoree,mshtml,shell32="}) as menu:
        window = menu.wait_window(DEMO_TITLE)
        session.keys(window, "Return")
        deadline = time.monotonic() + 30
        while not session.windows_named("discmenu") and time.monotonic() < deadline:
            time.sleep(0.1)
        texts = [w.text for w in session.inspect("discmenu") if w.cls.lower() == "static"]
        want = "Run-time error 453:\n\nSpecified DLL function not found\n\n"
        check(any(t.startswith(want) for t in texts), f"the box says {texts}")
        session.keys(session.windows_named("discmenu")[0], "Return")
        check(menu.wait_exit() == 1, "the menu did not end with status 1")
