"""The icon glyphs: one silhouette per meaning, drawn once on a 16-pixel grid and scaled, with hand
versions on the 8- and 13-pixel grids where scaling would blur them. A glyph is one colour; the
scheme chooses it (light on the dark skin, gray when disabled, dark on the light note themes)."""

import math

from svg import circle, group, path, rect

SCHEMES = {
    "light": "#e8e8e8",
    "gray": "#7c7c7c",
    "dim": "#a3a3a3",
    "green": "#86d364",
    "red": "#e87561",
    "darkglyph": "#3d3d3d",
}


def _gear(c):
    points = []
    teeth = 8
    for i in range(teeth * 4):
        angle = (i / (teeth * 4)) * 2 * math.pi - math.pi / 2
        radius = 7.3 if i % 4 in (1, 2) else 5.4
        points.append((8 + radius * math.cos(angle), 8 + radius * math.sin(angle)))
    outline = "M" + "L".join(f"{x:.2f},{y:.2f}" for x, y in points) + "Z"
    hole = "M5.6,8a2.4,2.4 0 1,0 4.8,0a2.4,2.4 0 1,0 -4.8,0Z"
    return path(outline + hole, fill=c, rule="evenodd")


def _arrow_circle(c, clockwise):
    # An open circle with its arrowhead: refresh turns clockwise, reset the other way.
    body = (path("M12.6,5.2A5.4,5.4 0 1,0 13.3,9.2", stroke=c, sw=1.8) +
            path("M14.2,1.9L14.2,6.9L9.4,6.3Z", fill=c))
    return body if clockwise else group(body, transform="translate(16,0) scale(-1,1)")


def _eye(c):
    return (path("M1.2,8C3.6,3.6 12.4,3.6 14.8,8C12.4,12.4 3.6,12.4 1.2,8Z", stroke=c, sw=1.5) +
            circle(8, 8, 2.6, c))


