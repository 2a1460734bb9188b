#!/usr/bin/env python3
"""Writes the levels and prefabs of the in-game interface: the encounter HUD, the overworld HUD,
the health indicator's level, and the prefabs the interface's components make at run time.

    python3 tools/make_interface_levels.py          (from the repository root)

Outputs, all committed:
    Assets/LevelFiles/{HUD,OW_HUD,emptylevel}.json
    Assets/Prefabs/{Empty,HUD_Clock,HUD_JumpingBear,HUD_DigitSmall,EN_ActionHint,tutorial_highlight,
                    tutorial_marker,tutorial_door,tutorial_door_logic,Boundary,OW_Tutorial,OW_BossHail,EN_Loot_Small,
                    EN_Loot_Medium,EN_Loot_Large,soda1,HUD_Picture}.prefab

A HUD space is seen through a camera at the origin with scale 1: 1920 x 1080 world units, y up.
A picture's size in the world is its Sprite "scale" (its Transform keeps scale 1, so that children
and the digit rows are not scaled with it). Pictures are named in docs/ASSETS.md.

The HUD's layout, which ItemIndicator, HealthCounter and the guns' reload bars look up by name:
    top left      the heart and "HUD_Health_Counter", under them "HUD_Timer" (the encounter clock
                  appears there when a comm station starts it)
    top bar       "SecondaryItem", "PrimaryItem", "SpecialItem" placards from the left, each with
                  its icon child "<name>'s HUD_ItemIndicatorPlacard", the key that takes its item
                  on its left and the button that uses it on its right; under the two weapons
                  "AmmoSecondary" and "AmmoPrimary" (magazine count and ammunition-type icon);
                  "HUD_Ammo_Pool" with one child per ammunition type (bullet, energy, explosive),
                  each with its count as first child.
    top right     the overworld's "OW_Reputation" over "OW_Reputation_Goal" on their panel (OW_HUD)
"""
from content import LevelFile, dialogue_box, sprite, timed_destruction, write_prefabs

HUD_LAYER = "DL_HUD"
BOSS_HAIL = "So you made a name for yourself! My galleon waits in the east. Come and face me!"


