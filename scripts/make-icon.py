#!/usr/bin/env python3
"""Draws Trimvale's icon and writes it as the Windows icon (32 x 32, 16 colours),
as an XPM array that the program compiles in for its windows, and as PNG files
for the Linux desktop and for the page installed from a web server.

The picture is kept here as text, one character a pixel, so that it can be
read and changed in review; run this script again after changing it:

    python3 scripts/make-icon.py app/icons
"""
import struct
import sys
import zlib
from pathlib import Path

# The standard 16-colour palette, in the order Windows gives it.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
OLIVE, RED, MAGENTA = 3, 9, 13
INK = {".": OLIVE, "M": MAGENTA, "R": RED}

# A magenta T beside a red v: the monogram of Trimvale.
PICTURE = """
................................
................................
................................
................................
..MMMMMMMMMMMMMM................
..MMMMMMMMMMMMMM................
..MMMMMMMMMMMMMM................
..MMMMMMMMMMMMMM................
.......MMMM.....................
.......MMMM.....................
.......MMMM.....................
.......MMMM.....................
.......MMMM......RRRR......RRRR.
.......MMMM......RRRR......RRRR.
.......MMMM.......RRRR....RRRR..
.......MMMM.......RRRR....RRRR..
.......MMMM........RRRR..RRRR...
.......MMMM........RRRR..RRRR...
.......MMMM.........RRRRRRRR....
.......MMMM.........RRRRRRRR....
.......MMMM..........RRRRRR.....
.......MMMM..........RRRRRR.....
.......MMMM...........RRRR......
.......MMMM...........RRRR......
.......MMMM.....................
.......MMMM.....................
.......MMMM.....................
.......MMMM.....................
................................
................................
................................
................................
"""

SIZE = 32


def pixels():
    rows = [line for line in PICTURE.strip("\n").split("\n")]
    assert len(rows) == SIZE and all(len(row) == SIZE for row in rows), "the picture is 32 x 32"
    return [[INK[ch] for ch in row] for row in rows]


def ico(image):
    """A Windows icon with one 32 x 32 entry, 4 bits per pixel, fully opaque."""
    xor = b""
    for row in reversed(image):  # bottom-up
        xor += bytes((row[x] << 4) | row[x + 1] for x in range(0, SIZE, 2))
    mask = bytes(SIZE * SIZE // 8)  # every pixel opaque
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    bitmap = header + palette + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(bitmap), 6 + 16)
    return directory + entry + bitmap


def png(image, scale):
    """An RGB PNG, each pixel drawn as a scale x scale square."""
    raw = b""
    for row in image:
        line = b"".join(bytes(PALETTE[index]) * scale for index in row)
        raw += (b"\x00" + line) * scale
    side = SIZE * scale

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", side, side, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def xpm(image):
    """The same picture as an XPM array, which Qt reads without any image plugin."""
    symbols = {OLIVE: ".", MAGENTA: "M", RED: "R"}
    lines = [f'"{SIZE} {SIZE} {len(symbols)} 1",']
    for index, symbol in symbols.items():
        r, g, b = PALETTE[index]
        lines.append(f'"{symbol} c #{r:02X}{g:02X}{b:02X}",')
    rows = ["".join(symbols[index] for index in row) for row in image]
    lines += [f'"{row}",' for row in rows[:-1]] + [f'"{rows[-1]}"']
    body = "\n".join(lines)
    return ("/* XPM */\n"
            "// Trimvale's window icon, written by scripts/make-icon.py.\n"
            f"static const char *const trimvale_xpm[] = {{\n{body}\n}};\n")


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else "app/icons")
    out.mkdir(parents=True, exist_ok=True)
    image = pixels()
    (out / "trimvale.ico").write_bytes(ico(image))
    (out / "trimvale-32.png").write_bytes(png(image, 1))
    (out / "trimvale-128.png").write_bytes(png(image, 4))
    (out / "trimvale-192.png").write_bytes(png(image, 6))
    (out / "trimvale-512.png").write_bytes(png(image, 16))
    (out / "trimvale.xpm").write_text(xpm(image))


if __name__ == "__main__":
    main()
