#!/usr/bin/env python3
"""Draws the main window's pictures and writes them under res/bitmaps/: the eight command buttons
(a pictogram and the caption in a tiny pixel font), the banner across the top of the window and the
hand cursor over the Feedback link. Plain Python 3, no libraries.

Regenerate after changing anything here, and commit the files it writes:

    python3 scripts/make_bitmaps.py [output folder]

The button pictures are 4-bit bitmaps whose background is the light grey (192, 192, 192) that the
program maps to the system's button face when it loads them; the banner keeps its exact colours.
"""
import math
import struct
import sys
from pathlib import Path

# --- The pixel font: 7 rows above the baseline, 2 below for descenders; '#' is ink. ---

GLYPHS = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "H": ["#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "M": ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "S": [".###.", "#...#", "#....", ".###.", "....#", "#...#", ".###."],
    "a": ["....", "....", ".##.", "...#", ".###", "#..#", ".###"],
    "b": ["#...", "#...", "###.", "#..#", "#..#", "#..#", "###."],
    "c": ["....", "....", ".###", "#...", "#...", "#...", ".###"],
    "d": ["...#", "...#", ".###", "#..#", "#..#", "#..#", ".###"],
    "e": ["....", "....", ".##.", "#..#", "####", "#...", ".###"],
    "h": ["#...", "#...", "###.", "#..#", "#..#", "#..#", "#..#"],
    "i": ["#", ".", "#", "#", "#", "#", "#"],
    "k": ["#...", "#...", "#..#", "#.#.", "##..", "#.#.", "#..#"],
    "l": ["#", "#", "#", "#", "#", "#", "#"],
    "m": [".....", ".....", "####.", "#.#.#", "#.#.#", "#.#.#", "#.#.#"],
    "n": ["....", "....", "###.", "#..#", "#..#", "#..#", "#..#"],
    "o": ["....", "....", ".##.", "#..#", "#..#", "#..#", ".##."],
    "p": ["....", "....", "###.", "#..#", "#..#", "#..#", "###.", "#...", "#..."],
    "r": ["...", "...", "#.#", "##.", "#..", "#..", "#.."],
    "s": ["....", "....", ".###", "#...", ".##.", "...#", "###."],
    "t": [".#.", ".#.", "###", ".#.", ".#.", ".#.", "..#"],
    "u": ["....", "....", "#..#", "#..#", "#..#", "#..#", ".###"],
    "v": [".....", ".....", "#...#", "#...#", ".#.#.", ".#.#.", "..#.."],
    "y": ["....", "....", "#..#", "#..#", "#..#", "#..#", ".###", "...#", "###."],
    "!": ["#", "#", "#", "#", "#", ".", "#"],
    " ": ["...", "...", "...", "...", "...", "...", "..."],
}
CAP_HEIGHT = 7
LETTER_GAP = 1


def text_width(text, scale=1):
    return (sum(len(GLYPHS[c][0]) for c in text) + LETTER_GAP * (len(text) - 1)) * scale


class Canvas:
    """A picture of palette indices; shapes are tested at pixel centres."""

    def __init__(self, width, height, fill):
        self.width, self.height = width, height
        self.pixels = [[fill] * width for _ in range(height)]

    def paint(self, colour, inside, box=None):
        left, top, right, bottom = box or (0, 0, self.width, self.height)
        for y in range(max(top, 0), min(bottom, self.height)):
            for x in range(max(left, 0), min(right, self.width)):
                if inside(x + 0.5, y + 0.5):
                    self.pixels[y][x] = colour

    def text(self, left, baseline, text, colour, scale=1):
        x = left
        for char in text:
            rows = GLYPHS[char]
            for row, line in enumerate(rows):
                for column, ink in enumerate(line):
                    if ink == "#":
                        top = baseline - CAP_HEIGHT * scale + row * scale
                        self.paint(colour, lambda *_: True, (x + column * scale, top,
                                                             x + (column + 1) * scale, top + scale))
            x += (len(rows[0]) + LETTER_GAP) * scale


# --- Shapes, as tests of a point (px, py) relative to an origin (ox, oy). ---

def disc(cx, cy, radius):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def bar(x0, y0, x1, y1, width):
    """A thick line segment."""
    def inside(x, y):
        dx, dy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
        return math.hypot(x - x0 - t * dx, y - y0 - t * dy) <= width / 2
    return inside


def polygon(points):
    def inside(x, y):
        result = False
        for (xa, ya), (xb, yb) in zip(points, points[1:] + points[:1]):
            if (ya > y) != (yb > y) and x < xa + (y - ya) * (xb - xa) / (yb - ya):
                result = not result
        return result
    return inside


def gear(cx, cy, teeth, outer, inner, hole):
    def inside(x, y):
        radius = math.hypot(x - cx, y - cy)
        tooth = math.cos(teeth * math.atan2(y - cy, x - cx)) > 0.2
        return hole < radius <= (outer if tooth else inner)
    return inside


