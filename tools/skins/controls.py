"""Buttons, combo fields, popup rows, headers, check boxes, radios and sliders in their states."""

from skinlib import (ACCENT, ACCENT_DEEP, ACCENT_LIGHT, DIM, EDGE, EDGE_HOVER, FILL, FILL_HOVER, FILL_PRESS, GREY,
                     PANEL_EDGE, RADIUS, WHITE, Pic, mix)

NORMAL, HOVER, PRESSED = 0, 1, 2
FACE = {
    NORMAL: (FILL, EDGE),
    HOVER: (FILL_HOVER, EDGE_HOVER),
    PRESSED: (FILL_PRESS, ACCENT),
}


def face(w, h, state, radius=RADIUS):
    """A button body: dark inner area for grey text, edge brightening with the state."""
    fill, edge = FACE[state]
    p = Pic(w, h)
    p.rect((0, 0, w, h), fill=fill, outline=edge, radius=radius)
    p.rect((radius, 1, w - radius, 2), fill=mix(fill, (255, 255, 255), 0.06))
    return p


def underline(p, colour=ACCENT):
    p.rect((RADIUS, p.h - 2, p.w - RADIUS, p.h - 1), fill=colour)


def push_button(w, h, state):
    p = face(w, h, state)
    if state == HOVER:
        underline(p)
    return p


def chevron_down(p, cx, cy, colour, size=3.5):
    p.line([(cx - size, cy - size / 2), (cx, cy + size / 2), (cx + size, cy - size / 2)], colour, 1.5)


def chevron_right(p, cx, cy, colour, size=3.5):
    p.line([(cx - size / 2, cy - size), (cx + size / 2, cy), (cx - size / 2, cy + size)], colour, 1.5)


def combo(w, h, state):
    p = face(w, h, state)
    x = w - 11
    p.rect((x - 6, 4, x - 5, h - 4), fill=EDGE if state == NORMAL else EDGE_HOVER)
    chevron_down(p, x + 2, h / 2, DIM if state == NORMAL else ACCENT)
    return p


def menu_row(w, h, hover, sub):
    p = Pic(w, h, bg=(22, 58, 82) if hover else (20, 22, 25))
    if hover:
        p.rect((0, 0, 2, h), fill=ACCENT)
    p.rect((0, h - 1, w, h), fill=(30, 80, 110) if hover else (30, 33, 37))
    if sub:
        chevron_right(p, w - 10, h / 2, WHITE if hover else DIM)
    return p


def section_header(w, h, open_):
    p = Pic(w, h)
    p.rect((0, 0, w, h), fill=(27, 30, 35) if open_ else (24, 26, 30), outline=PANEL_EDGE, radius=2)
    p.rect((1, 5, 3, h - 5), fill=ACCENT if open_ else EDGE)
    if open_:
        p.rect((1, h - 2, w - 1, h - 1), fill=ACCENT)
        chevron_down(p, w - 14, h / 2, ACCENT, 4)
    else:
        chevron_right(p, w - 14, h / 2, DIM, 4)
    return p


def title_header(w, h, checked):
    # Drawn at 413 and squeezed to 230 wide: only horizontal detail and a wide left bar.
    p = Pic(w, h)
    p.rect((0, 0, w, h), fill=(25, 27, 31), outline=PANEL_EDGE)
    p.rect((0, 0, 4, h), fill=ACCENT)
    p.rect((4, h - 2, w - 1, h - 1), fill=ACCENT if checked else mix(ACCENT, (25, 27, 31), 0.55))
    return p


def check_box(size, state):
    p = Pic(size, size)
    r = 2 if size > 12 else 1.5
    if state == PRESSED:
        p.rect((0, 0, size, size), fill=ACCENT, radius=r)
        k = size / 15
        tick = [(3.5 * k, 7.8 * k), (6.2 * k, 10.6 * k), (11.5 * k, 4.4 * k)]
        p.line(tick, (10, 22, 32), 2 * k if size > 12 else 1.6)
        return p
    fill, edge = FACE[state]
    p.rect((0, 0, size, size), fill=(14, 15, 17), outline=edge, radius=r)
    if state == HOVER:
        p.rect((3, 3, size - 3, size - 3), fill=mix(ACCENT, (14, 15, 17), 0.7), radius=1)
    return p


