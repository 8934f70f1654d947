#!/usr/bin/env python3
"""Draws the editor's toolbar strips, image lists, icons and cursors.

Writes Windows BMP (24-bit), ICO (16x16 and 32x32, 32-bit with AND mask)
and CUR files into resources/editor/res/. Standard library only; the output
is the same on every run, so the files can be kept in the repository.

    python3 scripts/make-bitmaps.py [output folder]
"""

import math
import os
import struct
import sys

# ---------------------------------------------------------------- colours

BLACK = (0, 0, 0)
DARK = (64, 64, 64)
GREY = (128, 128, 128)
MGREY = (168, 168, 168)
LGREY = (212, 212, 212)
PAPER = (250, 250, 250)      # never pure white: bitmap 20 masks white
WHITE = (255, 255, 255)
BLUE = (40, 90, 180)
DBLUE = (20, 50, 120)
LBLUE = (170, 205, 245)
YELLOW = (250, 210, 80)
LYELLOW = (255, 232, 140)
DYELLOW = (180, 130, 30)
GREEN = (50, 160, 70)
DGREEN = (20, 100, 40)
RED = (210, 40, 40)
DRED = (140, 20, 20)
PURPLE = (130, 60, 170)
ORANGE = (230, 130, 30)
TEAL = (20, 140, 140)
BROWN = (120, 80, 40)

MAGENTA = (255, 0, 255)      # mask of bitmaps 1, 17, 18, 19
SILVER = (192, 192, 192)     # mask of bitmap 21


def tint(c, f):
    """Mixes a colour with white (f = 0 gives the colour, 1 gives white)."""
    return tuple(int(round(v + (250 - v) * f)) for v in c)


# ---------------------------------------------------------------- canvas

class Canvas:
    """A w x h picture drawn in design units (units across the width).

    Pixel (x, y) covers [x, x+1) of the pixel grid; a shape colours every
    pixel whose centre lies in it. None is a transparent pixel.
    """

    def __init__(self, w, h=None, units=None):
        self.w = w
        self.h = h if h is not None else w
        self.k = w / float(units if units else w)
        self.px = [[None] * self.w for _ in range(self.h)]

    def _each(self, test, colour):
        k = self.k
        for y in range(self.h):
            v = (y + 0.5) / k
            for x in range(self.w):
                u = (x + 0.5) / k
                c = test(u, v)
                if c:
                    self.px[y][x] = colour if c is True else c

    def rect(self, x, y, w, h, colour):
        self._each(lambda u, v: x <= u < x + w and y <= v < y + h, colour)

    def box(self, x, y, w, h, fill, outline, t=1):
        def test(u, v):
            if not (x <= u < x + w and y <= v < y + h):
                return False
            if u < x + t or u >= x + w - t or v < y + t or v >= y + h - t:
                return outline
            return fill if fill is not None else False
        self._each(test, None)

    def clear(self, x, y):
        self.px[y][x] = None

    def line(self, x0, y0, x1, y1, colour, width=1.0):
        r = width / 2.0
        self._each(lambda u, v: _seg_dist(u, v, x0, y0, x1, y1) <= r, colour)

    def disc(self, cx, cy, r, colour):
        self._each(lambda u, v: (u - cx) ** 2 + (v - cy) ** 2 <= r * r, colour)

    def ring(self, cx, cy, r, t, colour):
        def test(u, v):
            d = math.hypot(u - cx, v - cy)
            return r - t <= d <= r
        self._each(test, colour)

    def poly(self, pts, fill, outline=None, t=1.0):
        edges = list(zip(pts, pts[1:] + pts[:1]))

        def test(u, v):
            if not _inside(u, v, pts):
                return False
            if outline is None:
                return fill
            d = min(_seg_dist(u, v, a[0], a[1], b[0], b[1]) for a, b in edges)
            return outline if d < t else fill
        self._each(test, None)

    def text(self, x, y, s, colour, scale=1):
        """Draws text in the 5x7 font below; each font dot is scale units."""
        for ch in s:
            rows = FONT[ch]
            for j, row in enumerate(rows):
                for i, bit in enumerate(row):
                    if bit == '#':
                        self.rect(x + i * scale, y + j * scale, scale, scale, colour)
            x += (len(rows[0]) + 1) * scale

    def paste(self, other, ox, oy):
        for y in range(other.h):
            for x in range(other.w):
                c = other.px[y][x]
                if c is not None:
                    self.px[oy + y][ox + x] = c

    def map(self, fn):
        for row in self.px:
            for x, c in enumerate(row):
                if c is not None:
                    row[x] = fn(c)


