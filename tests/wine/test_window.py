"""The demo menu's window under Wine: its size, where each control is, what
a screen reader reads, the pictures on a screenshot, and the same scaled to
150 % and 200 %."""

from functools import partial

from common import Tests, check
from design import (DEMO, DEMO_TITLE, LIGHT_CYAN, PICTURE1, command_twips, form_client_pixels,
                    label_twips, to_pixels)
from images import close, face_pixels, load_image
from wine_session import Menu, lay_out_demo


def check_layout(session, form, windows, dpi):
    """Every control among `windows` where the design puts it in the form
    `form` at `dpi`."""
    by_id = {w.id: w for w in windows}
    form_x, form_y, _, _ = session.geometry(form)
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


def check_pictures(session, form, shot, dpi):
    """The demo menu's pictures and labels on `shot` at `dpi`, its form being
    the window `form`. At 150 % the pictures are scaled, so flat areas are
    compared as averages."""
    windows = session.controls(DEMO_TITLE)
    form_x, form_y, _, _ = session.geometry(form)
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


class DemoMenu:
    """The demo menu at 96 dpi, started by the first test and looked at by
    the others."""

    tests = Tests()

    def __init__(self, wine):
        self.wine = wine
        self.s = wine.session
        self.menu = None
        self.window = None

    def stop(self):
        if self.menu:
            self.menu.stop()

    @tests.add("demo menu starts")
    def start(self):
        folder = lay_out_demo(self.wine.work, "demo", self.wine.exe)
        self.menu = Menu(self.s, folder)
        self.window = self.menu.wait_window(DEMO_TITLE)

    @tests.add("demo menu: title and client size 640x478")
    def title_and_size(self):
        check(self.window, "the demo menu is not running")
        x, y, w, h = self.s.geometry(self.window)
        print(f"    client window {w}x{h} at +{x}+{y}")
        want = form_client_pixels(96)
        check((w, h) == want == (640, 478), f"client area {w}x{h}, want {want}")

    @tests.add("demo menu: controls where the design puts them, front to back")
    def layout(self):
        """Every control where the design table puts it, in z-order."""
        windows = self.s.inspect(DEMO_TITLE)
        check_layout(self.s, self.window, windows, 96)
        top = [w for w in windows if not w.child]
        check([w.id for w in top] == [108, 107, 106, 105, 104, 103, 102, 101, 100],
              f"front-to-back order of the form's controls: {[w.id for w in top]}")
        labels = [w.id for w in windows if w.child]
        check(labels == [208, 207, 206, 205, 204, 203, 202, 201],
              f"front-to-back order of the labels: {labels}")

    @tests.add("demo menu: captions, shown entries, accessible names")
    def accessibility(self):
        """Tab stops and the names a screen reader reads."""
        windows = self.s.controls(DEMO_TITLE)
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
        # The background takes the focus too: a listener hears what it is.
        check(windows[100].name == "Background picture",
              f"Picture1 is named {windows[100].name!r}")

    @tests.add("demo menu: screenshot shows the pictures and labels in place")
    def pictures(self):
        """A screenshot: background, button and label pixels where they belong."""
        shot = self.s.screenshot(self.wine.out / "wine-demo.png")
        print(f"    screenshot: {self.wine.out / 'wine-demo.png'}")
        check_pictures(self.s, self.window, shot, 96)

    @tests.add("demo menu: closes with status 0")
    def closes(self):
        self.s.keys(self.window, "alt+F4")
        status = self.menu.wait_exit()
        check(status == 0, f"exit status {status} after closing, want 0")
        check(self.menu.errors().strip() == "", f"stderr: {self.menu.errors()!r}")


def scaled(wine, dpi):
    """The demo menu at `dpi`: its window, layout and pictures grow with it."""
    session = wine.session
    session.set_dpi(dpi)
    folder = lay_out_demo(wine.work, f"demo-{dpi}", wine.exe)
    with Menu(session, folder) as menu:
        window = menu.wait_window(DEMO_TITLE)
        x, y, w, h = session.geometry(window)
        want = form_client_pixels(dpi)
        check((w, h) == want, f"client area {w}x{h} at {dpi} dpi, want {want}")
        check_layout(session, window, session.inspect(DEMO_TITLE), dpi)
        shot = session.screenshot(wine.out / f"wine-demo-{dpi}.png")
        check_pictures(session, window, shot, dpi)
        menu.close(window)


def captions_from_the_left(wine):
    """Hebrew, Arabic and English captions each start at their label's left
    edge (right-to-left text reads in its own direction inside)."""
    session = wine.session
    session.set_dpi(96)
    folder = lay_out_demo(wine.work, "captions", wine.exe)
    items = (folder / "install.ini").read_text(encoding="utf-8").splitlines()
    items[8:11] = ["\u05e9\u05dc\u05d5\u05dd", "\u0645\u0631\u062d\u0628\u0627", "Hello"]
    (folder / "install.ini").write_text("\r\n".join(items) + "\r\n", encoding="utf-8-sig")
    with Menu(session, folder) as menu:
        window = menu.wait_window(DEMO_TITLE)
        shot = session.screenshot(wine.out / "wine-captions.png")
        pic_x, pic_y = session.controls(DEMO_TITLE)[100].client[:2]
        for n in (1, 2, 3):
            lx, ly, lw, _ = to_pixels(label_twips(n), 96)
            x0, half = pic_x + lx, lw // 2
            ink = [sum(1 for y in range(pic_y + ly, pic_y + ly + 20)
                       for x in range(x0 + side * half, x0 + (side + 1) * half)
                       if shot.pixel(x, y) != LIGHT_CYAN) for side in (0, 1)]
            check(ink[0] >= 20 and ink[1] == 0,
                  f"Label{n} {items[7 + n]!r}: {ink} pixels of text in its left and right half")
        menu.close(window)


# They change the Wine prefix's dpi: run_wine_tests.py runs them last.
SCALED = Tests()
for dpi, name in ((144, "150 %: window, layout and @2x pictures scale"),
                  (192, "200 %: window, layout and @2x pictures 1:1")):
    SCALED.append((name, partial(scaled, dpi=dpi)))
SCALED.append(("captions of either direction start at the left, back at 100 %",
               captions_from_the_left))
