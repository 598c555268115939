"""Tile artwork: the five backs, the five face sets and the highlight frames.

Geometry (what the tile renderer cuts and stretches):
- SVG backs: one element per picture, its bounding box proportioned like the source
  geometry of a tile, (192, 220 + edge) upright and (220, 192 + edge) turned, the face
  in the upper part and the edge below; concealed tiles (198, 140), (198, 210),
  (148, 272); the own upright tile 28 x 45.
- PNG back sheets: 305 x 202 pixels, every picture in its fixed rectangle.
- SVG faces: one element per tile code, proportioned 28 x 35, art inside a margin so
  the back's border shows around it; no <text>, glyphs are outlines.
- PNG face sheet: 42 cells of 27 x 42 side by side.
"""

import math

from svg import (bounds_rect, circle, document, ellipse, group, line, linear_gradient,
                 num, path, polygon, radial_gradient, rect)

# Tile codes 0-41, in order; each face element is named after its tile.
FACE_IDS = (["bamboo_%d" % i for i in range(1, 10)]
            + ["character_%d" % i for i in range(1, 10)]
            + ["circle_%d" % i for i in range(1, 10)]
            + ["east_wind", "south_wind", "west_wind", "north_wind",
               "green_dragon", "red_dragon", "white_dragon",
               "plum_blossom", "orchid", "chrysanthemum", "bamboo",
               "spring", "summer", "autumn", "winter"])

CJK_NUMERALS = "一二三四五六七八九"
SERIF = "Noto Serif CJK JP"
SANS_CJK = "Noto Sans CJK JP"
LATIN = "DejaVu Sans"


def glyph_requests():
    """The glyph outlines the faces need, for the rasteriser's "glyphs" job."""
    items = []
    for ch in CJK_NUMERALS + "萬東南西北中發梅蘭菊竹春夏秋冬":
        items.append({"key": "serif:" + ch, "text": ch, "font": SERIF, "bold": True})
    items.append({"key": "sans:萬", "text": "萬", "font": SANS_CJK, "bold": True})
    for ch in "123456789ESWN":
        items.append({"key": "latin:" + ch, "text": ch, "font": LATIN, "bold": True})
    return items


# ---------------------------------------------------------------------------
# Backs

IVORY = ("#fdf9ec", "#eee5c9")
IVORY_EDGE = "#ddd2b2"
IVORY_EDGE_DARK = "#c4b794"
OUTLINE = "#4a3f2a"

BACKS = {
    "default": {"light": "#d8b45a", "dark": "#a47c2a", "grain": None},   # "Bamboo"
    "green": {"light": "#3f9a5c", "dark": "#22623a", "grain": None},     # "Green 1"
    "red": {"light": "#c8423a", "dark": "#88221d", "grain": None},       # "Red"
    "green2": {"light": "#45b48c", "dark": "#17634a", "grain": None},    # "Green 2"
    "darkwood": {"light": "#6e4528", "dark": "#3a2213", "grain": "#26150b"},  # "Dark wood"
}


