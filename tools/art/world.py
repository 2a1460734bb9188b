"""Things in the world: guns and what they shoot, pickups and loot, effects, the ship's tiles, and
the overworld of ships, stations and stars.

Sections:
  1. Guns and projectiles   steel silhouettes with a coloured stripe; shots and rockets
  2. Pickups and loot       glowing ammo boxes, round special chips, gold and gems, soda
  3. Effects                flashes, sparks, the blast, shields, particles
  4. Ship interior          floors, walls, doors, force fields, rubble, props, thruster flame
  5. Overworld              ships, faction stations, waypoint arrow, space backgrounds
"""
import math

from art.characters import PLAYER, SIDE, force_wall, humanoid_frame
from art.pixels import (CYAN, DARK_GOLD, DARK_STEEL, ENEMY_EYE, GLYPH_HEIGHT, GOLD, GREEN, INK, LIGHT_STEEL,
                        PLAYER_BLUE, PLAYER_INK, PLAYER_LIGHT_BLUE, STEEL, WHITE, blank, box, darker, dot, draw_text,
                        lighter, outline, pen, shadow, strip, faded, tinted, text_width, with_alpha)


class Sequence:
    """The same numbers on every run (a linear congruential generator), for stars and speckles."""

    def __init__(self, seed):
        self.state = seed

    def next(self, limit):
        self.state = (self.state * 1103515245 + 12345) & 0x7FFFFFFF
        return (self.state >> 8) % limit


# --------------------------------------------------------------------------------------------
# 1. Guns (32x16, muzzle towards +x) and projectiles

def gun(stripe, barrel_length, body_length, grip_x, extra=None):
    image = blank(32, 16)
    draw = pen(image)
    box(draw, grip_x, 8, grip_x + 4, 14, darker(DARK_STEEL, 10))           # grip
    box(draw, 2, 4, 2 + body_length, 9, STEEL)                               # body
    box(draw, 2, 4, 2 + body_length, 4, LIGHT_STEEL)
    box(draw, 2 + body_length, 5, 2 + body_length + barrel_length, 7, DARK_STEEL)  # barrel
    box(draw, 4, 6, 2 + body_length - 2, 7, stripe)                          # the colour says which gun
    if extra:
        extra(draw, image)
    outline(image, INK)
    return image


def gun_sheets():
    def rifle_extra(draw, image):
        box(draw, 0, 5, 3, 10, (110, 70, 40, 255))       # stock
        box(draw, 14, 9, 16, 13, DARK_STEEL)              # magazine

    def burst_extra(draw, image):
        box(draw, 12, 9, 14, 12, DARK_STEEL)
        box(draw, 0, 6, 2, 9, DARK_STEEL)

    def shotgun_extra(draw, image):
        box(draw, 0, 5, 5, 10, (120, 70, 40, 255))
        box(draw, 16, 8, 24, 9, (120, 70, 40, 255))       # pump

    def rocket_extra(draw, image):
        box(draw, 2, 2, 28, 9, (80, 96, 70, 255))
        box(draw, 26, 1, 30, 10, DARK_STEEL)
        box(draw, 8, 4, 20, 5, (255, 140, 30, 255))

    def beam_extra(draw, image):
        draw.ellipse([18, 2, 26, 10], fill=(40, 60, 90, 255))
        draw.ellipse([20, 4, 24, 8], fill=CYAN)
        box(draw, 26, 5, 30, 7, CYAN)

    return [
        ("gun_pistol", gun((250, 210, 60, 255), 6, 10, 4), 1, "pistol, yellow stripe"),
        ("gun_rifle", gun((120, 200, 255, 255), 10, 16, 8, rifle_extra), 1, "automatic rifle, light blue stripe"),
        ("gun_burst", gun((180, 120, 255, 255), 8, 14, 6, burst_extra), 1, "burst gun, violet stripe"),
        ("gun_shotgun", gun((255, 110, 60, 255), 8, 18, 6, shotgun_extra), 1, "shotgun, orange stripe"),
        ("gun_rocket_launcher", gun((255, 140, 30, 255), 2, 24, 10, rocket_extra), 1, "rocket launcher, olive tube"),
        ("gun_beam", gun(CYAN, 4, 18, 6, beam_extra), 1, "beam gun, cyan lens"),
    ]


def projectile_sheets():
    enemy_bullet = blank(8, 8)
    draw = pen(enemy_bullet)
    draw.ellipse([0, 0, 7, 7], fill=(255, 40, 120, 255))
    draw.ellipse([2, 2, 5, 5], fill=(255, 210, 230, 255))

    energy = blank(16, 8)
    draw = pen(energy)
    draw.ellipse([0, 1, 15, 6], fill=with_alpha(CYAN, 120))
    draw.ellipse([3, 2, 15, 5], fill=CYAN)
    box(draw, 8, 3, 14, 4, WHITE)

    laser = blank(16, 4)
    draw = pen(laser)
    box(draw, 0, 0, 15, 3, (255, 40, 40, 140))
    box(draw, 1, 1, 15, 2, (255, 200, 200, 255))

    rockets = []
    for frame in range(2):
        image = blank(16, 8)
        draw = pen(image)
        flame = 3 + frame * 2
        draw.polygon([(5, 2), (5 - flame, 4), (5, 5)], fill=(255, 200, 60, 255))
        box(draw, 4, 2, 12, 5, (200, 200, 210, 255))
        draw.polygon([(12, 2), (15, 3), (15, 4), (12, 5)], fill=(220, 40, 40, 255))
        box(draw, 4, 1, 6, 6, (220, 40, 40, 255))
        outline(image, INK)
        rockets.append(image)

    bombs = []
    for frame in range(2):
        image = blank(16, 16)
        draw = pen(image)
        draw.ellipse([2, 4, 13, 15], fill=(40, 40, 48, 255))
        draw.ellipse([4, 6, 7, 9], fill=(110, 110, 120, 255))
        box(draw, 7, 1, 8, 4, DARK_GOLD)
        box(draw, 8, 8, 10, 10, (255, 40, 40, 255) if frame == 0 else (90, 20, 20, 255))
        outline(image, INK)
        bombs.append(image)

    return [
        ("bullet_enemy", enemy_bullet, 1, "enemy bullet, pink-red (the player's is `bullet`)"),
        ("energy_bolt", energy, 1, "cyan energy shot, flying +x"),
        ("laser_bolt", laser, 1, "red drone shot, flying +x"),
        ("rocket", strip(rockets), 2, "rocket with a flickering flame, flying +x"),
        ("bomb", strip(bombs), 2, "bomb with a blinking light"),
    ]


