"""Characters: the player, the walking enemies, drones and turrets, and the boss.

Sections:
  1. Humanoids        one parametric body (front, back, side) for the player, bandits and the boss
  2. Animals          bears, bugs and ducks, seen from the side
  3. Shared sheets    walk/idle/death strips built from one frame function, arm segments
  4. Machines         drones, carriers, turrets, teleport flash
  5. The boss         a big pirate king, his head for the dialogue box, throne and walls

A humanoid frame is 32x32 with the feet near y = 29. Arms are not drawn into the body: the arm
animator draws them from the arm segments, and places the held gun in the hands.
"""
import math

from art.pixels import (CLEAR, CYAN, DARK_GOLD, DARK_STEEL, ENEMY_EYE, GOLD, INK, LIGHT_STEEL, PLAYER_BLUE,
                        PLAYER_DARK_BLUE, PLAYER_INK, PLAYER_LIGHT_BLUE, STEEL, WHITE, blank, box, darker, dot,
                        enlarge, lighter, mirror, outline, pen, rotate, shadow, shifted, strip, tinted, with_alpha)

# --------------------------------------------------------------------------------------------
# 1. Humanoids

PLAYER = {
    "suit": PLAYER_BLUE, "suit_dark": PLAYER_DARK_BLUE, "suit_light": PLAYER_LIGHT_BLUE,
    "head": (210, 225, 240, 255), "head_dark": (140, 160, 190, 255), "visor": CYAN,
    "boots": (30, 40, 70, 255), "belt": (250, 200, 60, 255), "ink": PLAYER_INK, "helmet": True,
}
BANDIT = {
    "suit": (150, 36, 44, 255), "suit_dark": (96, 20, 30, 255), "suit_light": (200, 70, 60, 255),
    "head": (224, 170, 120, 255), "head_dark": (170, 115, 80, 255), "visor": ENEMY_EYE,
    "boots": (60, 36, 24, 255), "belt": (40, 30, 30, 255), "ink": INK, "helmet": False,
    "bandana": (230, 40, 40, 255), "hair": (60, 30, 20, 255),
}
# The path-following hunter: a bandit in a helmet with a red visor, in rust orange.
HUNTER = {
    "suit": (196, 96, 30, 255), "suit_dark": (130, 56, 18, 255), "suit_light": (236, 140, 60, 255),
    "head": (224, 170, 120, 255), "head_dark": (170, 115, 80, 255), "visor": ENEMY_EYE,
    "boots": (50, 30, 20, 255), "belt": (40, 30, 30, 255), "ink": INK, "helmet": True,
}
BOSS = {
    "suit": (170, 24, 40, 255), "suit_dark": (110, 12, 28, 255), "suit_light": (220, 60, 70, 255),
    "head": (230, 180, 130, 255), "head_dark": (180, 120, 80, 255), "visor": ENEMY_EYE,
    "boots": (40, 24, 20, 255), "belt": GOLD, "ink": INK, "helmet": False,
    "beard": (90, 50, 30, 255), "hat": (40, 30, 40, 255), "crown": GOLD,
}

FRONT, BACK, SIDE = "front", "back", "side"


