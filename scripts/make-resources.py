#!/usr/bin/env python3
"""Writes the pictures in resources/: arrow, window icon (SVG plus PNG
sizes) and the brushed-metal texture. The title, the button faces and the
explanation screen are drawn by the program from their (translated) text.

Run from anywhere: python3 scripts/make-resources.py
Needs only the standard library, except the icon PNGs, which are rasterised
with QtSvg through a small helper compiled with g++ and pkg-config (skipped
with a warning when Qt is not found).
The outputs are committed, so the program's build never runs this script.

Sizes are in twips (1 px = 15 twips) because the screens are laid out in
twips; each picture's viewBox is the area it is painted into, and the
renderer stretches it to the widget's rectangle.
"""

import os
import random
import struct
import subprocess
import sys
import tempfile
import zlib

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources")

# QtSvg (SVG Tiny 1.2) takes font-family as one name, not a list, so a list
# would silently drop to the default font; a single name still falls back to
# the system sans font where it is not installed.
SANS = "Noto Sans CJK JP"


def svg_doc(w, h, body, px_w=None, px_h=None):
    px_w = px_w if px_w is not None else round(w / 15)
    px_h = px_h if px_h is not None else round(h / 15)
    return (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
        f'width="{px_w}" height="{px_h}" viewBox="0 0 {w} {h}">\n{body}</svg>\n'
    )


def vgrad(gid, stops):
    """Vertical linear gradient over the object's bounding box."""
    s = "".join(
        f'<stop offset="{o}" stop-color="{c}"'
        + (f' stop-opacity="{a}"' if a != 1 else "")
        + "/>"
        for o, c, a in stops
    )
    return f'<linearGradient id="{gid}" x1="0" y1="0" x2="0" y2="1">{s}</linearGradient>\n'


def text(x, y, fs, s, fill, anchor="middle", weight="bold", family=SANS, extra=""):
    w = f' font-weight="{weight}"' if weight else ""
    return (
        f'<text x="{x:.0f}" y="{y:.0f}" font-family="{family}"{w} '
        f'font-size="{fs:.0f}" text-anchor="{anchor}" fill="{fill}"{extra}>{s}</text>\n'
    )


def baseline(cy, fs):
    # Visual middle of capitals and of kana/kanji sits about 0.37 em above the
    # baseline in this font family; QtSvg has no dominant-baseline.
    return cy + 0.37 * fs


# --------------------------------------------------------------------------
# Title, arrow, icon


def arrow_svg():
    w, h = 216, 456
    cx = w / 2
    shaft, head_w, head_top, tip = 42, 96, 250, 440
    pts = [
        (cx - shaft, 16),
        (cx + shaft, 16),
        (cx + shaft, head_top),
        (cx + head_w, head_top),
        (cx, tip),
        (cx - head_w, head_top),
        (cx - shaft, head_top),
    ]
    p = " ".join(f"{x:.0f},{y:.0f}" for x, y in pts)
    out = "<defs>\n" + vgrad("af", [(0, "#ff9a3c", 1), (1, "#d42a12", 1)]) + "</defs>\n"
    out += f'<polygon points="{p}" fill="url(#af)" stroke="#6a1405" stroke-width="14" stroke-linejoin="round"/>\n'
    return svg_doc(w, h, out)


def icon_svg():
    out = "<defs>\n"
    out += vgrad("ibg", [(0, "#4a9af0", 1), (1, "#12357a", 1)])
    out += vgrad("igl", [(0, "#ffffff", 0.5), (1, "#ffffff", 0.04)])
    out += "</defs>\n"
    out += '<rect x="8" y="8" width="240" height="240" rx="48" fill="url(#ibg)" stroke="#0a214d" stroke-width="10"/>\n'
    out += '<rect x="22" y="20" width="212" height="96" rx="36" fill="url(#igl)"/>\n'
    # Loop with a resistor zigzag on the top wire and a cell on the left;
    # every stroke gets a dark edge first so it reads on the gloss and when
    # the icon is tiny.
    left, right, top, bottom = 74, 206, 92, 200
    zig = [(98, top), (106, top - 24), (122, top + 24), (138, top - 24), (154, top + 24),
           (170, top - 24), (178, top)]
    pts = [(left, 128), (left, top)] + zig + [(right, top), (right, bottom), (left, bottom), (left, 160)]
    p = " ".join(f"{x},{y}" for x, y in pts)
    for colour, width in (("#0a214d", 30), ("#ffffff", 18)):
        out += (f'<polyline points="{p}" fill="none" stroke="{colour}" stroke-width="{width}" '
                'stroke-linecap="round" stroke-linejoin="round"/>\n')
    # The cell: long thin plate (+) above the short thick one (-).
    for colour, extra in (("#0a214d", 12), ("#ffe14a", 0)):
        out += (f'<line x1="{left - 32}" y1="128" x2="{left + 32}" y2="128" stroke="{colour}" '
                f'stroke-width="{12 + extra}" stroke-linecap="round"/>\n')
        out += (f'<line x1="{left - 16}" y1="160" x2="{left + 16}" y2="160" stroke="{colour}" '
                f'stroke-width="{24 + extra}" stroke-linecap="round"/>\n')
    return svg_doc(256, 256, out, 256, 256)


