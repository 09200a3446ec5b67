"""A small RGBA canvas with the drawing operations the skin needs.

Shapes are drawn with optional anti-aliasing by supersampling. Images that
the program draws with a colour key (black or white transparent) must keep
hard edges, or their borders would fade into the key colour and show a
fringe; their canvases are made with antialias=False.
"""

import math

import font5x7


class Canvas:
    def __init__(self, width, height, fill=(0, 0, 0, 255), antialias=True):
        self.width = width
        self.height = height
        self.antialias = antialias
        self.pixels = bytearray(_rgba(fill) * (width * height))

    # Pixel access -------------------------------------------------------

    def get(self, x, y):
        i = 4 * (y * self.width + x)
        return tuple(self.pixels[i:i + 4])

    def put(self, x, y, colour, coverage=1.0):
        if not (0 <= x < self.width and 0 <= y < self.height) or coverage <= 0.0:
            return
        i = 4 * (y * self.width + x)
        r, g, b, a = _rgba(colour)
        strength = (a / 255.0) * min(coverage, 1.0)
        if strength >= 1.0:
            self.pixels[i:i + 4] = bytes((r, g, b, 255))
            return
        old = self.pixels[i:i + 4]
        old_alpha = old[3] / 255.0
        out_alpha = strength + old_alpha * (1.0 - strength)
        if out_alpha <= 0.0:
            return
        mixed = [int(round((c * strength + o * old_alpha * (1.0 - strength)) / out_alpha))
                 for c, o in zip((r, g, b), old[:3])]
        self.pixels[i:i + 4] = bytes(mixed + [int(round(out_alpha * 255))])

    def bgr_row(self, y):
        row = self.pixels[4 * y * self.width:4 * (y + 1) * self.width]
        out = bytearray(3 * self.width)
        out[0::3] = row[2::4]
        out[1::3] = row[1::4]
        out[2::3] = row[0::4]
        return bytes(out)

    def rgba_row(self, y):
        return bytes(self.pixels[4 * y * self.width:4 * (y + 1) * self.width])

    # Filled areas -------------------------------------------------------

    def fill_rect(self, x0, y0, x1, y1, colour):
        """Fills [x0, x1) x [y0, y1) with an opaque colour."""
        x0, x1 = max(0, x0), min(self.width, x1)
        y0, y1 = max(0, y0), min(self.height, y1)
        if x0 >= x1 or y0 >= y1:
            return
        span = _rgba(colour) * (x1 - x0)
        for y in range(y0, y1):
            start = 4 * (y * self.width + x0)
            self.pixels[start:start + len(span)] = span

    def frame_rect(self, x0, y0, x1, y1, colour, thickness=1):
        self.fill_rect(x0, y0, x1, y0 + thickness, colour)
        self.fill_rect(x0, y1 - thickness, x1, y1, colour)
        self.fill_rect(x0, y0, x0 + thickness, y1, colour)
        self.fill_rect(x1 - thickness, y0, x1, y1, colour)

    def vgradient(self, x0, y0, x1, y1, top, bottom):
        for y in range(y0, y1):
            t = (y - y0) / max(1, y1 - y0 - 1)
            self.fill_rect(x0, y, x1, y + 1, mix(top, bottom, t))

    def blit(self, source, dx, dy):
        for y in range(source.height):
            if 0 <= y + dy < self.height:
                row = source.rgba_row(y)
                start = 4 * ((y + dy) * self.width + dx)
                self.pixels[start:start + len(row)] = row

    # Shapes -------------------------------------------------------------

    def shape(self, inside, box, colour):
        """Paints every pixel of box whose area lies (partly) inside."""
        x0, y0, x1, y1 = (int(math.floor(box[0])), int(math.floor(box[1])), int(math.ceil(box[2])),
                          int(math.ceil(box[3])))
        n = 4 if self.antialias else 1
        offsets = [(k + 0.5) / n for k in range(n)]
        for y in range(max(0, y0), min(self.height, y1 + 1)):
            for x in range(max(0, x0), min(self.width, x1 + 1)):
                hits = sum(1 for oy in offsets for ox in offsets if inside(x + ox, y + oy))
                if hits:
                    self.put(x, y, colour, hits / (n * n))

    def disc(self, cx, cy, radius, colour):
        self.shape(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius,
                   (cx - radius, cy - radius, cx + radius, cy + radius), colour)

    def ring(self, cx, cy, inner, outer, colour):
        self.shape(lambda x, y: inner * inner <= (x - cx) ** 2 + (y - cy) ** 2 <= outer * outer,
                   (cx - outer, cy - outer, cx + outer, cy + outer), colour)

    def ellipse(self, cx, cy, rx, ry, colour):
        self.shape(lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0,
                   (cx - rx, cy - ry, cx + rx, cy + ry), colour)

    def rounded_rect(self, x0, y0, x1, y1, radius, colour):
        def inside(x, y):
            if not (x0 <= x <= x1 and y0 <= y <= y1):
                return False
            cx = min(max(x, x0 + radius), x1 - radius)
            cy = min(max(y, y0 + radius), y1 - radius)
            return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius
        self.shape(inside, (x0, y0, x1, y1), colour)

    def polygon(self, points, colour):
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        self.shape(lambda x, y: _inside_polygon(points, x, y), (min(xs), min(ys), max(xs), max(ys)), colour)

    def line(self, x0, y0, x1, y1, width, colour):
        length = math.hypot(x1 - x0, y1 - y0) or 1.0
        nx, ny = -(y1 - y0) / length * width / 2.0, (x1 - x0) / length * width / 2.0
        self.polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)], colour)

    # Text ---------------------------------------------------------------

    def text(self, x, y, text, colour, scale_x=1, scale_y=1):
        for index, char in enumerate(text):
            glyph = font5x7.GLYPHS[char]
            left = x + index * font5x7.ADVANCE * scale_x
            for row, bits in enumerate(glyph):
                for column, bit in enumerate(bits):
                    if bit == "#":
                        self.fill_rect(left + column * scale_x, y + row * scale_y, left + (column + 1) * scale_x,
                                       y + (row + 1) * scale_y, colour)

    def text_centred(self, cx, cy, text, colour, scale_x=1, scale_y=1):
        self.text(int(round(cx - text_width(text, scale_x) / 2.0)), int(round(cy - font5x7.HEIGHT * scale_y / 2.0)),
                  text, colour, scale_x, scale_y)

    def text_right(self, right, y, text, colour, scale_x=1, scale_y=1):
        self.text(right - text_width(text, scale_x), y, text, colour, scale_x, scale_y)


def text_width(text, scale_x=1):
    return (len(text) * font5x7.ADVANCE - 1) * scale_x if text else 0


def mix(a, b, t):
    a, b = _rgba(a), _rgba(b)
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def shade(colour, amount):
    """Lighter (amount > 0) or darker (amount < 0) by a fraction."""
    target = (255, 255, 255) if amount > 0 else (0, 0, 0)
    return mix(colour, target, abs(amount))


def _rgba(colour):
    return bytes(tuple(colour) + (255,)) if len(colour) == 3 else bytes(colour)


def _inside_polygon(points, x, y):
    inside = False
    j = len(points) - 1
    for i in range(len(points)):
        xi, yi = points[i]
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside
