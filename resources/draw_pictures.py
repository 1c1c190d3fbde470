#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the two pictures of the entertainment dialog: a television set and musicians.

Plain standard library: the shapes are rasterised with 4 x 4 supersampling into PPM files,
which are then turned into JPEG (ImageMagick `convert` or libjpeg's `cjpeg`):

    python3 draw_pictures.py && convert tv.ppm -quality 90 tv.jpg \
        && convert musicians.ppm -quality 90 musicians.jpg
"""
import math
import sys

SAMPLES = 4


class Canvas:
    def __init__(self, width, height, background):
        self.width = width
        self.height = height
        self.pixels = [[background(x + 0.5, y + 0.5) for x in range(width)] for y in range(height)]

    def fill(self, inside, box, colour, alpha=1.0):
        """Blends `colour` (an RGB tuple or a function of x, y) where `inside(x, y)` holds."""
        x0, y0, x1, y1 = box
        x0 = max(0, int(math.floor(x0)))
        y0 = max(0, int(math.floor(y0)))
        x1 = min(self.width, int(math.ceil(x1)) + 1)
        y1 = min(self.height, int(math.ceil(y1)) + 1)
        step = 1.0 / SAMPLES
        for y in range(y0, y1):
            row = self.pixels[y]
            for x in range(x0, x1):
                hits = 0
                for sy in range(SAMPLES):
                    py = y + (sy + 0.5) * step
                    for sx in range(SAMPLES):
                        if inside(x + (sx + 0.5) * step, py):
                            hits += 1
                if hits == 0:
                    continue
                cover = alpha * hits / (SAMPLES * SAMPLES)
                c = colour(x + 0.5, y + 0.5) if callable(colour) else colour
                old = row[x]
                row[x] = tuple(old[i] + (c[i] - old[i]) * cover for i in range(3))

    def rect(self, x0, y0, x1, y1, colour, radius=0.0, alpha=1.0):
        def inside(x, y):
            if x < x0 or x > x1 or y < y0 or y > y1:
                return False
            if radius <= 0:
                return True
            cx = min(max(x, x0 + radius), x1 - radius)
            cy = min(max(y, y0 + radius), y1 - radius)
            return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius

        self.fill(inside, (x0, y0, x1, y1), colour, alpha)

    def ellipse(self, cx, cy, rx, ry, colour, alpha=1.0):
        def inside(x, y):
            return ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0

        self.fill(inside, (cx - rx, cy - ry, cx + rx, cy + ry), colour, alpha)

    def polygon(self, points, colour, alpha=1.0):
        def inside(x, y):
            result = False
            j = len(points) - 1
            for i in range(len(points)):
                xi, yi = points[i]
                xj, yj = points[j]
                if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                    result = not result
                j = i
            return result

        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        self.fill(inside, (min(xs), min(ys), max(xs), max(ys)), colour, alpha)

    def line(self, xa, ya, xb, yb, width, colour, alpha=1.0):
        half = width / 2.0
        dx, dy = xb - xa, yb - ya
        length2 = dx * dx + dy * dy or 1e-9

        def inside(x, y):
            t = max(0.0, min(1.0, ((x - xa) * dx + (y - ya) * dy) / length2))
            px, py = xa + t * dx - x, ya + t * dy - y
            return px * px + py * py <= half * half

        box = (min(xa, xb) - half, min(ya, yb) - half, max(xa, xb) + half, max(ya, yb) + half)
        self.fill(inside, box, colour, alpha)

    def save_ppm(self, path):
        with open(path, "wb") as out:
            out.write(b"P6\n%d %d\n255\n" % (self.width, self.height))
            data = bytearray()
            for row in self.pixels:
                for c in row:
                    data.extend(max(0, min(255, int(round(v)))) for v in c)
            out.write(bytes(data))


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def vertical(top, bottom, y0, y1):
    return lambda x, y: mix(top, bottom, (y - y0) / (y1 - y0))


def radial(centre, edge, cx, cy, r):
    return lambda x, y: mix(centre, edge, math.hypot(x - cx, y - cy) / r)


def draw_television():
    w, h = 300, 177
    wall = lambda x, y: mix((120, 52, 30), (48, 20, 12), math.hypot(x - 150, y - 60) / 190)
    c = Canvas(w, h, wall)
    # Wainscot and the sideboard the set stands on.
    c.rect(0, 138, w, h, vertical((92, 52, 26), (54, 28, 12), 138, h))
    for x in range(12, w, 36):
        c.line(x, 142, x, h, 1.5, (40, 20, 8), 0.6)
    c.rect(0, 134, w, 141, vertical((170, 110, 60), (110, 64, 30), 134, 141))
    # Shadow under the set.
    c.ellipse(150, 136, 112, 5, (20, 8, 4), 0.5)
    # Legs.
    c.polygon([(72, 124), (80, 124), (70, 137), (64, 137)], (30, 30, 30))
    c.polygon([(220, 124), (228, 124), (236, 137), (230, 137)], (30, 30, 30))
    # Antenna.
    c.line(150, 22, 108, 2, 2.2, (200, 200, 205))
    c.line(150, 22, 196, 4, 2.2, (200, 200, 205))
    c.ellipse(108, 2.5, 3, 3, (230, 230, 235))
    c.ellipse(196, 4.5, 3, 3, (230, 230, 235))
    c.ellipse(150, 24, 12, 6, (45, 45, 48))
    # Cabinet: walnut with a lighter edge.
    c.rect(48, 26, 252, 128, (58, 32, 16), radius=12)
    c.rect(51, 29, 249, 125, vertical((150, 92, 48), (96, 54, 24), 29, 125), radius=10)
    for y in range(34, 122, 7):
        c.line(54, y + 2, 246, y - 1, 0.8, (70, 38, 16), 0.25)
    # Screen bezel and the screen: a football match.
    c.rect(58, 36, 198, 118, (24, 24, 26), radius=10)
    c.rect(63, 41, 193, 113, vertical((54, 150, 62), (30, 104, 40), 41, 113), radius=9)
    for i in range(6):
        c.polygon([(63 + i * 26, 41), (76 + i * 26, 41), (76 + i * 26, 113), (63 + i * 26, 113)],
                  (255, 255, 255), 0.05)
    white = (236, 240, 236)
    c.line(128, 43, 128, 111, 1.3, white, 0.9)
    c.fill(lambda x, y: 11.5 <= math.hypot(x - 128, y - 77) <= 13.0, (114, 63, 142, 91), white, 0.9)
    c.line(66, 58, 84, 58, 1.3, white, 0.9)
    c.line(84, 58, 84, 96, 1.3, white, 0.9)
    c.line(66, 96, 84, 96, 1.3, white, 0.9)
    # Two players and the ball.
    for px, py, shirt in ((104, 70, (220, 40, 40)), (152, 86, (40, 80, 220))):
        c.ellipse(px, py - 9, 3, 3, (240, 200, 160))
        c.rect(px - 3.5, py - 6, px + 3.5, py + 3, shirt, radius=1.5)
        c.line(px - 2, py + 3, px - 3, py + 10, 1.8, (250, 250, 250))
        c.line(px + 2, py + 3, px + 3, py + 10, 1.8, (250, 250, 250))
    c.ellipse(116, 82, 2.6, 2.6, (255, 255, 255))
    # Score box.
    c.rect(66, 44, 96, 52, (20, 20, 40), alpha=0.8)
    c.rect(68, 46, 74, 50, (220, 40, 40))
    c.rect(88, 46, 94, 50, (40, 80, 220))
    c.line(78, 48, 84, 48, 1.2, (255, 255, 255))
    # Glass: a soft reflection and a dark rim.
    c.polygon([(68, 44), (120, 44), (84, 110), (66, 110)], (255, 255, 255), 0.08)
    # Control panel: two knobs, a speaker grille, the power lamp.
    c.rect(204, 36, 244, 118, (70, 40, 20), radius=6)
    for cy in (54, 80):
        c.ellipse(224, cy, 11, 11, (30, 30, 30))
        c.ellipse(224, cy, 9, 9, radial((210, 210, 214), (120, 120, 126), 221, cy - 3, 11))
        c.line(224, cy, 224 + 7 * math.cos(cy), cy - 7 * abs(math.sin(cy)), 1.6, (40, 40, 40))
    for y in range(96, 114, 3):
        c.line(210, y, 238, y, 1.2, (40, 22, 10))
    c.ellipse(238, 42, 2.2, 2.2, (255, 70, 40))
    c.ellipse(238, 42, 5, 5, (255, 90, 40), 0.25)
    return c


def draw_musicians():
    w, h = 203, 154
    c = Canvas(w, h, lambda x, y: mix((34, 18, 50), (10, 6, 18), y / h))
    # Spotlights.
    for cx in (50, 102, 154):
        c.polygon([(cx - 6, 0), (cx + 6, 0), (cx + 34, 128), (cx - 34, 128)], (255, 230, 150), 0.16)
    # Stage.
    c.rect(0, 122, w, h, vertical((140, 84, 40), (70, 38, 16), 122, h))
    for x in range(0, w, 20):
        c.line(x, 122, x - 8, h, 1.0, (60, 30, 12), 0.5)
    c.rect(0, 120, w, 124, (180, 120, 64))
    for cx in (50, 102, 154):
        c.ellipse(cx, 126, 30, 5, (255, 230, 150), 0.25)

    skin = (238, 194, 150)

    def person(cx, shirt, trousers, hair, hat=None):
        c.line(cx - 6, 96, cx - 8, 124, 7, trousers)
        c.line(cx + 6, 96, cx + 8, 124, 7, trousers)
        c.ellipse(cx - 9, 124, 6, 3, (25, 20, 20))
        c.ellipse(cx + 9, 124, 6, 3, (25, 20, 20))
        c.polygon([(cx - 13, 58), (cx + 13, 58), (cx + 12, 100), (cx - 12, 100)], shirt)
        c.rect(cx - 4, 52, cx + 4, 60, skin)
        c.ellipse(cx, 44, 10, 11, skin)
        c.ellipse(cx, 37, 10.5, 6, hair)
        if hat:
            c.rect(cx - 15, 34, cx + 15, 37, hat, radius=1.5)
            c.rect(cx - 9, 22, cx + 9, 35, hat, radius=3)
        c.ellipse(cx - 3.5, 44, 1.2, 1.5, (40, 30, 30))
        c.ellipse(cx + 3.5, 44, 1.2, 1.5, (40, 30, 30))
        c.line(cx - 3, 50, cx + 3, 50, 1.2, (150, 60, 50))

    # Left: a guitarist.
    person(50, (180, 40, 40), (40, 40, 70), (70, 40, 20), hat=(30, 30, 30))
    c.line(40, 64, 34, 84, 6, (180, 40, 40))
    c.line(60, 64, 66, 80, 6, (180, 40, 40))
    c.line(30, 96, 78, 64, 3.2, (90, 50, 20))
    c.ellipse(40, 92, 14, 11, (200, 130, 50))
    c.ellipse(50, 86, 11, 9, (200, 130, 50))
    c.ellipse(44, 89, 4, 4, (40, 20, 10))
    c.rect(76, 60, 84, 66, (60, 30, 10), radius=1)
    c.ellipse(34, 86, 3.5, 3.5, skin)
    c.ellipse(66, 80, 3.5, 3.5, skin)

    # Middle: a drummer behind his drum.
    person(102, (40, 120, 70), (30, 30, 40), (30, 20, 15))
    c.line(92, 66, 86, 84, 6, (40, 120, 70))
    c.line(112, 66, 118, 84, 6, (40, 120, 70))
    c.line(86, 84, 96, 74, 2, (230, 210, 170))
    c.line(118, 84, 108, 72, 2, (230, 210, 170))
    c.ellipse(86, 84, 3.5, 3.5, skin)
    c.ellipse(118, 84, 3.5, 3.5, skin)
    c.rect(80, 92, 124, 120, vertical((210, 40, 40), (150, 20, 20), 92, 120), radius=3)
    c.ellipse(102, 92, 22, 5, (235, 230, 215))
    for x in range(84, 122, 8):
        c.line(x, 97, x + 4, 117, 1.2, (240, 210, 120))
    c.line(80, 118, 124, 118, 2, (240, 210, 120))

    # Right: a trumpet player.
    person(154, (60, 80, 190), (50, 40, 30), (160, 110, 50))
    gold = (240, 196, 60)
    c.line(156, 50, 184, 56, 3, gold)
    c.polygon([(182, 53), (196, 45), (198, 69), (182, 60)], gold)
    c.ellipse(197, 57, 3, 12, (255, 225, 120))
    c.rect(162, 55, 178, 61, (220, 170, 40), radius=2)
    c.line(144, 64, 162, 66, 6, (60, 80, 190))
    c.line(164, 64, 172, 64, 6, (60, 80, 190))
    c.ellipse(164, 62, 3.5, 3.5, skin)
    c.ellipse(174, 61, 3.5, 3.5, skin)

    # Notes in the air.
    note = (255, 235, 140)
    for nx, ny, tilt in ((20, 30, 0), (78, 18, 1), (128, 26, 0), (184, 20, 1)):
        c.ellipse(nx, ny + 14, 4.5, 3.2, note)
        c.line(nx + 4, ny + 13, nx + 4, ny, 1.4, note)
        if tilt:
            c.line(nx + 4, ny, nx + 12, ny + 3, 2.4, note)
            c.ellipse(nx + 10, ny + 17, 4.5, 3.2, note)
            c.line(nx + 14, ny + 16, nx + 12, ny + 3, 1.4, note)
        else:
            c.line(nx + 4, ny, nx + 9, ny + 6, 1.4, note)
    return c


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "."
    draw_television().save_ppm(out + "/tv.ppm")
    draw_musicians().save_ppm(out + "/musicians.ppm")


if __name__ == "__main__":
    main()
