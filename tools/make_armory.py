#!/usr/bin/env python3
"""Writes Assets/LevelFiles/armory.json: a walled floor on which the player tries out every gun
and special. The player stands in the middle with a pistol in hand; the other guns lie in a row
below, the four specials in a row above, and crates stand along the right wall to shoot at, with
a laser-blocking pillar in front of the lowest ones.

Walk with WASD, aim with the mouse (or the right stick), fire the first slot with the right mouse
button or O, take or drop with E (first slot), Q (second) and V (special), use the special with C.
Positions are in world units; one floor tile is 96.
"""
from content import LevelFile

TILE = 96
COLUMNS, ROWS = 13, 7
GUN_ROW = -200
SPECIAL_ROW = 200
CRATE_COLUMN = 500


def main():
    level = LevelFile()
    add = level.add
    add("Camera", "Camera", (0, 0), {"Transform": {"scale": [0.75, 0.75]}})
    level.add_walled_floor(COLUMNS, ROWS, TILE, "FloorTile", "RangeWall")

    add("Player1", "Player", (-300, 0), {"Equipment": {"startingPrimary": "heavy_pistol"}})

    for index, gun in enumerate(("pistol", "rifle", "burst_rifle", "shotgun", "rocket_launcher", "Beam_Gun")):
        add(gun, gun, (-450 + index * 130, GUN_ROW))
    for index, special in enumerate(("SpecialBlink", "SpecialDash", "SpecialHOT", "SpecialShield")):
        add(special, special, (-400 + index * 150, SPECIAL_ROW))

    for row in (-160, -60, 40, 140):
        add("Target", "TargetCrate", (CRATE_COLUMN, row))
    add("Pillar", "RangeWall", (CRATE_COLUMN - 120, -160),
        {"RectangleCollider": {"group": "BLOCKS_LASER"}})
    add("Ammunition", "Ammo_Pickup", (-150, GUN_ROW - 80))

    level.write("armory")


if __name__ == "__main__":
    main()
