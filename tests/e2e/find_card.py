#!/usr/bin/python3
"""Finds the calculator's card in a screenshot given as raw RGB bytes on
standard input (width and height as arguments): the dark red title strip,
and below it the card's white ground down to its bottom edge. Prints
"left top width height strip-height face" or nothing when no strip is
there; "face" says whether the first keypad's "1" shows a white glyph on a
dark red square."""

import sys

RED = (0x9D, 0x08, 0x0D)


def main():
    width, height = int(sys.argv[1]), int(sys.argv[2])
    data = sys.stdin.buffer.read()

    def pixel(x, y):
        i = 3 * (y * width + x)
        return tuple(data[i:i + 3])

    def red(x, y):
        return all(abs(a - b) <= 24 for a, b in zip(pixel(x, y), RED))

    def white(x, y):
        return min(pixel(x, y)) >= 235

    for y in range(height):
        x = 0
        while x < width:
            if not red(x, y):
                x += 1
                continue
            start = x
            while x < width and red(x, y):
                x += 1
            if x - start < 200:
                continue
            left, top, card_width = start, y, x - start
            strip = 0
            # Down to the white ground (the picture's last red row is soft).
            while top + strip < height and not white(left, top + strip):
                strip += 1
            bottom = top + strip
            while bottom < height and white(left + 3, bottom):
                bottom += 1
            face = [(left + 8 + dx, top + 152 + dy) for dx in range(32) for dy in range(32)]
            glyph = sum(1 for p in face if white(*p))
            square = sum(1 for p in face if red(*p))
            face_ok = glyph > 30 and square > 500
            print(left, top, card_width, bottom - top, strip, "face" if face_ok else "no-face")
            return


if __name__ == "__main__":
    main()
