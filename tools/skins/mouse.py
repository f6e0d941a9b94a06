"""The two mouse views with their call-outs, and the sixteen number badges."""

from PIL import Image

from skinlib import ACCENT, COND_BOLD, WHITE, Pic, mix, rgba

SIZE = 400
BADGE_RING = ACCENT
BADGE_FILL = (16, 18, 21)
LEADER = (98, 106, 116)
SHELL_TOP = (44, 47, 53)
SHELL_BOTTOM = (20, 21, 24)
SHELL_EDGE = (92, 99, 108)
PART_FILL = (34, 37, 42)
PART_EDGE = (78, 85, 94)
SEAM = (12, 13, 15)


def spline(points, closed=True, steps=12):
    """Catmull-Rom curve through the points."""
    n = len(points)
    out = []
    count = n if closed else n - 1
    for i in range(count):
        p0 = points[(i - 1) % n] if closed or i > 0 else points[0]
        p1 = points[i]
        p2 = points[(i + 1) % n]
        p3 = points[(i + 2) % n] if closed or i + 2 < n else points[-1]
        for k in range(steps):
            t = k / steps
            t2, t3 = t * t, t * t * t
            out.append(tuple(
                0.5 * (2 * p1[j] + (-p0[j] + p2[j]) * t + (2 * p0[j] - 5 * p1[j] + 4 * p2[j] - p3[j]) * t2
                       + (-p0[j] + 3 * p1[j] - 3 * p2[j] + p3[j]) * t3)
                for j in range(2)))
    if not closed:
        out.append(points[-1])
    return out


def mirrored(right_side, axis=200):
    """Closes a right-hand outline (top to bottom) with its mirror image."""
    left = [(2 * axis - x, y) for x, y in reversed(right_side)]
    return right_side + left[1:-1]


def callout(p, cx, cy, number, r=10):
    """A numbered circle in the badge style."""
    p.circle(cx, cy, r - 0.5, fill=BADGE_FILL, outline=BADGE_RING)
    size = 11 if number < 10 else 10
    p.text((cx, cy + 0.5), str(number), COND_BOLD, size, WHITE)


def leader(p, start, end, via=None):
    pts = [start] + ([via] if via else []) + [end]
    p.line(pts, LEADER, 1)
    p.circle(end[0], end[1], 2.2, fill=ACCENT)


def shaded_shell(p, outline, top, bottom, highlight):
    """Fills the outline with a vertical gradient and a soft highlight, then strokes its edge."""
    grad = Image.linear_gradient("L").resize(p.im.size)
    shell = Image.composite(Image.new("RGBA", p.im.size, rgba(bottom)), Image.new("RGBA", p.im.size, rgba(top)), grad)
    mask = Pic(p.w, p.h, ss=p.ss)
    mask.polygon(outline, fill=(255, 255, 255))
    hi = Pic(p.w, p.h, ss=p.ss)
    hi.glow(lambda g: g.ellipse(highlight, fill=(255, 255, 255, 30)), 28)
    shell.alpha_composite(hi.im)
    p.im.paste(shell, (0, 0), mask.im.getchannel("A"))
    p.line(outline + [outline[0]], SHELL_EDGE, 1.5)


def part(p, box, radius=4):
    p.rect(box, fill=PART_FILL, outline=PART_EDGE, radius=radius)


TOP_RIGHT = [(200, 48), (236, 52), (260, 66), (272, 94), (277, 140), (282, 190), (289, 240), (291, 288),
             (285, 330), (266, 360), (234, 376), (200, 380)]


