"""Shared palette, supersampled canvas and writers for the skin generator."""

import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

# Pictures are drawn at SS times their size and box-filtered down, so edges
# stay anti-aliased but pixel-aligned lines stay one pixel wide.
SS = 4

FONT_DIR = "/usr/share/fonts/truetype/dejavu/"
SANS = "DejaVuSans.ttf"
SANS_BOLD = "DejaVuSans-Bold.ttf"
COND_BOLD = "DejaVuSansCondensed-Bold.ttf"

BG = (12, 13, 15)
PANEL = (21, 23, 26)
PANEL_EDGE = (44, 48, 54)
FILL = (22, 24, 28)
FILL_HOVER = (30, 33, 38)
FILL_PRESS = (16, 34, 47)
EDGE = (60, 65, 72)
EDGE_HOVER = (122, 130, 142)
ACCENT = (0x35, 0xA0, 0xDE)
ACCENT_DEEP = (24, 74, 104)
ACCENT_LIGHT = (120, 196, 240)
GREY = (0xB4, 0xB4, 0xB4)
DIM = (104, 110, 118)
WHITE = (236, 240, 244)

# One line weight and one corner radius for all controls.
LINE = 1
RADIUS = 3


def rgba(colour, alpha=255):
    return tuple(colour[:3]) + (alpha,)


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def _c(colour):
    """Colours may be given as RGB or RGBA; None stays None."""
    return rgba(colour) if colour and len(colour) == 3 else colour


def font(name, size, ss=SS):
    return ImageFont.truetype(FONT_DIR + name, round(size * ss))


class Pic:
    """An RGBA picture drawn in final-pixel coordinates on a supersampled canvas."""

    def __init__(self, w, h, bg=(0, 0, 0, 0), ss=SS):
        self.w, self.h, self.ss = w, h, ss
        self.im = Image.new("RGBA", (w * ss, h * ss), _c(bg))
        self.d = ImageDraw.Draw(self.im)

    def _box(self, box):
        x0, y0, x1, y1 = box
        s = self.ss
        return [round(x0 * s), round(y0 * s), round(x1 * s) - 1, round(y1 * s) - 1]

    def _pts(self, pts):
        return [(x * self.ss, y * self.ss) for x, y in pts]

    def _w(self, width):
        return max(1, round(width * self.ss))

    def rect(self, box, fill=None, outline=None, width=LINE, radius=0):
        if radius:
            self.d.rounded_rectangle(self._box(box), radius * self.ss, fill=_c(fill), outline=_c(outline),
                                     width=self._w(width))
        else:
            self.d.rectangle(self._box(box), fill=_c(fill), outline=_c(outline), width=self._w(width))

    def ellipse(self, box, fill=None, outline=None, width=LINE):
        self.d.ellipse(self._box(box), fill=_c(fill), outline=_c(outline), width=self._w(width))

    def circle(self, cx, cy, r, fill=None, outline=None, width=LINE):
        self.ellipse((cx - r, cy - r, cx + r, cy + r), fill, outline, width)

    def polygon(self, pts, fill=None, outline=None):
        self.d.polygon(self._pts(pts), fill=_c(fill), outline=_c(outline))

    def line(self, pts, colour, width=LINE):
        self.d.line(self._pts(pts), fill=_c(colour), width=self._w(width), joint="curve")

    def arc(self, box, start, end, colour, width=LINE):
        self.d.arc(self._box(box), start, end, fill=_c(colour), width=self._w(width))

    def pieslice(self, box, start, end, fill):
        self.d.pieslice(self._box(box), start, end, fill=_c(fill))

    def text(self, xy, s, fnt_name, size, colour, anchor="mm"):
        at = (xy[0] * self.ss, xy[1] * self.ss)
        self.d.text(at, s, font=font(fnt_name, size, self.ss), fill=_c(colour), anchor=anchor)

    def glow(self, draw, radius, alpha=1.0):
        """Draws onto a separate layer with draw(layer), blurs it and composites it on top."""
        layer = Pic(self.w, self.h, ss=self.ss)
        draw(layer)
        blurred = layer.im.filter(ImageFilter.GaussianBlur(radius * self.ss))
        if alpha != 1.0:
            a = blurred.getchannel("A").point(lambda v: round(v * alpha))
            blurred.putalpha(a)
        self.im.alpha_composite(blurred)

    def result(self):
        small = self.im.convert("RGBa").resize((self.w, self.h), Image.Resampling.BOX)
        return small.convert("RGBA")


def noise_layer(w, h, seed, amplitude, blur=0.0):
    """Deterministic grey noise as an L image centred on 128 with the given amplitude."""
    rng = random.Random(seed)
    raw = Image.frombytes("L", (w, h), rng.randbytes(w * h))
    if blur:
        raw = raw.filter(ImageFilter.GaussianBlur(blur))
        lo, hi = raw.getextrema()
        span = max(1, hi - lo)
        raw = raw.point(lambda v: round((v - lo) * 255 / span))
    return raw.point(lambda v: 128 + round((v - 128) * amplitude / 128))


def add_noise(im, seed, amplitude, blur=0.0):
    """Adds signed noise to an RGB image (128 in the noise means no change)."""
    n = noise_layer(im.width, im.height, seed, amplitude, blur)
    return ImageChops.add(im.convert("RGB"), Image.merge("RGB", (n, n, n)), 1, -128)


def to_bmp24(im):
    """Flattens onto black, as the frame loader does, for a 24-bit BMP."""
    base = Image.new("RGB", im.size, (0, 0, 0))
    if im.mode == "RGBA":
        base.paste(im, mask=im.getchannel("A"))
        return base
    return im.convert("RGB")
