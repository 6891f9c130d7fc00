#!/usr/bin/env python3
"""Measures each caption's contrast on a screenshot of a window.

Usage: caption_contrast.py WINDOW.ppm < RECTANGLES
RECTANGLES: one caption a line, "name x y width height" in the window's
pixels. The ground is the commonest colour in a caption's rectangle; the
text is the pixel that stands out most from it. Prints each ratio and exits
1 when one is under 4.5:1, the least that guidelines allow for text.
"""
import sys
from collections import Counter


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b"P6" or fields[3] != b"255":
        sys.exit("not an 8-bit binary PPM: " + path)
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:]


def luminance(pixel):
    def linear(channel):
        value = channel / 255
        return value / 12.92 if value <= 0.04045 else ((value + 0.055) / 1.055) ** 2.4
    r, g, b = pixel
    return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b)


def ratio(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def main():
    width, height, pixels = read_ppm(sys.argv[1])
    worst = 21.0
    for line in sys.stdin:
        if not line.strip():
            continue
        name, x, y, w, h = line.split()
        x, y, w, h = int(x), int(y), int(w), int(h)
        counts = Counter()
        for row in range(y, min(y + h, height)):
            for column in range(x, min(x + w, width)):
                at = 3 * (row * width + column)
                counts[tuple(pixels[at:at + 3])] += 1
        ground = counts.most_common(1)[0][0]
        best = max(ratio(pixel, ground) for pixel in counts)
        print(f"{name} {best:.2f}:1 on {ground}")
        worst = min(worst, best)
    sys.exit(0 if worst >= 4.5 else 1)


if __name__ == "__main__":
    main()
