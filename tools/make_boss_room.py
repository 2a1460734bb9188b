#!/usr/bin/env python3
"""Writes the throne room of the boss fight: its ship layout (Assets/Ship/bossroom.txt), the
level "BossRoom" (Assets/LevelFiles/BossRoom.json), which the game loads into the "Encounter"
space when the player rams the boss's ship, and the win's banner (Assets/Prefabs/HUD_VictoryMessage.prefab).

The room is one hall, 19 x 15 tiles of 128 units, with tile (0, 0) at the world origin. The boss
walks along its top between (700, 2000) and (2500, 2000) in front of his throne; the player starts
at the bottom with a beam gun, a rifle and a shield. Turrets land in the lower half (the boss's
throw corners), reinforcements come out of two spawn pads at the sides. The throne is the way to win: when it dies it explodes, the cracked
boss walls in the hull behind it blow out one after another, the hall loses its air and the boss
with it. A force field shields the throne until its generator, in the hall's upper right corner,
is shot down.

The camera "EN Camera" follows the player for five seconds, then the camera manager frames the
player and its anchor, zooming out as far as they are apart, and never back in during the fight.
The anchor stands above the hull behind the throne, so that the framing from the player's start
shows the whole hall: the throne, the walking boss and the hull below the HUD's bar along the top
of the screen, the pads and their ammunition, and the player at the bottom. The boss's
taunt shows for eight seconds in a dialogue box beside the player (1300 units to its left, 200
up): its frame ends left of the player, and the camera starts far enough out (2) for the box's
head to stay on the screen.
"""
from content import LevelFile, dialogue_box, sprite, write_prefabs, write_text
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
CAMERA_ANCHOR = (THRONE[0], 2700)
LAMPS = [(1000, 900), (2300, 900), (1000, 1900), (2300, 1900)]
# The beam burns the throne down from afar, the rifle keeps the reinforcements off and the shield
# takes a volley of the boss's fan.
PLAYER_GUNS = {"startingPrimary": "Beam_Gun", "startingSecondary": "rifle", "startingSpecial": "SpecialShield"}


def main():
    write_text(LAYOUT, layout_text(ROOM))
    # The win's banner, which the camera manager puts on the HUD when the boss is gone, over the
    # player's victory pose until the end screen comes.
    # The line low on the HUD that tells the player what to shoot (the camera manager's guide
    # writes it), on a backing of its own where it lies over the room's floor.
    write_prefabs({"HUD_VictoryMessage": {
        "Transform": {"position": [0, 120], "scale": [1.6, 1.6]},
        "TextToSprite": {"text": "The crown is yours!", "color": [1.0, 0.85, 0.3, 1.0], "layer": "DL_HUD"},
    }, "HUD_BossHint": {
        "Transform": {"position": [0, -480], "scale": [0.8, 0.8]},
        "Sprite": sprite("HUD_frame", (1400, 110), layer="DL_HUD", yOrderOffset=3000.0),
        "TextToSprite": {"color": [1.0, 0.55, 0.9, 1.0], "layer": "DL_HUD"},
    }})

    level = LevelFile()
    add = level.add
    hall_centre = (13 * TILE, 11 * TILE)
    add("EN Camera", "Camera", hall_centre, {
        "Transform": {"scale": [2.0, 2.0]},
        "CameraLeash": {"name of focus": "Player1", "boss": True},
        "ZoomManager": {"zoom": 2.0, "zoomSpeed": 0.5},
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
    add("BossCamManagerAnchor", "Default", CAMERA_ANCHOR)
    add("Boss Camera Manager", "Default", hall_centre, {"BossCameraManager": {"timer": 3.0}})
    add("Boss Taunt", "Default", (PLAYER[0] - 1300, PLAYER[1] + 200),
        {"DialogueAnimator": dialogue_box(3), "BossDialogueManager": {}})
    add("Level Manager", "Default", (0, 0), {"LevelManager": {}})
    # H shows how to play here as in every fight.
    add("Help Key", "HotKey", (0, 0), {"KeyDetector": {"Key": ord("H")},
                                       "HowToPlayButton": {"target": "how_to_play", "space": "MenuSpace1"}})
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
