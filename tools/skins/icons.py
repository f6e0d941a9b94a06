"""Status icons, battery pieces, power dial, polling-rate tiles, list icons, scroll arrows, program icon."""

import math

from skinlib import (ACCENT, ACCENT_LIGHT, COND_BOLD, DIM, EDGE, EDGE_HOVER, FILL, GREY, SANS_BOLD,
                     WHITE, Pic, mix, rgba)

DISC = (16, 18, 21)
RING = (48, 52, 58)


def status_plate():
    p = Pic(50, 50)
    p.circle(25, 25, 24.5, fill=DISC, outline=RING)
    p.arc((3, 3, 47, 47), 200, 340, mix(ACCENT, DISC, 0.35), 1.5)
    return p


def status_wired():
    p = status_plate()
    # A USB plug with its cable coming up from below.
    p.rect((18, 13, 32, 24), outline=ACCENT, width=1.5, radius=1.5)
    p.rect((21, 16, 29, 18.5), fill=ACCENT)
    p.rect((16, 24, 34, 31), fill=ACCENT, radius=2)
    p.rect((23.5, 31, 26.5, 40), fill=ACCENT)
    return p


def status_receiver():
    p = status_plate()
    # A nano receiver with radio waves.
    p.rect((20, 24, 30, 40), fill=ACCENT, radius=2)
    p.rect((22, 35, 28, 39), fill=DISC, radius=1)
    for r in (6, 11):
        p.arc((25 - r, 21 - r, 25 + r, 21 + r), 225, 315, ACCENT, 1.8)
    p.circle(25, 21, 1.6, fill=ACCENT)
    return p


def status_ble():
    p = status_plate()
    pts = [(19, 18), (31, 30), (25, 36), (25, 13), (31, 19), (19, 31)]
    p.line(pts, ACCENT, 2.2)
    return p


BODY = (4, 4, 26, 60)
TERMINAL = (10, 1, 20, 4)
FILL_AREA = (7, 7, 23, 57)


def battery_outline(p, colour=EDGE_HOVER):
    p.rect(TERMINAL, fill=colour, radius=1)
    p.rect(BODY, fill=(14, 15, 17), outline=colour, width=1.5, radius=3)


def battery(kind):
    p = Pic(30, 61)
    if kind == "lighting":
        bolt = [(17, 14), (9, 34), (14.5, 34), (12, 50), (21, 28), (15.5, 28), (18.5, 14)]
        p.glow(lambda g: g.polygon(bolt, fill=(0, 0, 0, 220)), 1.5)
        p.polygon(bolt, fill=WHITE)
        return p
    battery_outline(p)
    if kind == "empty":
        return p
    colour = ACCENT if kind == "full" else ACCENT_LIGHT
    p.rect(FILL_AREA, fill=colour, radius=1.5)
    if kind == "charging":
        for y in range(10, 57, 8):
            p.line([(FILL_AREA[0], y + 4), (FILL_AREA[2], y)], mix(ACCENT_LIGHT, (255, 255, 255), 0.35), 2)
    x0, y0, _, y1 = FILL_AREA
    p.rect((x0 + 2, y0 + 2, x0 + 3, y1 - 2), fill=mix(colour, (255, 255, 255), 0.3))
    return p


def legend_dot(colour):
    p = Pic(8, 8)
    p.circle(4, 4, 3.6, fill=colour)
    p.circle(3.3, 3.2, 1.1, fill=rgba(mix(colour, (255, 255, 255), 0.5), 200))
    return p


# Wedge edge points of the power dial around its centre; the lit wedge must match the hit test.
DIAL_CENTRE = (70, 71)
DIAL_POINTS = [(3, 71), (7, 51), (17, 32), (40, 13), (70, 5), (100, 14), (121, 31), (131, 51), (134, 71)]
DIAL_VALUES = [1, 2, 3, 4, 5, 8, 10, 20]


def _angle(pt):
    """Angle in degrees, clockwise on screen, from 180 (left) over 270 (top) to 360 (right)."""
    cx, cy = DIAL_CENTRE
    a = math.degrees(math.atan2(pt[1] - cy, pt[0] - cx)) % 360
    return a + 360 if a < 90 else a


def _ring_segment(a0, a1, r0, r1, steps=10):
    cx, cy = DIAL_CENTRE
    outer = [(cx + r1 * math.cos(math.radians(a0 + (a1 - a0) * k / steps)),
              cy + r1 * math.sin(math.radians(a0 + (a1 - a0) * k / steps))) for k in range(steps + 1)]
    inner = [(cx + r0 * math.cos(math.radians(a1 + (a0 - a1) * k / steps)),
              cy + r0 * math.sin(math.radians(a1 + (a0 - a1) * k / steps))) for k in range(steps + 1)]
    return outer + inner


