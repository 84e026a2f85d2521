#!/usr/bin/python3
"""Regenerates the game's sounds, pictures and fonts.

    python3 tools/make_assets.py            # everything
    python3 tools/make_assets.py sounds     # only sounds/*.wav
    python3 tools/make_assets.py sprites    # only sprites/*.png
    python3 tools/make_assets.py fonts      # only fonts/ (copied from Debian packages)

Run it from anywhere; the files land in the repository beside tools/.
Needs Debian's python3-numpy and python3-pil (pictures only).
"""

import os
import sys
import wave

import numpy as np

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RATE = 44100


# ---------------------------------------------------------------- sounds

def _time(seconds):
    return np.arange(int(RATE * seconds)) / RATE


def _fade(signal, fade_in=0.003, fade_out=0.01):
    """Short linear ramps at both ends so no sound starts or stops with a pop."""
    out = signal.copy()
    n_in = max(1, int(RATE * fade_in))
    n_out = max(1, int(RATE * fade_out))
    out[:n_in] *= np.linspace(0.0, 1.0, n_in)
    out[-n_out:] *= np.linspace(1.0, 0.0, n_out)
    return out


def _normalise(signal, peak):
    return signal * (peak / np.max(np.abs(signal)))


def _write_wav(name, signal):
    path = os.path.join(ROOT, "sounds", name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    pcm = np.clip(np.round(signal * 32767.0), -32768, 32767).astype("<i2")
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(pcm.tobytes())


def _bell(freq, seconds, decay):
    """A soft bell: a sine with a few quiet, slightly stretched partials."""
    t = _time(seconds)
    tone = (np.sin(2 * np.pi * freq * t)
            + 0.35 * np.sin(2 * np.pi * freq * 2.0 * t) * np.exp(-t * decay * 1.5)
            + 0.12 * np.sin(2 * np.pi * freq * 3.01 * t) * np.exp(-t * decay * 2.5))
    return tone * np.exp(-t * decay)


def _click(freq, seconds, decay, noise_level, seed):
    """A damped sine knock with a breath of filtered noise for the attack."""
    t = _time(seconds)
    rng = np.random.default_rng(seed)
    noise = rng.standard_normal(t.size)
    noise = np.convolve(noise, np.ones(6) / 6, mode="same")  # take the hiss off
    body = np.sin(2 * np.pi * freq * t) + 0.4 * np.sin(2 * np.pi * freq * 1.5 * t)
    return (body + noise_level * noise * np.exp(-t * decay * 3)) * np.exp(-t * decay)


def correct_answer():
    # Two bell notes a fifth apart (C6 then G6), the second one ringing out.
    total = 0.42
    out = np.zeros(int(RATE * total))
    first = _bell(1046.5, total, 9.0)
    start = int(RATE * 0.09)
    second = _bell(1568.0, (out.size - start) / RATE, 7.0)
    out += 0.8 * first
    out[start:start + second.size] += second
    return _fade(_normalise(out, 0.5), 0.002, 0.04)


def incorrect_answer():
    # Two slightly detuned low tones with a few odd harmonics, gently sagging
    # in pitch: a soft "bzz" rather than a harsh buzzer.
    t = _time(0.35)
    glide = 165.0 - 25.0 * t / t[-1]
    phase = 2 * np.pi * np.cumsum(glide) / RATE
    tone = np.zeros_like(t)
    for k, amp in ((1, 1.0), (3, 0.3), (5, 0.12), (7, 0.05)):
        tone += amp * (np.sin(k * phase) + np.sin(k * phase * 1.012))
    envelope = np.minimum(1.0, t / 0.02) * np.exp(-t * 3.0)
    return _fade(_normalise(tone * envelope, 0.42), 0.005, 0.05)


def hover_over_button():
    return _fade(_normalise(_click(3200.0, 0.03, 160.0, 0.3, 1), 0.22), 0.0008, 0.008)


def press_button():
    return _fade(_normalise(_click(1400.0, 0.06, 90.0, 0.5, 2), 0.42), 0.0008, 0.015)


def release_button():
    return _fade(_normalise(_click(1900.0, 0.05, 110.0, 0.4, 3), 0.35), 0.0008, 0.012)


def make_sounds():
    _write_wav("correct_answer.wav", correct_answer())
    _write_wav("incorrect_answer.wav", incorrect_answer())
    _write_wav("hover_over_button.wav", hover_over_button())
    _write_wav("press_button.wav", press_button())
    _write_wav("release_button.wav", release_button())


# ---------------------------------------------------------------- pictures
#
# Faces and signs are drawn in light neutral greys because the game tints
# every sprite by multiplying it with a palette colour; glyphs sit in a mid
# grey so they stay visible under any tint. Shapes are rendered from signed
# distance fields (smooth edges without supersampling); glyphs and text are
# drawn 4x larger with PIL and box-filtered down.

SS = 4  # supersampling factor for PIL-drawn glyphs

FONT_DIR_MPLUS = "/usr/share/fonts/opentype/mplus"


class Picture:
    """A straight-alpha RGBA image in float, painted with "over"."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.rgb = np.zeros((h, w, 3), np.float32)
        self.a = np.zeros((h, w), np.float32)

    def paint(self, colour, mask):
        colour = np.asarray(colour, np.float32)
        if colour.ndim == 2:  # a grey field
            colour = colour[..., None]
        colour = np.broadcast_to(colour, self.rgb.shape)
        mask = np.clip(mask, 0.0, 1.0)
        out_a = mask + self.a * (1.0 - mask)
        num = colour * mask[..., None] + self.rgb * (self.a * (1.0 - mask))[..., None]
        self.rgb = num / np.maximum(out_a, 1e-6)[..., None]
        self.a = out_a

    def save(self, name):
        from PIL import Image
        path = os.path.join(ROOT, "sprites", name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        rgba = np.dstack([np.clip(self.rgb, 0, 255), np.clip(self.a * 255.0, 0, 255)])
        Image.fromarray(np.round(rgba).astype(np.uint8), "RGBA").save(path, optimize=True)


def _grid(w, h):
    ys, xs = np.mgrid[0:h, 0:w].astype(np.float32)
    return xs + 0.5, ys + 0.5


def _box_sdf(w, h, box, radius):
    """Signed distance to a rounded box (negative inside), in pixels."""
    x0, y0, x1, y1 = box
    xs, ys = _grid(w, h)
    qx = np.abs(xs - (x0 + x1) / 2) - ((x1 - x0) / 2 - radius)
    qy = np.abs(ys - (y0 + y1) / 2) - ((y1 - y0) / 2 - radius)
    outside = np.hypot(np.maximum(qx, 0), np.maximum(qy, 0))
    inside = np.minimum(np.maximum(qx, qy), 0)
    return outside + inside - radius


def _cover(sdf):
    return np.clip(0.5 - sdf, 0.0, 1.0)


def _vertical(h, w, top, bottom, y0=0, y1=None):
    y1 = h if y1 is None else y1
    t = np.clip((np.arange(h, dtype=np.float32) + 0.5 - y0) / max(1, y1 - y0), 0, 1)
    column = top + (bottom - top) * t
    return np.repeat(column[:, None], w, axis=1)


def _blur(field, radius):
    from PIL import Image, ImageFilter
    im = Image.fromarray(np.clip(field * 255, 0, 255).astype(np.uint8), "L")
    return np.asarray(im.filter(ImageFilter.GaussianBlur(radius)), np.float32) / 255.0


def _shift(field, dx, dy):
    out = np.zeros_like(field)
    h, w = field.shape
    out[max(dy, 0):h + min(dy, 0), max(dx, 0):w + min(dx, 0)] = \
        field[max(-dy, 0):h - max(dy, 0), max(-dx, 0):w - max(dx, 0)]
    return out


def _pil_mask(w, h, draw):
    """Coverage mask of whatever draw(ImageDraw, scale) paints in white."""
    from PIL import Image, ImageDraw
    im = Image.new("L", (w * SS, h * SS), 0)
    draw(ImageDraw.Draw(im), SS)
    im = im.resize((w, h), Image.BOX)
    return np.asarray(im, np.float32) / 255.0


def _font(path, size):
    from PIL import ImageFont
    return ImageFont.truetype(path, size)


def _text_mask(w, h, text, font_path, size, centre, stroke=0):
    """Mask of text whose ink box is centred on centre (in picture pixels)."""
    font = _font(font_path, size * SS)

    def draw(d, s):
        left, top, right, bottom = d.textbbox((0, 0), text, font=font, stroke_width=stroke * s)
        x = centre[0] * s - (left + right) / 2
        y = centre[1] * s - (top + bottom) / 2
        d.text((x, y), text, font=font, fill=255, stroke_width=stroke * s, stroke_fill=255)
    return _pil_mask(w, h, draw)


def _panel(w, h, box, radius, top, bottom, rim, rim_width, bevel, bevel_width=5.0):
    """A rounded, softly lit panel: gradient body, bevelled edge, darker rim."""
    pic = Picture(w, h)
    sdf = _box_sdf(w, h, box, radius)
    depth = -sdf
    body = _vertical(h, w, top, bottom, box[1], box[3])

    # Light from above: edges whose outward normal points up get lighter,
    # those pointing down get darker.
    gy, gx = np.gradient(sdf)
    norm = np.maximum(np.hypot(gx, gy), 1e-6)
    facing = (-0.25 * gx - 0.97 * gy) / norm
    band = np.clip(1.0 - (depth - rim_width) / bevel_width, 0, 1) * (depth > rim_width - 0.5)
    body = body + bevel * band * facing

    rim_mask = np.clip(rim_width + 0.5 - depth, 0, 1)
    rim_field = _vertical(h, w, rim + 12, rim - 8, box[1], box[3])
    colour = body * (1 - rim_mask) + rim_field * rim_mask
    pic.paint(colour, _cover(sdf))
    return pic


def _engrave(pic, mask, ink=105.0, light=255.0):
    """Lays a glyph into a face: a light lip under it, then the glyph itself."""
    lip = np.clip(_shift(mask, 0, 1) - mask, 0, 1) * 0.7 * pic.a
    pic.paint(light, lip)
    pic.paint(ink, mask * pic.a)


# Faces: light top, floating over a darker base of the same size.
FACE = dict(top=252.0, bottom=222.0, rim=132.0, rim_width=2.5, bevel=16.0)
BASE = dict(top=150.0, bottom=112.0, rim=84.0, rim_width=2.0, bevel=10.0)


def _button_pair(w, h, radius):
    box = (0.5, 0.5, w - 0.5, h - 0.5)
    return _panel(w, h, box, radius, **BASE), _panel(w, h, box, radius, **FACE)


def _arrow_mask(w, h, pointing_left):
    cx, cy = w / 2, h / 2
    half_len = min(w * 0.27, 26)
    head_len, head_half, shaft_half = half_len * 0.85, h * 0.27, h * 0.1
    tip = cx - half_len
    pts = [(tip, cy), (tip + head_len, cy - head_half), (tip + head_len, cy - shaft_half),
           (cx + half_len, cy - shaft_half), (cx + half_len, cy + shaft_half),
           (tip + head_len, cy + shaft_half), (tip + head_len, cy + head_half)]
    if not pointing_left:
        pts = [(w - x, y) for x, y in pts]

    def draw(d, s):
        scaled = [(x * s, y * s) for x, y in pts]
        d.polygon(scaled, fill=255)
        d.line(scaled + [scaled[0]], fill=255, width=int(3 * s), joint="curve")
    return _pil_mask(w, h, draw)


def _floppy_mask(w, h):
    cx, cy, r = w / 2, h / 2, min(w, h) * 0.26

    def draw(d, s):
        def box(x0, y0, x1, y1):
            return [(cx + x0 * r) * s, (cy + y0 * r) * s, (cx + x1 * r) * s, (cy + y1 * r) * s]
        body = [(-1, -1), (0.72, -1), (1, -0.72), (1, 1), (-1, 1)]
        d.polygon([((cx + x * r) * s, (cy + y * r) * s) for x, y in body], fill=255)
        d.rounded_rectangle(box(-0.62, -1.0, 0.5, -0.3), radius=0.08 * r * s, fill=0)
        d.rectangle(box(0.12, -0.88, 0.34, -0.42), fill=255)
        d.rounded_rectangle(box(-0.7, 0.12, 0.7, 1.0), radius=0.12 * r * s, fill=0)
        d.rectangle(box(-0.5, 0.36, 0.5, 0.46), fill=255)
        d.rectangle(box(-0.5, 0.62, 0.5, 0.72), fill=255)
    mask = _pil_mask(w, h, draw)
    return mask


def _undo_mask(w, h):
    cx, cy, r = w / 2 + 4, h / 2 + 1, min(w, h) * 0.27
    thick = r * 0.36

    def draw(d, s):
        bbox = [(cx - r) * s, (cy - r) * s, (cx + r) * s, (cy + r) * s]
        d.arc(bbox, start=-88, end=135, fill=255, width=int(thick * s))
        y = cy - r + thick / 2
        head = [(cx - r * 1.0, y), (cx + 1, y - r * 0.6), (cx + 1, y + r * 0.6)]
        d.polygon([(x * s, yy * s) for x, yy in head], fill=255)
    return _pil_mask(w, h, draw)


def make_buttons():
    specs = {
        # name: (width, height, corner radius)
        "big_menu_button": (240, 160, 22),
        "short_exercise_button": (140, 120, 18),
        "long_exercise_button": (220, 120, 18),
    }
    for name, (w, h, r) in specs.items():
        bottom, top = _button_pair(w, h, r)
        bottom.save(name + "_bottom.png")
        top.save(name + "_top.png")

    for side, left in (("left", True), ("right", False)):
        bottom, top = _button_pair(90, 60, 16)
        _engrave(top, _arrow_mask(90, 60, left))
        bottom.save("menu_arrow_%s_bottom.png" % side)
        top.save("menu_arrow_%s_top.png" % side)

    glyphs = {
        "save_button": _floppy_mask(80, 70),
        "help_button": _text_mask(80, 70, "?", os.path.join(FONT_DIR_MPLUS, "Mplus1-Black.otf"),
                                  46, (40, 35)),
        "undo_arrow": _undo_mask(80, 70),
    }
    for name, glyph in glyphs.items():
        bottom, top = _button_pair(80, 70, 16)
        _engrave(top, glyph)
        bottom.save(name + "_bottom.png")
        top.save(name + "_top.png")


def _sign(w, h):
    """A plaque: the face style plus an engraved frame line, on a soft shadow."""
    shadow = 4
    pic = Picture(w, h)
    shade = _blur(_cover(_box_sdf(w, h, (2, shadow, w - 2, h), 14)), 1.5)
    pic.paint(0.0, shade * 0.35)
    box = (0.5, 0.5, w - 0.5, h - shadow)
    face = _panel(w, h, box, 16, top=246.0, bottom=218.0, rim=118.0, rim_width=3.0, bevel=12.0)
    pic.paint(face.rgb, face.a)
    inset = 7.5
    frame = _box_sdf(w, h, (box[0] + inset, box[1] + inset, box[2] - inset, box[3] - inset), 10)
    groove = np.clip(1.0 - np.abs(frame) / 0.75, 0, 1)
    pic.paint(255.0, np.clip(_shift(groove, 0, 1) - groove, 0, 1) * 0.8)
    pic.paint(190.0, groove * 0.8)
    return pic


def make_signs():
    for name, (w, h) in {
        "question_sign": (220, 200),
        "instructions_sign": (280, 190),
        "meaning_sign": (430, 100),
        "word_tutorial_sign": (430, 170),
        "kun_on_sign": (180, 80),
        "reading_sign": (110, 95),
    }.items():
        _sign(w, h).save(name + ".png")


def make_drawing_board():
    w = h = 230
    rng = np.random.default_rng(7)
    pic = Picture(w, h)
    sdf = _box_sdf(w, h, (0.5, 0.5, w - 0.5, h - 0.5), 10)
    # Paper: warm white with a faint fibre grain.
    grain = _blur(rng.random((h, w)).astype(np.float32), 0.8) - 0.5
    paper = np.dstack([250 + 6 * grain, 247 + 6 * grain, 238 + 6 * grain])
    pic.paint(paper, _cover(sdf))
    rim = np.clip(2.5 - (-sdf), 0, 1) * _cover(sdf)
    pic.paint((168.0, 160.0, 148.0), rim)

    guide = (198.0, 189.0, 175.0)
    xs, ys = _grid(w, h)
    c = w / 2
    frame = _box_sdf(w, h, (9, 9, w - 9, h - 9), 4)
    pic.paint(guide, np.clip(1.0 - np.abs(frame) / 0.75, 0, 1))
    inside = (np.abs(xs - c) < c - 9) & (np.abs(ys - c) < c - 9)
    dash_v = ((ys - 9) % 12) < 7
    dash_h = ((xs - 9) % 12) < 7
    cross = (np.clip(1.0 - np.abs(xs - c) / 0.75, 0, 1) * dash_v
             + np.clip(1.0 - np.abs(ys - c) / 0.75, 0, 1) * dash_h)
    pic.paint(guide, np.clip(cross, 0, 1) * inside * 0.9)
    pic.save("drawing_board.png")


def make_background():
    w, h = 400, 300
    xs, ys = _grid(w, h)
    top = np.array([62.0, 84.0, 124.0])
    bottom = np.array([34.0, 52.0, 84.0])
    t = (ys / h)[..., None]
    colour = top + (bottom - top) * t
    # A soft glow behind the title.
    glow = np.exp(-(((xs - 200) / 150) ** 2 + ((ys - 75) / 70) ** 2))
    colour = colour + glow[..., None] * np.array([20.0, 22.0, 24.0])

    # Seigaiha waves along the bottom, barely there, fading out upwards.
    radius, step = 26.0, 6.0
    waves = np.zeros((h, w), np.float32)
    for row in range(-1, int(h / (radius / 2)) + 2):
        cy = row * radius / 2
        shift = (row % 2) * radius
        for col in range(-1, int(w / (2 * radius)) + 2):
            cx = col * 2 * radius + shift
            d = np.hypot(xs - cx, ys - cy)
            rings = np.clip(1.0 - np.abs(((d + step / 2) % step) - step / 2) / 0.8, 0, 1)
            waves = np.where(d < radius, rings, waves)  # later rows overlap earlier ones
    fade = np.clip((ys - 150) / 150, 0, 1) ** 1.5
    colour = colour + (waves * fade)[..., None] * 9.0

    pic = Picture(w, h)
    pic.paint(colour, np.ones((h, w), np.float32))
    pic.save("background.png")


def make_title():
    w, h = 560, 150
    font_path = os.path.join(FONT_DIR_MPLUS, "Mplus1-Black.otf")
    text = "Inkwright"
    # Size the word to about 500 px wide.
    font = _font(font_path, 100)
    left, top, right, bottom = font.getbbox(text)
    size = int(100 * 490 / (right - left))
    centre = (w / 2, h / 2 - 6)
    pic = Picture(w, h)

    # A vermilion brush stroke under the word: pressed down at the left,
    # rising slightly and thinning into a dry, streaky tail on the right.
    xs, ys = _grid(w, h)
    x0, x1 = 40.0, w - 30.0
    u = np.clip((xs - x0) / (x1 - x0), 0, 1)
    centre_line = 126 - 14 * u - 4 * np.sin(np.pi * u)
    half = np.where(u < 0.08, 4 + 9 * np.sqrt(u / 0.08), 13 - 11 * np.clip((u - 0.08) / 0.92, 0, 1) ** 1.4)
    rng = np.random.default_rng(11)
    ragged = np.interp(xs[0], np.linspace(0, w, 120), rng.normal(0, 0.8, 120))[None, :]
    inside = (xs > x0 - 6) & (xs < x1)
    head = np.hypot((xs - x0) / 1.0, (ys - centre_line) / 1.4) < 5  # rounded start
    brush = np.clip(half + ragged - np.abs(ys - centre_line) + 0.5, 0, 1) * inside
    brush = np.maximum(brush, head * 1.0)
    # Dry-brush streaks: bristle lines that open up towards the tail.
    bristle = np.interp((ys - centre_line) / np.maximum(half, 1), np.linspace(-1, 1, 40),
                        rng.random(40))
    dry = np.clip((u - 0.45) / 0.55, 0, 1) * (bristle < 0.45)
    brush = brush * (1 - 0.85 * dry)
    pic.paint((200.0, 58.0, 44.0), brush)

    outline = _text_mask(w, h, text, font_path, size, centre, stroke=5)
    fill = _text_mask(w, h, text, font_path, size, centre)
    pic.paint(0.0, _blur(_shift(outline, 4, 5), 3) * 0.55)
    pic.paint((26.0, 32.0, 58.0), outline)
    face = np.dstack([_vertical(h, w, 255.0, 228.0, 30, 120),
                      _vertical(h, w, 253.0, 232.0, 30, 120),
                      _vertical(h, w, 246.0, 240.0, 30, 120)])
    pic.paint(face, fill)
    # A thin highlight along the top of the letters.
    pic.paint(255.0, np.clip(fill - _shift(fill, 0, 2), 0, 1) * 0.6)
    pic.save("title.png")


def make_icon():
    w = h = 64
    pic = Picture(w, h)
    sdf = _box_sdf(w, h, (1, 1, w - 1, h - 1), 13)
    body = np.dstack([_vertical(h, w, 70.0, 38.0), _vertical(h, w, 94.0, 56.0),
                      _vertical(h, w, 136.0, 92.0)])
    pic.paint(body, _cover(sdf))
    pic.paint((22.0, 28.0, 52.0), np.clip(2.0 - (-sdf), 0, 1) * _cover(sdf))
    font_path = os.path.join(FONT_DIR_MPLUS, "Mplus1-Black.otf")
    glyph = _text_mask(w, h, "書", font_path, 36, (30, 30))
    pic.paint(0.0, _blur(_shift(glyph, 1, 2), 1.2) * 0.5)
    pic.paint(255.0, glyph)
    dot = _cover(np.hypot(*(_grid(w, h)[i] - c for i, c in ((0, 52), (1, 52)))) - 4.5)
    pic.paint((206.0, 58.0, 44.0), dot)
    pic.save("icon.png")


def make_sprites():
    make_background()
    make_title()
    make_buttons()
    make_signs()
    make_drawing_board()
    make_icon()


# ---------------------------------------------------------------- fonts
#
# Both fonts are OFL-1.1 faces from Debian packages; they are copied under
# the file names the game loads, together with the packages' copyright
# files, which carry the notices and the licence text the OFL asks for.

FONTS = (
    # (target, candidate sources in order of preference, licence source, licence target)
    ("MOBO_Bold.otf",
     ("/usr/share/fonts/opentype/mplus/Mplus1-Bold.otf",
      "/usr/share/fonts/opentype/mplus/Mplus1-ExtraBold.otf"),
     "/usr/share/doc/fonts-mplus/copyright", "LICENSE-MPLUS.txt"),
    ("ShipporiGothicB2-OTF-Bold.otf",
     ("/usr/share/fonts/truetype/bizud-gothic/BIZUDPGothic-Bold.ttf",
      "/usr/share/fonts/truetype/bizud-gothic/BIZUDGothic-Bold.ttf"),
     "/usr/share/doc/fonts-morisawa-bizud-gothic/copyright", "LICENSE-BIZUDGothic.txt"),
)


def make_fonts():
    import shutil
    folder = os.path.join(ROOT, "fonts")
    os.makedirs(folder, exist_ok=True)
    for target, sources, licence, licence_target in FONTS:
        source = next((path for path in sources if os.path.isfile(path)), None)
        if source is None or not os.path.isfile(licence):
            print("skipped fonts/%s: install fonts-mplus and fonts-morisawa-bizud-gothic"
                  % target, file=sys.stderr)
            continue
        shutil.copyfile(source, os.path.join(folder, target))
        shutil.copyfile(licence, os.path.join(folder, licence_target))


# ---------------------------------------------------------------- main

def main(argv):
    jobs = {"sounds": make_sounds, "sprites": make_sprites, "fonts": make_fonts}
    wanted = argv[1:] or list(jobs)
    for name in wanted:
        if name not in jobs:
            sys.exit("usage: make_assets.py [" + "|".join(jobs) + "] ...")
    for name in wanted:
        jobs[name]()
        print("made", name)


if __name__ == "__main__":
    main(sys.argv)