class BackPainter:
    """Draws the pictures of one back in any unit (SVG units or sheet pixels)."""

    def __init__(self, back, prefix, unit):
        self.back = back
        self.prefix = prefix
        self.unit = unit  # thickness of outlines and the radius scale
        self.defs = [
            linear_gradient(prefix + "ivory", [(0, IVORY[0]), (1, IVORY[1])], 0, 0, 1, 1),
            linear_gradient(prefix + "back", [(0, back["light"]), (1, back["dark"])],
                            0, 0, 1, 1),
            linear_gradient(prefix + "glow", [(0, "#ffe27a", 0.55), (1, "#ffb300", 0.25)]),
        ]

    def fill(self, which):
        return "url(#%s%s)" % (self.prefix, which)

    def grain(self, x, y, w, h):
        """Wood grain lines across a back surface."""
        colour = self.back["grain"]
        if not colour:
            return []
        out = []
        for i in range(1, 6):
            yy = y + h * i / 6
            amp = h * 0.03
            d = "M%s %s C%s %s %s %s %s %s" % (
                num(x + w * 0.06), num(yy), num(x + w * 0.35), num(yy - amp * (i % 2 * 2 - 1)),
                num(x + w * 0.65), num(yy + amp * 2), num(x + w * 0.94), num(yy - amp))
            out.append(path(d, fill="none", stroke=colour, stroke_opacity="0.45",
                            stroke_width=num(self.unit * 0.8)))
        return out

    def surface(self, x, y, w, h, face_up, highlight=False):
        r = min(w, h) * 0.09
        out = [rect(x, y, w, h, r, fill=self.fill("ivory" if face_up else "back"),
                    stroke=OUTLINE, stroke_width=num(self.unit * 0.6))]
        if face_up:
            out.append(rect(x + w * 0.04, y + h * 0.03, w * 0.92, h * 0.94, r * 0.8,
                            fill="none", stroke="#ffffff", stroke_opacity="0.7",
                            stroke_width=num(self.unit * 0.6)))
        else:
            out += self.grain(x, y, w, h)
            out.append(rect(x + w * 0.08, y + h * 0.06, w * 0.84, h * 0.88, r * 0.7,
                            fill="none", stroke="#ffffff", stroke_opacity="0.25",
                            stroke_width=num(self.unit * 0.8)))
        if highlight:
            out.append(rect(x, y, w, h, r, fill=self.fill("glow"), stroke="#e08a00",
                            stroke_width=num(self.unit * 1.2)))
        return out

    def edge(self, x, y, w, h, tiles):
        """The edge band under a lying tile or a stack: one band per tile, each with
        its two layers (ivory face layer and coloured back layer)."""
        out = []
        band = h / len(tiles)
        r = min(w, band) * 0.25
        for i, face_up in enumerate(tiles):
            by = y + i * band
            top, bottom = ((IVORY_EDGE, self.back["dark"]) if face_up
                           else (self.back["dark"], IVORY_EDGE))
            split = 0.55 if face_up else 0.45
            out.append(rect(x, by, w, band, r, fill=bottom, stroke=OUTLINE,
                            stroke_width=num(self.unit * 0.6)))
            out.append(rect(x + self.unit * 0.3, by + self.unit * 0.3, w - self.unit * 0.6,
                            band * split, 0, fill=top))
            out.append(line(x + r, by + band * split, x + w - r, by + band * split,
                            stroke=IVORY_EDGE_DARK, stroke_width=num(self.unit * 0.4)))
        return out

    def lying(self, x, y, w, face_h, edge_h, tiles, side=0.0, highlight=False):
        """A tile (or a stack) lying on the table: the top surface, then the edge;
        tiles lists, top to bottom, whether each tile lies face up."""
        out = []
        if side:
            out.append(rect(x + side, y + side, w - side, face_h + edge_h - side,
                            min(w, face_h) * 0.09, fill=self.back["dark"], fill_opacity="0.8"))
        out += self.edge(x, y + face_h - edge_h * 0.2 / len(tiles), w - side,
                         edge_h * (1 + 0.2 / len(tiles)) - side, tiles)
        out += self.surface(x, y, w - side, face_h, tiles[0], highlight)
        return out

    def upright(self, x, y, w, top_h, face_h, highlight=False, side=0.0):
        """The own tile standing upright: its top edge seen from above, then the face."""
        out = []
        if side:
            out.append(rect(x + side, y + side, w - side, top_h + face_h - side,
                            w * 0.09, fill=self.back["dark"], fill_opacity="0.8"))
        out.append(rect(x, y, w - side, top_h + face_h * 0.1, w * 0.09, fill=self.back["dark"],
                        stroke=OUTLINE, stroke_width=num(self.unit * 0.6)))
        out.append(rect(x + self.unit * 0.4, y + top_h * 0.5, w - side - self.unit * 0.8,
                        top_h * 0.5, 0, fill=IVORY_EDGE))
        out += self.surface(x, y + top_h, w - side, face_h, True, highlight)
        return out

    def concealed(self, x, y, w, h, seat):
        """A concealed tile of another seat, seen from behind (Bottom, Top) or from the
        side (Right, Left)."""
        out = []
        if seat == "Bottom":
            out.append(rect(x, y, w, h, w * 0.09, fill=self.fill("back"), stroke=OUTLINE,
                            stroke_width=num(self.unit * 0.6)))
            out += self.grain(x, y, w, h)
        elif seat == "Top":
            top = h / 3
            out.append(rect(x, y, w, top + w * 0.1, w * 0.09, fill=IVORY_EDGE,
                            stroke=OUTLINE, stroke_width=num(self.unit * 0.6)))
            out.append(rect(x + self.unit * 0.4, y + top * 0.55, w - self.unit * 0.8,
                            top * 0.45, 0, fill=self.back["dark"]))
            out.append(rect(x, y + top, w, h - top, w * 0.09, fill=self.fill("back"),
                            stroke=OUTLINE, stroke_width=num(self.unit * 0.6)))
            out += self.grain(x, y + top, w, h - top)
        else:
            ivory_w = w * 0.55
            ivory_x = x if seat == "Right" else x + w - ivory_w
            back_x = x + ivory_w if seat == "Right" else x
            top = h * 128 / 272
            for yy, hh, shade in ((y, top, 1.0), (y + top, h - top, 0.82)):
                out.append(rect(x, yy, w, hh, w * 0.1, fill=self.back["dark"],
                                stroke=OUTLINE, stroke_width=num(self.unit * 0.6)))
                out.append(rect(ivory_x + self.unit * 0.3, yy + self.unit * 0.3,
                                ivory_w - self.unit * 0.6, hh - self.unit * 0.6, 0,
                                fill=IVORY_EDGE if shade == 1.0 else IVORY_EDGE_DARK))
                out.append(rect(back_x + self.unit * 0.3, yy + self.unit * 0.3,
                                w - ivory_w - self.unit * 0.6, hh - self.unit * 0.6, 0,
                                fill=self.back["light"] if shade == 1.0 else self.back["dark"]))
        return out


