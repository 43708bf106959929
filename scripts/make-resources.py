#!/usr/bin/env python3
"""Writes the pictures in resources/: button faces, title, arrow, explanation
background, window icon (SVG plus PNG sizes) and the brushed-metal texture.

Run from anywhere: python3 scripts/make-resources.py
Needs only the standard library, except the icon PNGs, which are rasterised
with QtSvg through a small helper compiled with g++ and pkg-config (skipped
with a warning when Qt is not found).
The outputs are committed, so the program's build never runs this script.

Sizes are in twips (1 px = 15 twips) because the screens are laid out in
twips; each picture's viewBox is the area it is painted into, and the
renderer stretches it to the widget's rectangle.
"""

import math
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
SERIF = "Times New Roman"


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
# Button faces

# (light top, body, dark bottom, border, text shadow)
PALETTES = {
    "green": ("#b4f08c", "#46b43a", "#23761e", "#14480f", "#0d3a09"),
    "blue": ("#a9cdfa", "#3a7fe0", "#1b4c9e", "#0f2c60", "#0a2250"),
    "red": ("#ffa294", "#d4372b", "#861812", "#4a0906", "#3c0603"),
    "teal": ("#9be3ea", "#22a0b3", "#0f6673", "#083f47", "#06353c"),
}


def star(cx, cy, r):
    pts = []
    for i in range(10):
        rr = r if i % 2 == 0 else r * 0.45
        a = -math.pi / 2 + i * math.pi / 5
        pts.append(f"{cx + rr * math.cos(a):.0f},{cy + rr * math.sin(a):.0f}")
    return (
        f'<polygon points="{" ".join(pts)}" fill="url(#star)" stroke="#5a3d00" '
        f'stroke-width="{r * 0.1:.0f}" stroke-linejoin="round"/>\n'
    )


def face(text_s, w, h, palette, advance_em, stars=0, max_fs=None):
    """A rounded, bevelled, glossy face with centred bold text.

    advance_em is the text's advance in em (Noto Sans CJK JP Bold), used to
    keep long texts inside the face."""
    light, body, dark, border, shadow = PALETTES[palette]
    bw = 30 if h < 700 else 40  # border, about 2 px
    rx = min(w, h) * 0.22
    out = "<defs>\n"
    out += vgrad("bg", [(0, light, 1), (0.5, body, 1), (1, dark, 1)])
    out += vgrad("rim", [(0, dark, 1), (1, border, 1)])
    out += vgrad("gloss", [(0, "#ffffff", 0.75), (1, "#ffffff", 0.08)])
    if stars:
        out += vgrad("star", [(0, "#fff6b0", 1), (1, "#f2b400", 1)])
    out += "</defs>\n"
    out += f'<rect x="0" y="0" width="{w}" height="{h}" rx="{rx:.0f}" fill="url(#rim)"/>\n'
    ix, iy, iw, ih = bw, bw, w - 2 * bw, h - 2 * bw
    irx = max(rx - bw, 0)
    out += (
        f'<rect x="{ix}" y="{iy}" width="{iw}" height="{ih}" rx="{irx:.0f}" '
        f'fill="url(#bg)" stroke="#ffffff" stroke-opacity="0.45" stroke-width="12"/>\n'
    )
    g = bw + 20
    out += (
        f'<rect x="{g}" y="{g}" width="{w - 2 * g}" height="{(h - 2 * g) * 0.46:.0f}" '
        f'rx="{max(irx - 20, 0):.0f}" fill="url(#gloss)"/>\n'
    )
    pad = max(0.07 * w, 100)
    text_h = h * (0.62 if stars else 1.0)
    fs = min(0.6 * text_h, (w - 2 * pad) / advance_em)
    if max_fs:
        fs = min(fs, max_fs)
    cy = h * 0.40 if stars else h / 2
    by = baseline(cy, fs)
    off = max(15, fs * 0.06)  # drop shadow, at least 1 px
    out += text(w / 2 + off, by + off, fs, text_s, shadow, extra=' fill-opacity="0.8"')
    out += text(w / 2, by, fs, text_s, "#ffffff")
    if stars:
        r = h * 0.095
        pitch = r * 2.4
        sy = h * 0.76
        x0 = w / 2 - pitch * (stars - 1) / 2
        for i in range(stars):
            out += star(x0 + i * pitch, sy, r)
    return svg_doc(w, h, out)