def radio(size, state):
    p = Pic(size, size)
    c = size / 2
    edge = {NORMAL: EDGE, HOVER: EDGE_HOVER, PRESSED: ACCENT}[state]
    p.circle(c, c, c - 0.5, fill=(14, 15, 17), outline=edge)
    if state == PRESSED:
        p.circle(c, c, c * 0.45, fill=ACCENT)
    elif state == HOVER:
        p.circle(c, c, c * 0.4, fill=mix(ACCENT, (14, 15, 17), 0.7))
    return p


def direction(state, up):
    p = face(29, 18, state)
    cy = 9
    colour = {NORMAL: DIM, HOVER: WHITE, PRESSED: ACCENT}[state]
    d = -1 if up else 1
    p.polygon([(9.5, cy - 2.5 * d), (19.5, cy - 2.5 * d), (14.5, cy + 3 * d)], fill=colour)
    return p


def colour_frame(marked):
    p = Pic(21, 20)
    if marked:
        p.rect((0, 0, 21, 20), fill=(14, 15, 17), outline=ACCENT, width=2, radius=2)
    else:
        p.rect((0, 0, 21, 20), fill=(14, 15, 17), outline=EDGE, radius=2)
    return p


def slider_track(w):
    p = Pic(w, 3)
    p.rect((0, 0, w, 3), fill=(44, 48, 54), radius=1.5)
    p.rect((1, 1, w - 1, 2), fill=(62, 67, 75))
    return p


def slider_knob():
    p = Pic(13, 13)
    p.glow(lambda g: g.circle(6.5, 6.5, 5, fill=(53, 160, 222, 160)), 1.2)
    p.circle(6.5, 6.5, 5.5, fill=ACCENT, outline=ACCENT_LIGHT)
    p.circle(6.5, 6.5, 2, fill=(12, 24, 34))
    return p


def level_bar(fill):
    p = Pic(7, 132)
    if fill:
        p.rect((0, 0, 7, 132), fill=ACCENT, radius=3)
        p.rect((1, 3, 2, 129), fill=ACCENT_LIGHT)
    else:
        p.rect((0, 0, 7, 132), fill=(16, 17, 20), outline=(48, 52, 58), radius=3)
        for y in range(12, 121, 12):
            p.rect((2, y, 5, y + 1), fill=(34, 37, 42))
    return p


def dpi_label():
    p = Pic(26, 11)
    p.rect((0, 0, 26, 11), fill=(18, 20, 23), outline=(40, 44, 50), radius=2)
    return p


def tab(hover, selected):
    p = face(80, 24, HOVER if hover else NORMAL)
    if selected:
        p.rect((RADIUS, 21, 80 - RADIUS, 23), fill=ACCENT)
    return p


def add_button(hover):
    p = Pic(20, 20)
    edge = EDGE_HOVER if hover else EDGE
    p.circle(10, 10, 9.5, fill=FILL_HOVER if hover else FILL, outline=edge)
    colour = ACCENT if hover else GREY
    p.rect((5.5, 9.25, 14.5, 10.75), fill=colour)
    p.rect((9.25, 5.5, 10.75, 14.5), fill=colour)
    return p


def record_button(recording):
    p = face(90, 18, PRESSED if recording else NORMAL, radius=9)
    colour = (232, 64, 56) if recording else (120, 52, 50)
    if recording:
        p.glow(lambda g: g.circle(11, 9, 5, fill=(232, 64, 56, 200)), 2)
    p.circle(11, 9, 4, fill=colour)
    return p


def window_glyph(kind, hover):
    p = Pic(15, 15)
    if hover:
        p.rect((0, 0, 15, 15), fill=ACCENT_DEEP, outline=ACCENT, radius=RADIUS)
    colour = WHITE if hover else GREY
    if kind == "exit":
        p.line([(4, 4), (11, 11)], colour, 1.5)
        p.line([(11, 4), (4, 11)], colour, 1.5)
    else:
        p.rect((3.5, 9.5, 11.5, 11), fill=colour)
    return p


def launch_button(hover):
    p = push_button(22, 18, HOVER if hover else NORMAL)
    colour = ACCENT if hover else GREY
    for x in (7, 11, 15):
        p.circle(x, 9.5, 1.2, fill=colour)
    return p


def _states(stem, make, suffixes, what, chosen=False):
    return [(f"skins/{stem}_{suf}.png", make(state).result(), f"{what}, {label}", chosen)
            for suf, state, label in suffixes]