# --------------------------------------------------------------------------------------------
# 2. Pickups and loot

def ammo_box(band, frame):
    image = blank(16, 16)
    draw = pen(image)
    draw.ellipse([0, 9, 15, 15], fill=with_alpha(band, 70 + 50 * frame))   # glow on the floor
    box(draw, 2, 4, 13, 12, (70, 74, 60, 255))
    box(draw, 2, 4, 13, 5, (110, 116, 96, 255))
    box(draw, 2, 7, 13, 9, band)
    for x in (4, 7, 10):
        box(draw, x, 1, x + 1, 3, band)                                    # rounds on top
    if frame:
        dot(image, 12, 4, WHITE)
    outline(image, INK)
    return image


def special_chip(colour, icon, frame):
    image = blank(16, 16)
    draw = pen(image)
    draw.ellipse([0, 0, 15, 15], fill=with_alpha(colour, 60 + 60 * frame))
    draw.ellipse([2, 2, 13, 13], fill=darker(colour, 70))
    draw.ellipse([3, 3, 12, 12], fill=colour)
    icon(draw, image)
    outline(image, PLAYER_INK)
    return image


def pickup_sheets():
    def blink_icon(draw, image):
        draw.polygon([(6, 4), (10, 4), (8, 7), (11, 7), (6, 12), (7, 8), (5, 8)], fill=WHITE)

    def dash_icon(draw, image):
        for x in (4, 7):
            draw.polygon([(x, 4), (x + 4, 8), (x, 12)], fill=WHITE)

    def heal_icon(draw, image):
        box(draw, 7, 4, 8, 11, WHITE)
        box(draw, 4, 7, 11, 8, WHITE)

    def shield_icon(draw, image):
        draw.polygon([(4, 4), (11, 4), (11, 8), (7, 12), (4, 8)], fill=WHITE)
        draw.polygon([(6, 5), (9, 5), (9, 8), (7, 10), (6, 8)], fill=PLAYER_BLUE)

    sheets = []
    for name, band, what in (("bullet", (250, 210, 60, 255), "yellow: bullets"),
                             ("energy", CYAN, "cyan: energy"), ("rocket", (255, 130, 30, 255), "orange: rockets")):
        sheets.append(("pickup_ammo_" + name, strip([ammo_box(band, f) for f in range(2)]), 2, "ammo box, " + what))
    for name, colour, icon, what in (("blink", (150, 110, 255, 255), blink_icon, "violet, lightning: blink"),
                                     ("dash", (60, 170, 255, 255), dash_icon, "blue, chevrons: dash"),
                                     ("heal", (60, 200, 110, 255), heal_icon, "green, cross: heal over time"),
                                     ("shield", (90, 220, 230, 255), shield_icon, "teal, shield: shield")):
        sheets.append(("special_" + name, strip([special_chip(colour, icon, f) for f in range(2)]), 2, "special chip, " + what))
    return sheets


def loot_sheets():
    coins = []
    for frame in range(2):
        image = blank(16, 16)
        draw = pen(image)
        half = 6 if frame == 0 else 3
        draw.ellipse([8 - half, 2, 7 + half, 14], fill=GOLD)
        draw.ellipse([9 - half, 4, 6 + half, 12], fill=(255, 230, 120, 255))
        box(draw, 7, 5, 8, 11, DARK_GOLD)
        outline(image, INK)
        coins.append(image)
    gems = []
    for frame in range(2):
        image = blank(16, 16)
        draw = pen(image)
        draw.polygon([(8, 1), (14, 6), (8, 15), (2, 6)], fill=(220, 30, 70, 255))
        draw.polygon([(8, 1), (11, 6), (8, 11), (5, 6)], fill=(255, 110, 140, 255))
        if frame:
            box(draw, 6, 3, 6, 5, WHITE)
        outline(image, INK)
        gems.append(image)
    bars = []
    for frame in range(2):
        image = blank(24, 24)
        draw = pen(image)
        shadow(draw, 1, 17, 22, 23)
        for x, y in ((2, 14), (12, 14), (7, 8)):
            draw.polygon([(x, y + 6), (x + 2, y), (x + 9, y), (x + 11, y + 6)], fill=GOLD)
            box(draw, x + 3, y + 1, x + 8, y + 2, (255, 240, 160, 255))
        if frame:
            box(draw, 10, 6, 10, 8, WHITE)
            box(draw, 9, 7, 11, 7, WHITE)
        outline(image, INK)
        bars.append(image)
    can = blank(16, 16)
    draw = pen(can)
    box(draw, 4, 2, 11, 14, (60, 190, 80, 255))
    box(draw, 4, 2, 11, 3, LIGHT_STEEL)
    box(draw, 4, 13, 11, 14, LIGHT_STEEL)
    box(draw, 5, 6, 10, 9, (250, 240, 120, 255))
    box(draw, 5, 4, 5, 12, (150, 240, 160, 255))
    outline(can, INK)
    return [
        ("loot_small", strip(coins), 2, "gold coin, spinning (EN_Loot_Small)"),
        ("loot_medium", strip(gems), 2, "red gem, glinting (EN_Loot_Medium)"),
        ("loot_large", strip(bars), 2, "stack of gold bars (EN_Loot_Large)"),
        ("soda", can, 1, "green soda can (soda1)"),
    ]


