"""Small helpers for writing SVG by hand: numbers, shapes and glyph outlines."""

import json


def num(value):
    text = "%.2f" % value
    text = text.rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


def attrs(**kw):
    parts = []
    for key, value in kw.items():
        if value is None:
            continue
        key = key.rstrip("_").replace("_", "-")
        if isinstance(value, float):
            value = num(value)
        parts.append('%s="%s"' % (key, value))
    return " ".join(parts)


def rect(x, y, w, h, rx=0, **kw):
    return "<rect %s/>" % attrs(x=float(x), y=float(y), width=float(w), height=float(h),
                                 rx=float(rx) if rx else None, **kw)


def circle(cx, cy, r, **kw):
    return "<circle %s/>" % attrs(cx=float(cx), cy=float(cy), r=float(r), **kw)


def ellipse(cx, cy, rx, ry, **kw):
    return "<ellipse %s/>" % attrs(cx=float(cx), cy=float(cy), rx=float(rx), ry=float(ry),
                                    **kw)


def line(x1, y1, x2, y2, **kw):
    return "<line %s/>" % attrs(x1=float(x1), y1=float(y1), x2=float(x2), y2=float(y2), **kw)


def path(d, **kw):
    return "<path %s/>" % attrs(d=d, **kw)


def polygon(points, **kw):
    return "<polygon %s/>" % attrs(points=" ".join("%s,%s" % (num(x), num(y))
                                                    for x, y in points), **kw)


def group(children, id_=None, transform=None, **kw):
    head = "<g %s>" % attrs(id=id_, transform=transform, **kw)
    return head + "".join(children) + "</g>"


def bounds_rect(x, y, w, h):
    """An invisible rectangle that fixes an element's bounding box."""
    return rect(x, y, w, h, fill="#ffffff", fill_opacity="0")


def linear_gradient(id_, stops, x1=0, y1=0, x2=0, y2=1):
    body = "".join('<stop offset="%s" stop-color="%s"%s/>'
                   % (num(o), c, "" if a is None else ' stop-opacity="%s"' % num(a))
                   for o, c, a in ((s + (None,))[:3] for s in stops))
    return ('<linearGradient id="%s" x1="%s" y1="%s" x2="%s" y2="%s">%s</linearGradient>'
            % (id_, num(x1), num(y1), num(x2), num(y2), body))


def radial_gradient(id_, stops, cx=0.5, cy=0.5, r=0.5):
    body = "".join('<stop offset="%s" stop-color="%s"%s/>'
                   % (num(o), c, "" if a is None else ' stop-opacity="%s"' % num(a))
                   for o, c, a in ((s + (None,))[:3] for s in stops))
    return ('<radialGradient id="%s" cx="%s" cy="%s" r="%s">%s</radialGradient>'
            % (id_, num(cx), num(cy), num(r), body))


def document(width, height, body, defs=(), view_box=None):
    vb = view_box or (0, 0, width, height)
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" version="1.1" '
            'width="%s" height="%s" viewBox="%s">\n' % (num(width), num(height),
                                                       " ".join(num(v) for v in vb))
            + ("<defs>" + "".join(defs) + "</defs>\n" if defs else "")
            + "\n".join(body) + "\n</svg>\n")


class Glyphs:
    """Glyph outlines written by the rasteriser's "glyphs" job."""

    def __init__(self, path):
        with open(path, encoding="utf-8") as f:
            self.data = json.load(f)

    def place(self, key, x, y, w, h, fill, align="center", **kw):
        """The outline of a glyph scaled to fit the box (x, y, w, h), keeping its
        proportions, centred (or aligned "left"/"right") in the box."""
        g = self.data[key]
        scale = min(w / g["w"], h / g["h"])
        gw, gh = g["w"] * scale, g["h"] * scale
        if align == "left":
            ox = x
        elif align == "right":
            ox = x + w - gw
        else:
            ox = x + (w - gw) / 2
        oy = y + (h - gh) / 2
        transform = "translate(%s %s) scale(%s) translate(%s %s)" % (
            num(ox), num(oy), "%.4f" % scale, num(-g["x"]), num(-g["y"]))
        return path(g["d"], fill=fill, transform=transform, **kw)