GLYPHS16 = {
    "cross": lambda c: path("M4,4L12,12M12,4L4,12", stroke=c, sw=2.2),
    "plus": lambda c: rect(7, 2.5, 2, 11, c) + rect(2.5, 7, 11, 2, c),
    "check": lambda c: path("M3,8.4L6.4,11.8L13,4.4", stroke=c, sw=2.2),
    "trash": lambda c: (rect(2.5, 3, 11, 2, c, r=0.6) + path("M6,3.2V1.8H10V3.2", stroke=c, sw=1.3) +
                        path("M3.8,6.2H12.2L11.4,14.5H4.6Z M6.1,7.8V12.8H7.3V7.8Z M8.7,7.8V12.8H9.9V7.8Z",
                             fill=c, rule="evenodd")),
    "alarm": lambda c: (circle(8, 9, 5.2, "none", stroke=c, sw=1.6) + path("M8,6.2V9.2L10.2,10.8", stroke=c, sw=1.5) +
                        path("M1.6,5.4A3.6,3.6 0 0,1 5.4,1.6Z", fill=c) + path("M14.4,5.4A3.6,3.6 0 0,0 10.6,1.6Z", fill=c) +
                        path("M4.2,14.4L3.2,15.4M11.8,14.4L12.8,15.4", stroke=c, sw=1.4)),
    "hourglass": lambda c: (rect(3, 1, 10, 1.8, c, r=0.5) + rect(3, 13.2, 10, 1.8, c, r=0.5) +
                            path("M4.6,2.8H11.4C11.4,6 8.8,6.9 8.8,8C8.8,9.1 11.4,10 11.4,13.2H4.6C4.6,10 7.2,9.1 7.2,8C7.2,6.9 4.6,6 4.6,2.8Z",
                                 stroke=c, sw=1.2) +
                            path("M5.6,13C6.1,11.2 8,10.7 8,9.6C8,10.7 9.9,11.2 10.4,13Z", fill=c) +
                            path("M6.2,5H9.8C9.3,6.1 8,6.5 8,7.2C8,6.5 6.7,6.1 6.2,5Z", fill=c)),
    "checklist": lambda c: (path("M1.6,3.4L3,4.8L5.6,1.9", stroke=c, sw=1.5) + rect(7.5, 2.6, 7, 1.6, c, r=0.5) +
                            path("M1.6,8.4L3,9.8L5.6,6.9", stroke=c, sw=1.5) + rect(7.5, 7.6, 7, 1.6, c, r=0.5) +
                            rect(2, 11.6, 3.2, 3.2, "none", stroke=c, sw=1.2) + rect(7.5, 12.6, 7, 1.6, c, r=0.5)),
    "refresh": lambda c: _arrow_circle(c, True),
    "reset": lambda c: _arrow_circle(c, False),
    "calendar": lambda c: (path("M2,5H14V13.2A1.3,1.3 0 0,1 12.7,14.5H3.3A1.3,1.3 0 0,1 2,13.2Z", stroke=c, sw=1.4) +
                           rect(1.3, 3, 13.4, 3.4, c, r=1) + rect(4.2, 1, 1.6, 3.4, c, r=0.5) +
                           rect(10.2, 1, 1.6, 3.4, c, r=0.5) +
                           "".join(rect(x, y, 2, 2, c) for x, y in ((4, 8), (7, 8), (10, 8), (4, 11), (7, 11)))),
    "transparency": lambda c: (circle(8, 8, 6, "none", stroke=c, sw=1.5) + path("M8,2A6,6 0 0,0 8,14Z", fill=c) +
                               "".join(rect(x, y, 1.5, 1.5, c, opacity=0.55)
                                       for x, y in ((8.5, 4.5), (11, 7), (8.5, 9.5), (11, 12 - 0.5)))),
    "hide": lambda c: (rect(2, 12.5, 12, 2, c, r=0.6) + path("M8,1.8V9.6", stroke=c, sw=2) +
                       path("M4.6,6.6L8,10L11.4,6.6", stroke=c, sw=2)),
    "palette": lambda c: (path("M8,1.5C3.9,1.5 1.5,4.6 1.5,7.9C1.5,11.6 4.4,14.5 7.8,14.5C9.3,14.5 9.7,13.4 9.1,12.4"
                               "C8.4,11.3 9.1,10 10.4,10H12.1C13.6,10 14.5,8.9 14.5,7.4C14.5,4 11.6,1.5 8,1.5Z", fill=c) +
                          circle(4.6, 8.3, 1.45, "#2f2f2f") + circle(6.1, 4.8, 1.45, "#f2f2f2", stroke="#2f2f2f", sw=0.6) +
                          circle(10.1, 4.6, 1.45, "#e3d45a", stroke="#2f2f2f", sw=0.6)),
    "target": lambda c: (circle(8, 8, 4.8, "none", stroke=c, sw=1.5) + circle(8, 8, 1.6, c) +
                         path("M8,0.8V3.6M8,12.4V15.2M0.8,8H3.6M12.4,8H15.2", stroke=c, sw=1.5, cap="butt")),
    "eye": _eye,
    "eye_closed": lambda c: (path("M1.2,8C3.6,3.6 12.4,3.6 14.8,8C12.4,12.4 3.6,12.4 1.2,8Z", stroke=c, sw=1.5) +
                             path("M2.5,14L13.5,2", stroke=c, sw=1.6)),
    "gear": _gear,
    "info": lambda c: path("M8,1A7,7 0 1,0 8,15A7,7 0 1,0 8,1Z M7,3.6H9V5.6H7Z M7,6.9H9V12.4H7Z", fill=c, rule="evenodd"),
    "bolt": lambda c: path("M9.8,0.8L3,9.2H7.4L6.2,15.2L13,6.8H8.6Z", fill=c),
    "note": lambda c: (path("M2.5,2.5H13.5V10L10,13.5H2.5Z", stroke=c, sw=1.5) + path("M13.2,10H10V13.2", stroke=c, sw=1.3) +
                       rect(5, 5.3, 6, 1.4, c, r=0.5) + rect(5, 8, 4, 1.4, c, r=0.5)),
    "stopwatch": lambda c: (circle(8, 9.3, 5.4, "none", stroke=c, sw=1.6) + rect(6.2, 0.8, 3.6, 1.7, c, r=0.5) +
                            rect(7.3, 2.4, 1.4, 1.6, c) + path("M8,9.3L10.4,6.9", stroke=c, sw=1.6) +
                            path("M12.4,3.6L13.7,4.9", stroke=c, sw=1.6)),
    "window": lambda c: (rect(1.7, 2.7, 12.6, 10.6, "none", r=1.4, stroke=c, sw=1.4) + rect(1.7, 2.7, 12.6, 3, c, r=1.2) +
                         rect(4, 8, 3.5, 3, c, opacity=0.7) + rect(8.5, 8, 3.5, 1.3, c, opacity=0.7)),
    "camera": lambda c: (rect(5, 2.4, 6, 2.6, c, r=0.7) +
                         path("M3,4.4H13A1.6,1.6 0 0,1 14.6,6V12.4A1.6,1.6 0 0,1 13,14H3A1.6,1.6 0 0,1 1.4,12.4V6A1.6,1.6 0 0,1 3,4.4Z"
                              "M8,6.1A3.1,3.1 0 1,0 8,12.3A3.1,3.1 0 1,0 8,6.1Z", fill=c, rule="evenodd") +
                         circle(8, 9.2, 1.6, c)),
    "globe": lambda c: (circle(8, 8, 6.3, "none", stroke=c, sw=1.3) + path("M8,1.7C4.9,4.8 4.9,11.2 8,14.3C11.1,11.2 11.1,4.8 8,1.7Z", stroke=c, sw=1.1) +
                        path("M1.9,8H14.1M3,4.8H13M3,11.2H13", stroke=c, sw=1.1, cap="butt")),
    "power": lambda c: path("M5,4.1A5.6,5.6 0 1,0 11,4.1", stroke=c, sw=1.9) + path("M8,1.4V7.8", stroke=c, sw=1.9),
    "timer": lambda c: (circle(8, 9, 5.6, "none", stroke=c, sw=1.5) + path("M8,9V4.6A4.4,4.4 0 0,1 11.8,11.2Z", fill=c) +
                        rect(6.3, 0.8, 3.4, 1.7, c, r=0.5)),
    "exit": lambda c: (path("M9.5,3V2.4H2.6V13.6H9.5V13", stroke=c, sw=1.6) + path("M6,8H14.2", stroke=c, sw=1.8) +
                       path("M11.4,5.2L14.2,8L11.4,10.8", stroke=c, sw=1.8)),
    "play": lambda c: path("M4.6,2.6L13.2,8L4.6,13.4Z", fill=c, stroke=c, sw=1),
    "pause": lambda c: rect(3.8, 2.8, 3.2, 10.4, c, r=0.7) + rect(9, 2.8, 3.2, 10.4, c, r=0.7),
    "checkpoint": lambda c: rect(2.8, 1.4, 1.6, 13.4, c, r=0.5) + path("M4.4,2.2H13.4L11.2,5.5L13.4,8.8H4.4Z", fill=c),
    "tool": lambda c: path("M14.3,2.9A3.9,3.9 0 0,0 9,7.6L2.3,14.3A1.2,1.2 0 0,0 4,16L10.7,9.3A3.9,3.9 0 0,0 15.4,4"
                           "L13,6.4L10.9,5.4L9.9,3.3Z", fill=c),
    "back": lambda c: path("M13.5,8H3.2", stroke=c, sw=2) + path("M7.4,3.6L3,8L7.4,12.4", stroke=c, sw=2),
    "pin": lambda c: (path("M10.2,1.2L14.8,5.8L13.2,6.5L10.2,9.5L10.4,12.3L9.3,13.4L2.6,6.7L3.7,5.6L6.5,5.8L9.5,2.8Z", fill=c) +
                      path("M5.9,10.1L1.8,14.2", stroke=c, sw=1.6)),
    "envelope": lambda c: (rect(1.6, 3.4, 12.8, 9.2, "none", r=1.2, stroke=c, sw=1.5) +
                           path("M2.4,4.4L8,8.9L13.6,4.4", stroke=c, sw=1.5)),
}

