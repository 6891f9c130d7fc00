#!/usr/bin/env python3
"""Checks where two screenshots of a window differ.

Usage: changed_within.py BEFORE.ppm AFTER.ppm shown|hidden < AREAS
AREAS: "cue|moving NAME x y width height" lines (velkorn-key-cue-areas).
shown: every changed pixel lies in a cue or a moving area, and each cue
changed; hidden: every changed pixel lies in a moving area. Exits 1 with
what differs otherwise.
"""
import sys

from caption_contrast import read_ppm


def main():
    before, after, mode = sys.argv[1:4]
    width, height, old = read_ppm(before)
    size = read_ppm(after)
    if size[:2] != (width, height):
        sys.exit(f"the screenshots differ in size: {width}x{height} and {size[0]}x{size[1]}")
    new = size[2]
    areas = [line.split() for line in sys.stdin if line.strip()]
    allowed = [a for a in areas if a[0] == "moving" or mode == "shown"]
    cues = {a[1]: 0 for a in areas if a[0] == "cue"}
    stray = []
    for y in range(height):
        for x in range(width):
            i = 3 * (y * width + x)
            if old[i:i + 3] == new[i:i + 3]:
                continue
            inside = [a for a in allowed if int(a[2]) <= x < int(a[2]) + int(a[4])
                      and int(a[3]) <= y < int(a[3]) + int(a[5])]
            if not inside:
                stray.append((x, y))
            for a in inside:
                if a[0] == "cue":
                    cues[a[1]] += 1
    if stray:
        sys.exit(f"{len(stray)} pixels changed outside the cues, first at {stray[0]}")
    unchanged = [name for name, count in cues.items() if count == 0]
    if mode == "shown" and unchanged:
        sys.exit(f"no cue drawn by {', '.join(unchanged)}")
    print(f"{mode}: {sum(cues.values())} pixels in {len(cues)} cues")


if __name__ == "__main__":
    main()