# Advances in em of each text in Noto Sans CJK JP Bold.
FACES = [
    # file, text, width, height, palette, advance, stars, cap on font size
    ("face_easy.svg", "EASY", 1575, 1215, "green", 2.441, 1, 310),
    ("face_normal.svg", "NORMAL", 1575, 1215, "blue", 4.273, 2, 310),
    ("face_hard.svg", "HARD", 1575, 1215, "red", 2.794, 3, 310),
    ("face_setsumei.svg", "説明", 975, 615, "teal", 2.0, 0, 330),
    ("face_start.svg", "start", 975, 375, "teal", 2.318, 0, None),
    ("face_kaitou.svg", "解答チェック", 1335, 375, "teal", 6.0, 0, None),
    # One size for the three result-screen faces, so they match.
    ("face_next.svg", "NEXT", 1215, 735, "teal", 2.593, 0, 350),
    ("face_end.svg", "END", 1215, 735, "teal", 2.078, 0, 350),
    ("face_modoru.svg", "戻る", 1215, 735, "teal", 2.0, 0, 350),
    # The pair stands side by side, so both use the size the longer one fits.
    ("face_retry.svg", "もう一度やり直す", 2415, 855, "teal", 7.97, 0, 212),
    ("face_review.svg", "どこで間違ったか調べる", 2535, 855, "teal", 10.97, 0, 212),
]


# --------------------------------------------------------------------------
# Title, arrow, explanation, icon


def title_svg():
    w, h = 5400, 660
    s = "回路計算ドリル"
    fs = 540
    pitch = fs * 1.1
    x0 = w / 2 - pitch * (len(s) - 1) / 2
    by = baseline(h / 2, fs) - 10
    out = "<defs>\n"
    out += vgrad("tfill", [(0, "#3f7ff0", 1), (0.55, "#1d4fb8", 1), (1, "#0b2a70", 1)])
    out += "</defs>\n"

    def layer(dx, dy, fill, extra=""):
        return "".join(
            text(x0 + i * pitch + dx, by + dy, fs, c, fill, extra=extra) for i, c in enumerate(s)
        )

    # Soft drop shadow, then a white outline made of offset copies (QtSvg
    # strokes no text), then the face.
    out += layer(45, 45, "#000000", ' fill-opacity="0.45"')
    o = 26
    for dx, dy in [(o, 0), (-o, 0), (0, o), (0, -o), (18, 18), (-18, 18), (18, -18), (-18, -18)]:
        out += layer(dx, dy, "#ffffff")
    out += layer(0, 0, "url(#tfill)")
    return svg_doc(w, h, out)


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


def explanation_svg():
    w, h = 8148, 4224
    fs = 320
    x = 480
    ink = "#1a1a40"
    out = f'<rect x="0" y="0" width="{w}" height="{h}" fill="#ffffe0"/>\n'
    out += text(x, 1000, fs, "正弦波交流回路の問題では、電源の角周波数を", ink, "start", None)
    # The formula is laid out piece by piece from measured advances (em):
    # the exponent needs its own raised <text>, and SVG collapses the blanks
    # at the ends of a text, so the gaps are explicit.
    y2 = 1640
    gap = 0.3 * fs
    cx = x
    out += text(cx, y2, fs * 1.15, "ω", ink, "start", None, SERIF, ' font-style="italic"')
    cx += 0.66 * fs * 1.15 + gap
    out += text(cx, y2, fs, "=", ink, "start", None)
    cx += 0.555 * fs + gap
    out += text(cx, y2, fs, "10", ink, "start", None)
    cx += 1.11 * fs + 0.04 * fs
    sup = fs * 0.62
    out += text(cx, y2 - fs * 0.42, sup, "4", ink, "start", None)
    cx += 0.555 * sup + gap
    out += text(cx, y2, fs, "[rad/sec]", ink, "start", None)
    cx += 4.144 * fs + gap
    out += text(cx, y2, fs, "とします。", ink, "start", None)
    out += text(x, 2440, fs, "計算結果は、小数点以下２桁まで求めて下さい。", ink, "start", None)
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
    for name, s, w, h, pal, adv, stars, max_fs in FACES:
        write(name, face(s, w, h, pal, adv, stars, max_fs))
    write("title.svg", title_svg())
    write("arrow.svg", arrow_svg())
    write("explanation.svg", explanation_svg())
    write("icon.svg", icon_svg())
    brushed_metal(os.path.join(OUT, "background_metal.png"))
    icon_pngs()


if __name__ == "__main__":
    main()
