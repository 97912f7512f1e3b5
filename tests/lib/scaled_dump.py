"""Compares a kesto-sim dump at 96 DPI with one at another DPI: the same
lines, with every window's inner size and every control's place and size
scaled by DPI/96 (within a pixel). Prints the differences, nothing when
the dumps agree."""
import re
import sys

GEOMETRY = re.compile(r"^(-?\d+),(-?\d+) (\d+)x(\d+)$")
INNER = re.compile(r"^inner (\d+)x(\d+)$")


def scaled(value, dpi):
    return (value * dpi + 48) // 96


def agrees(expected, actual, dpi):
    if expected == actual:
        return True
    for pattern in (GEOMETRY, INNER):
        want, got = pattern.match(expected), pattern.match(actual)
        if want and got:
            return all(abs(scaled(int(w), dpi) - int(g)) <= 1 for w, g in zip(want.groups(), got.groups()))
    return False


def main():
    dpi = int(sys.argv[1])
    with open(sys.argv[2], encoding="utf-8") as f:
        native = f.read().splitlines()
    with open(sys.argv[3], encoding="utf-8") as f:
        win32 = f.read().splitlines()
    if len(native) != len(win32):
        print(f"{len(native)} lines at 96 DPI, {len(win32)} at {dpi} DPI")
    for want, got in zip(native, win32):
        wanted, found = want.split("\t"), got.split("\t")
        if len(wanted) != len(found) or not all(agrees(w, g, dpi) for w, g in zip(wanted, found)):
            print(f"want (scaled): {want}\ngot: {got}")


main()