def write_interface_prefabs():
    loot_body = {"velocityDrag": 4.0, "angularDrag": 3.0}
    write_prefabs({
        # What the dialogue box builds its frame, head and jaw on: a bare place.
        "Empty": {"Transform": None},
        # A picture on the HUD; the level names the picture and its size.
        "HUD_Picture": {"Transform": None, "Sprite": sprite("HUD_frame", (64, 64), layer=HUD_LAYER)},
        # Digits two thirds of the usual size, for the ammunition counts.
        "HUD_DigitSmall": {"Transform": {"scale": [32, 48]}, "Sprite": sprite("font", layer=HUD_LAYER)},
        # The encounter clock, under the health: the bear dial left of the seconds ("100.00").
        "HUD_Clock": {
            "Transform": {"position": [-700, 360]},
            "Sprite": sprite("HUD_timer_bear_lessangry", (96, 96), layer=HUD_LAYER, offset=[-205, 0]),
            "TextToSprite": {"layer": HUD_LAYER},
        },
        # A police bear tumbling down the screen when the clock runs out; it grows from 0.2 to 0.35
        # of this size as it falls. Its weight is such that the clock's push (2000 a frame for 1.7 s)
        # brings it down the 450 units from above the screen to the middle, where the player is.
        "HUD_JumpingBear": {
            "Transform": None,
            "Sprite": sprite("HUD_jumping_bear", (800, 800)),
            "Rigidbody": {"velocityDrag": 0.0, "invMass": 0.155},
        },
        # The bubble over something the player can use.
        # Hidden in the prefab (the editor shows no stray bubble), switched on as it appears.
        "EN_ActionHint": {
            "Transform": None,
            "Sprite": sprite("HUD_interact_hint", (64, 64), animated=True, period=0.3, draw=False),
            "InteractionHint": None,
        },
        # The ring the overworld tutorial points with, and sparks circling round what it points at
        # (the tutorial sets the circle's radii).
        "tutorial_highlight": {
            "Transform": None,
            "Sprite": sprite("HUD_tutorial_highlight", (900, 900), layer="DL_PARTICLES", animated=True, period=0.15),
            "CircleAround": None,
            "ParticleSystem": {
                "texture": "particle_star", "blendMode": 2, "layer": "DL_PARTICLES", "maxParticles": 200,
                "initialSpawn": 0, "spawnRate": 90.0, "ageMin": 0.6, "ageMax": 1.0,
                "scaleMin": 60.0, "scaleMax": 90.0, "scaleRate": -0.8, "spawnRandos": [0.0, 6.283185, 0.0, 40.0],
                "color1": [1.0, 0.95, 0.4, 1.0], "color2": [1.0, 0.8, 0.2, 0.8], "color3": [1.0, 0.6, 0.1, 0.0],
                "velocityMagnitudeMin": 0.0, "velocityMagnitudeMax": 30.0},
        },
        # The ring the ship's tutorial puts round what its line asks the player to take or shoot.
        "tutorial_marker": {
            "Transform": None,
            "Sprite": sprite("HUD_tutorial_highlight", (160, 160), layer="DL_PARTICLES", animated=True, period=0.15,
                             draw=False),
        },
        # The overworld tutorial, for the overworld level to place: it talks in a box low on the
        # left of the screen and circles the highlight over what it speaks of, then removes itself.
        "OW_Tutorial": {
            "Transform": None,
            "DialogueAnimator": dialogue_box(3, text=""),
            "OW_TutorialManager": None,
        },
        # The king's challenge when his ship comes to the overworld, on the overworld's HUD (which
        # the level flow creates it in) where the tutorial's box shows from the far zoom.
        "OW_BossHail": {
            "Transform": {"position": [-625, -375], "scale": [0.625, 0.625]},
            "DialogueAnimator": dialogue_box(3, lineSize=30, text=BOSS_HAIL),
        },
        # The tutorial's cell door, opened by using it (which the tutorial waits for, stage 3), and
        # the barrier it moves down the ship as the lessons go on.
        "tutorial_door": {
            "Transform": None,
            "Sprite": sprite("ship_door", (128, 128)),
            "RectangleCollider": {"group": "WALL", "scale": [160, 24]},
            "ChildSpawner": {"objects to spawn": [{"offset": [0, 0], "prefab": "tutorial_door_logic"}]},
        },
        "tutorial_door_logic": {
            "Transform": None,
            "CircleCollider": {"group": "INTERACTION_ZONE", "ghost": True, "radius": 64},
            "SimpleDoorLogic": None,
            "Trigger": {"stage": 3, "OnInteract": True},
            "ActionHintController": None,
        },
        # The barrier stands on an opening between rooms, three tiles wide at most: the field shows
        # across the opening, in front of the wall on either side (sorted as if lower), and stops
        # the player where it shows (the tutorial sizes its collider as high as the picture).
        "Boundary": {
            "Transform": None,
            "Sprite": sprite("boss_field", (384, 96), animated=True, period=0.1, yOrderOffset=-100.0),
            "RectangleCollider": {"group": "WALL", "scale": [3000, 96]},
        },
        # Loot, worth a little next to a kill: every kill and supply crate may drop a small or
        # medium piece, and each ship hides a few more.
        "EN_Loot_Small": {
            "Transform": None,
            "Sprite": sprite("loot_small", (40, 40), animated=True, period=0.25),
            "CircleCollider": {"group": "LOOT", "radius": 20.0},
            "Rigidbody": loot_body,
            "ReputationValue": {"value": 25},
        },
        "EN_Loot_Medium": {
            "Transform": None,
            "Sprite": sprite("loot_medium", (48, 48), animated=True, period=0.25),
            "CircleCollider": {"group": "LOOT", "radius": 24.0},
            "Rigidbody": loot_body,
            "ReputationValue": {"value": 60},
        },
        "EN_Loot_Large": {
            "Transform": None,
            "Sprite": sprite("loot_large", (72, 72), animated=True, period=0.25),
            "CircleCollider": {"group": "LOOT", "radius": 36.0},
            "Rigidbody": loot_body,
            "ReputationValue": {"value": 150},
        },
        # A can knocked out of a soda machine: it skids to a stop on the deck, but one that flies
        # out through a breach drifts on, out of sight.
        "soda1": {
            "Transform": None,
            "Sprite": sprite("soda", (40, 40)),
            "CircleCollider": {"group": "SODA", "radius": 16.0},
            "Rigidbody": {"velocityDrag": 2.0, "angularDrag": 2.0},
            "DragManager": {"onShipDrag": 2.0, "onShipAngularDrag": 2.0},
            "HideInSpace": None,
            "TimedDestruction": timed_destruction(8.0),
        },
    })