def art(rows, left, top):
    """A shape drawn as text: '#' is inside."""
    return lambda x, y: (0 <= int(y) - top < len(rows) and 0 <= int(x) - left < len(rows[int(y) - top])
                         and rows[int(y) - top][int(x) - left] == "#")


def offset(shape, ox, oy):
    return lambda x, y: shape(x - ox, y - oy)


# --- The buttons. ---

BUTTON_PALETTE = [  # (red, green, blue); index 0 is the background the program maps to the button face
    (192, 192, 192), (0, 0, 0), (255, 255, 255), (20, 40, 110),
    (40, 170, 60), (20, 100, 30), (215, 40, 40), (140, 20, 20),
    (40, 100, 210), (245, 200, 40), (170, 110, 50), (90, 90, 90),
    (230, 150, 150), (150, 200, 250), (60, 60, 60), (250, 250, 210),
]
FACE, BLACK, WHITE, NAVY, GREEN, DARK_GREEN, RED, DARK_RED = range(8)
BLUE, YELLOW, WOOD, GREY, PINK, SKY, DARK_GREY, CREAM = range(8, 16)

QUESTION_MARK = [".####.", "##..##", "....##", "...##.", "..##..", "..##..", "......", "..##.."]


def run_pictogram():
    return [(DARK_GREEN, polygon([(3, 1), (3, 15), (15, 8)])), (GREEN, polygon([(4.5, 3.5), (4.5, 12.5), (12.5, 8)]))]


def schedule_pictogram():
    return [(NAVY, disc(8, 8, 7.5)), (WHITE, disc(8, 8, 6)),
            (BLACK, bar(8, 8, 8, 3.5, 1.5)), (BLACK, bar(8, 8, 11.5, 8, 1.5)), (RED, disc(8, 8, 1))]


def options_pictogram():
    return [(DARK_GREY, gear(8, 8, 8, 7.8, 5.8, 2.2)), (GREY, gear(8, 8, 8, 6.8, 4.8, 3))]


def help_pictogram():
    return [(BLUE, disc(8, 8, 7.8)), (WHITE, art(QUESTION_MARK, 5, 4))]


def record_pictogram():
    return [(DARK_RED, disc(8, 8, 7)), (RED, disc(8, 8, 5.8)), (PINK, disc(6, 6, 1.5))]


def edit_pictogram():
    return [(BLACK, bar(2, 14, 13, 3, 4.6)), (YELLOW, bar(4.5, 11.5, 11.5, 4.5, 2.6)),
            (WOOD, polygon([(1, 15), (2, 10.5), (5.5, 14)])), (BLACK, disc(1.8, 14.2, 1.2)),
            (PINK, bar(12.2, 3.8, 13.4, 2.6, 2.6))]


def remove_pictogram():
    return [(DARK_RED, bar(3, 3, 13, 13, 4)), (DARK_RED, bar(13, 3, 3, 13, 4)),
            (RED, bar(3.5, 3.5, 12.5, 12.5, 2.2)), (RED, bar(12.5, 3.5, 3.5, 12.5, 2.2))]


def share_pictogram():
    return [(NAVY, bar(4, 8, 12, 3, 1.6)), (NAVY, bar(4, 8, 12, 13, 1.6)),
            (BLUE, disc(4, 8, 2.8)), (BLUE, disc(12, 3, 2.8)), (BLUE, disc(12, 13, 2.8))]


BUTTON_SIZE = (84, 20)
PICTOGRAM_LEFT, PICTOGRAM_TOP, PICTOGRAM_SIZE = 1, 2, 16
BUTTONS = [  # file, caption, pictogram
    ("run_robot.bmp", "Run Robot", run_pictogram),
    ("schedule.bmp", "Schedule", schedule_pictogram),
    ("options.bmp", "Options", options_pictogram),
    ("help.bmp", "Help", help_pictogram),
    ("record_robot.bmp", "Record Robot", record_pictogram),
    ("edit_robot.bmp", "Edit Robot", edit_pictogram),
    ("remove_robot.bmp", "Remove Robot", remove_pictogram),
    ("share_robot.bmp", "Share Robot", share_pictogram),
]


