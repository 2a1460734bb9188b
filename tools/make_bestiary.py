#!/usr/bin/env python3
"""Writes Assets/LevelFiles/bestiary.json, a walled room with one of each adversary standing in
rows for a look at them side by side: ducks, bugs, bears, the police bear, the bandit, the hunter,
the drone carrier, a turret, a beam drone and a teleporter pad. Nobody of the players' side is
there, so they wander and the turret waits. Load it over the first level from the console:
load_level brackwater bestiary
"""
from content import LevelFile

TILE = 96
COLUMNS, ROWS = 16, 9
ROW_ONE = ["AI_duck", "AI_duck2", "AI_bug", "AI_bug2", "AI_bear", "AI_bear2", "AI_bear_police"]
ROW_TWO = ["AI_bandit", "AI_hunter", "DroneCarrier", "Turret", "BeamDrone", "Teleporter"]


def main():
    level = LevelFile()
    add = level.add
    add("Camera", "Camera", (0, 0))
    left, bottom = level.add_walled_floor(COLUMNS, ROWS, TILE, "FloorTile", "RangeWall")
    for index, prefab in enumerate(ROW_ONE):
        add(prefab, prefab, (left + (2 + 2 * index) * TILE, bottom + 6 * TILE))
    for index, prefab in enumerate(ROW_TWO):
        add(prefab, prefab, (left + (2 + 2.4 * index) * TILE, bottom + 2.5 * TILE))
    level.write("bestiary")


if __name__ == "__main__":
    main()
