#!/usr/bin/env python3
"""Draws every skin image of the program into resources/skin.

    make_skin.py            write the images
    make_skin.py --check    regenerate into memory and compare with the
                            committed files; exit status 1 on any difference

The look is one calm dark skin. Colour rules the program relies on:
pure black is transparent in the images drawn with a black key (button
strips, lamps, placeholders, marks), pure white in the OBD dials and the
folder-tree marks, and 0x281414 in graph marker 176. Images copied without
a key are opaque. Standard library only.
"""

import math
import os
import sys

sys.dont_write_bytecode = True  # leave no cache files in the source tree

import formats  # noqa: E402
from raster import Canvas, mix, shade  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
OUTPUT = os.path.normpath(os.path.join(HERE, "..", "..", "resources", "skin"))

BLACK = (0, 0, 0)           # transparent in black-keyed images
WHITE = (255, 255, 255)     # transparent in white-keyed images
MARKER_KEY = (0x14, 0x14, 0x28)

WINDOW_TOP = (44, 49, 58)
WINDOW_BOTTOM = (24, 27, 33)
TITLE_BAND = (52, 58, 69)
PANEL = (34, 38, 46)
PANEL_DARK = (26, 29, 35)
FACE = (56, 62, 73)
FACE_HOVER = (74, 83, 97)
FACE_PRESSED = (38, 112, 122)
FACE_DISABLED = (44, 47, 53)
INK = (222, 227, 233)
INK_DIM = (104, 109, 117)
ACCENT = (79, 179, 191)
LINE = (78, 87, 100)
TEXT_GREY = (196, 202, 210)
AMBER = (236, 176, 64)
X_GREEN = (0, 255, 0)
Y_RED = (255, 0, 0)
Z_BLUE = (128, 128, 255)

WINDOW_HEIGHT = 700
VOLUME_SLIDER_TOP = 670


def window_colour(y):
    """The background of the main window at row y (image 129)."""
    if y < 24:
        return TITLE_BAND
    return mix(WINDOW_TOP, WINDOW_BOTTOM, (y - 24) / (WINDOW_HEIGHT - 25))


# Backgrounds and pictograms ------------------------------------------------

def window_background():
    c = Canvas(1120, WINDOW_HEIGHT, WINDOW_TOP)
    for y in range(WINDOW_HEIGHT):
        colour = window_colour(y)
        if y >= 24 and y % 4 == 0:
            colour = shade(colour, 0.03)
        c.fill_rect(0, y, 1120, y + 1, colour)
    c.fill_rect(0, 24, 1120, 25, LINE)
    return c


