"""Every drawing of the skin. A drawing is a function (defs, width, height, *arguments) that returns
SVG markup for a canvas of that size; the inventory names the drawing, its arguments, the canvas
and where each bitmap is cut from it. Three-piece skins are drawn whole and cut, so that their
pieces always fit together.

The look: dark, calm surfaces; controls are slightly glassy (a soft vertical gradient with a
light top edge and a dark outline); green is the one accent colour (progress, checked, pressed
menu buttons)."""

import glyphs
from svg import circle, group, path, rect, ring_path, text

# The colours the program itself uses next to the art.
MENU_BACKGROUND = "#373737"  # the menus and the main window
WIDGET_BACKGROUND = "#2d2d2d"
WHITE_EDGE = "#ffffff"

GREEN_LIGHT, GREEN, GREEN_DARK = "#8fd870", "#5bb043", "#3c8a2e"

# The three sticky note themes: body tile, title tile, frame, content background.
THEMES = {
    "dark": {"body": "#292929", "title": "#343434", "frame": "#6d6d6d", "ink": "#e8e8e8"},
    "light": {"body": "#ebebeb", "title": "#dadada", "frame": "#aaaaaa", "ink": "#3d3d3d"},
    "yellow": {"body": "#fdfdc4", "title": "#f4ef9c", "frame": "#c4bb53", "ink": "#3d3d3d"},
}


def _plate(defs, x, y, w, h, r, top, bottom, outline, highlight=0.16):
    """A glassy plate: a dark outline, a vertical gradient and a light line under the top edge."""
    fill = defs.linear([(0, top), (1, bottom)])
    parts = [rect(x, y, w, h, outline, r=r), rect(x + 1, y + 1, w - 2, h - 2, fill, r=max(r - 1, 0))]
    if highlight:
        parts.append(rect(x + 1 + max(r - 1, 0) / 2, y + 1, w - 2 - max(r - 1, 0), 1, WHITE_EDGE,
                          opacity=highlight))
    return "".join(parts)


def _inset_plate(defs, x, y, w, h, r, top, bottom, outline, lit_from_left=True):
    """A pressed plate: darker, with an inner shadow along the top (and the left when lit from the
    left, which is why pressed left and right pieces differ)."""
    fill = defs.linear([(0, top), (1, bottom)])
    parts = [rect(x, y, w, h, outline, r=r), rect(x + 1, y + 1, w - 2, h - 2, fill, r=max(r - 1, 0)),
             rect(x + 1, y + 1, w - 2, 2, "#000000", r=max(r - 1, 0), opacity=0.22)]
    if lit_from_left:
        parts.append(rect(x + 1, y + 1, 2, h - 2, "#000000", r=max(r - 1, 0), opacity=0.16))
    return "".join(parts)


# ---- tiles (opaque) ----

TILES = {
    "widget": WIDGET_BACKGROUND,
    "widget_title": "#383838",
    "menu": MENU_BACKGROUND,
    "main": MENU_BACKGROUND,
    "rule": "#4e4e4e",
}


def tile(defs, w, h, kind):
    if kind in TILES:
        return rect(0, 0, w, h, TILES[kind])
    theme, _, part = kind.partition("_")
    return rect(0, 0, w, h, THEMES[theme]["title" if part == "title" else "body"])


def menu_separator(defs, w, h):
    # Opaque: the menu background with an engraved line across the middle.
    return (rect(0, 0, w, h, MENU_BACKGROUND) + rect(0, 4, w, 1, "#242424") + rect(0, 5, w, 1, "#4a4a4a"))


def progress(defs, w, h):
    return rect(0, 0, w, h, defs.linear([(0, "#a8e88c"), (0.25, GREEN_LIGHT), (0.6, GREEN), (1, GREEN_DARK)]))


# ---- built-in buttons ----

BUTTON_COLOURS = {
    # up top, up bottom, outline, down top, down bottom
    "normal": ("#5d5d5d", "#424242", "#1c1c1c", "#2c2c2c", "#383838"),
    "round": ("#5d5d5d", "#424242", "#1c1c1c", "#2c2c2c", "#383838"),
    "green": ("#72c458", "#3f8e32", "#173a12", "#37782c", "#468f39"),
    "red": ("#d9685a", "#a53c30", "#431511", "#8f3228", "#a2443a"),
}


