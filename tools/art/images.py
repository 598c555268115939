"""Table markers, side-bar and dialog images, icons, avatars and the skins' brand
images. Vector files are written as they are; bitmaps are SVG sources that the
rasteriser renders at their final pixel size."""

import math

from svg import (bounds_rect, circle, document, ellipse, group, line, linear_gradient,
                 num, path, polygon, radial_gradient, rect)

WINDS = (("East", "東"), ("South", "南"), ("West", "西"), ("North", "北"))

SKINS = {
    "default": {"felt": ("#2f6e46", "#24583a"), "accent": "#ffd46b", "accent_dark": "#b07a18",
                "word": "Pellandor", "word_colour": ("#fff4bd", "#e2b95c"),
                "splash": ("#143826", "#2f6e46")},
    "corvana": {"felt": ("#23466e", "#1a3554"), "accent": "#8fd3ff", "accent_dark": "#2b6fa8",
                "word": "corvana", "word_colour": ("#f2f8ff", "#8fc4ee"),
                "splash": ("#0f2236", "#23466e")},
}


def glyph_requests():
    items = [{"key": "serif:" + ch, "text": ch, "font": "Noto Serif CJK JP", "bold": True}
             for _, ch in WINDS]
    for word in ("Pellandor", "corvana", "Mahjong"):
        items.append({"key": "word:" + word, "text": word, "font": "DejaVu Sans",
                      "bold": True})
    return items


def wind_indicators(glyphs):
    """Wind discs: every element centred on (50, 50); "glow" is the largest and sets
    the reference size, the prevalent-wind markers fill their own box."""
    defs = [radial_gradient("disc", [(0, "#fffaf0"), (0.8, "#eadcb8"), (1, "#c8b080")]),
            radial_gradient("glow", [(0, "#ffe680", 0.0), (0.72, "#ffe680", 0.0),
                                     (0.8, "#ffd030", 0.9), (1, "#ffb000", 0.0)]),
            radial_gradient("prevalent", [(0, "#ff8a7a"), (1, "#a81c1c")])]
    body = [group([bounds_rect(19, 19, 62, 62), circle(50, 50, 30, fill="url(#glow)")],
                  id_="glow"),
            group([circle(50, 50, 27, fill="url(#disc)", stroke="#6b5630", stroke_width="2.5"),
                   circle(50, 50, 23, fill="none", stroke="#b59a62", stroke_width="1")],
                  id_="blank")]
    for name, ch in WINDS:
        body.append(group([glyphs.place("serif:" + ch, 36, 36, 28, 28, "#1c2438")],
                          id_=name.lower()))
    for name, ch in WINDS:
        body.append(group([circle(50, 50, 30, fill="url(#prevalent)", stroke="#4a0d0d",
                                  stroke_width="2"),
                           circle(50, 50, 25, fill="none", stroke="#ffd9a0", stroke_width="1.5"),
                           glyphs.place("serif:" + ch, 35, 35, 30, 30, "#fff4d6")],
                          id_="prevalent" + name))
    return document(100, 100, body, defs)


def riichi_stick():
    defs = [linear_gradient("stick", [(0, "#ffffff"), (1, "#d6d2c4")])]
    body = [group([rect(0, 0, 240, 18, 9, fill="url(#stick)", stroke="#6a6458",
                        stroke_width="1.5"),
                   circle(120, 9, 5.5, fill="#d0202a")], id_="stick")]
    return document(240, 18, body, defs)


def plate_highlight(skin):
    a, d = SKINS[skin]["accent"], SKINS[skin]["accent_dark"]
    defs = [linear_gradient("hl", [(0, a, 0.35), (0.5, a, 0.12), (1, a, 0.3)])]
    return document(228, 98, [rect(1.5, 1.5, 225, 95, 8, fill="url(#hl)", stroke=d,
                                   stroke_width="2"),
                              rect(4, 4, 220, 90, 6, fill="none", stroke=a,
                                   stroke_opacity="0.7", stroke_width="1")], defs)


