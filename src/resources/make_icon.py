#!/usr/bin/env python3
"""Draws Varnelle's icon and writes it as varnelle.ico.

The picture is a page with a folded corner holding a short list of entries,
the second one selected, as in the program's own list box. Each size is laid
out on its own pixel grid so that edges fall on whole pixels; the 16-pixel
image is drawn pixel by pixel so that it stays crisp in the notification area.

The icon file holds four 32-bit images, 64, 48, 32 and 16 pixels wide, in that
order, each a BITMAPINFOHEADER, the colour pixels and the transparency mask
(32038 bytes in all). Python 3 standard library only.

    python3 make_icon.py [--preview PNG] [OUTPUT]

OUTPUT defaults to varnelle.ico beside this script. --preview also writes an
enlarged picture of all four images to look at.
"""

import argparse
import os
import struct
import zlib

SIZES = (64, 48, 32, 16)

# Colours, as (red, green, blue).
OUTLINE = (0x46, 0x52, 0x63)
PAGE_TOP = (0xFF, 0xFF, 0xFF)
PAGE_BOTTOM = (0xEC, 0xF0, 0xF5)
FOLD = (0xD2, 0xDA, 0xE5)
SELECTION = (0x25, 0x74, 0xDB)
SELECTION_EDGE = (0x1A, 0x5C, 0xB5)
BULLET = (0x25, 0x74, 0xDB)
LINE = (0x95, 0xA1, 0xB1)
WHITE = (0xFF, 0xFF, 0xFF)
SHADOW = (0x10, 0x18, 0x28)


class Canvas:
    """A square RGBA picture, premultiplied floats, painted shape by shape."""

    SUPERSAMPLE = 4

    def __init__(self, size):
        self.size = size
        self.pixels = [[(0.0, 0.0, 0.0, 0.0) for _ in range(size)] for _ in range(size)]

    def paint(self, inside, colour, alpha=1.0, bounds=None):
        """Paints colour over every pixel, weighted by how much of it lies inside."""
        n = self.SUPERSAMPLE
        x0, y0, x1, y1 = bounds or (0, 0, self.size, self.size)
        x0, y0 = max(0, int(x0)), max(0, int(y0))
        x1, y1 = min(self.size, int(x1 + 0.999)), min(self.size, int(y1 + 0.999))
        for py in range(y0, y1):
            for px in range(x0, x1):
                hits = 0
                for sy in range(n):
                    for sx in range(n):
                        if inside(px + (sx + 0.5) / n, py + (sy + 0.5) / n):
                            hits += 1
                if hits:
                    self.blend(px, py, colour, alpha * hits / (n * n))

    def blend(self, px, py, colour, alpha):
        r, g, b, a = self.pixels[py][px]
        cr, cg, cb = colour(px, py) if callable(colour) else colour
        keep = 1.0 - alpha
        self.pixels[py][px] = (
            cr / 255.0 * alpha + r * keep,
            cg / 255.0 * alpha + g * keep,
            cb / 255.0 * alpha + b * keep,
            alpha + a * keep,
        )

    def rgba(self):
        """Rows top to bottom of (r, g, b, a) bytes, straight (not premultiplied)."""
        rows = []
        for row in self.pixels:
            out = []
            for r, g, b, a in row:
                if a <= 0.0:
                    out.append((0, 0, 0, 0))
                    continue
                out.append(tuple(min(255, int(round(c / a * 255))) for c in (r, g, b))
                           + (min(255, int(round(a * 255))),))
            rows.append(out)
        return rows


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def rounded_rect(x0, y0, x1, y1, radius):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius

    return inside


def page_shape(x0, y0, x1, y1, fold):
    """A rectangle whose top right corner is cut off along a 45 degree line."""
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1 and (x - (x1 - fold)) < (y - y0)


def fold_shape(left, top, bottom, inset=0.0):
    """The turned-down corner: the triangle under the cut, its long side moved in by inset."""
    shift = inset * 2 ** 0.5
    return lambda x, y: left <= x and top <= y < bottom and (x - left) < (y - top - shift)


