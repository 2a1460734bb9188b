#!/usr/bin/env python3
"""Writes Assets/LevelFiles/shipinterior.json: the default ship layout (Assets/Ship/newship.txt) as
a level of its own, seen whole through one camera and lit by a lamp per room. It shows what a
ShipMap builds from a layout; the encounter levels put the same kind of ship object under their
fights.

A ship object needs a Transform whose scale is the tile size (128), a ShipMap naming its layout,
and beside it a PressureTracker (rooms lose their air when a hull wall is blown out), a PathGraph
(routes for the enemies) and a Registerer in SHIPS (so DragManagers find its floors).
"""
from content import LevelFile

TILE = 128
LAYOUT = "Assets/Ship/newship.txt"
COLUMNS, ROWS = 26, 18
# Room centres in tiles, for the lamps.
LAMPS = [(5, 12.5), (14, 14), (21.5, 13), (12.5, 9), (5, 5), (12.5, 5), (21.5, 5)]


def main():
    level = LevelFile()
    centre = (COLUMNS * TILE / 2, ROWS * TILE / 2)
    level.add("Camera", "Camera", centre, {"Transform": {"scale": [1.8, 1.8]}})
    level.add("Ship", "Default", (0, 0), {
        "Transform": {"scale": [TILE, TILE]},
        "ShipMap": {"filename": LAYOUT},
        "PressureTracker": {},
        "PathGraph": {},
        "Registerer": {"registryType": "SHIPS"},
    })
    for number, (x, y) in enumerate(LAMPS, start=1):
        level.add(f"Lamp {number}", "WarmLamp", (x * TILE, y * TILE))
    level.write("shipinterior")


if __name__ == "__main__":
    main()
