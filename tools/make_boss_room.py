#!/usr/bin/env python3
"""Writes the throne room of the boss fight: its ship layout (Assets/Ship/bossroom.txt) and the
level "BossRoom" (Assets/LevelFiles/BossRoom.json), which the game loads into the "Encounter"
space when the player rams the boss's ship.

The room is one hall, 19 x 15 tiles of 128 units, with tile (0, 0) at the world origin. The boss
walks along its top between (700, 2000) and (2500, 2000) in front of his throne; the player starts
at the bottom with a beam gun, a rifle and a shield. Turrets land in the lower half (the boss's
throw corners), reinforcements come out of two spawn pads at the sides. The throne is the way to win: when it dies it explodes, the cracked
boss walls in the hull behind it blow out one after another, the hall loses its air and the boss
with it. A force field shields the throne until its generator, in the hall's upper right corner,
is shot down.

The camera "EN Camera" follows the player for five seconds, then the camera manager frames the
player and the throne; the boss's taunt shows in a dialogue box for eight seconds.
"""
from content import LevelFile, write_text
from make_ship_layouts import layout_text

TILE = 128
LAYOUT = "Assets/Ship/bossroom.txt"

# T is the hall (deck plates); the outer ring stays outside so that only a blown wall vents it.
ROOM = {
    "plan": ["." * 26] * 2
    + ["...." + "T" * 19 + "..."] * 15
    + ["." * 26] * 4,
    "floors": {"T": "F"},
    "edges": {},
}
# The hull above the hall is the down edge of row 19: raised boss walls, and behind the throne
# seven cracked ones that blow out after it explodes (the code sets each one's delay and picture).
for column in range(4, 23):
    ROOM["edges"][(column, 19, "down")] = "B"
for column, code in zip(range(10, 17), "RJTCSHQ"):
    ROOM["edges"][(column, 19, "down")] = code

THRONE = (1664, 2210)
BOSS = (1600, 2000)
PLAYER = (1664, 700)
PADS = [(900, 1150), (2430, 1150)]
LAMPS = [(1000, 900), (2300, 900), (1000, 1900), (2300, 1900)]
# The beam burns the throne down from afar, the rifle keeps the reinforcements off and the shield
# takes a volley of the boss's fan.
PLAYER_GUNS = {"startingPrimary": "Beam_Gun", "startingSecondary": "rifle", "startingSpecial": "SpecialShield"}


def main():
    write_text(LAYOUT, layout_text(ROOM))

    level = LevelFile()
    add = level.add
    hall_centre = (13 * TILE, 11 * TILE)
    add("EN Camera", "Camera", hall_centre, {
        "Transform": {"scale": [1.6, 1.6]},
        "CameraLeash": {"name of focus": "Player1", "boss": True},
        "ZoomManager": {"zoom": 1.6, "zoomSpeed": 0.5},
    })
    add("Ship", "Default", (0, 0), {
        "Transform": {"scale": [TILE, TILE]},
        "ShipMap": {"filename": LAYOUT},
        "PressureTracker": {},
        "PathGraph": {},
        "Registerer": {"registryType": "SHIPS"},
    })
    for number, position in enumerate(LAMPS, start=1):
        add(f"Lamp {number}", "WarmLamp", position)
    add("Throne", "Throne", THRONE)
    add("Throne Blasts", "ThroneBlasts", THRONE)
    add("Boss", "Boss", BOSS)
    for number, position in enumerate(PADS, start=1):
        add(f"Spawn Pad {number}", "BossSpawner", position)
    add("BossCamManagerAnchor", "Default", (THRONE[0], 2200))
    add("Boss Camera Manager", "Default", hall_centre, {"BossCameraManager": {"timer": 3.0}})
    add("Boss Taunt", "Default", (0, 0), {"DialogueAnimator": {}, "BossDialogueManager": {}})
    add("Level Manager", "Default", (0, 0), {"LevelManager": {}})
    # What the player carries in keeps its slots; these fill the empty ones (a run started here).
    add("Player1", "Player", PLAYER, {"Equipment": dict(PLAYER_GUNS)})
    add_force_field(level)
    level.write("BossRoom")


# The shield over the throne. Its generator raises it, six tiles by three about (1600, 2300), when
# the fight starts, and lowers it when shot down; it stands in the hall's upper right corner, off
# the boss's walk and away from the throne.
FIELD_GENERATOR = (2780, 2270)


def add_force_field(level):
    level.add("Field Generator", "BossFieldGenerator", FIELD_GENERATOR)


if __name__ == "__main__":
    main()