UPRIGHT = (192, 220)   # width and face height of an upright lying tile
TURNED = (220, 192)
EDGE = 69
HAND = (192, 192 * 10 / 28, 240)  # width, top edge, face: 28 x 45 at factor 1


def svg_back(key):
    """An SVG back with its 28 elements."""
    back = BACKS[key]
    p = BackPainter(back, key + "-", 4.0)
    elements = []

    def element(id_, w, h, children):
        elements.append((id_, w, h, children))

    hw, htop, hface = HAND
    element("hand", hw, htop + hface, p.upright(0, 0, hw, htop, hface))
    element("handHighlight", hw, htop + hface, p.upright(0, 0, hw, htop, hface, True))
    for seat in ("Bottom", "Right", "Top", "Left"):
        w, fh = UPRIGHT if seat in ("Bottom", "Top") else TURNED
        element("declared" + seat, w, fh + EDGE, p.lying(0, 0, w, fh, EDGE, [True]))
    # A sideways tile keeps the face-to-edge split of an upright one (220 : 69).
    turned_h = TURNED[1] * (UPRIGHT[1] + EDGE) / UPRIGHT[1]
    for seat in ("Bottom", "Top"):
        element("declared%sTurned" % seat, TURNED[0], turned_h,
                p.lying(0, 0, TURNED[0], TURNED[1], turned_h - TURNED[1], [True]))
    for seat in ("Bottom", "Right", "Top", "Left"):
        w, fh = UPRIGHT if seat in ("Bottom", "Top") else TURNED
        element("wallSingle" + seat, w, fh + EDGE, p.lying(0, 0, w, fh, EDGE, [False]))
        element("wallDouble" + seat, w, fh + 2 * EDGE,
                p.lying(0, 0, w, fh, 2 * EDGE, [False, False]))
        element("wallTriple" + seat, w, fh + 3 * EDGE,
                p.lying(0, 0, w, fh, 3 * EDGE, [False, False, False]))
        element("wallDora" + seat, w, fh + 2 * EDGE,
                p.lying(0, 0, w, fh, 2 * EDGE, [True, False]))
    for seat, (w, h) in (("Bottom", (198, 140)), ("Top", (198, 210)),
                         ("Right", (148, 272)), ("Left", (148, 272))):
        element("hidden" + seat, w, h, p.concealed(0, 0, w, h, seat))

    body = []
    x = y = 20.0
    row_h = 0.0
    for id_, w, h, children in elements:
        if x + w > 1600:
            x = 20.0
            y += row_h + 30
            row_h = 0.0
        # The drawing is pulled in a little so that outlines stay inside the box.
        inset = group(children, transform="translate(3 3) scale(%s %s)" % (
            "%.5f" % ((w - 6) / w), "%.5f" % ((h - 6) / h)))
        body.append(group([bounds_rect(0, 0, w, h), inset], id_=id_,
                          transform="translate(%s %s)" % (num(x), num(y))))
        x += w + 30
        row_h = max(row_h, h)
    return document(1620, y + row_h + 20, body, p.defs)


# Rectangles of the PNG back sheets (x, y, w, h) and what each holds.
SHEET_SIZE = (305, 202)