def _seg_dist(px, py, x0, y0, x1, y1):
    dx, dy = x1 - x0, y1 - y0
    l2 = dx * dx + dy * dy
    t = 0.0 if l2 == 0 else max(0.0, min(1.0, ((px - x0) * dx + (py - y0) * dy) / l2))
    return math.hypot(px - (x0 + t * dx), py - (y0 + t * dy))


def _inside(x, y, pts):
    inside = False
    n = len(pts)
    for i in range(n):
        x0, y0 = pts[i]
        x1, y1 = pts[(i + 1) % n]
        if (y0 > y) != (y1 > y):
            xc = x0 + (y - y0) * (x1 - x0) / (y1 - y0)
            if x < xc:
                inside = not inside
    return inside


def disabled(c):
    """The greyed look of a disabled button: light grey from luminance."""
    lum = 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2]
    g = int(round(120 + lum * 0.45))
    return (g, g, g)


# 5x7 font for the letter tiles
FONT = {
    '?': [".###.", "#...#", "....#", "..##.", "..#..", ".....", "..#.."],
    '#': [".#.#.", ".#.#.", "#####", ".#.#.", "#####", ".#.#.", ".#.#."],
    'C': [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    'E': ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    'K': ["#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"],
    'N': ["#...#", "##..#", "#.#.#", "#.#.#", "#..##", "#...#", "#...#"],
    'P': ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    'R': ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    'S': [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    'T': ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    'e': [".....", ".....", ".###.", "#...#", "#####", "#....", ".###."],
    'f': ["..##.", ".#...", ".#...", "###..", ".#...", ".#...", ".#..."],
    'm': [".....", ".....", "##.#.", "#.#.#", "#.#.#", "#.#.#", "#.#.#"],
    'n': [".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#"],
    'p': [".....", "####.", "#...#", "#...#", "####.", "#....", "#...."],
    't': [".#...", ".#...", "###..", ".#...", ".#...", ".#..#", "..##."],
    'v': [".....", ".....", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
}


# ---------------------------------------------------------------- glyph parts (16 units)

def page(cv, x=3, y=1, w=10, h=14, fold=3, lines=False, fill=PAPER, edge=DARK):
    cv.box(x, y, w, h, fill, edge)
    r = x + w - 1                       # right column
    for j in range(fold):               # cut the corner
        for i in range(fold - j):
            px, py = int((r - i) * cv.k), int((y + j) * cv.k)
            for yy in range(int(cv.k)):
                for xx in range(int(cv.k)):
                    cv.clear(px + xx, py + yy)
    cv.rect(r - fold, y, 1, fold + 1, edge)          # the folded flap
    cv.rect(r - fold, y + fold, fold + 1, 1, edge)
    cv.poly([(r - fold + 1, y + 1), (r - fold + 1, y + fold), (r, y + fold)], LGREY)
    cv.line(r - fold + 0.5, y + 0.5, r + 0.5, y + fold + 0.5, edge, 1.2)
    if lines:
        for ly in range(y + 5, y + h - 2, 2):
            cv.rect(x + 2, ly, w - 4, 1, MGREY)


def folder(cv, x=1, y=3, w=14, h=11, fill=YELLOW, edge=DYELLOW):
    cv.box(x, y, 6, 3, LYELLOW, edge)                 # tab
    cv.box(x, y + 2, w, h - 2, fill, edge)            # body
    cv.rect(x + 1, y + 3, w - 2, 1, LYELLOW)


def open_folder(cv):
    cv.box(1, 3, 6, 3, LYELLOW, DYELLOW)
    cv.box(1, 5, 12, 9, YELLOW, DYELLOW)
    cv.poly([(3.5, 8), (15.5, 8), (12.5, 14), (0.5, 14)], LYELLOW, DYELLOW)


def floppy(cv, x, y, s):
    cv.box(x, y, s, s, BLUE, DBLUE)
    lw = s - 5
    cv.box(x + 2, y, lw + 1, s // 2, PAPER, DBLUE)
    cv.rect(x + 3, y + 2, lw - 1, 1, MGREY)
    cv.box(x + 3, y + s - 4, s - 6, 4, LGREY, DBLUE)
    cv.rect(x + s - 5, y + s - 3, 1, 2, DBLUE)


def magnifier(cv, cx, cy, r, lens=LBLUE, handle=BROWN, hlen=5.0):
    cv.disc(cx, cy, r - 1, lens)
    cv.ring(cx, cy, r, 1.6, DARK)
    a = r * 0.72
    cv.line(cx + a, cy + a, cx + a + hlen * 0.72, cy + a + hlen * 0.72, handle, 2.6)


def arrow_left(cv, fill=GREEN, edge=DGREEN):
    cv.poly([(1, 8), (7.5, 1.5), (7.5, 5), (14.5, 5), (14.5, 11), (7.5, 11), (7.5, 14.5)], fill, edge)


def arrow_right(cv, fill=GREEN, edge=DGREEN):
    cv.poly([(15, 8), (8.5, 1.5), (8.5, 5), (1.5, 5), (1.5, 11), (8.5, 11), (8.5, 14.5)], fill, edge)


def arrow_up(cv, x, y, s, fill, edge):
    """An upward arrow in the s x s square at (x, y)."""
    m = x + s / 2.0
    cv.poly([(m, y), (x + s, y + s * 0.5), (x + s * 0.68, y + s * 0.5), (x + s * 0.68, y + s),
             (x + s * 0.32, y + s), (x + s * 0.32, y + s * 0.5), (x, y + s * 0.5)], fill, edge)


def arrow_down(cv, x, y, s, fill, edge):
    m = x + s / 2.0
    cv.poly([(m, y + s), (x + s, y + s * 0.5), (x + s * 0.68, y + s * 0.5), (x + s * 0.68, y),
             (x + s * 0.32, y), (x + s * 0.32, y + s * 0.5), (x, y + s * 0.5)], fill, edge)


def cross(cv, x0, y0, x1, y1, colour=RED, width=2.6):
    cv.line(x0, y0, x1, y1, colour, width)
    cv.line(x1, y0, x0, y1, colour, width)


def star(cv, cx, cy, ro, ri, fill=YELLOW, edge=DYELLOW):
    pts = []
    for i in range(10):
        a = -math.pi / 2 + i * math.pi / 5
        r = ro if i % 2 == 0 else ri
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    cv.poly(pts, fill, edge)


def plus(cv, cx, cy, n=2, colour=GREEN, edge=DGREEN):
    """A plus sign of arm n around pixel (cx, cy), with a dark rim."""
    cv.rect(cx - n - 1, cy - 1, 2 * n + 3, 3, edge)
    cv.rect(cx - 1, cy - n - 1, 3, 2 * n + 3, edge)
    cv.rect(cx - n, cy, 2 * n + 1, 1, colour)
    cv.rect(cx, cy - n, 1, 2 * n + 1, colour)


def round_corners(cv, x, y, w, h):
    k = int(cv.k)
    for (cx, cy) in ((x, y), (x + w - 1, y), (x, y + h - 1), (x + w - 1, y + h - 1)):
        for yy in range(k):
            for xx in range(k):
                cv.clear(cx * k + xx, cy * k + yy)


# ---------------------------------------------------------------- main toolbar (bitmaps 1 and 19)

def tb_new(cv):
    page(cv)


def tb_open(cv):
    open_folder(cv)


def tb_save(cv):
    floppy(cv, 1, 1, 14)


def tb_save_all(cv):
    floppy(cv, 5, 0, 11)
    floppy(cv, 0, 5, 11)


def tb_print(cv):
    cv.box(4, 1, 8, 6, PAPER, DARK)
    cv.box(1, 6, 14, 6, LGREY, DARK)
    cv.rect(2, 7, 12, 1, PAPER)
    cv.box(4, 10, 8, 5, PAPER, DARK)
    cv.rect(5, 12, 6, 1, MGREY)
    cv.rect(12, 8, 2, 1, GREEN)


def tb_find(cv):
    magnifier(cv, 6.5, 6.5, 5.0)


def tb_replace(cv):
    magnifier(cv, 5.5, 5.5, 4.5, hlen=3.0)
    cv.rect(2, 12, 9, 2, RED)
    cv.poly([(10, 9.5), (15.5, 13), (10, 16.5)], RED)


def tb_find_in_files(cv):
    folder(cv, 0, 6, 11, 9)
    magnifier(cv, 10.5, 5.5, 4.0, hlen=3.5)


def tb_wrap(cv):
    cv.rect(1, 3, 12, 1, DARK)
    cv.rect(1, 6, 7, 1, DARK)
    cv.rect(13, 3, 2, 7, BLUE)
    cv.rect(6, 9, 9, 2, BLUE)
    cv.poly([(2, 10), (7, 5.5), (7, 14.5)], BLUE)
    cv.rect(1, 13, 9, 1, DARK)


def tb_show_eol(cv):
    cv.disc(6.0, 5.5, 3.6, DARK)
    cv.rect(6, 2, 7, 1, DARK)
    cv.rect(8, 2, 2, 12, DARK)
    cv.rect(11, 2, 2, 12, DARK)


def tb_zoom_in(cv):
    magnifier(cv, 6.5, 6.5, 5.0)
    cv.rect(4, 6, 5, 1, DARK)
    cv.rect(6, 4, 1, 5, DARK)


def tb_zoom_out(cv):
    magnifier(cv, 6.5, 6.5, 5.0)
    cv.rect(4, 6, 5, 1, DARK)


def tb_font_scheme(cv):
    cv.line(1.5, 14, 5.5, 2, DARK, 1.8)
    cv.line(5.5, 2, 9.5, 14, DARK, 1.8)
    cv.rect(3, 9, 5, 1, DARK)
    cv.box(10, 6, 5, 9, None, DARK)
    cv.rect(11, 7, 3, 2, RED)
    cv.rect(11, 9, 3, 2, GREEN)
    cv.rect(11, 11, 3, 3, BLUE)


# toolbar 1 button order (separators excluded); must match TOOLBAR 1 in tarnwick.rc
TOOLBAR = [
    ('new', tb_new),                    # 100
    ('open', tb_open),                  # 101
    ('save', tb_save),                  # 105
    ('save all', tb_save_all),          # 107
    ('print', tb_print),                # 0xE107
    ('find', tb_find),                  # 400
    ('replace', tb_replace),            # 401
    ('find in files', tb_find_in_files),  # 406
    ('wrap', tb_wrap),                  # 306
    ('show line ends', tb_show_eol),    # 309
    ('zoom in', tb_zoom_in),            # 311
    ('zoom out', tb_zoom_out),          # 312
    ('font scheme', tb_font_scheme),    # 338
]


# ---------------------------------------------------------------- explorer toolbar (bitmaps 17 and 18)

def ex_back(cv):
    arrow_left(cv)


def ex_forward(cv):
    arrow_right(cv)


def ex_up(cv):
    folder(cv, 0, 5, 12, 10)
    arrow_up(cv, 8, 0, 8, GREEN, DGREEN)


def ex_delete(cv):
    cross(cv, 3, 3, 13, 13)


def ex_new_folder(cv):
    folder(cv, 0, 5, 13, 10)
    star(cv, 12, 4, 4.0, 1.7, LYELLOW, ORANGE)


def ex_view(cv):
    for (x, y) in ((1, 1), (9, 1), (1, 9), (9, 9)):
        cv.box(x, y, 6, 6, LBLUE, BLUE)


def ex_favorites(cv):
    star(cv, 8, 8.5, 7.5, 3.2)


def ex_add_favorite(cv):
    star(cv, 7, 7.5, 6.5, 2.8)
    plus(cv, 12, 12)


EXPLORER = [
    ('back', ex_back),                  # 103
    ('forward', ex_forward),            # 109
    ('up', ex_up),                      # 104
    ('delete', ex_delete),              # 105
    ('new folder', ex_new_folder),      # 106
    ('view type', ex_view),             # 107
    ('favourites', ex_favorites),       # 110
    ('add to favourites', ex_add_favorite),  # 111
]


# ---------------------------------------------------------------- small images (bitmap 20)

def tile(letter, colour):
    def draw(cv):
        cv.box(1, 1, 14, 14, tint(colour, 0.78), colour)
        round_corners(cv, 1, 1, 14, 14)
        cv.text(5, 4, letter, _deep(colour))
    return draw


def _deep(c):
    return tuple(max(0, int(v * 0.65)) for v in c)


def si_file(cv):
    page(cv, 3, 1, 10, 14, lines=True)


SMALL_IMAGES = [
    ('file name', si_file),             # 0
    ('unknown', tile('?', GREY)),       # 1
    ('function', tile('f', PURPLE)),    # 2
    ('enum member', tile('e', TEAL)),   # 3
    ('class', tile('C', ORANGE)),       # 4
    ('macro', tile('#', DRED)),         # 5
    ('enum, module', tile('E', DYELLOW)),   # 6
    ('member', tile('m', BLUE)),        # 7
    ('prototype', tile('p', (170, 100, 200))),  # 8
    ('structure', tile('S', (30, 120, 160))),   # 9
    ('task, mixin', tile('T', GREEN)),  # 10
    ('variable', tile('v', (40, 130, 210))),    # 11
    ('net', tile('n', BROWN)),          # 12
    ('port', tile('P', (90, 110, 40))),  # 13
    ('register', tile('R', (160, 60, 100))),   # 14
    ('constant', tile('K', (200, 90, 40))),    # 15
    ('typedef', tile('t', (100, 100, 160))),   # 16
    ('namespace', tile('N', DGREEN)),   # 17
]


# ---------------------------------------------------------------- list toolbar (bitmap 21, 14 x 14)

def lt_new(cv):
    page(cv, 2, 1, 9, 12, fold=3)
    star(cv, 10.5, 3.5, 3.4, 1.4, LYELLOW, ORANGE)


def lt_delete(cv):
    cross(cv, 2.5, 2.5, 11.5, 11.5, RED, 2.4)


def lt_up(cv):
    arrow_up(cv, 1, 1, 12, LBLUE, BLUE)


def lt_down(cv):
    arrow_down(cv, 1, 1, 12, LBLUE, BLUE)


LIST_TOOLBAR = [
    ('new', lt_new),                    # 39976
    ('delete', lt_delete),              # 39977
    ('up', lt_up),                      # 39978
    ('down', lt_down),                  # 39979
]


# ---------------------------------------------------------------- icons (16 units, drawn at 16 and 32)

def ic_main(cv):
    cv.box(1, 1, 14, 14, BLUE, DBLUE)
    round_corners(cv, 1, 1, 14, 14)
    cv.rect(4, 4, 8, 2, PAPER)
    cv.rect(7, 6, 2, 7, PAPER)
    cv.rect(10, 11, 3, 1, YELLOW)


def ic_console(cv):
    cv.box(1, 2, 14, 12, (24, 24, 24), DARK)
    cv.rect(2, 3, 12, 2, BLUE)
    cv.line(3.5, 7, 5.5, 9, PAPER, 1.2)
    cv.line(5.5, 9, 3.5, 11, PAPER, 1.2)
    cv.rect(7, 11, 4, 1, PAPER)


def ic_explorer(cv):
    folder(cv, 1, 2, 14, 12)


def ic_find_results(cv):
    page(cv, 1, 1, 11, 14, lines=True)
    magnifier(cv, 10.0, 9.5, 3.6, hlen=2.5)


def ic_symbols(cv):
    cv.rect(3, 6, 1, 7, GREY)
    cv.rect(3, 8, 5, 1, GREY)
    cv.rect(3, 12, 5, 1, GREY)
    cv.box(1, 1, 5, 5, tint(PURPLE, 0.45), PURPLE)
    cv.box(7, 6, 5, 5, tint(ORANGE, 0.45), ORANGE)
    cv.box(7, 10, 5, 5, tint(BLUE, 0.45), BLUE)
    cv.rect(13, 8, 2, 1, GREY)
    cv.rect(13, 12, 2, 1, GREY)


def ic_tab_modified(cv):
    page(cv, 2, 1, 10, 14, lines=True)
    for a in (0, 60, 120):
        r = math.radians(a)
        dx, dy = 3.2 * math.cos(r), 3.2 * math.sin(r)
        cv.line(11.5 - dx, 11.5 - dy, 11.5 + dx, 11.5 + dy, RED, 1.6)


def ic_tab_normal(cv):
    page(cv, 3, 1, 10, 14, lines=True)


def ic_tab_readonly(cv):
    page(cv, 2, 1, 10, 14, lines=True)
    cv.ring(11.5, 9.8, 2.6, 1.1, DARK)
    cv.box(8, 10, 7, 6, YELLOW, DYELLOW)
    cv.rect(11, 12, 1, 2, DARK)


def ic_document(cv):
    # The document window's own picture: a written page with a blue band, so
    # a maximised document's menu-bar icon reads apart from the tab states.
    page(cv, 2, 1, 12, 14, lines=True)
    cv.rect(3, 2, 7, 2, BLUE)


def ic_templates(cv):
    page(cv, 5, 0, 10, 12, fold=3, fill=tint(BLUE, 0.85), edge=BLUE)
    page(cv, 1, 3, 10, 13, fold=3)
    for x, d in ((3, 1), (7, -1)):                  # { and }
        cv.rect(x + d, 6, 1, 1, BLUE)
        cv.rect(x, 7, 1, 3, BLUE)
        cv.rect(x - d, 10, 1, 1, BLUE)
        cv.rect(x, 11, 1, 3, BLUE)
        cv.rect(x + d, 14, 1, 1, BLUE)


ICONS = [
    ('tarnwick.ico', ic_main),          # 1
    ('console.ico', ic_console),        # 9
    ('explorer.ico', ic_explorer),      # 10
    ('findresults.ico', ic_find_results),  # 11
    ('symbols.ico', ic_symbols),        # 12
    ('tab_modified.ico', ic_tab_modified),  # 13
    ('tab_normal.ico', ic_tab_normal),  # 14
    ('tab_readonly.ico', ic_tab_readonly),  # 15
    ('templates.ico', ic_templates),    # 16
    ('document.ico', ic_document),      # 17
]


# ---------------------------------------------------------------- cursors (32 x 32, hot spot 0,0)

def pointer(cv):
    cv.poly([(0, 0), (0, 17), (4, 13.2), (7, 19.6), (9.6, 18.4), (6.8, 12.2), (12, 12.2)], WHITE, BLACK, 1.0)


def cur_over(cv):
    pointer(cv)
    for x in range(12, 27):
        if x % 2 == 0:
            cv.rect(x, 18, 1, 1, BLACK)
            cv.rect(x, 27, 1, 1, BLACK)
    for y in range(18, 28):
        if y % 2 == 0:
            cv.rect(12, y, 1, 1, BLACK)
            cv.rect(26, y, 1, 1, BLACK)


def cur_outside(cv):
    pointer(cv)
    cv.disc(20.5, 21.5, 7.5, WHITE)
    cv.ring(20.5, 21.5, 7.0, 2.2, RED)
    cv.line(16.0, 17.0, 25.0, 26.0, RED, 2.2)


CURSORS = [
    ('dragout.cur', cur_outside),       # 1
    ('dragover.cur', cur_over),         # 2
]


# ---------------------------------------------------------------- updater

def updater_panel():
    """The picture on the left of the updater's dialog: a blue band that
    lightens downwards, a package and the arrow that brings it."""
    w, h = 164, 314
    cv = Canvas(w, h)
    for y in range(h):
        f = y / float(h - 1)
        c = tuple(int(a + (b - a) * f) for a, b in zip(DBLUE, LBLUE))
        cv.rect(0, y, w, 1, c)
    cv.box(42, 170, 80, 64, (196, 150, 90), (120, 80, 40), 2)
    cv.rect(42, 194, 80, 6, (120, 80, 40))
    cv.poly([(62, 60), (102, 60), (102, 110), (122, 110), (82, 150), (42, 110), (62, 110)], WHITE, DARK, 2.0)
    return cv


# ---------------------------------------------------------------- writers

def bmp24(cv, mask):
    """A bottom-up 24-bit BMP; transparent pixels get the mask colour."""
    row = (cv.w * 3 + 3) & ~3
    data = bytearray()
    for y in range(cv.h - 1, -1, -1):
        line = bytearray()
        for x in range(cv.w):
            r, g, b = cv.px[y][x] if cv.px[y][x] is not None else mask
            line += bytes((b, g, r))
        line += b'\0' * (row - len(line))
        data += line
    info = struct.pack('<IiiHHIIiiII', 40, cv.w, cv.h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    head = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return head + info + bytes(data)


def dib32(cv):
    """The image of one icon or cursor entry: 32-bit colour and AND mask."""
    xor = bytearray()
    mrow = ((cv.w + 31) // 32) * 4
    andm = bytearray()
    for y in range(cv.h - 1, -1, -1):
        bits = bytearray(mrow)
        for x in range(cv.w):
            c = cv.px[y][x]
            if c is None:
                xor += b'\0\0\0\0'
                bits[x // 8] |= 0x80 >> (x % 8)
            else:
                xor += bytes((c[2], c[1], c[0], 255))
        andm += bits
    info = struct.pack('<IiiHHIIiiII', 40, cv.w, cv.h * 2, 1, 32, 0, len(xor) + len(andm), 0, 0, 0, 0)
    return info + bytes(xor) + bytes(andm)


def icon_file(images, kind=1, hotspots=None):
    """ICO (kind 1) or CUR (kind 2) holding the given canvases."""
    out = struct.pack('<HHH', 0, kind, len(images))
    blobs = [dib32(cv) for cv in images]
    off = 6 + 16 * len(images)
    for i, (cv, blob) in enumerate(zip(images, blobs)):
        if kind == 1:
            a, b = 1, 32
        else:
            a, b = hotspots[i]
        out += struct.pack('<BBBBHHII', cv.w & 255, cv.h & 255, 0, 0, a, b, len(blob), off)
        off += len(blob)
    return out + b''.join(blobs)


def strip(entries, size, post=None):
    cv = Canvas(size * len(entries), size)
    for i, (_, draw) in enumerate(entries):
        one = Canvas(size)
        draw(one)
        if post:
            one.map(post)
        cv.paste(one, i * size, 0)
    return cv


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, 'resources', 'editor', 'res')
    os.makedirs(out, exist_ok=True)
    files = {
        'toolbar.bmp': bmp24(strip(TOOLBAR, 16), MAGENTA),
        'toolbar_disabled.bmp': bmp24(strip(TOOLBAR, 16, disabled), MAGENTA),
        'explorer.bmp': bmp24(strip(EXPLORER, 16), MAGENTA),
        'explorer_disabled.bmp': bmp24(strip(EXPLORER, 16, disabled), MAGENTA),
        'smallimages.bmp': bmp24(strip(SMALL_IMAGES, 16), WHITE),
        'listtools.bmp': bmp24(strip(LIST_TOOLBAR, 14), SILVER),
    }
    for name, draw in ICONS:
        pics = []
        for s in (16, 32):
            cv = Canvas(s, s, 16)
            draw(cv)
            pics.append(cv)
        files[name] = icon_file(pics)
    for name, draw in CURSORS:
        cv = Canvas(32)
        draw(cv)
        files[name] = icon_file([cv], 2, [(0, 0)])
    for name, data in sorted(files.items()):
        with open(os.path.join(out, name), 'wb') as f:
            f.write(data)
        print('%-22s %6d bytes' % (name, len(data)))
    # The updater's own picture goes beside its resource script.
    if len(sys.argv) <= 1:
        updater = os.path.join(root, 'resources', 'updater', 'res')
        os.makedirs(updater, exist_ok=True)
        data = bmp24(updater_panel(), WHITE)
        with open(os.path.join(updater, 'panel.bmp'), 'wb') as f:
            f.write(data)
        print('%-22s %6d bytes' % ('updater panel.bmp', len(data)))


if __name__ == '__main__':
    main()