def vertical_gradient(top, bottom, y0, y1):
    def colour(_px, py):
        t = min(1.0, max(0.0, (py + 0.5 - y0) / max(1.0, y1 - y0)))
        return tuple(a + (b - a) * t for a, b in zip(top, bottom))

    return colour


def draw_large(size, layout):
    """Draws the 32, 48 and 64 pixel images from their own whole-pixel layout."""
    c = Canvas(size)
    x0, y0, x1, y1 = layout["page"]
    fold = layout["fold"]
    stroke = layout["stroke"]
    box = (x0 - 2, y0 - 2, x1 + 3, y1 + 3)

    shadow = layout.get("shadow")
    if shadow:
        c.paint(page_shape(x0 + shadow, y0 + shadow, x1 + shadow, y1 + shadow, fold),
                SHADOW, 0.22, box)

    # The outline is the page itself; the paper is the page shrunk by the stroke.
    # Shrinking a 45 degree cut by the stroke moves it by stroke * (sqrt 2 - 1).
    c.paint(page_shape(x0, y0, x1, y1, fold), OUTLINE, 1.0, box)
    inner_fold = fold + stroke * (2 ** 0.5 - 1)
    c.paint(page_shape(x0 + stroke, y0 + stroke, x1 - stroke, y1 - stroke, inner_fold - stroke),
            vertical_gradient(PAGE_TOP, PAGE_BOTTOM, y0, y1), 1.0, box)
    c.paint(fold_shape(x1 - fold, y0, y0 + fold), OUTLINE, 1.0, box)
    c.paint(fold_shape(x1 - fold, y0, y0 + fold - stroke, stroke), FOLD, 1.0, box)

    left = x0 + stroke
    right = x1 - stroke
    for row in layout["rows"]:
        top, height, length, selected = row
        bullet = layout["bullet"]
        text_left = left + layout["inset"] + bullet + layout["gap"]
        line_h = layout["line"]
        line_top = top + (height - line_h) // 2
        bullet_top = top + (height - bullet) // 2
        end = min(text_left + length, right - layout["inset"])
        if selected:
            c.paint(rect(left, top, right, top + height), SELECTION)
            c.paint(rect(left, top + height - 1, right, top + height), SELECTION_EDGE)
            ink, dot = WHITE, WHITE
        else:
            ink, dot = LINE, BULLET
        bx = left + layout["inset"]
        c.paint(rounded_rect(bx, bullet_top, bx + bullet, bullet_top + bullet, bullet / 2 if
                             layout.get("round_bullets") else 0), dot)
        c.paint(rounded_rect(text_left, line_top, end, line_top + line_h, line_h / 2 if
                             layout.get("round_lines") else 0), ink)
    return c


LAYOUTS = {
    64: dict(page=(10, 3, 55, 61), fold=14, stroke=2, shadow=2,
             bullet=6, gap=4, inset=5, line=4, round_bullets=True, round_lines=True,
             rows=[(14, 8, 14, False), (25, 12, 30, True), (40, 8, 26, False),
                   (50, 8, 20, False)]),
    48: dict(page=(7, 2, 41, 46), fold=11, stroke=2, shadow=1,
             bullet=4, gap=3, inset=4, line=3, round_bullets=True, round_lines=True,
             rows=[(11, 6, 10, False), (19, 9, 22, True), (30, 6, 19, False),
                   (37, 6, 14, False)]),
    32: dict(page=(5, 1, 27, 31), fold=8, stroke=1,
             bullet=3, gap=2, inset=2, line=2,
             rows=[(8, 4, 6, False), (13, 6, 13, True), (21, 4, 12, False),
                   (26, 4, 9, False)]),
}

