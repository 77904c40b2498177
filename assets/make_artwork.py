#!/usr/bin/python3
"""Draws every picture of the reader: the page pictures (GIF and JPEG data)
and the window artwork (PNG).

    make_artwork.py OUTDIR [--sheet]
    make_artwork.py OUTDIR --icons      (the application icon, PNG sizes and SVG)

Deterministic: fixed seeds, fixed font files, no timestamps. Shapes are drawn
at four times the final size and reduced by box averaging, which gives smooth
anti-aliased edges.
"""

import math
import os
import random
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

SS = 4  # supersampling factor

# Palette: steel blue-grey of the label bars, the light blue of the headings,
# deep blue for cover and outlines, a warm gold as accent.
STEEL = (0x95, 0xAE, 0xC2)
HEAD = (0xA8, 0xD0, 0xE8)
PALE = (0xD8, 0xF0, 0xF8)
INK = (0x2C, 0x47, 0x5E)
BLUE = (0x4E, 0x7B, 0x9E)
MID = (0x6F, 0x97, 0xB6)
DEEP = (0x1F, 0x36, 0x4B)
GOLD = (0xD6, 0xAE, 0x5A)
GOLD_LIGHT = (0xF0, 0xD6, 0x8E)
GOLD_DARK = (0x9C, 0x74, 0x2C)
WHITE = (255, 255, 255)
GREY = (0x80, 0x80, 0x80)

FONT_DIRS = {
    "dejavu": "/usr/share/fonts/truetype/dejavu/",
    "liberation": "/usr/share/fonts/truetype/liberation2/",
    "amiri": "/usr/share/fonts/opentype/fonts-hosny-amiri/",
}


def font(family, name, size):
    return ImageFont.truetype(os.path.join(FONT_DIRS[family], name), size)


def rgba(c, a=255):
    return (c[0], c[1], c[2], a)


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def new(w, h, bg=(0, 0, 0, 0)):
    """A supersampled RGBA canvas for a picture of w x h pixels."""
    return Image.new("RGBA", (w * SS, h * SS), bg)


def reduce(img, w, h):
    return img.resize((w, h), Image.Resampling.BOX)


def vgradient(size, top, bottom):
    """An RGBA image filled with a vertical gradient."""
    w, h = size
    col = Image.new("RGBA", (1, h))
    for y in range(h):
        t = y / max(1, h - 1)
        col.putpixel((0, y), rgba(mix(top, bottom, t)))
    return col.resize((w, h), Image.Resampling.NEAREST)


def hgradient(size, left, right):
    w, h = size
    row = Image.new("RGBA", (w, 1))
    for x in range(w):
        t = x / max(1, w - 1)
        row.putpixel((x, 0), rgba(mix(left, right, t)))
    return row.resize((w, h), Image.Resampling.NEAREST)


def paint(img, mask_fn, fill):
    """Composites `fill` (a colour or an image of img's size) through the mask
    drawn by mask_fn(ImageDraw) onto img."""
    mask = Image.new("L", img.size, 0)
    mask_fn(ImageDraw.Draw(mask))
    if isinstance(fill, Image.Image):
        src = fill.copy()
    else:
        src = Image.new("RGBA", img.size, rgba(fill) if len(fill) == 3 else fill)
    src.putalpha(ImageChops.multiply(src.getchannel("A"), mask))
    img.alpha_composite(src)


def star_points(cx, cy, r_out, r_in, n, rot=0.0):
    pts = []
    for k in range(2 * n):
        r = r_out if k % 2 == 0 else r_in
        a = rot + math.pi * k / n - math.pi / 2
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def eight_star(cx, cy, r, rot=0.0):
    """Eight-pointed star of two overlapping squares."""
    return star_points(cx, cy, r, r * math.cos(math.pi / 4) / math.cos(math.pi / 8), 8, rot)


def ellipse_points(cx, cy, a, b, angle, n=48):
    ca, sa = math.cos(angle), math.sin(angle)
    pts = []
    for k in range(n):
        t = 2 * math.pi * k / n
        x, y = a * math.cos(t), b * math.sin(t)
        pts.append((cx + x * ca - y * sa, cy + x * sa + y * ca))
    return pts


def circle_box(cx, cy, r):
    return (cx - r, cy - r, cx + r, cy + r)


def text_size(fnt, s):
    box = fnt.getbbox(s)
    return box[2] - box[0], box[3] - box[1], box


def draw_text_centered(draw, cx, cy, s, fnt, fill, **kw):
    """Draws s with its ink box centred on (cx, cy)."""
    w, h, box = text_size(fnt, s)
    draw.text((cx - w / 2 - box[0], cy - h / 2 - box[1]), s, font=fnt, fill=fill, **kw)


def to_gif(img, path, transparent=None):
    """Saves an RGB image as GIF with an adaptive palette."""
    p = img.convert("RGB").quantize(colors=255, method=Image.Quantize.MEDIANCUT,
                                    dither=Image.Dither.NONE)
    save_gif(p, path, transparent)


