"""Everything drawn over the game: the glyph strip, menus and their buttons, title cards and
slides, the HUD and the end screen.

Sections:
  1. Glyph strip      the 76-frame "font" in the order the sprite text expects
  2. Buttons          3-frame faces (normal, hover/focus, pressed) and on/off toggle faces
  3. Cards            title, splash cards, how-to-play and credits slides, end screen
  4. HUD              frames, heart, ammo icons, bars, the encounter clock, key hints
"""
import math

from art.characters import BEAR_POLICE, FRONT, PLAYER, bear_frame, humanoid_frame
from art.pixels import (CYAN, ENEMY_EYE, GREEN, HEALTH_RED, INK, PLAYER_BLUE, PLAYER_DARK_BLUE, PLAYER_INK,
                        PLAYER_LIGHT_BLUE, WHITE, blank, box, darker, dot, draw_glyph, draw_lines_centred, draw_text,
                        draw_text_centred, enlarge, lighter, outline, pen, rotate, strip, text_width)
from art.world import gun_sheets, pickup_sheets, ship

# --------------------------------------------------------------------------------------------
# 1. Glyph strip


def glyph_characters():
    # Frame order of the sprite-text glyph table: A-Z, a-z, 0-9, then punctuation with the
    # blank at 63, '!' at 64, '/' at 68, the apostrophe at 69 and the full stop at 75.
    characters = [chr(c) for c in range(ord("A"), ord("Z") + 1)]
    characters += [chr(c) for c in range(ord("a"), ord("z") + 1)]
    characters += [chr(c) for c in range(ord("0"), ord("9") + 1)]
    characters += ["?", " ", "!", "#", "$", "%", "/", "'", "+", "-", ":", ",", "(", "."]
    assert len(characters) == 76
    assert characters[63] == " " and characters[64] == "!" and characters[68] == "/"
    assert characters[69] == "'" and characters[75] == "."
    return characters


def font_strip():
    """8x12 frames: a white glyph with a dark rim, so text reads on any background and any tint."""
    frames = []
    for character in glyph_characters():
        frame = blank(8, 12)
        draw_glyph(frame, character, 1, 2, WHITE)
        outline(frame, (0, 0, 0, 200), diagonal=True)
        frames.append(frame)
    return strip(frames)


# --------------------------------------------------------------------------------------------
# 2. Buttons: 112x24, frame 0 normal, 1 hover/focus, 2 pressed

BUTTON_WIDTH, BUTTON_HEIGHT = 128, 24
BUTTON_LOOKS = [
    # fill, light edge, dark edge, text, border
    ((34, 58, 104, 255), (70, 110, 180, 255), (16, 28, 56, 255), (220, 235, 255, 255), PLAYER_INK),
    ((60, 110, 190, 255), (120, 180, 255, 255), (28, 56, 110, 255), (255, 230, 90, 255), (255, 220, 80, 255)),
    ((22, 38, 72, 255), (16, 28, 56, 255), (60, 96, 160, 255), (200, 215, 240, 255), (255, 220, 80, 255)),
]


# The box at the right end of a toggle's face, where its check mark shows when on (face pixels,
# inclusive); the mark is a picture of the box's size, on a child of the button at the box's centre.
TOGGLE_BOX = (104, 4, 119, 19)


