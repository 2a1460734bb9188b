#!/usr/bin/env python3
"""Writes Assets/LevelFiles/shipinterior.json: the default ship layout (Assets/Ship/newship.txt) as
a level of its own, seen whole through one camera and lit by a lamp per room. It shows what a
ShipMap builds from a layout; the encounter levels put the same kind of ship object under their
fights.

A ship object needs a Transform whose scale is the tile size (128), a ShipMap naming its layout,
and beside it a PressureTracker (rooms lose their air when a hull wall is blown out), a PathGraph
(routes for the enemies) and a Registerer in SHIPS (so DragManagers find its floors).
"""
import json
import os

TILE = 128
LAYOUT = "Assets/Ship/newship.txt"
COLUMNS, ROWS = 26, 18
# Room centres in tiles, for the lamps.
LAMPS = [(5, 12.5), (14, 14), (21.5, 13), (12.5, 9), (5, 5), (12.5, 5), (21.5, 5)]


def main():
    objects = []

    def add(name, prefab, position, components=None):
        record = {"Transform": {"position": [position[0], position[1]]}}
        for type_name, members in (components or {}).items():
            if members is None:
                record.setdefault(type_name, None)
            else:
                record.setdefault(type_name, {}).update(members)
        objects.append({"children": [], "components": record, "name": name, "prefab": prefab,
                        "uuid": len(objects) + 1})

    centre = (COLUMNS * TILE / 2, ROWS * TILE / 2)
    add("Camera", "Camera", centre, {"Transform": {"scale": [1.8, 1.8]}})
    add("Ship", "Default", (0, 0), {
        "Transform": {"scale": [TILE, TILE]},
        "ShipMap": {"filename": LAYOUT},
        "PressureTracker": None,
        "PathGraph": None,
        "Registerer": {"registryType": "SHIPS"},
    })
    for number, (x, y) in enumerate(LAMPS, start=1):
        add(f"Lamp {number}", "WarmLamp", (x * TILE, y * TILE))

    path = os.path.join(os.path.dirname(__file__), "..", "Assets", "LevelFiles", "shipinterior.json")
    with open(path, "w", encoding="ascii", newline="\n") as output:
        json.dump({"level": {"objects": objects}}, output, indent=3, sort_keys=True, separators=(",", " : "))
        output.write("\n")


if __name__ == "__main__":
    main()
