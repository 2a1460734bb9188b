#!/usr/bin/env python3
"""Writes the tutorial aboard the pirate ship: its ship layout (Assets/Ship/tutorial.txt) and its
level (Assets/LevelFiles/tutorial.json), with its laser turrets (Assets/Prefabs/TutorialLaser.prefab).

    python3 tools/make_tutorial_level.py          (from the repository root)

The TutorialManager (on the "Tutorial" object, with the dialogue box) moves a barrier along the
ship's middle column, x = 1600, to open it room by room from the top down, rings with a marker what
each line asks the player to take or to shoot, and steps its script on the triggers placed here
(each a Trigger with its stage):
    A  the cell (top)     the player wakes empty-handed; a pistol lies on the  trigger 1: take it (E or Q)
                          floor to the south, by the cell's south wall
    P  the cell's passage the cell door (the manager's "tutorial_door"),      trigger 3: open it (F)
                          unlocked from the first line on
    B  the range          a crate to shoot                                    trigger 4: it dies
    C  the armoury        the dash power-up, south of the crate               trigger 5: take it (V)
    D  the hold (bottom)  two laser turrets to dash past                      trigger 6: past them
                          the rocket launcher                                 trigger 7: take it
                          the hull, to blow out with a rocket: the hold vents (stage 8 -> 9)
    outside               a getaway ship off the hold's east side             trigger 9, LoadMainZone (F)
The barrier's places (set by the TutorialManager) are the openings between the rooms: y 3584 (the
cell's passage into the range, below the cell door), 2048 (range/armoury) and 1536 (armoury/hold).

The dialogue box keeps its place on the screen, below and left of the middle (the camera follows
the player, so the box covers what lies a little south of the player, left of the middle column
or on it). What a line speaks of therefore lies where the box does not reach when the line comes:
east of the middle column (the pistol, the crate, the dash, the launcher, the getaway ship), or
close north of the box's top (the lasers seen from the dash). TutorialLevelTest checks each.
"""
from content import LevelFile, dialogue_box, sprite, write_prefabs, write_text
from make_ship_layouts import layout_text

TILE = 128
LAYOUT = "Assets/Ship/tutorial.txt"
# Where the player wakes, and the places the script's lines speak of.
START = (1250, 4250)
PISTOL = (2100, 3910)
CRATE = (2380, 3350)
DASH = (2560, 1665)
LASERS_Y = 1480
LASERS_X = (700, 2950)
LAUNCHER = (2700, 800)
GETAWAY = (3560, 1000)

# Rows top first: width 28, height 38; tile (x, y) is centred on ((x + 0.5) * 128, (y + 0.5) * 128),
# so the middle column, x = 12, is centred on 1600. The cell's passage, one tile wide, holds the
# cell door at y 3650.
PLAN = (["." * 28] * 3 +
        ["........AAAAAAAAA..........."] * 5 +      # rows 34..30
        ["............P..............."] * 2 +      # rows 29..28
        ["......BBBBBBBBBBBBB........."] * 12 +     # rows 27..16
        ["......CCCCCCCCCCCCCCC......."] * 4 +      # rows 15..12
        ["....DDDDDDDDDDDDDDDDDDDD...."] * 9 +      # rows 11..3
        ["." * 28] * 3)
TUTORIAL_SHIP = {
    "plan": PLAN,
    "floors": {"A": "3", "P": "1", "B": "F", "C": "1", "D": "4"},
    # Openings between the rooms: the passage's ends, and three tiles wide further down.
    "edges": {(x, y, "down"): "0"
              for y, columns in ((30, [12]), (28, [12]), (16, [11, 12, 13]), (12, [11, 12, 13]))
              for x in columns},
}


