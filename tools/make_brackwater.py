#!/usr/bin/env python3
"""Writes Assets/LevelFiles/brackwater.json, the first level: its camera, a walled floor of tiles,
a few animated figures and the level's name spelt in glyph sprites above it.

The layout constants are repeated in tests/render/BrackwaterLevelTest.cpp, which checks that
the pictures show where this script puts them; change both together.
"""
import json
import os

TILE = 96             # world units per tile; the pictures are 32 pixels square
COLUMNS, ROWS = 9, 5  # floor tiles; the walls ring them
TITLE = "BRACKWATER"
TITLE_Y = 420
GLYPH_ADVANCE = 56    # the glyph prefab is 48 x 72


def glyph_frame(character):
    # The font strip's order: A-Z, a-z, 0-9, then the blank at 63.
    if "A" <= character <= "Z":
        return ord(character) - ord("A")
    if "a" <= character <= "z":
        return 26 + ord(character) - ord("a")
    if "0" <= character <= "9":
        return 52 + ord(character) - ord("0")
    return 63


def main():
    objects = []

    def add(name, prefab, position, components=None):
        record_components = {"Transform": {"position": [position[0], position[1]]}}
        for type_name, members in (components or {}).items():
            record_components.setdefault(type_name, {}).update(members)
        objects.append({"children": [], "components": record_components, "name": name, "prefab": prefab,
                        "uuid": len(objects) + 1})

    # The space is seen through this camera; without one it is not drawn at all.
    add("Camera", "Camera", (0, 0))

    left = -(COLUMNS - 1) * TILE // 2
    bottom = -(ROWS - 1) * TILE // 2
    for row in range(ROWS):
        for column in range(COLUMNS):
            add("Floor", "FloorTile", (left + column * TILE, bottom + row * TILE))
    for column in range(-1, COLUMNS + 1):
        add("Wall", "WallTile", (left + column * TILE, bottom - TILE))
        add("Wall", "WallTile", (left + column * TILE, bottom + ROWS * TILE))
    for row in range(ROWS):
        add("Wall", "WallTile", (left - TILE, bottom + row * TILE))
        add("Wall", "WallTile", (left + COLUMNS * TILE, bottom + row * TILE))

    add("Walker", "Walker", (-192, 0))
    add("Walker", "Walker", (192, 96), {"Sprite": {"flipX": True, "frame": 2}})
    add("Crawler", "Crawler", (0, -96))

    start = -(len(TITLE) - 1) * GLYPH_ADVANCE / 2
    for index, character in enumerate(TITLE):
        add("Title", "HUD_Digit", (start + index * GLYPH_ADVANCE, TITLE_Y),
            {"Sprite": {"frame": glyph_frame(character)}})

    path = os.path.join(os.path.dirname(__file__), "..", "Assets", "LevelFiles", "brackwater.json")
    with open(path, "w", encoding="ascii") as output:
        json.dump({"level": {"objects": objects}}, output, indent=3, sort_keys=True, separators=(",", " : "))
        output.write("\n")


if __name__ == "__main__":
    main()
