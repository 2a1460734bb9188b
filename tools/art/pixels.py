"""Pixel-art building blocks shared by every drawing module.

Sections:
  1. Frames and strips      blank frames, joining frames into a strip, scaling, mirroring, rotating
  2. Outlines and shading   a dark rim around every shape, so each sprite reads on any floor
  3. Pixel font             our own 5x7 glyphs, used for the glyph strip, button labels and slides
  4. Colours                the palettes that keep the player blue and every enemy warm

Every picture is drawn small and shown by the game with nearest filtering, so one pixel here is
one crisp block on screen whatever the sprite's scale.
"""
from PIL import Image, ImageDraw

# --------------------------------------------------------------------------------------------
# 1. Frames and strips

CLEAR = (0, 0, 0, 0)


def blank(width, height, colour=CLEAR):
    return Image.new("RGBA", (width, height), colour)


def strip(frames):
    """Frames side by side, left to right, as the resource list's frame count expects."""
    width, height = frames[0].size
    image = blank(width * len(frames), height)
    for index, frame in enumerate(frames):
        assert frame.size == (width, height), "frames of one strip differ in size"
        image.paste(frame, (index * width, 0))
    return image


def enlarge(image, factor):
    return image.resize((image.width * factor, image.height * factor), Image.NEAREST)


def mirror(image):
    return image.transpose(Image.FLIP_LEFT_RIGHT)


def rotate(image, degrees, centre=None):
    """Turns a frame about a point without smoothing, keeping its size."""
    return image.rotate(degrees, resample=Image.NEAREST, center=centre)


def shifted(image, dx, dy):
    out = blank(*image.size)
    out.paste(image, (dx, dy), image)
    return out


def faded(image, alpha):
    """The frame with every pixel's opacity multiplied by alpha (0..1)."""
    out = image.copy()
    pixels = out.load()
    for y in range(out.height):
        for x in range(out.width):
            r, g, b, a = pixels[x, y]
            pixels[x, y] = (r, g, b, int(a * alpha))
    return out


def tinted(image, colour, amount):
    """Blends every opaque pixel towards colour by amount (0..1), keeping its opacity."""
    out = image.copy()
    pixels = out.load()
    for y in range(out.height):
        for x in range(out.width):
            r, g, b, a = pixels[x, y]
            if a:
                pixels[x, y] = (int(r + (colour[0] - r) * amount), int(g + (colour[1] - g) * amount),
                                int(b + (colour[2] - b) * amount), a)
    return out


def pen(image):
    return ImageDraw.Draw(image)


def box(draw, x0, y0, x1, y1, colour):
    """A filled rectangle given by its inclusive corners."""
    draw.rectangle([x0, y0, x1, y1], fill=colour)


def dot(image, x, y, colour):
    if 0 <= x < image.width and 0 <= y < image.height:
        image.putpixel((x, y), colour)


# --------------------------------------------------------------------------------------------
# 2. Outlines and shading

def outline(image, colour, diagonal=False):
    """Paints colour into every clear pixel that touches an opaque one."""
    source = image.load()
    width, height = image.size
    rim = []
    neighbours = [(-1, 0), (1, 0), (0, -1), (0, 1)]
    if diagonal:
        neighbours += [(-1, -1), (1, -1), (-1, 1), (1, 1)]
    for y in range(height):
        for x in range(width):
            if source[x, y][3] != 0:
                continue
            for dx, dy in neighbours:
                nx, ny = x + dx, y + dy
                if 0 <= nx < width and 0 <= ny < height and source[nx, ny][3] > 96:
                    rim.append((x, y))
                    break
    for x, y in rim:
        source[x, y] = colour
    return image


def shadow(draw, x0, y0, x1, y1, alpha=90):
    """A soft ellipse under a character's feet, so it sits on the floor."""
    draw.ellipse([x0, y0, x1, y1], fill=(0, 0, 0, alpha))


def lighter(colour, amount=40):
    return tuple(min(255, c + amount) for c in colour[:3]) + (colour[3] if len(colour) > 3 else 255,)


def darker(colour, amount=40):
    return tuple(max(0, c - amount) for c in colour[:3]) + (colour[3] if len(colour) > 3 else 255,)


def with_alpha(colour, alpha):
    return tuple(colour[:3]) + (alpha,)


# --------------------------------------------------------------------------------------------
# 3. Pixel font: 5 columns by 7 rows, '#' set