def button(defs, w, h, style, state):
    top, bottom, outline, down_top, down_bottom = BUTTON_COLOURS[style]
    r = h / 2 if style == "round" else 4
    if state == "down":
        return _inset_plate(defs, 0, 0, w, h, r, down_top, down_bottom, outline, lit_from_left=False)
    return _plate(defs, 0, 0, w, h, r, top, bottom, outline)


def round_plate(defs, w, h, state):
    if state == "down":
        fill = defs.linear([(0, "#2a2a2a"), (1, "#3a3a3a")])
        return (circle(w / 2, h / 2, w / 2, "#1c1c1c") + circle(w / 2, h / 2, w / 2 - 1, fill) +
                circle(w / 2, h / 2 + 1, w / 2 - 2.5, "none", stroke=GREEN, sw=1, opacity=0.55))
    fill = defs.linear([(0, "#5f5f5f"), (1, "#3f3f3f")])
    shine = defs.linear([(0, "#ffffff", 0.22), (1, "#ffffff", 0)])
    return (circle(w / 2, h / 2, w / 2, "#1c1c1c") + circle(w / 2, h / 2, w / 2 - 1, fill) +
            path(f"M{w / 2 - 8},{h / 2 - 2}A8,8 0 0,1 {w / 2 + 8},{h / 2 - 2}Q{w / 2},{h / 2 - 5} {w / 2 - 8},{h / 2 - 2}Z",
                 fill=shine))


def double_line(defs, w, h):
    return rect(0, 0, w, h, "#1c1c1c") + rect(0, 1, w, 1, "#ffffff", opacity=0.08)


def label(defs, w, h, colour):
    fills = {"gray": ("#4d4d4d", "#444444", "#2a2a2a"), "green": ("#4f9a3f", "#3f8432", "#1d3f17"),
             "red": ("#a94538", "#93382c", "#451712")}
    top, bottom, outline = fills[colour]
    return _plate(defs, 0, 0, w, h, 4, top, bottom, outline, highlight=0.1)


# ---- fields: text edit, spin box, combo box ----

def field(defs, w, h, kind):
    r = 4 if kind.startswith("combo") else 3
    edge = defs.linear([(0, "#171717"), (1, "#5e5e5e")])
    inner = "#2a2a2a" if kind.startswith("combo") else "#252525"
    parts = [rect(0, 0, w, h, edge, r=r), rect(1, 1, w - 2, h - 2, inner, r=r - 1),
             rect(1 + r / 2, 1, w - 2 - r, 1, "#000000", opacity=0.3)]
    if kind == "combo_open":
        parts.append(rect(0.5, 0.5, w - 1, h - 1, "none", r=r - 0.5, stroke=GREEN, sw=1, opacity=0.9))
    return "".join(parts)


def vline(defs, w, h):
    return rect(0, 0, w, h, "#141414")


def hline(defs, w, h):
    return rect(0, 0, w, h, "#141414")


def _triangle(cx, cy, half_width, half_height, direction, fill):
    if direction == "up":
        d = f"M{cx - half_width},{cy + half_height}L{cx},{cy - half_height}L{cx + half_width},{cy + half_height}Z"
    else:
        d = f"M{cx - half_width},{cy - half_height}L{cx},{cy + half_height}L{cx + half_width},{cy - half_height}Z"
    return path(d, fill=fill)


def spin_arrow(defs, w, h, direction, state):
    # Fills the arrow column inside the field's border; the outer corner follows the field's radius.
    down = state == "down"
    fill = defs.linear([(0, "#2f2f2f" if down else "#4a4a4a"), (1, "#383838" if down else "#393939")])
    corner = "M0,0H{r}A2,2 0 0,1 {w},2V{h}H0Z" if direction == "up" else "M0,0H{w}V{b}A2,2 0 0,1 {r},{h}H0Z"
    shape = path(corner.format(r=w - 2, w=w, h=h, b=h - 2), fill=fill)
    return shape + _triangle(w / 2 - 0.5, h / 2, 3.5, 2, direction, GREEN_LIGHT if down else "#dcdcdc")


