#!/usr/bin/env python3
"""Draws every skin image that Velora loads from "Skins/" beside its executable.

    make_skins.py [--out DIR]                  the real set (default: Skins/ of the repository)
    make_skins.py --check DIR                  exit 1 when DIR's images differ from what is drawn here
    make_skins.py --flat DIR --header FILE     the test set: one flat colour per image, and a C++ header
    make_skins.py --sheet FILE                 a contact sheet with mock-ups of the caption, tree and dialogs

Everything is drawn with Pillow from shapes (at SS times the size, then box-filtered down, so edges are
anti-aliased) and with fonts from Debian packages; the output is the same bytes on every run.
"""
import argparse
import math
import os
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(HERE)
SS = 4  # supersampling factor

FONT_CJK = "/usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf"  # Wine's stand-in for 宋体
FONT_SANS = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"
FONT_SANS_BOLD = "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf"

# Palette: everything derives from the client's two blues.
BLUE = (84, 153, 238)  # splitter, caption top
DEEP = (47, 140, 194)  # status bar, edit borders, caption bottom
DARK = (33, 106, 156)  # lines and shadows on blue
TINT = (234, 243, 253)  # light wash of BLUE
TINT2 = (208, 228, 251)
INK = (52, 64, 78)  # dark text drawn into images
MUTED = (150, 160, 172)  # inactive text
GREY = (226, 231, 237)  # inactive surfaces
CORAL = (222, 84, 72)  # close-button hover, the one warm colour
WHITE = (255, 255, 255)

RADIUS = 6  # large shapes: entries, avatar, float box
RADIUS_SMALL = 3  # buttons
STROKE = 2.0  # caption entry glyphs
STROKE_SMALL = 1.5  # window-button and dialog-close glyphs


def rgba(c, a=255):
    return tuple(c[:3]) + (a,)


def mix(c0, c1, t):
    return tuple(int(round(a + (b - a) * t)) for a, b in zip(c0, c1))


def font(path, px):
    return ImageFont.truetype(path, px)


class Art:
    """An RGBA picture drawn at SS times its size; coordinates are in final pixels (pixel edges)."""

    def __init__(self, w, h, fill=(0, 0, 0, 0)):
        self.w, self.h = w, h
        self.big = Image.new("RGBA", (w * SS, h * SS), fill)

    def _mask(self):
        m = Image.new("L", self.big.size, 0)
        return m, ImageDraw.Draw(m)

    def paint(self, mask, paint):
        """Composites paint (a colour, or a picture of the canvas's size) through mask."""
        if isinstance(paint, tuple):
            layer = Image.new("RGBA", self.big.size, rgba(paint, paint[3] if len(paint) == 4 else 255))
        else:
            layer = paint.copy()
        layer.putalpha(ImageChops.multiply(layer.getchannel("A"), mask))
        self.big.alpha_composite(layer)

    def cut(self, mask):
        """Makes the masked area transparent."""
        self.big.putalpha(ImageChops.multiply(self.big.getchannel("A"), ImageChops.invert(mask)))

    def vgrad(self, stops, y0=0, y1=None):
        """A vertical gradient picture of the canvas's size; stops are (t, colour) with t from 0 to 1."""
        y1 = self.h if y1 is None else y1
        col = Image.new("RGBA", (1, self.big.height))
        px = []
        for yb in range(self.big.height):
            t = min(max(((yb + 0.5) / SS - y0) / max(y1 - y0, 1e-6), 0.0), 1.0)
            for (ta, ca), (tb, cb) in zip(stops, stops[1:]):
                if t <= tb:
                    c = mix(rgba(ca, ca[3] if len(ca) == 4 else 255), rgba(cb, cb[3] if len(cb) == 4 else 255),
                            (t - ta) / max(tb - ta, 1e-6))
                    break
            px.append(c)
        col.putdata(px)
        return col.resize(self.big.size, Image.NEAREST)

    # Shapes: each returns its mask so that callers may cut with it.
    def rrect_mask(self, box, r):
        m, d = self._mask()
        x0, y0, x1, y1 = box
        d.rounded_rectangle([x0 * SS, y0 * SS, x1 * SS - 1, y1 * SS - 1], radius=r * SS, fill=255)
        return m

    def rrect(self, box, r, paint):
        m = self.rrect_mask(box, r)
        self.paint(m, paint)
        return m

    def rring(self, box, r, width, paint):
        """A rounded outline lying inside box."""
        m = self.rrect_mask(box, r)
        x0, y0, x1, y1 = box
        inner = self.rrect_mask((x0 + width, y0 + width, x1 - width, y1 - width), max(r - width, 0))
        m = ImageChops.subtract(m, inner)
        self.paint(m, paint)
        return m

    def rect(self, box, paint):
        return self.rrect(box, 0, paint)

    def ellipse_mask(self, box):
        m, d = self._mask()
        x0, y0, x1, y1 = box
        d.ellipse([x0 * SS, y0 * SS, x1 * SS - 1, y1 * SS - 1], fill=255)
        return m

    def ellipse(self, box, paint):
        m = self.ellipse_mask(box)
        self.paint(m, paint)
        return m

    def polygon_mask(self, pts):
        m, d = self._mask()
        d.polygon([(x * SS, y * SS) for x, y in pts], fill=255)
        return m

    def polygon(self, pts, paint):
        m = self.polygon_mask(pts)
        self.paint(m, paint)
        return m

    def stroke_mask(self, pts, width, closed=False):
        """A polyline with round joins and caps, centred on the points."""
        m, d = self._mask()
        big = [(x * SS, y * SS) for x, y in pts]
        if closed:
            big.append(big[0])
        wb = width * SS
        d.line(big, fill=255, width=int(round(wb)), joint="curve")
        for x, y in big:
            d.ellipse([x - wb / 2, y - wb / 2, x + wb / 2, y + wb / 2], fill=255)
        return m

    def stroke(self, pts, width, paint, closed=False):
        m = self.stroke_mask(pts, width, closed)
        self.paint(m, paint)
        return m

    def arc_points(self, cx, cy, r, a0, a1, n=48):
        return [(cx + r * math.cos(math.radians(a0 + (a1 - a0) * i / n)),
                 cy + r * math.sin(math.radians(a0 + (a1 - a0) * i / n))) for i in range(n + 1)]

    def text_mask(self, xy, s, path, px, anchor="la", stroke=0):
        m, d = self._mask()
        f = font(path, px * SS)
        d.text((xy[0] * SS, xy[1] * SS), s, font=f, fill=255, anchor=anchor, stroke_width=int(stroke * SS),
               stroke_fill=255)
        return m

    def text(self, xy, s, path, px, paint, anchor="la"):
        m = self.text_mask(xy, s, path, px, anchor)
        self.paint(m, paint)
        return m

    def image(self):
        return self.big.resize((self.w, self.h), Image.BOX)


