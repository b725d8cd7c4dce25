"""Finds where a picture appears, pixel for pixel, inside a screenshot.
Usage: find_image.py SCREENSHOT PICTURE; prints "x y", or fails."""

import subprocess
import sys


def pixels(path):
    """Width, height and RGB bytes of an image, through ImageMagick."""
    width, height = map(int, subprocess.run(
        ["identify", "-format", "%w %h", path], check=True, capture_output=True,
        text=True).stdout.split())
    data = subprocess.run(["convert", path, "-alpha", "off", "rgb:-"], check=True,
                          capture_output=True).stdout
    return width, height, data


def main(screenshot, picture):
    big_w, big_h, big = pixels(screenshot)
    w, h, small = pixels(picture)
    rows = [small[y * w * 3:(y + 1) * w * 3] for y in range(h)]
    for top in range(big_h - h + 1):
        line = big[top * big_w * 3:(top + 1) * big_w * 3]
        start = line.find(rows[0])
        while start != -1:
            if start % 3 == 0:
                left = start // 3
                if all(big[(top + y) * big_w * 3 + start:(top + y) * big_w * 3 + start + w * 3]
                       == rows[y] for y in range(h)):
                    print(left, top)
                    return 0
            start = line.find(rows[0], start + 1)
    print(f"{picture} ({w} x {h}) appears nowhere in {screenshot}", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
