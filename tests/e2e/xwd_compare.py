#!/usr/bin/env python3
"""xwd_compare.py XWD PNG [X Y W H]: compares an X screen dump (xwd -root, a 24- or 32-bit
TrueColor ZPixmap) with a PNG shot, over the rectangle (default: the PNG's whole size at the
dump's top left). Prints "same" or the number of differing pixels and their bounding box, and
exits 0 only when every pixel is the same."""
import struct
import sys

from png_pixel import read as read_png


def read_xwd(path):
    data = open(path, "rb").read()
    header = struct.unpack(">25I", data[:100])
    header_size, _, pixmap_format, depth, width, height = header[:6]
    byte_order, bits_per_pixel, bytes_per_line = header[7], header[11], header[12]
    red_mask, green_mask, blue_mask = header[14:17]
    colours = header[19]
    if pixmap_format != 2 or bits_per_pixel not in (24, 32) or depth < 24:
        sys.exit("unsupported xwd: format %d, %d bits" % (pixmap_format, bits_per_pixel))
    pixels = data[header_size + 12 * colours:]
    step = bits_per_pixel // 8
    order = "little" if byte_order == 0 else "big"

    def shift(mask):
        return (mask & -mask).bit_length() - 1

    shifts = [shift(m) for m in (red_mask, green_mask, blue_mask)]

    def rgb(x, y):
        at = y * bytes_per_line + x * step
        value = int.from_bytes(pixels[at:at + step], order)
        return tuple((value >> s) & 0xFF for s in shifts)

    return width, height, rgb


def main():
    width, height, screen = read_xwd(sys.argv[1])
    rows, bpp = read_png(sys.argv[2])
    x0, y0, w, h = (map(int, sys.argv[3:7]) if len(sys.argv) > 6
                    else (0, 0, len(rows[0]) // bpp, len(rows)))
    if x0 + w > width or y0 + h > height:
        sys.exit("the dump (%dx%d) is smaller than the compared area" % (width, height))
    differing = [(x, y) for y in range(y0, y0 + h) for x in range(x0, x0 + w)
                 if screen(x, y) != tuple(rows[y][x * bpp:x * bpp + 3])]
    if not differing:
        print("same")
        return 0
    xs, ys = [p[0] for p in differing], [p[1] for p in differing]
    print("%d pixels differ, within (%d,%d)-(%d,%d)" % (len(differing), min(xs), min(ys),
                                                       max(xs) + 1, max(ys) + 1))
    return 1


if __name__ == "__main__":
    sys.exit(main())
