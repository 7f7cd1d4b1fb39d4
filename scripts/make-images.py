#!/usr/bin/env python3
"""Draws the program's bitmaps and icons into src/win32/res/images.

Every image is drawn from shapes on a 16 x 15 design grid (16 x 16 for the
icons) and rasterised at each size the program needs, so the small and the
large toolbar show the same pictures. Run it after changing a picture:
    python3 scripts/make-images.py
"""
import math
import os
import struct

OUT = os.path.join(os.path.dirname(__file__), "..", "src", "win32", "res", "images")

GREY = (192, 192, 192)  # the toolbars' transparent colour: never drawn
BLACK = (0, 0, 0)
DARK = (64, 64, 64)
MID = (128, 128, 128)
LIGHT = (224, 224, 224)
WHITE = (255, 255, 255)
BLUE = (0, 64, 176)
SKY = (170, 215, 255)
NAVY = (0, 32, 96)
GREEN = (0, 136, 0)
DKGREEN = (0, 80, 0)
RED = (208, 0, 0)
YELLOW = (255, 208, 64)
OCHRE = (176, 128, 0)
BROWN = (128, 72, 16)
WOOD = (200, 144, 72)

# Glyphs as strokes on a 3 x 5 box (x right, y down).
GLYPHS = {
    "0": [(0, 0, 2, 0), (2, 0, 2, 4), (2, 4, 0, 4), (0, 4, 0, 0)],
    "1": [(1, 0, 1, 4), (0, 1, 1, 0), (0, 4, 2, 4)],
    "2": [(0, 0, 2, 0), (2, 0, 2, 2), (2, 2, 0, 2), (0, 2, 0, 4), (0, 4, 2, 4)],
    "3": [(0, 0, 2, 0), (2, 0, 2, 4), (2, 4, 0, 4), (0, 2, 2, 2)],
    "4": [(0, 0, 0, 2), (0, 2, 2, 2), (2, 0, 2, 4)],
    "5": [(2, 0, 0, 0), (0, 0, 0, 2), (0, 2, 2, 2), (2, 2, 2, 4), (2, 4, 0, 4)],
    "6": [(2, 0, 0, 0), (0, 0, 0, 4), (0, 4, 2, 4), (2, 4, 2, 2), (2, 2, 0, 2)],
    "7": [(0, 0, 2, 0), (2, 0, 1, 4)],
    "8": [(0, 0, 2, 0), (2, 0, 2, 4), (2, 4, 0, 4), (0, 4, 0, 0), (0, 2, 2, 2)],
    "9": [(2, 2, 0, 2), (0, 2, 0, 0), (0, 0, 2, 0), (2, 0, 2, 4), (2, 4, 0, 4)],
    "A": [(0, 4, 1, 0), (1, 0, 2, 4), (0.5, 2.6, 1.5, 2.6)],
    "B": [(0, 0, 0, 4), (0, 0, 1, 0), (1, 0, 2, 1), (2, 1, 1, 2), (0, 2, 1, 2), (1, 2, 2, 3), (2, 3, 1, 4),
          (1, 4, 0, 4)],
    "Я": [(2, 0, 2, 4), (2, 0, 1, 0), (1, 0, 0, 1), (0, 1, 1, 2), (1, 2, 2, 2), (1, 2, 0, 4)],
    "Ж": [(1.5, 0, 1.5, 4), (0, 0, 1.5, 2), (1.5, 2, 0, 4), (3, 0, 1.5, 2), (1.5, 2, 3, 4)],
}


