"""DLL planting under Wine: the DLLs the menu loads from its start to a
click must all come from the system, and DLLs dropped beside it under the
names of system DLLs must never be loaded, with Wine told to prefer them
(WINEDLLOVERRIDES=name=n,b searches the program's folder first, as Windows
does for every DLL that is not a known one)."""

import re
import shutil
import time

from common import Tests, check
from design import command_twips, to_pixels
from wine_session import Menu, lay_out_demo, write_ini

TESTS = Tests()

# Windows' known DLLs and what they are built on: always taken from the
# system folder, so Windows never looks for them beside a program. Wine's
# own pieces (drivers, its zlib) are not Windows DLLs at all.
PROTECTED = {
    "advapi32", "clbcatq", "combase", "comdlg32", "coml2", "gdi32", "gdi32full", "gdiplus",
    "imagehlp", "imm32", "kernel32", "kernelbase", "msctf", "msvcrt", "normaliz", "nsi",
    "ntdll", "ole32", "oleaut32", "psapi", "rpcrt4", "sechost", "setupapi", "shcore", "shell32",
    "shlwapi", "ucrtbase", "user32", "win32u", "wldap32", "ws2_32", "winex11", "zlib1",
}
# Names a planted DLL takes in the wild, loaded or not by today's menu.
PLANTED_ALWAYS = ["version", "uxtheme", "dwmapi", "propsys", "windowscodecs", "userenv",
                  "cryptbase", "profapi", "msimg32", "winmm", "wtsapi32", "sspicli", "comctl32"]

# What the first test saw, for the second.
seen = {"dlls": []}


def loaded_by_menu(trace):
    """(path, how) of each DLL the menu's process loaded, from +loaddll."""
    menu_process = None
    loads = []
    for line in trace.splitlines():
        m = re.match(r'([0-9a-f]+):trace:loaddll:\w+ Loaded L"(.*)" at \S+: (\w+)', line)
        if not m:
            continue
        process, path, how = m.groups()
        path = path.replace("\\\\", "\\")
        if menu_process is None and path.lower().endswith("\\discmenu.exe"):
            menu_process = process
        if process == menu_process:
            loads.append((path, how))
    return loads


def run_and_click(wine, folder, overrides=""):
    """Starts the menu with +loaddll, clicks Command1 and waits for its
    target (a copy of marker.exe) to run. Returns the DLLs it loaded."""
    session = wine.session
    env = {"WINEDEBUG": "+loaddll"}
    if overrides:
        env["WINEDLLOVERRIDES"] = overrides + ";" + session.env["WINEDLLOVERRIDES"]
    with Menu(session, folder, env=env) as menu:
        window = menu.wait_window("Planting test")
        x0, y0, _, _ = session.geometry(window)
        bx, by, bw, bh = to_pixels(command_twips(1), 96)
        session.click(x0 + bx + bw // 2, y0 + by + bh // 2)
        marker = folder / "run" / "one.exe.marker"
        deadline = time.monotonic() + 20
        while not marker.exists() and time.monotonic() < deadline:
            time.sleep(0.1)
        check(marker.exists(), "the click did not open Command1's target")
        menu.close(window)
        return loaded_by_menu(menu.errors())


def planting_menu(wine, name):
    folder = lay_out_demo(wine.work, name, wine.exe)
    (folder / "run").mkdir()
    shutil.copy(wine.work / "marker.exe", folder / "run" / "one.exe")
    flags = ["1"] + ["0"] * 7
    captions = [f"Entry {n}" for n in range(1, 9)]
    targets = ["\\run\\one.exe"] * 8
    pictures = ["\\menu\\background.jpg"] + [f"\\menu\\button{n}.png" for n in range(1, 9)]
    write_ini(folder, flags + captions + targets + ["Planting test"] + pictures)
    return folder


@TESTS.add("every DLL loaded from start to a click comes from the system")
def dlls_from_the_system(wine):
    seen["dlls"] = []  # none from another executable's run
    folder = planting_menu(wine, "dlls")
    loads = run_and_click(wine, folder)
    names = sorted({re.sub(r"\.(dll|drv)$", "", p.rsplit("\\", 1)[-1].lower())
                    for p, _ in loads if not p.lower().endswith(".exe")})
    print(f"    {len(names)} DLLs: {', '.join(names)}")
    foreign = [p for p, _ in loads if not p.lower().startswith(("c:\\windows\\system32\\",
                                                                "c:\\windows\\syswow64\\",
                                                                "c:\\windows\\winsxs\\"))
               and not p.lower().endswith("\\discmenu.exe")]
    check(not foreign, f"loaded from elsewhere: {foreign}")
    seen["dlls"] = names


@TESTS.add("DLLs planted beside the menu under system names are never loaded")
def planted_dlls_never_load(wine):
    check(seen["dlls"], "the list of loaded DLLs is missing")
    folder = planting_menu(wine, "planted")
    names = sorted((set(seen["dlls"]) - PROTECTED) | set(PLANTED_ALWAYS))
    for name in names:
        shutil.copy(wine.work / "planted.dll", folder / f"{name}.dll")
    print(f"    planted: {', '.join(names)}")
    loads = run_and_click(wine, folder, overrides=",".join(names) + "=n,b")
    from_folder = [p for p, _ in loads if p.lower().endswith(".dll")
                   and "\\windows\\" not in p.lower()]
    ran = sorted(p.name for p in folder.glob("*.dll.loaded"))
    check(not from_folder and not ran, f"planted DLLs loaded: {from_folder} {ran}")