GLYPHS = {
    "A": ".###. #...# #...# ##### #...# #...# #...#",
    "B": "####. #...# #...# ####. #...# #...# ####.",
    "C": ".###. #...# #.... #.... #.... #...# .###.",
    "D": "####. #...# #...# #...# #...# #...# ####.",
    "E": "##### #.... #.... ####. #.... #.... #####",
    "F": "##### #.... #.... ####. #.... #.... #....",
    "G": ".###. #...# #.... #.### #...# #...# .####",
    "H": "#...# #...# #...# ##### #...# #...# #...#",
    "I": ".###. ..#.. ..#.. ..#.. ..#.. ..#.. .###.",
    "J": "..### ...#. ...#. ...#. ...#. #..#. .##..",
    "K": "#...# #..#. #.#.. ##... #.#.. #..#. #...#",
    "L": "#.... #.... #.... #.... #.... #.... #####",
    "M": "#...# ##.## #.#.# #.#.# #...# #...# #...#",
    "N": "#...# #...# ##..# #.#.# #..## #...# #...#",
    "O": ".###. #...# #...# #...# #...# #...# .###.",
    "P": "####. #...# #...# ####. #.... #.... #....",
    "Q": ".###. #...# #...# #...# #.#.# #..#. .##.#",
    "R": "####. #...# #...# ####. #.#.. #..#. #...#",
    "S": ".#### #.... #.... .###. ....# ....# ####.",
    "T": "##### ..#.. ..#.. ..#.. ..#.. ..#.. ..#..",
    "U": "#...# #...# #...# #...# #...# #...# .###.",
    "V": "#...# #...# #...# #...# #...# .#.#. ..#..",
    "W": "#...# #...# #...# #.#.# #.#.# #.#.# .#.#.",
    "X": "#...# #...# .#.#. ..#.. .#.#. #...# #...#",
    "Y": "#...# #...# .#.#. ..#.. ..#.. ..#.. ..#..",
    "Z": "##### ....# ...#. ..#.. .#... #.... #####",
    "a": "..... ..... .###. ....# .#### #...# .####",
    "b": "#.... #.... #.##. ##..# #...# #...# ####.",
    "c": "..... ..... .###. #.... #.... #...# .###.",
    "d": "....# ....# .##.# #..## #...# #...# .####",
    "e": "..... ..... .###. #...# ##### #.... .###.",
    "f": "..##. .#..# .#... ###.. .#... .#... .#...",
    "g": ".#### #...# #...# .#### ....# ....# .###.",
    "h": "#.... #.... #.##. ##..# #...# #...# #...#",
    "i": "..#.. ..... .##.. ..#.. ..#.. ..#.. .###.",
    "j": "...#. ..... ..##. ...#. ...#. #..#. .##..",
    "k": "#.... #.... #..#. #.#.. ##... #.#.. #..#.",
    "l": ".##.. ..#.. ..#.. ..#.. ..#.. ..#.. .###.",
    "m": "..... ..... ##.#. #.#.# #.#.# #...# #...#",
    "n": "..... ..... #.##. ##..# #...# #...# #...#",
    "o": "..... ..... .###. #...# #...# #...# .###.",
    "p": "####. #...# #...# ####. #.... #.... #....",
    "q": ".#### #...# #...# .#### ....# ....# ....#",
    "r": "..... ..... #.##. ##..# #.... #.... #....",
    "s": "..... ..... .###. #.... .###. ....# ####.",
    "t": ".#... .#... ###.. .#... .#... .#..# ..##.",
    "u": "..... ..... #...# #...# #...# #..## .##.#",
    "v": "..... ..... #...# #...# #...# .#.#. ..#..",
    "w": "..... ..... #...# #...# #.#.# #.#.# .#.#.",
    "x": "..... ..... #...# .#.#. ..#.. .#.#. #...#",
    "y": "#...# #...# #...# .#### ....# ....# .###.",
    "z": "..... ..... ##### ...#. ..#.. .#... #####",
    "0": ".###. #...# #..## #.#.# ##..# #...# .###.",
    "1": "..#.. .##.. ..#.. ..#.. ..#.. ..#.. .###.",
    "2": ".###. #...# ....# ...#. ..#.. .#... #####",
    "3": "####. ....# ....# .###. ....# ....# ####.",
    "4": "...#. ..##. .#.#. #..#. ##### ...#. ...#.",
    "5": "##### #.... ####. ....# ....# #...# .###.",
    "6": "..##. .#... #.... ####. #...# #...# .###.",
    "7": "##### ....# ...#. ..#.. .#... .#... .#...",
    "8": ".###. #...# #...# .###. #...# #...# .###.",
    "9": ".###. #...# #...# .#### ....# ...#. .##..",
    "?": ".###. #...# ....# ...#. ..#.. ..... ..#..",
    "!": "..#.. ..#.. ..#.. ..#.. ..#.. ..... ..#..",
    "#": ".#.#. .#.#. ##### .#.#. ##### .#.#. .#.#.",
    "$": "..#.. .#### #.#.. .###. ..#.# ####. ..#..",
    "%": "##..# ##..# ...#. ..#.. .#... #..## #..##",
    "/": "....# ....# ...#. ..#.. .#... #.... #....",
    "'": "..#.. ..#.. .#... ..... ..... ..... .....",
    "+": "..... ..#.. ..#.. ##### ..#.. ..#.. .....",
    "-": "..... ..... ..... ##### ..... ..... .....",
    ":": "..... .##.. .##.. ..... .##.. .##.. .....",
    ",": "..... ..... ..... ..... .##.. ..#.. .#...",
    ";": "..... .##.. .##.. ..... .##.. ..#.. .#...",
    "(": "...#. ..#.. .#... .#... .#... ..#.. ...#.",
    ")": ".#... ..#.. ...#. ...#. ...#. ..#.. .#...",
    ".": "..... ..... ..... ..... ..... .##.. .##..",
    "&": ".##.. #..#. #.#.. .#... #.#.# #..#. .##.#",
    ">": ".#... ..#.. ...#. ....# ...#. ..#.. .#...",
    "<": "...#. ..#.. .#... #.... .#... ..#.. ...#.",
    "*": "..... #.#.# .###. ##### .###. #.#.# .....",
    "=": "..... ..... ##### ..... ##### ..... .....",
    " ": "..... ..... ..... ..... ..... ..... .....",
}
GLYPH_WIDTH, GLYPH_HEIGHT, GLYPH_ADVANCE = 5, 7, 6
# These letters hang two rows below the line: their rows start at the x-height, not the cap height.
DESCENDERS = {"g": 2, "p": 2, "q": 2, "y": 2}