def wind_strip(glyphs, highlighted):
    """Four 26 x 21 wind icons side by side: E, S, W, N."""
    body = []
    disc, ink = ("#ffd46b", "#3a2200") if highlighted else ("#efe4c8", "#1c2438")
    for i, (_, ch) in enumerate(WINDS):
        x = i * 26
        body.append(circle(x + 13, 10.5, 9.5, fill=disc, stroke="#5a4526", stroke_width="1"))
        body.append(glyphs.place("serif:" + ch, x + 6.5, 4, 13, 13, ink))
    return document(104, 21, body)


def stick_icon(counter):
    """The side bar's riichi-stick and counter-stick pictures."""
    colour = "#2a2a2a" if counter else "#d0202a"
    body = [rect(1, 3, 46, 6, 3, fill="#fbfaf5", stroke="#5a5548", stroke_width="0.8")]
    if counter:
        for x in (10, 16, 22, 28, 34):
            body.append(circle(x + 2, 6, 1.2, fill=colour))
    else:
        body.append(circle(24, 6, 2, fill=colour))
    return document(48, 12, body)


def rule(width, colours):
    defs = [linear_gradient("rule", [(0, colours[0], 0), (0.5, colours[0], 1),
                                     (1, colours[0], 0)], 0, 0, 1, 0)]
    return document(width, 6, [rect(0, 2, width, 1, fill="url(#rule)"),
                               rect(0, 3, width, 1, fill=colours[1], fill_opacity="0.5")], defs)


def game_background(skin):
    """A seamless felt texture: a base colour with a fine weave."""
    light, dark = SKINS[skin]["felt"]
    body = [rect(0, 0, 128, 128, fill=light)]
    for i in range(0, 128, 4):
        body.append(line(i, 0, i, 128, stroke=dark, stroke_opacity="0.25", stroke_width="1"))
        body.append(line(0, i + 2, 128, i + 2, stroke="#ffffff", stroke_opacity="0.05",
                         stroke_width="1"))
    for i in range(0, 128, 8):
        body.append(line(i, 0, i + 128, 128, stroke=dark, stroke_opacity="0.12",
                         stroke_width="1.5"))
        body.append(line(i - 128, 0, i, 128, stroke=dark, stroke_opacity="0.12",
                         stroke_width="1.5"))
    return document(128, 128, body)


def lock(closed):
    colour = "#2e9a48" if closed else "#c8322c"
    shackle = ("M10 15 L10 10 C10 3 22 3 22 10 L22 15" if closed
               else "M10 15 L10 10 C10 3 22 3 22 10 L22 11")
    body = [path(shackle, fill="none", stroke="#5a5a5a", stroke_width="3.5",
                 transform=None if closed else "translate(6 -3)"),
            rect(5, 14, 22, 15, 3, fill=colour, stroke="#2a2a2a", stroke_width="1.2"),
            circle(16, 20, 2.5, fill="#ffffff"), rect(15, 21, 2, 5, fill="#ffffff")]
    return document(32, 32, body)


def icon_smiley():
    return document(16, 16, [circle(8, 8, 7, fill="#ffd23a", stroke="#8a6400"),
                             circle(5.5, 6.5, 1, fill="#3a2a00"), circle(10.5, 6.5, 1, fill="#3a2a00"),
                             path("M4.5 9.5 C6 12.5 10 12.5 11.5 9.5", fill="none",
                                  stroke="#3a2a00", stroke_width="1.2")])


def icon_dollar():
    return document(16, 16, [circle(8, 8, 7, fill="#4cb05a", stroke="#1e5a28"),
                             path("M10.5 5.2 C9.5 4 5.5 4 5.5 6.3 C5.5 8.5 10.5 7.5 10.5 9.9 "
                                  "C10.5 12 6.5 12 5.3 10.7", fill="none", stroke="#ffffff",
                                  stroke_width="1.5"),
                             line(8, 2.8, 8, 13.2, stroke="#ffffff", stroke_width="1.2")])


def icon_trophy():
    return document(16, 16, [path("M4 2 L12 2 L12 6 C12 9 10 10.5 8 10.5 C6 10.5 4 9 4 6 Z",
                                  fill="#f2c230", stroke="#7a5a00", stroke_width="0.8"),
                             path("M4 3.5 C1 3.5 1.5 7.5 4.5 7.5 M12 3.5 C15 3.5 14.5 7.5 11.5 7.5",
                                  fill="none", stroke="#7a5a00", stroke_width="1"),
                             rect(7, 10.5, 2, 2.5, fill="#c89a10"),
                             rect(4.5, 13, 7, 2, 0.5, fill="#8a5a20")])