# --------------------------------------------------------------------------
# Brushed metal


def png_gray(path, width, rows):
    """Writes an 8-bit greyscale PNG with the Sub filter, which suits
    horizontally smooth images."""
    raw = bytearray()
    for row in rows:
        raw.append(1)
        prev = 0
        for v in row:
            raw.append((v - prev) & 0xFF)
            prev = v
    def chunk(tag, data):
        c = struct.pack(">I", len(data)) + tag + data
        return c + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, len(rows), 8, 0, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(bytes(raw), 9)))
        f.write(chunk(b"IEND", b""))


def wrap_blur(values, radius):
    """Box blur with wrap-around, so the result still tiles."""
    n = len(values)
    k = 2 * radius + 1
    s = sum(values[i % n] for i in range(-radius, radius + 1))
    out = [0.0] * n
    for i in range(n):
        out[i] = s / k
        s += values[(i + radius + 1) % n] - values[(i - radius) % n]
    return out


def brushed_metal(path, size=512, seed=20240611):
    rng = random.Random(seed)
    # Per-row tone drifts slowly down the plate (wrapping, to tile vertically).
    tone = wrap_blur([rng.gauss(0, 1) for _ in range(size)], 6)
    rows = []
    for y in range(size):
        streak = [rng.gauss(0, 1) for _ in range(size)]
        for r in (24, 12, 6):  # three passes: long, soft horizontal strokes
            streak = wrap_blur(streak, r)
        row = []
        for x in range(size):
            v = 172 + 14 * tone[y] + 55 * streak[x] + rng.gauss(0, 2.2)
            row.append(max(0, min(255, int(round(v)))))
        rows.append(row)
    png_gray(path, size, rows)


# --------------------------------------------------------------------------


def write(name, content):
    with open(os.path.join(OUT, name), "w", encoding="utf-8") as f:
        f.write(content)


# Rasterises with QtSvg, the renderer the program itself uses, so the PNGs
# match what the window shows; the helper is built in a temporary directory.
RENDER_CPP = r"""
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) return 1;
    for (int i = 2; i + 1 < argc; i += 2) {
        const int n = QByteArray(argv[i]).toInt();
        QImage img(n, n, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        svg.render(&p);
        p.end();
        if (!img.save(QString::fromLocal8Bit(argv[i + 1]))) return 1;
    }
    return 0;
}
"""


def icon_pngs():
    try:
        flags = subprocess.run(
            ["pkg-config", "--cflags", "--libs", "Qt6Svg", "Qt6Gui"],
            check=True, capture_output=True, text=True,
        ).stdout.split()
    except (OSError, subprocess.CalledProcessError):
        print("warning: Qt6Svg not found via pkg-config; icon PNGs left as they are", file=sys.stderr)
        return
    with tempfile.TemporaryDirectory() as tmp:
        src = os.path.join(tmp, "render.cpp")
        exe = os.path.join(tmp, "render")
        with open(src, "w", encoding="utf-8") as f:
            f.write(RENDER_CPP)
        subprocess.run(["g++", "-std=c++17", "-fPIC", "-O1", src, "-o", exe] + flags, check=True)
        args = [exe, os.path.join(OUT, "icon.svg")]
        for n in (16, 32, 48, 64, 128, 256):
            args += [str(n), os.path.join(OUT, f"icon_{n}.png")]
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=tmp)
        subprocess.run(args, check=True, env=env)


def main():
    os.makedirs(OUT, exist_ok=True)
    write("arrow.svg", arrow_svg())
    write("icon.svg", icon_svg())
    brushed_metal(os.path.join(OUT, "background_metal.png"))
    icon_pngs()


if __name__ == "__main__":
    main()
