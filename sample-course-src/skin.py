"""Draws the skin pictures of the sample course from the layout values.

Every band is drawn twice, once with its buttons in the normal look and once
highlighted; the hover pictures are cut out of the highlighted drawing at the
button rectangles, so they line up with the band pixel for pixel.
Run with the system python (Debian python3-pil).
"""
import math

from PIL import Image, ImageDraw, ImageFont

FONT_DIR = "/usr/share/fonts/truetype/dejavu/"
SCALE = 3  # drawn at three times the size, then reduced: smooth edges

NAVY = (29, 53, 87)
NAVY_LIGHT = (41, 76, 115)
TEAL = (42, 157, 143)
AMBER = (244, 185, 66)
AMBER_DARK = (222, 158, 38)
PAPER = (244, 247, 250)
PAPER_DARK = (226, 233, 240)
LINE = (198, 210, 222)
INK = (29, 53, 87)
INK_SOFT = (92, 113, 133)
WHITE = (255, 255, 255)
UNIT_FILL = (218, 241, 237)

JPEG_OPTIONS = dict(quality=92, subsampling=0, optimize=False, progressive=False)


def font(size, bold=False):
    name = "DejaVuSans-Bold.ttf" if bold else "DejaVuSans.ttf"
    return ImageFont.truetype(FONT_DIR + name, size * SCALE)


def rect_of(values, first):
    """A button rectangle from four layout values: width, height, top, left."""
    w, h, top, left = values[first:first + 4]
    return left, top, w, h


class Canvas:
    """A picture drawn at SCALE times its size; coordinates are final pixels."""

    def __init__(self, width, height, color=WHITE):
        self.width, self.height = width, height
        self.image = Image.new("RGB", (width * SCALE, height * SCALE), color)
        self.draw = ImageDraw.Draw(self.image)

    @staticmethod
    def s(v):
        return round(v * SCALE)

    def box(self, x0, y0, x1, y1):
        return [self.s(x0), self.s(y0), self.s(x1) - 1, self.s(y1) - 1]

    def vertical_gradient(self, top_color, bottom_color, x0=0, y0=0, x1=None, y1=None):
        x1 = self.width if x1 is None else x1
        y1 = self.height if y1 is None else y1
        rows = self.s(y1) - self.s(y0)
        for i in range(rows):
            t = i / max(rows - 1, 1)
            c = tuple(round(a + (b - a) * t) for a, b in zip(top_color, bottom_color))
            y = self.s(y0) + i
            self.draw.line([(self.s(x0), y), (self.s(x1) - 1, y)], fill=c)

    def horizontal_gradient(self, left_color, right_color):
        cols = self.s(self.width)
        for i in range(cols):
            t = i / max(cols - 1, 1)
            c = tuple(round(a + (b - a) * t) for a, b in zip(left_color, right_color))
            self.draw.line([(i, 0), (i, self.s(self.height) - 1)], fill=c)

    def rect(self, x0, y0, x1, y1, fill):
        self.draw.rectangle(self.box(x0, y0, x1, y1), fill=fill)

    def rounded(self, x0, y0, x1, y1, radius, fill, outline=None, width=1):
        self.draw.rounded_rectangle(self.box(x0, y0, x1, y1), radius=self.s(radius), fill=fill,
                                    outline=outline, width=self.s(width) if outline else 0)

    def text(self, x, y, text, fnt, fill, anchor="la"):
        self.draw.text((self.s(x), self.s(y)), text, font=fnt, fill=fill, anchor=anchor)

    def text_width(self, text, fnt):
        return self.draw.textlength(text, font=fnt) / SCALE

    def polygon(self, points, fill):
        self.draw.polygon([(self.s(x), self.s(y)) for x, y in points], fill=fill)

    def ellipse(self, cx, cy, r, fill=None, outline=None, width=1):
        self.draw.ellipse([self.s(cx - r), self.s(cy - r), self.s(cx + r), self.s(cy + r)],
                          fill=fill, outline=outline, width=self.s(width) if outline else 0)

    def arc(self, cx, cy, r, start, end, fill, width):
        self.draw.arc([self.s(cx - r), self.s(cy - r), self.s(cx + r), self.s(cy + r)],
                      start, end, fill=fill, width=self.s(width))

    def line(self, points, fill, width):
        self.draw.line([(self.s(x), self.s(y)) for x, y in points], fill=fill,
                       width=self.s(width), joint="curve")

    def finish(self):
        return self.image.resize((self.width, self.height), Image.LANCZOS)


# --- icons: drawn centred on (cx, cy) within a square of side size ---------

def icon_play(c, cx, cy, size, color):
    h = size * 0.8
    c.polygon([(cx - h * 0.38, cy - h / 2), (cx - h * 0.38, cy + h / 2), (cx + h * 0.5, cy)], color)