def icon_inactive():
    return document(14, 14, [circle(7, 7, 6.3, fill="#8a8a8a", stroke="#3a3a3a", stroke_width="0.8"),
                             rect(4.3, 4, 1.9, 6, fill="#ffffff"), rect(7.8, 4, 1.9, 6, fill="#ffffff")])


def avatar_selected():
    return document(64, 64, [rect(1.5, 1.5, 61, 61, 6, fill="none", stroke="#ffb300",
                                  stroke_width="3"),
                             circle(52, 52, 9, fill="#ffb300", stroke="#5a3a00", stroke_width="1"),
                             path("M47.5 52 L51 55.5 L57 48.5", fill="none", stroke="#ffffff",
                                  stroke_width="2.4", stroke_linecap="round")])


def checkbox(checked):
    body = [rect(1.5, 1.5, 13, 13, 2, fill="#fdfbf2", stroke="#6a5a3a", stroke_width="1.2")]
    if checked:
        body.append(path("M4 8.5 L7 11.5 L12.5 4.5", fill="none", stroke="#1f8a3a",
                         stroke_width="2.2", stroke_linecap="round", stroke_linejoin="round"))
    return document(16, 16, body)


def person(x, y, s, colour, outline="#2a2a2a"):
    """A head-and-shoulders silhouette in a box of size s at (x, y)."""
    return [circle(x + s * 0.5, y + s * 0.36, s * 0.19, fill=colour, stroke=outline,
                   stroke_width=num(s * 0.025)),
            path("M%s %s C%s %s %s %s %s %s Z" % (
                num(x + s * 0.16), num(y + s * 0.92), num(x + s * 0.16), num(y + s * 0.55),
                num(x + s * 0.84), num(y + s * 0.55), num(x + s * 0.84), num(y + s * 0.92)),
                fill=colour, stroke=outline, stroke_width=num(s * 0.025))]


def empty_seat():
    return document(48, 48, [rect(1, 1, 46, 46, 6, fill="#000000", fill_opacity="0.25",
                                  stroke="#fff4bd", stroke_opacity="0.5",
                                  stroke_dasharray="4 3"),
                             path("M14 34 L14 20 C14 14 34 14 34 20 L34 34 M12 27 L36 27",
                                  fill="none", stroke="#fff4bd", stroke_opacity="0.7",
                                  stroke_width="2.5", stroke_linecap="round")])


def seat_icon(taken):
    colour = "#ffd46b" if taken else "#ffffff"
    opacity = "1" if taken else "0.35"
    return document(13, 13, [circle(6.5, 4, 2.6, fill=colour, fill_opacity=opacity),
                             path("M1.8 12.5 C1.8 7.5 11.2 7.5 11.2 12.5 Z", fill=colour,
                                  fill_opacity=opacity)])


def presence(state):
    colours = {"available": ("#3cc25a", "#1a6a2a"), "away": ("#f2c230", "#7a5a00"),
               "extended_away": ("#f07a2a", "#7a3200"), "not_available": ("#9a9a9a", "#4a4a4a"),
               "unknown": ("#dcdcdc", "#6a6a6a")}
    fill, edge = colours[state]
    body = [circle(8, 8, 6.5, fill=fill, stroke=edge, stroke_width="1.2"),
            circle(6, 6, 2.2, fill="#ffffff", fill_opacity="0.5")]
    if state == "away":
        body.append(path("M8 4.5 L8 8 L10.5 9.5", fill="none", stroke=edge, stroke_width="1.3"))
    elif state == "extended_away":
        body.append(path("M5 8 L11 8", stroke="#ffffff", stroke_width="2"))
    elif state == "unknown":
        body.append(path("M6.2 6.3 C6.2 4 9.8 4 9.8 6.3 C9.8 7.8 8 7.8 8 9.5", fill="none",
                         stroke=edge, stroke_width="1.4"))
        body.append(circle(8, 11.6, 0.9, fill=edge))
    return document(16, 16, body)