def humanoid_frame(palette, view, legs=(0, 0), stride=(0, 0), bob=0, space=False, arms_up=False):
    """One 32x32 frame facing the viewer, away, or to the right.

    legs:   how many pixels each leg is lifted (left, right)
    stride: horizontal offset of each leg in the side view (back leg, front leg)
    bob:    the body drops this many pixels (breathing, walking)
    """
    image = blank(32, 32)
    draw = pen(image)
    shadow(draw, 9, 27, 22, 31)
    p = palette
    # Legs, then boots.
    if view == SIDE:
        leg_positions = [(14 + stride[0], legs[0], p["suit_dark"]), (15 + stride[1], legs[1], p["suit"])]
    else:
        leg_positions = [(11, legs[0], p["suit_dark"]), (17, legs[1], p["suit_dark"])]
    for x, lift, colour in leg_positions:
        box(draw, x, 22, x + 3, 27 - lift, colour)
        box(draw, x, 27 - lift, x + 3, 29 - lift, p["boots"])
    top = bob
    if space:
        # Jet pack behind the body: it shows at the sides from the front and whole from the back.
        if view == SIDE:
            box(draw, 9, 13 + top, 12, 21 + top, DARK_STEEL)
            box(draw, 10, 21 + top, 11, 23 + top, (255, 160, 40, 255))
        else:
            box(draw, 9, 13 + top, 22, 21 + top, DARK_STEEL)
    # Torso with a belt and shoulder pads; the arms are drawn by the arm animator.
    if view == SIDE:
        box(draw, 12, 13 + top, 19, 22 + top, p["suit"])
        box(draw, 12, 13 + top, 13, 22 + top, p["suit_dark"])
        box(draw, 12, 20 + top, 19, 21 + top, p["belt"])
        box(draw, 14, 14 + top, 17, 16 + top, p["suit_light"])
    else:
        box(draw, 10, 13 + top, 21, 22 + top, p["suit"])
        box(draw, 10, 13 + top, 11, 22 + top, p["suit_dark"])
        box(draw, 20, 13 + top, 21, 22 + top, p["suit_dark"])
        box(draw, 10, 20 + top, 21, 21 + top, p["belt"])
        if view == FRONT:
            box(draw, 14, 14 + top, 17, 18 + top, p["suit_light"])
            box(draw, 15, 20 + top, 16, 21 + top, darker(p["belt"], 60))
        elif space:
            box(draw, 11, 13 + top, 20, 20 + top, STEEL)
            box(draw, 13, 14 + top, 18, 15 + top, (255, 160, 40, 255))
    if arms_up:
        for x in (7, 22):
            box(draw, x, 5 + top, x + 2, 14 + top, p["suit"])
            box(draw, x, 4 + top, x + 2, 6 + top, p["head"] if not p["helmet"] else p["suit_light"])
    # Head.
    hx0, hx1 = (11, 21) if view == SIDE else (10, 21)
    draw.ellipse([hx0, 2 + top, hx1, 14 + top], fill=p["head"])
    if view == BACK:
        draw.ellipse([hx0, 2 + top, hx1, 14 + top], fill=p["head_dark"] if p["helmet"] else p.get("hair", p["head_dark"]))
        if p["helmet"]:
            box(draw, 15, 3 + top, 16, 13 + top, p["suit"])
    elif p["helmet"]:
        # A full helmet with a glowing visor: the player's mark.
        if view == FRONT:
            box(draw, 12, 6 + top, 19, 10 + top, darker(p["visor"], 70))
            box(draw, 12, 6 + top, 19, 9 + top, p["visor"])
            box(draw, 13, 7 + top, 14, 7 + top, WHITE)
        else:
            box(draw, 16, 6 + top, 21, 10 + top, darker(p["visor"], 70))
            box(draw, 16, 6 + top, 21, 9 + top, p["visor"])
            box(draw, 19, 7 + top, 20, 7 + top, WHITE)
        box(draw, hx0 + 1, 3 + top, hx1 - 1, 3 + top, lighter(p["head"], 25))
    else:
        face_x = 12 if view == FRONT else 16
        eyes = [(face_x + 1, 8 + top), (face_x + 5, 8 + top)] if view == FRONT else [(19, 8 + top)]
        if "hair" in p:
            box(draw, hx0 + 1, 2 + top, hx1 - 1, 4 + top, p["hair"])
        for ex, ey in eyes:
            box(draw, ex, ey, ex + 1, ey + 1, p["visor"])
        if "beard" in p:
            if view == FRONT:
                box(draw, 12, 10 + top, 19, 14 + top, p["beard"])
                box(draw, 14, 15 + top, 17, 16 + top, p["beard"])
            else:
                box(draw, 16, 10 + top, 21, 14 + top, p["beard"])
    if "bandana" in p:
        # A red bandana over the head, its knot showing on the side facing away.
        box(draw, hx0 + 1, 3 + top, hx1 - 1, 5 + top, p["bandana"])
        if view == SIDE:
            box(draw, 10, 4 + top, 11, 7 + top, p["bandana"])
        elif view == FRONT:
            box(draw, 12, 7 + top, 14, 9 + top, (20, 16, 16, 255))  # eye patch
    if "hat" in p:
        draw.polygon([(7, 4 + top), (24, 4 + top), (21, 0 + top), (10, 0 + top)], fill=p["hat"])
        box(draw, 12, 0 + top, 19, 1 + top, p["crown"])
        for x in (12, 15, 18):
            dot(image, x + 1, max(0, top - 1), p["crown"])
    outline(image, p["ink"])
    if space:
        # The bubble helmet is see-through, so it is drawn after the rim and gets none of its own.
        bubble = blank(32, 32)
        pen(bubble).ellipse([7, 0 + top, 24, 16 + top], fill=(170, 230, 255, 60), outline=(190, 240, 255, 150))
        dot(bubble, 10, 3 + top, (255, 255, 255, 220))
        dot(bubble, 11, 2 + top, (255, 255, 255, 220))
        image.alpha_composite(bubble)
    return image


# The animators show a standing character at 0.16 s a frame: holding each breath for two frames
# keeps the bob slow.
IDLE_BOBS = (0, 0, 1, 1)
FRONT_WALK_LIFTS = [(0, 2), (1, 1), (2, 0), (1, 1)]
SIDE_WALK_STRIDES = [(-3, 3), (0, 0), (3, -3), (0, 0)]


def humanoid_sheets(prefix, palette, space_variants=False, sides=("right", "left")):
    """Idle (2 frames), walk (4) and death (6) sheets of a humanoid, as (name, image, frames, what)."""
    sheets = []

    def views(space):
        for direction in ("front", "back") + tuple(sides):
            view = SIDE if direction in ("right", "left") else direction
            flip = direction == "left"
            yield direction, view, flip, space

    variants = [False, True] if space_variants else [False]
    for space in variants:
        kind = prefix + ("_space" if space else "")
        for direction, view, flip, _ in views(space):
            idle = [humanoid_frame(palette, view, bob=b, space=space) for b in IDLE_BOBS]
            if view == SIDE:
                walk = [humanoid_frame(palette, view, stride=s, legs=(1 if s[0] > 0 else 0, 1 if s[1] > 0 else 0),
                                       bob=i % 2, space=space) for i, s in enumerate(SIDE_WALK_STRIDES)]
            else:
                walk = [humanoid_frame(palette, view, legs=l, bob=i % 2, space=space)
                        for i, l in enumerate(FRONT_WALK_LIFTS)]
            if flip:
                idle, walk = [mirror(f) for f in idle], [mirror(f) for f in walk]
            sheets.append(("%s_idle_%s" % (kind, direction), strip(idle), len(IDLE_BOBS), "standing, breathing, facing %s" % direction))
            # In space the left walk is the right walk drawn mirrored by the animator.
            if not (space and direction == "left"):
                sheets.append(("%s_walk_%s" % (kind, direction), strip(walk), 4, "walking, facing %s" % direction))
        death = death_frames(humanoid_frame(palette, SIDE, space=space))
        sheets.append(("%s_death" % kind, strip(death), 6, "falls over; holds the last frame"))
    return sheets