def icon_pause(c, cx, cy, size, color):
    h, w = size * 0.8, size * 0.24
    c.rounded(cx - w * 1.5, cy - h / 2, cx - w * 0.5, cy + h / 2, w * 0.25, color)
    c.rounded(cx + w * 0.5, cy - h / 2, cx + w * 1.5, cy + h / 2, w * 0.25, color)


def icon_stop(c, cx, cy, size, color):
    h = size * 0.66
    c.rounded(cx - h / 2, cy - h / 2, cx + h / 2, cy + h / 2, h * 0.15, color)


def icon_glyph(glyph):
    def draw(c, cx, cy, size, color):
        c.ellipse(cx, cy, size * 0.5, outline=color, width=max(size * 0.09, 1.5))
        c.text(cx, cy + size * 0.03, glyph, font(round(size * 0.62), bold=True), color, anchor="mm")
    return draw


def icon_power(c, cx, cy, size, color):
    r, w = size * 0.42, max(size * 0.1, 1.6)
    c.arc(cx, cy + size * 0.04, r, -60, 240, color, w)
    c.line([(cx, cy - size * 0.5), (cx, cy - size * 0.02)], color, w)


def icon_book(c, cx, cy, size, color):
    w, h = size * 0.46, size * 0.7
    c.polygon([(cx - 0.6, cy - h / 2 + 2), (cx - w - 1, cy - h / 2), (cx - w - 1, cy + h / 2),
               (cx - 0.6, cy + h / 2 + 2)], color)
    c.polygon([(cx + 0.6, cy - h / 2 + 2), (cx + w + 1, cy - h / 2), (cx + w + 1, cy + h / 2),
               (cx + 0.6, cy + h / 2 + 2)], color)


def icon_run(c, cx, cy, size, color):
    c.ellipse(cx, cy, size * 0.5, outline=color, width=max(size * 0.09, 1.5))
    icon_play(c, cx + size * 0.05, cy, size * 0.55, color)


def icon_menu(c, cx, cy, size, color):
    q, g = size * 0.36, size * 0.12
    for dx in (-1, 1):
        for dy in (-1, 1):
            x0 = cx + (g / 2 if dx > 0 else -g / 2 - q)
            y0 = cy + (g / 2 if dy > 0 else -g / 2 - q)
            c.rounded(x0, y0, x0 + q, y0 + q, q * 0.25, color)


def icon_bracket(opening):
    def draw(c, cx, cy, size, color):
        w = max(size * 0.12, 1.8)
        h = size * 0.8
        bx = cx - size * 0.28 if opening else cx + size * 0.28
        arm = size * 0.2 if opening else -size * 0.2
        c.line([(bx + arm, cy - h / 2), (bx, cy - h / 2), (bx, cy + h / 2), (bx + arm, cy + h / 2)],
               color, w)
        tip = size * 0.1 if opening else -size * 0.1
        c.polygon([(cx + tip - size * 0.1, cy - size * 0.22), (cx + tip - size * 0.1, cy + size * 0.22),
                   (cx + tip + size * 0.2, cy)] if opening else
                  [(cx + tip + size * 0.1, cy - size * 0.22), (cx + tip + size * 0.1, cy + size * 0.22),
                   (cx + tip - size * 0.2, cy)], color)
    return draw


def icon_cycle(c, cx, cy, size, color):
    r, w = size * 0.38, max(size * 0.11, 1.8)
    c.arc(cx, cy, r, 200, 500, color, w)
    ang = math.radians(140)
    ex, ey = cx + r * math.cos(ang), cy + r * math.sin(ang)
    a = size * 0.2
    c.polygon([(ex - a, ey - a * 0.3), (ex + a * 0.8, ey - a * 0.5), (ex + a * 0.1, ey + a * 0.9)], color)


ICONS = {
    "book": icon_book, "run": icon_run, "help": icon_glyph("?"), "about": icon_glyph("i"),
    "power": icon_power, "menu": icon_menu, "play": icon_play, "pause": icon_pause,
    "stop": icon_stop, "begin": icon_bracket(True), "end": icon_bracket(False), "cycle": icon_cycle,
}


# --- buttons ----------------------------------------------------------------

def button_on_dark(c, rect, icon, label, hover):
    """A main-window button: icon above its label, on the dark top band."""
    x, y, w, h = rect
    if hover:
        c.rounded(x + 1, y + 1, x + w - 1, y + h - 1, 11, AMBER, outline=AMBER_DARK, width=1)
        ink = NAVY
    else:
        c.rounded(x + 1, y + 1, x + w - 1, y + h - 1, 11, NAVY_LIGHT, outline=(62, 99, 138), width=1)
        ink = WHITE
    ICONS[icon](c, x + w / 2, y + h * 0.36, 20, ink)
    c.text(x + w / 2, y + h - 11, label, font(11, bold=True), ink, anchor="mm")