def button(caption, pictogram):
    width, height = BUTTON_SIZE
    canvas = Canvas(width, height, FACE)
    box = (PICTOGRAM_LEFT, PICTOGRAM_TOP, PICTOGRAM_LEFT + PICTOGRAM_SIZE, PICTOGRAM_TOP + PICTOGRAM_SIZE)
    for colour, shape in pictogram():
        canvas.paint(colour, offset(shape, PICTOGRAM_LEFT, PICTOGRAM_TOP), box)
    text_left = PICTOGRAM_LEFT + PICTOGRAM_SIZE + 2
    room = width - text_left
    if text_width(caption) > room:
        raise SystemExit(f"caption {caption!r} does not fit the button")
    canvas.text(text_left + (room - text_width(caption)) // 2, (height + CAP_HEIGHT) // 2, caption, BLACK)
    return canvas


# --- The banner painted at the main window's origin, above the buttons. ---

BANNER_SIZE = (683, 42)
BANNER_LIGHT, BANNER_DARK = (246, 249, 255), (150, 186, 235)
SHADES = 12
BANNER_PALETTE = [tuple(round(d + (l - d) * i / (SHADES - 1)) for d, l in zip(BANNER_DARK, BANNER_LIGHT))
                  for i in range(SHADES)] + [(20, 40, 110), (40, 90, 170), (255, 255, 255), (0, 0, 0)]
BANNER_NAVY, BANNER_EDGE, BANNER_WHITE = SHADES, SHADES + 1, SHADES + 2
BAYER = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]
ROBOT_HEAD = [
    "......##......",
    "......##......",
    "..##########..",
    "..##########..",
    "..##..##..##..",
    "..##..##..##..",
    "..##########..",
    "..##......##..",
    "..##########..",
    "..##########..",
]


def banner():
    width, height = BANNER_SIZE
    canvas = Canvas(width, height, 0)
    for y in range(height):
        for x in range(width):
            # Dark on the left, light from the middle on, so the blue Feedback link stays readable.
            level = min(1.0, x / (width * 0.6)) * (SHADES - 1)
            canvas.pixels[y][x] = min(SHADES - 1, int(level + BAYER[y % 4][x % 4] / 16))
    canvas.paint(BANNER_EDGE, lambda *_: True, (0, height - 2, width, height))
    canvas.paint(BANNER_NAVY, offset(scaled(art(ROBOT_HEAD, 0, 0), 2), 12, 10), (12, 10, 40, 30))
    canvas.text(48, 23, "Morvanta", BANNER_NAVY, scale=2)
    canvas.text(48 + text_width("Morvanta", 2) + 12, 23, "Automate your tasks!", BANNER_NAVY)
    return canvas


def scaled(shape, factor):
    return lambda x, y: shape(x / factor, y / factor)


# --- The hand over the Feedback link: a monochrome cursor. 'X' black, '.' white, ' ' clear. ---

HAND = [
    "     XX",
    "    X..X",
    "    X..X",
    "    X..X",
    "    X..X",
    "    X..XXX",
    "    X..X..XXX",
    "    X..X..X..XX",
    " XX X..X..X..X.X",
    "X..XX........X..X",
    "X...X...........X",
    " X..............X",
    "  X.............X",
    "  X............X",
    "   X...........X",
    "   X..........X",
    "    X.........X",
    "    X........X",
    "     X.......X",
    "     XXXXXXXXX",
]
HAND_HOTSPOT = (5, 0)
CURSOR_SIZE = 32


def cursor_file():
    def rows(mark):
        # Bottom-up, one bit a pixel, rows padded to 32 bits.
        out = b""
        for y in reversed(range(CURSOR_SIZE)):
            line = HAND[y] if y < len(HAND) else ""
            bits = "".join("1" if mark(line[x] if x < len(line) else " ") else "0" for x in range(CURSOR_SIZE))
            out += int(bits, 2).to_bytes(CURSOR_SIZE // 8, "big")
        return out

    colours = rows(lambda c: c == ".")  # white where set, black elsewhere
    mask = rows(lambda c: c == " ")     # the screen shows through where set
    header = struct.pack("<IiiHHIIiiII", 40, CURSOR_SIZE, CURSOR_SIZE * 2, 1, 1, 0, len(colours) + len(mask),
                         0, 0, 2, 0)
    image = header + bytes([0, 0, 0, 0, 255, 255, 255, 0]) + colours + mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", CURSOR_SIZE, CURSOR_SIZE, 2, 0, *HAND_HOTSPOT, len(image), 6 + 16)
    return directory + entry + image


def bitmap_file(canvas, palette):
    """A 4-bit bitmap file, rows bottom-up."""
    assert len(palette) <= 16
    row_bytes = (canvas.width + 7) // 8 * 4
    rows = b""
    for line in reversed(canvas.pixels):
        packed = bytes((line[x] << 4) | (line[x + 1] if x + 1 < canvas.width else 0)
                       for x in range(0, canvas.width, 2))
        rows += packed.ljust(row_bytes, b"\0")
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette).ljust(16 * 4, b"\0")
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 4, 0, len(rows), 2835, 2835, 16, 0)
    offset_bits = 14 + len(info) + len(colours)
    return struct.pack("<2sIHHI", b"BM", offset_bits + len(rows), 0, 0, offset_bits) + info + colours + rows


def main():
    target = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "res" / "bitmaps"
    target.mkdir(parents=True, exist_ok=True)
    for name, caption, pictogram in BUTTONS:
        (target / name).write_bytes(bitmap_file(button(caption, pictogram), BUTTON_PALETTE))
    (target / "banner.bmp").write_bytes(bitmap_file(banner(), BANNER_PALETTE))
    (target / "link.cur").write_bytes(cursor_file())


if __name__ == "__main__":
    main()