def sheet_pictures():
    """(rect, kind, seat) of every picture on a PNG back sheet."""
    return [
        ((30, 40, 29, 45), "hand", "Bottom"), ((238, 40, 29, 45), "handHighlight", "Bottom"),
        ((0, 40, 29, 43), 0, "Bottom"), ((0, 5, 40, 34), 0, "Right"),
        ((60, 40, 29, 43), 0, "Top"), ((224, 90, 40, 34), 0, "Left"),
        ((208, 40, 29, 44), 1, "Bottom"), ((183, 90, 40, 33), 1, "Right"),
        ((148, 40, 29, 44), 1, "Top"), ((259, 6, 40, 33), 1, "Left"),
        ((178, 40, 29, 49), 6, "Bottom"), ((142, 90, 40, 38), 6, "Right"),
        ((118, 40, 29, 49), 6, "Top"), ((218, 1, 40, 38), 6, "Left"),
        ((112, 90, 29, 54), 7, "Bottom"), ((71, 90, 40, 43), 7, "Right"),
        ((41, 90, 29, 54), 7, "Top"), ((0, 90, 40, 43), 7, "Left"),
        ((41, 145, 29, 49), 9, "Bottom"), ((224, 164, 40, 38), 9, "Right"),
        ((71, 145, 29, 49), 9, "Top"), ((265, 164, 40, 38), 9, "Left"),
        ((268, 40, 27, 26), 4, "Bottom"), ((109, 0, 26, 39), 4, "Right"),
        ((90, 40, 27, 26), 4, "Top"), ((82, 0, 26, 39), 4, "Left"),
        ((41, 5, 40, 34), 2, "Bottom"),
    ]


def png_back_sheet(key):
    """The SVG source of a PNG back sheet, in sheet pixels."""
    p = BackPainter(BACKS[key], key + "-", 0.7)
    body = []
    for (x, y, w, h), kind, seat in sheet_pictures():
        upright = seat in ("Bottom", "Top")
        fw, fh = (28, 39) if upright else (39, 28)
        if kind in ("hand", "handHighlight"):
            body += p.upright(x, y, w, 6, 39, kind == "handHighlight", side=1)
        elif kind in (0, 2):
            if kind == 2:
                fw, fh = 39, 28
            body += p.lying(x, y, fw + 1, fh, h - fh, [True], side=1)
        elif kind == 1:
            wall_h = 38 if upright else 27
            body += p.lying(x, y, w, wall_h, h - wall_h, [False], side=1)
        elif kind in (6, 7, 9):
            wall_h = 38 if upright else 27
            tiles = {6: [False, False], 7: [False, False, False], 9: [True, False]}[kind]
            body += p.lying(x, y, w, wall_h, h - wall_h, tiles, side=1)
        elif kind == 4:
            body += p.concealed(x, y, w, h, seat)
    return document(SHEET_SIZE[0], SHEET_SIZE[1], body, p.defs)


HIGHLIGHT_SIZE = (146, 45)
HIGHLIGHT_RECTS = [(43, 1, 29, 43), (1, 1, 40, 34), (74, 1, 29, 43), (105, 1, 40, 34)]


def highlight_sheet():
    """Red frames laid over a highlighted lying tile, one per orientation."""
    defs = [radial_gradient("hl", [(0, "#ff3030", 0.0), (0.7, "#ff3030", 0.12),
                                   (1, "#ff2020", 0.45)])]
    body = []
    for x, y, w, h in HIGHLIGHT_RECTS:
        body.append(rect(x + 0.5, y + 0.5, w - 1, h - 1, 3, fill="url(#hl)", stroke="#e01010",
                         stroke_width="1.6"))
        body.append(rect(x + 2, y + 2, w - 4, h - 4, 2, fill="none", stroke="#ff8a80",
                         stroke_width="0.8", stroke_opacity="0.9"))
    return document(HIGHLIGHT_SIZE[0], HIGHLIGHT_SIZE[1], body, defs)


# ---------------------------------------------------------------------------
# Faces

ART_W, ART_H = 164.0, 212.0          # the drawing box of one face
FACE_W, FACE_H, FACE_MARGIN = 192.0, 240.0, 14.0

PALETTES = {
    "classic": {"green": "#1b7a3c", "red": "#c9212b", "blue": "#1e4f9e", "ink": "#16213a",
                "stick_light": "#62b36f", "gold": "#e0a526", "purple": "#7b3fa0",
                "pink": "#e26a8d", "brown": "#7a4b26", "orange": "#e8731c"},
    "mixed": {"green": "#0e7a68", "red": "#a5163c", "blue": "#2a3a8e", "ink": "#20202a",
              "stick_light": "#4fb8a2", "gold": "#d89a20", "purple": "#6a3aa8",
              "pink": "#d8608a", "brown": "#6e4a2a", "orange": "#e0681c"},
    "rustic": {"green": "#55652a", "red": "#8f2e1b", "blue": "#34466a", "ink": "#3a2818",
               "stick_light": "#8c9a52", "gold": "#b07d2a", "purple": "#6a4468",
               "pink": "#b0605e", "brown": "#5c3a1c", "orange": "#b2591e"},
}