# ---------------------------------------------------------------------------------------------------
# The skin table: name -> size and painter. OVERLAY marks images drawn over another image at the same
# place (entry icons over the hover/focus backgrounds, glyphs over the button backgrounds).

SKINS = {}


class Skin:
    def __init__(self, name, w, h, draw, overlay):
        self.name, self.w, self.h, self.draw, self.overlay = name, w, h, draw, overlay

    def render(self):
        img = self.draw(Art(self.w, self.h))
        assert img.size == (self.w, self.h), self.name
        return img


def skin(name, w, h, overlay=False):
    def register(fn):
        SKINS[name] = Skin(name, w, h, fn, overlay)
        return fn

    return register


def skins(names, w, h, overlay=False):
    def register(fn):
        for n in names:
            SKINS[n] = Skin(n, w, h, (lambda a, n=n: fn(a, n)), overlay)
        return fn

    return register


# ---- Caption band ---------------------------------------------------------------------------------

CAPTION_H = 85  # the entries and the logo reach down to y = 85
CAPTION_TOP = mix(BLUE, WHITE, 0.05)
CAPTION_BOTTOM = mix(BLUE, DEEP, 0.85)


@skin("bg_title_bar", 1280, CAPTION_H)
def draw_title_bar(a):
    # Drawn twice side by side: everything here repeats with the image's width.
    a.rect((0, 0, a.w, a.h), a.vgrad([(0, CAPTION_TOP), (1, CAPTION_BOTTOM)]))
    # faint contour lines of a map, periodic in x
    for amp, base, phase, alpha in [(9, 30, 0.0, 16), (12, 52, 1.7, 13), (7, 70, 3.1, 11)]:
        pts = []
        for i in range(-8, 1300 // 8 + 9):
            x = i * 8
            y = base + amp * math.sin(2 * math.pi * (x / 640.0) + phase) + 4 * math.sin(2 * math.pi * x / 320.0)
            pts.append((x, y))
        a.stroke(pts, 1.0, rgba(WHITE, alpha))
    a.rect((0, 0, a.w, 1), rgba(WHITE, 60))  # top highlight
    a.rect((0, a.h - 1, a.w, a.h), rgba(DARK, 255))  # edge to the panes below
    return a.image()


@skin("book_menu_hover", 80, 80)
def draw_menu_hover(a):
    a.rrect((2, 2, 78, 78), RADIUS, rgba(WHITE, 34))
    a.rring((2, 2, 78, 78), RADIUS, 1, rgba(WHITE, 50))
    return a.image()


@skin("book_menu_focus", 80, 80)
def draw_menu_focus(a):
    a.rrect((2, 2, 78, 78), RADIUS, a.vgrad([(0, rgba(DARK, 120)), (1, rgba(DARK, 170))]))
    a.rring((2, 2, 78, 78), RADIUS, 1, rgba(WHITE, 70))
    a.rect((26, 75, 54, 77), rgba(WHITE, 230))  # selection tick under the label
    return a.image()


def glyph_origin(cx):
    """Entry icons: the glyph's 36 x 36 box, centred on cx over the label (which starts at y = 59)."""
    return cx - 18, 10


@skin("icon_book_plaza", 80, 80, overlay=True)
def draw_book_plaza(a):
    ox, oy = glyph_origin(40)
    w = STROKE
    left = [(ox + 18, oy + 11), (ox + 13, oy + 8), (ox + 3, oy + 7), (ox + 3, oy + 29), (ox + 13, oy + 30),
            (ox + 18, oy + 33)]
    right = [(2 * ox + 36 - x, y) for x, y in left]
    a.polygon(left, rgba(WHITE, 40))
    a.polygon(right, rgba(WHITE, 40))
    a.stroke(left, w, WHITE)
    a.stroke(right, w, WHITE)
    a.stroke([(ox + 18, oy + 11), (ox + 18, oy + 33)], w, WHITE)
    for dy in (14, 19, 24):
        a.stroke([(ox + 7.5, oy + dy - 0.5), (ox + 13.5, oy + dy + 0.5)], 1.5, rgba(WHITE, 200))
        a.stroke([(ox + 22.5, oy + dy + 0.5), (ox + 28.5, oy + dy - 0.5)], 1.5, rgba(WHITE, 200))
    # a bookmark ribbon on the right page
    a.polygon([(ox + 25, oy + 8.4), (ox + 29, oy + 8.0), (ox + 29, oy + 16), (ox + 27, oy + 14), (ox + 25, oy + 16)],
              WHITE)
    return a.image()


@skin("icon_journey_capture", 85, 80, overlay=True)
def draw_journey(a):
    ox, oy = glyph_origin(41)
    w = STROKE
    m = [(ox + 3, oy + 10), (ox + 13, oy + 6), (ox + 23, oy + 10), (ox + 33, oy + 6), (ox + 33, oy + 29),
         (ox + 23, oy + 33), (ox + 13, oy + 29), (ox + 3, oy + 33)]
    a.polygon(m, rgba(WHITE, 40))
    a.stroke(m, w, WHITE, closed=True)
    a.stroke([(ox + 13, oy + 6), (ox + 13, oy + 29)], w, WHITE)
    a.stroke([(ox + 23, oy + 10), (ox + 23, oy + 33)], w, WHITE)
    # a dotted route across the panels
    for x, y in [(ox + 7, oy + 25), (ox + 10, oy + 22), (ox + 14, oy + 21), (ox + 17.5, oy + 22.5)]:
        a.ellipse((x - 1, y - 1, x + 1, y + 1), rgba(WHITE, 220))
    # the pin, cut out of the map so it reads on any background
    px, py, r = ox + 24, oy + 12, 6.5
    pin = [(px + r * math.cos(math.radians(t)), py + r * math.sin(math.radians(t))) for t in range(150, 391, 6)]
    pin.append((px, py + 13))
    outer = a.polygon_mask([(x + (x - px) * 0.3, y + (y - py) * 0.22) for x, y in pin])
    a.cut(outer)
    a.polygon(pin, WHITE)
    a.cut(a.ellipse_mask((px - 2.5, py - 2.5, px + 2.5, py + 2.5)))
    return a.image()


@skin("icon_mid", 80, 80, overlay=True)
def draw_mobile(a):
    ox, oy = glyph_origin(40)
    w = STROKE
    a.rrect((ox + 9, oy + 3, ox + 27, oy + 34), 3.5, rgba(WHITE, 40))
    a.rring((ox + 9, oy + 3, ox + 27, oy + 34), 3.5, w, WHITE)
    a.stroke([(ox + 16, oy + 7), (ox + 20, oy + 7)], 1.5, WHITE)
    a.ellipse((ox + 16.5, oy + 28, ox + 19.5, oy + 31), WHITE)
    # a download arrow on the screen: the apps to install
    a.stroke([(ox + 18, oy + 12), (ox + 18, oy + 22)], w, WHITE)
    a.stroke([(ox + 14, oy + 18.5), (ox + 18, oy + 22.5), (ox + 22, oy + 18.5)], w, WHITE)
    return a.image()


@skin("icon_setting", 80, 80, overlay=True)
def draw_setting(a):
    ox, oy = glyph_origin(38)
    cx, cy = ox + 18, oy + 19
    teeth, r_out, r_in = 8, 14.5, 11.0
    pts = []
    for i in range(teeth):
        base = 360.0 * i / teeth
        for da, r in [(-22.5, r_in), (-12, r_in), (-8, r_out), (8, r_out), (12, r_in)]:
            t = math.radians(base + da)
            pts.append((cx + r * math.cos(t), cy + r * math.sin(t)))
    a.polygon(pts, rgba(WHITE, 40))
    a.stroke(pts, STROKE, WHITE, closed=True)
    a.stroke(a.arc_points(cx, cy, 4.5, 0, 360), STROKE, WHITE, closed=True)
    return a.image()


@skin("user_header", 70, 70)
def draw_user_header(a):
    a.rrect((0, 0, 70, 70), RADIUS, a.vgrad([(0, TINT), (1, TINT2)]))
    body = ImageChops.multiply(a.ellipse_mask((13, 42, 57, 84)), a.rrect_mask((0, 0, 70, 70), RADIUS))
    a.paint(body, (150, 186, 228))
    a.ellipse((23, 13, 47, 37), (150, 186, 228))
    a.rring((0, 0, 70, 70), RADIUS, 2, WHITE)
    return a.image()


@skin("icons_jiong", 70, 70)
def draw_jiong(a):
    # the embarrassed face of the character 囧: shown when an avatar does not decode
    a.rrect((0, 0, 70, 70), RADIUS, a.vgrad([(0, (246, 248, 251)), (1, GREY)]))
    c = (120, 146, 176)
    a.rring((14, 8, 56, 52), 5, 2.5, c)
    a.stroke([(29, 16), (21, 28)], 2.5, c)
    a.stroke([(41, 16), (49, 28)], 2.5, c)
    a.rring((27, 33, 43, 47), 3, 2.5, c)
    a.rring((0, 0, 70, 70), RADIUS, 2, WHITE)
    return a.image()


# Window buttons, 36 x 20 each, at the top right of the caption.
@skin("bg_op_window", 36, 20)
def draw_op_hover(a):
    a.rrect((1, 1, 35, 19), RADIUS_SMALL, rgba(WHITE, 52))
    return a.image()


@skin("bg_close", 36, 20)
def draw_close_hover(a):
    a.rrect((1, 1, 35, 19), RADIUS_SMALL, a.vgrad([(0, (232, 98, 86)), (1, CORAL)]))
    return a.image()


@skin("icon_minimize", 36, 20, overlay=True)
def draw_minimize(a):
    a.rect((13, 13, 23, 14.5), WHITE)
    return a.image()


@skin("icon_maximize", 36, 20, overlay=True)
def draw_maximize(a):
    a.rring((13, 5, 23, 15), 1, STROKE_SMALL, WHITE)
    a.rect((13, 5, 23, 7), WHITE)
    return a.image()


def draw_cross(a, cx, cy, half, width, paint):
    a.stroke([(cx - half, cy - half), (cx + half, cy + half)], width, paint)
    a.stroke([(cx - half, cy + half), (cx + half, cy - half)], width, paint)


@skin("icon_close", 36, 20, overlay=True)
def draw_close(a):
    draw_cross(a, 18, 10, 4.5, STROKE_SMALL, WHITE)
    return a.image()


# Logo and title under the window buttons: the title is drawn 40 pixels left of the logo's rectangle
# (75 x 48), so the emblem sits in the logo's right part and the wordmark runs into its left part.
def draw_emblem(a, box):
    """A road running over hills to the horizon, on a white tile."""
    x0, y0, x1, y1 = box
    size = x1 - x0
    r = RADIUS + 3
    a.rrect((x0 + 0.5, y0 + 1.5, x1 + 0.5, y1 + 1.5), r, rgba(DARK, 80))  # drop shadow
    tile = a.rrect_mask(box, r)
    a.paint(tile, a.vgrad([(0, WHITE), (1, TINT)], y0, y1))

    def clipped(mask):
        return ImageChops.multiply(mask, tile)

    horizon = y0 + size * 0.5

    def hill(base, amp, phase, colour):
        pts = [(x0 + size * i / 40, base - size * amp * math.sin(i / 40 * math.pi * 1.2 + phase)) for i in range(41)]
        a.paint(clipped(a.polygon_mask(pts + [(x1, y1), (x0, y1)])), colour)

    hill(horizon, 0.10, 0.5, TINT2)
    hill(horizon + size * 0.1, 0.08, 1.9, (178, 210, 246))

    def centre(t):  # t = 0 at the bottom edge, 1 at the horizon
        return (x0 + size * (0.36 + 0.3 * t - 0.14 * math.sin(t * math.pi)), y1 + 1 - (y1 + 1 - horizon) * t)

    def half(t):
        return size * (0.24 * (1 - t) ** 1.2 + 0.025)

    n = 48
    left = [(centre(i / n)[0] - half(i / n), centre(i / n)[1]) for i in range(n + 1)]
    right = [(centre(i / n)[0] + half(i / n), centre(i / n)[1]) for i in range(n + 1)]
    a.paint(clipped(a.polygon_mask(left + right[::-1])), a.vgrad([(0, BLUE), (1, DEEP)], horizon, y1))
    for k in range(3):  # the dashed centre line, shorter towards the horizon
        t0 = 0.05 + k * 0.3
        pts = [centre(t0 + 0.15 * (1 - k * 0.25) * j / 6) for j in range(7)]
        a.paint(clipped(a.stroke_mask(pts, size * 0.05 * (1 - t0 * 0.7))), WHITE)
    # the destination: a pin where the road meets the horizon
    px, py, pr = centre(1)[0] + size * 0.02, horizon - size * 0.2, size * 0.11
    pin = a.arc_points(px, py, pr, 150, 390, 24) + [(px, py + pr * 2.1)]
    a.polygon(pin, DEEP)
    a.cut(a.ellipse_mask((px - pr * 0.42, py - pr * 0.42, px + pr * 0.42, py + pr * 0.42)))
    a.ellipse((px - pr * 0.42, py - pr * 0.42, px + pr * 0.42, py + pr * 0.42), WHITE)


@skin("logo", 75, 48)
def draw_logo(a):
    draw_emblem(a, (35, 5, 73, 43))
    return a.image()


@skin("text_velora", 70, 42)
def draw_title_text(a):
    shadow = a.text_mask((69, 21.5), "维罗路书", FONT_CJK, 16, anchor="rs")
    a.paint(shadow.transform(shadow.size, Image.AFFINE, (1, 0, 0, 0, 1, -SS)), rgba(DARK, 110))
    a.text((69, 20.5), "维罗路书", FONT_CJK, 16, WHITE, anchor="rs")
    spaced = " ".join("VELORA")
    a.text((69, 33), spaced, FONT_SANS_BOLD, 9, rgba(WHITE, 215), anchor="rs")
    return a.image()


# ---- Tree rows (31 pixels high; the control is 200 pixels wide) ---------------------------------------

TREE_BG = (238, 238, 238)


@skin("item_hover", 200, 31)
def draw_item_hover(a):
    a.rect((0, 0, a.w, a.h), (226, 236, 248))
    a.rect((0, 0, 3, a.h), rgba(BLUE, 110))
    return a.image()


@skin("item_focus", 200, 31)
def draw_item_focus(a):
    a.rect((0, 0, a.w, a.h), a.vgrad([(0, (214, 232, 252)), (1, (200, 224, 250))]))
    a.rect((0, 0, a.w, 1), (188, 214, 244))
    a.rect((0, a.h - 1, a.w, a.h), (188, 214, 244))
    a.rect((0, 0, 3, a.h), BLUE)
    return a.image()


# ---- Skinned dialog frame ------------------------------------------------------------------------------
# The frame is as thick as the dialog's non-client edges: 8 left, 7 right, 7 bottom; the top band is
# 20 pixels of blue (the caption of a dialog whose top is moved 2 pixels out) and 6 pixels of white, which
# on a system with a taller caption fill the extra rows like the client area below them.

DLG_BAND = 20
DLG_TOP = DLG_BAND + 6
DLG_L, DLG_R, DLG_B = 8, 7, 7
DLG_LINE = DEEP


def dialog_band(a):
    a.rect((0, 0, a.w, a.h), WHITE)
    a.rect((0, 0, a.w, DLG_BAND), a.vgrad([(0, CAPTION_TOP), (1, CAPTION_BOTTOM)], 0, DLG_BAND))
    a.rect((0, 0, a.w, 1), (70, 140, 212))


@skin("dlg_login_top_banner", 64, DLG_TOP)
def draw_dlg_top(a):
    dialog_band(a)
    return a.image()


@skin("dlg_login_ltop", DLG_L, DLG_TOP)
def draw_dlg_ltop(a):
    dialog_band(a)
    a.rect((0, 0, 1, a.h), DLG_LINE)
    return a.image()


@skin("dlg_login_rtop_banner", DLG_R, DLG_TOP)
def draw_dlg_rtop(a):
    dialog_band(a)
    a.rect((a.w - 1, 0, a.w, a.h), DLG_LINE)
    return a.image()


@skin("dlg_login_left_banner", DLG_L, 32)
def draw_dlg_left(a):
    a.rect((0, 0, a.w, a.h), WHITE)
    a.rect((0, 0, 1, a.h), DLG_LINE)
    return a.image()


@skin("dlg_login_right_banner", DLG_R, 32)
def draw_dlg_right(a):
    a.rect((0, 0, a.w, a.h), WHITE)
    a.rect((a.w - 1, 0, a.w, a.h), DLG_LINE)
    return a.image()


@skin("dlg_login_bottom_banner", 64, DLG_B)
def draw_dlg_bottom(a):
    a.rect((0, 0, a.w, a.h), WHITE)
    a.rect((0, a.h - 1, a.w, a.h), DLG_LINE)
    return a.image()


@skins(["dlg_border_leftbottom", "dlg_login_lbottom"], DLG_L, DLG_B)
def draw_dlg_lbottom(a, name):
    a.rect((0, 0, a.w, a.h), WHITE)
    a.rect((0, 0, 1, a.h), DLG_LINE)
    a.rect((0, a.h - 1, a.w, a.h), DLG_LINE)
    return a.image()


@skin("dlg_login_rbottom_banner", DLG_R, DLG_B)
def draw_dlg_rbottom(a):
    a.rect((0, 0, a.w, a.h), WHITE)
    a.rect((a.w - 1, 0, a.w, a.h), DLG_LINE)
    a.rect((0, a.h - 1, a.w, a.h), DLG_LINE)
    return a.image()


DLG_CLOSE_W, DLG_CLOSE_H = 28, 16  # drawn at (W - 28 - 5, 3): inside the 20-pixel band


@skin("icon_dlg_close_nomal", DLG_CLOSE_W, DLG_CLOSE_H)
def draw_dlg_close_normal(a):
    # bare, like the main window's buttons: the band shows through until the mouse is over it
    return a.image()


@skin("icon_dlg_close_focus", DLG_CLOSE_W, DLG_CLOSE_H)
def draw_dlg_close_focus(a):
    a.rrect((0, 0, a.w, a.h), RADIUS_SMALL, a.vgrad([(0, (232, 98, 86)), (1, CORAL)]))
    return a.image()


@skin("icon_dlg_close", DLG_CLOSE_W, DLG_CLOSE_H, overlay=True)
def draw_dlg_close(a):
    draw_cross(a, 14, 8, 4, STROKE_SMALL, WHITE)
    return a.image()


# ---- Buttons (stretched to their rectangles; the label is black "宋体" 12 px) -------------------------


def draw_button(a, top, bottom, border):
    a.rrect((0, 0, a.w, a.h), RADIUS_SMALL, border)
    a.rrect((1, 1, a.w - 1, a.h - 1), RADIUS_SMALL - 1, a.vgrad([(0, top), (1, bottom)], 1, a.h - 1))
    a.rect((RADIUS_SMALL, 1, a.w - RADIUS_SMALL, 2), rgba(WHITE, 150))


@skin("btn_normal", 100, 22)
def draw_btn_normal(a):
    draw_button(a, (250, 252, 255), (219, 234, 252), BLUE)
    return a.image()


@skin("btn_hover", 100, 22)
def draw_btn_hover(a):
    draw_button(a, (236, 245, 255), (192, 219, 251), (60, 134, 226))
    return a.image()


@skin("btn_reg_normal", 94, 24)
def draw_btn_reg_normal(a):
    draw_button(a, (250, 253, 255), (222, 239, 248), DEEP)
    return a.image()


@skin("btn_reg_hover", 94, 24)
def draw_btn_reg_hover(a):
    draw_button(a, (235, 247, 253), (196, 226, 243), (36, 120, 172))
    return a.image()


# ---- Register steps: drawn at (71, 25) and (231, 25) of the 515-pixel client area ------------------------

STEP_H = 30
STEP_TIP = 12
STEP_GAP = 3


def draw_step(a, number, label, lit, first):
    body = (BLUE if lit else GREY)
    ink = WHITE if lit else MUTED
    h, tip = a.h, STEP_TIP
    right = a.w - tip if first else a.w
    shape = a.rrect_mask((0, 0, right, h), RADIUS_SMALL)
    if first:  # the arrow's tip
        shape = ImageChops.lighter(shape, a.polygon_mask([(right - 4, 0), (right, 0), (a.w, h / 2), (right, h),
                                                          (right - 4, h)]))
    else:  # the notch that takes the first step's tip, with a white gap around it
        notch = ImageChops.lighter(a.polygon_mask([(0, 0), (tip, h / 2), (0, h)]),
                                   a.stroke_mask([(0, -1), (tip, h / 2), (0, h + 1)], STEP_GAP * 2))
        shape = ImageChops.subtract(shape, notch)
    a.paint(shape, a.vgrad([(0, mix(body, WHITE, 0.12)), (1, body)]))
    start = 12 if first else tip + 16
    centre = ((right if first else a.w) + start) / 2
    f = font(FONT_CJK, 13)
    text_w = f.getlength(label)
    disc_x = centre - (text_w + 24) / 2
    a.ellipse((disc_x, h / 2 - 9, disc_x + 18, h / 2 + 9), ink)
    a.text((disc_x + 9, h / 2 + 0.5), str(number), FONT_SANS_BOLD, 12, mix(body, (0, 0, 0), 0.05) if lit else WHITE,
           anchor="mm")
    a.text((disc_x + 24, h / 2 + 0.5), label, FONT_CJK, 13, ink, anchor="lm")


@skins(["bar_register_light", "bar_register_gray"], 160 + STEP_TIP, STEP_H)
def draw_step_one(a, name):
    draw_step(a, 1, "填写注册信息", name.endswith("light"), True)
    return a.image()


@skins(["bar_reg_sucess_light", "bar_reg_sucess_gray"], 213, STEP_H)
def draw_step_two(a, name):
    draw_step(a, 2, "注册成功", name.endswith("light"), False)
    return a.image()


# ---- Status bar progress box and the floating user box ---------------------------------------------


@skin("download", 18, 18)
def draw_download(a):
    a.stroke([(9, 3), (9, 11.5)], STROKE_SMALL + 0.5, WHITE)
    a.stroke([(5.5, 8.5), (9, 12), (12.5, 8.5)], STROKE_SMALL + 0.5, WHITE)
    a.stroke([(3.5, 12.5), (3.5, 15), (14.5, 15), (14.5, 12.5)], STROKE_SMALL + 0.5, WHITE)
    return a.image()


FLOAT_W, FLOAT_H = 289, 160
FLOAT_CARD = (5, 10, 284, 154)  # the panel of 269 x 130 lies at (10, 20)-(279, 150), inside the card
FLOAT_ARROW_X = 50  # under the avatar's centre (user area 15..95)


@skin("float_box", FLOAT_W, FLOAT_H)
def draw_float_box(a):
    x0, y0, x1, y1 = FLOAT_CARD
    tip = [(FLOAT_ARROW_X - 8, y0 + 0.5), (FLOAT_ARROW_X, y0 - 7.5), (FLOAT_ARROW_X + 8, y0 + 0.5)]
    # a soft shadow: widening outlines of falling alpha, a little lower than the card
    for grow, alpha in enumerate([30, 20, 13, 8, 4], start=1):
        a.rrect((x0 - grow + 0.5, y0 - grow + 2, x1 + grow - 0.5, y1 + grow + 1.5), RADIUS + grow,
                rgba((20, 50, 90), alpha))
    border = (190, 208, 232)
    a.polygon([(x, y - 1) for x, y in tip], border)
    a.rrect((x0, y0, x1, y1), RADIUS, border)
    card = a.rrect_mask((x0 + 1, y0 + 1, x1 - 1, y1 - 1), RADIUS - 1)
    a.paint(card, WHITE)
    # a blue rule along the card's top, above the panel, rising into the tip
    a.paint(ImageChops.multiply(card, a.rrect_mask((0, 0, a.w, y0 + 4), 0)), BLUE)
    a.polygon([(x, y + 0.8) for x, y in tip], BLUE)
    return a.image()


# ---------------------------------------------------------------------------------------------------
# Output


def save_png(img, path):
    # RGB where nothing is transparent; never a pHYs chunk, which would make GDI+ scale "own size" draws
    if img.getchannel("A").getextrema() == (255, 255):
        img = img.convert("RGB")
    img.save(path, "PNG", compress_level=9)


def write_set(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    for s in SKINS.values():
        save_png(s.render(), os.path.join(out_dir, s.name + ".png"))


def check_set(skin_dir):
    """Compares decoded pixels, not bytes: zlib versions may pack the same picture differently."""
    faults = []
    for s in SKINS.values():
        path = os.path.join(skin_dir, s.name + ".png")
        if not os.path.exists(path):
            faults.append(f"{s.name}.png: missing")
            continue
        with Image.open(path) as f:
            have = f.convert("RGBA")
        want = s.render()
        if have.size != want.size:
            faults.append(f"{s.name}.png: {have.size[0]} x {have.size[1]}, drawn {want.size[0]} x {want.size[1]}")
        elif have.tobytes() != want.tobytes():
            r, g, b, alpha = ImageChops.difference(have, want).split()
            box = ImageChops.lighter(ImageChops.lighter(r, g), ImageChops.lighter(b, alpha)).getbbox()
            faults.append(f"{s.name}.png: pixels differ in the box {box}")
    extra = sorted(set(f[:-4] for f in os.listdir(skin_dir) if f.endswith(".png")) - set(SKINS))
    faults += [f"{n}.png: not drawn by this script" for n in extra]
    return faults


# ---- The flat test set -------------------------------------------------------------------------------
# Colours the client paints by itself, which no flat skin may resemble: white, the tree background, the two
# blues, text colours, the login rules, the success green, the avatar frame, the panel's key and link blue.
RESERVED = [WHITE, TREE_BG, BLUE, DEEP, (0, 0, 0), (85, 85, 85), (89, 89, 89), (222, 215, 201), (27, 143, 44),
            (123, 209, 239), (255, 0, 255), (0, 0, 255)]
FLAT_MARGIN = 4  # float_box: transparent margin around the opaque card


def flat_colours():
    """One colour per skin, in name order: points of a 4-level grid (so any two differ by 64 or more in
    some channel), no greys, each at least 48 away in some channel from every reserved colour."""
    levels = (0x20, 0x60, 0xA0, 0xE0)
    grid = [(r, g, b) for r in levels for g in levels for b in levels if not r == g == b]
    free = [c for c in grid if all(max(abs(x - y) for x, y in zip(c, rc)) >= 48 for rc in RESERVED)]
    # step through the grid so that names next to each other get unlike colours
    order = [free[(i * 7) % len(free)] for i in range(len(free))]
    names = sorted(SKINS)
    assert len(set(order)) == len(free) >= len(names)
    return dict(zip(names, order))


def flat_image(s, colour):
    img = Image.new("RGBA", (s.w, s.h), rgba(colour))
    if s.overlay:
        # opaque only in the middle half, so that the background drawn under it shows at its edges
        img = Image.new("RGBA", (s.w, s.h), (0, 0, 0, 0))
        img.paste(rgba(colour), (s.w // 4, s.h // 4, s.w - s.w // 4, s.h - s.h // 4))
    elif s.name == "float_box":
        img = Image.new("RGBA", (s.w, s.h), (0, 0, 0, 0))
        img.paste(rgba(colour), (FLAT_MARGIN, FLAT_MARGIN, s.w - FLAT_MARGIN, s.h - FLAT_MARGIN))
    return img


def colorref(c):
    return "0x00%02X%02X%02X" % (c[2], c[1], c[0])


def write_flat(out_dir, header):
    os.makedirs(out_dir, exist_ok=True)
    colours = flat_colours()
    for name in sorted(SKINS):
        save_png(flat_image(SKINS[name], colours[name]), os.path.join(out_dir, name + ".png"))
    lines = [
        "// Flat test skins: every image of Skins/ in one colour, at the size of the real image.",
        "// Generated by scripts/make_skins.py --flat; do not edit.",
        "//",
        "// Fully opaque, except: the overlay images (entry icons, window-button and dialog-close glyphs) are",
        "// opaque only in their middle half (w/4..w-w/4, h/4..h-h/4) and transparent around it, so that the",
        "// hover or focus background drawn under them stays visible near their edges; float_box is",
        f"// transparent in a {FLAT_MARGIN}-pixel margin and opaque inside it.",
        "#ifndef VELORA_SKIN_COLOURS_H",
        "#define VELORA_SKIN_COLOURS_H",
        "",
        "// The folder holding the flat set, as a path of the build machine (prefix \"Z:\" under Wine).",
        f"inline constexpr char kSkinFlatDir[] = \"{os.path.abspath(out_dir)}\";",
        "",
        "// Colours as COLORREF values (0x00BBGGRR, what GetPixel returns); sizes in pixels.",
    ]
    for name in sorted(SKINS):
        s = SKINS[name]
        lines.append(f"inline constexpr unsigned long kSkinFlat_{name} = {colorref(colours[name])};")
        lines.append(f"inline constexpr int kSkinWidth_{name} = {s.w};")
        lines.append(f"inline constexpr int kSkinHeight_{name} = {s.h};")
    lines += [
        "",
        "struct CSkinFlat {",
        "    const char* pszName; // file name without \".png\"",
        "    unsigned long colour;",
        "    int width;",
        "    int height;",
        "    bool overlay; // opaque only in its middle half",
        "};",
        "",
        "inline constexpr CSkinFlat kSkinFlatTable[] = {",
    ]
    for name in sorted(SKINS):
        s = SKINS[name]
        overlay = "true" if s.overlay else "false"
        lines.append(f"    {{\"{name}\", {colorref(colours[name])}, {s.w}, {s.h}, {overlay}}},")
    lines += ["};", "", "#endif", ""]
    os.makedirs(os.path.dirname(os.path.abspath(header)), exist_ok=True)
    with open(header, "w") as f:
        f.write("\n".join(lines))


# ---------------------------------------------------------------------------------------------------
# Contact sheet: every image on a checkerboard, then mock-ups that compose them as the client does.


def checker(w, h, n=8):
    # mid-tone squares: white glyphs and light surfaces both stand out on them
    img = Image.new("RGBA", (w, h), (118, 126, 138, 255))
    d = ImageDraw.Draw(img)
    for y in range(0, h, n):
        for x in range(0, w, n):
            if (x // n + y // n) % 2:
                d.rectangle([x, y, x + n - 1, y + n - 1], fill=(146, 154, 166, 255))
    return img


def put(dst, img, x, y, w=None, h=None):
    """Draws img at (x, y), stretched to w x h when given, clipped to dst."""
    if w is not None and (w, h) != img.size:
        img = img.resize((w, h), Image.BILINEAR)
    x0, y0 = max(x, 0), max(y, 0)
    x1, y1 = min(x + img.width, dst.width), min(y + img.height, dst.height)
    if x1 > x0 and y1 > y0:
        dst.alpha_composite(img.crop((x0 - x, y0 - y, x1 - x, y1 - y)), (x0, y0))


def runs(s, path):
    """Splits text into runs by font: Droid Sans Fallback has no Latin letters or digits."""
    out = []
    for ch in s:
        f = path if path else (FONT_SANS if ord(ch) < 0x2E80 else FONT_CJK)
        if out and out[-1][0] == f:
            out[-1][1] += ch
        else:
            out.append([f, ch])
    return out


def write(dst, xy, s, px, colour, bold=False, path=None, outline=None, anchor="la"):
    """Text placed as GDI+ places it: xy is the top of the line (a CJK line's ascent above the baseline)."""
    d = ImageDraw.Draw(dst)
    parts = [(font(f, px), t) for f, t in runs(s, path)]
    width = sum(f.getlength(t) for f, t in parts)
    ascent = font(path or FONT_CJK, px).getmetrics()[0]
    x, y = xy
    if anchor == "mm":
        x, y = x - width / 2, y - ascent / 2
    for f, t in parts:
        for dx in ((0, 1) if bold else (0,)):
            d.text((x + dx, y + ascent), t, font=f, fill=rgba(colour), anchor="ls",
                   stroke_width=1 if outline else 0, stroke_fill=rgba(outline) if outline else None)
        x += f.getlength(t)


def fill(dst, box, colour):
    ImageDraw.Draw(dst).rectangle([box[0], box[1], box[2] - 1, box[3] - 1], fill=rgba(colour))


ENTRIES = [  # rectangle, label, label offset, icon
    ((115, 4, 195, 84), "路书广场", 15, "icon_book_plaza"),
    ((200, 4, 285, 84), "旅游攻略", 15, "icon_journey_capture"),
    ((290, 4, 370, 84), "手机必备", 15, "icon_mid"),
    ((375, 4, 455, 84), "设置", 25, "icon_setting"),
]


def mock_caption(sk, width, selected, hovered, user="login", hover_button=None):
    """The caption band: selected/hovered are entry indexes (or None), user is "login", "avatar" or "jiong"."""
    bg = sk["bg_title_bar"]
    band = Image.new("RGBA", (width, bg.height), (0, 0, 0, 255))
    put(band, bg, 0, 0)
    put(band, bg, bg.width, 0)
    put(band, sk["user_header"], 15, 8, 70, 70)
    if user == "jiong":
        put(band, sk["icons_jiong"], 15, 8, 70, 70)
        write(band, (15 + (80 - 60) // 2 + 4, 68), "头像加载失败", 10, (0, 0, 0), bold=True, outline=WHITE)
    elif user == "login":
        write(band, (15 + (80 - 36) // 2 - 7, 63), "请登录", 13, (0, 0, 0), bold=True, outline=WHITE)
    for i, (r, text, offset, icon) in enumerate(ENTRIES):
        w, h = r[2] - r[0], r[3] - r[1]
        if i == hovered and i != selected:
            put(band, sk["book_menu_hover"], r[0], r[1], w, h)
        if i == selected:
            put(band, sk["book_menu_focus"], r[0], r[1], w, h)
        put(band, sk[icon], r[0], r[1], w, h)
        write(band, (r[0] + offset, 63), text, 12, WHITE)
    close = (width - 40, 4, width - 4, 24)
    buttons = {"close": (close, "bg_close", "icon_close"),
               "max": ((close[0] - 36, 4, close[0], 24), "bg_op_window", "icon_maximize"),
               "min": ((close[0] - 72, 4, close[0] - 36, 24), "bg_op_window", "icon_minimize")}
    for key, (r, hover_bg, icon) in buttons.items():
        if key == hover_button:
            put(band, sk[hover_bg], r[0], r[1], 36, 20)
        put(band, sk[icon], r[0], r[1], 36, 20)
    logo = (close[0] - 36, close[3] + 10, close[0] + 39, close[3] + 58)
    put(band, sk["logo"], logo[0], logo[1], logo[2] - logo[0], logo[3] - logo[1])
    put(band, sk["text_velora"], logo[0] - 40, logo[1] + 3)
    return band


TREE_ROWS = [  # text, leaf, state (0 normal, 1 hover, 2 selected)
    (" ", False, 0), ("国内游", False, 0), ("云南大理七日", True, 2), ("川西自驾环线", True, 0),
    ("海南环岛骑行", True, 1), ("出境游", False, 0), ("日本关西赏樱", True, 0), ("冰岛一号公路", True, 0),
    ("新西兰南岛", True, 0),
]


def mock_window(sk, width=920, height=420):
    win = Image.new("RGBA", (width, height), WHITE + (255,))
    top = CAPTION_H
    pane = (0, top, 170, height - 20)
    fill(win, pane, BLUE)  # the splitter's two-pixel border
    tree = Image.new("RGBA", (200, height - 20 - top - 4), rgba(TREE_BG))
    for i, (text, leaf, state) in enumerate(TREE_ROWS):
        y = -21 + i * 31
        row = Image.new("RGBA", sk["item_hover"].size, rgba(TREE_BG))
        if state:
            put(row, sk["item_hover" if state == 1 else "item_focus"], 0, 0)
        write(row, (24, (31 - 16) // 2 + 3), text, 12, (0, 0, 0), bold=not leaf)
        put(tree, row, 0, y)
    put(win, tree.crop((0, 0, 166, tree.height)), 2, top + 2)
    fill(win, (170, top, 171, height - 20), BLUE)
    write(win, (540, 230), "(网页区域)", 12, MUTED, anchor="mm")
    bar = (0, height - 20, width, height)
    fill(win, bar, DEEP)
    write(win, (20, bar[1] + 3), "客户端当前版本：1.0.0.1", 12, WHITE)
    dl = sk["download"]
    box = Image.new("RGBA", (dl.width + 50, dl.height), rgba(DEEP))
    put(box, dl, 0, 0)
    write(box, (dl.width, 3), "42%", 12, WHITE)
    put(win, box, width - 70, bar[1] + 1)
    put(win, mock_caption(sk, width, selected=0, hovered=2, user="avatar"), 0, 0)
    return win


def mock_float_box(sk, under):
    """The floating box at (0, 90) of the window, its panel's labels at (10, 20) inside it."""
    img = under.copy()
    put(img, sk["float_box"], 0, 90)
    labels = [(7, 7, "昵称：小鹿出发了"), (7, 22, "所在地：成都"), (7, 37, "关注：12"), (74, 37, "粉丝：368"),
              (7, 52, "路书：5"), (74, 52, "微路书：17"), (131, 56, "游记：9")]
    for x, y, text in labels:
        write(img, (10 + int(x * 1.5), 90 + 20 + int(y * 1.625)), text, 13, (0, 0, 0))
    return img


def mock_frame(sk, w, h, title, close_hover=False):
    """A skinned dialog: client area composed by the caller, then the four edges as the frame paints them."""
    dlg = Image.new("RGBA", (w, h), rgba(WHITE))
    top = sk["dlg_login_top_banner"]
    strip = Image.new("RGBA", (w, top.height), (0, 0, 0, 255))
    for i in range(w // top.width + 1):
        put(strip, top, i * top.width, 0)
    put(strip, sk["dlg_login_ltop"], 0, 0)
    put(strip, sk["dlg_login_rtop_banner"], w - sk["dlg_login_rtop_banner"].width, 0)
    write(strip, (15, 8), title, 12, WHITE, bold=True)
    bgc = sk["icon_dlg_close_focus" if close_hover else "icon_dlg_close_nomal"]
    put(strip, bgc, w - bgc.width - 5, 3)
    put(strip, sk["icon_dlg_close"], w - bgc.width - 5, 3, bgc.width, bgc.height)
    put(dlg, strip, 0, 0)
    for side, tile_name, corner_name, top_name in [("l", "dlg_login_left_banner", "dlg_border_leftbottom",
                                                    "dlg_login_ltop"),
                                                   ("r", "dlg_login_right_banner", "dlg_login_rbottom_banner",
                                                    "dlg_login_rtop_banner")]:
        tile, corner = sk[tile_name], sk[corner_name]
        hc = sk[top_name].height
        s = Image.new("RGBA", (tile.width, h - hc), (0, 0, 0, 255))
        for i in range(h // tile.height + 1):
            put(s, tile, 0, i * tile.height)
        put(s, corner, 0, s.height - corner.height)
        put(dlg, s, 0 if side == "l" else w - tile.width, hc)
    bottom = sk["dlg_login_bottom_banner"]
    lw, rw = sk["dlg_login_lbottom"].width, sk["dlg_login_rbottom_banner"].width
    s = Image.new("RGBA", (w - lw - rw + 1, bottom.height), (0, 0, 0, 255))
    for i in range(w // bottom.width + 1):
        put(s, bottom, i * bottom.width, 0)
    put(dlg, s, lw - 1, h - bottom.height)
    return dlg


CLIENT_ORIGIN = (DLG_L, DLG_BAND)  # where the client area starts under Wine's metrics


def edit_box(img, r):
    x0, y0, x1, y1 = r
    ImageDraw.Draw(img).rounded_rectangle([x0 - 4, y0 - 2, x1 + 1, y1 + 1], radius=2, outline=rgba(DEEP),
                                          fill=rgba(WHITE))


def button(img, sk, r, normal, text):
    w, h = r[2] - r[0], r[3] - r[1]
    put(img, sk[normal], r[0], r[1], w, h)
    f = font(FONT_CJK, 12)
    write(img, (r[0] + (w - f.getlength(text)) // 2, r[1] + (h - 14) // 2 + 2), text, 12, (0, 0, 0))


def mock_login(sk):
    w, h = 530, 260
    c = Image.new("RGBA", (w - DLG_L - DLG_R, h - DLG_BAND - DLG_B), rgba(WHITE))
    write(c, (5, 25), "登录", 14, (0, 0, 0), bold=True)
    fill(c, (5, 45, 275, 50), (222, 215, 201))
    write(c, (315, 25), "注册", 14, (0, 0, 0), bold=True)
    fill(c, (315, 45, 502, 50), (222, 215, 201))
    write(c, (315, 65), "亲！还没注册吗？", 12, (85, 85, 85))
    write(c, (315 + 32, 81), "赶快注册一个吧！", 12, (85, 85, 85))
    for y, text in [(70, "账号："), (115, "密码：")]:
        write(c, (25, y + 3), text, 12, (85, 85, 85))
        edit_box(c, (70, y, 250, y + 20))
    write(c, (72, 73), "traveller", 14, (0, 0, 0), path=FONT_SANS)
    write(c, (72, 118), "*******", 17, (0, 0, 0), path=FONT_SANS)
    button(c, sk, (70, 170, 170, 192), "btn_hover", "登录")
    button(c, sk, (357, 97, 451, 121), "btn_reg_normal", "注册远游")
    dlg = mock_frame(sk, w, h, "用户登录", close_hover=True)
    put(dlg, c, *CLIENT_ORIGIN)  # the client area is painted after the frame
    return dlg


def mock_register(sk, done):
    w, h = 530, 350
    c = Image.new("RGBA", (w - DLG_L - DLG_R, h - DLG_BAND - DLG_B), rgba(WHITE))
    first, second = ("bar_register_gray", "bar_reg_sucess_light") if done else ("bar_register_light",
                                                                                 "bar_reg_sucess_gray")
    put(c, sk[first], 71, 25)
    put(c, sk[second], 231, 25)
    if done:
        write(c, (136, 104), "注册成功！ 请立即激活账号：", 18, (27, 143, 44), bold=True)
        write(c, (136, 155), "“验证邮件”已经发送至:traveller@example.com", 12, (89, 89, 89), bold=True)
        button(c, sk, (210, 275, 304, 297), "btn_reg_normal", "开始登录")
    else:
        for y, text, x in [(94, "账号：", 123), (134, "密码：", 123), (174, "确认密码：", 98), (214, "邮箱：", 123)]:
            write(c, (x, y + 3), text, 12, (85, 85, 85))
            edit_box(c, (165, y, 345, y + 20))
        button(c, sk, (210, 275, 304, 297), "btn_reg_hover", "提交注册")
    dlg = mock_frame(sk, w, h, "用户注册")
    put(dlg, c, *CLIENT_ORIGIN)
    return dlg


def contact_sheet(path, sk, title):
    width, pad = 1320, 16
    f_name = font(FONT_SANS_BOLD, 12)
    cells = []
    for name in sorted(sk):
        img = sk[name]
        zoom = 3 if max(img.size) <= 40 else 1
        tiles = [img] + ([img.resize((img.width * zoom, img.height * zoom), Image.NEAREST)] if zoom > 1 else [])
        w = sum(t.width for t in tiles) + 8 * (len(tiles) - 1)
        cell = Image.new("RGBA", (max(w, 150) + 8, max(t.height for t in tiles) + 36), rgba(WHITE))
        x = 4
        for t in tiles:
            put(cell, checker(t.width, t.height), x, 4)
            put(cell, t, x, 4)
            x += t.width + 8
        d = ImageDraw.Draw(cell)
        d.text((4, cell.height - 28), name, font=f_name, fill=(30, 30, 30, 255))
        d.text((4, cell.height - 14), f"{img.width} x {img.height}", font=font(FONT_SANS, 11),
               fill=(110, 110, 110, 255))
        cells.append(cell)
    rows, row, x = [], [], pad
    for cell in sorted(cells, key=lambda c: -c.height):
        if x + cell.width > width - pad and row:
            rows.append(row)
            row, x = [], pad
        row.append(cell)
        x += cell.width + pad
    rows.append(row)

    window = mock_window(sk)
    mocks = [
        ("Main window: caption (logged in, first entry selected, third hovered), tree rows, status bar", window),
        ("Caption, not logged in: settings hovered, close button hovered",
         mock_caption(sk, 920, selected=0, hovered=3, user="login", hover_button="close")),
        ("Caption: avatar that did not decode, second entry selected, first hovered, maximise hovered",
         mock_caption(sk, 920, selected=1, hovered=0, user="jiong", hover_button="max")),
        ("Floating user box over the window", mock_float_box(sk, window).crop((0, 0, 420, 270))),
        ("Login dialog (close button and login button hovered)", mock_login(sk)),
        ("Register dialog: form", mock_register(sk, False)),
        ("Register dialog: success", mock_register(sk, True)),
    ]
    height = pad + 30 + sum(max(c.height for c in r) + pad for r in rows)
    layout, x, y, line_h = [], pad, height, 0
    for caption, img in mocks:
        if x + img.width > width - pad:
            x, y = pad, y + line_h
            line_h = 0
        layout.append((caption, img, x, y))
        x += img.width + pad
        line_h = max(line_h, img.height + 30 + pad)
    height = y + line_h
    sheet = Image.new("RGBA", (width, height), (246, 247, 249, 255))
    d = ImageDraw.Draw(sheet)
    d.text((pad, pad), title, font=font(FONT_SANS_BOLD, 16), fill=(30, 30, 30, 255))
    y = pad + 30
    for r in rows:
        x = pad
        for cell in r:
            put(sheet, cell, x, y)
            x += cell.width + pad
        y += max(c.height for c in r) + pad
    for caption, img, x, y in layout:
        d.text((x, y), caption, font=font(FONT_SANS, 12), fill=(60, 60, 60, 255))
        put(sheet, img, x, y + 18)
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    sheet.convert("RGB").save(path)


def main(argv):
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--out", default=os.path.join(REPO, "Skins"), help="where to write the real set")
    p.add_argument("--check", metavar="DIR", help="compare DIR with what this script draws")
    p.add_argument("--flat", metavar="DIR", help="write the flat test set into DIR")
    p.add_argument("--header", help="with --flat: the C++ header to write")
    p.add_argument("--sheet", metavar="PNG", help="render a contact sheet")
    p.add_argument("--sheet-flat", action="store_true", help="with --sheet: show the flat set")
    args = p.parse_args(argv)
    if args.check:
        faults = check_set(args.check)
        for f in faults:
            print("make_skins: " + f, file=sys.stderr)
        drawn = sum(1 for f in faults if not f.endswith("not drawn by this script"))
        print(f"make_skins: {len(SKINS) - drawn} of {len(SKINS)} images match the script" if faults else
              f"make_skins: all {len(SKINS)} images match the script")
        return 1 if faults else 0
    if args.flat:
        if not args.header:
            p.error("--flat needs --header")
        write_flat(args.flat, args.header)
        return 0
    if args.sheet:
        if args.sheet_flat:
            colours = flat_colours()
            sk = {n: flat_image(s, colours[n]) for n, s in SKINS.items()}
        else:
            sk = {n: s.render() for n, s in SKINS.items()}
        contact_sheet(args.sheet, sk, "Velora skins" + (" (flat test set)" if args.sheet_flat else ""))
        return 0
    write_set(args.out)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
