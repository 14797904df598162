#!/usr/bin/env python3
"""caption-contrast.py SCREENSHOT: the WCAG contrast of the window's captions on
their fixed backgrounds, from a screenshot of the window's client area at 100 %.

For each group of captions it prints the lowest, over the group, of the best
contrast any pixel of a caption reaches against its background: the text's own
colour, where the strokes are solid."""
import subprocess
import sys

LABEL, WINDOW, MARK = (255, 192, 128), (192, 192, 255), (128, 128, 255)
# Places in pixels (left, top, width, height), inside each caption and clear of
# the lines and boxes around it.
GROUPS = [
    ("labels on 255,192,128", LABEL,
     [(104, 0, 287, 21), (104, 32, 119, 23), (104, 64, 87, 23), (104, 96, 143, 23)]),
    ("frame captions", WINDOW, [(16, 16, 54, 18), (416, 16, 80, 18)]),
    ("check-box captions", MARK, [(38, 43 + 24 * k, 40, 19) for k in range(7)]),
    ('the "100* " labels', MARK, [(408, 40 + 24 * k, 39, 23) for k in range(7)]),
    ('"Въведи"', (0, 255, 0), [(331, 35, 59, 19)]),
    ('"Чисти"', (255, 0, 0), [(331, 67, 59, 19)]),
    ('"Изведи"', (0, 192, 0), [(331, 99, 59, 19)]),
]


def luminance(rgb):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def read_image(path):
    ppm = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True,
                         capture_output=True).stdout
    fields = ppm.split(maxsplit=4)  # P6, width, height, maximum, pixels
    width, height = int(fields[1]), int(fields[2])
    pixels = fields[4]
    return width, height, lambda x, y: tuple(pixels[3 * (y * width + x):3 * (y * width + x) + 3])


def main():
    width, height, pixel = read_image(sys.argv[1])
    for name, background, places in GROUPS:
        best = []
        for left, top, w, h in places:
            seen = [pixel(x, y) for y in range(top, min(top + h, height))
                    for x in range(left, min(left + w, width))]
            best.append(max((contrast(p, background) for p in seen if p != background),
                            default=1.0))
        print(f"  {name}: {min(best):.2f}")


main()