def combo_button(defs, w, h, state):
    down = state == "down"
    fill = defs.linear([(0, "#2f2f2f" if down else "#4a4a4a"), (1, "#383838" if down else "#393939")])
    shape = path(f"M0,0H{w - 3}A3,3 0 0,1 {w},3V{h - 3}A3,3 0 0,1 {w - 3},{h}H0Z", fill=fill)
    return shape + _triangle(w / 2 - 0.5, h / 2 + 0.5, 3.5, 2, "down", GREEN_LIGHT if down else "#dcdcdc")


# ---- check box and radio button ----

def check(defs, w, h, mark, hover):
    on = mark == "on"
    hovered = hover == "hover"
    if on:
        fill = defs.linear([(0, "#7fd062" if hovered else GREEN_LIGHT), (1, "#4a9e38" if hovered else GREEN_DARK)])
        outline = "#1d4516"
    else:
        fill = defs.linear([(0, "#1e1e1e"), (1, "#2e2e2e" if not hovered else "#353535")])
        outline = "#8a8a8a" if hovered else "#5f5f5f"
    parts = [rect(0, 0, w, h, outline, r=3), rect(1, 1, w - 2, h - 2, fill, r=2)]
    if on:
        parts.append(path("M3.6,7.6L6.3,10.3L11.4,4.6", stroke="#ffffff", sw=2))
    return "".join(parts)


def radio(defs, w, h, mark, hover):
    on = mark == "on"
    hovered = hover == "hover"
    c = w / 2
    fill = defs.linear([(0, "#1e1e1e"), (1, "#353535" if hovered else "#2e2e2e")])
    outline = ("#2b6a20" if on else "#8a8a8a") if hovered else ("#1d4516" if on else "#5f5f5f")
    parts = [circle(c, c, c, outline), circle(c, c, c - 1, fill)]
    if on:
        dot = defs.linear([(0, "#a4ea85" if hovered else GREEN_LIGHT), (1, GREEN_DARK)])
        parts.append(circle(c, c, 3.6, dot))
    return "".join(parts)


# ---- scroll bars: the built-in one and the widget files in three themes ----

SCROLL = {
    # track edge, track inside, grip, grip pressed, grip edge, arrow plate, arrow glyph
    "builtin": ("#1a1a1a", "#242424", "#686868", "#5a9e48", "#1f1f1f", "#444444", "#d8d8d8"),
    "dark": ("#1c1c1c", "#232323", "#6a6a6a", "#5a9e48", "#1f1f1f", "#3f3f3f", "#d0d0d0"),
    "light": ("#b9b9b9", "#d6d6d6", "#9a9a9a", "#5a9e48", "#7d7d7d", "#d0d0d0", "#555555"),
    "yellow": ("#c9c07a", "#ece6a8", "#c4bb53", "#8f9a36", "#988f33", "#ebe4a0", "#6c6522"),
}


def _scroll_geometry(w):
    # Track and thumb widths for the 21- and 13-pixel bars, centred.
    if w >= 21:
        return 9, 13
    return 5, 7


def scroll_track(defs, w, h, theme):
    edge, inside = SCROLL[theme][0], SCROLL[theme][1]
    track, _ = _scroll_geometry(w)
    x = (w - track) // 2
    return rect(x, 0, track, h, edge) + rect(x + 1, 0, track - 2, h, inside)


def scroll_grip(defs, w, h, state, theme):
    colours = SCROLL[theme]
    _, thumb = _scroll_geometry(w)
    x = (w - thumb) // 2
    body = colours[3] if state == "down" else colours[2]
    light = defs.linear([(0, WHITE_EDGE, 0.28), (0.5, WHITE_EDGE, 0.05), (1, "#000000", 0.12)], x2=1, y2=0)
    return rect(x, 0, thumb, h, colours[4]) + rect(x + 1, 0, thumb - 2, h, body) + rect(x + 1, 0, thumb - 2, h, light)


def scroll_grip_border(defs, w, h, theme):
    # The thumb's first and last row: the outline colour, with the corners left out to round it.
    _, thumb = _scroll_geometry(w)
    x = (w - thumb) // 2
    return rect(x + 1, 0, thumb - 2, h, SCROLL[theme][4])