def tab_icon(name):
    ink, fill = "#3a2a10", "#ffe7a0"
    common = dict(stroke=ink, stroke_width="1.6", stroke_linejoin="round")
    if name == "startpage":
        body = [polygon([(3, 12), (12, 4), (21, 12)], fill="#d0503a", **common),
                rect(5.5, 12, 13, 9, fill=fill, **common), rect(10, 15, 4, 6, fill=ink)]
    elif name == "lobby":
        body = [rect(3, 5, 9, 13, 1.5, fill="#fdf9ec", **common),
                rect(12, 6, 9, 13, 1.5, fill="#fdf9ec", **common,
                     transform="rotate(12 16 12)"),
                circle(7.5, 11.5, 2.2, fill="#1e4f9e")]
    elif name == "tournament":
        body = [path("M6 3 L18 3 L18 9 C18 14 15 15.5 12 15.5 C9 15.5 6 14 6 9 Z",
                     fill="#f2c230", **common),
                rect(10.5, 15.5, 3, 3, fill="#c89a10"), rect(7, 18.5, 10, 3, 1, fill="#8a5a20")]
    elif name == "preferences":
        teeth = []
        for i in range(8):
            a = i * math.pi / 4
            teeth.append(rect(10.5, 1.5, 3, 5, 0.8, fill="#9aa4b0",
                              transform="rotate(%s 12 12)" % num(math.degrees(a))))
        body = teeth + [circle(12, 12, 7, fill="#9aa4b0", **common),
                        circle(12, 12, 2.8, fill="#ffffff", stroke=ink, stroke_width="1.2")]
    elif name == "friends":
        body = person(9, 4, 15, "#7aa0d8", ink) + person(1, 7, 15, "#e0a060", ink)
    else:  # help
        body = [circle(12, 12, 9.5, fill="#4a8ad0", **common),
                path("M9 9.5 C9 6 15 6 15 9.5 C15 12 12 12 12 14.5", fill="none",
                     stroke="#ffffff", stroke_width="2.2", stroke_linecap="round"),
                circle(12, 17.8, 1.3, fill="#ffffff")]
    return document(24, 24, body)


def avatar(background, face, kind):
    """A 64 x 64 stock picture: a simple animal or figure on a coloured ground."""
    body = [rect(0, 0, 64, 64, 8, fill=background)]
    ink = "#2a2a2a"
    if kind == "person":
        body += person(6, 8, 52, face, ink)
    elif kind == "cat":
        body += [polygon([(14, 22), (18, 6), (28, 16)], fill=face, stroke=ink),
                 polygon([(50, 22), (46, 6), (36, 16)], fill=face, stroke=ink),
                 ellipse(32, 34, 22, 20, fill=face, stroke=ink, stroke_width="1.5"),
                 ellipse(24, 32, 3, 4, fill=ink), ellipse(40, 32, 3, 4, fill=ink),
                 polygon([(29, 40), (35, 40), (32, 43)], fill="#e07a8a"),
                 line(10, 40, 24, 41, stroke=ink), line(54, 40, 40, 41, stroke=ink)]
    elif kind == "panda":
        body += [circle(15, 16, 7, fill=ink), circle(49, 16, 7, fill=ink),
                 ellipse(32, 36, 23, 21, fill="#ffffff", stroke=ink, stroke_width="1.5"),
                 ellipse(23, 33, 6, 7, fill=ink, transform="rotate(-20 23 33)"),
                 ellipse(41, 33, 6, 7, fill=ink, transform="rotate(20 41 33)"),
                 circle(23, 33, 2, fill="#ffffff"), circle(41, 33, 2, fill="#ffffff"),
                 ellipse(32, 44, 4, 3, fill=ink)]
    elif kind == "fox":
        body += [polygon([(10, 8), (26, 22), (14, 30)], fill=face, stroke=ink),
                 polygon([(54, 8), (38, 22), (50, 30)], fill=face, stroke=ink),
                 path("M10 26 C14 16 50 16 54 26 L32 56 Z", fill=face, stroke=ink,
                      stroke_width="1.5"),
                 path("M18 34 L32 56 L46 34 C40 40 24 40 18 34 Z", fill="#ffffff"),
                 circle(24, 30, 2.5, fill=ink), circle(40, 30, 2.5, fill=ink),
                 circle(32, 54, 2.5, fill=ink)]
    elif kind == "owl":
        body += [ellipse(32, 36, 22, 24, fill=face, stroke=ink, stroke_width="1.5"),
                 circle(23, 30, 8, fill="#ffffff", stroke=ink), circle(41, 30, 8, fill="#ffffff",
                                                                       stroke=ink),
                 circle(23, 30, 3.5, fill=ink), circle(41, 30, 3.5, fill=ink),
                 polygon([(29, 38), (35, 38), (32, 45)], fill="#f0a020", stroke=ink)]
    elif kind == "robot":
        body += [rect(14, 16, 36, 32, 6, fill=face, stroke=ink, stroke_width="1.5"),
                 line(32, 16, 32, 8, stroke=ink, stroke_width="2"), circle(32, 7, 3, fill="#e03a3a"),
                 rect(20, 24, 9, 9, 2, fill="#ffffff"), rect(35, 24, 9, 9, 2, fill="#ffffff"),
                 rect(22, 40, 20, 3, 1.5, fill=ink)]
    elif kind == "tile":
        body += [rect(16, 8, 32, 44, 5, fill="#fdf9ec", stroke=ink, stroke_width="1.5"),
                 rect(16, 48, 32, 8, 3, fill=face, stroke=ink, stroke_width="1.5"),
                 circle(32, 28, 10, fill="#c9212b"), circle(32, 28, 5, fill="#fdf9ec")]
    return document(64, 64, body)