def pictogram_panel(width, height, label, draw):
    c = Canvas(width, height, PANEL_DARK)
    c.frame_rect(0, 0, width, height, LINE, 2)
    cx, cy = width // 2, height // 2 - 14
    draw(c, cx, cy, min(width, height) // 5)
    c.text_centred(cx, cy + min(width, height) // 5 + 34, label, TEXT_GREY, 2, 2)
    return c


def draw_no_map(c, cx, cy, size):
    left, top = cx - size, cy - size * 3 // 4
    third = size * 2 // 3
    for k in range(3):
        lift = 6 if k % 2 else 0
        c.polygon([(left + k * third, top + lift), (left + (k + 1) * third, top + 6 - lift),
                   (left + (k + 1) * third, top + size * 3 // 2 + 6 - lift),
                   (left + k * third, top + size * 3 // 2 + lift)], shade(LINE, 0.15 * k))
    c.disc(cx, cy - 4, size // 3, AMBER)
    c.line(cx - size, cy + size, cx + size, cy - size, 6, (200, 80, 70))


def draw_offline(c, cx, cy, size):
    """Radio waves above an antenna point, struck through."""
    base = cy + size // 3
    for k, radius in enumerate((size * 0.9, size * 0.6, size * 0.3)):
        c.ring(cx, base, radius - 4, radius, shade(LINE, 0.2 * k))
    c.fill_rect(cx - size, base + 1, cx + size + 1, base + size + 1, PANEL_DARK)
    c.disc(cx, base, 6, TEXT_GREY)
    c.line(cx - size * 0.8, cy + size * 0.8, cx + size * 0.8, cy - size * 0.8, 6, (200, 80, 70))


def draw_magnifier(c, cx, cy, size, ink=TEXT_GREY, width=None):
    width = width or max(3, size // 6)
    radius = size * 2 // 3
    c.ring(cx - size // 4, cy - size // 4, radius - width, radius, ink)
    c.line(cx + radius * 0.45, cy + radius * 0.45, cx + size, cy + size, width * 1.6, ink)


def plain_tile():
    return Canvas(16, 16, PANEL)


# Information panel images -------------------------------------------------

def badge(text, fill):
    c = Canvas(40, 20, BLACK, antialias=False)
    c.rounded_rect(0, 1, 39, 18, 4, fill)
    c.text_centred(20, 10, text, PANEL_DARK)
    return c


def lamp(lit):
    c = Canvas(40, 20, BLACK, antialias=False)
    if lit:
        c.disc(20, 10, 8.5, shade(AMBER, -0.35))
        c.disc(20, 10, 6.5, AMBER)
        c.disc(18, 8, 2.5, shade(AMBER, 0.5))
    else:
        c.disc(20, 10, 6.5, (86, 90, 96))
    return c


def quality_badge(text):
    c = Canvas(40, 20, PANEL)
    c.rounded_rect(1, 2, 38, 17, 3, shade(ACCENT, -0.45))
    c.frame_rect(2, 3, 38, 17, ACCENT)
    c.text_centred(20, 10, text, INK)
    return c


def info_background():
    c = Canvas(868, 133, PANEL)
    c.vgradient(0, 0, 868, 133, PANEL, PANEL_DARK)
    c.fill_rect(0, 0, 868, 1, LINE)
    return c


def placeholder(width, height, text, colour, scale_x, scale_y, align, right_margin=0):
    c = Canvas(width, height, BLACK, antialias=False)
    glyph_height = 7 * scale_y
    top = (height - glyph_height) // 2
    if align == "right":
        c.text_right(width - right_margin, top, text, colour, scale_x, scale_y)
    else:
        c.text(0, top, text, colour, scale_x, scale_y)
    return c


def corner_grip():
    """Three rows of dots rising to the right, a resize grip."""
    c = Canvas(30, 20, BLACK, antialias=False)
    for row in range(3):
        for column in range(row + 1):
            x, y = 24 - 5 * column, 14 - 5 * (2 - row)
            c.fill_rect(x, y, x + 3, y + 3, INK_DIM)
    return c


# OBD dials ------------------------------------------------------------------

PIVOT = (105, 108)
DIAL_FACE = (30, 34, 41)

DIALS = {
    # id: title, {value: angle} anchors, labelled values, red-zone start
    309: ("THROTTLE %", {0: 261.5, 25: 311.5, 50: 0.0, 75: 48.5, 100: 99.0}, [0, 25, 50, 75, 100], None),
    307: ("RPM x100", {0: 261.5, 25: 311.5, 50: 0.0, 75: 48.5, 100: 99.0}, [0, 25, 50, 75, 100], 75),
    320: ("MAP KPA", {0: 251.5, 100: 350.0, 110: 0.0, 220: 108.0}, [0, 100, 220], None),
    321: ("WATER C", {0: 261.5, 25: 312.0, 50: 0.0, 100: 99.0, 105: 108.0}, [0, 25, 50, 100], 100),
    325: ("SPEED KM/H", {0: 261.5, 50: 294.5, 150: 0.0, 300: 99.0}, [0, 50, 150, 300], None),
}


def signed_angle(angle):
    return angle - 360.0 if angle > 180.0 else angle


def angle_at(anchors, value):
    keys = sorted(anchors)
    for low, high in zip(keys, keys[1:]):
        if low <= value <= high:
            a, b = signed_angle(anchors[low]), signed_angle(anchors[high])
            return a + (b - a) * (value - low) / (high - low)
    return signed_angle(anchors[keys[-1]])


def polar(angle, radius):
    rad = math.radians(angle)
    return PIVOT[0] + radius * math.sin(rad), PIVOT[1] - radius * math.cos(rad)


def dial(title, anchors, labels, red_from):
    c = Canvas(210, 170, WHITE, antialias=False)
    c.disc(PIVOT[0], PIVOT[1], 92, DIAL_FACE)
    c.ring(PIVOT[0], PIVOT[1], 89, 92, LINE)
    top = max(anchors)
    step = 5 if top <= 110 else 10
    for value in range(0, top + 1, step):
        angle = angle_at(anchors, value)
        major = value in anchors
        colour = (214, 84, 70) if red_from is not None and value >= red_from else (TEXT_GREY if major else INK_DIM)
        inner = 72 if major else 78
        c.line(*polar(angle, inner), *polar(angle, 85), 3 if major else 1.5, colour)
    for value in labels:
        x, y = polar(angle_at(anchors, value), 60)
        c.text_centred(x, y, str(value), TEXT_GREY)
    c.text_centred(PIVOT[0], PIVOT[1] + 24, title, ACCENT)
    c.disc(PIVOT[0], PIVOT[1], 6, LINE)
    return c


def needle_shape():
    """Rows of the upright needle: (left, right) columns, tip at the top."""
    rows = []
    for y in range(88):
        half = 0.5 + 3.0 * y / 87.0
        rows.append((int(round(4 - half)), int(round(4 + half))))
    return rows


def needle():
    c = Canvas(8, 88, BLACK, antialias=False)
    for y, (left, right) in enumerate(needle_shape()):
        c.fill_rect(left, y, right, y + 1, (236, 92, 60))
    return c


def needle_mask():
    return [[1 if left <= x < right else 0 for x in range(8)] for left, right in needle_shape()]


# Buttons ----------------------------------------------------------------------

STATES = ("normal", "hover", "pressed", "disabled")


def strip(width, height, draw_state):
    """Four images side by side: normal, hover, pressed (latched), disabled."""
    c = Canvas(width * 4, height, BLACK, antialias=False)
    for index, state in enumerate(STATES):
        part = Canvas(width, height, BLACK, antialias=False)
        draw_state(part, state)
        c.blit(part, index * width, 0)
    return c


def face_colours(state, hover_face=FACE_HOVER):
    return {
        "normal": (FACE, INK),
        "hover": (hover_face, INK),
        "pressed": (FACE_PRESSED, (240, 246, 248)),
        "disabled": (FACE_DISABLED, INK_DIM),
    }[state]


def main_button(glyph):
    def draw(c, state):
        face, ink = face_colours(state)
        c.rounded_rect(1, 1, 30, 30, 6, face)
        if state == "hover":
            c.frame_rect(3, 3, 29, 29, ACCENT)
        glyph(c, ink, face)
    return strip(32, 32, draw)


def triangle_right(c, x, y, size, ink):
    c.polygon([(x, y - size), (x + size * 1.2, y), (x, y + size)], ink)


def triangle_left(c, x, y, size, ink):
    c.polygon([(x, y - size), (x - size * 1.2, y), (x, y + size)], ink)


def glyph_first(c, ink, face):
    c.fill_rect(9, 9, 12, 23, ink)
    triangle_left(c, 22, 16, 7, ink)


def glyph_previous(c, ink, face):
    triangle_left(c, 16, 16, 6, ink)
    triangle_left(c, 24, 16, 6, ink)


def glyph_next(c, ink, face):
    triangle_right(c, 8, 16, 6, ink)
    triangle_right(c, 16, 16, 6, ink)


def glyph_play(c, ink, face):
    triangle_right(c, 11, 16, 8, ink)


def glyph_pause(c, ink, face):
    c.fill_rect(10, 9, 14, 23, ink)
    c.fill_rect(18, 9, 22, 23, ink)


def glyph_slow(c, ink, face):
    triangle_right(c, 8, 16, 6, ink)
    c.fill_rect(18, 15, 25, 17, ink)


def glyph_fast(c, ink, face):
    triangle_right(c, 7, 16, 6, ink)
    c.fill_rect(17, 15, 26, 17, ink)
    c.fill_rect(20, 12, 23, 20, ink)


def glyph_snapshot(c, ink, face):
    c.fill_rect(7, 11, 25, 23, ink)
    c.fill_rect(12, 9, 19, 11, ink)
    c.disc(16, 17, 4, face)
    c.disc(16, 17, 2, ink)


def glyph_join(c, ink, face):
    c.frame_rect(6, 10, 15, 22, ink, 2)
    c.frame_rect(17, 10, 26, 22, ink, 2)
    c.fill_rect(13, 15, 19, 17, ink)


def glyph_zoom(c, ink, face):
    draw_magnifier(c, 16, 16, 9, ink, 2)


def glyph_open(c, ink, face):
    c.fill_rect(7, 10, 14, 12, ink)
    c.fill_rect(7, 12, 25, 23, ink)
    c.fill_rect(9, 14, 23, 15, face)


def glyph_delete(c, ink, face):
    c.fill_rect(8, 9, 24, 11, ink)
    c.fill_rect(13, 7, 19, 9, ink)
    c.polygon([(9, 12), (23, 12), (21.5, 25), (10.5, 25)], ink)
    for x in (13, 16, 19):
        c.fill_rect(x, 14, x + 1, 23, face)


def glyph_settings(c, ink, face):
    for k in range(8):
        angle = k * math.pi / 4
        dx, dy = math.cos(angle), math.sin(angle)
        c.line(16 + dx * 5, 16 + dy * 5, 16 + dx * 10, 16 + dy * 10, 4, ink)
    c.disc(16, 16, 7, ink)
    c.disc(16, 16, 3, face)


def glyph_csv(c, ink, face):
    c.text_centred(16, 16, "CSV", ink)


def glyph_vehicle(c, ink, face):
    c.ring(16, 20, 8, 10, ink)
    c.fill_rect(5, 21, 27, 27, face)
    c.line(16, 20, 21, 13, 2, ink)
    c.disc(16, 20, 2, ink)


def window_button(width, glyph, hover_face=FACE_HOVER):
    def draw(c, state):
        face, ink = face_colours(state, hover_face)
        c.fill_rect(0, 0, width, 18, face)
        glyph(c, ink, width)
    return strip(width, 18, draw)


def glyph_close(c, ink, width):
    cx = width / 2.0
    c.line(cx - 4, 5, cx + 4, 13, 1.6, ink)
    c.line(cx - 4, 13, cx + 4, 5, 1.6, ink)


def glyph_size(c, ink, width):
    c.frame_rect(width // 2 - 5, 4, width // 2 + 5, 14, ink)
    c.fill_rect(width // 2 - 5, 4, width // 2 + 5, 6, ink)


def glyph_minimise(c, ink, width):
    c.fill_rect(width // 2 - 5, 11, width // 2 + 5, 13, ink)


def filter_strip():
    def draw(c, state):
        face = {"normal": FACE, "hover": FACE_HOVER, "pressed": ACCENT, "disabled": FACE_DISABLED}[state]
        edge = {"normal": LINE, "hover": ACCENT, "pressed": shade(ACCENT, 0.4), "disabled": (58, 61, 67)}[state]
        c.fill_rect(0, 0, 12, 12, edge)
        c.fill_rect(1, 1, 11, 11, face)
        if state == "pressed":
            c.fill_rect(4, 4, 8, 8, (238, 246, 248))
    return strip(12, 12, draw)


# Sliders --------------------------------------------------------------------

def channel(width, height, colour, bar_height):
    """A flat bar, framed above and below by the window colour behind it."""
    c = Canvas(width, height, window_colour(VOLUME_SLIDER_TOP))
    if bar_height >= height:
        c.vgradient(0, 0, width, height, shade(colour, 0.15), shade(colour, -0.15))
        return c
    top = (height - bar_height) // 2
    for y in range(height):
        c.fill_rect(0, y, width, y + 1, window_colour(VOLUME_SLIDER_TOP + y))
    c.vgradient(0, top, width, top + bar_height, shade(colour, 0.15), shade(colour, -0.15))
    return c


def thumb(height, pressed):
    c = Canvas(10, height, (20, 23, 28))
    face = ACCENT if pressed else (206, 212, 220)
    c.fill_rect(1, 0, 9, height, face)
    c.fill_rect(0, 1, 10, height - 1, face)
    c.fill_rect(4, 2, 6, height - 2, shade(face, -0.25))
    return c


# Folder tree marks and graph -----------------------------------------------

def folder_mark():
    c = Canvas(12, 12, WHITE, antialias=False)
    c.fill_rect(1, 2, 6, 4, (170, 120, 40))
    c.fill_rect(1, 3, 11, 11, (170, 120, 40))
    c.fill_rect(2, 5, 10, 10, AMBER)
    return c


def kind_overlay(colour):
    c = Canvas(12, 12, WHITE, antialias=False)
    c.disc(8.5, 8.5, 3.5, shade(colour, -0.4))
    c.disc(8.5, 8.5, 2.5, colour)
    return c


GRAPH_LIMITS = {163: 0.5, 162: 1.0, 188: 1.5, 189: 2.0}


def graph_label(value):
    text = ("%.2f" % value).rstrip("0").rstrip(".")
    return ("+" + text) if value > 0 else text


def graph_background(limit):
    width, height = 656, 186
    half = height // 2
    full = height - 6 - half + 3  # 90 pixels: the full scale of every variant
    c = Canvas(width, height, (22, 25, 30))
    c.fill_rect(0, 0, 50, height, (30, 34, 41))
    c.fill_rect(49, 0, 50, height, LINE)
    for x in range(100, width, 50):
        for y in range(0, height, 4):
            c.fill_rect(x, y, x + 1, y + 2, (44, 49, 57))
    for fraction in (1.0, 0.5, -0.5, -1.0):
        y = half - int(round(full * fraction))
        for x in range(50, width, 6):
            c.fill_rect(x, y, x + 3, y + 1, (58, 64, 74) if abs(fraction) < 1 else LINE)
        label = graph_label(limit * fraction)
        c.text_right(44, min(max(y - 3, 1), height - 8), label, TEXT_GREY)
    c.fill_rect(50, half, width, half + 1, (96, 106, 120))
    c.text_right(44, half - 3, "0", TEXT_GREY)
    c.text(4, half - 3, "G", ACCENT)
    return c


def graph_marker():
    c = Canvas(12, 12, MARKER_KEY, antialias=False)
    c.polygon([(6, 0.5), (11.5, 6), (6, 11.5), (0.5, 6)], (255, 255, 0))
    c.polygon([(6, 3), (9, 6), (6, 9), (3, 6)], (150, 150, 20))
    return c


# Map markers, icons and cursor ---------------------------------------------

PINS = {
    183: ((220, 64, 52), "G"),
    185: ((226, 186, 52), "M"),
    182: ((236, 136, 44), "!"),
    216: ((66, 128, 220), "P"),
    221: ((164, 80, 200), "#"),
    184: ((236, 216, 60), "*"),
    180: ((216, 60, 196), "up"),
    181: ((40, 196, 216), "down"),
}


def map_pin(colour, mark):
    c = Canvas(32, 32, (0, 0, 0, 0))
    c.polygon([(9, 17), (23, 17), (16, 31.5)], shade(colour, -0.3))
    c.disc(16, 12, 10.5, shade(colour, -0.3))
    c.disc(16, 12, 9, colour)
    c.disc(16, 12, 6.5, (250, 250, 250))
    ink = shade(colour, -0.45)
    if mark == "up":
        c.polygon([(16, 8), (20, 15), (12, 15)], ink)
    elif mark == "down":
        c.polygon([(12, 9), (20, 9), (16, 16)], ink)
    else:
        c.text_centred(16, 12, mark, ink)
    return c


def pin_shadow():
    c = Canvas(49, 32, (0, 0, 0, 0))
    for k, alpha in enumerate((40, 60, 80)):
        c.ellipse(24 + k, 26 - k, 18 - 4 * k, 5 - k, (0, 0, 0, alpha))
    c.polygon([(16, 31), (30, 20), (36, 22)], (0, 0, 0, 60))
    return c


def program_icon(size):
    c = Canvas(size, size, (0, 0, 0, 0))
    scale = size / 32.0
    c.rounded_rect(1 * scale, 1 * scale, 31 * scale - 0.01, 31 * scale - 0.01, 6 * scale, (36, 41, 50))
    c.polygon([(10 * scale, 7 * scale), (24 * scale, 16 * scale), (10 * scale, 25 * scale)], ACCENT)
    c.line(4 * scale, 26 * scale, 12 * scale, 22 * scale, 1.5 * scale, AMBER)
    c.line(12 * scale, 22 * scale, 18 * scale, 27 * scale, 1.5 * scale, AMBER)
    c.line(18 * scale, 27 * scale, 28 * scale, 20 * scale, 1.5 * scale, AMBER)
    return c


def magnifier_cursor():
    c = Canvas(32, 32, (0, 0, 0, 0))
    c.line(18, 18, 29, 29, 5, (20, 20, 20))
    c.line(18, 18, 28, 28, 3, (230, 230, 230))
    c.ring(12, 12, 7, 11, (20, 20, 20))
    c.ring(12, 12, 8, 10, (230, 230, 230))
    c.disc(12, 12, 7, (200, 225, 235, 90))
    c.fill_rect(8, 11, 17, 13, (20, 20, 20))
    c.fill_rect(11, 8, 13, 17, (20, 20, 20))
    return c


# The plan: every resource, by id --------------------------------------------

def bmp(builder):
    return lambda: formats.bmp24(builder())


def build_plan():
    """{relative path: function returning the file's bytes}."""
    plan = {}

    def add(kind, resource_id, make):
        extension = {"bmp": "bmp", "png": "png", "ico": "ico", "cur": "cur"}[kind]
        plan["%s/%d.%s" % (kind, resource_id, extension)] = make

    add("bmp", 129, bmp(window_background))
    add("bmp", 164, bmp(lambda: pictogram_panel(452, 392, "NO MAP", draw_no_map)))
    add("bmp", 324, bmp(lambda: pictogram_panel(452, 392, "OFFLINE", draw_offline)))
    add("bmp", 214, bmp(lambda: pictogram_panel(452, 244, "ZOOM", draw_magnifier)))
    add("bmp", 215, bmp(lambda: pictogram_panel(240, 636, "ZOOM", draw_magnifier)))
    for resource_id in (173, 207, 213):
        add("bmp", resource_id, bmp(plain_tile))
    add("bmp", 172, bmp(lambda: badge("GPS", (92, 184, 120))))
    add("bmp", 193, bmp(lambda: lamp(True)))
    add("bmp", 194, bmp(lambda: lamp(False)))
    for resource_id, text in ((198, "360H"), (199, "360"), (196, "720H"), (197, "720"), (192, "1080H"),
                              (195, "1080")):
        add("bmp", resource_id, bmp(lambda text=text: quality_badge(text)))
    add("bmp", 201, bmp(info_background))
    date = "----/--/-- --:--:--"
    add("bmp", 206, bmp(lambda: placeholder(189, 19, date, TEXT_GREY, 1, 2, "right")))
    add("bmp", 202, bmp(lambda: placeholder(308, 36, date, TEXT_GREY, 2, 4, "left")))
    add("bmp", 218, bmp(lambda: placeholder(250, 30, date, TEXT_GREY, 2, 3, "left")))
    for resource_id, colour in ((209, X_GREEN), (210, Y_RED), (208, Z_BLUE)):
        add("bmp", resource_id, bmp(lambda colour=colour: placeholder(58, 18, "-.--G", colour, 1, 2, "right")))
    for resource_id, colour in ((203, X_GREEN), (204, Y_RED), (205, Z_BLUE)):
        add("bmp", resource_id, bmp(lambda colour=colour: placeholder(98, 31, "-.--G", colour, 2, 3, "right")))
    add("bmp", 211, bmp(lambda: placeholder(78, 21, "---", TEXT_GREY, 2, 2, "right", 30)))
    add("bmp", 212, bmp(lambda: placeholder(168, 26, "---", TEXT_GREY, 3, 3, "right", 70)))
    add("bmp", 219, bmp(lambda: placeholder(152, 30, "---", TEXT_GREY, 3, 3, "right", 4)))
    add("bmp", 190, bmp(corner_grip))
    for resource_id, (title, anchors, labels, red_from) in DIALS.items():
        add("bmp", resource_id, bmp(lambda a=(title, anchors, labels, red_from): dial(*a)))
    add("bmp", 312, bmp(needle))
    plan["bmp/313.bmp"] = lambda: formats.bmp1(8, 88, needle_mask())
    add("bmp", 217, bmp(filter_strip))
    main_glyphs = {
        148: glyph_play, 147: glyph_pause, 154: glyph_first, 144: glyph_previous, 142: glyph_slow,
        139: glyph_fast, 145: glyph_next, 153: glyph_snapshot, 150: glyph_join, 200: glyph_zoom,
        146: glyph_open, 138: glyph_delete, 151: glyph_settings, 137: glyph_csv, 322: glyph_vehicle,
    }
    for resource_id, glyph in main_glyphs.items():
        add("bmp", resource_id, bmp(lambda glyph=glyph: main_button(glyph)))
    add("bmp", 155, bmp(lambda: window_button(46, glyph_close, (196, 64, 60))))
    add("bmp", 157, bmp(lambda: window_button(26, glyph_size)))
    add("bmp", 156, bmp(lambda: window_button(26, glyph_minimise)))
    add("bmp", 174, bmp(lambda: channel(400, 10, ACCENT, 10)))
    add("bmp", 159, bmp(lambda: channel(400, 10, (74, 80, 91), 10)))
    add("bmp", 160, bmp(lambda: thumb(10, False)))
    add("bmp", 161, bmp(lambda: thumb(10, True)))
    add("bmp", 167, bmp(lambda: channel(100, 20, ACCENT, 6)))
    add("bmp", 168, bmp(lambda: channel(100, 20, (74, 80, 91), 6)))
    add("bmp", 169, bmp(lambda: thumb(20, False)))
    add("bmp", 170, bmp(lambda: thumb(20, True)))
    add("bmp", 319, bmp(folder_mark))
    for resource_id, colour in ((315, (220, 64, 52)), (316, (226, 186, 52)), (317, (190, 84, 200)),
                                (318, (66, 128, 220))):
        add("bmp", resource_id, bmp(lambda colour=colour: kind_overlay(colour)))
    for resource_id, limit in GRAPH_LIMITS.items():
        add("bmp", resource_id, bmp(lambda limit=limit: graph_background(limit)))
    add("bmp", 176, bmp(graph_marker))
    for resource_id, (colour, mark) in PINS.items():
        add("png", resource_id, lambda colour=colour, mark=mark: formats.png(map_pin(colour, mark)))
    add("png", 186, lambda: formats.png(pin_shadow()))
    for resource_id in (128, 171):
        add("ico", resource_id, lambda: formats.icon([program_icon(32), program_icon(16)]))
    add("cur", 191, lambda: formats.cursor(magnifier_cursor(), (12, 12)))
    return plan


def committed_files(root):
    found = set()
    for folder, _, names in os.walk(root):
        for name in names:
            found.add(os.path.relpath(os.path.join(folder, name), root).replace(os.sep, "/"))
    return found


def check(plan):
    differing = [path for path, make in sorted(plan.items())
                 if not os.path.exists(os.path.join(OUTPUT, path))
                 or open(os.path.join(OUTPUT, path), "rb").read() != make()]
    extra = sorted(committed_files(OUTPUT) - set(plan))
    for path in differing:
        print("differs or missing: " + path)
    for path in extra:
        print("not generated: " + path)
    return 1 if differing or extra else 0


def write(plan):
    for path, make in sorted(plan.items()):
        target = os.path.join(OUTPUT, path)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target, "wb") as out:
            out.write(make())
    return 0


def main(arguments):
    plan = build_plan()
    return check(plan) if arguments[1:] == ["--check"] else write(plan)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