def write_laser_prefab():
    # A laser turret: a beam gun it keeps using (MockUse), with endless energy to reload from.
    write_prefabs({"TutorialLaser": {
        "Transform": None,
        "Sprite": sprite("turret_base", (96, 96)),
        "RectangleCollider": {"group": "WALL", "scale": [96, 96]},
        "Team": {"Team": "ENEMY"},
        "Ammo": {"infinite_ENERGY": True, "ammo_ENERGY": 200.0},
        "Equipment": {"startingPrimary": "Beam_Gun"},
        "MockUse": None,
    }})


def write_layout():
    write_text(LAYOUT, layout_text(TUTORIAL_SHIP))


def write_level():
    level = LevelFile()
    level.add("Ship", "Default", (0, 0), {
        "Transform": {"scale": [TILE, TILE]},
        "ShipMap": {"filename": LAYOUT},
        "PressureTracker": {},
        "Registerer": {"registryType": "SHIPS"},
    })
    level.add("EN Camera", "Camera", START, {
        "Transform": {"scale": [1.5, 1.5]},
        "CameraLeash": {"name of focus": "Player1"},
        "CameraShake": {},
        "ZoomManager": {"zoom": 1.5},
    })
    level.add("Level Manager", "Empty", (0, 0), {"LevelManager": {}})
    level.add("Player1", "Player", START)
    # The script and its box (the longest line has five rows); the manager keeps the box on the
    # screen.
    level.add("Tutorial", "Empty", (START[0] - 700, START[1] - 350), {
        "DialogueAnimator": dialogue_box(5, text=""),
        "TutorialManager": {},
    })
    for number, (x, y) in enumerate([(1250, 4150), (2000, 4000), (2100, 3250), (2450, 1750), (1100, 800),
                                     (2500, 800)], start=1):
        level.add(f"Lamp {number}", "WarmLamp", (x, y))
    # A: the player wakes with empty hands; the pistol lies in the cell's far corner, south and east
    # of where the player wakes, away from the cell door's bubble. The cell's door is the manager's.
    level.add("Pistol", "heavy_pistol", PISTOL, {"Trigger": {"stage": 1, "OnEquip": True}})
    # B: something to shoot, in the range's east corner, seen from the cell's passage.
    level.add("Practice Crate", "TargetCrate", CRATE, {"Trigger": {"stage": 4, "OnDied": True}})
    # C: the dash, in the armoury south of the crate, where the player stands when told of it, and
    # east of the doorway, clear of the box on the way there; from it the lasers below show above
    # the box.
    level.add("Dash", "SpecialDash", DASH, {"Trigger": {"stage": 5, "OnEquip": True}})
    # D: two laser turrets firing across the hold just below its door, the line past them, the
    # rocket launcher.
    for name, x, rotation in (("Laser West", LASERS_X[0], 0.0), ("Laser East", LASERS_X[1], 3.14159)):
        level.add(name, "TutorialLaser", (x, LASERS_Y), {"Transform": {"rotation": rotation}})
    level.add("Past The Lasers", "Empty", (1792, 1000), {
        "RectangleCollider": {"group": "INTERACTION_ZONE", "ghost": True, "scale": [2600, 64]},
        "Trigger": {"stage": 6, "OnCollision": True},
    })
    # The launcher in the hold's east part, in sight past the lasers, by the hull it is to blow out.
    level.add("Rocket Launcher", "rocket_launcher", LAUNCHER, {"Trigger": {"stage": 7, "OnEquip": True}})
    # Outside the hull, off the hold's east side: a ship to flee in, once a wall is blown and the
    # hold has vented (the air carries the player out through the hole). Using it leaves the
    # tutorial.
    level.add("Getaway Ship", "Empty", GETAWAY, {
        "Sprite": {"source": "OW_player_ship", "layer": "DL_MAIN", "scale": [320, 320]},
        "CircleCollider": {"group": "INTERACTION_ZONE", "ghost": True, "radius": 220},
        "Trigger": {"stage": 9, "OnCollision": True},
        "LoadMainZone": {},
        "ActionHintController": {},
    })
    level.write("tutorial")


if __name__ == "__main__":
    write_laser_prefab()
    write_layout()
    write_level()