def power_dial(selected):
    p = Pic(140, 84)
    cx, cy = DIAL_CENTRE
    for i in range(8):
        a0, a1 = _angle(DIAL_POINTS[i]), _angle(DIAL_POINTS[i + 1])
        gap = 1.6
        seg = _ring_segment(a0 + gap, a1 - gap, 36, 61)
        lit = i == selected
        if lit:
            p.glow(lambda g, s=seg: g.polygon(s, fill=rgba(ACCENT, 170)), 3)
        p.polygon(seg, fill=ACCENT if lit else (30, 33, 38))
        edge = _ring_segment(a0 + gap, a1 - gap, 58.5, 61)
        p.polygon(edge, fill=ACCENT_LIGHT if lit else (46, 50, 57))
        mid = math.radians((a0 + a1) / 2)
        tx, ty = cx + 47 * math.cos(mid), cy + 47 * math.sin(mid)
        p.text((tx, ty), str(DIAL_VALUES[i]), COND_BOLD, 9, (10, 24, 34) if lit else DIM)
    # Hub with a needle towards the lit wedge.
    mid = math.radians((_angle(DIAL_POINTS[selected]) + _angle(DIAL_POINTS[selected + 1])) / 2)
    tip = (cx + 31 * math.cos(mid), cy + 31 * math.sin(mid))
    p.pieslice((cx - 26, cy - 26, cx + 26, cy + 26), 180, 360, (18, 20, 23))
    p.arc((cx - 26, cy - 26, cx + 26, cy + 26), 180, 360, EDGE, 1)
    p.line([(cx, cy - 1), tip], ACCENT_LIGHT, 2)
    p.circle(cx, cy - 1, 5, fill=(30, 33, 38), outline=ACCENT)
    p.rect((cx - 66, cy + 1, cx + 66, cy + 2), fill=EDGE)
    return p


def rate_tile(rate, selected):
    p = Pic(72, 72)
    if selected:
        p.glow(lambda g: g.rect((3, 3, 69, 69), outline=rgba(ACCENT, 200), width=2, radius=6), 2.5)
        p.rect((2, 2, 70, 70), fill=(17, 32, 44), outline=ACCENT, width=1.5, radius=6)
    else:
        p.rect((2, 2, 70, 70), fill=FILL, outline=EDGE, width=1, radius=6)
    bars = {125: 1, 250: 2, 500: 3, 1000: 4}[rate]
    for k in range(4):
        h = 3 + 2.5 * k
        colour = (ACCENT if selected else GREY) if k < bars else (EDGE_HOVER if selected else EDGE)
        p.rect((10 + k * 5, 17 - h, 13 + k * 5, 17), fill=colour, radius=0.8)
    number = WHITE if selected else GREY
    p.text((36, 35), str(rate), SANS_BOLD, 19 if rate < 1000 else 17, number)
    p.text((36, 51), "Hz", SANS_BOLD, 9, ACCENT if selected else DIM)
    return p


def folder(open_):
    p = Pic(16, 16)
    body = (235, 170, 60)
    p.rect((1, 3, 7, 6), fill=mix(body, (0, 0, 0), 0.15), radius=1)
    p.rect((1, 4.5, 15, 14), fill=mix(body, (0, 0, 0), 0.15), radius=1.5)
    if open_:
        p.polygon([(3.5, 7), (15.5, 7), (13, 14), (1, 14)], fill=body)
    else:
        p.rect((1, 6, 15, 14), fill=body, radius=1.5)
    return p


def step_icon(kind):
    p = Pic(13, 13)
    if kind == "time":
        p.circle(6.5, 6.5, 5.6, fill=(236, 240, 244), outline=(60, 66, 74))
        p.line([(6.5, 3), (6.5, 6.8), (9.3, 8.2)], (30, 34, 40), 1.3)
        return p
    colour = (110, 206, 255) if kind == "down" else (250, 186, 70)
    if kind == "down":
        p.rect((5, 1.5, 8, 7), fill=colour)
        p.polygon([(1.5, 6.5), (11.5, 6.5), (6.5, 11.5)], fill=colour)
    else:
        p.rect((5, 6, 8, 11.5), fill=colour)
        p.polygon([(1.5, 6.5), (11.5, 6.5), (6.5, 1.5)], fill=colour)
    return p


def scroll_arrow(up):
    p = Pic(54, 18)
    for frame in range(3):
        x = frame * 18
        fill = [(31, 31, 31), (40, 44, 50), (24, 62, 86)][frame]
        p.rect((x, 0, x + 18, 18), fill=fill)
        colour = [GREY, ACCENT_LIGHT, WHITE][frame]
        d = -1 if up else 1
        p.line([(x + 5, 9 - 2 * d), (x + 9, 9 + 2 * d), (x + 13, 9 - 2 * d)], colour, 1.6)
    return p


ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)