def pig():
    """The default texture of the table's spinning cube."""
    pink, dark = "#f4a6b8", "#b4566e"
    return document(128, 128, [
        rect(0, 0, 128, 128, fill="#fde3ea"),
        polygon([(24, 34), (30, 6), (52, 26)], fill=pink, stroke=dark, stroke_width="3"),
        polygon([(104, 34), (98, 6), (76, 26)], fill=pink, stroke=dark, stroke_width="3"),
        ellipse(64, 70, 50, 46, fill=pink, stroke=dark, stroke_width="3"),
        circle(44, 56, 6, fill="#2a2a2a"), circle(84, 56, 6, fill="#2a2a2a"),
        circle(46, 54, 2, fill="#ffffff"), circle(86, 54, 2, fill="#ffffff"),
        ellipse(64, 84, 20, 14, fill="#f08aa0", stroke=dark, stroke_width="3"),
        ellipse(57, 84, 4, 6, fill=dark), ellipse(71, 84, 4, 6, fill=dark),
        ellipse(34, 80, 8, 5, fill="#f07a90", fill_opacity="0.6"),
        ellipse(94, 80, 8, 5, fill="#f07a90", fill_opacity="0.6")])


def last_tile_marker():
    return document(14, 10, [polygon([(1, 1), (13, 1), (7, 9)], fill="#ffcc33", stroke="#7a4a00",
                                     stroke_width="1", stroke_linejoin="round")])


def default_avatar(colour):
    return document(64, 64, [rect(0, 0, 64, 64, 8, fill="#e8e2d0")] + person(6, 8, 52, colour))


def logo(skin, glyphs):
    """The brand mark of the main window: a tile emblem and the brand word."""
    s = SKINS[skin]
    top, bottom = s["word_colour"]
    defs = [linear_gradient("word", [(0, top), (1, bottom)])]
    body = [rect(4, 6, 30, 40, 5, fill="#fdf9ec", stroke="#3a2a10", stroke_width="2"),
            rect(4, 40, 30, 8, 3, fill=s["accent_dark"], stroke="#3a2a10", stroke_width="2"),
            circle(19, 24, 9, fill="#c9212b"), circle(19, 24, 4, fill="#fdf9ec"),
            glyphs.place("word:" + s["word"], 44, 8, 170, 34, "url(#word)", align="left",
                         stroke="#2a1a00", stroke_width="2")]
    return document(220, 52, body, defs)


