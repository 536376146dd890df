"""A few helpers that write SVG elements, so that the drawings in art.py read as shapes rather than
as markup. Coordinates are pixels; shapes meant to be crisp sit on whole pixels."""


def _num(value):
    text = f"{value:.3f}".rstrip("0").rstrip(".")
    return text if text not in ("-0", "") else "0"


def _attrs(**attributes):
    parts = []
    for key, value in attributes.items():
        if value is None:
            continue
        name = key.rstrip("_").replace("_", "-")
        parts.append(f'{name}="{_num(value) if isinstance(value, (int, float)) else value}"')
    return " ".join(parts)


class Defs:
    """Gradients of one document; ids are unique within it."""

    def __init__(self):
        self.items = []
        self.counter = 0

    def _id(self):
        self.counter += 1
        return f"d{self.counter}"

    def linear(self, stops, x1=0, y1=0, x2=0, y2=1, units=None, spread=None):
        """`stops`: list of (offset, colour) or (offset, colour, opacity). Vertical by default."""
        ident = self._id()
        body = "".join(
            f'<stop offset="{_num(s[0])}" stop-color="{s[1]}"'
            + (f' stop-opacity="{_num(s[2])}"' if len(s) > 2 else "") + "/>" for s in stops)
        self.items.append(f'<linearGradient id="{ident}" {_attrs(x1=x1, y1=y1, x2=x2, y2=y2, gradientUnits=units, spreadMethod=spread)}>'
                          f"{body}</linearGradient>")
        return f"url(#{ident})"

    def radial(self, stops, cx=0.5, cy=0.5, r=0.5, fx=None, fy=None, units=None):
        ident = self._id()
        body = "".join(
            f'<stop offset="{_num(s[0])}" stop-color="{s[1]}"'
            + (f' stop-opacity="{_num(s[2])}"' if len(s) > 2 else "") + "/>" for s in stops)
        self.items.append(f'<radialGradient id="{ident}" {_attrs(cx=cx, cy=cy, r=r, fx=fx, fy=fy, gradientUnits=units)}>'
                          f"{body}</radialGradient>")
        return f"url(#{ident})"

    def clip(self, content):
        ident = self._id()
        self.items.append(f'<clipPath id="{ident}">{content}</clipPath>')
        return f"url(#{ident})"

    def markup(self):
        return "<defs>" + "".join(self.items) + "</defs>" if self.items else ""


def rect(x, y, w, h, fill, r=0, opacity=None, stroke=None, sw=None):
    return f"<rect {_attrs(x=x, y=y, width=w, height=h, rx=r or None, fill=fill, opacity=opacity, stroke=stroke, stroke_width=sw)}/>"


def circle(cx, cy, r, fill, opacity=None, stroke=None, sw=None):
    return f"<circle {_attrs(cx=cx, cy=cy, r=r, fill=fill, opacity=opacity, stroke=stroke, stroke_width=sw)}/>"


def path(d, fill="none", stroke=None, sw=None, cap="round", join="round", opacity=None, rule=None):
    if stroke is None:
        cap = join = None
    return f"<path {_attrs(d=d, fill=fill, stroke=stroke, stroke_width=sw, stroke_linecap=cap, stroke_linejoin=join, opacity=opacity, fill_rule=rule)}/>"


def group(content, transform=None, opacity=None, clip=None):
    return f"<g {_attrs(transform=transform, opacity=opacity, clip_path=clip)}>{content}</g>"


def text(x, y, content, size, fill, family="DejaVu Sans", weight="bold", anchor="middle", spacing=None,
         transform=None):
    return (f"<text {_attrs(x=x, y=y, font_family=family, font_size=size, font_weight=weight, fill=fill, text_anchor=anchor, letter_spacing=spacing, transform=transform)}>"
            f"{content}</text>")


def ring_path(cx, cy, outer, inner):
    """A ring as one even-odd path, for crisp filled outlines."""
    def arc(r):
        return f"M{_num(cx - r)},{_num(cy)}a{_num(r)},{_num(r)} 0 1,0 {_num(2 * r)},0a{_num(r)},{_num(r)} 0 1,0 {_num(-2 * r)},0Z"
    return arc(outer) + arc(inner)