class HudLevel(LevelFile):
    def picture(self, name, source, position, size, layer=HUD_LAYER, **extra):
        self.add(name, "HUD_Picture", position, {"Sprite": sprite(source, size, layer=layer, **extra)})
        return self.objects[-1]["uuid"]

    def text(self, name, position, text="", small=False, scale=1.0):
        members = {"layer": HUD_LAYER}
        if text:
            members["text"] = text
        if small:
            members["digitType"] = "HUD_DigitSmall"
        self.add(name, "Empty", position, {"TextToSprite": members})
        if scale != 1.0:
            self.objects[-1]["components"]["Transform"]["scale"] = [scale, scale]
        return self.objects[-1]["uuid"]


# The HUD's layout, in world units of its 1920 x 1080 view. No two of its pictures or texts
# overlap, nor do they overlap the overworld's score panel (tests/flow/HudTest.cpp checks it).
HEALTH_ROW = 478
ITEM_ROW = 478          # the placards, with each slot's keys either side
MAGAZINE_ROW = 388      # under each weapon's placard
PLACARD = 104
KEY_GAP = 84            # from a placard's centre to its keys' centres
# Each slot is a card on a backing of its own: the placard, the key that takes or drops its item
# on the left, the button that uses it on the right, and for a weapon its magazine below. The
# weapon fired by the left mouse button (taken with Q) stands on the left, the one fired by the
# right button (taken with E) beside it, as the buttons lie on the mouse and the keys on the board.
CARDS = (  # placard, its x, the key left of it, the button right of it, its magazine
    ("SecondaryItem", -400, "HUD_key_q", "HUD_key_mouse_left", "AmmoSecondary"),
    ("PrimaryItem", -136, "HUD_key_e", "HUD_key_mouse_right", "AmmoPrimary"),
    ("SpecialItem", 128, "HUD_key_v", "HUD_key_c", None),
)
WEAPON_CARD = ((0, 444), (248, 184))  # the backing's centre (x from the placard's) and size
SPECIAL_CARD = ((0, 472), (248, 128))
POOL = (424, 472)                     # the pool's three columns, 100 apart, on a backing of its own
POOL_CARD = (312, 128)
SCORE_PANEL = ((770, 430), (320, 180))
KEY_SIZE = (48, 36)     # a key cap, 16 x 12 pixels
MOUSE_SIZE = (36, 48)   # a mouse, 12 x 16 pixels
# Sorted HUD layers draw the greater y (plus "yOrderOffset") first: backings, then placards, then
# what lies on them.
BACKING_ORDER = 3000.0
PLACARD_ORDER = 2000.0