def button_on_light(c, rect, icon, label, sub, hover, fill=WHITE):
    """An exercise or viewer button: icon at the left, label at its right."""
    x, y, w, h = rect
    if hover:
        c.rounded(x + 1, y + 1, x + w - 1, y + h - 1, 12, AMBER, outline=AMBER_DARK, width=1)
        ink, soft = NAVY, NAVY
    else:
        c.rounded(x + 1, y + 2, x + w - 1, y + h, 12, PAPER_DARK)  # soft shadow
        c.rounded(x + 1, y + 1, x + w - 1, y + h - 1, 12, fill, outline=LINE, width=1)
        ink, soft = NAVY, INK_SOFT
    ICONS[icon](c, x + 26, y + h / 2, 20, TEAL if not hover else NAVY)
    if sub:
        c.text(x + 46, y + h / 2 - 7, label, font(14, bold=True), ink, anchor="lm")
        c.text(x + 46, y + h / 2 + 10, sub, font(10), soft, anchor="lm")
    else:
        c.text(x + 46, y + h / 2, label, font(14, bold=True), ink, anchor="lm")


# --- bands ------------------------------------------------------------------

MAIN_BUTTONS = [  # layout value of the rectangle, icon, label
    (10, "book", "Introduction"), (14, "run", "Run lesson"), (18, "help", "Help"),
    (22, "about", "About"), (26, "power", "Exit"),
]
EXERCISE_BUTTONS = [  # layout value, icon, label, second line
    (34, "play", "Play", "start"), (38, "pause", "Pause", ""), (42, "stop", "Stop", "check"),
    (46, "help", "Help", ""), (52, "power", "Exit", ""),
]
UNIT_STEPS = [  # icon, label, second line
    ("begin", "Begin unit", "repeat from here"), ("end", "End unit", "repeat up to here"),
    ("cycle", "Play cycle", "loop the unit"),
]


def dark_band(width, height, title, subtitle):
    c = Canvas(width, height)
    c.vertical_gradient(NAVY, NAVY_LIGHT)
    c.rect(0, height - 3, width, height, TEAL)
    c.ellipse(34, height / 2 - 1, 17, fill=TEAL)
    c.text(34, height / 2 - 1, "E", font(20, bold=True), WHITE, anchor="mm")
    c.text(62, height / 2 - 12, title, font(24, bold=True), WHITE, anchor="lm")
    c.text(63, height / 2 + 15, subtitle, font(12), (190, 208, 226), anchor="lm")
    return c


def light_band(width, height, top_line):
    c = Canvas(width, height)
    c.vertical_gradient(PAPER, PAPER_DARK)
    if top_line:
        c.rect(0, 0, width, 1, LINE)
    else:
        c.rect(0, height - 3, width, height, TEAL)
    return c


def draw_main_top(v, hover, title, subtitle):
    c = dark_band(v[3], v[4], title, subtitle)
    for first, icon, label in MAIN_BUTTONS:
        button_on_dark(c, rect_of(v, first), icon, label, hover)
    return c.finish()


def draw_top2(v, title):
    """Top band of the viewer and the exercise windows: the left part stays
    light and plain, so the bold countdown label reads well on it."""
    w, h = v[3], v[4]
    c = Canvas(w, h)
    c.vertical_gradient(WHITE, PAPER)
    split = w - 330
    c.vertical_gradient(NAVY, NAVY_LIGHT, x0=split, x1=w)
    c.polygon([(split - 30, 0), (split + 1, 0), (split + 1, h)], NAVY)
    c.rect(0, h - 3, w, h, TEAL)
    c.ellipse(split + 26, h / 2 - 1, 14, fill=TEAL)
    c.text(split + 26, h / 2 - 1, "E", font(16, bold=True), WHITE, anchor="mm")
    c.text(split + 48, h / 2 - 10, title, font(19, bold=True), WHITE, anchor="lm")
    c.text(split + 49, h / 2 + 13, "English for beginners", font(11), (190, 208, 226), anchor="lm")
    return c.finish()


def draw_main_bottom(v, hint):
    c = light_band(v[6], v[7], top_line=True)
    c.ellipse(40, v[7] / 2, 11, fill=TEAL)
    c.text(40, v[7] / 2 + 1, "i", font(13, bold=True), WHITE, anchor="mm")
    c.text(60, v[7] / 2, hint, font(13), INK_SOFT, anchor="lm")
    c.text(v[6] - 60, v[7] / 2, "English Steps · sample course", font(11), (150, 166, 182), anchor="rm")
    return c.finish()


def draw_viewer_bottom(v, hover):
    c = light_band(v[6], v[7], top_line=True)
    c.text(60, v[7] / 2, "Нажмите Main menu, чтобы перейти к урокам.", font(13), INK_SOFT, anchor="lm")
    button_on_light(c, rect_of(v, 30), "menu", "Main menu", "", hover)
    return c.finish()