def stick(cx, cy, h, colour, light, ink):
    """One bamboo stick: a rounded cane with two joints."""
    w = h * 0.27
    x, y = cx - w / 2, cy - h / 2
    out = [rect(x, y, w, h, w / 2, fill=colour, stroke=ink, stroke_width=num(w * 0.12))]
    out.append(rect(x + w * 0.3, y + h * 0.08, w * 0.22, h * 0.84, w * 0.11, fill=light,
                    fill_opacity="0.8"))
    for f in (1 / 3, 2 / 3):
        out.append(line(x + w * 0.05, y + h * f, x + w * 0.95, y + h * f, stroke=ink,
                        stroke_width=num(w * 0.14)))
    return out


def dot(cx, cy, r, colour, ink):
    """One circle of the circles suit: rings around a centre."""
    return [circle(cx, cy, r, fill=colour, stroke=ink, stroke_width=num(r * 0.08)),
            circle(cx, cy, r * 0.72, fill="#ffffff"),
            circle(cx, cy, r * 0.56, fill=colour),
            circle(cx, cy, r * 0.2, fill="#ffffff"),
            circle(cx, cy, r * 0.09, fill=colour)]


def bird(p):
    """The one of bamboo: a bird standing on a cane."""
    g, r, b, ink = p["green"], p["red"], p["blue"], p["ink"]
    out = []
    for i, (colour, dy) in enumerate(((b, 30), (g, 50), (r, 70))):
        out.append(path("M64 128 C%s %s %s %s %s %s" % (40 - i * 6, 140 + dy / 2, 20 - i * 4,
                                                         150 + dy, 12 + i * 6, 170 + dy / 2),
                        fill="none", stroke=colour, stroke_width="9", stroke_linecap="round"))
    out.append(ellipse(84, 120, 36, 28, fill=g, stroke=ink, stroke_width="3"))
    out.append(path("M66 112 C80 96 104 100 110 120 C96 116 82 118 66 112 Z", fill=b,
                    stroke=ink, stroke_width="2"))
    out.append(circle(116, 78, 17, fill=r, stroke=ink, stroke_width="3"))
    out.append(polygon([(131, 74), (150, 80), (131, 86)], fill=p["gold"], stroke=ink,
                       stroke_width="2"))
    out.append(circle(120, 74, 3.5, fill=ink))
    out.append(path("M104 90 C100 100 98 104 96 110", fill="none", stroke=ink, stroke_width="4"))
    for x in (76, 92):
        out.append(line(x, 146, x - 4, 188, stroke=ink, stroke_width="4"))
    out += stick(82, 196, 40, g, p["stick_light"], ink)[:1]
    return out


def bamboo_art(n, p):
    g, r, ink, light = p["green"], p["red"], p["ink"], p["stick_light"]
    if n == 1:
        return bird(p)
    layouts = {
        2: [(82, 58, g), (82, 154, g)],
        3: [(82, 58, g), (50, 154, g), (114, 154, g)],
        4: [(50, 58, g), (114, 58, g), (50, 154, g), (114, 154, g)],
        5: [(40, 58, g), (124, 58, g), (82, 106, r), (40, 154, g), (124, 154, g)],
        6: [(34, 58, g), (82, 58, g), (130, 58, g), (34, 154, g), (82, 154, g), (130, 154, g)],
        7: [(82, 38, r)] + [(x, y, g) for y in (106, 174) for x in (34, 82, 130)],
        8: [(x, y, g) for y in (58, 154) for x in (24, 63, 101, 140)],
        9: [(x, y, r if x == 82 else g) for y in (38, 106, 174) for x in (34, 82, 130)],
    }
    h = {2: 78, 3: 74, 4: 74, 5: 66, 6: 74, 7: 58, 8: 74, 9: 58}[n]
    out = []
    for x, y, colour in layouts[n]:
        out += stick(x, y, h, colour, light, ink)
    return out