def save_gif(p, path, transparent=None):
    kw = {}
    if transparent is not None:
        pal = p.getpalette()
        for i in range(len(pal) // 3):
            if tuple(pal[3 * i:3 * i + 3]) == transparent:
                kw["transparency"] = i
                break
    p.save(path, "GIF", optimize=False, **kw)


def on_white(img):
    bg = Image.new("RGBA", img.size, rgba(WHITE))
    bg.alpha_composite(img)
    return bg.convert("RGB")


# ---------------------------------------------------------------- title bar

MIDDLE_WIDTH = 3840  # wider than the middle cell of any pane (71 % of it)


def title_bar(out):
    """HLEFT, HMIDDLE, HRIGHT: the three cells of a chapter page's title bar.
    The page's table gives its middle cell 71 % of the pane and shares the
    rest between the outer cells; an outer cell wider than its picture is
    blank beyond it. So HLEFT and HRIGHT are the bar's two ends, each set
    against the middle cell (the page's presentation puts the left picture at
    its cell's right edge), and HMIDDLE repeats the bar's identical middle
    column, wider than any middle cell: the bar is whole at any width, and
    the title, centred in the middle cell, never runs over an end."""
    lw, mw, rw, h = 68, 337, 68, 39
    W = lw + mw + rw
    img = new(W, h, rgba(WHITE))
    top, bot = 3 * SS, 36 * SS
    rad = (bot - top) // 2
    x0, x1 = 2 * SS, W * SS - 2 * SS
    # soft shadow under the bar
    shadow = Image.new("L", img.size, 0)
    ImageDraw.Draw(shadow).rounded_rectangle((x0 + 2 * SS, top + 2 * SS, x1 - 2 * SS, bot + 1 * SS),
                                             rad, fill=70)
    shadow = shadow.filter(ImageFilter.BoxBlur(SS))
    paint(img, lambda d: d.bitmap((0, 0), shadow, fill=255), STEEL)
    # outline, then the face
    paint(img, lambda d: d.rounded_rectangle((x0, top, x1, bot), rad, fill=255), STEEL)
    face = vgradient(img.size, (0xF4, 0xFA, 0xFD), (0xC6, 0xDC, 0xEB))
    paint(img, lambda d: d.rounded_rectangle((x0 + SS, top + SS, x1 - SS, bot - SS), rad - SS, fill=255),
          face)
    # a gloss line along the upper half
    gloss = vgradient(img.size, (255, 255, 255), (0xE4, 0xF0, 0xF8))
    paint(img, lambda d: d.rounded_rectangle((x0 + 2 * SS, top + 2 * SS, x1 - 2 * SS, top + 14 * SS),
                                             rad - 2 * SS, fill=150), gloss)
    # medallions at both ends, with diamonds leading inwards
    cy = (top + bot) / 2
    for side in (0, 1):
        cx = x0 + rad if side == 0 else x1 - rad
        d = ImageDraw.Draw(img)
        d.ellipse(circle_box(cx, cy, rad - 2 * SS), fill=rgba(STEEL))
        medal = vgradient(img.size, (0x7E, 0xA2, 0xBE), (0x4C, 0x72, 0x92))
        paint(img, lambda dd, cx=cx: dd.ellipse(circle_box(cx, cy, rad - 3.5 * SS), fill=255), medal)
        d = ImageDraw.Draw(img)
        d.polygon(eight_star(cx, cy, rad - 7 * SS), fill=rgba(WHITE))
        d.ellipse(circle_box(cx, cy, 3 * SS), fill=rgba(GOLD))
        sign = 1 if side == 0 else -1
        base = cx + sign * (rad + 6 * SS)
        for k, (dx, r) in enumerate(((0, 4.0), (10, 3.2), (18, 2.4))):
            px = base + sign * dx * SS
            r *= SS
            d.polygon([(px, cy - r), (px + r, cy), (px, cy + r), (px - r, cy)],
                      fill=rgba(STEEL if k else BLUE))
    small = reduce(img, W, h).convert("RGB")
    pal = small.quantize(colors=255, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    # the middle columns identical (they are, before quantising; keep it exact after)
    col = pal.crop((lw + mw // 2, 0, lw + mw // 2 + 1, h))
    for x in range(lw - 2, lw + mw + 2):
        pal.paste(col, (x, 0))
    middle = Image.new("P", (MIDDLE_WIDTH, h))
    middle.putpalette(pal.getpalette())
    for x in range(MIDDLE_WIDTH):
        middle.paste(col, (x, 0))
    save_gif(pal.crop((0, 0, lw, h)), os.path.join(out, "hleft.gif"))
    save_gif(middle, os.path.join(out, "hmiddle.gif"))
    save_gif(pal.crop((lw + mw, 0, W, h)), os.path.join(out, "hright.gif"))


# ---------------------------------------------------------------- label bar

def label_bar(out):
    # C_GIF: the end of the steel-blue label bar, sweeping up into the one-pixel
    # line that runs on along the top of the next cell.
    w, h = 11, 14
    img = new(w, h, rgba(WHITE))
    pts = [(0, 0), (w * SS, 0), (w * SS, 1 * SS)]
    n = 24
    for i in range(n + 1):
        t = i / n
        x = w * SS * (1 - t)
        y = SS + (h * SS - SS) * (math.sin(t * math.pi / 2) ** 1.4)
        pts.append((x, y))
    pts.append((0, h * SS))
    ImageDraw.Draw(img).polygon(pts, fill=rgba(STEEL))
    to_gif(reduce(img, w, h), os.path.join(out, "c.gif"))
    # TR_GIF: a transparent dot.
    p = Image.new("P", (1, 1), 0)
    p.putpalette(list(WHITE) + [0, 0, 0])
    p.save(os.path.join(out, "tr.gif"), "GIF", transparency=0)
    # SP_GIF: a fine dotted rule, period 5 so the 255-pixel tile repeats evenly.
    sp = Image.new("RGB", (255, 1), WHITE)
    pattern = [STEEL, mix(STEEL, WHITE, 0.35), mix(STEEL, WHITE, 0.75), WHITE, mix(STEEL, WHITE, 0.75)]
    for x in range(255):
        sp.putpixel((x, 0), pattern[x % 5])
    to_gif(sp, os.path.join(out, "sp.gif"))


# ---------------------------------------------------------------- home page

def bullet(out):
    w = h = 8
    img = new(w, h, rgba(WHITE))
    c = w * SS / 2
    d = ImageDraw.Draw(img)
    d.polygon([(c, 0.5 * SS), (w * SS - 0.5 * SS, c), (c, h * SS - 0.5 * SS), (0.5 * SS, c)],
              fill=rgba(BLUE))
    d.polygon([(c, 2.2 * SS), (w * SS - 2.2 * SS, c), (c, h * SS - 2.2 * SS), (2.2 * SS, c)],
              fill=rgba(HEAD))
    to_gif(reduce(img, w, h), os.path.join(out, "bullet.gif"), transparent=None)


def maker_mark(img, cx, cy, r):
    """The maker's mark: a rounded square with an eight-pointed star."""
    d = ImageDraw.Draw(img)
    d.rounded_rectangle((cx - r, cy - r, cx + r, cy + r), r * 0.32, fill=rgba(INK))
    face = vgradient(img.size, (0x7C, 0xA6, 0xC6), (0x3E, 0x67, 0x88))
    inset = max(SS, r * 0.07)
    paint(img, lambda dd: dd.rounded_rectangle((cx - r + inset, cy - r + inset, cx + r - inset,
                                                cy + r - inset), r * 0.28, fill=255), face)
    d = ImageDraw.Draw(img)
    d.polygon(eight_star(cx, cy, r * 0.78, math.pi / 8), fill=rgba(WHITE))
    d.polygon(eight_star(cx, cy, r * 0.52, math.pi / 8), fill=rgba(HEAD))
    d.ellipse(circle_box(cx, cy, r * 0.2), fill=rgba(GOLD))


def logomain(out):
    w, h = 427, 61
    img = new(w, h, rgba(WHITE))
    maker_mark(img, 34 * SS, 31 * SS, 22 * SS)
    d = ImageDraw.Draw(img)
    big = font("dejavu", "DejaVuSans-Bold.ttf", 30 * SS)
    thin = font("dejavu", "DejaVuSans-ExtraLight.ttf", 30 * SS)
    tag = font("dejavu", "DejaVuSans.ttf", 10 * SS)
    x = 66 * SS
    base = 36 * SS
    d.text((x, base), "Telvarin", font=big, fill=rgba(INK), anchor="ls")
    x2 = x + d.textlength("Telvarin ", font=big)
    d.text((x2, base), "Solutions", font=thin, fill=rgba(BLUE), anchor="ls")
    end = x2 + d.textlength("Solutions", font=thin)
    d.rectangle((x, 42 * SS, end, 42 * SS + SS), fill=rgba(HEAD))
    d.text((x, 54 * SS), "SOFTWARE  FOR  READING  AND  STUDY", font=tag, fill=rgba(STEEL), anchor="ls")
    to_gif(reduce(img, w, h), os.path.join(out, "logomain.gif"))


def globe(img, cx, cy, r, line=None):
    line = line or max(SS, r * 0.07)
    d = ImageDraw.Draw(img)
    d.ellipse(circle_box(cx, cy, r), fill=rgba(INK))
    sea = vgradient(img.size, (0x9C, 0xCB, 0xE8), (0x3F, 0x78, 0xA4))
    paint(img, lambda dd: dd.ellipse(circle_box(cx, cy, r - line), fill=255), sea)
    d = ImageDraw.Draw(img)
    lc = rgba(WHITE, 200)
    inner = r - line
    d.line((cx - inner, cy, cx + inner, cy), fill=lc, width=int(line * 0.8))
    for f in (0.55,):
        d.ellipse((cx - inner * f, cy - inner, cx + inner * f, cy + inner), outline=lc,
                  width=int(line * 0.8))
    d.line((cx, cy - inner, cx, cy + inner), fill=lc, width=int(line * 0.8))
    for yy in (-0.5, 0.5):
        half = inner * math.sqrt(1 - yy * yy)
        d.line((cx - half, cy + yy * inner, cx + half, cy + yy * inner), fill=lc, width=int(line * 0.7))
    # highlight
    hl = Image.new("RGBA", img.size, (0, 0, 0, 0))
    ImageDraw.Draw(hl).ellipse((cx - inner * 0.7, cy - inner * 0.85, cx + inner * 0.1, cy - inner * 0.2),
                               fill=(255, 255, 255, 80))
    img.alpha_composite(hl.filter(ImageFilter.GaussianBlur(r * 0.08)))


def online(out):
    w = h = 32
    img = new(w, h, rgba(WHITE))
    globe(img, 15 * SS, 16 * SS, 13.5 * SS)
    # a small gold arrow circling the globe
    d = ImageDraw.Draw(img)
    d.arc(circle_box(16 * SS, 16 * SS, 15 * SS), 200, 330, fill=rgba(GOLD_DARK), width=int(2.6 * SS))
    d.arc(circle_box(16 * SS, 16 * SS, 15 * SS), 200, 330, fill=rgba(GOLD), width=int(1.4 * SS))
    a = math.radians(330)
    tx, ty = 16 * SS + 15 * SS * math.cos(a), 16 * SS + 15 * SS * math.sin(a)
    d.polygon([(tx + 3.5 * SS, ty - 2.5 * SS), (tx + 1.5 * SS, ty + 4 * SS), (tx - 3.2 * SS, ty - 0.2 * SS)],
              fill=rgba(GOLD), outline=rgba(GOLD_DARK), width=SS)
    to_gif(reduce(img, w, h), os.path.join(out, "online.gif"))


def viewonline(out):
    """A browser window showing the maker's news, with a globe badge."""
    w, h = 82, 60
    img = new(w, h, rgba(WHITE))
    d = ImageDraw.Draw(img)
    # drop shadow
    sh = Image.new("RGBA", img.size, (0, 0, 0, 0))
    ImageDraw.Draw(sh).rounded_rectangle((5 * SS, 6 * SS, 76 * SS, 55 * SS), 3 * SS, fill=(40, 60, 80, 90))
    img.alpha_composite(sh.filter(ImageFilter.GaussianBlur(2 * SS)))
    d = ImageDraw.Draw(img)
    d.rounded_rectangle((3 * SS, 3 * SS, 74 * SS, 52 * SS), 3 * SS, fill=rgba(INK))
    bar = vgradient(img.size, (0x86, 0xAB, 0xC8), (0x52, 0x7E, 0xA2))
    paint(img, lambda dd: dd.rounded_rectangle((4 * SS, 4 * SS, 73 * SS, 13 * SS), 2 * SS, fill=255), bar)
    d = ImageDraw.Draw(img)
    d.rectangle((4 * SS, 11 * SS, 73 * SS, 51 * SS), fill=rgba(WHITE))
    for i, c in enumerate((GOLD, HEAD, PALE)):
        d.ellipse(circle_box((8 + 5 * i) * SS, 8.5 * SS, 1.6 * SS), fill=rgba(c))
    d.rounded_rectangle((25 * SS, 6.5 * SS, 70 * SS, 10.5 * SS), 2 * SS, fill=rgba(WHITE, 220))
    # page content: headline, lines, a picture block
    d.rectangle((8 * SS, 16 * SS, 44 * SS, 19 * SS), fill=rgba(BLUE))
    for i in range(5):
        y = (23 + 5 * i) * SS
        d.rectangle((8 * SS, y, (40 if i % 2 else 44) * SS, y + 1.6 * SS), fill=rgba(STEEL))
    d.rectangle((48 * SS, 16 * SS, 69 * SS, 33 * SS), fill=rgba(PALE))
    d.polygon([(48 * SS, 33 * SS), (56 * SS, 23 * SS), (61 * SS, 28 * SS), (64 * SS, 25 * SS),
               (69 * SS, 33 * SS)], fill=rgba(HEAD))
    d.ellipse(circle_box(64 * SS, 20 * SS, 2 * SS), fill=rgba(GOLD))
    for i in range(2):
        y = (37 + 5 * i) * SS
        d.rectangle((48 * SS, y, 69 * SS, y + 1.6 * SS), fill=rgba(STEEL))
    globe(img, 66 * SS, 47 * SS, 11 * SS, 1.3 * SS)
    to_gif(reduce(img, w, h), os.path.join(out, "viewonline.gif"))


# ---------------------------------------------------------------- search pages

def magnifier(img, cx, cy, r, line, angle=math.radians(45), handle=1.35):
    """A magnifying glass: lens centred on (cx, cy), radius r, handle down-right."""
    d = ImageDraw.Draw(img)
    ca, sa = math.cos(angle), math.sin(angle)
    hx0, hy0 = cx + r * ca, cy + r * sa
    hx1, hy1 = cx + r * (1 + handle) * ca, cy + r * (1 + handle) * sa
    wide = line * 2.3
    d.line((hx0, hy0, hx1, hy1), fill=rgba(INK), width=int(wide + line * 0.8))
    d.ellipse(circle_box(hx1, hy1, (wide + line * 0.8) / 2), fill=rgba(INK))
    d.line((hx0 + ca * line, hy0 + sa * line, hx1, hy1), fill=rgba(GOLD_DARK), width=int(wide))
    d.ellipse(circle_box(hx1, hy1, wide / 2), fill=rgba(GOLD_DARK))
    d.line((hx0 + ca * line * 1.5, hy0 + sa * line * 1.5, hx1 - ca * line * 0.3, hy1 - sa * line * 0.3),
           fill=rgba(GOLD), width=int(wide * 0.45))
    d.ellipse(circle_box(cx, cy, r + line / 2), fill=rgba(INK))
    d.ellipse(circle_box(cx, cy, r - line / 2), fill=rgba(PALE, 235))
    rim = Image.new("RGBA", img.size, (0, 0, 0, 0))
    ImageDraw.Draw(rim).ellipse(circle_box(cx, cy, r), outline=rgba(MID), width=max(1, int(line * 0.45)))
    img.alpha_composite(rim)
    d = ImageDraw.Draw(img)
    d.arc(circle_box(cx, cy, r * 0.62), 200, 260, fill=rgba(WHITE), width=max(SS, int(line * 0.55)))


def page_shape(img, box, fold, lines=True, line_color=STEEL, width=SS):
    x0, y0, x1, y1 = box
    d = ImageDraw.Draw(img)
    pts = [(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)]
    d.polygon(pts, fill=rgba(WHITE), outline=rgba(INK), width=width)
    d.polygon([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)], fill=rgba(PALE),
              outline=rgba(INK), width=width)
    if lines:
        n = int((y1 - y0 - fold) / (3 * width * 1.6))
        for i in range(n):
            y = y0 + fold + width * 2 + i * 3 * width * 1.6
            if y > y1 - width * 3:
                break
            d.line((x0 + width * 3, y, x1 - width * 3 - (fold if i == 0 else 0), y), fill=rgba(line_color),
                   width=width)


def search_picture(out, report):
    w, h = 94, 73
    img = new(w, h, rgba(WHITE))
    halo = Image.new("RGBA", img.size, (0, 0, 0, 0))
    ImageDraw.Draw(halo).ellipse((16 * SS, 14 * SS, 78 * SS, 60 * SS), fill=rgba(PALE, 220))
    img.alpha_composite(halo.filter(ImageFilter.GaussianBlur(5 * SS)))
    if report:
        for k in (2, 1, 0):
            off = k * 5 * SS
            page_shape(img, (14 * SS + off, 9 * SS + off * 0.6, 52 * SS + off, 60 * SS + off * 0.6), 8 * SS,
                       lines=(k == 0), width=int(1.2 * SS))
        d = ImageDraw.Draw(img)
        for i in range(5):
            y = (22 + 6 * i) * SS
            d.rectangle((18 * SS, y - 1.2 * SS, 21 * SS, y + 1.2 * SS), fill=rgba(GOLD))
        mx, my = 56 * SS, 34 * SS
    else:
        page_shape(img, (18 * SS, 8 * SS, 60 * SS, 64 * SS), 10 * SS, width=int(1.2 * SS))
        d = ImageDraw.Draw(img)
        d.rectangle((22 * SS, 30 * SS, 52 * SS, 35 * SS), fill=rgba(GOLD_LIGHT))
        mx, my = 52 * SS, 33 * SS
    magnifier(img, mx, my, 15 * SS, 3.2 * SS)
    name = "searchreport.jpg" if report else "searchview.jpg"
    on_white(reduce(img, w, h)).save(os.path.join(out, name), "JPEG", quality=92, optimize=False,
                                     subsampling=0)


# ---------------------------------------------------------------- title picture

def star_and_cross(img, box, period, color, width):
    """Faint star-and-cross lattice over box."""
    d = ImageDraw.Draw(img)
    x0, y0, x1, y1 = box
    r = period * 0.5
    y = y0
    row = 0
    while y <= y1 + period:
        x = x0 + (period / 2 if row % 2 else 0)
        while x <= x1 + period:
            d.polygon(eight_star(x, y, r * 0.62, math.pi / 8), outline=color, width=width)
            x += period
        y += period / 2
        row += 1


def rosette(img, cx, cy, R):
    d = ImageDraw.Draw(img)
    gold, dark = rgba(GOLD), rgba(GOLD_DARK)
    lw = int(1.4 * SS)
    # outer 16-point star with its ring
    glow = Image.new("RGBA", img.size, (0, 0, 0, 0))
    ImageDraw.Draw(glow).ellipse(circle_box(cx, cy, R * 1.02), fill=(0xA8, 0xD0, 0xE8, 60))
    img.alpha_composite(glow.filter(ImageFilter.GaussianBlur(R * 0.12)))
    d = ImageDraw.Draw(img)
    d.polygon(star_points(cx, cy, R, R * 0.80, 16), fill=rgba((0x2A, 0x47, 0x61)), outline=gold, width=lw)
    d.ellipse(circle_box(cx, cy, R * 0.80), outline=dark, width=int(SS * 0.9))
    # petals between the star's points
    for k in range(16):
        a = 2 * math.pi * k / 16 - math.pi / 2 + math.pi / 16
        px, py = cx + R * 0.66 * math.cos(a), cy + R * 0.66 * math.sin(a)
        d.polygon(ellipse_points(px, py, R * 0.13, R * 0.045, a), fill=rgba((0x5C, 0x84, 0xA4)),
                  outline=gold, width=int(SS * 0.9))
    # interlaced eight-pointed stars
    d.polygon(eight_star(cx, cy, R * 0.56, 0), fill=rgba((0x35, 0x57, 0x74)), outline=gold, width=lw)
    d.polygon(eight_star(cx, cy, R * 0.56, math.pi / 8), outline=gold, width=lw)
    d.polygon(eight_star(cx, cy, R * 0.40, math.pi / 16), fill=rgba((0x23, 0x3D, 0x55)), outline=dark,
              width=int(SS * 0.9))
    # centre: a gold star in a pale ring
    d.ellipse(circle_box(cx, cy, R * 0.26), fill=rgba(HEAD), outline=gold, width=lw)
    d.polygon(eight_star(cx, cy, R * 0.22, math.pi / 8), fill=gold)
    d.polygon(eight_star(cx, cy, R * 0.12, 0), fill=rgba(GOLD_LIGHT))
    d.ellipse(circle_box(cx, cy, R * 0.045), fill=rgba(DEEP))
    # a ring of pearls outside
    for k in range(32):
        a = 2 * math.pi * k / 32
        r = R * (1.10 if k % 2 == 0 else 1.08)
        size = R * (0.026 if k % 2 == 0 else 0.015)
        d.ellipse(circle_box(cx + r * math.cos(a), cy + r * math.sin(a), size), fill=gold)


def corner_ornament(d, cx, cy, r, gold):
    d.polygon(eight_star(cx, cy, r, math.pi / 8), fill=rgba((0x2A, 0x47, 0x61)), outline=gold,
              width=int(1.2 * SS))
    d.ellipse(circle_box(cx, cy, r * 0.35), fill=gold)


def tapered_rules(d, cx, y, gap, length, thick, thin, steps, fill):
    """Two rules running out from `gap` pixels either side of cx, `length`
    pixels long, their half width tapering from thick + thin to thin."""
    for side in (-1, 1):
        for i in range(steps):
            t = i / steps
            xa = cx + side * (gap + length * t) * SS
            xb = cx + side * (gap + length * (t + 1 / steps)) * SS
            half = (thick * (1 - t) + thin) * SS
            d.rectangle((min(xa, xb), y - half, max(xa, xb), y + half), fill=fill)


def lumivra_image(out):
    w, h = 318, 490
    img = new(w, h)
    img.alpha_composite(vgradient(img.size, (0x33, 0x55, 0x72), (0x17, 0x2A, 0x3C)))
    # a soft light behind the rosette
    light = Image.new("RGBA", img.size, (0, 0, 0, 0))
    ImageDraw.Draw(light).ellipse(circle_box(159 * SS, 186 * SS, 150 * SS), fill=(0x8F, 0xB8, 0xD6, 70))
    img.alpha_composite(light.filter(ImageFilter.GaussianBlur(40 * SS)))
    # the background lattice, clipped to the inner panel
    lattice = Image.new("RGBA", img.size, (0, 0, 0, 0))
    star_and_cross(lattice, (0, 0, w * SS, h * SS), 44 * SS, (0xA8, 0xD0, 0xE8, 34), SS)
    clip = Image.new("L", img.size, 0)
    ImageDraw.Draw(clip).rectangle((18 * SS, 18 * SS, (w - 18) * SS, (h - 18) * SS), fill=255)
    paint(img, lambda d: d.bitmap((0, 0), clip, fill=255), lattice)
    d = ImageDraw.Draw(img)
    gold = rgba(GOLD)
    # frame: double gold rule with corner stars and a fine inner line
    d.rectangle((9 * SS, 9 * SS, (w - 9) * SS, (h - 9) * SS), outline=gold, width=int(1.6 * SS))
    d.rectangle((14 * SS, 14 * SS, (w - 14) * SS, (h - 14) * SS), outline=rgba(GOLD_DARK), width=SS)
    d.rectangle((18 * SS, 18 * SS, (w - 18) * SS, (h - 18) * SS), outline=rgba(HEAD, 110), width=SS)
    # a running border of small diamonds between the rules
    for x in range(24, w - 22, 10):
        for y in (11.5, h - 11.5):
            cx, cy = x * SS, y * SS
            d.polygon([(cx, cy - 1.4 * SS), (cx + 1.4 * SS, cy), (cx, cy + 1.4 * SS), (cx - 1.4 * SS, cy)],
                      fill=rgba(GOLD_DARK))
    for y in range(24, h - 22, 10):
        for x in (11.5, w - 11.5):
            cx, cy = x * SS, y * SS
            d.polygon([(cx, cy - 1.4 * SS), (cx + 1.4 * SS, cy), (cx, cy + 1.4 * SS), (cx - 1.4 * SS, cy)],
                      fill=rgba(GOLD_DARK))
    for cx, cy in ((11.5, 11.5), (w - 11.5, 11.5), (11.5, h - 11.5), (w - 11.5, h - 11.5)):
        corner_ornament(d, cx * SS, cy * SS, 9 * SS, gold)
    # an arch over the rosette
    arch = Image.new("RGBA", img.size, (0, 0, 0, 0))
    ad = ImageDraw.Draw(arch)
    ad.arc(circle_box(159 * SS, 186 * SS, 132 * SS), 180, 360, fill=rgba(GOLD, 150), width=SS)
    ad.arc(circle_box(159 * SS, 186 * SS, 136 * SS), 180, 360, fill=rgba(GOLD, 90), width=SS)
    ad.line((27 * SS, 186 * SS, 27 * SS, 300 * SS), fill=rgba(GOLD, 150), width=SS)
    ad.line((291 * SS, 186 * SS, 291 * SS, 300 * SS), fill=rgba(GOLD, 150), width=SS)
    ad.line((23 * SS, 186 * SS, 23 * SS, 300 * SS), fill=rgba(GOLD, 90), width=SS)
    ad.line((295 * SS, 186 * SS, 295 * SS, 300 * SS), fill=rgba(GOLD, 90), width=SS)
    img.alpha_composite(arch)
    rosette(img, 159 * SS, 186 * SS, 104 * SS)
    d = ImageDraw.Draw(img)
    # the title
    title = font("amiri", "Amiri-Bold.ttf", 62 * SS)
    shadow = Image.new("RGBA", img.size, (0, 0, 0, 0))
    draw_text_centered(ImageDraw.Draw(shadow), 160 * SS, 352 * SS, "Lumivra", title, (0, 0, 0, 150))
    img.alpha_composite(shadow.filter(ImageFilter.GaussianBlur(2 * SS)))
    tmask = Image.new("L", img.size, 0)
    draw_text_centered(ImageDraw.Draw(tmask), 159 * SS, 350 * SS, "Lumivra", title, 255)
    tgrad = Image.new("RGBA", img.size, rgba(GOLD_DARK))
    tgrad.paste(vgradient((w * SS, 52 * SS), mix(GOLD_LIGHT, WHITE, 0.25), GOLD_DARK), (0, 326 * SS))
    paint(img, lambda d: d.bitmap((0, 0), tmask, fill=255), tgrad)
    d = ImageDraw.Draw(img)
    # ornamental rule: tapering lines and a central star
    y = 384 * SS
    tapered_rules(d, 159 * SS, y, 14, 90, 1.1, 0.25, 40, gold)
    for side in (-1, 1):
        d.polygon([(159 * SS + side * 108 * SS, y), (159 * SS + side * 104 * SS, y - 2.5 * SS),
                   (159 * SS + side * 100 * SS, y), (159 * SS + side * 104 * SS, y + 2.5 * SS)], fill=gold)
    d.polygon(eight_star(159 * SS, y, 7 * SS, math.pi / 8), fill=gold)
    d.ellipse(circle_box(159 * SS, y, 2 * SS), fill=rgba(DEEP))
    sub = font("amiri", "Amiri-Regular.ttf", 19 * SS)
    draw_text_centered(d, 159 * SS, 410 * SS, "The Noble Qur\u2019an", sub, rgba(HEAD))
    small = font("amiri", "Amiri-Slanted.ttf", 14 * SS)
    draw_text_centered(d, 159 * SS, 432 * SS, "with its English translation", small, rgba(STEEL))
    arabic = font("amiri", "AmiriQuran.ttf", 26 * SS)
    draw_text_centered(d, 159 * SS, 458 * SS, "\u0671\u0644\u0652\u0642\u064f\u0631\u0652\u0621\u064e"
                       "\u0627\u0646\u064f \u0671\u0644\u0652\u0643\u064e\u0631\u0650\u064a\u0645\u064f",
                       arabic, gold, direction="rtl", language="ar")
    on_white(reduce(img, w, h)).save(os.path.join(out, "lumivraimage.jpg"), "JPEG", quality=92,
                                     optimize=False, subsampling=0)


# ---------------------------------------------------------------- splash screen

def splash_title(out):
    """The splash screen's title artwork, on the white of the splash panel:
    the rosette of the title picture beside the name. The top-right corner
    stays white: the maker's logo sits over it."""
    w, h = 332, 114
    img = new(w, h, rgba(WHITE))
    rosette(img, 57 * SS, 57 * SS, 46 * SS)
    d = ImageDraw.Draw(img)
    # the name in deep blue, a gold rule and the subtitles below it
    title = font("amiri", "Amiri-Bold.ttf", 50 * SS)
    tmask = Image.new("L", img.size, 0)
    draw_text_centered(ImageDraw.Draw(tmask), 210 * SS, 50 * SS, "Lumivra", title, 255)
    paint(img, lambda dd: dd.bitmap((0, 0), tmask, fill=255), vgradient(img.size, BLUE, DEEP))
    d = ImageDraw.Draw(img)
    y = 78 * SS
    tapered_rules(d, 210 * SS, y, 9, 70, 0.9, 0.2, 30, rgba(GOLD))
    d.polygon(eight_star(210 * SS, y, 5 * SS, math.pi / 8), fill=rgba(GOLD))
    sub = font("amiri", "Amiri-Regular.ttf", 15 * SS)
    draw_text_centered(d, 210 * SS, 94 * SS, "The Noble Qur\u2019an", sub, rgba(INK))
    on_white(reduce(img, w, h)).save(os.path.join(out, "splash_title.jpg"), "JPEG", quality=92,
                                     optimize=False, subsampling=0)


def splash_logo(out):
    """The maker's logo on the splash screen: the mark over the maker's name."""
    w, h = 75, 58
    img = new(w, h, rgba(WHITE))
    maker_mark(img, 37.5 * SS, 21 * SS, 16 * SS)
    d = ImageDraw.Draw(img)
    name = font("dejavu", "DejaVuSans-Bold.ttf", 9 * SS)
    draw_text_centered(d, 37.5 * SS, 47 * SS, "TELVARIN", name, rgba(INK))
    d.rectangle((14 * SS, 53.5 * SS, 61 * SS, 54.5 * SS), fill=rgba(HEAD))
    on_white(reduce(img, w, h)).save(os.path.join(out, "splash_logo.jpg"), "JPEG", quality=92,
                                     optimize=False, subsampling=0)


# ---------------------------------------------------------------- window glyphs
# Each glyph is drawn on a 24-unit grid; `u` is the size of one unit on the
# supersampled canvas, `o` the outline width.

class G:
    def __init__(self, size, scale=1):
        """A glyph of size x size pixels, drawn `scale` times larger."""
        self.size = size * scale
        self.img = new(self.size, self.size)
        self.u = self.size * SS / 24
        self.o = (SS if size <= 16 else int(1.25 * SS)) * scale

    def p(self, x, y):
        return (x * self.u, y * self.u)

    def pts(self, seq):
        return [self.p(x, y) for x, y in seq]

    def box(self, x0, y0, x1, y1):
        return (x0 * self.u, y0 * self.u, x1 * self.u, y1 * self.u)

    def shape(self, kind, geom, fill, outline=INK, radius=0):
        """Fills a shape (polygon, ellipse, rrect) with a colour or a vertical
        gradient (top, bottom) and outlines it."""
        def draw(d, grow):
            if kind == "polygon":
                d.polygon(geom, fill=255)
                if grow:
                    d.polygon(geom, outline=255, width=int(grow))
            elif kind == "ellipse":
                d.ellipse((geom[0] - grow / 2, geom[1] - grow / 2, geom[2] + grow / 2, geom[3] + grow / 2),
                          fill=255)
            else:
                d.rounded_rectangle((geom[0] - grow / 2, geom[1] - grow / 2, geom[2] + grow / 2,
                                     geom[3] + grow / 2), radius + grow / 2, fill=255)
        if outline is not None:
            paint(self.img, lambda d: draw(d, self.o * 2), outline)
        if isinstance(fill, tuple) and len(fill) == 2 and isinstance(fill[0], tuple):
            ys = [pt[1] for pt in geom] if kind == "polygon" else [geom[1], geom[3]]
            grad = Image.new("RGBA", self.img.size, (0, 0, 0, 0))
            y0, y1 = int(min(ys)), int(max(ys))
            grad.paste(vgradient((self.img.size[0], max(1, y1 - y0)), fill[0], fill[1]), (0, y0))
            paint(self.img, lambda d: draw(d, 0), grad)
        else:
            paint(self.img, lambda d: draw(d, 0), fill)

    def line(self, seq, color, width):
        ImageDraw.Draw(self.img).line(self.pts(seq), fill=rgba(color) if len(color) == 3 else color,
                                      width=int(width * self.u), joint="curve")

    def result(self):
        return reduce(self.img, self.size, self.size)


def arrow(g, left, fill=((0xB4, 0xDC, 0xF2), BLUE)):
    pts = [(3, 12), (11, 4), (11, 8.5), (20.5, 8.5), (20.5, 15.5), (11, 15.5), (11, 20)]
    if not left:
        pts = [(24 - x, y) for x, y in pts]
    g.shape("polygon", g.pts(pts), fill)
    hl = [(5.2, 12), (10, 7.2), (10, 9.5), (19.5, 9.5), (19.5, 11.2), (9.2, 11.2)]
    if not left:
        hl = [(24 - x, y) for x, y in hl]
    paint(g.img, lambda d: d.polygon(g.pts(hl), fill=255), (255, 255, 255, 90))


def house(g):
    g.shape("polygon", g.pts([(5.5, 11), (18.5, 11), (18.5, 21), (5.5, 21)]), ((0xFF, 0xFF, 0xFF), PALE))
    g.shape("rrect", g.box(10, 14, 14, 21), (GOLD_LIGHT, GOLD), radius=g.u * 0.6)
    g.shape("polygon", g.pts([(15.5, 4), (18, 4), (18, 9), (15.5, 7)]), (MID, BLUE))
    g.shape("polygon", g.pts([(12, 2.5), (22, 11.5), (20, 13), (12, 5.8), (4, 13), (2, 11.5)]),
            ((0x7A, 0xA8, 0xCA), INK))


def lens(g, cx=10, cy=10, r=6.3):
    magnifier(g.img, cx * g.u, cy * g.u, r * g.u, max(g.o * 1.6, 2.2 * g.u))


def info(g):
    g.shape("ellipse", g.box(2.5, 2.5, 21.5, 21.5), ((0x8C, 0xBC, 0xDE), BLUE))
    d = ImageDraw.Draw(g.img)
    d.ellipse(g.box(10.4, 5.4, 13.6, 8.6), fill=rgba(WHITE))
    d.rounded_rectangle(g.box(10.5, 10, 13.5, 18.5), g.u * 0.8, fill=rgba(WHITE))
    d.rounded_rectangle(g.box(9, 10, 13.5, 11.6), g.u * 0.6, fill=rgba(WHITE))
    d.rounded_rectangle(g.box(9, 17, 15, 18.6), g.u * 0.6, fill=rgba(WHITE))


def help_glyph(g):
    g.shape("ellipse", g.box(2.5, 2.5, 21.5, 21.5), (GOLD_LIGHT, GOLD_DARK))
    f = font("dejavu", "DejaVuSans-Bold.ttf", int(15 * g.u))
    d = ImageDraw.Draw(g.img)
    draw_text_centered(d, 12 * g.u, 12.2 * g.u, "?", f, rgba(WHITE), stroke_width=int(g.u * 0.7),
                       stroke_fill=rgba(GOLD_DARK))


def page(g, box=(4.5, 2.5, 18.5, 21.5), fold=4.5):
    x0, y0, x1, y1 = box
    g.shape("polygon", g.pts([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)]),
            (WHITE, (0xEA, 0xF3, 0xF8)))
    g.shape("polygon", g.pts([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)]), PALE)


def page_lines(g, x0, x1, ys, color=STEEL, w=1.1):
    for y in ys:
        g.line([(x0, y), (x1, y)], color, w)


def goto(g):
    page(g, (7, 2.5, 21, 21.5))
    page_lines(g, 9.5, 16, [8])
    page_lines(g, 9.5, 18.5, [11.5, 18])
    ImageDraw.Draw(g.img).rectangle(g.box(9.3, 13.8, 18.7, 16.2), fill=rgba(GOLD_LIGHT))
    # an arrow pointing at the marked line
    g.shape("polygon", g.pts([(1.5, 13), (7, 13), (7, 10.5), (12, 15), (7, 19.5), (7, 17), (1.5, 17)]),
            ((0xF2, 0xCE, 0x7A), GOLD_DARK), outline=(0x6E, 0x50, 0x1C))


def printer(g):
    g.shape("polygon", g.pts([(7, 2.5), (17, 2.5), (17, 10), (7, 10)]), WHITE)
    page_lines(g, 9, 15, [5.3, 7.8], STEEL, 1)
    g.shape("rrect", g.box(2.5, 9, 21.5, 18), ((0x9E, 0xC2, 0xDC), BLUE), radius=g.u * 2)
    d = ImageDraw.Draw(g.img)
    d.rectangle(g.box(5, 11.3, 19, 12.3), fill=rgba(INK, 120))
    d.ellipse(g.box(17.2, 13.6, 19.2, 15.6), fill=rgba(GOLD))
    g.shape("polygon", g.pts([(6.5, 15), (17.5, 15), (18.5, 21.5), (5.5, 21.5)]), (WHITE, PALE))
    page_lines(g, 8, 16, [18, 20], STEEL, 0.9)


def display(g):
    # two cards: a Latin letter behind, an Arabic letter in front, and a swap arrow
    g.shape("rrect", g.box(2.5, 3, 13.5, 15), (WHITE, PALE), radius=g.u * 1.5)
    g.shape("rrect", g.box(10.5, 9, 21.5, 21), ((0xBE, 0xE0, 0xF2), (0x8D, 0xB6, 0xD4)), radius=g.u * 1.5)
    d = ImageDraw.Draw(g.img)
    lat = font("dejavu", "DejaVuSerif-Bold.ttf", int(10 * g.u))
    draw_text_centered(d, 7.3 * g.u, 8.6 * g.u, "A", lat, rgba(INK))
    ara = font("amiri", "Amiri-Bold.ttf", int(13 * g.u))
    draw_text_centered(d, 16 * g.u, 15 * g.u, "\u0639", ara, rgba(INK), direction="rtl", language="ar")
    d.arc(g.box(13, 1, 23, 11), 270, 20, fill=rgba(GOLD_DARK), width=int(1.6 * g.u))
    d.polygon(g.pts([(21.3, 8.6), (23.6, 5.8), (19.2, 5.8)]), fill=rgba(GOLD_DARK))


def book(g):
    g.shape("polygon", g.pts([(5, 3), (19.5, 3), (19.5, 19), (5, 19)]), WHITE)
    g.shape("rrect", g.box(3.5, 2, 18, 20.5), ((0x6C, 0x99, 0xBC), INK), radius=g.u * 1)
    d = ImageDraw.Draw(g.img)
    d.polygon([g.p(*q) for q in eight_star(10.75, 10.5, 4.2, math.pi / 8)], fill=rgba(GOLD))
    d.ellipse(g.box(9.7, 9.4, 11.8, 11.6), fill=rgba(INK))
    g.shape("polygon", g.pts([(5, 19.5), (20.5, 19.5), (20.5, 22), (5, 22)]), WHITE)
    d = ImageDraw.Draw(g.img)
    d.line(g.pts([(6.5, 20.7), (19.5, 20.7)]), fill=rgba(STEEL), width=max(SS, int(0.6 * g.u)))
    d.rectangle(g.box(3.8, 3, 5.4, 19.6), fill=rgba(INK, 150))


def ribbon(g, x=7, w=10):
    g.shape("polygon", g.pts([(x, 2), (x + w, 2), (x + w, 21.5), (x + w / 2, 16.5), (x, 21.5)]),
            (GOLD_LIGHT, GOLD_DARK), outline=(0x6E, 0x50, 0x1C))
    paint(g.img, lambda d: d.polygon(g.pts([(x + 1.5, 3.2), (x + 3.3, 3.2), (x + 3.3, 16.5), (x + 1.5, 18)]),
                                     fill=255), (255, 255, 255, 90))


def plus_badge(g):
    g.shape("ellipse", g.box(12.5, 12.5, 22.5, 22.5), ((0x8C, 0xBC, 0xDE), BLUE))
    d = ImageDraw.Draw(g.img)
    d.rectangle(g.box(16.8, 14.8, 18.2, 20.2), fill=rgba(WHITE))
    d.rectangle(g.box(14.8, 16.8, 20.2, 18.2), fill=rgba(WHITE))


def chapter_arrow(g, left):
    page(g, (3.5, 2, 17, 20), 4)
    page_lines(g, 6, 14.5, [7.5, 10.5, 13.5, 16.5], STEEL, 1.1)
    pts = [(10, 17.5), (15.5, 12), (15.5, 15), (22.5, 15), (22.5, 20), (15.5, 20), (15.5, 23)]
    if not left:
        pts = [(x, y) for x, y in pts]
        pts = [(32.5 - x, y) for x, y in pts]
    g.shape("polygon", g.pts(pts), ((0xB4, 0xDC, 0xF2), BLUE))


def magnifier_page(g):
    page(g, (2.5, 2, 15.5, 21.5), 4)
    page_lines(g, 5, 13, [7.5, 10.5, 13.5, 16.5, 19.2], STEEL, 1.1)
    magnifier(g.img, 15 * g.u, 12.5 * g.u, 5.3 * g.u, max(g.o * 1.5, 2 * g.u), handle=1.0)


def maker_glyph(g):
    maker_mark(g.img, 12 * g.u, 12 * g.u, 10.5 * g.u)


def chapter_glyph(g):
    page(g, (4.5, 2, 19.5, 22), 5)
    page_lines(g, 7.5, 16.5, [9, 12, 15, 18], STEEL, 1.3)
    d = ImageDraw.Draw(g.img)
    d.polygon([g.p(*q) for q in eight_star(8.5, 5.8, 2.6, math.pi / 8)], fill=rgba(GOLD))


TOOLS = {
    "tool_home": house,
    "tool_back": lambda g: arrow(g, True),
    "tool_forward": lambda g: arrow(g, False),
    "tool_search": lambda g: lens(g),
    "tool_info": info,
    "tool_goto": goto,
    "tool_print": printer,
    "tool_display": display,
    "tool_help": help_glyph,
}

MENU = [
    lambda g: lens(g, 10, 10, 6.5),           # 0 find
    lambda g: chapter_arrow(g, True),         # 1 previous chapter
    lambda g: chapter_arrow(g, False),        # 2 next chapter
    lambda g: arrow(g, True),                 # 3 back
    help_glyph,                               # 4 help
    magnifier_page,                           # 5 search in the text
    info,                                     # 6 information
    printer,                                  # 7 print
    display,                                  # 8 display options
    goto,                                     # 9 go to chapter and verse
    house,                                    # 10 home page
    lambda g: (ribbon(g, 4, 10), plus_badge(g)),  # 11 add bookmark
    lambda g: ribbon(g),                      # 12 bookmark
]

TREE = [maker_glyph, book, chapter_glyph]


def glyph(fn, size, scale=1):
    g = G(size, scale)
    fn(g)
    return g.result()


# ---------------------------------------------------------------- themes
# Four colour themes, each a wallpaper (64 x 64), a frame border (80 x 10:
# eight 10 x 10 tiles), a panel border (48 x 5: eight 6 x 5 tiles) and a
# strip of three 31 x 31 button faces (94 x 31), all drawn once more at twice
# the size with the same layout ("@2x").

THEMES = {
    "default": dict(
        base=(0xE3, 0xEA, 0xF0), motif="stars", line=(0x95, 0xAE, 0xC2), seed=1207,
        dark=(0x3E, 0x5A, 0x72), mid=(0x8A, 0xA3, 0xB8), light=(0xF4, 0xF8, 0xFB),
        face=((0xC4, 0xD5, 0xE2), (0x9D, 0xB6, 0xCA)), accent=GOLD, accent_dark=GOLD_DARK,
        button=((0xFB, 0xFD, 0xFE), (0xD2, 0xDE, 0xE8)), hot=((0xFF, 0xFD, 0xF4), (0xF2, 0xE2, 0xB8))),
    "sky": dict(
        base=(0xDD, 0xEF, 0xEF), motif="circles", line=(0x5C, 0xA8, 0xA8), seed=2311,
        dark=(0x1F, 0x5C, 0x60), mid=(0x5F, 0xA3, 0xA6), light=(0xF0, 0xFB, 0xFB),
        face=((0xA6, 0xD8, 0xD8), (0x76, 0xBA, 0xBC)), accent=(0xF4, 0xFC, 0xFF), accent_dark=(0x2E, 0x7E, 0x84),
        button=((0xFA, 0xFE, 0xFE), (0xCB, 0xE8, 0xE8)), hot=((0xF6, 0xFF, 0xFF), (0xBE, 0xEC, 0xF2))),
    "rose": dict(
        base=(0xF3, 0xE5, 0xE7), motif="flowers", line=(0xB8, 0x74, 0x82), seed=3527,
        dark=(0x5E, 0x1F, 0x2C), mid=(0xB0, 0x6A, 0x78), light=(0xFC, 0xF0, 0xF2),
        face=((0xDC, 0xA8, 0xB2), (0xC0, 0x80, 0x8E)), accent=GOLD, accent_dark=GOLD_DARK,
        button=((0xFE, 0xFA, 0xFB), (0xEC, 0xD3, 0xD8)), hot=((0xFF, 0xFB, 0xF4), (0xF4, 0xDC, 0xC0))),
    "forest": dict(
        base=(0xE2, 0xEB, 0xDC), motif="trellis", line=(0x74, 0x98, 0x66), seed=4451,
        dark=(0x26, 0x45, 0x22), mid=(0x6E, 0x93, 0x62), light=(0xF1, 0xF7, 0xEB),
        face=((0xAE, 0xC8, 0xA0), (0x86, 0xA9, 0x78)), accent=(0xD2, 0xAE, 0x62), accent_dark=(0x86, 0x66, 0x2A),
        button=((0xFA, 0xFD, 0xF7), (0xD4, 0xE2, 0xCC)), hot=((0xFD, 0xFC, 0xF0), (0xE6, 0xE4, 0xB8))),
}


def wrap_soft(noise, n, scale, radius):
    """Noise blurred (and enlarged) on a 3 x 3 tiling, so the tile wraps."""
    big = Image.new("L", (3 * n, 3 * n))
    for i in range(3):
        for j in range(3):
            big.paste(noise, (i * n, j * n))
    if scale != 1:
        big = big.resize((3 * n * scale, 3 * n * scale), Image.Resampling.BICUBIC)
    m = n * scale
    return big.filter(ImageFilter.GaussianBlur(radius * scale)).crop((m, m, 2 * m, 2 * m))


def motif(d, kind, cx, cy, k, line, width):
    """One cell of a theme's lattice around (cx, cy); k is pixels x SS x scale."""
    faint = line + (60,)
    white = (0xFF, 0xFF, 0xFF, 70)
    if kind == "stars":
        d.polygon(eight_star(cx, cy, 9 * k, math.pi / 8), outline=faint, width=width)
        d.polygon(eight_star(cx + 16 * k, cy + 16 * k, 3 * k, math.pi / 8), fill=white)
    elif kind == "circles":
        d.ellipse(circle_box(cx, cy, 11 * k), outline=line + (52,), width=width)
        d.ellipse(circle_box(cx, cy, 2.2 * k), fill=white)
        d.ellipse(circle_box(cx + 16 * k, cy + 16 * k, 3 * k), outline=(0xFF, 0xFF, 0xFF, 90), width=width)
    elif kind == "flowers":
        for a in range(8):
            ang = a * math.pi / 4
            px, py = cx + 5.2 * k * math.cos(ang), cy + 5.2 * k * math.sin(ang)
            d.polygon(ellipse_points(px, py, 3.6 * k, 1.7 * k, ang, 24), outline=line + (58,), width=width)
        d.ellipse(circle_box(cx, cy, 1.8 * k), fill=line + (60,))
        d.ellipse(circle_box(cx + 16 * k, cy + 16 * k, 2.2 * k), fill=white)
    elif kind == "trellis":
        d.polygon([(cx, cy - 16 * k), (cx + 16 * k, cy), (cx, cy + 16 * k), (cx - 16 * k, cy)],
                  outline=line + (48,), width=width)
        for a in range(4):
            ang = math.pi / 4 + a * math.pi / 2
            px, py = cx + 3.6 * k * math.cos(ang), cy + 3.6 * k * math.sin(ang)
            d.polygon(ellipse_points(px, py, 3.0 * k, 1.3 * k, ang, 24), fill=line + (50,))
        d.ellipse(circle_box(cx + 16 * k, cy + 16 * k, 2 * k), fill=white)


def wallpaper(theme, scale=1):
    """A theme's wallpaper: linen of the theme's colour with a faint lattice,
    seamless when tiled."""
    t = THEMES[theme]
    n = 64
    rnd = random.Random(t["seed"])
    noise = Image.new("L", (n, n))
    noise.putdata([rnd.randint(0, 255) for _ in range(n * n)])
    soft = wrap_soft(noise, n, scale, 0.8)
    m = n * scale
    img = Image.new("RGB", (m, m))
    px = []
    for v in soft.getdata():
        k = (v - 128) / 128 * 3.2
        px.append(tuple(max(0, min(255, int(round(c + k)))) for c in t["base"]))
    img.putdata(px)
    # the lattice, drawn on a 3 x 3 tiling so it wraps at the edges
    lat = Image.new("RGBA", (3 * m * SS, 3 * m * SS), (0, 0, 0, 0))
    d = ImageDraw.Draw(lat)
    k = SS * scale
    for cx in range(0, 3 * n + 1, 32):
        for cy in range(0, 3 * n + 1, 32):
            motif(d, t["motif"], cx * k, cy * k, k, t["line"], k)
    lat = reduce(lat, 3 * m, 3 * m).crop((m, m, 2 * m, 2 * m))
    out = img.convert("RGBA")
    out.alpha_composite(lat)
    return out.convert("RGB")


def texture():
    """The dialogs' built-in wallpaper: the Default theme's."""
    return wallpaper("default")


def frame_rings(t):
    """The frame border's ten rings from the outside in, one pixel deep each
    (at scale 1), as (top-left colour, bottom-right colour): an outline, a
    raised bevel, the face with an accent line, a sunken bevel, an inner line
    and a soft step down to the wallpaper."""
    f0, f1 = t["face"]
    shade = lambda c: mix(c, t["dark"], 0.18)
    faces = [mix(f0, f1, i / 3) for i in range(4)]
    return ([(t["dark"], t["dark"]), (t["light"], t["mid"])]
            + [(c, shade(c)) for c in faces[:2]] + [(t["accent"], t["accent"])]
            + [(c, shade(c)) for c in faces[2:]]
            + [(t["mid"], t["light"]), (t["dark"], t["dark"]),
               (mix(t["base"], t["dark"], 0.12), mix(t["base"], WHITE, 0.3))])


def border_sheet(t, tile_w, tile_h, rings, widths, scale, studs=0.0):
    """A 3 x 3 cell picture of a bevelled frame whose rings add up to exactly
    a tile: the middle cells are constant along their edge (so they tile), and
    the corner cells join them. `widths` gives each ring's (side, top) depth."""
    W, H = 3 * tile_w, 3 * tile_h
    k = SS * scale
    img = Image.new("RGBA", (W * k, H * k), rgba(t["base"]))
    d = ImageDraw.Draw(img)
    ax = ay = 0
    for (tl, br), (tx, ty) in zip(rings, widths):
        bx, by = ax + tx, ay + ty
        o = [(ax * k, ay * k), ((W - ax) * k, ay * k), ((W - ax) * k, (H - ay) * k), (ax * k, (H - ay) * k)]
        i = [(bx * k, by * k), ((W - bx) * k, by * k), ((W - bx) * k, (H - by) * k), (bx * k, (H - by) * k)]
        d.polygon([o[0], o[1], i[1], i[0]], fill=rgba(tl))  # top
        d.polygon([o[0], i[0], i[3], o[3]], fill=rgba(tl))  # left
        d.polygon([o[3], i[3], i[2], o[2]], fill=rgba(br))  # bottom
        d.polygon([o[1], o[2], i[2], i[1]], fill=rgba(br))  # right
        ax, ay = bx, by
    if studs:
        # a small jewel where the accent lines meet in each corner
        r = studs * k
        c = 4.5  # the middle of the accent ring
        for cx, cy in ((c, c), (W - c, c), (c, H - c), (W - c, H - c)):
            cx, cy = cx * k, cy * k
            d.polygon([(cx, cy - r - k), (cx + r + k, cy), (cx, cy + r + k), (cx - r - k, cy)],
                      fill=rgba(t["accent_dark"]))
            d.polygon([(cx, cy - r), (cx + r, cy), (cx, cy + r), (cx - r, cy)], fill=rgba(t["accent"]))
            d.ellipse(circle_box(cx - r * 0.25, cy - r * 0.25, r * 0.3), fill=(255, 255, 255, 150))
    return reduce(img, W * scale, H * scale).convert("RGB")


# Cells (column, row) of the 3 x 3 sheet in the slice order of each bitmap.
BORDER_ORDER = [(0, 2), (1, 2), (2, 2), (2, 1), (0, 1), (0, 0), (1, 0), (2, 0)]
SMBORDER_ORDER = [(0, 2), (1, 2), (2, 2), (0, 0), (1, 0), (2, 0), (0, 1), (2, 1)]


def cut_tiles(sheet, tile_w, tile_h, order, scale):
    tw, th = tile_w * scale, tile_h * scale
    out = Image.new("RGB", (8 * tw, th))
    for slot, (c, r) in enumerate(order):
        out.paste(sheet.crop((c * tw, r * th, (c + 1) * tw, (r + 1) * th)), (slot * tw, 0))
    return out


def border(theme, scale=1):
    t = THEMES[theme]
    sheet = border_sheet(t, 10, 10, frame_rings(t), [(1, 1)] * 10, scale, studs=2.2)
    return cut_tiles(sheet, 10, 10, BORDER_ORDER, scale)


def smborder(theme, scale=1):
    """Five rings deep at top and bottom, six at the sides (the face ring is
    two pixels wide there)."""
    t = THEMES[theme]
    f0, f1 = t["face"]
    rings = [(t["dark"], t["dark"]), (t["light"], t["mid"]), (mix(f0, f1, 0.5), mix(f0, f1, 0.8)),
             (t["mid"], t["light"]), (mix(t["base"], t["dark"], 0.25), mix(t["base"], WHITE, 0.4))]
    sheet = border_sheet(t, 6, 5, rings, [(1, 1), (1, 1), (2, 1), (1, 1), (1, 1)], scale)
    return cut_tiles(sheet, 6, 5, SMBORDER_ORDER, scale)


def button_face(t, kind, scale):
    """One 31 x 31 face: raised (0), highlighted (1) or pressed (2), on the
    wallpaper's colour so its rounded corners blend with the panel."""
    n = 31
    k = SS * scale
    img = Image.new("RGBA", (n * k, n * k), rgba(t["base"]))

    def rr(inset, fill, right=None, radius=4.0):
        right = inset if right is None else right
        box = (inset * k, inset * k, (n - right) * k, (n - right) * k)
        if isinstance(fill, tuple) and len(fill) == 2 and isinstance(fill[0], tuple):
            grad = vgradient(img.size, fill[0], fill[1])
            paint(img, lambda d: d.rounded_rectangle(box, max(0.0, radius - inset) * k, fill=255), grad)
        else:
            paint(img, lambda d: d.rounded_rectangle(box, max(0.0, radius - inset) * k, fill=255), fill)

    if kind == 0:
        rr(0, mix(t["mid"], t["dark"], 0.35))
        rr(1, mix(t["button"][1], t["mid"], 0.55))
        rr(1, WHITE, right=2)
        rr(2, t["button"])
        paint(img, lambda d: d.rounded_rectangle((2 * k, 2 * k, (n - 2) * k, 14 * k), 2 * k, fill=255),
              (255, 255, 255, 70))
    elif kind == 1:
        rr(0, t["accent_dark"])
        rr(1, mix(t["hot"][1], t["accent_dark"], 0.35))
        rr(1, WHITE, right=2)
        rr(2, mix(t["accent"], WHITE, 0.45))
        rr(3, t["hot"])
        paint(img, lambda d: d.rounded_rectangle((3 * k, 3 * k, (n - 3) * k, 14 * k), 1.5 * k, fill=255),
              (255, 255, 255, 90))
    else:
        rr(0, mix(t["dark"], t["mid"], 0.25))
        rr(1, mix(t["button"][1], WHITE, 0.5))
        rr(1, mix(t["mid"], t["dark"], 0.2), right=2)
        lo, hi = t["button"]
        rr(2, (mix(hi, t["mid"], 0.45), mix(hi, lo, 0.4)))
        paint(img, lambda d: d.rectangle((2 * k, 2 * k, (n - 2) * k, 3.5 * k), fill=255), (0, 0, 0, 28))
    return reduce(img, n * scale, n * scale).convert("RGB")


def buttons(theme, scale=1):
    t = THEMES[theme]
    out = Image.new("RGB", (94 * scale, 31 * scale), t["base"])
    for kind in range(3):
        out.paste(button_face(t, kind, scale), (31 * kind * scale, 0))
    return out


THEME_ROLES = {"wallpaper": wallpaper, "border": border, "smborder": smborder, "buttons": buttons}


def theme_artwork(out):
    for theme in THEMES:
        for role, draw in THEME_ROLES.items():
            for scale, suffix in ((1, ""), (2, "@2x")):
                img = draw(theme, scale)
                if theme == "default" and role == "border":
                    # the Default frame border is a palette picture
                    img = img.quantize(colors=256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
                save_png(img, os.path.join(out, "%s_%s%s.png" % (theme, role, suffix)))


def about_logo():
    w, h = 46, 45
    img = new(w, h)
    cx, cy = 23 * SS, 22.5 * SS
    d = ImageDraw.Draw(img)
    d.ellipse(circle_box(cx, cy, 21.5 * SS), fill=rgba(GOLD_DARK))
    face = vgradient(img.size, (0x46, 0x6E, 0x8E), (0x1C, 0x33, 0x48))
    paint(img, lambda dd: dd.ellipse(circle_box(cx, cy, 20 * SS), fill=255), face)
    d = ImageDraw.Draw(img)
    d.polygon(star_points(cx, cy, 18 * SS, 14.5 * SS, 16), outline=rgba(GOLD), width=SS)
    d.polygon(eight_star(cx, cy, 13 * SS, 0), fill=rgba((0x35, 0x57, 0x74)), outline=rgba(GOLD), width=SS)
    d.polygon(eight_star(cx, cy, 13 * SS, math.pi / 8), outline=rgba(GOLD), width=SS)
    d.ellipse(circle_box(cx, cy, 6 * SS), fill=rgba(HEAD), outline=rgba(GOLD), width=SS)
    d.polygon(eight_star(cx, cy, 5 * SS, math.pi / 8), fill=rgba(GOLD))
    d.ellipse(circle_box(cx, cy, 1.4 * SS), fill=rgba(DEEP))
    return reduce(img, w, h)


def small_magnifier():
    w, h = 16, 15
    img = new(w, h)
    magnifier(img, 6.2 * SS, 6 * SS, 4.4 * SS, 1.6 * SS, handle=1.05)
    return reduce(img, w, h)


def save_png(img, path):
    img.save(path, "PNG", optimize=False, compress_level=9)


# ---------------------------------------------------------------- application icon
# One drawing, kept as a list of shapes on a 256-unit square, written both as
# PNG at each icon size and as SVG. Below 48 pixels it loses its fine detail,
# and its outlines stay a whole pixel wide on the pixel grid.

class Grad:
    """A vertical gradient from `top` at y0 to `bottom` at y1 (icon units)."""

    def __init__(self, top, bottom, y0, y1):
        self.top, self.bottom, self.y0, self.y1 = top, bottom, y0, y1


class Vector:
    UNITS = 256

    def __init__(self):
        self.ops = []

    def poly(self, pts, fill=None, stroke=None, width=0):
        self.ops.append(("poly", [tuple(p) for p in pts], fill, stroke, width))

    def circle(self, cx, cy, r, fill=None, stroke=None, width=0):
        self.ops.append(("circle", (cx, cy, r), fill, stroke, width))

    def rrect(self, box, r, fill=None, stroke=None, width=0):
        self.ops.append(("rrect", (tuple(box), r), fill, stroke, width))

    # -- PNG
    def png(self, size):
        k = size * SS / self.UNITS
        img = new(size, size)
        for kind, geom, fill, stroke, width in self.ops:
            if fill is not None:
                paint(img, lambda d: self._shape(d, kind, geom, k, 0, 255), self._source(fill, img.size, k))
            if stroke is not None:
                def ring(d):
                    if kind == "poly":
                        pts = [(x * k, y * k) for x, y in geom]
                        d.line(pts + pts[:2], fill=255, width=max(1, round(width * k)), joint="curve")
                    else:
                        self._shape(d, kind, geom, k, width / 2, 255)
                        self._shape(d, kind, geom, k, -width / 2, 0)
                paint(img, ring, self._source(stroke, img.size, k))
        return reduce(img, size, size)

    @staticmethod
    def _shape(d, kind, geom, k, grow, value):
        if kind == "poly":
            d.polygon([(x * k, y * k) for x, y in geom], fill=value)
        elif kind == "circle":
            cx, cy, r = geom
            # PIL boxes include their right and bottom pixel
            if r + grow > 0:
                x0, y0, x1, y1 = circle_box(cx * k, cy * k, (r + grow) * k)
                d.ellipse((x0, y0, x1 - 1, y1 - 1), fill=value)
        else:
            (x0, y0, x1, y1), r = geom
            if x1 - x0 > -2 * grow and y1 - y0 > -2 * grow:
                d.rounded_rectangle(((x0 - grow) * k, (y0 - grow) * k, (x1 + grow) * k - 1, (y1 + grow) * k - 1),
                                    max(0, (r + grow) * k), fill=value)

    @staticmethod
    def _source(fill, size, k):
        if not isinstance(fill, Grad):
            return fill
        col = Image.new("RGBA", (1, size[1]))
        for y in range(size[1]):
            t = min(1, max(0, ((y + 0.5) / k - fill.y0) / (fill.y1 - fill.y0)))
            col.putpixel((0, y), rgba(mix(fill.top, fill.bottom, t)))
        return col.resize(size, Image.Resampling.NEAREST)

    # -- SVG
    def svg(self):
        defs, body = [], []

        def num(v):
            return ("%.2f" % v).rstrip("0").rstrip(".")

        def paint_attrs(prefix, value):
            if isinstance(value, Grad):
                gid = "g%d" % len(defs)
                defs.append('<linearGradient id="%s" gradientUnits="userSpaceOnUse" x1="0" y1="%s" x2="0" '
                            'y2="%s"><stop offset="0" stop-color="#%02x%02x%02x"/><stop offset="1" '
                            'stop-color="#%02x%02x%02x"/></linearGradient>'
                            % ((gid, num(value.y0), num(value.y1)) + value.top + value.bottom))
                return ' %s="url(#%s)"' % (prefix, gid)
            out = ' %s="#%02x%02x%02x"' % ((prefix,) + tuple(value[:3]))
            if len(value) == 4:
                out += ' %s-opacity="%s"' % (prefix, num(value[3] / 255))
            return out

        for kind, geom, fill, stroke, width in self.ops:
            attrs = paint_attrs("fill", fill) if fill is not None else ' fill="none"'
            if stroke is not None:
                attrs += paint_attrs("stroke", stroke) + ' stroke-width="%s" stroke-linejoin="round"' % num(width)
            if kind == "poly":
                pts = " ".join("%s,%s" % (num(x), num(y)) for x, y in geom)
                body.append('<polygon points="%s"%s/>' % (pts, attrs))
            elif kind == "circle":
                body.append('<circle cx="%s" cy="%s" r="%s"%s/>' % (tuple(map(num, geom)) + (attrs,)))
            else:
                (x0, y0, x1, y1), r = geom
                body.append('<rect x="%s" y="%s" width="%s" height="%s" rx="%s"%s/>'
                            % (num(x0), num(y0), num(x1 - x0), num(y1 - y0), num(r), attrs))
        return ('<?xml version="1.0" encoding="UTF-8"?>\n'
                '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">\n'
                '<defs>%s</defs>\n%s\n</svg>\n' % ("".join(defs), "\n".join(body)))


# Below 48 pixels the book is laid on the pixel grid: cover, page block and
# the pages' lower edge as (x0, y0, x1, y1) in pixels, outlines through the
# centres of those pixels, and the column of the spine's gold line.
SMALL_ICON = {
    16: ((1, 0, 12, 12), (2, 1, 14, 13), (2, 12, 14, 14), 3),
    24: ((1, 0, 18, 19), (3, 2, 22, 20), (3, 19, 22, 22), 4),
    32: ((2, 1, 25, 26), (4, 3, 29, 27), (4, 26, 29, 29), 5),
}


def icon(size=None):
    """The reader's icon: the closed book, blue cover with a gold frame and the
    rosette of the title picture, pages below and a gold ribbon. `size` in
    pixels for a PNG; None for the full drawing (SVG)."""
    v = Vector()
    fine = size not in SMALL_ICON
    px = Vector.UNITS / size if size else 1.0
    line = 4.0 if fine else px
    if fine:
        cover, pages, strip, spine = (28, 10, 206, 214), (46, 22, 224, 222), (42, 208, 228, 232), 54
    else:
        def grid(*b):
            return tuple((n + 0.5) * px for n in b)
        cover, pages, strip = (grid(*b) for b in SMALL_ICON[size][:3])
        spine = grid(SMALL_ICON[size][3])[0]
    outline = (0x14, 0x25, 0x35)
    edge = mix(STEEL, WHITE, 0.3)
    # the page block, its fore-edge showing to the right
    v.rrect(pages, 10 if fine else 0, fill=Grad(WHITE, (0xDC, 0xE8, 0xF1), pages[1], pages[3]),
            stroke=INK, width=line)
    if fine:
        for x in (212, 218):
            v.poly([(x, 34), (x, 206)], stroke=edge, width=2)
        # the ribbon, held under the pages' lower edge
        v.poly([(146, 200), (168, 200), (168, 250), (157, 241), (146, 250)],
               fill=Grad(GOLD_LIGHT, GOLD_DARK, 200, 250), stroke=(0x6E, 0x50, 0x1C), width=2.5)
    # the cover and its spine
    v.rrect(cover, 14 if fine else px * 0.6, fill=Grad((0x4C, 0x76, 0x98), (0x1C, 0x33, 0x48), cover[1], cover[3]),
            stroke=outline, width=line)
    v.rrect((cover[0], cover[1], spine, cover[3]), 14 if fine else 0, fill=(0x10, 0x1E, 0x2C, 110))
    v.poly([(spine, cover[1] + line), (spine, cover[3] - line)], stroke=GOLD_DARK, width=3 if fine else px)
    # the pages' lower edge in front of the cover
    v.rrect(strip, 8 if fine else 0, fill=Grad(WHITE, PALE, strip[1], strip[3]), stroke=INK, width=line)
    if fine:
        v.poly([(56, 220), (214, 220)], stroke=edge, width=2.5)

    cx, cy = (spine + cover[2]) / 2, (cover[1] + strip[1]) / 2
    if not fine:
        # small: the gold star of the tree's book, framed from 32 pixels
        if size >= 32:
            v.rrect((spine + 3 * px, cover[1] + 3 * px, cover[2] - 3 * px, strip[1] - 3 * px), px,
                    stroke=GOLD, width=px * 0.75)
        r = (cover[2] - spine) * (0.3 if size >= 32 else 0.36)
        v.poly(eight_star(cx, cy, r, math.pi / 8), fill=GOLD, stroke=GOLD_DARK, width=px * 0.5)
        v.circle(cx, cy, r * 0.3, fill=DEEP)
        return v

    # frame: a gold rule, a finer one inside, stars at the corners
    fx, fy = 62, 82
    v.rrect((cx - fx, cy - fy, cx + fx, cy + fy), 8, stroke=GOLD, width=4)
    v.rrect((cx - fx + 8, cy - fy + 8, cx + fx - 8, cy + fy - 8), 5, stroke=GOLD_DARK, width=2)
    for x, y in ((cx - fx, cy - fy), (cx + fx, cy - fy), (cx - fx, cy + fy), (cx + fx, cy + fy)):
        v.poly(eight_star(x, y, 10, math.pi / 8), fill=(0x2A, 0x47, 0x61), stroke=GOLD, width=2.5)
        v.circle(x, y, 3, fill=GOLD)
    # diamonds and short rules above and below the rosette
    for y in (cy - 60, cy + 60):
        for side in (-1, 1):
            v.poly([(cx + side * 10, y - 1.2), (cx + side * 34, y - 0.4), (cx + side * 34, y + 0.4),
                    (cx + side * 10, y + 1.2)], fill=GOLD)
        v.poly([(cx, y - 6), (cx + 6, y), (cx, y + 6), (cx - 6, y)], fill=GOLD)
    # the rosette of the title picture
    R = 42
    v.circle(cx, cy, R * 1.08, fill=HEAD + (45,))
    v.poly(star_points(cx, cy, R, R * 0.8, 16), fill=(0x2A, 0x47, 0x61), stroke=GOLD, width=3)
    v.circle(cx, cy, R * 0.8, stroke=GOLD_DARK, width=1.8)
    v.poly(eight_star(cx, cy, R * 0.58, 0), fill=(0x35, 0x57, 0x74), stroke=GOLD, width=3)
    v.poly(eight_star(cx, cy, R * 0.58, math.pi / 8), stroke=GOLD, width=3)
    v.circle(cx, cy, R * 0.28, fill=HEAD, stroke=GOLD, width=2.5)
    v.poly(eight_star(cx, cy, R * 0.23, math.pi / 8), fill=GOLD)
    v.poly(eight_star(cx, cy, R * 0.12, 0), fill=GOLD_LIGHT)
    v.circle(cx, cy, R * 0.05, fill=DEEP)
    if size is None or size >= 128:
        for k in range(16):
            a = 2 * math.pi * k / 16
            v.circle(cx + R * 1.14 * math.cos(a), cy + R * 1.14 * math.sin(a), 1.8, fill=GOLD)
    return v


ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)


def icons(out):
    """lumivra-N.png for each icon size, and lumivra.svg."""
    for size in ICON_SIZES:
        save_png(icon(size).png(size), os.path.join(out, "lumivra-%d.png" % size))
    with open(os.path.join(out, "lumivra.svg"), "w", encoding="utf-8", newline="\n") as f:
        f.write(icon().svg())


def window_artwork(out):
    pics = {}
    for i, fn in enumerate(TREE):
        pics["tree%d" % i] = glyph(fn, 16)
    for name, fn in TOOLS.items():
        pics[name] = glyph(fn, 24)
    for i, fn in enumerate(MENU):
        pics["menu%d" % i] = glyph(fn, 16)
    pics["texture"] = texture()
    pics["logo"] = about_logo()
    pics["magnifier"] = small_magnifier()
    for name, img in pics.items():
        save_png(img, os.path.join(out, name + ".png"))
    # the tree, toolbar and menu glyphs once more at twice the size, for dense screens
    twice = {"tree%d" % i: (fn, 16) for i, fn in enumerate(TREE)}
    twice.update({name: (fn, 24) for name, fn in TOOLS.items()})
    twice.update({"menu%d" % i: (fn, 16) for i, fn in enumerate(MENU)})
    for name, (fn, size) in twice.items():
        save_png(glyph(fn, size, 2), os.path.join(out, name + "@2x.png"))
    return pics


def contact_sheet(out, pics):
    """Every picture on one sheet, the small ones enlarged, for looking at."""
    sheet = Image.new("RGB", (1100, 900), (0xEE, 0xEE, 0xEE))
    d = ImageDraw.Draw(sheet)

    def load(n):
        return Image.open(os.path.join(out, n)).convert("RGBA")

    # the title bar as a page shows it: left end, the middle cut off, right end
    bar = Image.new("RGBA", (1090, 39), rgba(WHITE))
    bar.alpha_composite(load("hleft.gif"), (0, 0))
    bar.alpha_composite(load("hmiddle.gif").crop((0, 0, 954, 39)), (68, 0))
    bar.alpha_composite(load("hright.gif"), (1022, 0))
    sheet.paste(bar.convert("RGB"), (5, 5))
    # a label bar: steel blue, C_GIF, then the top line running on
    lab = Image.new("RGB", (300, 14), WHITE)
    ImageDraw.Draw(lab).rectangle((0, 0, 49, 13), fill=STEEL)
    lab.paste(load("c.gif").convert("RGB"), (50, 0))
    ImageDraw.Draw(lab).line((61, 0, 299, 0), fill=STEEL)
    sheet.paste(lab.resize((900, 42), Image.Resampling.NEAREST), (5, 52))
    sp = load("sp.gif").convert("RGB")
    sheet.paste(sp.resize((255 * 3, 3), Image.Resampling.NEAREST), (5, 100))
    x = 5
    for n in ("logomain.gif", "online.gif", "viewonline.gif", "searchview.jpg", "searchreport.jpg"):
        im = load(n)
        sheet.paste(im.convert("RGB"), (x, 112))
        x += im.width + 10
    sheet.paste(load("bullet.gif").resize((32, 32), Image.Resampling.NEAREST).convert("RGB"), (x, 112))
    sheet.paste(load("lumivraimage.jpg").convert("RGB"), (770, 200))
    x, y = 5, 200
    for name, img in pics.items():
        if name == "texture":
            continue
        im = img.convert("RGBA")
        scale = 3 if im.width <= 24 else 2
        im = im.resize((im.width * scale, im.height * scale), Image.Resampling.NEAREST)
        if x + 2 * im.width + 16 > 760:
            x, y = 5, y + 100
        for bg in ((0xEE, 0xEE, 0xEE), (0xC8, 0xD3, 0xDC)):
            tile = Image.new("RGBA", im.size, rgba(bg))
            tile.alpha_composite(im)
            sheet.paste(tile.convert("RGB"), (x, y))
            x += im.width + 2
        d.text((x - im.width - 2, y + im.height + 1), name, fill=(0, 0, 0))
        x += 14
    tex = pics["texture"]
    for i in range(4):
        for j in range(3):
            sheet.paste(tex, (5 + 64 * i, y + 110 + 64 * j))
    sheet.save(os.path.join(out, "contact_sheet.png"))


def main():
    if len(sys.argv) < 2:
        print("usage: make_artwork.py OUTDIR [--sheet]\n       make_artwork.py OUTDIR --icons",
              file=sys.stderr)
        return 2
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    if "--icons" in sys.argv[2:]:
        icons(out)
        return 0
    title_bar(out)
    label_bar(out)
    bullet(out)
    logomain(out)
    online(out)
    viewonline(out)
    search_picture(out, False)
    search_picture(out, True)
    lumivra_image(out)
    splash_title(out)
    splash_logo(out)
    pics = window_artwork(out)
    theme_artwork(out)
    if "--sheet" in sys.argv[2:]:
        contact_sheet(out, pics)
    return 0


if __name__ == "__main__":
    sys.exit(main())
