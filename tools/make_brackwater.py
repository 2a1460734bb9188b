#!/usr/bin/env python3
"""Writes Assets/LevelFiles/brackwater.json, the first level: its camera, a walled floor of tiles,
a few animated figures, the lamps and particles that light and stir the room, and the level's name
laid out by a TextToSprite above it.

The layout constants are repeated in tests/render/BrackwaterLevelTest.cpp, which checks that
the pictures show where this script puts them; change both together.
"""
from content import LevelFile

TILE = 96             # world units per tile; the pictures are 32 pixels square
COLUMNS, ROWS = 9, 5  # floor tiles; the walls ring them
TITLE = "BRACKWATER"
TITLE_Y = 420         # above the top wall; TextToSprite spaces the glyphs 50 units apart at scale 1

# Lighting. The ambient of the floor is low (Assets/GameSettings), so the room is read by its lamps:
# a warm one over the left half, a paler one of the same kind over the upper right, a flickering cold
# one with sparks in the lower right, and a lantern in the lower left corner whose glow stops at a
# stack of crates and leaves their shadow on the floor.
WARM_LAMP = (-288, 120)
PALE_LAMP = (160, 144)
PALE_LAMP_COLOUR = [0.75, 0.8, 0.9, 0.8]
FLICKERING_LAMP = (336, -96)
LANTERN = (-400, -200)
CRATES = ((-300, -150), (-236, -150))
DUST = (0, 0)           # the dust's spawn box (in its prefab) covers the whole floor


def main():
    level = LevelFile()
    add = level.add

    # The space is seen through this camera; without one it is not drawn at all.
    add("Camera", "Camera", (0, 0))
    level.add_walled_floor(COLUMNS, ROWS, TILE, "FloorTile", "WallTile")

    add("Walker", "Walker", (-192, 0))
    add("Walker", "Walker", (192, 96), {"Sprite": {"flipX": True, "frame": 2}})
    add("Crawler", "Crawler", (0, -96))

    for crate in CRATES:
        add("Crate", "CargoCrate", crate)
    add("Warm Lamp", "WarmLamp", WARM_LAMP)
    add("Pale Lamp", "WarmLamp", PALE_LAMP, {"PointLight": {"color": PALE_LAMP_COLOUR}})
    add("Flickering Lamp", "FlickeringLamp", FLICKERING_LAMP)
    add("Sparks", "Sparks", FLICKERING_LAMP)
    add("Lantern", "Lantern", LANTERN)
    add("Dust", "DriftingDust", DUST)

    # The glyphs are made by the TextToSprite when the level wakes; they are not in the file.
    add("Title", "TitleText", (0, TITLE_Y), {"TextToSprite": {"text": TITLE}})

    level.write("brackwater")


if __name__ == "__main__":
    main()
