#!/usr/bin/env python3
"""Writes the levels and prefabs of the in-game interface: the encounter HUD, the overworld HUD,
the health indicator's level, and the prefabs the interface's components make at run time.

    python3 tools/make_interface_levels.py          (from the repository root)

Outputs, all committed:
    Assets/LevelFiles/{HUD,OW_HUD,emptylevel}.json
    Assets/Prefabs/{Empty,HUD_Clock,HUD_JumpingBear,HUD_DigitSmall,EN_ActionHint,tutorial_highlight,
                    tutorial_door,tutorial_door_logic,Boundary,OW_Tutorial,EN_Loot_Small,EN_Loot_Medium,
                    EN_Loot_Large,soda1,HUD_Picture}.prefab

A HUD space is seen through a camera at the origin with scale 1: 1920 x 1080 world units, y up.
A picture's size in the world is its Sprite "scale" (its Transform keeps scale 1, so that children
and the digit rows are not scaled with it). Pictures are named in docs/ASSETS.md.

The HUD's layout, which ItemIndicator, HealthCounter and the guns' reload bars look up by name:
    top left      the heart and "HUD_Health_Counter", under them "HUD_Timer" (the encounter clock
                  appears there when a comm station starts it)
    top bar       "PrimaryItem", "SecondaryItem", "SpecialItem" placards, each with its icon child
                  "<name>'s HUD_ItemIndicatorPlacard" and the key that uses it below it;
                  "AmmoPrimary" and "AmmoSecondary" (magazine count and ammunition-type icon);
                  "HUD_Ammo_Pool" with one child per ammunition type (bullet, energy, explosive),
                  each with its count as first child.
"""
from content import LevelFile, sprite, timed_destruction, write_prefabs

HUD_LAYER = "DL_HUD"
BAR_Y = 432
BAR_X = 160


def write_interface_prefabs():
    loot_body = {"velocityDrag": 4.0, "angularDrag": 3.0}
    write_prefabs({
        # What the dialogue box builds its frame, head and jaw on: a bare place.
        "Empty": {"Transform": None},
        # A picture on the HUD; the level names the picture and its size.
        "HUD_Picture": {"Transform": None, "Sprite": sprite("HUD_frame", (64, 64), layer=HUD_LAYER)},
        # Digits two thirds of the usual size, for the ammunition counts.
        "HUD_DigitSmall": {"Transform": {"scale": [32, 48]}, "Sprite": sprite("font", layer=HUD_LAYER)},
        # The encounter clock: the bear dial left of the seconds.
        "HUD_Clock": {
            "Transform": {"position": [-720, 330]},
            "Sprite": sprite("HUD_timer_bear_lessangry", (112, 112), layer=HUD_LAYER, offset=[-200, 0]),
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
        # The overworld tutorial, for the overworld level to place: it talks beside the player's
        # ship and circles the highlight over what it speaks of, then removes itself.
        "OW_Tutorial": {
            "Transform": None,
            "DialogueAnimator": {"text": ""},
            "OW_TutorialManager": None,
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
        "Boundary": {
            "Transform": None,
            "Sprite": sprite("boss_field", (3000, 64), animated=True, period=0.1),
            "RectangleCollider": {"group": "WALL", "scale": [3000, 300]},
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


def write_hud():
    level = HudLevel()
    level.add("HUD Camera", "Camera", (0, 0))
    # Health, top left.
    level.picture("HUD_Heart", "HUD_heart", (-880, 470), (72, 72), animated=True, period=0.5)
    level.text("HUD_Health_Counter", (-730, 470), "100")
    # The clock's place, under the health; it shows nothing until a comm station starts it.
    level.add("HUD_Timer", "Empty", (-720, 330), {"EncounterTimer": {}})
    # The bar along the top, holding the three slots, the magazines and the pool; the bottom of the
    # screen is left to the dialogue boxes.
    # Sorted HUD layers draw the greater y (plus "yOrderOffset") first: the backing, then the
    # frame and placards, then icons and digits over them.
    level.picture("HUD_Bar_Back", "HUD_cooldown_bar_back", (BAR_X, BAR_Y - 8), (1240, 200), yOrderOffset=4000.0,
                  color=[1.0, 1.0, 1.0, 0.85])
    level.picture("HUD_Bar", "HUD_frame", (BAR_X, BAR_Y), (1280, 216), yOrderOffset=3000.0)
    for name, x, key, key_size in (("PrimaryItem", -360, "HUD_key_mouse_right", (36, 48)),
                                   ("SecondaryItem", -200, "HUD_key_mouse_left", (36, 48)),
                                   ("SpecialItem", -40, "HUD_key_c", (48, 36))):
        placard = level.picture(name, "HUD_item_placard", (x, BAR_Y - 10), (128, 128), yOrderOffset=2000.0)
        icon = level.picture(name + "'s HUD_ItemIndicatorPlacard", "HUD_item_placard", (0, 0), (96, 96),
                             color=[1.0, 1.0, 1.0, 0.0])
        level.adopt(placard, icon)
        level.picture(name + " key", key, (x, BAR_Y - 100), key_size)
    # Magazines: the ammunition type's icon left of "in magazine/capacity".
    for name, y in (("AmmoPrimary", BAR_Y + 40), ("AmmoSecondary", BAR_Y - 50)):
        level.add(name, "Empty", (260, y), {
            "Sprite": sprite("HUD_ammo_bullet", (56, 56), layer=HUD_LAYER, offset=[-150, 0],
                             color=[1.0, 1.0, 1.0, 0.0]),
            "TextToSprite": {"layer": HUD_LAYER, "digitType": "HUD_DigitSmall"},
        })
        level.objects[-1]["components"]["Transform"]["scale"] = [0.7, 0.7]
    # The pool of each ammunition type, in type order.
    pool = level.picture("HUD_Ammo_Pool", "HUD_frame", (580, BAR_Y), (1, 1), color=[0.0, 0.0, 0.0, 0.0])
    for index, icon_name in enumerate(("HUD_ammo_bullet", "HUD_ammo_energy", "HUD_ammo_rocket")):
        kind = level.picture("HUD_Ammo_Pool " + icon_name, icon_name, (-60 + 120 * index, 40), (56, 56))
        count = level.text("HUD_Ammo_Pool count " + str(index), (0, -52), "0", small=True, scale=0.7)
        level.adopt(pool, kind)
        level.adopt(kind, count)
    # Children's positions are relative to their parents.
    level.write("HUD")


def write_overworld_hud():
    level = HudLevel()
    level.add("OW_HUD Camera", "Camera", (0, 0))
    level.picture("OW_Reputation_Panel", "HUD_score_panel", (-700, 460), (384, 96))
    level.text("OW_Reputation", (-760, 380), "0")
    level.text("OW_Reputation_Goal", (-560, 380), "", small=True, scale=0.7)
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