def circle_art(n, p):
    g, r, b, ink = p["green"], p["red"], p["blue"], p["ink"]
    if n == 1:
        out = [circle(82, 106, 72, fill=g, stroke=ink, stroke_width="3")]
        for i in range(12):
            a = i * math.pi / 6
            out.append(circle(82 + 60 * math.cos(a), 106 + 60 * math.sin(a), 8,
                              fill="#ffffff", stroke=r, stroke_width="3"))
        out += dot(82, 106, 44, b, ink)
        out.append(circle(82, 106, 14, fill=r))
        return out
    layouts = {
        2: ([(82, 58, g), (82, 154, b)], 40),
        3: ([(38, 46, b), (82, 106, r), (126, 166, g)], 31),
        4: ([(46, 58, b), (118, 58, g), (46, 154, g), (118, 154, b)], 33),
        5: ([(42, 50, b), (122, 50, g), (82, 106, r), (42, 162, g), (122, 162, b)], 29),
        6: ([(x, y, g if y == 40 else r) for y in (40, 106, 172) for x in (46, 118)], 28),
        7: ([(34, 28, g), (82, 46, g), (130, 64, g)]
            + [(x, y, r) for y in (122, 178) for x in (52, 112)], 24),
        8: ([(x, y, b) for y in (30, 80, 132, 182) for x in (46, 118)], 24),
        9: ([(x, y, c) for y, c in ((40, b), (106, r), (172, g)) for x in (34, 82, 130)], 23),
    }
    dots, radius = layouts[n]
    out = []
    for x, y, colour in dots:
        out += dot(x, y, radius, colour, ink)
    return out


def flower(cx, cy, r, petals, colour, centre, ink, petal_ratio=0.5):
    out = []
    for i in range(petals):
        a = i * 360 / petals
        out.append(ellipse(cx, cy - r * 0.55, r * petal_ratio * 0.8, r * 0.55, fill=colour,
                           stroke=ink, stroke_width=num(r * 0.05),
                           transform="rotate(%s %s %s)" % (num(a), num(cx), num(cy))))
    out.append(circle(cx, cy, r * 0.28, fill=centre, stroke=ink, stroke_width=num(r * 0.05)))
    return out


def leaf(x1, y1, x2, y2, width, colour, ink):
    """A pointed leaf from (x1, y1) to (x2, y2)."""
    mx, my = (x1 + x2) / 2, (y1 + y2) / 2
    dx, dy = x2 - x1, y2 - y1
    length = math.hypot(dx, dy) or 1
    nx, ny = -dy / length * width, dx / length * width
    d = "M%s %s Q%s %s %s %s Q%s %s %s %s Z" % (
        num(x1), num(y1), num(mx + nx), num(my + ny), num(x2), num(y2),
        num(mx - nx), num(my - ny), num(x1), num(y1))
    return [path(d, fill=colour, stroke=ink, stroke_width="2"),
            line(x1, y1, x2, y2, stroke=ink, stroke_width="1.5", stroke_opacity="0.6")]


