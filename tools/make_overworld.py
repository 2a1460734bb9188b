#!/usr/bin/env python3
"""Writes Assets/LevelFiles/overworld.json, the map between encounters (run
tools/make_overworld_prefabs.py first when a prefab changes). The level flow loads it into the
space "Overworld" when the menu's START is pressed and keeps it, paused, while an encounter runs.

It holds, on a 12000 x 7000 map centred on the origin:
- the player's ship "Corva" (its place comes from the DataBoard's record of that name, so it
  starts at the origin and comes back where it was after an encounter), with the camera's dolly;
- the camera, which follows the ship (CameraLeash) and zooms as the dolly asks (ZoomManager);
  the level flow places it at the start of a run;
- three faction stations, each launching merchant ships toward the others and pointing an arrow
  from the player's ship at itself, in its own tint;
- the map's edge (MapBoundingColliders); the nebula and the stars reach well past it;
- the overworld tutorial (prefab "OW_Tutorial"), which removes itself when done or skipped;
- the LevelManager, which turns a rammed ship into its encounter;
- the pause key, which opens the pause menu over the overworld.
The boss's ship is not placed here: the level flow brings it on the first return with 3000 points.
"""
from content import LevelFile

WIDTH, HEIGHT = 12000, 7000
TILE = 2048

# name, picture, tint (its white arrow shows in it), position
BASES = [
    ("Red Station", "OW_base_faction_1", [1.0, 0.45, 0.4, 1.0], (-4200, 1900)),
    ("Amber Station", "OW_base_faction_2", [1.0, 0.7, 0.35, 1.0], (4000, 2300)),
    ("Violet Station", "OW_base_faction_3", [0.8, 0.6, 1.0, 1.0], (700, -2500)),
]


def tiles(columns, rows, size, offset=0):
    """Centres of a grid of background tiles of that size around the origin."""
    for row in range(rows):
        for column in range(columns):
            yield ((column - (columns - 1) / 2) * size[0] + offset, (row - (rows - 1) / 2) * size[1] + offset)


# How far the background reaches from the map's centre: past what the camera shows from any
# place on the map at its widest zoom (8: a view of 15360 x 8640 units, about the player's ship,
# which stays within the map), so that no edge of it ever shows.
BACKGROUND_REACH = (14336, 8192)
NEBULA_TILE = (4096, 4096)


def background(level):
    columns, rows = (2 * BACKGROUND_REACH[0] // NEBULA_TILE[0], 2 * BACKGROUND_REACH[1] // NEBULA_TILE[1])
    for number, at in enumerate(tiles(columns, rows, NEBULA_TILE), start=1):
        level.add(f"Nebula {number}", "OW_SpaceTile", at, {"Sprite": {"scale": list(NEBULA_TILE)}})
    # The stars' tiles lie a third of a tile off the nebula's, so that no two seams meet.
    for number, at in enumerate(tiles(15, 9, (TILE, TILE), TILE / 3), start=1):
        level.add(f"Stars {number}", "OW_SpaceTile", at, {"Sprite": {"source": "space_stars_far"}})
    level.add("Planet", "OW_SpaceTile", (-2600, -1700),
              {"Sprite": {"source": "space_planet", "scale": [1100, 1100]}})


def main():
    level = LevelFile()
    background(level)
    level.add("Level Manager", "Default", (0, 0), {"LevelManager": {}})
    level.add("Map Boundary", "Default", (0, 0), {"MapBoundingColliders": {
        "width": WIDTH, "height": HEIGHT, "thickness": 500, "boundaryPrefab": "OW_Boundary"}})
    for name, picture, tint, at in BASES:
        level.add(name, "OW_Base", at, {"Sprite": {"source": picture, "color": tint}})
    ship = level.add("Corva", "OW_Corva", (0, 0))
    level.adopt(ship, level.add("Corva Dolly", "OW_ShipDolly", (0, 0)))
    # The camera never walks off to a point of its own ("moveSpeed" 0): it stays on the ship.
    level.add("OW Camera", "Camera", (-2000, 1200), {
        "Transform": {"scale": [2.7, 2.7]},
        "ZoomManager": {"zoom": 2.0, "moveSpeed": 0.0},
        "CameraLeash": {"name of focus": "Corva", "lead amount": 0.0},
    })
    level.add("OW Tutorial", "OW_Tutorial", (0, 0))
    # Escape (or Start) pauses the run under the pause menu.
    level.add("Pause Key", "HotKey", (0, 0), {"PauseDetector": {}, "PauseButton": {"target": "pause_menu"}})
    level.write("overworld")


if __name__ == "__main__":
    main()