NR_OV = [("nr", NORMAL, "normal"), ("ov", HOVER, "hover and pressed")]
NR_OPEN = [("nr", NORMAL, "normal"), ("ov", HOVER, "hover and while its list is open")]
NR_OV_DN = [("nr", NORMAL, "normal"), ("ov", HOVER, "hover"), ("dn", PRESSED, "checked")]


def pictures():
    out = []
    out += _states("button1", lambda s: push_button(230, 25, s), NR_OV, "macro manager button")
    out += _states("button2", lambda s: push_button(69, 20, s), NR_OV, "text button of the dialogs")
    out += [("skins/button4_nr.png", push_button(215, 45, NORMAL).result(), "mouse settings button", False)]
    out += _states("combo2", lambda s: combo(162, 21, s), NR_OPEN, "button assignment field with drop-down mark")
    out += _states("combo3", lambda s: combo(189, 25, s), NR_OPEN, "lighting effect field with drop-down mark")
    for stem, sub in (("menu", False), ("menusub", True)):
        what = "popup row opening a sub-list" if sub else "popup row"
        out.append((f"skins/{stem}_nr.png", menu_row(160, 22, False, sub).result(), what + ", normal", False))
        out.append((f"skins/{stem}_ov.png", menu_row(160, 22, True, sub).result(), what + ", hovered", False))
    out.append(("skins/header_nr.png", section_header(262, 25, False).result(), "section header, closed", False))
    out.append(("skins/header_ov.png", section_header(262, 25, True).result(), "section header, open", False))
    out.append(("skins/header2_nr.png", title_header(413, 25, False).result(), "left column title band", False))
    out.append(("skins/header2_ov.png", title_header(413, 25, True).result(), "left column title band, checked", False))
    out += _states("check", lambda s: check_box(15, s), NR_OV_DN, "check box")
    out += _states("check_button_dpi", lambda s: check_box(11, s), NR_OV_DN, "DPI level switch")
    out += _states("radio", lambda s: radio(15, s), [("nr", NORMAL, "normal"), ("ov", HOVER, "hover"),
                                                     ("dn", PRESSED, "selected")], "radio button")
    checks = [("nr", NORMAL, "normal"), ("ov", HOVER, "hover"), ("check", PRESSED, "selected")]
    out += _states("up", lambda s: direction(s, True), checks, "direction up")
    out += _states("down", lambda s: direction(s, False), checks, "direction down")
    out.append(("skins/color_select_nr.png", colour_frame(False).result(), "colour slot frame", False))
    out.append(("skins/color_select_check.png", colour_frame(True).result(), "colour slot frame, marked", False))
    out.append(("skins/Slider_bar.png", slider_track(145).result(), "slider track", False))
    out.append(("skins/Slider_bar2.png", slider_track(185).result(), "long slider track", False))
    out.append(("skins/Slider_Circle.png", slider_knob().result(), "slider knob", True))
    out.append(("skins/mouse/dpi_bar_1.png", level_bar(True).result(), "DPI level bar fill", False))
    out.append(("skins/mouse/dpi_bar_2.png", level_bar(False).result(), "DPI level bar track", False))
    out.append(("skins/dpi_value.png", dpi_label().result(), "DPI level label plate", False))
    for suf, hover, sel, label in (("nr", False, False, "normal"), ("ov", True, False, "hover"),
                                   ("nr2", False, True, "selected"), ("ov2", True, True, "selected and hover")):
        out.append((f"skins/profile_slot_{suf}.png", tab(hover, sel).result(), f"profile tab, {label}", True))
    out.append(("skins/add_nr.png", add_button(False).result(), "add button", True))
    out.append(("skins/add_ov.png", add_button(True).result(), "add button, hover", True))
    out.append(("skins/macro_record_nr.png", record_button(False).result(), "record switch, off", False))
    out.append(("skins/macro_record_dn.png", record_button(True).result(), "record switch, recording", False))
    for kind, what in (("exit", "close"), ("min", "hide")):
        out.append((f"skins/{kind}_nr.png", window_glyph(kind, False).result(), f"{what} button", False))
        out.append((f"skins/{kind}_ov.png", window_glyph(kind, True).result(), f"{what} button, hover", False))
    out.append(("skins/Launch_nr.png", launch_button(False).result(), "browse button", False))
    out.append(("skins/Launch_ov.png", launch_button(True).result(), "browse button, hover", False))
    return out
