#!/usr/bin/env python3
"""Writes the seed corpora in fuzz/corpus/: install.ini variants and tiny pictures.

The pictures are drawn with ImageMagick's `convert`. Run from anywhere; the
files are committed, so this is only needed to change them.
"""

import os
import shutil
import subprocess
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
INI = os.path.join(HERE, "corpus", "install_ini")
PIC = os.path.join(HERE, "corpus", "picture")
DEMO = os.path.join(HERE, "..", "examples", "demo", "install.ini")


def items(captions=None, flags=None):
    flags = flags or ["1", "1", "1", "0", "0", "0", "0", "0"]
    captions = captions or [f"Caption {n}" for n in range(1, 9)]
    v = list(flags) + list(captions)
    v += [f"\\setup\\t{n}.exe" for n in range(1, 9)]
    v += ["Welcome", "\\menu\\back.jpg"]
    v += [f"\\menu\\button{n}.jpg" for n in range(1, 9)]
    return v


def write(name, data):
    with open(os.path.join(INI, name), "wb") as f:
        f.write(data)


def ini_seeds():
    os.makedirs(INI, exist_ok=True)
    with open(DEMO, "rb") as f:
        demo = f.read()
    write("demo.ini", demo)
    write("demo-crlf.ini", demo.replace(b"\n", b"\r\n"))
    write("demo-cr.ini", demo.replace(b"\n", b"\r"))
    write("one-line.ini", ",".join(items()).encode())
    write("comma-lines.ini", (",\n".join(items()) + ",\n").encode())
    write("blanks.ini", (" ,  \r\n\t".join(items()) + "\r\n").encode())
    quoted = items([f'"Caption {n}, with a comma"' for n in range(1, 9)])
    quoted[24] = '"  Spaced title  " ignored'
    write("quoted.ini", ("\n".join(quoted) + "\n").encode())
    flags = ["1.0", "01", '"1"', "", "1e0", "+1", "-1", ".5"]
    write("flags.ini", ("\n".join(items(flags=flags)) + "\n").encode())
    write("bad-flag.ini", ("\n".join(items(flags=["yes"] + ["0"] * 7)) + "\n").encode())
    numbers = items(["2024", "0x10", "007", "2.50", "1e3", "-0", "123456789012345678901", "inf"])
    write("numbers.ini", ("\n".join(numbers) + "\n").encode())
    write("items-33.ini", ("\n".join(items()[:33]) + "\n").encode())
    write("empty-lines.ini", ("\n".join(items()[:11] + [""] * 5 + items()[16:]) + "\n").encode())
    unclosed = items()
    unclosed[8] = '"never closed'
    write("unclosed-quote.ini", ("\n".join(unclosed) + "\n").encode())
    last = items()
    last[33] = '"\\menu\\b8.jpg'
    write("unclosed-last.ini", "\n".join(last).encode())
    write("extra-items.ini", ("\n".join(items()) + "\nextra,items\n").encode())
    write("dates.ini", ("\n".join(items(["#2024-01-01#", "#TRUE#"] + ["x"] * 6)) + "\n").encode())

    german = items(["Übersicht", "Café", "Größe", "naïve", "€ 5", "„Zitat“", "Œuvre", "Ende"])
    text = "\r\n".join(german) + "\r\n"
    write("utf8.ini", text.encode("utf-8"))
    write("utf8-bom.ini", b"\xef\xbb\xbf" + text.encode("utf-8"))
    write("utf16le.ini", b"\xff\xfe" + text.encode("utf-16-le"))
    write("utf16be.ini", b"\xfe\xff" + text.encode("utf-16-be"))
    write("windows-1252.ini", text.encode("cp1252"))
    chinese = items(["安裝程式", "使用手冊", "瀏覽光碟", "網站", "版本說明", "檢查", "主題曲", "進階選項"])
    write("big5.ini", ("\r\n".join(chinese) + "\r\n").encode("big5"))
    japanese = items(["インストール", "説明書", "ディスク", "ウェブ", "リリース", "確認", "テーマ", "詳細"])
    write("shift-jis.ini", ("\r\n".join(japanese) + "\r\n").encode("shift_jis"))
    russian = items(["Установка", "Руководство", "Диск", "Сайт", "Версия", "Проверка", "Тема", "Ещё"])
    write("windows-1251.ini", ("\r\n".join(russian) + "\r\n").encode("cp1251"))


def convert(*args):
    subprocess.run(["convert", *args], check=True)


def picture_seeds():
    os.makedirs(PIC, exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        pattern = os.path.join(tmp, "p.ppm")
        convert("-size", "12x8", "gradient:red-blue", pattern)
        for name, opts in [
            ("tiny.jpg", ["-quality", "50"]),
            ("tiny-progressive.jpg", ["-quality", "50", "-interlace", "JPEG"]),
            ("tiny-gray.jpg", ["-colorspace", "Gray", "-quality", "50"]),
            ("tiny.png", []),
            ("tiny-palette.png", ["-colors", "4", "-type", "Palette"]),
            ("tiny-interlaced.png", ["-interlace", "PNG"]),
            ("tiny.gif", ["-colors", "4"]),
            ("tiny.bmp", ["-type", "TrueColor"]),
            ("tiny-8bit.bmp", ["-colors", "16", "-type", "Palette"]),
            ("tiny.ico", []),
            ("tiny.tga", []),
        ]:
            convert(pattern, *opts, "-strip", os.path.join(PIC, name))
        # A picture larger than Picture1, decoded in part, and its header alone.
        big = os.path.join(tmp, "big.jpg")
        convert("-size", "800x600", "xc:gray", "-quality", "1", "-strip", big)
        shutil.copy(big, os.path.join(PIC, "wide.jpg"))
        anim = os.path.join(PIC, "two-frames.gif")
        convert("-size", "4x4", "xc:red", "xc:blue", "-loop", "0", "-strip", anim)


if __name__ == "__main__":
    ini_seeds()
    picture_seeds()