def bonus_art(name, p):
    g, r, b, ink = p["green"], p["red"], p["blue"], p["ink"]
    out = []
    if name == "plum_blossom":
        out.append(path("M20 200 C50 160 60 130 100 100 C120 86 130 60 150 40", fill="none",
                        stroke=p["brown"], stroke_width="9", stroke_linecap="round"))
        out.append(path("M70 140 C90 140 110 150 130 170", fill="none", stroke=p["brown"],
                        stroke_width="6", stroke_linecap="round"))
        for cx, cy, rr in ((104, 96, 30), (60, 150, 26), (132, 168, 20), (146, 44, 18)):
            out += flower(cx, cy, rr, 5, p["pink"], p["gold"], ink, 0.8)
    elif name == "orchid":
        for x2, y2, w in ((20, 40, 10), (150, 30, 10), (100, 10, 8), (40, 90, 8)):
            out += leaf(82, 206, x2, y2, w, g, ink)
        for cx, cy in ((60, 96), (112, 70)):
            out += flower(cx, cy, 26, 3, p["purple"], p["gold"], ink, 0.9)
    elif name == "chrysanthemum":
        out.append(path("M82 200 C80 170 84 150 82 130", fill="none", stroke=g,
                        stroke_width="7"))
        out += leaf(82, 176, 30, 150, 14, g, ink) + leaf(82, 168, 138, 140, 14, g, ink)
        out += flower(82, 84, 62, 16, p["gold"], p["orange"], ink, 0.35)
        out += flower(82, 84, 34, 10, p["orange"], p["gold"], ink, 0.45)
    elif name == "bamboo":
        for i in range(4):
            y = 200 - i * 50
            out.append(rect(66, y - 46, 20, 46, 6, fill=g, stroke=ink, stroke_width="2.5"))
        out += leaf(86, 60, 150, 30, 10, g, ink) + leaf(86, 110, 154, 100, 10, g, ink)
        out += leaf(66, 90, 10, 60, 10, g, ink) + leaf(66, 150, 14, 140, 10, g, ink)
    elif name == "spring":
        out.append(path("M82 206 C82 170 80 140 84 110", fill="none", stroke=g,
                        stroke_width="7"))
        out += leaf(83, 150, 26, 120, 16, g, ink) + leaf(83, 138, 144, 104, 16, g, ink)
        out += flower(84, 70, 40, 5, p["pink"], p["gold"], ink, 0.85)
    elif name == "summer":
        for i in range(12):
            a = i * 30
            out.append(polygon([(76, 44), (88, 44), (82, 26)], fill=p["orange"], stroke=ink,
                               stroke_width="1.5",
                               transform="rotate(%s 82 106)" % a))
        out.append(circle(82, 106, 56, fill=p["gold"], stroke=ink, stroke_width="3"))
        out.append(circle(82, 106, 38, fill=p["orange"], fill_opacity="0.6"))
    elif name == "autumn":
        d = ("M82 20 L98 62 L140 50 L118 92 L156 112 L116 128 L126 170 L86 148 L82 190 "
             "L78 148 L38 170 L48 128 L8 112 L46 92 L24 50 L66 62 Z")
        out.append(path(d, fill=p["orange"], stroke=ink, stroke_width="3",
                        stroke_linejoin="round"))
        for x2, y2 in ((82, 40), (130, 62), (144, 112), (34, 62), (20, 112)):
            out.append(line(82, 150, x2, y2, stroke=r, stroke_width="2.5"))
        out.append(line(82, 150, 82, 206, stroke=p["brown"], stroke_width="6"))
    elif name == "winter":
        for i in range(6):
            t = "rotate(%s 82 106)" % (i * 60)
            out.append(line(82, 106, 82, 30, stroke=b, stroke_width="9", stroke_linecap="round",
                            transform=t))
            for y, s in ((58, 18), (80, 12)):
                out.append(path("M%s %s L82 %s L%s %s" % (82 - s, y - s, y, 82 + s, y - s),
                                fill="none", stroke=b, stroke_width="6",
                                stroke_linecap="round", transform=t))
        out.append(circle(82, 106, 12, fill="#ffffff", stroke=b, stroke_width="5"))
    return out


BONUS_GLYPHS = {"plum_blossom": "梅", "orchid": "蘭", "chrysanthemum": "菊", "bamboo": "竹",
                "spring": "春", "summer": "夏", "autumn": "秋", "winter": "冬"}
WIND_GLYPHS = {"east_wind": ("東", "E"), "south_wind": ("南", "S"),
               "west_wind": ("西", "W"), "north_wind": ("北", "N")}


def traditional_art(code, glyphs, p):
    """The traditional picture of a face in the 164 x 212 box, without index marks."""
    name = FACE_IDS[code]
    if code < 9:
        return bamboo_art(code + 1, p)
    if code < 18:
        n = code - 9
        return [glyphs.place("serif:" + CJK_NUMERALS[n], 18, 4, 128, 96, p["ink"]),
                glyphs.place("serif:萬", 10, 104, 144, 108, p["red"])]
    if code < 27:
        return circle_art(code - 17, p)
    if name in WIND_GLYPHS:
        return [glyphs.place("serif:" + WIND_GLYPHS[name][0], 6, 16, 152, 180, p["ink"])]
    if name == "red_dragon":
        return [glyphs.place("serif:中", 6, 10, 152, 192, p["red"])]
    if name == "green_dragon":
        return [glyphs.place("serif:發", 4, 12, 156, 188, p["green"])]
    if name == "white_dragon":
        return [rect(14, 16, 136, 180, 10, fill="none", stroke=p["blue"], stroke_width="12"),
                rect(34, 36, 96, 140, 4, fill="none", stroke=p["blue"], stroke_width="4")]
    out = bonus_art(name, p)
    colour = p["red"] if code < 38 else p["blue"]
    out.append(glyphs.place("serif:" + BONUS_GLYPHS[name], 118, 150, 44, 56, colour))
    return out