def program_icon(size=256):
    """A mouse outline on a dark tile; small sizes get heavier lines so they survive."""
    p = Pic(size, size, ss=2 if size >= 128 else 8)
    k = size / 256
    line = max(7 * k, 1.6)
    tile = (8 * k, 8 * k, 248 * k, 248 * k)
    p.rect(tile, fill=(16, 18, 22), outline=(50, 56, 64), width=max(4 * k, 1), radius=48 * k)
    body = [(128, 40), (170, 52), (188, 100), (190, 170), (172, 212), (128, 226), (84, 212), (66, 170), (68, 100),
            (86, 52)]
    body = [(x * k, y * k) for x, y in body]
    p.glow(lambda g: g.polygon(body, fill=rgba(ACCENT, 200)), 10 * k)
    p.polygon(body, fill=(26, 30, 36))
    p.line(body + [body[0]], ACCENT, line)
    p.line([(128 * k, 44 * k), (128 * k, 112 * k)], ACCENT, line * 0.85)
    p.line([(72 * k, 112 * k), (184 * k, 112 * k)], ACCENT, line * 0.85)
    p.rect((118 * k, 64 * k, 138 * k, 96 * k), fill=ACCENT_LIGHT, radius=10 * k)
    return p.result()


def word_mark(w, h, text, size):
    p = Pic(w, h)
    p.text((w / 2, h / 2), text, SANS_BOLD, size, GREY)
    p.rect((w / 2 - 18, h - 2, w / 2 + 18, h - 1), fill=ACCENT)
    return p


def logo():
    p = Pic(90, 30)
    p.rect((4, 5, 24, 25), outline=ACCENT, width=2, radius=5)
    p.rect((12, 8, 16, 14), fill=ACCENT, radius=1.5)
    p.text((56, 15.5), "CORVEX", SANS_BOLD, 11, GREY)
    return p


def pictures():
    out = [
        ("skins/Status_Wired.png", status_wired().result(), "connection icon: cable", False),
        ("skins/Status_Wireless.png", status_receiver().result(), "connection icon: 2.4 GHz receiver", False),
        ("skins/Status_BLE.png", status_ble().result(), "connection icon: Bluetooth LE", False),
    ]
    for kind, what in (("full", "full fill"), ("empty", "empty outline"), ("charging", "charging fill"),
                       ("lighting", "charging bolt, drawn over the fill")):
        out.append((f"skins/battery_{kind}.png", battery(kind).result(), f"battery {what}", False))
    for name, colour in (("green", (72, 200, 96)), ("orange", (240, 150, 40)), ("red", (226, 62, 56))):
        out.append((f"skins/battery_{name}.png", legend_dot(colour).result(), f"battery legend dot, {name}", False))
    for i, minutes in enumerate(range(3, 11)):
        out.append((f"skins/power_manage_{minutes}min.png", power_dial(i).result(),
                    f"power dial with wedge {i} ({DIAL_VALUES[i]} min) lit", False))
    for rate in (125, 250, 500, 1000):
        out.append((f"skins/{rate}hz_nr.png", rate_tile(rate, False).result(), f"{rate} Hz tile", False))
        out.append((f"skins/{rate}hz_dn.png", rate_tile(rate, True).result(),
                    f"{rate} Hz tile, hover and selected", False))
    out.append(("skins/foldr_open.png", folder(True).result(), "folder, expanded", True))
    out.append(("skins/foldr_close.png", folder(False).result(), "folder, collapsed", True))
    out.append(("skins/macro_time.png", step_icon("time").result(), "delay step", True))
    out.append(("skins/macro_down.png", step_icon("down").result(), "press step", True))
    out.append(("skins/macro_up.png", step_icon("up").result(), "release step", True))
    out.append(("res/188.png", scroll_arrow(True).result(), "scroll bar up arrow: normal, hovered, pressed", True))
    out.append(("res/187.png", scroll_arrow(False).result(), "scroll bar down arrow: normal, hovered, pressed", True))
    out.append(("res/128.png", program_icon(), "program and tray icon", False))
    out.append(("res/128.ico", [program_icon(s) for s in ICON_SIZES],
                "program and tray icon, 16 to 256 pixels, each size drawn on its own", False))
    out.append(("skins/device name.png", word_mark(170, 24, "CORVEX", 13).result(), "device name artwork", True))
    out.append(("skins/Logo pic.png", logo().result(), "logo", True))
    return out