def write_hud():
    level = HudLevel()
    level.add("HUD Camera", "Camera", (0, 0))
    # Health, top left.
    level.picture("HUD_Heart", "HUD_heart", (-890, HEALTH_ROW), (72, 72), animated=True, period=0.5)
    level.text("HUD_Health_Counter", (-740, HEALTH_ROW), "100")
    # The clock's place, under the health (the HUD_Clock prefab's own); it shows nothing until a
    # comm station starts it.
    level.add("HUD_Timer", "Empty", (-720, 330), {"EncounterTimer": {}})
    # The slots, the magazines and the pool along the top; the bottom of the screen is left to the
    # dialogue boxes.
    for name, x, key, button, magazine in CARDS:
        (card_x, card_y), card_size = WEAPON_CARD if magazine else SPECIAL_CARD
        level.picture(name + " card", "HUD_frame", (x + card_x, card_y), card_size, yOrderOffset=BACKING_ORDER)
        placard = level.picture(name, "HUD_item_placard", (x, ITEM_ROW), (PLACARD, PLACARD),
                                yOrderOffset=PLACARD_ORDER)
        icon = level.picture(name + "'s HUD_ItemIndicatorPlacard", "HUD_item_placard", (0, 0), (88, 64),
                             color=[1.0, 1.0, 1.0, 0.0])
        level.adopt(placard, icon)
        level.picture(name + " take key", key, (x - KEY_GAP, ITEM_ROW), KEY_SIZE)
        level.picture(name + " use key", button, (x + KEY_GAP, ITEM_ROW),
                      MOUSE_SIZE if button.startswith("HUD_key_mouse") else KEY_SIZE)
        if magazine:
            # "in magazine/capacity" centred a little right of the placard, the ammunition type's
            # icon left of the longest count (seven characters), all at half the object's size.
            level.add(magazine, "Empty", (x + 20, MAGAZINE_ROW), {
                "Sprite": sprite("HUD_ammo_bullet", (64, 64), layer=HUD_LAYER, offset=[-210, 0],
                                 color=[1.0, 1.0, 1.0, 0.0]),
                "TextToSprite": {"layer": HUD_LAYER, "digitType": "HUD_DigitSmall"},
            })
            level.objects[-1]["components"]["Transform"]["scale"] = [0.5, 0.5]
    # The pool of each ammunition type, in type order: its icon over its count. Children's
    # positions are relative to their parents.
    level.picture("HUD_Ammo_Pool card", "HUD_frame", POOL, POOL_CARD, yOrderOffset=BACKING_ORDER)
    pool = level.picture("HUD_Ammo_Pool", "HUD_frame", POOL, (1, 1), color=[0.0, 0.0, 0.0, 0.0])
    for index, icon_name in enumerate(("HUD_ammo_bullet", "HUD_ammo_energy", "HUD_ammo_rocket")):
        kind = level.picture("HUD_Ammo_Pool " + icon_name, icon_name, (-100 + 100 * index, 18), (48, 48))
        count = level.text("HUD_Ammo_Pool count " + str(index), (0, -52), "0", small=True, scale=0.5)
        level.adopt(pool, kind)
        level.adopt(kind, count)
    level.write("HUD")


def write_overworld_hud():
    # The score, top right, where the encounter's HUD has nothing: the number over its goal
    # ("of 3000"), each centred on the panel under its "REPUTATION" label, in glyphs of one size.
    level = HudLevel()
    level.add("OW_HUD Camera", "Camera", (0, 0))
    (x, y), size = SCORE_PANEL
    level.picture("OW_Reputation_Panel", "HUD_score_panel", (x, y), size, yOrderOffset=BACKING_ORDER)
    level.text("OW_Reputation", (x, y + 6), "0", scale=0.7)
    level.text("OW_Reputation_Goal", (x, y - 50), "", scale=0.7)
    level.write("OW_HUD")


def write_empty_level():
    # The health indicator's space: the player's Health brings the camera; the red overlay over the
    # whole view pulses with the heartbeat and registers so that the Health finds it.
    level = HudLevel()
    level.add("Health Overlay", "HUD_Picture", (0, 0), {
        "Sprite": sprite("HUD_health_overlay", (1920, 1080), layer="DL_HEALTH_INDICATOR", color=[1.0, 1.0, 1.0, 0.0]),
        "HealthIndicator": {},
        "Registerer": {"registryType": "HEALTH_INDICATOR"},
    })
    level.write("emptylevel")


if __name__ == "__main__":
    write_interface_prefabs()
    write_hud()
    write_overworld_hud()
    write_empty_level()
