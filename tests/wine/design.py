"""The menu the tests expect to see: the demo folder, its window title and
the design of the form in twips."""

from common import ROOT

DEMO = ROOT / "examples" / "demo"
DEMO_TITLE = "Aurora Studio 5 Setup"

# The design in twips (menu/layout.h), converted here on their own so that
# the test does not take the program's word for where things are.
TWIPS_PER_INCH = 1440
FORM_CLIENT = (9600, 7170)
PICTURE1 = (0, 0, 9615, 7215)
LIGHT_CYAN = (128, 255, 255)


def twips_to_pixels(twips, dpi):
    return (2 * twips * dpi + TWIPS_PER_INCH) // (2 * TWIPS_PER_INCH)


def form_client_pixels(dpi):
    return tuple(twips_to_pixels(t, dpi) for t in FORM_CLIENT)


def to_pixels(rect, dpi):
    left, top, width, height = rect
    x, y = twips_to_pixels(left, dpi), twips_to_pixels(top, dpi)
    return (x, y, twips_to_pixels(left + width, dpi) - x, twips_to_pixels(top + height, dpi) - y)


def command_twips(n):
    col, row = (n - 1) // 4, (n - 1) % 4
    return (360 + 4440 * col, 960 + 1200 * row, 1000, 970)


def label_twips(n):
    col, row = (n - 1) // 4, (n - 1) % 4
    return (1440 + 4440 * col, 960 + 1200 * row, 3200, 975)
