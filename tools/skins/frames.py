"""Dialog frames (24-bit BMP) and the colour palette picture (resource 287)."""

import colorsys

from PIL import Image, ImageDraw

from skinlib import ACCENT, ACCENT_DEEP, ACCENT_LIGHT, Pic, add_noise, mix, to_bmp24

DIALOG = (17, 18, 21)
TITLE = (23, 25, 29)
OUTER = (62, 67, 74)
BAND = 24

# Bar band of the progress dialog: the fill picture's band is copied over the frame's track.
PROGRESS_TOP, PROGRESS_BOTTOM = 66, 78


def dialog_frame(w, h, seed, band=BAND, wells=(), panels=()):
    p = Pic(w, h, bg=DIALOG)
    for box in panels:
        p.rect(box, fill=(21, 23, 26), outline=(38, 41, 46), radius=3)
    for box in wells:
        p.rect(box, fill=(11, 12, 14), outline=(42, 46, 52))
    p.rect((0, 0, w, band), fill=TITLE)
    p.rect((1, band, w - 1, band + 1), fill=mix(ACCENT, DIALOG, 0.6))
    p.rect((1, band, 64, band + 1), fill=ACCENT)
    p.rect((1, h - 2, w - 1, h - 1), fill=(13, 14, 16))
    p.rect((0, 0, w, h), outline=OUTER)
    return add_noise(p.result(), seed=seed, amplitude=2)


def progress_frame(filled):
    im = dialog_frame(429, 140, seed=94)
    d = ImageDraw.Draw(im)
    d.rectangle((0, PROGRESS_TOP - 1, 428, PROGRESS_BOTTOM), fill=(34, 37, 42))
    if filled:
        d.rectangle((0, PROGRESS_TOP, 428, PROGRESS_BOTTOM - 1), fill=ACCENT)
        d.rectangle((0, PROGRESS_TOP, 428, PROGRESS_TOP), fill=ACCENT_LIGHT)
        d.rectangle((0, PROGRESS_BOTTOM - 1, 428, PROGRESS_BOTTOM - 1), fill=ACCENT_DEEP)
    else:
        d.rectangle((0, PROGRESS_TOP, 428, PROGRESS_BOTTOM - 1), fill=(8, 9, 10))
    d.rectangle((0, 0, 428, 139), outline=OUTER)
    return im


# Palette dialog: clicks read the colour under the pointer; gaps are 0x0F0F0F, which the dialog ignores.
GAP = (15, 15, 15)
FIELD = (18, 26, 222, 270)
SWATCHES = (244, 26, 473, 190)
PREVIEW = (245, 212, 303, 270)
FIELD_HUES = 16
FIELD_ROWS = [(0.15, 1.0), (0.3, 1.0), (0.5, 1.0), (0.7, 1.0), (0.85, 1.0), (1.0, 1.0), (1.0, 0.85), (1.0, 0.7),
              (1.0, 0.56), (1.0, 0.44), (1.0, 0.32), (1.0, 0.22)]
GREYS = [255, 224, 192, 160, 128, 96, 64, 40]
VIVID_HUES = 32


def _hsv(h, s, v):
    return tuple(round(c * 255) for c in colorsys.hsv_to_rgb(h, s, v))


def _grid(d, area, cols, rows, colour_of):
    x0, y0, x1, y1 = area
    d.rectangle((x0, y0, x1 - 1, y1 - 1), fill=GAP)
    for r in range(rows):
        top, bottom = y0 + round(r * (y1 - y0) / rows), y0 + round((r + 1) * (y1 - y0) / rows)
        for c in range(cols):
            left, right = x0 + round(c * (x1 - x0) / cols), x0 + round((c + 1) * (x1 - x0) / cols)
            d.rectangle((left + 1, top + 1, right - 2, bottom - 2), fill=colour_of(c, r))


def _field_colour(c, r):
    s, v = FIELD_ROWS[r]
    return _hsv(c / FIELD_HUES, s, v)


def _swatch_colour(c, r):
    if r == 0:
        return (GREYS[c],) * 3
    return _hsv(((r - 1) * 8 + c) / VIVID_HUES, 1.0, 1.0)


def exact_palette(im):
    """An 8-bit copy holding every colour exactly (the picture must have at most 256)."""
    colours = [rgb for _, rgb in im.getcolors(maxcolors=256)]
    pal = Image.new("P", (1, 1))
    flat = [v for rgb in colours for v in rgb]
    pal.putpalette(flat + [0] * (768 - len(flat)))
    return im.quantize(palette=pal, dither=Image.Dither.NONE)


def palette():
    im = Image.new("RGB", (500, 291), DIALOG)
    d = ImageDraw.Draw(im)
    d.rectangle((0, 0, 499, 19), fill=TITLE)
    d.rectangle((1, 20, 498, 20), fill=mix(ACCENT, DIALOG, 0.6))
    d.rectangle((1, 20, 64, 20), fill=ACCENT)
    _grid(d, FIELD, FIELD_HUES, len(FIELD_ROWS), _field_colour)
    _grid(d, SWATCHES, 8, 5, _swatch_colour)
    x0, y0, x1, y1 = PREVIEW
    d.rectangle((x0 - 1, y0 - 1, x1, y1), outline=OUTER, fill=(12, 13, 15))
    d.rectangle((0, 0, 499, 290), outline=OUTER)
    return exact_palette(im)


DIALOGS = [
    ("Frame_common", 429, 140, "frame of the shortcut, fire key, profile edit and reset dialogs"),
    ("Frame_warning", 319, 102, "frame of the attention dialog"),
    ("Frame_DPI", 429, 140, "frame of the DPI value dialog"),
    ("Frame_DPI_Sync", 429, 217, "frame of the DPI X/Y dialog"),
    ("Frame_Macro_Manager", 528, 365, "frame of the macro manager and macro select dialogs"),
    ("Frame_pairing", 429, 200, "frame of the pairing dialog"),
    ("Frame_launch", 429, 140, "frame of the quick launch dialog"),
]
CHOSEN = {"Frame_warning", "Frame_DPI", "Frame_DPI_Sync"}
# The macro manager's two lists with their scroll bars sit in wells; its settings in a panel.
LAYOUT = {
    "Frame_Macro_Manager": {"band": 22, "wells": [(23, 52, 189, 325), (188, 52, 354, 325)],
                            "panels": [(360, 44, 516, 322)]},
}


def pictures():
    out = []
    for seed, (stem, w, h, what) in enumerate(DIALOGS):
        frame = dialog_frame(w, h, seed + 10, **LAYOUT.get(stem, {}))
        out.append((f"skins/{stem}.bmp", to_bmp24(frame), what, stem in CHOSEN))
    out.append(("skins/Frame_progress_nr.bmp", progress_frame(False), "progress dialog frame with the empty track",
                False))
    out.append(("skins/Frame_progress_ov.bmp", progress_frame(True),
                f"progress bar picture: the band at rows {PROGRESS_TOP} to {PROGRESS_BOTTOM} is the fill", True))
    out.append(("res/287.bmp", palette(), "colour palette: hue field left, grey and vivid swatches right, "
                "0x0F0F0F gaps, preview well", False))
    return out