def draw_exercise_bottom(v, hover, unit_step=None, unit_hover=False):
    """The exercise windows' bottom band; with unit_step it also draws the
    workshop's unit button in that step (used only for the unit pictures)."""
    c = light_band(v[6], v[7], top_line=True)
    for first, icon, label, sub in EXERCISE_BUTTONS:
        button_on_light(c, rect_of(v, first), icon, label, sub, hover)
    if unit_step is not None:
        icon, label, sub = UNIT_STEPS[unit_step]
        button_on_light(c, rect_of(v, 56), icon, label, sub, unit_hover, fill=UNIT_FILL)
    return c.finish()


def draw_strip(width, height, inner_edge_left):
    c = Canvas(width, height)
    c.horizontal_gradient(PAPER_DARK, PAPER) if inner_edge_left else c.horizontal_gradient(PAPER, PAPER_DARK)
    edge = 0 if inner_edge_left else width - 1
    c.rect(edge, 0, edge + 1, height, LINE)
    return c.finish()


def draw_intro(width, height, title, subtitle, note):
    c = Canvas(width, height)
    c.vertical_gradient(NAVY, (31, 92, 110))
    bubbles = [(90, 80, 150, 60, "Hello!", TEAL, WHITE), (560, 60, 180, 60, "Nice to meet you!", AMBER, NAVY),
               (610, 330, 130, 56, "Привет!", WHITE, NAVY), (70, 350, 170, 56, "Where are you from?", (88, 129, 170), WHITE)]
    for x, y, w, h, text, fill, ink in bubbles:
        c.rounded(x, y, x + w, y + h, 20, fill)
        c.polygon([(x + 26, y + h - 2), (x + 48, y + h - 2), (x + 22, y + h + 16)], fill)
        c.text(x + w / 2, y + h / 2, text, font(15 if len(text) < 12 else 13, bold=True), ink, anchor="mm")
    c.ellipse(width / 2, 196, 40, fill=TEAL)
    c.text(width / 2, 196, "E", font(46, bold=True), WHITE, anchor="mm")
    c.text(width / 2, 276, title, font(46, bold=True), WHITE, anchor="mm")
    c.text(width / 2, 318, subtitle, font(18), (208, 224, 238), anchor="mm")
    c.rect(0, height - 44, width, height, (22, 42, 70))
    c.rect(0, height - 44, width, height - 41, AMBER)
    c.text(width / 2, height - 21, note, font(12), (190, 208, 226), anchor="mm")
    return c.finish()


def crop(picture, rect):
    x, y, w, h = rect
    return picture.crop((x, y, x + w, y + h))


def draw_all(v, texts):
    """All skin pictures of the course: file name under gdata/ -> picture."""
    pics = {}
    main_normal = draw_main_top(v, False, texts["title"], texts["subtitle"])
    main_hover = draw_main_top(v, True, texts["title"], texts["subtitle"])
    pics["top.jpg"] = main_normal
    for n, (first, _, _) in enumerate(MAIN_BUTTONS, start=1):
        pics["m%d.jpg" % n] = crop(main_hover, rect_of(v, first))
    pics["bot.jpg"] = draw_main_bottom(v, texts["main_hint"])
    pics["top2.jpg"] = draw_top2(v, texts["title"])
    pics["bot2.jpg"] = draw_viewer_bottom(v, False)
    pics["m6.jpg"] = crop(draw_viewer_bottom(v, True), rect_of(v, 30))
    pics["bot3.jpg"] = draw_exercise_bottom(v, False)
    ex_hover = draw_exercise_bottom(v, True)
    for n, (first, _, _, _) in enumerate(EXERCISE_BUTTONS, start=7):
        pics["m%d.jpg" % n] = crop(ex_hover, rect_of(v, first))
    unit = rect_of(v, 56)
    # The step pictures and their hover looks, named as the workshop uses them:
    # step 0 shows c1 (hover c2a), step 1 shows c2 (hover c1a), step 2 c3 (c3a).
    for step, normal_name, hover_name in ((0, "c1.jpg", "c2a.jpg"), (1, "c2.jpg", "c1a.jpg"),
                                          (2, "c3.jpg", "c3a.jpg")):
        pics[normal_name] = crop(draw_exercise_bottom(v, False, step, False), unit)
        pics[hover_name] = crop(draw_exercise_bottom(v, False, step, True), unit)
    strip_height = v[1]
    pics["left.jpg"] = draw_strip(v[8], strip_height, inner_edge_left=False)
    pics["right.jpg"] = draw_strip(v[9], strip_height, inner_edge_left=True)
    return pics


def save_jpeg(picture, path):
    picture.save(path, "JPEG", **JPEG_OPTIONS)