def death_frames(standing, pivot=(16, 18), grey=(90, 90, 100)):
    """Six frames: a hit flash, a fall to the side, and a greyed body lying still."""
    frames = [tinted(standing, (255, 255, 255), 0.7)]
    for angle in (20, 45, 70, 90):
        # Turning about the middle keeps the whole body in the frame; the drop lands it on the floor.
        frames.append(shifted(rotate(standing, -angle, pivot), 0, angle * 8 // 90))
    frames.append(tinted(frames[-1], grey, 0.45))
    return frames


def arm_segments(prefix, sleeve, hand, ink):
    """Upper arm and forearm, front and back: 16x8, the limb running along the whole width."""
    sheets = []
    for back in (False, True):
        shade = darker if back else (lambda c, a=0: c)
        upper = blank(16, 8)
        draw = pen(upper)
        box(draw, 0, 2, 15, 5, shade(sleeve, 35))
        box(draw, 0, 2, 15, 2, shade(lighter(sleeve, 30), 35))
        outline(upper, ink)
        lower = blank(16, 8)
        draw = pen(lower)
        box(draw, 0, 2, 11, 5, shade(sleeve, 35))
        box(draw, 11, 1, 15, 6, shade(hand, 35))
        outline(lower, ink)
        suffix = "_back" if back else ""
        sheets.append(("%s_arm_upper%s" % (prefix, suffix), upper, 1, "upper arm%s (16 px long)" % (", far side" if back else "")))
        sheets.append(("%s_arm_lower%s" % (prefix, suffix), lower, 1, "forearm and hand%s (16 px long)" % (", far side" if back else "")))
    return sheets


def player_sheets():
    sheets = humanoid_sheets("player", PLAYER, space_variants=True)
    victory = humanoid_frame(PLAYER, FRONT, arms_up=True)
    sheets.append(("player_victory", victory, 1, "arms raised in triumph"))
    sheets += arm_segments("player", PLAYER_BLUE, (220, 230, 245, 255), PLAYER_INK)
    return sheets


def bandit_sheets():
    sheets = humanoid_sheets("bandit", BANDIT)
    sheets += [s for s in arm_segments("bandit", BANDIT["suit"], BANDIT["head"], INK) if not s[0].endswith("_back")]
    return sheets


def hunter_sheets():
    """Only what its prefab shows: it walks right (mirrored by the sprite) and dies."""
    keep = ("hunter_walk_right", "hunter_idle_right", "hunter_death")
    return [s for s in humanoid_sheets("hunter", HUNTER) if s[0] in keep]


# --------------------------------------------------------------------------------------------
# 2. Animals, drawn facing right; the left sheets are mirrors.

BEAR = {"fur": (130, 80, 40, 255), "fur_dark": (90, 52, 26, 255), "snout": (200, 160, 110, 255)}
BEAR2 = {"fur": (70, 56, 50, 255), "fur_dark": (44, 34, 30, 255), "snout": (150, 120, 100, 255), "armour": True}
BEAR_POLICE = {"fur": (130, 80, 40, 255), "fur_dark": (90, 52, 26, 255), "snout": (200, 160, 110, 255), "cap": True}


def bear_frame(p, step=0, bob=0):
    image = blank(32, 32)
    draw = pen(image)
    shadow(draw, 5, 26, 27, 31)
    top = bob
    legs = [(7, (0, 2, 0, -2)[step % 4]), (11, (2, 0, -2, 0)[step % 4]), (18, (0, -2, 0, 2)[step % 4]),
            (22, (-2, 0, 2, 0)[step % 4])]
    for x, dx in legs:
        colour = p["fur_dark"] if legs.index((x, dx)) % 2 == 0 else p["fur"]
        box(draw, x + dx, 21, x + dx + 3, 28, colour)
    draw.ellipse([4, 9 + top, 27, 25 + top], fill=p["fur"])
    draw.ellipse([6, 10 + top, 22, 16 + top], fill=lighter(p["fur"], 18))
    if p.get("armour"):
        box(draw, 8, 11 + top, 22, 18 + top, STEEL)
        for x in (10, 14, 18):
            draw.polygon([(x, 11 + top), (x + 2, 7 + top), (x + 4, 11 + top)], fill=LIGHT_STEEL)
    # Head on the right with round ears, a pale snout and a red eye.
    draw.ellipse([19, 4 + top, 31, 16 + top], fill=p["fur"])
    draw.ellipse([19, 2 + top, 23, 6 + top], fill=p["fur_dark"])
    draw.ellipse([26, 2 + top, 30, 6 + top], fill=p["fur_dark"])
    draw.ellipse([25, 10 + top, 31, 15 + top], fill=p["snout"])
    box(draw, 29, 10 + top, 30, 11 + top, (20, 10, 10, 255))
    box(draw, 24, 7 + top, 25, 8 + top, ENEMY_EYE)
    box(draw, 22, 6 + top, 25, 6 + top, p["fur_dark"])  # angry brow
    if p.get("cap"):
        box(draw, 19, 1 + top, 29, 4 + top, (24, 26, 36, 255))
        box(draw, 27, 4 + top, 31, 5 + top, (24, 26, 36, 255))
        box(draw, 22, 2 + top, 23, 3 + top, GOLD)
        box(draw, 12, 14 + top, 13, 15 + top, GOLD)
    outline(image, INK)
    return image


BUG = {"shell": (150, 40, 110, 255), "shell_dark": (90, 20, 70, 255), "spot": (230, 90, 60, 255), "legs": (60, 20, 40, 255)}
BUG2 = {"shell": (120, 190, 40, 255), "shell_dark": (70, 120, 20, 255), "spot": (250, 140, 20, 255), "legs": (40, 60, 20, 255)}


def bug_frame(p, step=0, bob=0):
    image = blank(32, 32)
    draw = pen(image)
    shadow(draw, 5, 24, 27, 30)
    for index, x in enumerate((8, 14, 20)):
        swing = (1, -1)[(index + step) % 2] * (1 if step % 2 == 0 else 0) * 2
        box(draw, x + swing, 22, x + swing + 1, 27, p["legs"])
        box(draw, x - 1 + swing, 27, x + 1 + swing, 27, p["legs"])
    top = bob
    draw.ellipse([3, 10 + top, 24, 25 + top], fill=p["shell"])
    box(draw, 13, 10 + top, 13, 24 + top, p["shell_dark"])
    for sx, sy in ((7, 14), (17, 13), (9, 19), (18, 19)):
        draw.ellipse([sx, sy + top, sx + 2, sy + 2 + top], fill=p["spot"])
    draw.ellipse([21, 12 + top, 30, 22 + top], fill=p["shell_dark"])
    box(draw, 26, 14 + top, 27, 15 + top, ENEMY_EYE)
    box(draw, 28, 17 + top, 28, 18 + top, ENEMY_EYE)
    # Mandibles and feelers.
    draw.line([(29, 20 + top), (31, 22 + top)], fill=(230, 220, 200, 255))
    draw.line([(27, 21 + top), (29, 23 + top)], fill=(230, 220, 200, 255))
    draw.line([(26, 12 + top), (29, 6 + top)], fill=p["legs"])
    draw.line([(24, 12 + top), (25, 5 + top)], fill=p["legs"])
    outline(image, INK)
    return image


DUCK = {"body": (240, 150, 40, 255), "body_dark": (190, 100, 20, 255), "beak": (250, 210, 60, 255), "bandana": (220, 30, 40, 255)}
DUCK2 = {"body": (50, 44, 56, 255), "body_dark": (28, 24, 34, 255), "beak": (240, 130, 30, 255), "bandana": (200, 20, 30, 255)}


def duck_frame(p, step=0, bob=0):
    image = blank(32, 32)
    draw = pen(image)
    shadow(draw, 7, 26, 24, 31)
    for x, dx in ((12, (0, 2, 0, -2)[step % 4]), (17, (0, -2, 0, 2)[step % 4])):
        box(draw, x + dx, 22, x + dx + 1, 27, (240, 130, 30, 255))
        box(draw, x + dx, 28, x + dx + 3, 28, (240, 130, 30, 255))
    top = bob
    draw.ellipse([5, 12 + top, 25, 25 + top], fill=p["body"])
    draw.polygon([(5, 14 + top), (2, 11 + top), (6, 18 + top)], fill=p["body_dark"])  # tail
    draw.ellipse([8, 15 + top, 18, 22 + top], fill=p["body_dark"])  # wing
    draw.ellipse([14, 3 + top, 26, 14 + top], fill=p["body"])
    box(draw, 25, 9 + top, 30, 11 + top, p["beak"])
    box(draw, 25, 11 + top, 29, 12 + top, darker(p["beak"], 60))
    box(draw, 21, 6 + top, 22, 7 + top, ENEMY_EYE)
    box(draw, 20, 5 + top, 23, 5 + top, (20, 16, 16, 255))  # angry brow
    box(draw, 15, 10 + top, 24, 12 + top, p["bandana"])
    box(draw, 13, 11 + top, 15, 14 + top, p["bandana"])
    outline(image, INK)
    return image


def animal_sheets(prefix, frame_function, palette, what):
    idle = [frame_function(palette, 0, b) for b in IDLE_BOBS]
    walk = [frame_function(palette, step, step % 2) for step in range(4)]
    upside_down = rotate(frame_function(palette, 0, 0), 180, (16, 18))
    death = death_frames(frame_function(palette, 0, 0))
    death[-1] = tinted(shifted(upside_down, 0, 4), (90, 90, 100), 0.45)
    sheets = []
    for direction, flip in (("right", False), ("left", True)):
        view = (lambda frames: [mirror(f) for f in frames]) if flip else (lambda frames: frames)
        sheets.append(("%s_idle_%s" % (prefix, direction), strip(view(idle)), len(IDLE_BOBS), "%s, standing, facing %s" % (what, direction)))
        sheets.append(("%s_walk_%s" % (prefix, direction), strip(view(walk)), 4, "%s, walking, facing %s" % (what, direction)))
    sheets.append(("%s_death" % prefix, strip(death), 6, "%s, dies (legs up at the end)" % what))
    return sheets


def enemy_sheets():
    sheets = bandit_sheets()
    sheets += hunter_sheets()
    sheets += animal_sheets("bear", bear_frame, BEAR, "brown bear (AI_bear)")
    sheets += animal_sheets("bear2", bear_frame, BEAR2, "armoured dark bear (AI_bear2)")
    sheets += animal_sheets("bear_police", bear_frame, BEAR_POLICE, "police bear with cap and badge (AI_bear_police)")
    sheets += animal_sheets("bug", bug_frame, BUG, "purple beetle (AI_bug)")
    sheets += animal_sheets("bug2", bug_frame, BUG2, "acid-green beetle (AI_bug2)")
    sheets += animal_sheets("duck", duck_frame, DUCK, "orange duck in a bandana (AI_duck)")
    sheets += animal_sheets("duck2", duck_frame, DUCK2, "black duck in a bandana (AI_duck2)")
    for prefix, sleeve, hand in (("bear", BEAR["fur"], BEAR["fur_dark"]), ("bug", BUG["legs"], BUG["shell"]),
                                 ("duck", DUCK["body"], DUCK["body_dark"])):
        sheets += [s for s in arm_segments(prefix, sleeve, hand, INK) if not s[0].endswith("_back")]
    return sheets


# --------------------------------------------------------------------------------------------
# 4. Machines

def drone_frame(size, body, frame, lens=False):
    image = blank(size, size)
    draw = pen(image)
    c = size // 2
    lift = frame % 2
    shadow(draw, c - size // 3, size - 5, c + size // 3, size - 2, 70)
    # Rotors spin: their blades alternate between two angles.
    for rx in (3, size - 4):
        if frame % 2 == 0:
            box(draw, rx - 3, 3 - lift + 1, rx + 3, 3 - lift + 1, LIGHT_STEEL)
        else:
            box(draw, rx - 1, 2 - lift, rx + 1, 4 - lift + 1, LIGHT_STEEL)
        box(draw, rx, 4 - lift + 1, rx, 7 - lift, DARK_STEEL)
    draw.ellipse([3, 6 - lift, size - 4, size - 7 - lift], fill=body)
    draw.ellipse([5, 7 - lift, size - 8, c - lift], fill=lighter(body, 40))
    if lens:
        draw.ellipse([c - 4, c - 3 - lift, c + 3, c + 4 - lift], fill=(40, 10, 20, 255))
        draw.ellipse([c - 2, c - 1 - lift, c + 1, c + 2 - lift], fill=(255, 60, 200, 255))
    else:
        box(draw, c - 1, c - lift, c + 1, c + 1 - lift, ENEMY_EYE if frame % 2 == 0 else (255, 160, 160, 255))
    outline(image, INK)
    return image


def drone_carrier_frame(frame):
    image = blank(48, 48)
    draw = pen(image)
    lift = frame % 2
    shadow(draw, 8, 40, 40, 46, 80)
    body = (220, 110, 30, 255)
    draw.polygon([(4, 20 - lift), (14, 8 - lift), (34, 8 - lift), (44, 20 - lift), (40, 34 - lift), (8, 34 - lift)], fill=body)
    draw.polygon([(8, 20 - lift), (16, 12 - lift), (32, 12 - lift), (40, 20 - lift)], fill=lighter(body, 40))
    # Bay doors: closed on frame 0, opening on frame 1.
    gap = 1 + frame * 3
    box(draw, 14, 24 - lift, 23 - gap // 2, 32 - lift, DARK_STEEL)
    box(draw, 25 + gap // 2, 24 - lift, 34, 32 - lift, DARK_STEEL)
    box(draw, 24 - gap // 2, 24 - lift, 24 + gap // 2, 32 - lift, (40, 10, 10, 255))
    for ex in (17, 29):
        box(draw, ex, 15 - lift, ex + 2, 16 - lift, ENEMY_EYE)
    for rx in (6, 41):
        box(draw, rx - 4, 6 - lift, rx + 4, 6 - lift, LIGHT_STEEL)
    outline(image, INK)
    return image


def beam_strip(colour, core, frames=4):
    out = []
    for frame in range(frames):
        image = blank(32, 8)
        draw = pen(image)
        wobble = (0, 1, 0, -1)[frame % 4]
        box(draw, 0, 1, 31, 6, with_alpha(colour, 110))
        box(draw, 0, 2 + (wobble > 0), 31, 5 - (wobble < 0), colour)
        box(draw, 0, 3, 31, 4, core)
        for x in range(frame * 3 % 8, 32, 8):
            dot(image, x, 2, WHITE)
        out.append(image)
    return strip(out)


def turret_base():
    image = blank(32, 32)
    draw = pen(image)
    shadow(draw, 4, 22, 28, 31, 90)
    draw.polygon([(6, 26), (10, 14), (22, 14), (26, 26)], fill=DARK_STEEL)
    draw.ellipse([7, 10, 25, 22], fill=STEEL)
    draw.ellipse([11, 13, 21, 19], fill=DARK_STEEL)
    for x in (8, 15, 23):
        box(draw, x, 24, x + 1, 25, (255, 150, 30, 255))
    outline(image, INK)
    return image


def turret_gun():
    image = blank(32, 16)
    draw = pen(image)
    draw.ellipse([2, 2, 16, 14], fill=(180, 50, 40, 255))
    box(draw, 12, 5, 30, 10, DARK_STEEL)
    box(draw, 12, 5, 30, 6, STEEL)
    box(draw, 28, 4, 31, 11, STEEL)
    box(draw, 7, 6, 9, 8, ENEMY_EYE)
    outline(image, INK)
    return image


def teleport_flash():
    """A column of light that gathers (0-2), peaks when the enemy appears (3) and fades out (4-7)."""
    brightness = [0.25, 0.5, 0.8, 1.0, 0.8, 0.55, 0.3, 0.0]
    widths = [2, 4, 6, 10, 8, 6, 4, 0]
    frames = []
    for frame in range(8):
        image = blank(32, 48)
        draw = pen(image)
        level = brightness[frame]
        if level > 0:
            draw.ellipse([4, 38, 27, 46], fill=(255, 80, 200, int(160 * level)))
            half = widths[frame] // 2
            box(draw, 16 - half - 2, 0, 15 + half + 2, 42, (255, 90, 210, int(90 * level)))
            box(draw, 16 - half, 0, 15 + half, 42, (255, 170, 240, int(200 * level)))
            box(draw, 15, 0, 16, 42, (255, 255, 255, int(255 * level)))
            for k in range(6):
                y = (k * 7 + frame * 5) % 40
                x = 16 + int(10 * math.sin(k * 2.1 + frame))
                dot(image, x, y, (255, 220, 255, int(255 * level)))
        frames.append(image)
    return strip(frames)


def teleporter_pad():
    image = blank(32, 32)
    draw = pen(image)
    draw.ellipse([2, 12, 29, 30], fill=DARK_STEEL)
    draw.ellipse([5, 14, 26, 27], fill=(90, 40, 80, 255))
    draw.ellipse([9, 17, 22, 24], fill=(200, 60, 170, 255))
    outline(image, INK)
    return image


def machine_sheets():
    return [
        ("drone", strip([drone_frame(24, (200, 40, 40, 255), f) for f in range(2)]), 2, "small red hover drone"),
        ("drone_carrier", strip([drone_carrier_frame(f) for f in range(2)]), 2, "orange carrier; bay doors open on frame 1"),
        ("beam_drone", strip([drone_frame(24, (150, 30, 120, 255), f, lens=True) for f in range(2)]), 2, "magenta drone with a beam lens"),
        ("beam", beam_strip((255, 50, 50, 255), (255, 220, 220, 255)), 4, "red enemy laser segment; stretch along x"),
        ("turret_base", turret_base(), 1, "turret floor mount"),
        ("turret_gun", turret_gun(), 1, "turret head, barrel towards +x"),
        ("teleport_flash", teleport_flash(), 8, "teleport column: brightest at frame 3 (spawn), empty at frame 7"),
        ("teleporter_pad", teleporter_pad(), 1, "teleporter pad"),
    ]


# --------------------------------------------------------------------------------------------
# 5. The boss: drawn as a humanoid at 32 px, then doubled, so he towers over everyone.

def boss_frame(legs=(0, 0), bob=0, glow=False, arms_up=False):
    small = humanoid_frame(BOSS, FRONT, legs=legs, bob=bob, arms_up=arms_up)
    image = enlarge(small, 2)
    draw = pen(image)
    # Epaulettes and a gold chain, drawn at the doubled size for detail.
    top = bob * 2
    box(draw, 18, 27 + top, 23, 29 + top, GOLD)
    box(draw, 40, 27 + top, 45, 29 + top, GOLD)
    for x in range(24, 40, 3):
        dot(image, x, 34 + top + (x % 2), GOLD)
    if glow:
        glow_layer = blank(64, 64)
        pen(glow_layer).ellipse([4, 0, 59, 50], fill=(255, 60, 200, 70))
        glow_layer.alpha_composite(image)
        image = glow_layer
    return image


def boss_walk():
    # Eight frames: the left foot lands on frame 0 and the right on frame 4, where the footstep plays.
    lifts = [(0, 0), (0, 2), (0, 3), (0, 2), (0, 0), (2, 0), (3, 0), (2, 0)]
    return strip([boss_frame(legs=l, bob=1 if l != (0, 0) else 0) for l in lifts])


def boss_lying():
    image = blank(64, 64)
    body = rotate(boss_frame(), -90, (32, 36))
    image.alpha_composite(shifted(body, 0, 16))
    return tinted(image, (120, 110, 120), 0.25)


def boss_hat():
    image = blank(32, 32)
    draw = pen(image)
    draw.polygon([(2, 22), (30, 22), (25, 10), (7, 10)], fill=BOSS["hat"])
    box(draw, 9, 6, 23, 10, GOLD)
    for x in (9, 15, 21):
        draw.polygon([(x, 6), (x + 1, 2), (x + 2, 6)], fill=GOLD)
    box(draw, 15, 7, 16, 8, ENEMY_EYE)
    outline(image, INK)
    return image


def boss_gun():
    image = blank(32, 16)
    draw = pen(image)
    box(draw, 0, 8, 9, 13, (110, 60, 30, 255))
    box(draw, 6, 5, 26, 10, GOLD)
    draw.polygon([(24, 3), (31, 1), (31, 14), (24, 12)], fill=GOLD)
    box(draw, 6, 5, 26, 6, (255, 240, 150, 255))
    box(draw, 12, 10, 14, 13, DARK_GOLD)
    outline(image, INK)
    return image


def boss_turret_frames():
    frames = []
    for frame in range(2):
        image = blank(32, 32)
        draw = pen(image)
        shadow(draw, 4, 24, 28, 31, 90)
        draw.ellipse([5, 10, 27, 28], fill=(120, 20, 90, 255))
        draw.ellipse([8, 12, 24, 22], fill=(170, 40, 130, 255))
        for angle in (0, 120, 240):
            a = math.radians(angle + frame * 60)
            box(draw, 16 + int(11 * math.cos(a)) - 1, 18 + int(9 * math.sin(a)) - 1,
                16 + int(11 * math.cos(a)) + 1, 18 + int(9 * math.sin(a)) + 1, GOLD)
        box(draw, 14, 15, 17, 17, ENEMY_EYE if frame == 0 else (255, 200, 200, 255))
        outline(image, INK)
        frames.append(image)
    return strip(frames)


def orb_frames(colour, growing):
    frames = []
    for frame in range(4):
        image = blank(32, 32)
        draw = pen(image)
        radius = (4 + frame * 3) if growing else (11 + (frame % 2))
        draw.ellipse([16 - radius - 3, 16 - radius - 3, 16 + radius + 2, 16 + radius + 2], fill=with_alpha(colour, 80))
        draw.ellipse([16 - radius, 16 - radius, 16 + radius - 1, 16 + radius - 1], fill=colour)
        draw.ellipse([16 - radius // 2, 16 - radius // 2, 16 + radius // 3, 16 + radius // 3], fill=(255, 230, 255, 255))
        for k in range(3):
            a = math.radians(frame * 40 + k * 120)
            dot(image, 16 + int((radius + 3) * math.cos(a)), 16 + int((radius + 3) * math.sin(a)), WHITE)
        frames.append(image)
    return strip(frames)


def boss_spawner():
    """Spawn pad: rings gather (0-2), the enemy steps out at frame 3, the pad dims and hides at 7."""
    frames = []
    level = [0.3, 0.6, 0.9, 1.0, 0.8, 0.6, 0.35, 0.1]
    for frame in range(8):
        image = blank(48, 48)
        draw = pen(image)
        draw.ellipse([4, 26, 43, 45], fill=(50, 30, 50, 255), outline=(20, 10, 20, 255))
        draw.ellipse([10, 29, 37, 42], fill=(255, 60, 200, int(200 * level[frame])))
        height = int(40 * level[frame])
        box(draw, 18, 36 - height, 29, 36, (255, 120, 230, int(120 * level[frame])))
        box(draw, 22, 36 - height, 25, 36, (255, 240, 255, int(230 * level[frame])))
        frames.append(image)
    return strip(frames)


def twinkle():
    frames = []
    for frame in range(4):
        image = blank(16, 16)
        size = (1, 3, 6, 3)[frame]
        draw = pen(image)
        box(draw, 8 - size, 7, 7 + size, 8, (255, 230, 250, 255))
        box(draw, 7, 8 - size, 8, 7 + size, (255, 230, 250, 255))
        box(draw, 7, 7, 8, 8, WHITE)
        frames.append(image)
    return strip(frames)


def force_wall(colour, width, height, vertical, frames=4):
    out = []
    for frame in range(frames):
        image = blank(width, height)
        draw = pen(image)
        box(draw, 0, 0, width - 1, height - 1, with_alpha(colour, 110))
        length = height if vertical else width
        for k in range(0, length, 4):
            offset = (k + frame * 2) % length
            if vertical:
                box(draw, 0, offset, width - 1, offset, with_alpha(lighter(colour, 80), 200))
            else:
                box(draw, offset, 0, offset, height - 1, with_alpha(lighter(colour, 80), 200))
        if vertical:
            box(draw, width // 2 - 1, 0, width // 2, height - 1, with_alpha(WHITE, 170))
        else:
            box(draw, 0, height // 2 - 1, width - 1, height // 2, with_alpha(WHITE, 170))
        out.append(image)
    return strip(out)


def field_generator(frame):
    """The generator of the throne's force field, in the field's magenta so the two read as one:
    a steel plinth, two pylons and a glowing core that pulses, with arcs jumping to the pylons."""
    image = blank(36, 40)
    draw = pen(image)
    magenta = (255, 60, 200, 255)
    shadow(draw, 2, 32, 33, 39, 110)
    draw.polygon([(3, 36), (6, 28), (29, 28), (32, 36)], fill=DARK_STEEL)          # plinth
    box(draw, 6, 28, 29, 29, LIGHT_STEEL)
    for x in (7, 25):                                                              # pylons
        box(draw, x, 8, x + 3, 29, STEEL)
        box(draw, x, 8, x + 1, 29, LIGHT_STEEL)
        for y in (12, 18, 24):
            box(draw, x, y, x + 3, y + 1, GOLD)
        box(draw, x - 1, 5, x + 4, 8, DARK_GOLD)
    box(draw, 15, 20, 20, 29, DARK_STEEL)                                          # the core's stem
    box(draw, 13, 26, 22, 29, STEEL)
    radius = (4, 5, 6, 5)[frame]
    centre_x, centre_y = 17.5, 14
    draw.ellipse([centre_x - radius - 2, centre_y - radius - 2, centre_x + radius + 2, centre_y + radius + 2],
                 fill=with_alpha(magenta, 110))                                    # glow
    draw.ellipse([centre_x - radius, centre_y - radius, centre_x + radius, centre_y + radius], fill=magenta)
    draw.ellipse([centre_x - 2.5, centre_y - 2.5, centre_x + 2.5, centre_y + 2.5], fill=lighter(magenta, 120))
    box(draw, 17, 13, 18, 14, WHITE)
    arc = lighter(magenta, 150)                                                    # arcs to the pylons
    if frame % 2 == 0:
        draw.line([(11, 9), (12, 11), (11, 13), (13, 14)], fill=arc)
        draw.line([(24, 19), (23, 17), (24, 15), (22, 14)], fill=arc)
    else:
        draw.line([(11, 19), (12, 17), (11, 15), (13, 14)], fill=arc)
        draw.line([(24, 9), (23, 11), (24, 13), (22, 14)], fill=arc)
    outline(image, INK)
    return image


def throne(stage):
    """Stage 1 is intact; 2 to 5 carry more and more cracks and lose bits of gold."""
    image = blank(64, 64)
    draw = pen(image)
    shadow(draw, 6, 52, 57, 63, 100)
    red = (150, 20, 40, 255)
    draw.polygon([(12, 8), (20, 2), (32, 6), (44, 2), (52, 8), (52, 56), (12, 56)], fill=GOLD)
    box(draw, 18, 12, 45, 40, red)
    box(draw, 8, 30, 18, 56, DARK_GOLD)
    box(draw, 46, 30, 56, 56, DARK_GOLD)
    box(draw, 16, 40, 48, 48, red)
    box(draw, 14, 48, 50, 58, DARK_GOLD)
    for x, y in ((20, 3), (32, 7), (44, 3)):
        draw.ellipse([x - 2, y - 2, x + 2, y + 2], fill=(80, 220, 255, 255) if stage < 5 else DARK_STEEL)
    cracks = [[(30, 8), (27, 20), (33, 28), (29, 38)], [(50, 12), (44, 22), (47, 34)], [(14, 34), (20, 44), (16, 54)],
              [(40, 44), (36, 50), (42, 57), (38, 62)]]
    for crack in cracks[:stage - 1]:
        draw.line(crack, fill=(30, 10, 10, 255), width=2)
    if stage >= 4:
        draw.polygon([(44, 2), (52, 8), (49, 12)], fill=CLEAR)
    if stage >= 5:
        draw.polygon([(8, 50), (14, 46), (18, 56), (8, 56)], fill=CLEAR)
        image = tinted(image, (80, 70, 70), 0.25)
    outline(image, INK)
    return image


def boss_wall(kind, crack=0):
    """Walls of the boss room, 32x48: a raised dais wall, a broken front, and cracked ones."""
    image = blank(32, 48)
    draw = pen(image)
    stone = (120, 70, 90, 255)
    box(draw, 0, 0, 31, 47, darker(stone, 30))
    box(draw, 0, 0, 31, 11, lighter(stone, 30))
    for row in range(12, 48, 8):
        draw.line([(0, row), (31, row)], fill=darker(stone, 60))
        offset = 0 if (row // 8) % 2 == 0 else 8
        for x in range(offset, 32, 16):
            draw.line([(x, row), (x, row + 7)], fill=darker(stone, 60))
    box(draw, 0, 12, 31, 13, GOLD)
    if kind == "raised":
        box(draw, 0, 0, 31, 2, GOLD)
    elif kind == "broken":
        draw.polygon([(0, 0), (12, 0), (8, 14), (14, 26), (4, 30), (0, 22)], fill=CLEAR)
        draw.polygon([(22, 47), (26, 36), (31, 40), (31, 47)], fill=CLEAR)
    else:
        rng = [(5 + crack * 3) % 28, (11 + crack * 7) % 28]
        points = [(rng[0] + 2, 14)]
        for k in range(4):
            points.append(((points[-1][0] + (5 if (k + crack) % 2 else -4)) % 30 + 1, 14 + (k + 1) * 8))
        draw.line(points, fill=(30, 8, 20, 255), width=2)
        if crack >= 3:
            draw.line([(rng[1], 20), (rng[1] + 6, 28), (rng[1] + 2, 38)], fill=(30, 8, 20, 255), width=1)
        if crack >= 5:
            draw.ellipse([12, 24, 19, 31], fill=(255, 120, 40, 255))  # light through the hole
    outline(image, INK)
    return image


def chat_head(top_half, colours):
    """Dialogue heads are cut in two: the top half bobs as the jaw while the bottom stays."""
    image = blank(48, 24)
    draw = pen(image)
    skin, hat, beard, eye = colours
    if top_half:
        draw.ellipse([8, 6, 39, 40], fill=skin)
        if hat:
            draw.polygon([(2, 10), (46, 10), (38, 0), (10, 0)], fill=hat)
            box(draw, 16, 0, 31, 3, GOLD)
        box(draw, 15, 15, 19, 19, eye)
        box(draw, 28, 15, 32, 19, eye)
        box(draw, 13, 13, 21, 13, darker(skin, 80))
        box(draw, 26, 13, 34, 13, darker(skin, 80))
        box(draw, 21, 19, 26, 23, darker(skin, 40))
    else:
        draw.ellipse([8, -16, 39, 18], fill=skin)
        box(draw, 14, 0, 33, 3, (60, 10, 20, 255))  # the open mouth shows when the top lifts
        if beard:
            draw.polygon([(8, 0), (39, 0), (34, 16), (24, 23), (14, 16)], fill=beard)
            box(draw, 17, 1, 30, 3, (60, 10, 20, 255))
    outline(image, INK)
    return image


def boss_sheets():
    boss_colours = (BOSS["head"], BOSS["hat"], BOSS["beard"], ENEMY_EYE)
    robot = ((90, 200, 210, 255), None, None, CYAN)
    sheets = [
        ("boss_idle", strip([boss_frame(bob=b) for b in IDLE_BOBS]), len(IDLE_BOBS), "pirate king, standing"),
        ("boss_walk", boss_walk(), 8, "pirate king walking; feet land on frames 0 and 4 (footstep at 4)"),
        ("boss_charge", strip([boss_frame(glow=True, arms_up=True, bob=b) for b in (0, 1)]), 2, "arms raised, glowing (charging)"),
        ("boss_death", boss_lying(), 1, "the boss lying dead"),
        ("boss_death_hat", boss_hat(), 1, "the crowned hat thrown at death"),
        ("boss_gun", boss_gun(), 1, "golden blunderbuss, muzzle towards +x"),
        ("boss_turret", boss_turret_frames(), 2, "thrown turret (ThrownTurret, BossTurret)"),
        ("boss_laser", beam_strip((255, 60, 220, 255), (255, 230, 250, 255)), 4, "magenta boss turret beam; stretch along x"),
        ("boss_ball_charging", orb_frames((230, 50, 200, 255), True), 4, "death ball gathering"),
        ("boss_ball", orb_frames((230, 50, 200, 255), False), 4, "death ball in flight"),
        ("boss_spawner", boss_spawner(), 8, "spawn pad: releases at frame 3, hides at frame 7"),
        ("boss_twinkle", twinkle(), 4, "sparkle"),
        ("boss_field", force_wall((255, 60, 200, 255), 32, 32, True), 4, "magenta force-field wall (BossField, ShieldWall)"),
        ("boss_field_generator", strip([field_generator(f) for f in range(4)]), 4,
         "the force field's generator: plinth, pylons and a pulsing magenta core (BossFieldGenerator)"),
        ("boss_wall_raised", boss_wall("raised"), 1, "boss room wall, raised"),
        ("boss_wall_front_broken", boss_wall("broken"), 1, "boss room wall, front broken open"),
        ("BossChatBot", chat_head(False, boss_colours), 1, "boss dialogue head, lower half (beard, mouth)"),
        ("BossChatTop", chat_head(True, boss_colours), 1, "boss dialogue head, upper half (eyes, hat): bobs as the jaw"),
        ("chat_robot_bottom", chat_head(False, robot), 1, "tutorial guide (friendly teal robot), lower half"),
        ("chat_robot_top", chat_head(True, robot), 1, "tutorial guide, upper half: bobs as the jaw"),
    ]
    for stage in range(1, 6):
        sheets.append(("props_king_throne_%d" % stage, throne(stage), 1,
                       "the throne, intact" if stage == 1 else "the throne, crack stage %d" % (stage - 1)))
    for crack in range(1, 8):
        sheets.append(("boss_wall_cracked_%d" % crack, boss_wall("cracked", crack), 1, "cracked boss wall %d" % crack))
    return sheets
