"""Main window background (resource 364) and the panel frame stretched into each panel."""

from PIL import Image

from skinlib import ACCENT, BG, PANEL, PANEL_EDGE, Pic, add_noise, mix, rgba

W, H = 1127, 740

# Left column: header bands and the panels the painter stretches the frame into.
LEFT_HEADERS = [(36, 64, 413, 25), (36, 426, 230, 25), (36, 538, 230, 25)]
LEFT_PANELS = [(36, 89, 413, 284), (36, 378, 230, 43), (36, 451, 230, 82), (36, 563, 230, 144)]
# Right column: only the first header stays put; the rest move as sections open.
COLUMN = (846, 64, 262, 638)
COLUMN_HEADER = (846, 64, 262, 25)
MOUSE_CENTRE = (637, 371)
STATUS_CENTRE = (642, 146)
TOP_BAND = 44
BOTTOM_BAND = 708


def _xywh(x, y, w, h):
    return (x, y, x + w, y + h)


def _panel(p, box, fill=PANEL, edge=PANEL_EDGE):
    p.rect(_xywh(*box), fill=fill, outline=edge)


def _header_band(p, box):
    x, y, w, h = box
    p.rect(_xywh(*box), fill=(25, 27, 31), outline=PANEL_EDGE)
    p.rect((x + 1, y + h - 2, x + w - 1, y + h - 1), fill=mix(ACCENT, BG, 0.55))


def _centre_rings(p):
    cx, cy = MOUSE_CENTRE
    p.glow(lambda g: g.circle(cx, cy, 150, fill=rgba(ACCENT, 38)), 70)
    for r, colour in ((196, (28, 31, 36)), (206, (20, 22, 26))):
        p.circle(cx, cy, r, outline=colour)
    for k in range(72):
        a0 = k * 5 + 1
        if abs(a0 + 1 - 270) < 16:
            continue
        p.arc((cx - 214, cy - 214, cx + 214, cy + 214), a0, a0 + 2, (30, 34, 39), 2)
    for a0 in (-100, 80):
        p.arc((cx - 196, cy - 196, cx + 196, cy + 196), a0, a0 + 20, mix(ACCENT, BG, 0.45), 2)
    sx, sy = STATUS_CENTRE
    p.circle(sx, sy, 29, fill=(15, 16, 19), outline=(34, 37, 42))


def _bands(p):
    p.rect((0, 0, W, TOP_BAND), fill=(16, 17, 20))
    p.rect((0, TOP_BAND, W, TOP_BAND + 1), fill=(34, 37, 42))
    mid = W // 2
    p.rect((mid - 70, TOP_BAND - 1, mid + 70, TOP_BAND + 1), fill=mix(ACCENT, BG, 0.3))
    p.rect((0, BOTTOM_BAND, W, H), fill=(15, 16, 19))
    p.rect((0, BOTTOM_BAND, W, BOTTOM_BAND + 1), fill=(32, 35, 40))


def background():
    p = Pic(W, H, bg=BG, ss=2)
    _bands(p)
    _centre_rings(p)
    x, y, w, h = COLUMN
    p.rect(_xywh(x - 4, y - 4, w + 8, h + 8), fill=(10, 11, 13), outline=(24, 26, 30))
    _header_band(p, COLUMN_HEADER)
    for box in LEFT_PANELS:
        _panel(p, box)
    for box in LEFT_HEADERS:
        _header_band(p, box)
    p.rect((0, 0, W, H), outline=(54, 58, 65))
    p.rect((1, 1, W - 1, H - 1), outline=(8, 9, 10))
    im = add_noise(p.result(), seed=364, amplitude=3)
    im = add_noise(im, seed=365, amplitude=4, blur=1.5)
    # A 24-bit picture of this size would be 2.5 MB; 256 dark tones hold it.
    return im.quantize(256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.FLOYDSTEINBERG)


def panel_frame():
    # Stretched up to 3.5 times: a soft edge so thickened rows read as a bevel, not a bar.
    p = Pic(230, 82, bg=PANEL)
    p.rect((0, 0, 230, 82), outline=(38, 41, 46), width=1)
    return p.result().convert("RGB")


def pictures():
    return [
        ("res/364.bmp", background(), "main window background: panels and header bands of the left column, "
         "the right column's rail, rings behind the mouse", False),
        ("skins/Frame_Lighting_Setting.bmp", panel_frame(), "panel frame stretched into every panel", False),
    ]
