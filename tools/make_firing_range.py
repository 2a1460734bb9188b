#!/usr/bin/env python3
"""Writes Assets/LevelFiles/firingrange.json: a walled floor on which the combat pieces play out by
themselves. A gunner stands on the left with a pistol in its hands; slow bullets fly at a row of
crates, a rocket flies at a wall flanked by two crates, and a live bomb between two more crates
blows up after two seconds. A rocket launcher and an ammunition box lie on the floor.

The shots are slow so that they can be seen in flight. Positions are in world units; one floor
tile is 96.
"""
import json
import os

TILE = 96
COLUMNS, ROWS = 13, 7
SHOT_SPEED = 160
ROCKET_SPEED = 210    # it bursts a second after the bomb
BULLET_ROW = 96        # the gunner's row and its bullets'
ROCKET_ROW = -96
BOMB_ROW = -240
CRATE_COLUMN = 320


def main():
    objects = []

    def add(name, prefab, position, components=None):
        record = {"Transform": {"position": [position[0], position[1]]}}
        for type_name, members in (components or {}).items():
            record.setdefault(type_name, {}).update(members)
        objects.append({"children": [], "components": record, "name": name, "prefab": prefab,
                        "uuid": len(objects) + 1})

    add("Camera", "Camera", (0, 0))
    left = -(COLUMNS - 1) * TILE // 2
    bottom = -(ROWS - 1) * TILE // 2
    for row in range(ROWS):
        for column in range(COLUMNS):
            add("Floor", "FloorTile", (left + column * TILE, bottom + row * TILE))
    for column in range(-1, COLUMNS + 1):
        add("Wall", "RangeWall", (left + column * TILE, bottom - TILE))
        add("Wall", "RangeWall", (left + column * TILE, bottom + ROWS * TILE))
    for row in range(ROWS):
        add("Wall", "RangeWall", (left - TILE, bottom + row * TILE))
        add("Wall", "RangeWall", (left + COLUMNS * TILE, bottom + row * TILE))

    # The gunner and what its pistol has just fired.
    add("Gunner", "Gunner", (-480, BULLET_ROW), {"Equipment": {"startingPrimary": "pistol"}})
    for x in (-380, -230, -80):
        add("Shot", "Bullet", (x, BULLET_ROW + 4),
            {"Rigidbody": {"Velocity": [SHOT_SPEED, 0]}, "TimedDestruction": {"destructionTime": 8.0},
             "Damage": {"damage": 10.0}})  # as the pistol fires them
    add("Target", "TargetCrate", (CRATE_COLUMN, BULLET_ROW))
    add("Target", "TargetCrate", (CRATE_COLUMN + 80, BULLET_ROW))

    # A rocket on its way to a wall, with a crate on either side of where it will burst.
    add("Rocket", "Rocket", (-300, ROCKET_ROW), {"Rigidbody": {"Velocity": [ROCKET_SPEED, 0]}})
    add("Backstop", "RangeWall", (CRATE_COLUMN + 48, ROCKET_ROW))
    add("Target", "TargetCrate", (CRATE_COLUMN - 40, ROCKET_ROW + 72))
    add("Target", "TargetCrate", (CRATE_COLUMN - 40, ROCKET_ROW - 72))

    # A live bomb between two crates.
    add("Bomb", "Bomb", (0, BOMB_ROW), {"SimpleBombLogic": {"active": True, "timer": 2.0}})
    add("Target", "TargetCrate", (-90, BOMB_ROW))
    add("Target", "TargetCrate", (90, BOMB_ROW))

    # Loose things to pick up.
    add("Rocket Launcher", "rocket_launcher", (-420, BOMB_ROW))
    add("Ammunition", "Ammo_Pickup", (-300, BOMB_ROW))

    path = os.path.join(os.path.dirname(__file__), "..", "Assets", "LevelFiles", "firingrange.json")
    with open(path, "w", encoding="ascii") as output:
        json.dump({"level": {"objects": objects}}, output, indent=3, sort_keys=True, separators=(",", " : "))
        output.write("\n")


if __name__ == "__main__":
    main()
