#!/usr/bin/env python3
"""Start-up benchmark of the menu, observed from outside (see bench/README.md).

Runs every program under a private Xvfb through `paintwatch`, which times the
exec to the first paint that shows all the expected pixels. Comparisons are
made side by side: the two programs of a pair run one after the other in each
round (A B, then B A in the next round, and so on), and a ratio is the median
of the per-round ratios. Prints a Markdown table and writes it, with a
description of the machine, to the results file.
"""

import argparse
import datetime
import os
import platform
import re
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests",
                                "e2e"))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests",
                                "medium"))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests",
                                "wine"))
import bare_system  # noqa: E402  (the medium tests' bare Debian systems)
import xsession  # noqa: E402  (the end-to-end tests' X server)
from wine_session import ARCHES, cannot_run, wine_binary  # noqa: E402  (Wine of each kind)

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)

# The menu's window in pixels at 96 dpi (from the design table in twips).
MENU_W, MENU_H = 640, 478
SHOWN = (1, 2, 3, 5, 6)  # the demo's visible entries


def log(*args):
    print(*args, file=sys.stderr, flush=True)


def boost():
    """Runs the X server and the measured programs ahead of other work on a
    shared machine (as root); elsewhere they run at the usual priority."""
    try:
        os.nice(-10)
    except OSError:
        pass


# --- pictures -------------------------------------------------------------


def read_ppm(path):
    """(width, height, bytes) of a binary PPM as paintwatch writes it."""
    with open(path, "rb") as f:
        data = f.read()
    m = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", data)
    if not m:
        raise RuntimeError(f"{path}: not a PPM picture")
    w, h = int(m.group(1)), int(m.group(2))
    return w, h, data[m.end():m.end() + 3 * w * h]


def pixel(img, x, y):
    w, _, data = img
    i = 3 * (y * w + x)
    return data[i], data[i + 1], data[i + 2]


def pick(img, box, mode):
    """The most telling pixel of `box` (x0, y0, x1, y1, exclusive ends).

    "colour": the most saturated pixel, which neither the X server's blank
    window nor the toolkit's grey face ever shows; "dark": the darkest one
    (text). Ties go to the pixel nearest the box's centre.
    """
    x0, y0, x1, y1 = box
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    best, best_key = None, None
    for y in range(y0, y1):
        for x in range(x0, x1):
            r, g, b = pixel(img, x, y)
            if mode == "colour":
                score = max(r, g, b) - min(r, g, b)
            else:
                score = 765 - (r + g + b)
            key = (score, -((x - cx) ** 2 + (y - cy) ** 2))
            if best_key is None or key > best_key:
                best, best_key = (x, y, r, g, b), key
    return best