# The 8-pixel close and plus marks of the note and message buttons, drawn on whole pixels.
GLYPHS8 = {
    "cross": lambda c: path("M1.8,1.8L6.2,6.2M6.2,1.8L1.8,6.2", stroke=c, sw=1.6),
    "plus": lambda c: rect(3, 1, 2, 6, c) + rect(1, 3, 6, 2, c),
}

# The task list's 13-pixel toggles, drawn on their own grid.
GLYPHS13 = {
    "eye": lambda c: (path("M0.8,6.5C2.8,2.8 10.2,2.8 12.2,6.5C10.2,10.2 2.8,10.2 0.8,6.5Z", stroke=c, sw=1.3) +
                      circle(6.5, 6.5, 2.1, c)),
    "play": lambda c: path("M3.5,1.8L11,6.5L3.5,11.2Z", fill=c, stroke=c, sw=0.8),
    "trash": lambda c: (rect(1.5, 2, 10, 1.6, c, r=0.4) + path("M4.6,2.2V1H8.4V2.2", stroke=c, sw=1.1) +
                        path("M2.6,4.6H10.4L9.8,12H3.2Z M5,6V10.8H6V6Z M7,6V10.8H8V6Z", fill=c, rule="evenodd")),
}


def glyph(name, scheme, size):
    colour = SCHEMES[scheme]
    if size == 8 and name in GLYPHS8:
        return GLYPHS8[name](colour)
    if size == 13 and name in GLYPHS13:
        return GLYPHS13[name](colour)
    if name not in GLYPHS16:
        raise KeyError(f"no glyph '{name}'")
    body = GLYPHS16[name](colour)
    return body if size == 16 else group(body, transform=f"scale({size / 16:.5f})")