def button_face(label, look, toggle=False):
    """A button's face in one of its looks. A toggle's face carries its empty box at the right end
    and its label centred in the room left of the box."""
    fill, light, dark, text, border = BUTTON_LOOKS[look]
    image = blank(BUTTON_WIDTH, BUTTON_HEIGHT)
    draw = pen(image)
    box(draw, 1, 1, BUTTON_WIDTH - 2, BUTTON_HEIGHT - 2, fill)
    box(draw, 2, 2, BUTTON_WIDTH - 3, 2, light)
    box(draw, 2, 2, 2, BUTTON_HEIGHT - 3, light)
    box(draw, 2, BUTTON_HEIGHT - 3, BUTTON_WIDTH - 3, BUTTON_HEIGHT - 3, dark)
    box(draw, BUTTON_WIDTH - 3, 2, BUTTON_WIDTH - 3, BUTTON_HEIGHT - 3, dark)
    draw.rectangle([0, 0, BUTTON_WIDTH - 1, BUTTON_HEIGHT - 1], outline=border)
    # Cut corners make it read as a button, not a box.
    for x, y in ((0, 0), (BUTTON_WIDTH - 1, 0), (0, BUTTON_HEIGHT - 1), (BUTTON_WIDTH - 1, BUTTON_HEIGHT - 1)):
        image.putpixel((x, y), (0, 0, 0, 0))
    press = 1 if look == 2 else 0
    label_y = (BUTTON_HEIGHT - 7) // 2 + press
    label_x = BUTTON_WIDTH // 2
    if toggle:
        left, top, right, bottom = TOGGLE_BOX
        box(draw, left, top, right, bottom, border)
        box(draw, left + 1, top + 1, right - 1, bottom - 1, (8, 14, 30, 255))
        label_x = (6 + left - 2) // 2
    if look == 1:
        # Focus arrows either side of the label (on a toggle, either side of label and box).
        for x, direction in ((6, 1), (BUTTON_WIDTH - 7 - (BUTTON_WIDTH - TOGGLE_BOX[0] + 2) * toggle, -1)):
            for k in range(4):
                box(draw, x + k * direction, 8 + k, x + k * direction, 15 - k, border)
    draw_text_centred(image, label, label_x + press, label_y, text, 1, (0, 0, 0, 160))
    return image


def button_sheet(label, toggle=False):
    return strip([button_face(label, look, toggle) for look in range(3)])


BUTTONS = [("start", "START"), ("how_to_play", "HOW TO PLAY"), ("tutorial", "TUTORIAL"), ("credits", "CREDITS"),
           ("quit", "QUIT"), ("resume", "RESUME"), ("main_menu", "MAIN MENU"), ("yes", "YES"), ("no", "NO"),
           ("back", "BACK")]
TOGGLES = [("fullscreen", "FULLSCREEN"), ("music", "MUSIC"), ("sfx", "SOUND FX"), ("god_mode", "GOD MODE")]


def check_mark():
    """As big as a toggle's box, so that it sits in it."""
    left, top, right, bottom = TOGGLE_BOX
    image = blank(right - left + 1, bottom - top + 1)
    draw = pen(image)
    draw.line([(3, 8), (6, 12), (12, 3)], fill=GREEN, width=3)
    outline(image, INK)
    return image


def button_sheets():
    sheets = []
    for key, label in BUTTONS:
        sheets.append(("ui_button_" + key, button_sheet(label), 3, 'button "%s" (normal, hover/focus, pressed)' % label))
    for key, label in TOGGLES:
        sheets.append(("ui_toggle_" + key, button_sheet(label, toggle=True), 3,
                       'toggle face "%s" with its empty box (normal, hover/focus, pressed)' % label))
    sheets.append(("ui_toggle_check", check_mark(), 1, "green check mark, the size of a toggle face's box: shows it on"))
    return sheets


# --------------------------------------------------------------------------------------------
# 3. Cards

SLIDE_WIDTH, SLIDE_HEIGHT = 160, 90
NIGHT = (10, 12, 28, 255)