class Canvas:
    def __init__(self, width, height, sx, sy, background=GREY):
        self.w, self.h, self.sx, self.sy = width, height, sx, sy
        self.pixels = [[background] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.pixels[y][x] = colour

    def span(self, a, b, scale):  # design cells a..b -> device pixels
        return int(round(a * scale)), int(round((b + 1) * scale)) - 1

    def fill(self, x0, y0, x1, y1, colour):
        X0, X1 = self.span(x0, x1, self.sx)
        Y0, Y1 = self.span(y0, y1, self.sy)
        for y in range(Y0, Y1 + 1):
            for x in range(X0, X1 + 1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        X0, X1 = self.span(x0, x1, self.sx)
        Y0, Y1 = self.span(y0, y1, self.sy)
        for x in range(X0, X1 + 1):
            self.put(x, Y0, colour)
            self.put(x, Y1, colour)
        for y in range(Y0, Y1 + 1):
            self.put(X0, y, colour)
            self.put(X1, y, colour)

    def box(self, x0, y0, x1, y1, inside, edge=BLACK):
        self.fill(x0, y0, x1, y1, inside)
        self.frame(x0, y0, x1, y1, edge)

    def device(self, x, y):  # the centre of design cell (x, y) on the device
        return (x + 0.5) * self.sx - 0.5, (y + 0.5) * self.sy - 0.5

    def line(self, x0, y0, x1, y1, colour, thick=False):
        X0, Y0 = self.device(x0, y0)
        X1, Y1 = self.device(x1, y1)
        steps = int(max(abs(X1 - X0), abs(Y1 - Y0))) + 1
        for i in range(steps + 1):
            t = i / steps
            x, y = int(round(X0 + (X1 - X0) * t)), int(round(Y0 + (Y1 - Y0) * t))
            self.put(x, y, colour)
            if thick:
                self.put(x + 1, y, colour)
                self.put(x, y + 1, colour)
                self.put(x + 1, y + 1, colour)

    def polyline(self, points, colour, closed=True, thick=False):
        ends = points[1:] + points[:1] if closed else points[1:]
        for (a, b), (c, d) in zip(points, ends):
            self.line(a, b, c, d, colour, thick)

    def each_pixel(self):  # device pixel -> its centre in design coordinates
        for Y in range(self.h):
            for X in range(self.w):
                yield X, Y, (X + 0.5) / self.sx - 0.5, (Y + 0.5) / self.sy - 0.5

    def polygon(self, points, inside, edge=BLACK):
        for X, Y, x, y in self.each_pixel():
            if inside_polygon(points, x, y):
                self.put(X, Y, inside)
        if edge:
            self.polyline(points, edge)

    def disc(self, cx, cy, r, colour):
        for X, Y, x, y in self.each_pixel():
            if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                self.put(X, Y, colour)

    def ring(self, cx, cy, outer, inner, colour, start=0, end=360):
        """Pixels between two radii whose angle (degrees, counter-clockwise
        from the right) lies in start..end."""
        for X, Y, x, y in self.each_pixel():
            d = math.hypot(x - cx, y - cy)
            angle = math.degrees(math.atan2(cy - y, x - cx)) % 360
            if inner <= d <= outer and (start <= angle <= end or start <= angle + 360 <= end):
                self.put(X, Y, colour)

    def text(self, chars, x, y, colour, unit=1.0, thick=False):
        for ch in chars:
            for a, b, c, d in GLYPHS[ch]:
                self.line(x + a * unit, y + b * unit, x + c * unit, y + d * unit, colour, thick)
            x += 4 * unit


def inside_polygon(points, x, y):
    inside = False
    for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
        if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
            inside = not inside
    return inside


# ---- pictures, on the 16 x 15 grid

def page(c, x0, y0, x1, y1, lines=False):
    c.polygon([(x0, y0), (x1 - 3, y0), (x1, y0 + 3), (x1, y1), (x0, y1)], WHITE)
    c.polyline([(x1 - 3, y0), (x1 - 3, y0 + 3), (x1, y0 + 3)], BLACK, closed=False)
    if lines:
        for y in range(y0 + 3, y1 - 1, 2):
            c.line(x0 + 2, y, x1 - 2 if y > y0 + 3 else x1 - 4, y, MID)


def folder(c, x0, y0, x1, y1):
    c.box(x0, y0, x0 + 5, y0 + 2, OCHRE)
    c.box(x0, y0 + 2, x1 - 2, y1, OCHRE)
    c.polygon([(x0 + 3, y0 + 5), (x1, y0 + 5), (x1 - 2, y1), (x0, y1)], YELLOW)


def floppy(c, x0, y0, x1, y1):
    c.box(x0, y0, x1, y1, BLUE, NAVY)
    w = x1 - x0
    c.box(x0 + 2, y0, x1 - 2, y0 + (y1 - y0) // 2, WHITE, NAVY)
    c.fill(x0 + w // 2 - 1 + 1, y1 - 3, x1 - 3, y1, LIGHT)
    c.fill(x0 + w // 2 + 1, y1 - 2, x0 + w // 2 + 1, y1 - 1, NAVY)


def cross(c, x0, y0, x1, y1, colour=RED):
    c.line(x0, y0, x1, y1, colour, thick=True)
    c.line(x0, y1, x1, y0, colour, thick=True)


def magnifier(c, cx, cy, r):
    c.disc(cx, cy, r, SKY)
    c.ring(cx, cy, r + 0.4, r - 0.6, BLACK)
    d = r * 0.75
    c.line(cx + d, cy + d, cx + d + 3, cy + d + 3, BROWN, thick=True)


def arrow(c, x0, y, x1, colour=GREEN):  # horizontal, pointing at x1
    c.line(x0, y, x1, y, colour)
    c.line(x0, y + 1, x1, y + 1, colour)
    back = -3 if x1 > x0 else 3
    c.polygon([(x1 + back, y - 2.5), (x1 + (1 if x1 > x0 else -1), y + 0.5), (x1 + back, y + 3.5)], colour, None)


def window(c, x0, y0, x1, y1):
    c.box(x0, y0, x1, y1, WHITE, DARK)
    c.fill(x0, y0, x1, y0 + 1, BLUE)
    c.frame(x0, y0, x1, y1, DARK)


def curved_arrow(c, mirror):
    """Undo (points left) or, mirrored, redo."""
    start, end = (0, 160) if not mirror else (20, 180)
    c.ring(7.5, 9.5, 5.8, 3.6, BLUE, start, end)
    tip = 2.8 if not mirror else 12.2
    c.polygon([(tip - 3.3, 8.5), (tip + 3.3, 8.5), (tip, 12.8)], BLUE, None)


def gear(c):
    for X, Y, x, y in c.each_pixel():
        d = math.hypot(x - 7.5, y - 7)
        a = math.degrees(math.atan2(y - 7, x - 7.5)) % 45
        if 1.9 < d <= 4.8 or (d <= 6.9 and 1.9 < d and a < 20):
            c.put(X, Y, DARK)


def star(c, cx, cy, r):
    points = []
    for i in range(10):
        radius = r if i % 2 == 0 else r * 0.42
        angle = math.radians(-90 + 36 * i)
        points.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    c.polygon(points, YELLOW, OCHRE)


def plus(c, x, y, colour=GREEN):
    c.fill(x, y + 2, x + 4, y + 2, colour)
    c.fill(x + 2, y, x + 2, y + 4, colour)


def book(c, digit):
    c.box(2, 0, 13, 14, (160, 32, 32), (96, 0, 0))
    c.fill(12, 1, 12, 13, WHITE)
    c.box(4, 3, 11, 10, WHITE, (96, 0, 0))
    width = 4 * len(digit) - 1
    c.text(digit, 8 - width / 2, 4, BLACK)


def toolbar_images():
    def new(c): page(c, 3, 0, 12, 14)
    def open_(c): folder(c, 0, 2, 15, 13)
    def close_all(c):
        page(c, 1, 0, 9, 10)
        page(c, 4, 3, 12, 13)
        cross(c, 9, 8, 14, 13)
    def save(c): floppy(c, 1, 1, 14, 14)
    def save_all(c):
        floppy(c, 0, 0, 9, 9)
        floppy(c, 5, 5, 14, 14)
    def reload(c):
        page(c, 1, 0, 10, 14, lines=True)
        c.ring(10, 9, 4.9, 3.0, GREEN, 90, 360)
        c.polygon([(6.5, 5), (10.5, 2), (10.5, 8)], GREEN, None)
    def mail(c):
        c.box(0, 3, 15, 12, WHITE)
        c.line(0, 3, 7, 8, BLACK)
        c.line(8, 8, 15, 3, BLACK)
    def print_(c):
        c.box(4, 0, 11, 5, WHITE)
        c.box(0, 5, 15, 11, LIGHT, DARK)
        c.box(3, 10, 12, 14, WHITE)
        c.fill(12, 7, 13, 7, GREEN)
    def preview(c):
        page(c, 0, 0, 10, 14, lines=True)
        magnifier(c, 9.5, 8, 3.5)
    def undo(c): curved_arrow(c, False)
    def redo(c): curved_arrow(c, True)
    def copy(c):
        page(c, 0, 0, 8, 10, lines=True)
        page(c, 6, 4, 14, 14, lines=True)
    def paste(c):
        c.box(1, 1, 11, 14, WOOD, BROWN)
        c.box(4, 0, 8, 2, LIGHT, DARK)
        page(c, 6, 5, 15, 14, lines=True)
    def cut(c):
        c.line(5, 8, 11, 0, DARK, thick=True)
        c.line(10, 8, 4, 0, DARK, thick=True)
        c.ring(3.5, 11, 2.9, 1.4, BLACK)
        c.ring(11.5, 11, 2.9, 1.4, BLACK)
    def find(c): magnifier(c, 6, 5.5, 4.5)
    def find_next(c):
        magnifier(c, 5, 4.5, 3.5)
        arrow(c, 8, 11, 15)
    def find_prev(c):
        magnifier(c, 9, 4.5, 3.5)
        arrow(c, 7, 11, 0)
    def replace(c):
        c.text("A", 0, 0, BLUE, unit=1.6)
        c.text("B", 11, 6, RED, unit=1.6)
        c.line(3, 10, 8, 13, GREEN)
        c.polygon([(6.5, 10), (10, 14), (5.5, 14.5)], GREEN, None)
    def goto(c):
        for y in (1, 4, 10, 13):
            c.line(6, y, 15, y, MID)
        c.fill(6, 6, 15, 8, SKY)
        c.line(6, 7, 15, 7, BLACK)
        arrow(c, 0, 6.5, 5)
    def ribbon(c, x0, y0, x1, y1):
        mid = (x0 + x1) / 2
        c.polygon([(x0, y0), (x1, y0), (x1, y1), (mid, y1 - (x1 - x0) / 2), (x0, y1)], (0, 128, 255), NAVY)
    def bookmarks(c):
        page(c, 3, 0, 15, 14, lines=True)
        ribbon(c, 0, 2, 4, 7)
        ribbon(c, 0, 8, 4, 13)
    def toggle_bookmark(c): ribbon(c, 4, 0, 11, 14)
    def special(c):
        c.disc(6, 4, 2.8, BLACK)
        c.fill(5, 1, 12, 1, BLACK)
        c.fill(8, 1, 8, 14, BLACK)
        c.fill(11, 1, 11, 14, BLACK)
    def full_screen(c):
        c.box(0, 0, 15, 11, SKY, DARK)
        for x0, y0, dx, dy in ((2, 2, 1, 1), (13, 2, -1, 1), (2, 9, 1, -1), (13, 9, -1, -1)):
            c.line(x0, y0, x0 + 3 * dx, y0, NAVY)
            c.line(x0, y0, x0, y0 + 2 * dy, NAVY)
        c.fill(6, 12, 9, 12, DARK)
        c.fill(3, 14, 12, 14, DARK)
    def wrap(c):
        c.line(0, 2, 11, 2, BLACK)
        c.line(0, 3, 11, 3, BLACK)
        c.ring(11, 6.5, 4.4, 2.6, BLUE, -90, 90)
        c.line(11, 10, 6, 10, BLUE)
        c.line(11, 9, 6, 9, BLUE)
        c.polygon([(6.5, 6.5), (6.5, 12.5), (2.5, 9.5)], BLUE, None)
        c.line(0, 13, 7, 13, BLACK)
    def larger(c):
        c.text("A", 0, 3, BLACK, unit=2.4, thick=True)
        plus(c, 11, 0, RED)
    def smaller(c):
        c.text("A", 2, 6, BLACK, unit=1.6)
        c.fill(10, 2, 14, 2, RED)
    def convert(c):
        c.text("A", 0, 0, BLUE, unit=1.6)
        c.text("Я", 11, 6, RED, unit=1.6)
        arrow(c, 3, 11, 9)
        arrow(c, 12, 3, 6)
    def execute(c): c.polygon([(3, 0), (13, 7), (3, 14)], (0, 192, 0), DKGREEN)
    def cascade(c):
        window(c, 0, 0, 9, 8)
        window(c, 3, 3, 12, 11)
        window(c, 6, 6, 15, 14)
    def tile_horz(c):
        window(c, 0, 0, 15, 6)
        window(c, 0, 8, 15, 14)
    def tile_vert(c):
        window(c, 0, 0, 7, 14)
        window(c, 8, 0, 15, 14)
    def about(c):
        c.disc(7.5, 7, 6.8, BLUE)
        c.fill(7, 2, 8, 3, WHITE)
        c.fill(7, 5, 8, 11, WHITE)
        c.fill(6, 11, 9, 11, WHITE)
    def clip(n): return lambda c: book(c, str(n))
    def favorite(c):
        star(c, 7, 7.5, 7)
        plus(c, 11, 10)
    def find_in_files(c):
        folder(c, 0, 3, 13, 14)
        magnifier(c, 9.5, 4.5, 3.3)
    return [new, open_, close_all, save, save_all, reload, mail, print_, preview, undo, redo, copy, paste, cut,
            gear, find, find_next, find_prev, replace, goto, bookmarks, toggle_bookmark, special, full_screen, wrap,
            larger, smaller, convert, execute, cascade, tile_horz, tile_vert, about] + \
           [clip(n) for n in range(1, 11)] + [favorite, find_in_files]


def language_images():
    def russian(c):
        c.fill(0, 2, 15, 5, WHITE)
        c.fill(0, 6, 15, 8, BLUE)
        c.fill(0, 9, 15, 12, RED)
        c.frame(0, 2, 15, 12, DARK)
    def english(c):
        c.fill(0, 2, 15, 12, NAVY)
        c.line(0, 2, 15, 12, WHITE)
        c.line(0, 12, 15, 2, WHITE)
        c.fill(0, 6, 15, 8, WHITE)
        c.fill(6, 2, 9, 12, WHITE)
        c.fill(0, 7, 15, 7, RED)
        c.fill(7, 2, 8, 12, RED)
        c.frame(0, 2, 15, 12, DARK)
    def system(c):  # the system switches layouts
        c.box(0, 4, 15, 12, LIGHT, DARK)
        for y in (6, 8):
            for x in range(2, 14, 3):
                c.fill(x, y, x + 1, y, DARK)
        c.fill(4, 10, 11, 10, DARK)
    return [english, russian, system]  # by Language: 0 English, 1 Russian


def preference_images():  # the groups: editor, interface, appearance, file types
    def editor(c):
        page(c, 1, 0, 12, 14, lines=True)
        c.line(6, 12, 14, 3, BROWN, thick=True)
        c.line(5, 14, 6, 12, BLACK)
    def interface(c):
        window(c, 0, 1, 15, 13)
        language_images()[1](c)
    def appearance(c):
        c.disc(7.5, 7, 6.8, WOOD)
        c.disc(10.5, 10, 1.8, GREY)
        for x, y, colour in ((4, 5, RED), (7.5, 3, YELLOW), (11, 5, GREEN), (4, 9.5, BLUE)):
            c.disc(x, y, 1.4, colour)
    def file_types(c):
        folder(c, 0, 3, 15, 14)
        page(c, 5, 0, 13, 9)
    return [editor, interface, appearance, file_types]


def output_images():  # copy, save, clear
    def clear(c):
        page(c, 0, 0, 11, 14, lines=True)
        cross(c, 8, 7, 14, 13)
    pictures = toolbar_images()
    return [pictures[11], pictures[3], clear]


# ---- files

def write_strip(name, pictures, size, scale):
    w, h = size
    strip = Canvas(w * len(pictures), h, 1, 1)
    for i, draw in enumerate(pictures):
        c = Canvas(w, h, *scale)
        draw(c)
        for y in range(h):
            strip.pixels[y][i * w:(i + 1) * w] = c.pixels[y]
    write_bmp(os.path.join(OUT, name), strip.pixels)


def write_bmp(path, rows):
    h, w = len(rows), len(rows[0])
    stride = (w * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        data += line + bytes(stride - len(line))
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
       (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255),
       (0, 255, 255), (255, 255, 255)]


def write_bmp4(path, rows):
    """A 16-colour bitmap in the standard palette (nearest colour)."""
    def nearest(colour):
        return min(range(16), key=lambda i: sum((a - b) ** 2 for a, b in zip(colour, VGA[i])))
    h, w = len(rows), len(rows[0])
    stride = ((w + 7) // 8) * 4
    data = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, colour in enumerate(row):
            line[x // 2] |= nearest(colour) << (4 if x % 2 == 0 else 0)
        data += line
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in VGA)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 4, 0, len(data), 2835, 2835, 16, 0)
    with open(path, "wb") as f:
        f.write(header + info + palette + data)


def open_with_image(c):  # the shell menu's 13 x 13 picture
    c.polygon([(1, 0), (8, 0), (11, 3), (11, 12), (1, 12)], WHITE)
    for y in (4, 6, 8, 10):
        c.line(3, y, 9, y, BLUE)


def icon_image(draw, size):
    c = Canvas(size, size, size / 16, size / 16, background=None)
    draw(c)
    xor = bytearray()
    for row in reversed(c.pixels):
        for p in row:
            xor += bytes((0, 0, 0, 0)) if p is None else bytes((p[2], p[1], p[0], 255))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(c.pixels):
        bits = bytearray(mask_stride)
        for x, p in enumerate(row):
            if p is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + xor + mask


def write_icon(name, draw):
    images = [icon_image(draw, size) for size in (16, 32, 48)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip((16, 32, 48), images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(out + b"".join(images))


def application_icon(c):
    page(c, 1, 0, 14, 15)
    c.text("Ж", 3.2, 4, BLUE, unit=2.2, thick=True)


def document_icon(c):
    page(c, 2, 0, 13, 15, lines=True)
    c.box(7, 9, 15, 15, BLUE, NAVY)
    c.text("Ж", 9, 10.5, WHITE, unit=1.0)


def up_arrow(c):
    c.polygon([(7.5, 2), (14, 9), (10, 9), (10, 14), (5, 14), (5, 9), (1, 9)], GREEN, DKGREEN)


def down_arrow(c):
    c.polygon([(7.5, 14), (14, 7), (10, 7), (10, 1), (5, 1), (5, 7), (1, 7)], GREEN, DKGREEN)


def main():
    os.makedirs(OUT, exist_ok=True)
    write_strip("toolbar_small.bmp", toolbar_images(), (16, 15), (1, 1))
    write_strip("toolbar_large.bmp", toolbar_images(), (24, 21), (1.5, 1.4))
    write_strip("languages.bmp", language_images(), (16, 15), (1, 1))
    write_strip("output.bmp", output_images(), (16, 15), (1, 1))
    write_strip("full_screen.bmp", [toolbar_images()[23]], (16, 15), (1, 1))
    write_strip("preference_groups.bmp", preference_images(), (32, 32), (2, 32 / 15))
    write_strip("single_page.bmp", [gear], (32, 32), (2, 32 / 15))
    write_icon("noveda.ico", application_icon)
    write_icon("document.ico", document_icon)
    write_icon("up.ico", up_arrow)
    shell = os.path.join(os.path.dirname(__file__), "..", "src", "shellext", "images")
    os.makedirs(shell, exist_ok=True)
    menu = Canvas(13, 13, 13 / 16, 13 / 15, background=WHITE)
    open_with_image(menu)
    write_bmp4(os.path.join(shell, "open_with.bmp"), menu.pixels)
    write_icon("down.ico", down_arrow)


if __name__ == "__main__":
    main()
