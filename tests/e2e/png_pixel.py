#!/usr/bin/env python3
"""png_pixel.py FILE X Y [X2 Y2]: prints the "r,g,b" colours of an 8-bit RGB or RGBA PNG (the
shots) found in the pixel (X, Y), or in the rectangle from (X, Y) up to (X2, Y2) excluded, one per
line, sorted."""
import struct
import sys
import zlib


def read(path):
    data = open(path, "rb").read()
    pos, idat, width, height, kind = 8, b"", 0, 0, 0
    while pos < len(data):
        (size,) = struct.unpack(">I", data[pos:pos + 4])
        tag, body = data[pos + 4:pos + 8], data[pos + 8:pos + 8 + size]
        pos += 12 + size
        if tag == b"IHDR":
            width, height, _, kind = struct.unpack(">IIBB", body[:10])
        elif tag == b"IDAT":
            idat += body
    bpp = {2: 3, 6: 4}[kind]
    raw, stride, rows, prev, i = zlib.decompress(idat), width * bpp, [], bytearray(width * bpp), 0
    for _ in range(height):
        kind_of_filter, line = raw[i], bytearray(raw[i + 1:i + 1 + stride])
        i += 1 + stride
        for x in range(stride):
            a = line[x - bpp] if x >= bpp else 0
            b = prev[x]
            c = prev[x - bpp] if x >= bpp else 0
            if kind_of_filter == 1:
                line[x] = (line[x] + a) & 255
            elif kind_of_filter == 2:
                line[x] = (line[x] + b) & 255
            elif kind_of_filter == 3:
                line[x] = (line[x] + (a + b) // 2) & 255
            elif kind_of_filter == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[x] = (line[x] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(line)
        prev = line
    return rows, bpp


if __name__ == "__main__":
    rows, bpp = read(sys.argv[1])
    x, y = int(sys.argv[2]), int(sys.argv[3])
    x2, y2 = (int(sys.argv[4]), int(sys.argv[5])) if len(sys.argv) > 5 else (x + 1, y + 1)
    colours = {bytes(rows[row][col * bpp:col * bpp + 3])
               for row in range(y, y2) for col in range(x, x2)}
    print("\n".join(sorted(",".join(str(v) for v in c) for c in colours)))