def splash(skin, glyphs):
    s = SKINS[skin]
    top, bottom = s["word_colour"]
    defs = [linear_gradient("bg", [(0, s["splash"][0]), (1, s["splash"][1])]),
            linear_gradient("word", [(0, top), (1, bottom)])]
    body = [rect(0, 0, 480, 300, fill="url(#bg)")]
    for i, x in enumerate((150, 196, 242, 288)):
        body += [rect(x, 50, 40, 56, 6, fill="#fdf9ec", stroke="#2a1a00", stroke_width="2"),
                 rect(x, 100, 40, 10, 4, fill=s["accent_dark"], stroke="#2a1a00",
                      stroke_width="2")]
        body.append(glyphs.place("serif:" + WINDS[i][1], x + 6, 58, 28, 40, "#1c2438"))
    body.append(glyphs.place("word:" + s["word"], 60, 140, 360, 70, "url(#word)",
                             stroke="#1a1000", stroke_width="3"))
    body.append(glyphs.place("word:Mahjong", 170, 220, 140, 36, s["accent"]))
    return document(480, 300, body, defs)


STOCK_AVATARS = [("avatar-cat.png", "#9ad0f0", "#f0b060", "cat"),
                 ("avatar-panda.png", "#b8e0a0", "#ffffff", "panda"),
                 ("avatar-fox.png", "#f8e0a8", "#e8782a", "fox"),
                 ("avatar-owl.png", "#c8b8e8", "#a07850", "owl"),
                 ("avatar-robot.png", "#f0c0c0", "#a8b8c8", "robot"),
                 ("avatar-tile.png", "#a8d8c8", "#2f7d4a", "tile"),
                 ("avatar-red.png", "#f8d0c0", "#c8423a", "person"),
                 ("avatar-green.png", "#d0f0d0", "#3f9a5c", "person")]


def png_sources(skin, glyphs):
    """(SVG source, width, height) of every bitmap of a skin, by file name."""
    brand = {"logo.png": (logo(skin, glyphs), 220, 52),
             "splash.png": (splash(skin, glyphs), 480, 300),
             "game-background.png": (game_background(skin), 128, 128),
             "sb-hilight.png": (plate_highlight(skin), 228, 98)}
    if skin != "default":
        return brand
    files = dict(brand)
    files.update({
        "last-tile-marker.png": (last_tile_marker(), 14, 10),
        "sb-winds.png": (wind_strip(glyphs, False), 104, 21),
        "sb-winds-hilight.png": (wind_strip(glyphs, True), 104, 21),
        "sb-riichi-stick.png": (stick_icon(False), 48, 12),
        "sb-counter-stick.png": (stick_icon(True), 48, 12),
        "meld_auction_separator": (rule(64, ("#fff4bd", "#000000")), 64, 6),
        "short-hr.png": (rule(120, ("#fff4bd", "#000000")), 120, 6),
        "woodbackground-hr.png": (rule(228, ("#e2c080", "#3a2210")), 228, 6),
        "safe.png": (lock(True), 32, 32),
        "unsafe.png": (lock(False), 32, 32),
        "inactive-table-icon.png": (icon_inactive(), 14, 14),
        "smiley-normal.png": (icon_smiley(), 16, 16),
        "dollar-normal.png": (icon_dollar(), 16, 16),
        "trophy-normal.png": (icon_trophy(), 16, 16),
        "avatar-selected.png": (avatar_selected(), 64, 64),
        "checkbox-checked-normal.png": (checkbox(True), 16, 16),
        "empty-box.png": (checkbox(False), 16, 16),
        "empty-seat.png": (empty_seat(), 48, 48),
        "seat-taken.png": (seat_icon(True), 13, 13),
        "seat-free.png": (seat_icon(False), 13, 13),
        "avatar-default-1.png": (default_avatar("#7a8aa0"), 64, 64),
        "avatar-default-2.png": (default_avatar("#a08a7a"), 64, 64),
        "avatar-default-blue.png": (default_avatar("#3a7ad0"), 64, 64),
        "avatars/pig.png": (pig(), 128, 128),
    })
    for state in ("available", "away", "extended_away", "not_available", "unknown"):
        files["xmpp_%s.png" % state] = (presence(state), 16, 16)
    for name in ("startpage", "lobby", "tournament", "preferences", "friends", "help"):
        files["tabicons/%s.png" % name] = (tab_icon(name), 24, 24)
    for name, background, face, kind in STOCK_AVATARS:
        files["avatars/" + name] = (avatar(background, face, kind), 64, 64)
    return files


def vector_files(glyphs):
    """The vector images of the default skin, by file name."""
    return {"wind-indicators.svg": wind_indicators(glyphs),
            "riichi-stick.svg": riichi_stick()}