def client_offset(img, client_w, client_h):
    """Where the client area starts in the X window (Wine may draw a frame)."""
    w, h, _ = img
    border = max(0, (w - client_w) // 2)
    return border, max(0, h - client_h - border)


def menu_regions(dx=0, dy=0):
    """Probe boxes of the menu: the middle of each visible button's picture
    (clear of the focus frame), three places on the background picture, and
    the first label (its colour and its text)."""
    boxes = []
    for n in SHOWN:
        col, row = (n - 1) // 4, (n - 1) % 4
        cx, cy = 24 + 296 * col + 33, 64 + 80 * row + 32
        boxes.append(((cx - 18, cy - 18, cx + 18, cy + 18), "colour"))
    boxes.append(((26, 14, 66, 54), "colour"))      # the logo
    boxes.append(((380, 4, 630, 60), "colour"))     # the aurora
    boxes.append(((430, 405, 630, 470), "colour"))  # the mountains
    boxes.append(((98, 66, 310, 80), "dark"))       # Label1's text
    boxes.append(((150, 100, 300, 128), "colour"))  # Label1's back colour
    return [((x0 + dx, y0 + dy, x1 + dx, y1 + dy), mode) for (x0, y0, x1, y1), mode in boxes]


def find_menu(img, probes):
    """Where the menu's window lies in a larger picture (the editor's canvas):
    the offset at which every probe taken from the menu's own window has its
    colour. Only the pictures' probes count (the first eight): the editor
    may have changed a caption."""
    w, h, _ = img
    probes = probes[:8]
    x0, y0, r0, g0, b0 = probes[0]
    near = lambda c, d: all(abs(a - b) <= 4 for a, b in zip(c, d))  # noqa: E731
    for dy in range(h - MENU_H + 1):
        for dx in range(w - MENU_W + 1):
            if near(pixel(img, x0 + dx, y0 + dy), (r0, g0, b0)) and all(
                    near(pixel(img, x + dx, y + dy), (r, g, b)) for x, y, r, g, b in probes[1:]):
                return dx, dy
    raise RuntimeError("the menu's window is not in the editor's picture")


def changed_probes(before, after, cell=32, most=48):
    """Probes of what a key changed: in each cell of `cell` pixels where the
    two pictures differ clearly, the pixel that differs most, with its colour
    after. At most `most`, spread over the cells."""
    w, h, _ = after
    best = {}
    for y in range(h):
        for x in range(w):
            a, b = pixel(before, x, y), pixel(after, x, y)
            diff = max(abs(p - q) for p, q in zip(a, b))
            key = (x // cell, y // cell)
            if diff > 24 and diff > best.get(key, (0,))[0]:
                best[key] = (diff, x, y, *b)
    cells = [best[k][1:] for k in sorted(best)]
    step = max(1, len(cells) / most)
    return [cells[int(i * step)] for i in range(min(most, len(cells)))]


def bare_regions(dx=0, dy=0):
    """The bare windows' one label: its text and its back colour."""
    return [((96 + dx, 64 + dy, 309 + dx, 80 + dy), "dark"),
            ((150 + dx, 100 + dy, 300 + dx, 128 + dy), "colour")]


# --- the X server -----------------------------------------------------------


class XServer(xsession.XServer):
    """The end-to-end tests' Xvfb (with -noreset, so it does not refuse
    connections between two runs), at a higher priority when allowed."""

    def __init__(self):
        super().__init__(preexec_fn=boost)


# --- one program under test ---------------------------------------------------


class Program:
    def __init__(self, name, argv, cwd, env, regions, min_size=(300, 300)):
        self.name, self.argv, self.cwd, self.env = name, argv, cwd, env
        self.regions, self.min_size = regions, min_size
        self.probes = []

    def watch(self, tools, extra, timeout_ms=30000):
        cmd = [os.path.join(tools, "paintwatch"), "-m", "%d,%d" % self.min_size,
               "-T", str(timeout_ms), *extra, "--", *self.argv]
        # Files, not pipes: a program may leave helpers behind (Wine's) that
        # hold its output open long after paintwatch is done.
        with tempfile.TemporaryFile("w+") as out, tempfile.TemporaryFile("w+") as err:
            rc = subprocess.run(cmd, cwd=self.cwd, env=self.env, stdout=out, stderr=err,
                                stdin=subprocess.DEVNULL, timeout=timeout_ms / 1000 + 30,
                                preexec_fn=boost).returncode
            out.seek(0)
            err.seek(0)
            stdout, stderr = out.read(), err.read()
        fields = dict(kv.split("=", 1) for kv in stdout.split() if "=" in kv)
        if rc != 0 or fields.get("status") != "ok":
            raise RuntimeError(f"{self.name}: {stdout.strip()} {stderr.strip()[-300:]}")
        return {k: (v if k == "status" else float(v)) for k, v in fields.items()}

    def reference(self, tools, folder, offset_for=None):
        """Runs once until the window settles, and takes the probes from it."""
        path = os.path.join(folder, f"reference-{self.name}.ppm")
        self.watch(tools, ["-s", path], timeout_ms=60000)
        img = read_ppm(path)
        regions = self.regions(*client_offset(img, *offset_for)) if offset_for else self.regions()
        self.probes = [pick(img, box, mode) for box, mode in regions]
        return path

    def probe_args(self):
        args = ["-d", "4"]
        for x, y, r, g, b in self.probes:
            args += ["-p", f"{x},{y},{r:02x}{g:02x}{b:02x}"]
        for x, y, r, g, b in getattr(self, "after_probes", ()):
            args += ["-P", f"{x},{y},{r:02x}{g:02x}{b:02x}"]
        return args

    def run(self, tools, extra=()):
        last = None
        for _ in range(3):  # a run that times out on a busy machine is tried again
            try:
                return self.watch(tools, [*self.probe_args(), *extra])
            except (RuntimeError, subprocess.TimeoutExpired) as e:
                last = e
                log(f"  retrying {self.name}: {e}")
        raise RuntimeError(str(last))


# --- figures ------------------------------------------------------------------


def median(values):
    return statistics.median(values) if values else float("nan")


def spread(values):
    if len(values) < 2:
        return ""
    q = statistics.quantiles(values, n=4)
    return f"{min(values):.1f} / {q[0]:.1f} / {q[2]:.1f} / {max(values):.1f}"


def interleave(pairs, rounds, tools, results, extra=("-r",)):
    """Runs each (a, b) pair `rounds` times, side by side, flipping the order
    each round; results[(a.name, b.name)] gets the list of (a_run, b_run)."""
    for i in range(rounds):
        for a, b in pairs:
            order = (a, b) if i % 2 == 0 else (b, a)
            got = {p.name: p.run(tools, extra) for p in order}
            results.setdefault((a.name, b.name), []).append((got[a.name], got[b.name]))
        log(f"  round {i + 1}/{rounds} done")


# --- the machine ----------------------------------------------------------------


def machine():
    info = {}
    with open("/proc/cpuinfo") as f:
        cpuinfo = f.read()
    m = re.search(r"^model name\s*:\s*(.+)$", cpuinfo, re.M)
    info["CPU"] = m.group(1).strip() if m else platform.processor() or "unknown"
    info["cores"] = (f"{os.cpu_count()} logical CPUs "
                     f"({len(os.sched_getaffinity(0))} usable by this process)")
    with open("/proc/meminfo") as f:
        m = re.search(r"MemTotal:\s*(\d+) kB", f.read())
    info["memory"] = f"{int(m.group(1)) / 1024 / 1024:.1f} GiB" if m else "unknown"
    info["kernel"] = " ".join(platform.uname()[i] for i in (0, 2, 4))
    try:
        qt = subprocess.run(["pkg-config", "--modversion", "Qt6Widgets"], capture_output=True,
                            text=True).stdout.strip()
    except OSError:
        qt = ""
    info["Qt"] = qt or "unknown"
    try:
        with open("/etc/debian_version") as f:
            info["OS"] = "Debian " + f.read().strip()
    except OSError:
        info["OS"] = platform.platform()
    try:
        head = subprocess.run(["git", "-C", ROOT, "rev-parse", "--short", "HEAD"],
                              capture_output=True, text=True).stdout.strip()
        dirty = subprocess.run(["git", "-C", ROOT, "status", "--porcelain", "--untracked-files=no"],
                               capture_output=True, text=True).stdout.strip()
        info["source"] = f"commit {head}" + (" with local changes" if dirty else "") if head else "?"
    except OSError:
        pass
    info["load average at start"] = " ".join(f"{x:.2f}" for x in os.getloadavg())
    info["date"] = datetime.datetime.now(datetime.timezone.utc).strftime("%Y-%m-%d %H:%M UTC")
    return info


# --- the test folders -----------------------------------------------------------


def copy_demo(demo, dest):
    if os.path.exists(dest):
        shutil.rmtree(dest)
    shutil.copytree(demo, dest, symlinks=True)
    return dest


def big_background(data, source):
    """A 6000 x 4000 JPEG like a camera's photo: a fractal texture with
    grain, which compresses as a photo does (about 2 bits a pixel), with the
    demo's background in its top-left 640 x 480 so that the probes find it.
    Made once and kept."""
    path = os.path.join(data, "background-6000x4000-photo.jpg")
    if os.path.exists(path):
        return path
    log("  making the 6000 x 4000 background (once)")
    tmp = path + ".tmp.jpg"
    subprocess.run(["convert", "-seed", "4", "-size", "1500x1000", "plasma:fractal",
                    "-resize", "6000x4000!", "-attenuate", "0.7", "+noise", "Gaussian",
                    source, "-geometry", "+0+0", "-composite",
                    "-quality", "90", "-sampling-factor", "2x2", "-interlace", "none", tmp],
                   check=True)
    os.replace(tmp, path)
    return path


def large_ini(source, dest, size=1 << 30):
    """The demo's install.ini followed by zeros up to `size` bytes, sparse."""
    with open(source, "rb") as f:
        head = f.read()
    with open(dest, "wb") as f:
        f.write(head)
        f.truncate(size)


# --- Wine -----------------------------------------------------------------------


class Wine:
    """A Wine prefix of `arch` bits, kept in `data`, and its loader."""

    def __init__(self, data, env, arch=64):
        self.loader = wine_binary(ARCHES[arch]["loader"])
        self.wineserver = wine_binary(["/usr/lib/wine/wineserver64", "wineserver"])
        prefix = os.path.join(data, "wine" if arch == 64 else f"wine{arch}")
        self.env = dict(env, WINEPREFIX=prefix, WINEARCH=ARCHES[arch]["prefix"],
                        WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
        self.server = None

    def start(self):
        if not os.path.exists(os.path.join(self.env["WINEPREFIX"], "system.reg")):
            log("  making the Wine prefix (once)")
            subprocess.run([self.loader, "wineboot", "-i"], env=self.env, check=True,
                           timeout=600, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # A persistent wineserver of our own (it goes to the background): each
        # run then starts like a program on a running desktop, not like the
        # first one after a boot.
        subprocess.run([self.wineserver, "-p"], env=self.env, timeout=60,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, preexec_fn=boost)
        self.server = True
        # The desktop process too, as on a running Windows: otherwise each run
        # starts it (and it ends with the run's process group).
        subprocess.Popen([self.loader, "explorer.exe", "/desktop"], env=self.env,
                         stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                         stderr=subprocess.DEVNULL, start_new_session=True)
        time.sleep(5)

    def stop(self):
        if self.server:
            subprocess.run([self.wineserver, "-k"], env=self.env, timeout=60,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def build_bare_win32(data, arch):
    exe = os.path.join(data, f"bare_win{arch}.exe")
    cc = shutil.which(ARCHES[arch]["cc"])
    if not cc:
        return None, f"{ARCHES[arch]['cc']} is missing"
    src = os.path.join(HERE, "bare_win32.c")
    if not os.path.exists(exe) or os.path.getmtime(exe) < os.path.getmtime(src):
        subprocess.run([cc, "-O2", "-municode", "-mwindows", "-o", exe, src], check=True)
    return exe, None


# --- main -----------------------------------------------------------------------


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--build", default=os.path.join(ROOT, "build-release"))
    ap.add_argument("--tools", default=None, help="where paintwatch and the helpers are")
    ap.add_argument("--win64", default=os.path.join(ROOT, "build-win64", "discmenu.exe"))
    ap.add_argument("--win32", default=os.path.join(ROOT, "build-win32", "discmenu.exe"))
    ap.add_argument("--runs", type=int, default=int(os.environ.get("BENCH_RUNS", 15)))
    ap.add_argument("--warmup", type=int, default=2)
    ap.add_argument("--out", default=os.path.join(HERE, "RESULTS.md"))
    ap.add_argument("--rows", default="ABCDEFGHIJK", help="which rows to measure")
    ap.add_argument("--medium", default=os.path.join(ROOT, "build", "medium"),
                    help="the medium as `make medium` lays it out (rows H and I)")
    ap.add_argument("--systems", default=os.path.join(ROOT, "build", "systems"),
                    help="where the bare Debian systems are kept (row H)")
    ap.add_argument("--slowmedium", default=os.path.join(ROOT, "build-release", "slowmedium"))
    ap.add_argument("--cold-runs", type=int, default=3, help="cold starts per medium model")
    args = ap.parse_args()
    if args.runs < 15:
        log("note: fewer than 15 runs per row; the figures are only indicative")

    build = os.path.abspath(args.build)
    tools = os.path.abspath(args.tools or os.path.join(build, "bench-tools"))
    demo = os.path.join(build, "demo")
    data = os.path.join(build, "bench-data")
    os.makedirs(data, exist_ok=True)
    for exe in (os.path.join(demo, "discmenu"), os.path.join(tools, "paintwatch")):
        if not os.access(exe, os.X_OK):
            sys.exit(f"run_bench: {exe} is missing; run `make bench`")

    info = machine()
    started = time.monotonic()
    xserver = XServer()
    runtime_dir = tempfile.mkdtemp(prefix="discmenu-bench-rt-")
    os.chmod(runtime_dir, 0o700)
    env = dict(os.environ, DISPLAY=xserver.display, XDG_RUNTIME_DIR=runtime_dir)
    for var in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS"):
        env.pop(var, None)
    rows = set(args.rows.upper())
    table, notes = [], []
    details = []
    big_ini = None
    try:
        # --- rows A to E: the Qt menu -------------------------------------------
        a = Program("A", [os.path.join(demo, "discmenu")], demo, env, menu_regions)
        b = Program("B", [os.path.join(tools, "bare_qt")], tools, env, bare_regions)
        c_dir = copy_demo(demo, os.path.join(data, "demo-big-background"))
        shutil.copy(big_background(data, os.path.join(demo, "menu", "background.jpg")),
                    os.path.join(c_dir, "menu", "background.jpg"))
        c = Program("C", [os.path.join(c_dir, "discmenu")], c_dir, env, menu_regions)
        d_dir = copy_demo(demo, os.path.join(data, "demo-large-ini"))
        big_ini = os.path.join(d_dir, "install.ini")
        large_ini(os.path.join(demo, "install.ini"), big_ini)
        d = Program("D", [os.path.join(d_dir, "discmenu")], d_dir, env, menu_regions)

        qt_programs = [a, b, c, d]
        log(f"Xvfb on {xserver.display}; taking the reference pictures")
        for p in qt_programs:
            p.reference(tools, data)
            log(f"  {p.name}: probes " + " ".join(f"({x},{y})=#{r:02x}{g:02x}{bb:02x}"
                                                  for x, y, r, g, bb in p.probes))
        log(f"warm-up: {args.warmup} runs of each")
        for _ in range(args.warmup):
            for p in qt_programs:
                p.run(tools)
        pairs = []
        if rows & set("ABE"):
            pairs.append((a, b))
        if "C" in rows:
            pairs.append((a, c))
        if "D" in rows:
            pairs.append((a, d))
        results = {}
        log(f"measuring {args.runs} rounds of " + ", ".join(x.name + "/" + y.name
                                                           for x, y in pairs))
        interleave(pairs, args.runs, tools, results)
        os.remove(big_ini)
        big_ini = None

        def times(key, side):
            return [run[side]["paint_ms"] for run in results.get(key, [])]

        a_all = [r[0]["paint_ms"] for v in results.values() for r in v]
        if a_all:
            table.append(("A", "the demo menu (build-release/demo), warm cache: exec to the "
                          "paint with all nine pictures",
                          f"{median(a_all):.1f} ms (median of {len(a_all)})", "reported",
                          "-"))
            details.append(("A: demo menu", a_all))
        if ("A", "B") in results:
            pairs_ab = results[("A", "B")]
            ratio = median([x["paint_ms"] / y["paint_ms"] for x, y in pairs_ab])
            if "B" in rows or "A" in rows:
                table.append(("B", "a bare Qt window with one label (bench/bare_qt.cpp)",
                              f"{median(times(('A', 'B'), 1)):.1f} ms; **A/B = {ratio:.2f}**",
                              "A/B <= 1.25", "yes" if ratio <= 1.25 else "**no**"))
                details.append(("B: bare Qt window", times(("A", "B"), 1)))
                details.append(("A beside B", times(("A", "B"), 0)))
            if "E" in rows:
                diffs = [(x["rss_kib"] - y["rss_kib"]) / 1024 for x, y in pairs_ab]
                rss_a = median([x["rss_kib"] / 1024 for x, _ in pairs_ab])
                rss_b = median([y["rss_kib"] / 1024 for _, y in pairs_ab])
                diff = median(diffs)
                table.append(("E", "peak RSS (VmHWM at the full paint) of A against B",
                              f"A {rss_a:.1f} MiB, B {rss_b:.1f} MiB; **A - B = {diff:.1f} MiB**",
                              "A - B <= 8 MiB", "yes" if diff <= 8 else "**no**"))
        for row, key, what, goal in (
                ("C", ("A", "C"), "the demo with a photo-like 6000 x 4000 background JPEG", 1.1),
                ("D", ("A", "D"), "the demo with a 1 GiB install.ini (34 items, then zeros)",
                 1.05)):
            if key in results:
                ratio = median([y["paint_ms"] / x["paint_ms"] for x, y in results[key]])
                table.append((row, what, f"{median(times(key, 1)):.1f} ms; **{row}/A = "
                              f"{ratio:.2f}**", f"{row}/A <= {goal}",
                              "yes" if ratio <= goal else "**no**"))
                details.append((f"{row}: {what}", times(key, 1)))
                details.append((f"A beside {row}", times(key, 0)))
        lag = [r[0]["paint_ms"] - r[0]["first_ms"] for v in results.values() for r in v]
        if lag:
            notes.append(f"In A, the complete paint came a median {median(lag):.1f} ms after the "
                         "first damage reported on the window (the window's first drawing, "
                         "background included).")

        # --- row G: click to the opener ------------------------------------------
        if "G" in rows:
            fake = tempfile.mkdtemp(prefix="discmenu-bench-open-")
            os.makedirs(os.path.join(fake, "bin"))
            shutil.copy(os.path.join(tools, "fake_open"), os.path.join(fake, "bin", "xdg-open"))
            stamp = os.path.join(fake, "stamp")
            genv = dict(env, PATH=os.path.join(fake, "bin") + os.pathsep + env.get("PATH", ""),
                        BENCH_OPEN_STAMP=stamp)
            g = Program("G", [os.path.join(demo, "discmenu")], demo, genv, menu_regions)
            g.probes = a.probes
            col, row_ = 0, 1  # Command2 opens \docs\manual.html, a document
            click = ["-c", f"{24 + 296 * col + 33},{64 + 80 * row_ + 32}", "-w", stamp]
            log(f"row G: {args.warmup} warm-up and {args.runs} clicks")
            for _ in range(args.warmup):
                g.run(tools, click)
            clicks = [g.run(tools, click)["click_ms"] for _ in range(args.runs)]
            shutil.rmtree(fake, ignore_errors=True)
            table.append(("G", "click (XTest press and release) to the opener's start "
                          "(a stand-in xdg-open notes CLOCK_MONOTONIC)",
                          f"{median(clicks):.2f} ms (median of {len(clicks)})", "reported", "-"))
            details.append(("G: click to opener", clicks))

        # --- rows J and K: the editor ---------------------------------------------
        if rows & set("JK"):
            table += run_editor(args, tools, data, demo, env, a, rows, details, notes)

        # --- row H: the medium's menu in bare systems ---------------------------------
        if "H" in rows:
            table += run_bare_systems(args, tools, data, a, xserver, env, details, notes)

        # --- row F: the Windows build under Wine -----------------------------------
        if "F" in rows or "I" in rows:
            table += run_wine(args, tools, data, demo, env, details, notes, rows, a)
    finally:
        if big_ini and os.path.exists(big_ini):
            os.remove(big_ini)
        xserver.close()
        shutil.rmtree(runtime_dir, ignore_errors=True)

    order = "ABCDEFGHIJK"
    table.sort(key=lambda r: order.index(r[0][0]))
    elapsed = time.monotonic() - started
    md = ["| row | what | measured | goal | met |", "|---|---|---|---|---|"]
    md += [f"| {' | '.join(r)} |" for r in table]
    report = "\n".join(md)
    print(report)

    lines = ["# Start-up benchmark results", "",
             "Written by `make bench` (bench/run_bench.py); see bench/README.md for what each row "
             "measures and how.", "", report, ""]
    lines += ["Each time runs from the exec of the program to the first paint in which every "
              f"probe pixel has its final colour; {args.runs} measured rounds after "
              f"{args.warmup} warm-up runs of each program. A ratio is the median of the "
              "per-round ratios of two programs run side by side (A B, then B A, ...).", ""]
    if os.geteuid() == 0:
        notes.append("The X server and the measured programs ran at nice -10, ahead of other "
                     "work on the machine.")
    for n in notes:
        lines += [n, ""]
    lines += ["## Spread", "", "| series | n | median ms | min / p25 / p75 / max ms |",
              "|---|---|---|---|"]
    lines += [f"| {name} | {len(v)} | {median(v):.1f} | {spread(v)} |" for name, v in details]
    lines += ["", "## Machine", ""]
    lines += [f"- {k}: {v}" for k, v in info.items()]
    lines += [f"- benchmark time: {elapsed / 60:.1f} min", ""]
    with open(args.out, "w") as f:
        f.write("\n".join(lines))
    log(f"written to {os.path.relpath(args.out, ROOT)} in {elapsed:.0f} s")


def run_wine(args, tools, data, demo, env, details, notes, rows, a):
    """Row F for each Windows executable under Wine of its kind, and row I,
    whose Windows side runs under the 64-bit Wine."""
    table = []
    for arch, exe in ((64, args.win64), (32, args.win32)):
        what = (f"the {arch}-bit Windows build under Wine against a bare {arch}-bit Win32 "
                "window under Wine")
        why = "Windows build not available" if not os.path.exists(exe) else cannot_run(arch)
        bare = None
        if not why:
            bare, why = build_bare_win32(data, arch)
        wine = Wine(data, env, arch) if not why else None
        try:
            if wine:
                wine.start()
            if "F" in rows:
                table.append(run_row_f(args, tools, data, demo, wine, exe, arch, bare, why, what,
                                       details, notes))
            if "I" in rows and arch == 64:
                table += run_cold(args, tools, data, env, wine, a, details, notes)
        finally:
            if wine:
                wine.stop()
    return table


def run_row_f(args, tools, data, demo, wine, exe, arch, bare, why, what, details, notes):
    row = f"F {arch}-bit"
    if why:
        return (row, what, f"n/a ({why})", "F ratio <= 1.2", "-")
    folder = copy_demo(demo, os.path.join(data, f"demo-win{arch}"))
    os.remove(os.path.join(folder, "discmenu"))
    shutil.copy(exe, os.path.join(folder, "discmenu.exe"))
    exe = os.path.join(folder, "discmenu.exe")
    try:
        menu = Program(row, [wine.loader, exe], folder, wine.env,
                       lambda dx=0, dy=0: menu_regions(dx, dy))
        base = Program(f"{row} bare", [wine.loader, bare], data, wine.env,
                       lambda dx=0, dy=0: bare_regions(dx, dy))
        log(f"row {row}: references under Wine")
        for p in (menu, base):
            p.reference(tools, data, offset_for=(MENU_W, MENU_H))
        for _ in range(args.warmup):
            menu.run(tools, ())
            base.run(tools, ())
        results = {}
        interleave([(menu, base)], args.runs, tools, results, extra=())
        runs = results[(menu.name, base.name)]
        ratio = median([x["paint_ms"] / y["paint_ms"] for x, y in runs])
        details.append((f"F: {arch}-bit Windows menu under Wine",
                        [x["paint_ms"] for x, _ in runs]))
        details.append((f"F: bare {arch}-bit Win32 window under Wine",
                        [y["paint_ms"] for _, y in runs]))
        version = subprocess.run([wine.loader, "--version"], capture_output=True,
                                 text=True).stdout.strip()
        notes.append(f"Row {row} ran under {version or 'Wine'} ({wine.env['WINEARCH']} prefix) "
                     "with a persistent wineserver.")
        return (row, what, f"{median([x['paint_ms'] for x, _ in runs]):.1f} ms against "
                f"{median([y['paint_ms'] for _, y in runs]):.1f} ms; **F = {ratio:.2f}**",
                "F ratio <= 1.2", "yes" if ratio <= 1.2 else "**no**")
    except (RuntimeError, subprocess.SubprocessError) as e:
        log(f"row {row} failed: {e}")
        return (row, what, f"n/a (the Windows build did not show its window under Wine: "
                f"{str(e).splitlines()[0][:120]})", "F ratio <= 1.2", "-")


# --- rows J and K: the editor ----------------------------------------------------


def long_caption(tool, folder):
    """Makes Caption1 of the menu in `folder` just too long for Label1: one
    character less and check finds nothing to say of it."""
    ini = os.path.join(folder, "install.ini")
    with open(ini, "rb") as f:
        original = f.read()
    base = b"Install Aurora Studio"
    filler = b" with every tool and brush and filter and sample project you need" * 4

    def cut(k):
        with open(ini, "wb") as f:
            f.write(original.replace(base + b"\n", base + filler[:k] + b"\n", 1))
        out = subprocess.run([tool, "check", folder], capture_output=True, text=True).stdout
        return "caption takes" in out or "caption is" in out

    lo, hi = 0, len(filler)  # fits at lo, cut at hi
    if not cut(hi):
        raise RuntimeError("no caption long enough to be cut off")
    while hi - lo > 1:
        mid = (lo + hi) // 2
        lo, hi = (lo, mid) if cut(mid) else (mid, hi)
    cut(hi)


def run_editor(args, tools, data, demo, env, a, rows, details, notes):
    """Row J: the editor's start to its drawn canvas of the demo, against
    A side by side; row K: a keystroke on the canvas to the editor drawn
    anew, the findings included."""
    editor = os.path.join(os.path.abspath(args.build), "discmenu-editor")
    tool = os.path.join(os.path.abspath(args.build), "discmenu-tool")
    what_j = "the editor (build-release/discmenu-editor) on a copy of the demo: exec to the " \
             "canvas with all nine pictures, against A"
    what_k = "a keystroke on the editor's canvas (Backspace on a caption one character too " \
             "long) to the editor drawn anew: canvas, fields and the findings without the " \
             "caption's warning"
    if not os.access(editor, os.X_OK) or not os.access(tool, os.X_OK):
        why = "n/a (no discmenu-editor or discmenu-tool in the build)"
        return [("J", what_j, why, "J/A <= 1.5", "-"), ("K", what_k, why, "< 50 ms", "-")]
    table = []
    j_dir = copy_demo(demo, os.path.join(data, "demo-editor"))
    j = Program("J", [editor, j_dir], data, env, None, min_size=(MENU_W, MENU_H))
    k_dir = copy_demo(demo, os.path.join(data, "demo-editor-long"))
    long_caption(tool, k_dir)
    k = Program("K", [editor, k_dir], data, env, None, min_size=(MENU_W, MENU_H))
    for p in (j, k):
        path = os.path.join(data, f"reference-{p.name}.ppm")
        p.watch(tools, ["-s", path], timeout_ms=60000)
        img = read_ppm(path)
        dx, dy = find_menu(img, a.probes)
        p.probes = [pick(img, box, mode) for box, mode in menu_regions(dx, dy)]
        p.offset = (dx, dy)
    if "J" in rows:
        for _ in range(args.warmup):
            j.run(tools)
        results = {}
        log(f"row J: {args.runs} rounds")
        interleave([(a, j)], args.runs, tools, results, extra=())
        runs = results[(a.name, j.name)]
        ratio = median([y["paint_ms"] / x["paint_ms"] for x, y in runs])
        table.append(("J", what_j, f"{median([y['paint_ms'] for _, y in runs]):.1f} ms against "
                      f"A's {median([x['paint_ms'] for x, _ in runs]):.1f} ms; "
                      f"**J/A = {ratio:.2f}**", "J/A <= 1.5", "yes" if ratio <= 1.5 else "**no**"))
        details.append(("J: editor to its drawn canvas", [y["paint_ms"] for _, y in runs]))
        details.append(("A beside J", [x["paint_ms"] for x, _ in runs]))
    if "K" in rows:
        dx, dy = k.offset
        click = ["-c", f"{200 + dx},{110 + dy}", "-k", "BackSpace"]  # on Label1
        before, after = (os.path.join(data, f"reference-K-{w}.ppm") for w in ("before", "after"))
        k.watch(tools, [*k.probe_args(), *click, "-s", os.path.join(data, "reference-K.ppm"),
                        "-B", before, "-S", after], timeout_ms=60000)
        k.after_probes = changed_probes(read_ppm(before), read_ppm(after))
        if not k.after_probes:
            raise RuntimeError("row K: the key changed nothing on the screen")
        log(f"row K: {len(k.after_probes)} probes of the change; {args.runs} keystrokes")
        for _ in range(args.warmup):
            k.run(tools, click)
        keys = [k.run(tools, click)["key_ms"] for _ in range(args.runs)]
        table.append(("K", what_k, f"{median(keys):.1f} ms (median of {len(keys)})", "< 50 ms",
                      "yes" if median(keys) < 50 else "**no**"))
        details.append(("K: keystroke to the editor drawn anew", keys))
        notes.append(f"Row K's {len(k.after_probes)} probes are the pixels that changed most, "
                     "one per 32-pixel cell, between the editor's settled pictures before and "
                     "after the key: the canvas's label, the caption field and the findings.")
    return table


# --- row H: the medium's menu in bare systems -------------------------------------


def run_bare_systems(args, tools, data, a, xserver, env, details, notes):
    """The medium's Linux menu started in bare Debian 11 and 12 systems,
    side by side with A (the system-Qt build on this machine)."""
    what = "the medium's Linux menu in a bare {} (debootstrap minbase) against A"
    medium = os.path.abspath(args.medium)
    if not os.path.exists(os.path.join(medium, "discmenu-linux")) or os.geteuid() != 0:
        why = "no medium (make medium)" if os.geteuid() == 0 else "needs root (chroot)"
        return [(f"H {name}", what.format(name), f"n/a ({why})", "H/A <= 1.2", "-")
                for name in bare_system.SYSTEMS]
    rows = []
    for name in bare_system.SYSTEMS:
        root = bare_system.ensure(os.path.abspath(args.systems), name)
        with bare_system.Chroot(root, {"/media/stick": medium}, read_only=(medium,)) as c:
            h = Program(f"H {name}", c.command(["/media/stick/discmenu"],
                                               {"DISPLAY": xserver.display}, "/media/stick"),
                        data, env, menu_regions)
            h.reference(tools, data)
            for _ in range(args.warmup):
                h.run(tools)
            results = {}
            log(f"row H: {args.runs} rounds in {name}")
            interleave([(a, h)], args.runs, tools, results)
        runs = results[(a.name, h.name)]
        ratio = median([y["paint_ms"] / x["paint_ms"] for x, y in runs])
        rows.append((f"H {name}", what.format(name),
                     f"{median([y['paint_ms'] for _, y in runs]):.1f} ms against A's "
                     f"{median([x['paint_ms'] for x, _ in runs]):.1f} ms; **H/A = {ratio:.2f}**",
                     "H/A <= 1.2", "yes" if ratio <= 1.2 else "**no**"))
        details.append((f"H: medium's menu in {name}", [y["paint_ms"] for _, y in runs]))
        details.append((f"A beside H in {name}", [x["paint_ms"] for x, _ in runs]))
    notes.append("Row H starts the medium's menu through chroot into the bare system (the "
                 "chroot and env programs' exec are inside its time).")
    return rows


# --- row I: cold start from a slow medium ------------------------------------------

MODELS = {
    "usb": ("a USB 2.0 stick (30 MB/s, 1 ms a request)", 2000),
    "dvd": ("a 16x DVD (20 MB/s, 100 ms a seek)", 6000),
}


def reads_until(log, end_ns):
    """What the medium served up to `end_ns` (the full paint): bytes,
    requests, seeks, and the time the model charged for them."""
    total = {"bytes": 0, "requests": 0, "seeks": 0, "busy_ms": 0.0}
    with open(log) as f:
        for line in f:
            _, size, done, seek, cost, _ = line.split(" ", 5)
            if int(done) <= end_ns:
                total["bytes"] += int(size)
                total["requests"] += 1
                total["seeks"] += int(seek)
                total["busy_ms"] += float(cost)
    return total


def run_cold(args, tools, data, env, wine, a, details, notes):
    """The medium read cold through slowmedium: the Linux menu, and the
    Windows one under Wine, from a fresh mount each run."""
    medium = os.path.abspath(args.medium)
    if not os.path.exists(os.path.join(medium, "discmenu-linux")) or not os.access(
            args.slowmedium, os.X_OK):
        return [(f"I {m}", f"cold start from {d}", "n/a (no medium or no slowmedium: make "
                 "medium)", f"<= {g / 1000:.0f} s", "-") for m, (d, g) in MODELS.items()]
    source = copy_demo(medium, os.path.join(data, "medium-cold"))
    if wine:
        # The 64-bit build of the same source: this machine runs no 32-bit code.
        shutil.copy(args.win64, os.path.join(source, "discmenu.exe"))
    mount = os.path.join(data, "medium-mount")
    os.makedirs(mount, exist_ok=True)
    rows = []
    for model, (description, goal_ms) in MODELS.items():
        cells = []
        for label, argv, run_env, regions in (
                ("Linux", [os.path.join(mount, "discmenu")], env, menu_regions),
                ("Windows", [wine.loader if wine else "wine",
                             os.path.join(mount, "discmenu.exe")],
                 wine.env if wine else None, menu_regions)):
            if run_env is None:
                cells.append(f"{label}: n/a (no Wine)")
                continue
            times, stats = [], []
            program = Program(f"I {model} {label}", argv, mount, run_env, regions)
            for attempt in range(args.cold_runs + 1):
                stats_file = os.path.join(data, "slowmedium.stats")
                reads_file = os.path.join(data, "slowmedium.reads")
                fuse = subprocess.Popen([args.slowmedium, "--model", model, "--stats", stats_file,
                                         "--log", reads_file, source, mount],
                                        stdout=subprocess.DEVNULL)
                try:
                    deadline = time.monotonic() + 30
                    while not os.path.ismount(mount) and time.monotonic() < deadline:
                        time.sleep(0.05)
                    if attempt == 0:
                        # The reference run (not counted) finds the probes.
                        offset = (MENU_W, MENU_H) if label == "Windows" else None
                        program.reference(tools, data, offset_for=offset)
                    else:
                        got = program.watch(tools, [*program.probe_args()], timeout_ms=120000)
                        times.append(got["paint_ms"])
                finally:
                    subprocess.run(["umount", mount], check=False)
                    fuse.wait(timeout=60)
                if attempt > 0:
                    stats.append(reads_until(reads_file, got["paint_ns"]))
            t = median(times)
            last = stats[-1]
            details.append((f"I: {label} menu, cold, {description}", times))
            cells.append(f"{label} {t / 1000:.2f} s, {last['bytes'] / 1e6:.1f} MB in "
                         f"{last['requests']} requests, {last['seeks']} seeks, lower "
                         f"bound {last['busy_ms'] / 1000:.2f} s")
            if label == "Linux":
                linux_ms = t
        rows.append((f"I {model}", f"cold start (exec to full paint) from {description}",
                     "; ".join(cells), f"Linux <= {goal_ms / 1000:.0f} s",
                     "yes" if linux_ms <= goal_ms else "**no**"))
    notes.append(f"Row I: the median of {args.cold_runs} cold starts per model, each from a fresh "
                 "mount of tools/slowmedium (nothing of the medium cached); bytes, requests and "
                 "seeks are those served up to the full paint, and the lower bound is the time "
                 "the model charges for them. The Windows side runs the 64-bit build of the same "
                 "source under Wine.")
    return rows


if __name__ == "__main__":
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    main()