def scroll_arrow(defs, w, h, direction, state, theme):
    colours = SCROLL[theme]
    down = state == "down"
    if w >= 21:
        plate_w, plate_h = 15, 16
    else:
        plate_w, plate_h = 11, 10
    x = (w - plate_w) / 2
    y = (h - plate_h) / 2 if direction == "up" else (h - plate_h) / 2
    base = colours[5]
    fill = defs.linear([(0, "#000000", 0.25 if down else 0), (1, "#000000", 0.05 if down else 0.12)])
    plate = (rect(x, y, plate_w, plate_h, colours[4], r=3) + rect(x + 1, y + 1, plate_w - 2, plate_h - 2, base, r=2) +
             rect(x + 1, y + 1, plate_w - 2, plate_h - 2, fill, r=2))
    if not down:
        plate += rect(x + 2, y + 1, plate_w - 4, 1, WHITE_EDGE, opacity=0.18)
    glyph_colour = GREEN if down else colours[6]
    half_w = 3.5 if w >= 21 else 2.5
    half_h = 2 if w >= 21 else 1.5
    return plate + _triangle(w / 2, h / 2, half_w, half_h, direction, glyph_colour)


# ---- widget buttons (files) ----

def modern_button(defs, w, h, state):
    if state == "down":
        return (rect(0, 0, w, h, "#161616", r=2) + rect(1, 1, w - 2, h - 2, defs.linear([(0, "#1f1f1f"), (1, "#2a2a2a")]), r=1))
    hovered = state == "hover"
    outline = "#6d6d6d" if hovered else "#474747"
    fill = defs.linear([(0, "#565656" if hovered else "#3e3e3e"), (1, "#404040" if hovered else "#323232")])
    return (rect(0, 0, w, h, outline, r=2) + rect(1, 1, w - 2, h - 2, fill, r=1) +
            rect(1, 1, w - 2, 1, WHITE_EDGE, opacity=0.14 if hovered else 0.08))


TINY = {
    # outline, normal, hovered, pressed
    "dark": ("#5a5a5a", "#393939", "#4d4d4d", "#202020"),
    "light": ("#a6a6a6", "#e2e2e2", "#f4f4f4", "#c6c6c6"),
    "yellow": ("#b3aa4c", "#f1ec9a", "#fbf8c0", "#ddd57a"),
}


def tiny_button(defs, w, h, theme, state):
    outline, normal, hovered, pressed = TINY[theme]
    fill = {"up": normal, "hover": hovered, "down": pressed}[state]
    # One-pixel pieces: the outline column loses its corner pixels, which rounds the button.
    return rect(0, 1, w, h - 2, outline) + rect(1, 0, w - 2, h, outline) + rect(1, 1, w - 2, h - 2, fill)


def small_arrow(defs, w, h, direction):
    return _triangle(w / 2, h / 2, 4, 2.5, direction, "#dcdcdc")


# ---- glyph icons ----

def glyph(defs, w, h, name, scheme):
    return glyphs.glyph(name, scheme, w)


def transparency_level(defs, w, h, percent):
    # A checkered square showing through a white fill as transparent as the menu item says.
    percent = int(percent)
    parts = [rect(1, 1, 14, 14, "#e8e8e8", r=2), rect(2, 2, 12, 12, "#8a8a8a")]
    for y in range(4):
        for x in range(4):
            if (x + y) % 2 == 0:
                parts.append(rect(2 + x * 3, 2 + y * 3, 3, 3, "#d8d8d8"))
    parts.append(rect(2, 2, 12, 12, GREEN, opacity=(100 - percent) / 100))
    return "".join(parts)


def theme_swatch(defs, w, h, theme):
    colours = THEMES[theme]
    return (rect(1.5, 1.5, 13, 13, colours["body"], stroke=colours["frame"] if theme != "dark" else "#8a8a8a", sw=1) +
            rect(2, 2, 12, 3.5, colours["title"]) + rect(4, 8, 8, 1.2, colours["ink"], opacity=0.7) +
            rect(4, 10.6, 5, 1.2, colours["ink"], opacity=0.7))


# ---- language flags ----

