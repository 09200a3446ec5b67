"""Writers for the image formats of the program's resources.

Everything is written byte for byte by hand so that the same input always
gives the same file, whatever the Python or zlib version: PNG data uses
stored (uncompressed) deflate blocks.
"""

import struct
import zlib


def bmp24(canvas):
    """A bottom-up 24-bit BMP file of an RGB canvas."""
    row_size = (canvas.width * 3 + 3) & ~3
    padding = bytes(row_size - canvas.width * 3)
    rows = []
    for y in range(canvas.height - 1, -1, -1):
        rows.append(canvas.bgr_row(y) + padding)
    pixels = b"".join(rows)
    return _bmp_file(canvas.width, canvas.height, 24, b"", pixels)


def bmp1(width, height, bits):
    """A bottom-up 1-bit BMP; bits[y][x] is 1 for white, 0 for black."""
    row_size = ((width + 31) // 32) * 4
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray(row_size)
        for x in range(width):
            if bits[y][x]:
                row[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(row))
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    return _bmp_file(width, height, 1, palette, b"".join(rows))


def _bmp_file(width, height, bits_per_pixel, palette, pixels):
    header_size = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits_per_pixel, 0, len(pixels), 0, 0,
                       len(palette) // 4, 0)
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(pixels), 0, 0, header_size)
    return file_header + info + palette + pixels


def png(canvas):
    """An 8-bit RGBA PNG of a canvas."""
    raw = b"".join(b"\x00" + canvas.rgba_row(y) for y in range(canvas.height))
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + _png_chunk(b"IHDR", header) + _png_chunk(b"IDAT", _stored_zlib(raw)) +
            _png_chunk(b"IEND", b""))


def _png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)


def _stored_zlib(data):
    out = bytearray(b"\x78\x01")
    limit = 65535
    for start in range(0, max(len(data), 1), limit):
        block = data[start:start + limit]
        last = 1 if start + limit >= len(data) else 0
        out += struct.pack("<BHH", last, len(block), len(block) ^ 0xFFFF) + block
    out += struct.pack(">I", zlib.adler32(data) & 0xFFFFFFFF)
    return bytes(out)


def icon(canvases):
    """An icon file with one 32-bit image per canvas."""
    return _icon_file(1, [(c, 1, 32) for c in canvases])


def cursor(canvas, hotspot):
    """A cursor file with one 32-bit image and its hot spot."""
    return _icon_file(2, [(canvas, hotspot[0], hotspot[1])])


def _icon_file(kind, entries):
    images = [_icon_image(c) for c, _, _ in entries]
    offset = 6 + 16 * len(entries)
    directory = struct.pack("<HHH", 0, kind, len(entries))
    for (canvas, field_a, field_b), image in zip(entries, images):
        directory += struct.pack("<BBBBHHII", canvas.width % 256, canvas.height % 256, 0, 0, field_a, field_b,
                                 len(image), offset)
        offset += len(image)
    return directory + b"".join(images)


def _icon_image(canvas):
    """BITMAPINFOHEADER, BGRA pixels bottom-up and the AND mask (1 = transparent)."""
    mask_row = ((canvas.width + 31) // 32) * 4
    colour = bytearray()
    mask = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        rgba = canvas.rgba_row(y)
        row_mask = bytearray(mask_row)
        for x in range(canvas.width):
            r, g, b, a = rgba[4 * x:4 * x + 4]
            colour += bytes([b, g, r, a])
            if a == 0:
                row_mask[x // 8] |= 0x80 >> (x % 8)
        mask += row_mask
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height * 2, 1, 32, 0, len(colour) + len(mask), 0, 0,
                       0, 0)
    return info + bytes(colour) + bytes(mask)
