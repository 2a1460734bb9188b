#!/usr/bin/env python3
"""Writes Assets/LevelFiles/aiarena.json, a room for watching the basic enemy: two BasicEnemy
hunters on the left of a wall that runs down from the top of the room, and a player-side target
("Gunner") that walks along the right side and round the wall's open end into their sight.
Load it over the first level from the console: load_level brackwater aiarena
"""
import json
import os

TILE = 96             # world units per tile; the pictures are 32 pixels square
COLUMNS, ROWS = 11, 7  # floor tiles; the walls ring them
DIVIDER_COLUMN = 6     # the inner wall's column; it hangs from the top wall and stops short of the floor's bottom
DIVIDER_ROWS = 5


def main():
    objects = []

    def add(name, prefab, position, components=None):
        record_components = {"Transform": {"position": [position[0], position[1]]}}
        for type_name, members in (components or {}).items():
            record_components.setdefault(type_name, {}).update(members or {})
        objects.append({"children": [], "components": record_components, "name": name, "prefab": prefab,
                        "uuid": len(objects) + 1})

    wall = {"RectangleCollider": {"group": "WALL", "mapFlag": True, "scale": [TILE, TILE]}}

    add("Camera", "Camera", (0, 0))
    left = -(COLUMNS - 1) * TILE // 2
    bottom = -(ROWS - 1) * TILE // 2
    for row in range(ROWS):
        for column in range(COLUMNS):
            add("Floor", "FloorTile", (left + column * TILE, bottom + row * TILE))
    for column in range(-1, COLUMNS + 1):
        add("Wall", "WallTile", (left + column * TILE, bottom - TILE), wall)
        add("Wall", "WallTile", (left + column * TILE, bottom + ROWS * TILE), wall)
    for row in range(ROWS):
        add("Wall", "WallTile", (left - TILE, bottom + row * TILE), wall)
        add("Wall", "WallTile", (left + COLUMNS * TILE, bottom + row * TILE), wall)
    for row in range(ROWS - DIVIDER_ROWS, ROWS):
        add("Wall", "WallTile", (left + DIVIDER_COLUMN * TILE, bottom + row * TILE), wall)

    add("Hunter", "BasicEnemy", (left + 2 * TILE, bottom + 4 * TILE))
    add("Hunter", "BasicEnemy", (left + 3 * TILE, bottom + 2 * TILE))
    # The target walks down the right side, then left along the bottom, past the wall's open end.
    add("Target", "Gunner", (left + 9 * TILE, bottom + 5 * TILE),
        {"Rigidbody": {"Velocity": [-60, -160], "velocityDrag": 0.0},
         "Health": {"hitpoints": 100000, "max hitpoints": 100000, "regens": False},
         "Agent": {}, "Registerer": {"registryType": "PLAYERS"}})

    path = os.path.join(os.path.dirname(__file__), "..", "Assets", "LevelFiles", "aiarena.json")
    with open(path, "w", encoding="ascii") as output:
        json.dump({"level": {"objects": objects}}, output, indent=3, sort_keys=True, separators=(",", " : "))
        output.write("\n")


if __name__ == "__main__":
    main()