# The 16-pixel image, pixel by pixel.
SMALL = [
    "..oooooooo......",
    "..owwwwwwoo.....",
    "..owwwwwwofo....",
    "..owbwggwoffo...",
    "..owwwwwwooooo..",
    "..owwwwwwwwwwo..",
    "..oSSSSSSSSSSo..",
    "..oSWSWWWWWSSo..",
    "..oEEEEEEEEEEo..",
    "..owwwwwwwwwwo..",
    "..owbwggggggwo..",
    "..owwwwwwwwwwo..",
    "..owbwgggggwwo..",
    "..owwwwwwwwwwo..",
    "..owwwwwwwwwwo..",
    "..oooooooooooo..",
]
SMALL_COLOURS = {
    "o": OUTLINE, "w": PAGE_TOP, "f": FOLD, "S": SELECTION, "E": SELECTION_EDGE,
    "W": WHITE, "b": BULLET, "g": LINE,
}


def draw_small():
    c = Canvas(16)
    for py, row in enumerate(SMALL):
        assert len(row) == 16, row
        for px, key in enumerate(row):
            if key != ".":
                c.blend(px, py, SMALL_COLOURS[key], 1.0)
    return c


def draw(size):
    return draw_small() if size == 16 else draw_large(size, LAYOUTS[size])


def icon_image(rows):
    """One icon image: BITMAPINFOHEADER, bottom-up BGRA pixels, AND mask."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    mask = bytearray()
    mask_stride = (size + 31) // 32 * 4
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (r, g, b, a) in enumerate(row):
            colour += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + mask


def icon_file(pictures):
    """ICONDIR, one ICONDIRENTRY per image, then the images in the same order."""
    images = [icon_image(rows) for rows in pictures]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for rows, image in zip(pictures, images):
        size = len(rows)
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    return bytes(out)


def png(width, height, rows):
    """A plain RGBA PNG from rows of (r, g, b, a)."""
    raw = bytearray()
    for row in rows:
        raw.append(0)
        for pixel in row:
            raw += bytes(pixel)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def preview(pictures, backgrounds=((0xFF, 0xFF, 0xFF), (0x3C, 0x3C, 0x3C), (0xD4, 0xD0, 0xC8))):
    """Every image at its own size and enlarged 6 times, on light and dark grounds."""
    zoom = 6
    gap = 8
    width = gap + sum(len(p) * (zoom + 1) + 2 * gap for p in pictures)
    band = max(len(p) for p in pictures) * zoom + 2 * gap
    height = band * len(backgrounds)
    canvas = [[(0, 0, 0, 255)] * width for _ in range(height)]

    def put(x, y, pixel, ground):
        r, g, b, a = pixel
        canvas[y][x] = tuple(int(round(c * a / 255 + gc * (255 - a) / 255))
                             for c, gc in zip((r, g, b), ground)) + (255,)

    for band_index, ground in enumerate(backgrounds):
        top = band_index * band
        for y in range(top, top + band):
            canvas[y] = [ground + (255,)] * width
        x = gap
        for rows in pictures:
            size = len(rows)
            for py in range(size):
                for px in range(size):
                    put(x + px, top + gap + py, rows[py][px], ground)
            x += size + gap
            for py in range(size * zoom):
                for px in range(size * zoom):
                    put(x + px, top + gap + py, rows[py // zoom][px // zoom], ground)
            x += size * zoom + gap
    return png(width, height, canvas)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    here = os.path.dirname(os.path.abspath(__file__))
    parser.add_argument("output", nargs="?", default=os.path.join(here, "varnelle.ico"))
    parser.add_argument("--preview", help="also write an enlarged PNG of the images")
    args = parser.parse_args()

    pictures = [draw(size).rgba() for size in SIZES]
    data = icon_file(pictures)
    with open(args.output, "wb") as f:
        f.write(data)
    print(f"{args.output}: {len(data)} bytes")
    if args.preview:
        with open(args.preview, "wb") as f:
            f.write(preview(pictures))
        print(f"{args.preview}: preview")


if __name__ == "__main__":
    main()