def glyph_rows(character):
    assert character in GLYPHS, "no glyph for %r" % character
    rows = GLYPHS[character].split()
    assert len(rows) == GLYPH_HEIGHT and all(len(row) == GLYPH_WIDTH for row in rows), character
    return rows


def draw_glyph(image, character, x, y, colour, size=1):
    draw = pen(image)
    y += DESCENDERS.get(character, 0) * size
    for row, bits in enumerate(glyph_rows(character)):
        for column, bit in enumerate(bits):
            if bit == "#":
                box(draw, x + column * size, y + row * size, x + column * size + size - 1, y + row * size + size - 1, colour)


def text_width(text, size=1):
    return max(0, len(text) * GLYPH_ADVANCE * size - size)


def draw_text(image, text, x, y, colour, size=1, shadow_colour=None):
    """Writes text with its top-left at (x, y); a shadow colour adds a one-block drop shadow."""
    if shadow_colour is not None:
        draw_text(image, text, x + size, y + size, shadow_colour, size)
    for index, character in enumerate(text):
        draw_glyph(image, character, x + index * GLYPH_ADVANCE * size, y, colour, size)


def draw_text_centred(image, text, centre_x, y, colour, size=1, shadow_colour=None):
    draw_text(image, text, centre_x - text_width(text, size) // 2, y, colour, size, shadow_colour)


def draw_lines_centred(image, lines, centre_x, top, colour, size=1, spacing=3, shadow_colour=None):
    for index, line in enumerate(lines):
        draw_text_centred(image, line, centre_x, top + index * (GLYPH_HEIGHT * size + spacing), colour, size,
                          shadow_colour)


# --------------------------------------------------------------------------------------------
# 4. Colours. The player and friends are blue and teal; enemies are warm with red eyes.

INK = (16, 14, 24, 255)              # outline of enemies and props
PLAYER_INK = (8, 22, 48, 255)        # outline of the player and friendly things
WHITE = (255, 255, 255, 255)
BLACK = (0, 0, 0, 255)
GOLD = (250, 200, 60, 255)
DARK_GOLD = (180, 120, 30, 255)
ENEMY_EYE = (255, 40, 40, 255)
STEEL = (96, 104, 118, 255)
DARK_STEEL = (52, 56, 68, 255)
LIGHT_STEEL = (160, 170, 186, 255)
CYAN = (90, 230, 255, 255)
PLAYER_BLUE = (40, 120, 220, 255)
PLAYER_DARK_BLUE = (24, 70, 150, 255)
PLAYER_LIGHT_BLUE = (110, 180, 255, 255)
HEALTH_RED = (230, 40, 60, 255)
GREEN = (60, 210, 90, 255)
