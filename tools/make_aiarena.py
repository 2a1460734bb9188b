#!/usr/bin/env python3
"""Writes Assets/LevelFiles/aiarena.json, a room for watching the basic enemy: two BasicEnemy
hunters on the left of a wall that runs down from the top of the room, and a player-side target
("Gunner") that walks along the right side and round the wall's open end into their sight.
Load it over the first level from the console: load_level brackwater aiarena
"""
from content import LevelFile

TILE = 96              # world units per tile; the pictures are 32 pixels square
COLUMNS, ROWS = 11, 7  # floor tiles; the walls ring them
DIVIDER_COLUMN = 6     # the inner wall's column; it hangs from the top wall and stops short of the floor's bottom
DIVIDER_ROWS = 5


def main():
    level = LevelFile()
    add = level.add
    add("Camera", "Camera", (0, 0))
    left, bottom = level.add_walled_floor(COLUMNS, ROWS, TILE, "FloorTile", "RangeWall")
    for row in range(ROWS - DIVIDER_ROWS, ROWS):
        add("Wall", "RangeWall", (left + DIVIDER_COLUMN * TILE, bottom + row * TILE))

    add("Hunter", "BasicEnemy", (left + 2 * TILE, bottom + 4 * TILE))
    add("Hunter", "BasicEnemy", (left + 3 * TILE, bottom + 2 * TILE))
    # The target walks down the right side, then on past the wall's open end.
    add("Target", "Gunner", (left + 9 * TILE, bottom + 5 * TILE),
        {"Rigidbody": {"Velocity": [-60, -160], "velocityDrag": 0.0},
         "Health": {"hitpoints": 100000, "max hitpoints": 100000, "regens": False},
         "Agent": {}, "Registerer": {"registryType": "PLAYERS"}})
    level.write("aiarena")


if __name__ == "__main__":
    main()
