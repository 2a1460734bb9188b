#!/usr/bin/env python3
"""Writes the tutorial aboard the pirate ship: its ship layout (Assets/Ship/tutorial.txt) and its
level (Assets/LevelFiles/tutorial.json), with its laser turrets (Assets/Prefabs/TutorialLaser.prefab).

    python3 tools/make_tutorial_level.py          (from the repository root)

The TutorialManager (on the "Tutorial" object, with the dialogue box) moves a barrier along the
ship's one long hall, x = 1600, to open it room by room from the top down, and steps its script
on the triggers placed here (each a Trigger with its stage):
    A  the cell (top)     the player wakes; the pistol lies to the south     trigger 1: equip it
    -  the cell's door    walked through once the barrier has gone            trigger 3
    B  the range          a crate to shoot                                    trigger 4: it dies
    C  the armoury        the dash power-up                                   trigger 5: equip it
    D  the hold (bottom)  two laser turrets to dash past                      trigger 6: past them
                          the rocket launcher                                 trigger 7: equip it
                          the hull, to blow out with a rocket: the hold vents (stage 8 -> 9)
    outside               the way out                                         trigger 9, LoadMainZone
The barrier's places (set by the TutorialManager) fall on the openings between the rooms: y 3600
(cell/range, edge y 3712), 2050 (range/armoury, edge 2048), 1450 (armoury/hold, edge 1536), 2200.
"""
import json
import os

from level_file import LevelFile
from make_ship_layouts import layout_text

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
TILE = 128
LAYOUT = "Assets/Ship/tutorial.txt"

# Rows top first: width 26, height 38; tile (x, y) is centred on ((x + 0.5) * 128, (y + 0.5) * 128),
# so the hall's middle column, x = 12, is centred on 1600.
PLAN = (["." * 26] * 3 +
        ["........AAAAAAAAA........."] * 6 +      # rows 34..29
        ["......BBBBBBBBBBBBB......."] * 13 +     # rows 28..16
        ["......CCCCCCCCCCCCC......."] * 4 +      # rows 15..12
        ["....DDDDDDDDDDDDDDDDD....."] * 9 +      # rows 11..3
        ["." * 26] * 3)
TUTORIAL_SHIP = {
    "plan": PLAN,
    "floors": {"A": "3", "B": "F", "C": "1", "D": "4"},
    # Openings between the rooms in the middle column (and its neighbours).
    "edges": {(x, y, "down"): "0" for y in (29, 16, 12) for x in (11, 12, 13)},
}


def write_prefabs():
    # A laser turret: a beam gun it keeps using (MockUse), with endless energy to reload from.
    laser = {"TutorialLaser": {
        "Transform": None,
        "Sprite": {"source": "turret_base", "layer": "DL_MAIN", "scale": [96, 96]},
        "RectangleCollider": {"group": "WALL", "scale": [96, 96]},
        "Team": {"Team": "ENEMY"},
        "Ammo": {"infinite_ENERGY": True, "ammo_ENERGY": 200.0},
        "Equipment": {"startingPrimary": "Beam_Gun"},
        "MockUse": None,
    }}
    with open(os.path.join(ROOT, "Assets", "Prefabs", "TutorialLaser.prefab"), "w", encoding="ascii") as output:
        json.dump(laser, output, indent=3, sort_keys=True, separators=(",", " : "))
        output.write("\n")


def write_layout():
    with open(os.path.join(ROOT, LAYOUT), "w", encoding="ascii", newline="\n") as output:
        output.write(layout_text(TUTORIAL_SHIP))


def write_level():
    level = LevelFile()
    level.add("Ship", "Default", (0, 0), {
        "Transform": {"scale": [TILE, TILE]},
        "ShipMap": {"filename": LAYOUT},
        "PressureTracker": {},
        "Registerer": {"registryType": "SHIPS"},
    })
    level.add("EN Camera", "Camera", (1600, 4100), {
        "Transform": {"scale": [1.3, 1.3]},
        "CameraLeash": {"name of focus": "Player1"},
        "CameraShake": {},
        "ZoomManager": {"zoom": 1.3},
    })
    level.add("Level Manager", "Empty", (0, 0), {"LevelManager": {}})
    level.add("Player1", "Player", (1600, 4200))
    # The script and its box; the manager keeps the box on the screen.
    level.add("Tutorial", "Empty", (900, 3750), {
        "DialogueAnimator": {"text": "", "backgroundScale": [24, 12], "backgroundOffset": [480, -110]},
        "TutorialManager": {},
    })
    for number, (x, y) in enumerate([(1100, 4100), (2100, 4100), (1600, 3000), (1600, 1800), (1000, 900),
                                     (2200, 900)], start=1):
        level.add(f"Lamp {number}", "WarmLamp", (x, y))
    # A: the pistol to the south of where the player wakes.
    level.add("Pistol", "pistol", (1600, 3880), {"Trigger": {"stage": 1, "OnEquip": True}})
    # The cell's door: walking through it once the barrier has gone.
    level.add("Cell Door Trigger", "Empty", (1600, 3600), {
        "RectangleCollider": {"group": "INTERACTION_ZONE", "ghost": True, "scale": [384, 96]},
        "Trigger": {"stage": 3, "OnCollision": True},
    })
    # B: something to shoot.
    level.add("Practice Crate", "TargetCrate", (1600, 2700), {"Trigger": {"stage": 4, "OnDied": True}})
    # C: the dash.
    level.add("Dash", "SpecialDash", (1600, 1800), {"Trigger": {"stage": 5, "OnEquip": True}})
    # D: two laser turrets firing across the hold, the line past them, the rocket launcher.
    for name, x, rotation in (("Laser West", 700, 0.0), ("Laser East", 2500, 3.14159)):
        level.add(name, "TutorialLaser", (x, 1250), {"Transform": {"rotation": rotation}})
    level.add("Past The Lasers", "Empty", (1600, 1000), {
        "RectangleCollider": {"group": "INTERACTION_ZONE", "ghost": True, "scale": [2200, 64]},
        "Trigger": {"stage": 6, "OnCollision": True},
    })
    level.add("Rocket Launcher", "rocket_launcher", (1600, 700), {"Trigger": {"stage": 7, "OnEquip": True}})
    # Outside the hull: the way out, once the hold has vented.
    level.add("Way Out", "Empty", (1600, 200), {
        "RectangleCollider": {"group": "INTERACTION_ZONE", "ghost": True, "scale": [1200, 128]},
        "Trigger": {"stage": 9, "OnCollision": True},
        "LoadMainZone": {},
    })
    level.write("tutorial")


if __name__ == "__main__":
    write_prefabs()
    write_layout()
    write_level()