def index_mark(code, glyphs, p):
    """The small number (or wind letter) in the upper left corner of a marked face."""
    name = FACE_IDS[code]
    if code < 27:
        key, colour = "latin:%d" % (code % 9 + 1), (p["green"], p["red"], p["blue"])[code // 9]
    elif name in WIND_GLYPHS:
        key, colour = "latin:" + WIND_GLYPHS[name][1], p["ink"]
    elif code >= 34:
        key, colour = "latin:%d" % ((code - 34) % 4 + 1), p["red"] if code < 38 else p["blue"]
    else:
        return []
    return [glyphs.place(key, -8, -6, 30, 40, colour, align="left")]


def half_marked(code):
    """The mixed set marks only the faces whose pictures are hard to count or read."""
    return 9 <= code < 18 or code >= 27


def face_art(code, glyphs, style):
    """The art of one face in the 164 x 212 box, for a catalogue style."""
    if style == "simple":
        return simple_art(code, glyphs)
    p = PALETTES[{"rustic": "rustic", "half": "mixed"}.get(style, "classic")]
    art = traditional_art(code, glyphs, p)
    marked = style in ("numbered", "rustic") or (style == "half" and half_marked(code))
    if marked and index_mark(code, glyphs, p):
        return [group(art, transform="translate(26 30) scale(0.84)")] + index_mark(code, glyphs, p)
    return art


def simple_art(code, glyphs):
    """Flat modern faces: a large number or letter over a small suit sign."""
    p = PALETTES["classic"]
    name = FACE_IDS[code]
    if code < 27:
        suit = code // 9
        colour = (p["green"], p["red"], p["blue"])[suit]
        out = [glyphs.place("latin:%d" % (code % 9 + 1), 22, 4, 120, 116, colour)]
        if suit == 0:
            out += stick(82, 168, 76, p["green"], p["stick_light"], p["ink"])
        elif suit == 1:
            out.append(glyphs.place("sans:萬", 42, 130, 80, 78, p["red"]))
        else:
            out += dot(82, 168, 36, p["blue"], p["ink"])
        return out
    if name in WIND_GLYPHS:
        return [glyphs.place("latin:" + WIND_GLYPHS[name][1], 16, 26, 132, 160, p["ink"])]
    if name == "green_dragon":
        return [rect(30, 54, 104, 104, 18, fill=p["green"], stroke=p["ink"], stroke_width="4",
                     transform="rotate(45 82 106)")]
    if name == "red_dragon":
        return [circle(82, 106, 62, fill=p["red"], stroke=p["ink"], stroke_width="4")]
    if name == "white_dragon":
        return [rect(20, 24, 124, 164, 14, fill="none", stroke=p["blue"], stroke_width="12")]
    number = (code - 34) % 4 + 1
    colour = p["red"] if code < 38 else p["blue"]
    return ([glyphs.place("latin:%d" % number, 52, 0, 60, 70, colour)]
            + [group(bonus_art(name, p), transform="translate(24 76) scale(0.7)")])


def svg_faces(glyphs, style):
    """An SVG face set with its 42 elements, laid out in rows of nine."""
    body = []
    for code, id_ in enumerate(FACE_IDS):
        x = 10 + (code % 9) * (FACE_W + 10)
        y = 10 + (code // 9) * (FACE_H + 10)
        art = group(face_art(code, glyphs, style),
                    transform="translate(%s %s)" % (num(FACE_MARGIN), num(FACE_MARGIN)))
        body.append(group([bounds_rect(0, 0, FACE_W, FACE_H), art], id_=id_,
                          transform="translate(%s %s)" % (num(x), num(y))))
    return document(10 + 9 * (FACE_W + 10), 10 + 5 * (FACE_H + 10), body)


FACE_SHEET_CELL = (27, 42)
FACE_SHEET_SIZE = (27 * 42, 42)


def png_face_sheet(glyphs):
    """The SVG source of the bitmap face sheet: 42 cells of 27 x 42 pixels, each art
    kept inside the part of the cell that every orientation's cut shows."""
    scale = 10.0  # drawn at ten units per pixel
    cw, ch = FACE_SHEET_CELL
    art_x, art_y, art_w, art_h = 2.0, 5.0, 23.0, 32.0
    body = []
    for code in range(42):
        transform = "translate(%s %s) scale(%s %s)" % (
            num((code * cw + art_x) * scale), num(art_y * scale),
            "%.4f" % (art_w * scale / ART_W), "%.4f" % (art_h * scale / ART_H))
        body.append(group(face_art(code, glyphs, "rustic"), transform=transform))
    w, h = FACE_SHEET_SIZE
    return document(w, h, body, view_box=(0, 0, w * scale, h * scale))
