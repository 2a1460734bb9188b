#!/usr/bin/env python3
"""Writes Assets/LevelFiles/firingrange.json: a walled floor on which the combat pieces play out by
themselves. A gunner stands on the left with a pistol in its hands; slow bullets fly at a row of
crates, a rocket flies at a wall flanked by two crates, and a live bomb between two more crates
blows up after two seconds. A rocket launcher and an ammunition box lie on the floor.

The shots are slow so that they can be seen in flight. Positions are in world units; one floor
tile is 96.
"""
from content import LevelFile

TILE = 96
COLUMNS, ROWS = 13, 7
SHOT_SPEED = 160
ROCKET_SPEED = 210    # it bursts a second after the bomb
BULLET_ROW = 96        # the gunner's row and its bullets'
ROCKET_ROW = -96
BOMB_ROW = -240
CRATE_COLUMN = 320


def main():
    level = LevelFile()
    add = level.add
    add("Camera", "Camera", (0, 0))
    level.add_walled_floor(COLUMNS, ROWS, TILE, "FloorTile", "RangeWall")

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

    level.write("firingrange")


if __name__ == "__main__":
    main()