def flag(defs, w, h, country):
    parts = []
    if country == "english":
        # The Union Flag, simplified for 21 x 15: blue field, white saltire with red, white cross with red.
        parts.append(rect(0, 0, w, h, "#1f3f8f"))
        parts.append(path(f"M0,0L{w},{h}M{w},0L0,{h}", stroke="#ffffff", sw=3.2, cap="butt"))
        parts.append(path(f"M0,0L{w / 2},{h / 2}M{w},{h}L{w / 2},{h / 2}", stroke="#c8202f", sw=1.1, cap="butt"))
        parts.append(path(f"M{w},0L{w / 2},{h / 2}M0,{h}L{w / 2},{h / 2}", stroke="#c8202f", sw=1.1, cap="butt"))
        parts.append(rect(8, 0, 5, h, "#ffffff") + rect(0, 5, w, 5, "#ffffff"))
        parts.append(rect(9, 0, 3, h, "#c8202f") + rect(0, 6, w, 3, "#c8202f"))
    elif country == "german":
        parts += [rect(0, 0, w, 5, "#1a1a1a"), rect(0, 5, w, 5, "#d3202a"), rect(0, 10, w, 5, "#f6c600")]
    elif country == "french":
        parts += [rect(0, 0, 7, h, "#1f4aa8"), rect(7, 0, 7, h, "#ffffff"), rect(14, 0, 7, h, "#d82a36")]
    elif country == "spanish":
        parts += [rect(0, 0, w, 4, "#c8202f"), rect(0, 4, w, 7, "#f5c400"), rect(0, 11, w, 4, "#c8202f"),
                  rect(4, 6, 3, 3, "#b0532a")]
    elif country == "polish":
        parts += [rect(0, 0, w, 8, "#ffffff"), rect(0, 7, w, 8, "#d4213d")]
    elif country == "italian":
        parts += [rect(0, 0, 7, h, "#149246"), rect(7, 0, 7, h, "#ffffff"), rect(14, 0, 7, h, "#ce2b37")]
    else:
        raise KeyError(f"no flag for '{country}'")
    # A soft edge so that light flags stay visible on the light list and dark ones on the dark field.
    body = group("".join(parts), clip=defs.clip(rect(0, 0, w, h, "#000", r=1.5)))
    return body + rect(0.5, 0.5, w - 1, h - 1, "none", r=1.5, stroke="#000000", sw=1, opacity=0.35) + \
        rect(1, 1, w - 2, 1, WHITE_EDGE, opacity=0.25)


# ---- main window ----

def logo(defs, w, h):
    # The name along the left edge, read from the bottom up, with the green accent dot.
    mark = text(0, 0, "TOCKLY", 15, "#9c9c9c", spacing=5, anchor="middle",
                transform=f"translate({w / 2 + 5.5},{h / 2 - 6}) rotate(-90)")
    return (mark + circle(w / 2, h - 15, 3, GREEN) +
            circle(w / 2, h - 15, 3, "none", stroke="#000000", sw=1, opacity=0.25))


MENU_SETS = {
    # up top, up bottom, hover top, hover bottom, outline, pressed top, pressed bottom, radius
    "1": ("#4b4b4b", "#3b3b3b", "#595959", "#464646", "#242424", "#2b2b2b", "#333333", 7),
    "2": ("#464b50", "#373b3f", "#535960", "#42474c", "#22262a", "#292c30", "#313539", 7),
    "3": ("#474747", "#3b3b3b", "#555555", "#454545", "#242424", "#2b2b2b", "#333333", 5),
    "4": ("#474747", "#3b3b3b", "#555555", "#454545", "#242424", "#2b2b2b", "#333333", 5),
    "gray": ("#646464", "#4f4f4f", "#707070", "#595959", "#282828", "#3c3c3c", "#464646", 8),
}


def menu_button(defs, w, h, which, state):
    up_top, up_bottom, hover_top, hover_bottom, outline, down_top, down_bottom, r = MENU_SETS[which]
    if state == "down":
        accent = rect(r, h - 4, w - 2 * r, 2, GREEN, r=1)
        return _inset_plate(defs, 0, 0, w, h, r, down_top, down_bottom, outline) + accent
    hovered = state == "hover"
    body = _plate(defs, 0, 0, w, h, r, hover_top if hovered else up_top, hover_bottom if hovered else up_bottom,
                  outline, highlight=0.2 if hovered else 0.13)
    if hovered:
        body += rect(r, h - 3, w - 2 * r, 1, GREEN, opacity=0.6)
    return body


# ---- the program icon ----