def top_view():
    p = Pic(SIZE, SIZE)
    body = spline(mirrored(TOP_RIGHT))
    p.glow(lambda g: g.polygon(body, fill=rgba(ACCENT, 60)), 14)
    shaded_shell(p, body, SHELL_TOP, SHELL_BOTTOM, (140, 200, 260, 330))
    # Main buttons: split down the middle, closed by a curved seam.
    left_btn = spline([(197, 53), (172, 55), (154, 64), (150, 120), (152, 200), (176, 212), (197, 214)], closed=False)
    right_btn = [(400 - x, y) for x, y in left_btn]
    for outline in (left_btn, right_btn):
        p.polygon(outline, fill=PART_FILL)
        p.line(outline + [outline[0]], PART_EDGE, 1)
    p.line([(200, 50), (200, 214)], SEAM, 3)
    # Two buttons on the shell beside the left button.
    part(p, (136, 104, 147, 140), 4)
    part(p, (137, 148, 148, 184), 4)
    # Wheel with ribs, then the two buttons behind it.
    p.rect((191, 88, 209, 146), fill=(26, 28, 32), outline=PART_EDGE, radius=7)
    for y in range(94, 142, 5):
        p.line([(194, y), (206, y)], (70, 76, 84), 1)
    part(p, (193, 158, 207, 178), 4)
    part(p, (193, 186, 207, 206), 4)
    # Rear light strip.
    rear = spline([(150, 318), (175, 344), (200, 352), (225, 344), (250, 318)], closed=False)
    p.glow(lambda g: g.line(rear, ACCENT, 4), 4, 0.8)
    p.line(rear, mix(ACCENT, (255, 255, 255), 0.2), 1.5)
    marks = [
        (12, (52, 70), (165, 110), (120, 70)),
        (10, (40, 122), (141, 122), None),
        (11, (40, 166), (142, 166), None),
        (13, (348, 70), (235, 110), (280, 70)),
        (14, (360, 118), (200, 117), (240, 118)),
        (15, (360, 168), (200, 168), None),
        (16, (360, 214), (200, 196), (240, 214)),
    ]
    for number, at, target, via in marks:
        leader(p, at, target, via)
        callout(p, *at, number)
    return p.result()


SIDE = [(200, 290), (70, 290), (47, 282), (40, 262), (46, 236), (72, 210), (116, 182), (168, 158), (218, 143),
        (262, 140), (302, 150), (336, 176), (356, 214), (360, 256), (353, 280), (332, 290)]
GRID_W, GRID_H, GRID_GAP = 30, 20, 7
TOP_ROW = [(108 + i * (GRID_W + GRID_GAP), 206) for i in range(5)]
BOTTOM_ROW = [(126 + i * (GRID_W + GRID_GAP), 234) for i in range(4)]


def side_view():
    p = Pic(SIZE, SIZE)
    body = spline(SIDE)
    p.glow(lambda g: g.polygon(body, fill=rgba(ACCENT, 60)), 14)
    # The wheel shows above the shell at the front; the shell covers its lower half.
    p.rect((146, 150, 184, 172), fill=(26, 28, 32), outline=PART_EDGE, radius=10)
    shaded_shell(p, body, SHELL_TOP, SHELL_BOTTOM, (150, 150, 330, 230))
    rear = spline([(318, 176), (340, 206), (348, 240), (344, 270)], closed=False)
    p.glow(lambda g: g.line(rear, ACCENT, 4), 4, 0.8)
    p.line(rear, mix(ACCENT, (255, 255, 255), 0.2), 1.5)
    # Button seam along the top, the wheel peeking out at the front, the skate line.
    seam = spline([(62, 224), (110, 196), (168, 172), (218, 158)], closed=False)
    p.line(seam, SEAM, 2)
    p.line([(58, 286), (342, 286)], (60, 65, 72), 2)
    # The side panel holding the grid.
    p.rect((98, 198, 298, 264), fill=(17, 18, 21), outline=(52, 56, 62), radius=10)
    for x, y in TOP_ROW + BOTTOM_ROW:
        part(p, (x, y, x + GRID_W, y + GRID_H), 5)
        p.line([(x + 6, y + 3), (x + GRID_W - 6, y + 3)], (56, 61, 68), 1)
    for i, (x, y) in enumerate(TOP_ROW):
        cx = x + GRID_W / 2
        at = (cx, 92)
        leader(p, at, (cx, y + GRID_H / 2))
        callout(p, *at, i + 1)
    for i, (x, y) in enumerate(BOTTOM_ROW):
        cx = x + GRID_W / 2
        at = (cx, 326)
        leader(p, at, (cx, y + GRID_H / 2))
        callout(p, *at, i + 6)
    return p.result()


def badge(number, w=20, h=20):
    p = Pic(w, h)
    callout(p, w / 2, h / 2, number, r=min(w, h) / 2)
    return p.result()


def pictures():
    out = [
        ("skins/mouse/mouse_nr.png", top_view(), "mouse from above, call-outs 10 to 16", False),
        ("skins/mouse/mouse_nr2.png", side_view(), "thumb side with the grid of side buttons, call-outs 1 to 9", False),
    ]
    for n in range(1, 17):
        w, h = (21, 19) if n == 2 else (20, 20)
        out.append((f"skins/mouse/serial_number{n}.png", badge(n, w, h), f"number badge {n}", False))
    return out