def starry(width, height, seed=3):
    image = blank(width, height, NIGHT)
    state = seed
    for _ in range(width * height // 60):
        state = (state * 1103515245 + 12345) & 0x7FFFFFFF
        x = (state >> 8) % width
        state = (state * 1103515245 + 12345) & 0x7FFFFFFF
        y = (state >> 8) % height
        dot(image, x, y, (90 + (state >> 20) % 120, 100 + (state >> 20) % 120, 160, 255))
    return image


def framed(image, colour=(70, 110, 180, 255)):
    draw = pen(image)
    draw.rectangle([0, 0, image.width - 1, image.height - 1], outline=colour)
    draw.rectangle([2, 2, image.width - 3, image.height - 3], outline=darker(colour, 50))
    return image


def logo(word, size, colour, shade):
    """Big letters with a solid drop and a rim, for titles."""
    width = text_width(word, size) + 4 * size
    height = 7 * size + 4 * size
    image = blank(width, height)
    draw_text(image, word, 2 * size, 2 * size + size, shade, size)
    draw_text(image, word, 2 * size, 2 * size, colour, size)
    for x in range(image.width):
        for y in range(2 * size, 2 * size + 3 * size // 2):
            r, g, b, a = image.getpixel((x, y))
            if a and (r, g, b) == colour[:3]:
                image.putpixel((x, y), lighter(colour, 60))
    outline(image, INK)
    return image


def title():
    image = blank(160, 48)
    word = logo("CORVANE", 3, (90, 190, 255, 255), PLAYER_DARK_BLUE)
    image.alpha_composite(word, ((160 - word.width) // 2, 6))
    draw_text_centred(image, "A PIRATE'S RUN", 80, 38, (255, 210, 80, 255), 1, (0, 0, 0, 200))
    return image


def slide(heading, lines, picture=None, accent=(255, 210, 80, 255)):
    for line in lines:
        assert text_width(line) <= SLIDE_WIDTH - 16, "slide line too long: " + line
    image = framed(starry(SLIDE_WIDTH, SLIDE_HEIGHT))
    draw_text_centred(image, heading, SLIDE_WIDTH // 2, 7, accent, 1, (0, 0, 0, 255))
    pen(image).line([(20, 17), (SLIDE_WIDTH - 21, 17)], fill=darker(accent, 80))
    top = 24
    if picture is not None:
        image.alpha_composite(picture, ((SLIDE_WIDTH - picture.width) // 2, 22))
        top = 24 + picture.height + 4
    # A dim band behind the words keeps the stars from breaking up the letters.
    backing = blank(SLIDE_WIDTH - 10, len(lines) * 10 + 4, (0, 0, 0, 150))
    image.alpha_composite(backing, (5, top - 3))
    draw_lines_centred(image, lines, SLIDE_WIDTH // 2, top, (220, 230, 255, 255), 1, 3, (0, 0, 0, 255))
    return image


def key_cap(label, width=12):
    image = blank(width, 12)
    draw = pen(image)
    box(draw, 0, 0, width - 1, 10, (200, 205, 215, 255))
    box(draw, 0, 9, width - 1, 11, (120, 126, 140, 255))
    box(draw, 1, 1, width - 2, 1, WHITE)
    draw_text_centred(image, label, width // 2, 2, (30, 34, 46, 255))
    outline(image, INK)
    return image


def mouse(button):
    image = blank(12, 16)
    draw = pen(image)
    draw.ellipse([0, 0, 11, 15], fill=(200, 205, 215, 255))
    box(draw, 5, 0, 6, 6, (120, 126, 140, 255))
    if button == "left":
        draw.pieslice([0, 0, 11, 15], 180, 270, fill=(255, 200, 60, 255))
    elif button == "right":
        draw.pieslice([0, 0, 11, 15], 270, 360, fill=(255, 200, 60, 255))
    elif button == "middle":
        box(draw, 5, 1, 6, 5, (255, 200, 60, 255))
    outline(image, INK)
    return image


def row_of(pictures, gap=3):
    width = sum(p.width for p in pictures) + gap * (len(pictures) - 1)
    height = max(p.height for p in pictures)
    image = blank(width, height)
    x = 0
    for picture in pictures:
        image.alpha_composite(picture, (x, (height - picture.height) // 2))
        x += picture.width + gap
    return image


def how_to_play_slides():
    # The keys are the input map's defaults: the slides must say what the game really answers to.
    # The guns' slide shows each gun between the key that takes it and the button that fires it,
    # in the order the HUD's cards show them.
    wasd = row_of([key_cap("W"), key_cap("A"), key_cap("S"), key_cap("D"), humanoid_frame(PLAYER, FRONT)])
    guns = [s[1] for s in gun_sheets()]
    hands = row_of([row_of([key_cap("Q"), guns[0], mouse("left")], 1), blank(6, 1),
                    row_of([key_cap("E"), guns[3], mouse("right")], 1)])
    chips = [s[1].crop((0, 0, 16, 16)) for s in pickup_sheets()]
    items = row_of([key_cap("Q"), key_cap("E"), guns[1], key_cap("F")] + chips[:3])
    specials = row_of([key_cap("V"), key_cap("C"), mouse("middle")] + chips[3:] + [key_cap("ESC", 22)])
    return [
        ("ui_how_to_play_1", slide("MOVE", ["WASD, the arrows or", "the left stick walk"], wasd)),
        ("ui_how_to_play_2", slide("TWO GUNS", ["Q: gun for LEFT click", "E: gun for RIGHT click",
                                                "R, T reload them; SPACE", "fires both. Aim: mouse."], hands)),
        ("ui_how_to_play_3", slide("ITEMS", ["Q or E over a gun takes", "it, and again drops it.",
                                             "F: talk, open, use"], items)),
        ("ui_how_to_play_4", slide("SPECIALS", ["V takes a special, C or", "middle click uses it,", "ESC pauses the game"], specials)),
    ]


def credits_slides():
    return [
        ("credits_1", slide("CORVANE", ["A game about pirates,", "bears, ducks and bugs."], logo("CORVANE", 2, (90, 190, 255, 255), PLAYER_DARK_BLUE))),
        ("credits_2", slide("ENGINE", ["Runs on Brindle:", "components, editor", "and console."])),
        ("credits_3", slide("ART AND SOUND", ["Every picture and sound", "is drawn and played by", "our own little scripts."])),
        ("credits_4", slide("THANK YOU", ["Thanks for playing!", "", "Now your life of piracy", "can truly begin."], None, (120, 255, 140, 255))),
    ]


def splash_cards():
    brindle = framed(blank(SLIDE_WIDTH, SLIDE_HEIGHT, (12, 12, 16, 255)), (110, 90, 70, 255))
    word = logo("BRINDLE", 2, (230, 180, 110, 255), (110, 70, 40, 255))
    brindle.alpha_composite(word, ((SLIDE_WIDTH - word.width) // 2, 28))
    draw_text_centred(brindle, "ENGINE", SLIDE_WIDTH // 2, 56, (200, 190, 170, 255))
    corvane = starry(SLIDE_WIDTH, SLIDE_HEIGHT, 17)
    corvane.alpha_composite(title(), (0, 4))
    # The ship flies in low on the left, clear of the "PRESS ANY KEY" line the splash level shows
    # across the bottom middle (slide pixels 56 to 104 by 77 to 85).
    for k, x in enumerate(range(4, 16, 3)):
        dot(corvane, x, 69, (120, 200, 255, 60 + 40 * k))
    corvane.alpha_composite(ship(PLAYER_BLUE, PLAYER_LIGHT_BLUE, player=True), (14, 53))
    framed(corvane)
    return [("splash_brindle", brindle), ("splash_corvane", corvane)]


def panel(width, height, colour=(20, 30, 56, 235)):
    image = blank(width, height)
    draw = pen(image)
    box(draw, 2, 2, width - 3, height - 3, colour)
    draw.rectangle([0, 0, width - 1, height - 1], outline=PLAYER_INK)
    draw.rectangle([1, 1, width - 2, height - 2], outline=(70, 110, 180, 255))
    for x, y in ((1, 1), (width - 2, 1), (1, height - 2), (width - 2, height - 2)):
        dot(image, x, y, (255, 210, 80, 255))
    return image


def text_card(width, height, text, colour, size=1, backing=True):
    image = panel(width, height) if backing else blank(width, height)
    draw_text_centred(image, text, width // 2, (height - 7 * size) // 2, colour, size, (0, 0, 0, 220))
    return image


def treasure_chest():
    image = blank(32, 32)
    draw = pen(image)
    wood, dark, gold = (150, 95, 45, 255), (90, 55, 25, 255), (255, 200, 60, 255)
    # The lid stands open behind the box, whose inside shows dark.
    box(draw, 4, 2, 27, 11, dark)
    box(draw, 5, 3, 26, 10, wood)
    box(draw, 4, 12, 27, 15, (30, 18, 10, 255))
    box(draw, 3, 15, 28, 29, wood)
    for y in (15, 22, 29):
        box(draw, 3, y, 28, y, dark)
    for x in (3, 28):
        box(draw, x, 15, x, 29, gold)
    box(draw, 14, 18, 17, 23, gold)
    dot(image, 15, 21, dark)
    outline(image, INK)
    return image


def card_sheets():
    sheets = [
        ("ui_title", title(), 1, '"CORVANE" logo with "A PIRATE\'S RUN"'),
        ("ui_panel", panel(128, 96), 1, "menu backdrop panel (dark blue, gold corners)"),
        ("ui_pause_title", text_card(112, 24, "PAUSED", (255, 210, 80, 255), 2, False), 1, '"PAUSED"'),
        ("ui_confirm_text", text_card(160, 32, "QUIT THE GAME?", WHITE, 1), 1, '"QUIT THE GAME?" on a panel'),
        ("ui_press_any_key", strip([text_card(112, 16, "PRESS ANY KEY", colour, 1, False)
                                    for colour in ((220, 235, 255, 255), (110, 130, 170, 255))]), 2,
         '"PRESS ANY KEY", bright then dim (animate it to blink)'),
        ("ui_fade_black", blank(8, 8, (0, 0, 0, 255)), 1, "black (for fades)"),
        ("endscreen_title", text_card(160, 32, "RUN OVER", (255, 210, 80, 255), 2, False), 1, '"RUN OVER" (end screen)'),
        ("endscreen_score", text_card(80, 16, "SCORE", (220, 235, 255, 255), 1, False), 1, '"SCORE" (end screen)'),
        ("endscreen_chest", treasure_chest(), 1, "open, empty treasure chest: the end screen's haul pours out of it"),
    ]
    for name, image in how_to_play_slides():
        sheets.append((name, image, 1, "how-to-play slide " + name[-1]))
    for name, image in credits_slides():
        sheets.append((name, image, 1, "credits slide " + name[-1]))
    for name, image in splash_cards():
        sheets.append((name, image, 1, "splash title card"))
    return sheets


# --------------------------------------------------------------------------------------------
# 4. HUD

def border_frame():
    image = blank(64, 32)
    draw = pen(image)
    box(draw, 2, 2, 61, 29, (14, 20, 40, 220))
    draw.rectangle([0, 0, 63, 31], outline=PLAYER_INK)
    draw.rectangle([1, 1, 62, 30], outline=(90, 140, 220, 255))
    draw.rectangle([3, 3, 60, 28], outline=(40, 60, 110, 255))
    for x, y in ((1, 1), (62, 1), (1, 30), (62, 30)):
        box(draw, x - 1, y - 1, x + 1, y + 1, (255, 210, 80, 255))
    return image


def hud_frame():
    """The backing of a card of the encounter HUD (a slot, the ammunition pool), drawn for about
    6 world units a pixel (240 x 180)."""
    image = blank(40, 30)
    draw = pen(image)
    # Opaque: the fight behind the HUD must not show through a card as if it were held.
    box(draw, 1, 1, 38, 28, (14, 20, 40, 255))
    draw.rectangle([0, 0, 39, 29], outline=(90, 140, 220, 255))
    for x, y in ((0, 0), (39, 0), (0, 29), (39, 29)):
        dot(image, x, y, (255, 210, 80, 255))
    return image


def heart(frame):
    image = blank(16, 16)
    draw = pen(image)
    inset = 0 if frame == 0 else 1
    draw.ellipse([1 + inset, 2 + inset, 8, 9], fill=HEALTH_RED)
    draw.ellipse([7, 2 + inset, 14 - inset, 9], fill=HEALTH_RED)
    draw.polygon([(1 + inset, 6), (14 - inset, 6), (8, 14 - inset), (7, 14 - inset)], fill=HEALTH_RED)
    box(draw, 4, 4 + inset, 5, 5 + inset, (255, 180, 190, 255))
    outline(image, INK)
    return image


def health_overlay():
    """Red at the edges, clear in the middle: the heartbeat fades it in and out."""
    image = blank(64, 36)
    pixels = image.load()
    for y in range(36):
        for x in range(64):
            dx, dy = (x - 31.5) / 32.0, (y - 17.5) / 18.0
            d = math.sqrt(dx * dx + dy * dy)
            alpha = max(0.0, min(1.0, (d - 0.7) / 0.6))
            pixels[x, y] = (200, 0, 20, int(200 * alpha))
    return image


def ammo_icon(kind):
    image = blank(16, 16)
    draw = pen(image)
    if kind == "bullet":
        for x in (2, 7, 12):
            box(draw, x, 5, x + 2, 13, (220, 160, 40, 255))
            box(draw, x, 2, x + 2, 5, (250, 220, 120, 255))
            dot(image, x + 1, 1, (250, 220, 120, 255))
    elif kind == "energy":
        draw.polygon([(9, 0), (3, 9), (7, 9), (5, 15), (13, 5), (8, 5), (11, 0)], fill=CYAN)
        draw.polygon([(9, 1), (5, 8), (8, 8)], fill=WHITE)
    else:
        box(draw, 5, 3, 10, 12, (200, 200, 210, 255))
        draw.polygon([(5, 3), (7, 0), (8, 0), (10, 3)], fill=(220, 40, 40, 255))
        draw.polygon([(5, 10), (2, 14), (5, 14)], fill=(220, 40, 40, 255))
        draw.polygon([(10, 10), (13, 14), (10, 14)], fill=(220, 40, 40, 255))
        box(draw, 6, 13, 9, 15, (255, 170, 40, 255))
    outline(image, INK)
    return image


def placard():
    """An item slot; opaque, so that an empty one reads as empty whatever lies behind the HUD."""
    image = blank(32, 32)
    draw = pen(image)
    box(draw, 1, 1, 30, 30, (14, 20, 40, 255))
    draw.rectangle([0, 0, 31, 31], outline=(90, 140, 220, 255))
    draw.rectangle([2, 2, 29, 29], outline=(40, 60, 110, 255))
    return image


def bar(colour, back=False):
    image = blank(32, 4)
    draw = pen(image)
    if back:
        box(draw, 0, 0, 31, 3, (10, 10, 20, 200))
        draw.rectangle([0, 0, 31, 3], outline=(90, 100, 130, 255))
    else:
        box(draw, 0, 0, 31, 3, colour)
        box(draw, 0, 0, 31, 0, lighter(colour, 60))
        box(draw, 0, 3, 31, 3, darker(colour, 60))
    return image


def clock_face(mood):
    """The encounter clock: a bear's head that grows angrier; without bears, an empty red dial."""
    image = blank(32, 32)
    draw = pen(image)
    draw.ellipse([1, 1, 30, 30], fill=(230, 225, 210, 255))
    draw.ellipse([3, 3, 28, 28], outline=(60, 50, 40, 255))
    for k in range(12):
        a = k * math.pi / 6
        dot(image, int(16 + 12 * math.cos(a)), int(16 + 12 * math.sin(a)), (60, 50, 40, 255))
    if mood == "none":
        draw.ellipse([3, 3, 28, 28], fill=(220, 40, 40, 255))
        draw_text_centred(image, "!", 16, 12, WHITE)
        box(draw, 15, 0, 16, 3, (60, 50, 40, 255))
    else:
        fur = (130, 80, 40, 255) if mood == "less" else (170, 50, 30, 255)
        draw.ellipse([8, 9, 23, 25], fill=fur)
        draw.ellipse([7, 7, 12, 12], fill=fur)
        draw.ellipse([19, 7, 24, 12], fill=fur)
        draw.ellipse([12, 17, 19, 23], fill=(200, 160, 110, 255))
        box(draw, 15, 18, 16, 19, (20, 10, 10, 255))
        eye = ENEMY_EYE
        box(draw, 11, 13, 12, 14, eye)
        box(draw, 19, 13, 20, 14, eye)
        if mood == "more":
            draw.line([(10, 11), (14, 13)], fill=(20, 10, 10, 255))
            draw.line([(21, 11), (17, 13)], fill=(20, 10, 10, 255))
            box(draw, 13, 22, 18, 22, WHITE)   # bared teeth
    outline(image, INK)
    return image


def jumping_bear():
    return rotate(bear_frame(BEAR_POLICE, 1, 0), 20, (16, 16))


def interact_hint(frame):
    image = blank(16, 16)
    draw = pen(image)
    top = frame
    box(draw, 1, 0 + top, 14, 11 + top, (250, 250, 250, 255))
    draw.polygon([(5, 11 + top), (8, 11 + top), (5, 14 + top)], fill=(250, 250, 250, 255))
    draw_text_centred(image, "F", 8, 2 + top, (30, 60, 140, 255))
    outline(image, INK)
    return image


def highlight_ring(frame):
    image = blank(48, 48)
    draw = pen(image)
    r = 18 + frame * 1.5
    alpha = 255 - frame * 40
    draw.ellipse([24 - r, 24 - r, 24 + r, 24 + r], outline=(255, 220, 60, alpha), width=3)
    r2 = r - 6
    draw.ellipse([24 - r2, 24 - r2, 24 + r2, 24 + r2], outline=(255, 240, 150, alpha // 2), width=1)
    return image


def crosshair():
    image = blank(16, 16)
    draw = pen(image)
    draw.ellipse([2, 2, 13, 13], outline=WHITE)
    for x0, y0, x1, y1 in ((7, 0, 8, 4), (7, 11, 8, 15), (0, 7, 4, 8), (11, 7, 15, 8)):
        box(draw, x0, y0, x1, y1, WHITE)
    box(draw, 7, 7, 8, 8, (255, 80, 80, 255))
    outline(image, (0, 0, 0, 180))
    return image


def score_panel():
    """The overworld's score panel, 4 world units a pixel (320 x 180): "REPUTATION" along its top;
    the score and its goal are texts over the room below it."""
    image = panel(80, 45)
    draw_text_centred(image, "REPUTATION", 40, 5, (255, 210, 80, 255), 1, (0, 0, 0, 220))
    return image


# Keys of the default input map worth a hint.
KEY_HINTS = [("Q", "take or drop the second gun"), ("E", "take or drop the first gun"), ("V", "take or drop a special"),
             ("C", "use the special"), ("F", "interact"), ("R", "reload the second gun"), ("T", "reload the first gun"),
             ("M", "mute"), ("P", "stop the clock")]


def hud_sheets():
    return [
        ("HUD_border_frame", border_frame(), 1, "dialogue box frame (DialogueAnimator Background)"),
        ("HUD_frame", hud_frame(), 1, "backing of a card of the HUD (a slot, the ammunition pool)"),
        ("HUD_heart", strip([heart(f) for f in range(2)]), 2, "health heart: full, then the squeezed beat"),
        ("HUD_health_overlay", health_overlay(), 1, "red vignette for the heartbeat overlay (HealthIndicator)"),
        ("HUD_ammo_bullet", ammo_icon("bullet"), 1, "ammo type: bullets"),
        ("HUD_ammo_energy", ammo_icon("energy"), 1, "ammo type: energy"),
        ("HUD_ammo_rocket", ammo_icon("rocket"), 1, "ammo type: rockets"),
        ("HUD_item_placard", placard(), 1, "item slot frame"),
        ("HUD_cooldown_bar", bar((90, 200, 255, 255)), 1, "cooldown bar fill (blue)"),
        ("HUD_cooldown_bar_back", bar(None, back=True), 1, "bar background"),
        ("HUD_reload_bar", bar((255, 200, 60, 255)), 1, "reload bar fill (yellow)"),
        ("HUD_timer_bear_lessangry", clock_face("less"), 1, "encounter clock, calm bear"),
        ("HUD_timer_bear_moreangry", clock_face("more"), 1, "encounter clock, angry red bear"),
        ("HUD_timer_nobears", clock_face("none"), 1, "encounter clock run out: red dial"),
        ("HUD_jumping_bear", jumping_bear(), 1, "a police bear, tumbling (HUD_JumpingBear)"),
    ] + [("HUD_key_" + key.lower(), key_cap(key, 16), 1, "key hint %s (%s)" % (key, use)) for key, use in KEY_HINTS] + [
        ("HUD_key_space", key_cap("SPACE", 34), 1, "key hint SPACE"),
        ("HUD_key_escape", key_cap("ESC", 22), 1, "key hint ESC (pause)"),
        ("HUD_key_mouse_left", mouse("left"), 1, "left mouse button hint (fires the second slot)"),
        ("HUD_key_mouse_right", mouse("right"), 1, "right mouse button hint (fires the first slot)"),
        ("HUD_key_mouse_middle", mouse("middle"), 1, "middle mouse button hint (uses the special)"),
        ("HUD_interact_hint", strip([interact_hint(f) for f in range(2)]), 2, "speech bubble with F (interact), bobbing"),
        ("HUD_tutorial_highlight", strip([highlight_ring(f) for f in range(4)]), 4, "pulsing yellow ring"),
        ("HUD_score_panel", score_panel(), 1, '"REPUTATION" panel (OW_HUD), room for two lines below the label'),
        ("ui_crosshair", crosshair(), 1, "aiming crosshair (white, red centre)"),
    ]


def interface_sheets():
    sheets = [("font", font_strip(), 76, "glyph strip, 8x12 frames: A-Z 0-25, a-z 26-51, 0-9 52-61, ? 62, blank 63, "
                                             "! 64, # $ % 65-67, / 68, ' 69, + - : , ( 70-74, . 75")]
    return sheets + button_sheets() + card_sheets() + hud_sheets()