# --------------------------------------------------------------------------------------------
# 3. Effects

def burst_frames(size, frames, colours, rays):
    out = []
    for frame in range(frames):
        image = blank(size, size)
        draw = pen(image)
        c = size / 2
        t = (frame + 1) / frames
        radius = c * (0.35 + 0.6 * t)
        for k in range(rays):
            a = k * 2 * math.pi / rays + frame * 0.4
            inner = radius * 0.3
            draw.line([(c + inner * math.cos(a), c + inner * math.sin(a)), (c + radius * math.cos(a), c + radius * math.sin(a))],
                      fill=colours[min(frame, len(colours) - 1)], width=max(1, size // 16))
        core = radius * (0.5 - 0.4 * t)
        if core >= 1:
            draw.ellipse([c - core, c - core, c + core, c + core], fill=WHITE)
        out.append(image)
    return strip(out)


def blast():
    """Eight frames: a white flash, a fireball that swells and darkens, smoke that thins away."""
    frames = []
    sequence = Sequence(7)
    for frame in range(8):
        image = blank(48, 48)
        draw = pen(image)
        t = frame / 7
        radius = 8 + 14 * min(1.0, t * 2)
        if frame == 0:
            draw.ellipse([14, 14, 33, 33], fill=WHITE)
        else:
            smoke_alpha = int(220 * (1 - t))
            for k in range(7):
                a = k * 2 * math.pi / 7 + frame
                r = radius * 0.55
                x, y = 24 + r * math.cos(a), 24 + r * math.sin(a)
                s = radius * 0.55
                draw.ellipse([x - s, y - s, x + s, y + s], fill=(70, 60, 60, smoke_alpha))
            if frame < 6:
                fire = radius * (1.0 - t * 0.6)
                draw.ellipse([24 - fire, 24 - fire, 24 + fire, 24 + fire], fill=(255, 110, 20, 255))
                inner = fire * 0.6
                draw.ellipse([24 - inner, 24 - inner, 24 + inner, 24 + inner], fill=(255, 220, 80, 255))
            for _ in range(6):
                x, y = sequence.next(44) + 2, sequence.next(44) + 2
                if math.hypot(x - 24, y - 24) < radius + 4:
                    dot(image, x, y, (255, 240, 160, int(255 * (1 - t))))
        frames.append(image)
    return strip(frames)


def shield_bubble():
    frames = []
    for frame in range(4):
        image = blank(48, 48)
        draw = pen(image)
        draw.ellipse([2, 2, 45, 45], fill=(90, 200, 255, 50), outline=(140, 230, 255, 200), width=2)
        a = frame * math.pi / 2
        for k in range(3):
            angle = a + k * 2.1
            dot(image, int(24 + 20 * math.cos(angle)), int(24 + 20 * math.sin(angle)), WHITE)
        draw.arc([8, 6, 30, 28], 200 + frame * 10, 250 + frame * 10, fill=(230, 250, 255, 220), width=2)
        frames.append(image)
    return strip(frames)


def after_image(alpha):
    return faded(tinted(humanoid_frame(PLAYER, SIDE), (120, 200, 255), 0.5), alpha)


def heal_effect():
    frames = []
    for frame in range(4):
        image = blank(16, 16)
        draw = pen(image)
        for k, (x, y) in enumerate(((3, 12), (10, 9), (6, 5))):
            y -= frame * 2
            alpha = max(0, 255 - frame * 60 - k * 20)
            if y >= 1:
                box(draw, x + 1, y - 1, x + 1, y + 1, (90, 255, 120, alpha))
                box(draw, x, y, x + 2, y, (90, 255, 120, alpha))
        frames.append(image)
    return strip(frames)


def particle(shape):
    if shape == "smoke":
        image = blank(16, 16)
        draw = pen(image)
        for radius, alpha in ((7, 60), (5, 110), (3, 160)):
            draw.ellipse([8 - radius, 8 - radius, 7 + radius, 7 + radius], fill=(200, 200, 200, alpha))
        return image
    image = blank(8, 8)
    draw = pen(image)
    if shape == "dot":
        draw.ellipse([0, 0, 7, 7], fill=(255, 255, 255, 110))
        draw.ellipse([2, 2, 5, 5], fill=WHITE)
    elif shape == "spark":
        box(draw, 3, 0, 4, 7, WHITE)
        box(draw, 0, 3, 7, 4, (255, 255, 255, 150))
    elif shape == "plus":
        box(draw, 3, 1, 4, 6, WHITE)
        box(draw, 1, 3, 6, 4, WHITE)
    elif shape == "star":
        box(draw, 3, 3, 4, 4, WHITE)
        for x, y in ((3, 1), (4, 6), (1, 4), (6, 3)):
            dot(image, x, y, (255, 255, 255, 170))
    return image


def effect_sheets():
    return [
        ("muzzle_flash", burst_frames(16, 3, [(255, 250, 200, 255), (255, 200, 80, 255), (255, 140, 40, 200)], 6), 3,
         "muzzle flash, pointing all ways"),
        ("bullet_spark", burst_frames(16, 4, [(255, 255, 200, 255), (255, 220, 90, 255), (255, 160, 40, 220), (200, 90, 30, 150)], 5), 4,
         "sparks off a wall (BulletSparkWall, BulletSparkBoss)"),
        ("bullet_impact", burst_frames(16, 4, [(255, 255, 255, 255), (220, 220, 220, 220), (170, 170, 170, 170), (120, 120, 120, 110)], 8), 4,
         "grey hit puff (BulletImpact)"),
        ("lazer_impact", burst_frames(16, 4, [(255, 255, 255, 255), (170, 240, 255, 255), (90, 200, 255, 220), (60, 120, 255, 150)], 6), 4,
         "beam hit, blue-white (LazerImpact)"),
        ("blast", blast(), 8, "explosion: flash, fireball, smoke (Blast, ShipDeathBlast)"),
        ("shield_bubble", shield_bubble(), 4, "player shield bubble (EN_Shield)"),
        ("dash_effect", after_image(0.6), 1, "blue after-image of the player"),
        ("dash_effect2", after_image(0.3), 1, "fainter after-image"),
        ("heal_effect", heal_effect(), 4, "green crosses rising"),
        ("particle_dot", particle("dot"), 1, "round soft dot (white: tint it)"),
        ("particle_spark", particle("spark"), 1, "spark cross (white)"),
        ("particle_plus", particle("plus"), 1, "plus sign (white)"),
        ("particle_star", particle("star"), 1, "star twinkle (white)"),
        ("particle_smoke", particle("smoke"), 1, "soft grey puff"),
    ]


# --------------------------------------------------------------------------------------------
# 4. Ship interior: one 32x32 tile is one 128-unit cell of the ship map.

FLOOR_BASE = (70, 74, 82, 255)


def floor(kind, seed=1):
    image = blank(32, 32, FLOOR_BASE)
    draw = pen(image)
    edge = darker(FLOOR_BASE, 18)
    box(draw, 0, 0, 31, 0, lighter(FLOOR_BASE, 10))
    box(draw, 0, 31, 31, 31, edge)
    box(draw, 31, 0, 31, 31, edge)
    if kind == "plain":
        for x, y in ((3, 3), (28, 3), (3, 28), (28, 28)):
            dot(image, x, y, (110, 114, 124, 255))
    elif kind == "bars":
        for x in range(3, 32, 6):
            box(draw, x, 2, x + 2, 29, darker(FLOOR_BASE, 30))
            box(draw, x, 2, x, 29, lighter(FLOOR_BASE, 16))
    elif kind == "alt_bars":
        for y in range(3, 32, 6):
            box(draw, 2, y, 29, y + 2, darker(FLOOR_BASE, 30))
            box(draw, 2, y, 29, y, lighter(FLOOR_BASE, 16))
    elif kind == "ice":
        box(draw, 1, 1, 30, 30, (150, 200, 225, 255))
        draw.line([(4, 26), (14, 12), (20, 16), (28, 5)], fill=(220, 245, 255, 255))
        draw.line([(6, 8), (11, 13)], fill=(220, 245, 255, 255))
        box(draw, 22, 22, 24, 23, WHITE)
    elif kind == "slats":
        for y in range(1, 31, 5):
            box(draw, 1, y, 30, y + 3, (120, 86, 56, 255))
            box(draw, 1, y + 3, 30, y + 3, (80, 56, 36, 255))
            dot(image, 3 + (y * 7) % 24, y + 1, (150, 110, 74, 255))
    elif kind == "pirate":
        sequence = Sequence(seed * 31 + 5)
        for _ in range(10):
            x, y = sequence.next(30) + 1, sequence.next(30) + 1
            dot(image, x, y, lighter(FLOOR_BASE, 14) if sequence.next(2) else darker(FLOOR_BASE, 14))
        if seed == 2:
            draw.line([(5, 20), (12, 24), (16, 22)], fill=darker(FLOOR_BASE, 30))
        if seed == 3:
            draw.ellipse([18, 6, 26, 11], fill=(60, 70, 60, 255))  # a stain
        if seed == 4:
            box(draw, 12, 12, 19, 19, darker(FLOOR_BASE, 20))
            for x, y in ((13, 13), (18, 13), (13, 18), (18, 18)):
                dot(image, x, y, LIGHT_STEEL)
    return image


WALL_FACE = (128, 132, 146, 255)
WALL_TOP = (176, 182, 196, 255)


def wall_bottom(variant):
    """The wall along a tile's bottom edge, drawn as a top band and a front face."""
    image = blank(32, 20)
    draw = pen(image)
    box(draw, 0, 0, 31, 5, WALL_TOP)
    box(draw, 0, 6, 31, 19, WALL_FACE)
    box(draw, 0, 6, 31, 6, darker(WALL_FACE, 40))
    box(draw, 0, 17, 31, 19, darker(WALL_FACE, 45))
    if variant == "outside":
        box(draw, 0, 6, 31, 19, (90, 90, 104, 255))
        for x in range(2, 32, 8):
            dot(image, x, 9, LIGHT_STEEL)
            dot(image, x, 15, LIGHT_STEEL)
    elif variant == 2:
        box(draw, 0, 9, 31, 11, DARK_STEEL)
        box(draw, 0, 9, 31, 9, LIGHT_STEEL)
        box(draw, 12, 8, 15, 12, (200, 150, 40, 255))
    elif variant == 3:
        for y in range(9, 16, 2):
            box(draw, 9, y, 22, y, DARK_STEEL)
    elif variant == "cracked":
        # A weak spot that a blast can open: dark cracks and a warning stripe.
        draw.line([(6, 6), (10, 10), (8, 14), (13, 18)], fill=(30, 20, 20, 255), width=1)
        draw.line([(22, 6), (19, 11), (24, 15)], fill=(30, 20, 20, 255), width=1)
        draw.line([(10, 10), (16, 11)], fill=(30, 20, 20, 255))
        for x in range(0, 32, 6):
            box(draw, x, 1, x + 2, 3, (230, 180, 40, 255))
    else:
        for x in (7, 23):
            box(draw, x, 7, x, 16, darker(WALL_FACE, 25))
    outline(image, INK)
    return image


def wall_side():
    image = blank(8, 40)
    draw = pen(image)
    box(draw, 1, 0, 6, 39, WALL_FACE)
    box(draw, 1, 0, 6, 5, WALL_TOP)
    box(draw, 1, 0, 1, 39, lighter(WALL_FACE, 20))
    box(draw, 6, 0, 6, 39, darker(WALL_FACE, 40))
    outline(image, INK)
    return image


def door():
    """Frame 0 closed, frame 6 fully open: the two leaves slide into the wall."""
    frames = []
    for frame in range(7):
        image = blank(32, 20)
        draw = pen(image)
        box(draw, 0, 0, 31, 5, WALL_TOP)
        box(draw, 0, 6, 31, 19, (40, 44, 52, 255))                 # the doorway
        gap = frame * 16 // 6
        leaf = (200, 150, 40, 255)
        if gap < 16:
            box(draw, 0, 6, 15 - gap, 19, leaf)
            box(draw, 16 + gap, 6, 31, 19, leaf)
            for x0 in (0, 16 + gap):
                for k in range(0, 16 - gap, 4):
                    box(draw, x0 + k, 8, x0 + k + 1, 17, (40, 30, 20, 255))
        box(draw, 0, 6, 2, 19, WALL_FACE)
        box(draw, 29, 6, 31, 19, WALL_FACE)
        box(draw, 14, 1, 17, 3, GREEN if frame == 6 else (230, 60, 40, 255))
        outline(image, INK)
        frames.append(image)
    return strip(frames)


def rubble(seed):
    image = blank(16, 16)
    draw = pen(image)
    sequence = Sequence(seed * 17 + 3)
    for _ in range(4 + seed):
        x, y, s = sequence.next(10) + 1, sequence.next(10) + 3, sequence.next(4) + 2
        colour = (150 + sequence.next(40), 50 + sequence.next(20), 50, 255)
        draw.polygon([(x, y + s), (x + s // 2, y), (x + s, y + s // 2), (x + s - 1, y + s)], fill=colour)
    outline(image, INK)
    return image


def hull():
    image = blank(32, 32, (58, 62, 74, 255))
    draw = pen(image)
    box(draw, 0, 0, 31, 0, (80, 86, 100, 255))
    box(draw, 0, 15, 31, 16, (44, 46, 56, 255))
    box(draw, 15, 0, 16, 31, (44, 46, 56, 255))
    for x, y in ((3, 3), (28, 3), (3, 28), (28, 28), (12, 12), (19, 19)):
        dot(image, x, y, (110, 116, 130, 255))
    return image


def thruster_flame():
    """Flame behind a ship that faces +x: its base on the right edge, flickering towards -x."""
    frames = []
    for frame in range(4):
        image = blank(32, 16)
        draw = pen(image)
        length = (24, 28, 22, 30)[frame]
        draw.polygon([(31, 2), (31, 13), (31 - length, 8)], fill=(255, 120, 30, 200))
        draw.polygon([(31, 4), (31, 11), (31 - length * 2 // 3, 8)], fill=(255, 210, 80, 255))
        draw.polygon([(31, 6), (31, 9), (31 - length // 3, 8)], fill=WHITE)
        frames.append(image)
    return strip(frames)


def console_like(screen, blink, frame):
    image = blank(32, 32)
    draw = pen(image)
    shadow(draw, 2, 24, 29, 31, 80)
    box(draw, 4, 8, 27, 27, STEEL)
    box(draw, 4, 8, 27, 9, LIGHT_STEEL)
    box(draw, 7, 11, 24, 19, (20, 30, 40, 255))
    box(draw, 8, 12, 23, 18, screen)
    for k, x in enumerate((8, 13, 18, 23)):
        on = (k + frame) % 2 == 0
        box(draw, x, 22, x + 1, 23, blink if on else darker(blink, 110))
    outline(image, INK)
    return image


def comm_station(frame):
    image = console_like((30, 120, 80, 255), (90, 255, 120, 255), frame)
    draw = pen(image)
    box(draw, 15, 1, 16, 8, LIGHT_STEEL)                                  # antenna
    box(draw, 14, 0, 17, 1, (90, 255, 120, 255) if frame == 0 else (40, 120, 60, 255))
    for y in (13, 15):
        box(draw, 10, y, 10 + 4 + 6 * ((y + frame) % 2), y, (160, 255, 190, 255))
    return image


def exit_hatch(frame):
    image = blank(32, 32)
    draw = pen(image)
    glow = (90, 255, 140, 90 + 80 * frame)
    draw.ellipse([1, 1, 30, 30], fill=glow)
    draw.ellipse([4, 4, 27, 27], fill=DARK_STEEL)
    draw.ellipse([7, 7, 24, 24], fill=(40, 60, 50, 255))
    for k in range(4):
        a = k * math.pi / 2 + frame * math.pi / 4
        draw.line([(16, 16), (16 + 8 * math.cos(a), 16 + 8 * math.sin(a))], fill=LIGHT_STEEL, width=2)
    draw.polygon([(12, 12), (21, 16), (12, 20)], fill=(120, 255, 160, 255))   # the way out
    outline(image, INK)
    return image


def escape_pod(frame):
    """The captain's escape pod, unlike the round airlock hatch: an orange capsule standing in a
    launch cradle ringed by hazard stripes, its warning lights blinking in turn, over a red plate that
    says what using it does."""
    cradle = blank(40, 34)
    stripes = pen(cradle)
    box(stripes, 0, 0, 39, 33, (40, 40, 46, 255))
    for x in range(-35, 40, 7):
        stripes.line([(x, 33), (x + 33, 0)], fill=(240, 200, 40, 255), width=3)
    image = blank(48, 48)
    image.paste(cradle, (4, 1))
    draw = pen(image)
    box(draw, 8, 5, 39, 30, (26, 28, 36, 255))
    hull = (235, 120, 40, 255)
    draw.polygon([(14, 31), (18, 24), (18, 31)], fill=(190, 50, 40, 255))       # fins
    draw.polygon([(33, 31), (29, 24), (29, 31)], fill=(190, 50, 40, 255))
    draw.ellipse([17, 3, 30, 20], fill=hull)                                      # nose
    box(draw, 17, 11, 30, 29, hull)
    box(draw, 17, 11, 18, 29, lighter(hull, 30))
    box(draw, 19, 29, 28, 31, DARK_STEEL)                                         # nozzle
    draw.ellipse([19, 9, 28, 18], fill=DARK_STEEL)                                # porthole
    draw.ellipse([20, 10, 27, 17], fill=CYAN)
    dot(image, 22, 12, WHITE)
    box(draw, 17, 21, 30, 22, (255, 230, 120, 255))
    for k, x in enumerate((10, 36)):
        on = (k + frame) % 2 == 0
        box(draw, x, 7, x + 1, 8, (255, 60, 40, 255) if on else (90, 30, 30, 255))
    box(draw, 1, 37, 46, 46, (160, 30, 30, 255))
    draw_text(image, "END RUN", 24 - text_width("END RUN") // 2, 39, WHITE)
    outline(image, INK)
    return image


def metal_crate():
    image = blank(32, 32)
    draw = pen(image)
    box(draw, 1, 1, 30, 30, STEEL)
    box(draw, 1, 1, 30, 3, LIGHT_STEEL)
    box(draw, 4, 6, 27, 27, DARK_STEEL)
    for y in (10, 16, 22):
        box(draw, 6, y, 25, y + 1, STEEL)
    box(draw, 13, 13, 18, 18, (230, 180, 40, 255))
    outline(image, INK)
    return image


def ship_sheets():
    sheets = [
        ("ship_floor_plain", floor("plain"), 1, "plain deck plate"),
        ("ship_floor_bars", floor("bars"), 1, "grating, bars along y (code '1', bars_floor)"),
        ("ship_floor_ice", floor("ice"), 1, "icy floor (code '2', ice_floor)"),
        ("ship_floor_slats", floor("slats"), 1, "wooden slats (code '3', slats_floor)"),
        ("ship_floor_alt_bars", floor("alt_bars"), 1, "grating, bars along x (code '4', alt_bars_floor)"),
    ]
    for seed in range(1, 5):
        sheets.append(("ship_floor_pirate_%02d" % seed, floor("pirate", seed), 1, "worn deck plate, variant %d (code 'F')" % seed))
    sheets += [
        ("ship_wall_side", wall_side(), 1, "wall on a tile's right edge (8x40: stands taller than the tile)"),
        ("ship_wall_bottom", wall_bottom(1), 1, "wall on a tile's bottom edge: top band and front face"),
        ("ship_wall_bottom_02", wall_bottom(2), 1, "bottom wall with a pipe"),
        ("ship_wall_bottom_03", wall_bottom(3), 1, "bottom wall with a vent"),
        ("ship_wall_outside", wall_bottom("outside"), 1, "outer hull wall, riveted"),
        ("ship_wall_cracked", wall_bottom("cracked"), 1, "cracked bottom wall with a warning stripe: a blast opens it"),
        ("ship_door", door(), 7, "door: frame 0 closed (red light) ... frame 6 open (green light)"),
        ("force_field_side", force_wall((80, 170, 255, 255), 8, 40, True), 4, "vertical force field (blue shimmer)"),
        ("force_field_facing", force_wall((80, 170, 255, 255), 32, 12, False), 4, "horizontal force field"),
        ("ship_hull", hull(), 1, "hull plating seen from outside (DL_SHIPFRAME)"),
        ("ship_thruster_flame", thruster_flame(), 4, "thruster flame behind a ship facing +x: base at the right edge"),
        ("comm_station", strip([comm_station(f) for f in range(2)]), 2, "comm station console with antenna, blinking"),
        ("exit_hatch", strip([exit_hatch(f) for f in range(2)]), 2, "exit airlock, glowing green"),
        ("escape_pod", strip([escape_pod(f) for f in range(2)]), 2,
         "the captain's escape pod: orange capsule in a striped cradle over an END RUN plate, lights blinking"),
        ("console_prop", console_like((30, 60, 110, 255), (255, 200, 60, 255), 0), 1, "decorative console"),
        ("crate_metal", metal_crate(), 1, "steel crate"),
    ]
    for seed in range(1, 4):
        sheets.append(("rubble_red_%d" % seed, rubble(seed), 1, "red wall rubble %d" % seed))
    return sheets


# --------------------------------------------------------------------------------------------
# 5. Overworld: ships point towards +x.

def ship(hull_colour, trim, size=32, spikes=0, player=False):
    image = blank(size, size)
    draw = pen(image)
    s = size / 32.0

    def p(x, y):
        return (x * s, y * s)

    draw.polygon([p(4, 8), p(14, 11), p(28, 16), p(14, 21), p(4, 24), p(8, 16)], fill=hull_colour)
    draw.polygon([p(8, 16), p(14, 12), p(24, 16), p(14, 20)], fill=lighter(hull_colour, 40))
    draw.polygon([p(4, 8), p(10, 2), p(14, 11)], fill=trim)
    draw.polygon([p(4, 24), p(10, 30), p(14, 21)], fill=trim)
    for k in range(spikes):
        x = 10 + k * 5
        draw.polygon([p(x, 12), p(x + 2, 6), p(x + 3, 13)], fill=trim)
        draw.polygon([p(x, 20), p(x + 2, 26), p(x + 3, 19)], fill=trim)
    cockpit = CYAN if player else ENEMY_EYE
    draw.ellipse([p(17, 14), p(22, 18)], fill=cockpit)
    box(draw, 2 * s, 14 * s, 4 * s, 18 * s, (255, 180, 60, 255))
    outline(image, PLAYER_INK if player else INK)
    return image


def crown(width):
    """A gold three-pointed crown `width` pixels wide, red jewels on its band, outlined in ink."""
    band = max(2, width // 3)
    height = 2 * band + 3
    image = blank(width + 2, height + 2)
    draw = pen(image)
    box(draw, 1, height - band, width, height, GOLD)
    for k in range(3):
        tip = 1 + round(k * (width - 1) / 2)
        draw.polygon([(tip - 1, height - band), (tip, 1), (tip + 1, height - band)], fill=GOLD)
    draw.polygon([(1, height - band), (1 + width // 4, height - band - 2), (width // 2, height - band)], fill=GOLD)
    draw.polygon([(width // 2 + 2, height - band), (width - width // 4, height - band - 2), (width, height - band)],
                 fill=GOLD)
    for k in range(3):
        draw.point((2 + round(k * (width - 3) / 2), height - band // 2 - 1), fill=(200, 30, 60, 255))
    outline(image, INK)
    return image


def galleon():
    """The pirate king's galleon seen from above, bow towards +x: a long black hull with a gold rail
    and cannons, three broad crimson sails billowing across it, the middle one bearing a gold crown,
    and gold lanterns and a pennant at the stern. It has nothing of the darting hulls of the other
    ships."""
    image = blank(64, 64)
    draw = pen(image)
    hull = (52, 30, 44, 255)
    sail = (176, 28, 52, 255)
    # Cannons out of both sides, under the rail.
    for x in range(13, 45, 7):
        box(draw, x, 19, x + 2, 22, DARK_STEEL)
        box(draw, x, 42, x + 2, 45, DARK_STEEL)
    # The hull: square stern at the left, pointed bow at the right, inside its gold rail.
    draw.polygon([(6, 22), (44, 22), (56, 27), (62, 32), (56, 37), (44, 42), (6, 42)], fill=GOLD)
    draw.polygon([(8, 24), (44, 24), (54, 28), (59, 32), (54, 36), (44, 40), (8, 40)], fill=hull)
    for y in (28, 32, 36):
        draw.line([(10, y), (50, y)], fill=lighter(hull, 16))
    # The sails, each billowing forward from its yard across the hull; the middle one the largest,
    # bearing the king's crown.
    for aft, depth, half_span in ((14, 6, 14), (25, 13, 20), (43, 5, 11)):
        top, bottom = 32 - half_span, 32 + half_span
        belly = [(aft, top), (aft + depth - 3, top + 1), (aft + depth, 32), (aft + depth - 3, bottom - 1),
                 (aft, bottom)]
        draw.polygon(belly, fill=sail)
        draw.line([(aft + 1, top + 2), (aft + depth - 3, 32), (aft + 1, bottom - 2)], fill=lighter(sail, 40))
        box(draw, aft - 1, top - 1, aft, bottom + 1, DARK_GOLD)
    image.alpha_composite(crown(11), (26, 25))
    # The stern's lanterns and a gold pennant flying aft.
    box(draw, 4, 23, 6, 25, GOLD)
    box(draw, 4, 39, 6, 41, GOLD)
    draw.polygon([(6, 30), (0, 28), (3, 32), (0, 36), (6, 34)], fill=GOLD)
    outline(image, INK)
    return image


def boss_label():
    """"THE KING" in gold on an ink rim, to stand under the galleon."""
    text = "THE KING"
    image = blank(text_width(text) + 4, GLYPH_HEIGHT + 4)
    draw_text(image, text, 2, 2, GOLD)
    outline(image, INK)
    return image


def station(colour, seed):
    image = blank(64, 64)
    draw = pen(image)
    draw.ellipse([4, 4, 59, 59], outline=colour, width=3)
    draw.ellipse([18, 18, 45, 45], fill=darker(colour, 40))
    draw.ellipse([23, 23, 40, 40], fill=colour)
    for k in range(seed + 3):
        a = k * 2 * math.pi / (seed + 3)
        x, y = 32 + 24 * math.cos(a), 32 + 24 * math.sin(a)
        box(draw, x - 3, y - 3, x + 3, y + 3, STEEL)
        draw.line([(32, 32), (x, y)], fill=LIGHT_STEEL, width=2)
    draw.ellipse([23, 23, 40, 40], fill=colour)
    draw.ellipse([28, 28, 35, 35], fill=lighter(colour, 80))
    outline(image, INK)
    return image


def waypoint():
    # White, so that the tint of whoever shows it (a station's own colour) is the colour seen.
    image = blank(16, 16)
    draw = pen(image)
    draw.polygon([(1, 4), (9, 4), (9, 0), (15, 8), (9, 15), (9, 11), (1, 11)], fill=(225, 225, 225, 255))
    draw.polygon([(2, 5), (10, 5), (10, 3), (13, 8), (10, 8), (2, 8)], fill=(255, 255, 255, 255))
    outline(image, INK)
    return image


def space_background():
    image = blank(256, 256, (8, 8, 22, 255))
    draw = pen(image)
    sequence = Sequence(99)
    # Nebula: overlapping translucent clouds, wrapped so the picture tiles.
    cloud = blank(256, 256)
    cloud_draw = pen(cloud)
    for _ in range(40):
        x, y, r = sequence.next(256), sequence.next(256), 10 + sequence.next(40)
        colour = ((60, 20, 90, 28), (20, 40, 100, 28), (90, 20, 60, 22))[sequence.next(3)]
        for dx in (-256, 0, 256):
            for dy in (-256, 0, 256):
                cloud_draw.ellipse([x + dx - r, y + dy - r, x + dx + r, y + dy + r], fill=colour)
    image.alpha_composite(cloud)
    for _ in range(90):
        dot(image, sequence.next(256), sequence.next(256), (120, 120, 160, 255))
    del draw
    return image


def star_layer(seed, count, bright):
    image = blank(256, 256)
    sequence = Sequence(seed)
    for _ in range(count):
        x, y = sequence.next(256), sequence.next(256)
        colour = (255, 255, 255, 255) if sequence.next(3) else (200, 220, 255, 255)
        dot(image, x, y, colour)
        if bright and sequence.next(4) == 0:
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                dot(image, (x + dx) % 256, (y + dy) % 256, (200, 220, 255, 150))
    return image


def planet():
    image = blank(64, 64)
    draw = pen(image)
    draw.ellipse([6, 6, 57, 57], fill=(70, 110, 170, 255))
    draw.ellipse([10, 8, 50, 44], fill=(100, 150, 200, 255))
    for y, w in ((20, 30), (30, 40), (40, 28)):
        box(draw, 32 - w // 2, y, 32 + w // 2, y + 2, (130, 180, 220, 255))
    draw.chord([6, 6, 57, 57], 300, 120, fill=(30, 50, 90, 255))
    outline(image, (10, 10, 30, 255))
    return image


def overworld_sheets():
    return [
        ("OW_player_ship", ship(PLAYER_BLUE, PLAYER_LIGHT_BLUE, player=True), 1, "the player's ship, blue, cyan cockpit, nose +x"),
        ("OW_enemy_ship_easy", ship((200, 60, 50, 255), (120, 30, 30, 255)), 1, "enemy ship, red (easy)"),
        ("OW_enemy_ship_med", ship((230, 130, 30, 255), (140, 70, 20, 255), spikes=1), 1, "enemy ship, orange, spiked (medium)"),
        ("OW_enemy_ship_hard", ship((190, 40, 150, 255), (110, 20, 90, 255), spikes=3), 1, "enemy ship, magenta, many spikes (hard)"),
        ("OW_boss_ship", galleon(), 1, "the pirate king's galleon: black hull, gold rail, crimson sails, a gold crown"),
        ("OW_boss_label", boss_label(), 1, "\"THE KING\" in gold, shown under the galleon"),
        ("OW_base_faction_1", station((210, 50, 50, 255), 0), 1, "faction station, red"),
        ("OW_base_faction_2", station((240, 140, 30, 255), 1), 1, "faction station, orange"),
        ("OW_base_faction_3", station((170, 60, 200, 255), 2), 1, "faction station, purple"),
        ("OW_waypoint", waypoint(), 1, "white arrow pointing +x, shown in its user's tint"),
        ("space_background", space_background(), 1, "dark nebula; tiles seamlessly"),
        ("space_stars_far", star_layer(5, 110, False), 1, "far stars, transparent; tiles (parallax)"),
        ("space_stars_near", star_layer(11, 40, True), 1, "near bright stars, transparent; tiles (parallax)"),
        ("space_planet", planet(), 1, "a blue planet"),
    ]


BLACK_EYE = (20, 20, 20, 255)


def duck_toy():
    image = blank(32, 32)
    draw = pen(image)
    draw.ellipse([4, 14, 27, 29], fill=(255, 220, 40, 255))
    draw.ellipse([14, 4, 27, 17], fill=(255, 220, 40, 255))
    box(draw, 26, 10, 30, 12, (255, 130, 20, 255))
    box(draw, 21, 8, 22, 9, BLACK_EYE)
    outline(image, INK)
    return image


def misc_sheets():
    return [("Duck", duck_toy(), 1, "yellow rubber duck (the editor's Ducks toggle)")]