def app_icon(defs, w, h):
    """A clock face: dark dial, light rim (reads on dark task bars), dark outer edge (reads on
    light ones), a green arc of time counting down and two hands. Small sizes are drawn on their
    own pixel grid."""
    s = w
    c = s / 2
    if s <= 24:
        rim = 1.5 if s >= 20 else 1.25
        outer = c - 0.25
        parts = [circle(c, c, outer, "#1b1b1b"), circle(c, c, outer - 0.75, "#ececec"),
                 circle(c, c, outer - 0.75 - rim, "#2c2c2c")]
        arc_r = outer - 0.75 - rim - (1.6 if s >= 20 else 1.35)
        sw = 2.2 if s >= 20 else 1.9
        parts.append(path(f"M{c},{c - arc_r}A{arc_r},{arc_r} 0 1,1 {c - arc_r},{c}", stroke=GREEN_LIGHT, sw=sw, cap="butt"))
        hand = 1.5 if s >= 20 else 1.3
        parts.append(path(f"M{c},{c}V{c - arc_r + 1.2}", stroke="#ffffff", sw=hand, cap="round"))
        parts.append(path(f"M{c},{c}H{c + arc_r * 0.55}", stroke="#ffffff", sw=hand, cap="round"))
        return "".join(parts)
    dial = defs.radial([(0, "#3b3b3b"), (1, "#1f1f1f")], cx=0.5, cy=0.35, r=0.7)
    rim = defs.linear([(0, "#ffffff"), (1, "#b8b8b8")])
    arc = defs.linear([(0, "#a8e88c"), (1, GREEN)])
    shine = defs.linear([(0, "#ffffff", 0.3), (1, "#ffffff", 0)])
    k = s / 48
    outer = c - 0.5 * k
    parts = [circle(c, c, outer, "#151515"),
             path(ring_path(c, c, outer - 1 * k, outer - 4 * k), fill=rim, rule="evenodd"),
             circle(c, c, outer - 4 * k, dial)]
    arc_r = outer - 9 * k
    parts.append(path(f"M{c},{c - arc_r}A{arc_r},{arc_r} 0 1,1 {c - arc_r},{c}", stroke=arc, sw=5 * k, cap="round"))
    for i in range(12):
        if i in (0, 3, 6, 9):
            continue
        parts.append(group(rect(c - 0.6 * k, c - arc_r - 1.2 * k, 1.2 * k, 2.4 * k, "#8a8a8a"),
                           transform=f"rotate({i * 30},{c},{c})"))
    parts.append(path(f"M{c},{c}V{c - arc_r + 3.5 * k}", stroke="#ffffff", sw=3 * k))
    parts.append(path(f"M{c},{c}L{c + arc_r * 0.58},{c + arc_r * 0.12}", stroke="#ffffff", sw=3 * k))
    parts.append(circle(c, c, 2.6 * k, "#ffffff") + circle(c, c, 1.2 * k, GREEN))
    parts.append(path(f"M{c - outer * 0.62},{c - outer * 0.45}A{outer * 0.8},{outer * 0.8} 0 0,1 {c + outer * 0.62},{c - outer * 0.45}"
                      f"Q{c},{c - outer * 0.62} {c - outer * 0.62},{c - outer * 0.45}Z", fill=shine))
    return "".join(parts)


DRAWINGS = {
    "tile": tile, "menu_separator": menu_separator, "progress": progress,
    "button": button, "round_plate": round_plate, "double_line": double_line, "label": label,
    "field": field, "vline": vline, "hline": hline, "spin_arrow": spin_arrow, "combo_button": combo_button,
    "check": check, "radio": radio,
    "scroll_track": scroll_track, "scroll_grip": scroll_grip, "scroll_grip_border": scroll_grip_border,
    "scroll_arrow": scroll_arrow,
    "modern_button": modern_button, "tiny_button": tiny_button, "small_arrow": small_arrow,
    "glyph": glyph, "transparency_level": transparency_level, "theme_swatch": theme_swatch, "flag": flag,
    "logo": logo, "menu_button": menu_button, "app_icon": app_icon,
}


def draw(defs, name, width, height, arguments):
    if name not in DRAWINGS:
        raise KeyError(f"no drawing '{name}'")
    return DRAWINGS[name](defs, width, height, *arguments)
