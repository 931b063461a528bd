"""Pictures: decoding files and screenshots with ImageMagick, comparing
colours and placing a picture on a button's face."""

import os
import shutil
import subprocess

from common import TestFailure, check


def image_tool(name):
    for candidate in (f"/usr/bin/{name}", shutil.which(name)):
        if candidate and os.path.exists(candidate):
            return candidate
    raise TestFailure(f"{name} (imagemagick) is missing")


class Image:
    def __init__(self, width, height, channels, data):
        self.width, self.height, self.channels, self.data = width, height, channels, data

    def pixel(self, x, y):
        o = (y * self.width + x) * self.channels
        return tuple(self.data[o:o + self.channels])


def load_image(path, channels=4, resize=None):
    args = [image_tool("convert"), str(path)]
    if resize:
        args += ["-filter", "Triangle", "-resize", f"{resize[0]}x{resize[1]}!"]
    fmt = "rgba" if channels == 4 else "rgb"
    raw = subprocess.run(args + ["-depth", "8", f"{fmt}:-"], capture_output=True, check=True,
                         timeout=60).stdout
    size = subprocess.run([image_tool("identify"), "-format", "%w %h", str(path)],
                          capture_output=True, check=True, timeout=60, text=True).stdout.split()
    w, h = resize if resize else (int(size[0]), int(size[1]))
    check(len(raw) == w * h * channels, f"{path}: decoded {len(raw)} bytes for {w}x{h}")
    return Image(w, h, channels, raw)


def close(a, b, tolerance):
    return all(abs(x - y) <= tolerance for x, y in zip(a, b))


def face_pixels(image, bw, bh):
    """Where `image` lands on a button of bw x bh pixels: centred (halves
    rounded away from zero) and cut off at the face, away from the focus
    mark. Returns the opaque pixels as (ix, iy, fx, fy), image and button
    coordinates, and the button points where the image is transparent."""
    ox = int(abs(bw - image.width) / 2 + 0.5) * (1 if bw >= image.width else -1)
    oy = int(abs(bh - image.height) / 2 + 0.5) * (1 if bh >= image.height else -1)
    opaque, clear = [], []
    for iy in range(image.height):
        for ix in range(image.width):
            fx, fy = ox + ix, oy + iy
            if not (4 <= fx < bw - 4 and 4 <= fy < bh - 4):
                continue
            alpha = image.pixel(ix, iy)[3]
            if alpha == 255:
                opaque.append((ix, iy, fx, fy))
            elif alpha == 0:
                clear.append((fx, fy))
    return opaque, clear
