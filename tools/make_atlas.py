#!/usr/bin/python3
"""Draws the game's pictures, packs them into the texture atlas and writes the resource list and
the picture catalogue.

Run from the repository root:  tools/make_atlas.py
Writes (all committed, so a fresh clone needs none of this to run):
  Assets/Images/<name>.png    one source picture each, frames side by side
  Assets/Atlas/THE_ATLAS.png  every picture packed into one image (power-of-two sides)
  Assets/Atlas/THE_ATLAS.txt  the atlas meta text: one "name = x y w h" line per picture
  Assets/RESOURCES.json       the resource list naming the atlas, its meta text and every picture
  docs/ASSETS.md              the pictures section of the catalogue (between its markers)

The drawings live in tools/art/: pixels.py (helpers, pixel font, palettes), characters.py,
world.py and interface.py. This file keeps the first pictures the engine shipped with, the
packing and the output. Every picture is drawn from code with fixed seeds, so running it twice
writes the same bytes.

The debian interpreter is named on purpose: Pillow comes from the python3-pil package.
"""
import json
import math
import os
import sys

from PIL import Image, ImageDraw

from art.characters import boss_sheets, enemy_sheets, machine_sheets, player_sheets
from art.interface import interface_sheets
from art.world import (effect_sheets, gun_sheets, loot_sheets, misc_sheets, overworld_sheets, pickup_sheets,
                       projectile_sheets, ship_sheets)
from catalogue import replace_section
from content import output_folder, output_path, write_text

IMAGE_DIRECTORY = "Assets/Images"
ATLAS_IMAGE = "Assets/Atlas/THE_ATLAS.png"
ATLAS_META = "Assets/Atlas/THE_ATLAS.txt"
RESOURCE_LIST = "Assets/RESOURCES.json"
ATLAS_WIDTHS = (1024, 2048, 4096)  # the narrowest that keeps the atlas no taller than wide wins
PADDING = 2  # blank pixels around every picture, so a filtered sample never picks up a neighbour


class Picture:
    def __init__(self, name, image, frame_count=1, what="", group=""):
        if image.width % frame_count != 0:
            sys.exit("[ERROR] Picture %s is %d pixels wide, not a whole number of %d frames"
                     % (name, image.width, frame_count))
        self.name = name
        self.image = image
        self.frame_count = frame_count
        self.what = what
        self.group = group
        self.x = 0
        self.y = 0


def blank(width, height):
    return Image.new("RGBA", (width, height), (0, 0, 0, 0))


def default_texture():
    # Loud magenta and black checks: a sprite that shows this names a picture we do not have.
    image = blank(32, 32)
    draw = ImageDraw.Draw(image)
    for row in range(4):
        for column in range(4):
            colour = (255, 0, 255, 255) if (row + column) % 2 == 0 else (0, 0, 0, 255)
            draw.rectangle([column * 8, row * 8, column * 8 + 7, row * 8 + 7], fill=colour)
    return image


def player():
    # Four walking frames: a round body with feet that swap.
    frames = 4
    image = blank(32 * frames, 32)
    draw = ImageDraw.Draw(image)
    for frame in range(frames):
        left = frame * 32
        draw.ellipse([left + 6, 4, left + 25, 23], fill=(40, 140, 230, 255), outline=(10, 40, 90, 255))
        draw.rectangle([left + 12, 8, left + 19, 12], fill=(220, 240, 255, 255))
        step = 2 if frame % 2 == 0 else -2
        draw.rectangle([left + 9 + step, 24, left + 13 + step, 29], fill=(20, 60, 120, 255))
        draw.rectangle([left + 18 - step, 24, left + 22 - step, 29], fill=(20, 60, 120, 255))
    return image, frames


def enemy():
    frames = 2
    image = blank(32 * frames, 32)
    draw = ImageDraw.Draw(image)
    for frame in range(frames):
        left = frame * 32
        spike = 3 if frame == 0 else 5
        draw.polygon([(left + 16, spike), (left + 29, 28), (left + 3, 28)], fill=(210, 40, 40, 255),
                     outline=(90, 10, 10, 255))
        draw.ellipse([left + 12, 14, left + 19, 21], fill=(255, 230, 60, 255))
    return image, frames


def crate():
    image = blank(32, 32)
    draw = ImageDraw.Draw(image)
    draw.rectangle([0, 0, 31, 31], fill=(150, 100, 50, 255), outline=(80, 50, 20, 255))
    draw.rectangle([3, 3, 28, 28], outline=(80, 50, 20, 255))
    draw.line([(3, 3), (28, 28)], fill=(80, 50, 20, 255), width=2)
    draw.line([(3, 28), (28, 3)], fill=(80, 50, 20, 255), width=2)
    return image


def bullet():
    image = blank(8, 8)
    draw = ImageDraw.Draw(image)
    draw.ellipse([0, 0, 7, 7], fill=(255, 220, 80, 255))
    draw.ellipse([2, 2, 5, 5], fill=(255, 255, 230, 255))
    return image


def floor_tile():
    image = Image.new("RGBA", (32, 32), (70, 74, 82, 255))
    draw = ImageDraw.Draw(image)
    draw.rectangle([0, 0, 31, 31], outline=(55, 58, 64, 255))
    for x, y in ((8, 8), (23, 8), (8, 23), (23, 23)):
        draw.point((x, y), fill=(100, 104, 112, 255))
    return image


def wall_tile():
    image = Image.new("RGBA", (32, 32), (110, 112, 120, 255))
    draw = ImageDraw.Draw(image)
    for row in range(4):
        y = row * 8
        draw.line([(0, y), (31, y)], fill=(60, 60, 66, 255))
        offset = 0 if row % 2 == 0 else 8
        for x in range(offset, 32, 16):
            draw.line([(x, y), (x, y + 7)], fill=(60, 60, 66, 255))
    return image


def white():
    # A plain white square: tinted by a sprite's colour it gives a solid block of that colour.
    return Image.new("RGBA", (16, 16), (255, 255, 255, 255))


def explosion(seed):
    image = blank(32, 32)
    draw = ImageDraw.Draw(image)
    rays = 7 + seed
    points = []
    for index in range(rays * 2):
        angle = index * math.pi / rays + seed * 0.3
        radius = 15 if index % 2 == 0 else 7 + seed
        points.append((16 + radius * math.cos(angle), 16 + radius * math.sin(angle)))
    draw.polygon(points, fill=(255, 140, 20, 255))
    draw.ellipse([10, 10, 21, 21], fill=(255, 240, 120, 255))
    return image


def first_pictures():
    """The pictures the engine started with; the first level still uses them."""
    pictures = [Picture("default_texture", default_texture(), 1, "magenta and black checks: a picture we do not have")]
    image, frames = player()
    pictures.append(Picture("player", image, frames, "round blue walker (the first level's)"))
    image, frames = enemy()
    pictures.append(Picture("enemy", image, frames, "red spiky triangle (the first level's)"))
    pictures.append(Picture("crate", crate(), 1, "wooden crate"))
    pictures.append(Picture("bullet", bullet(), 1, "yellow player bullet"))
    pictures.append(Picture("floor", floor_tile(), 1, "grey floor tile"))
    pictures.append(Picture("wall", wall_tile(), 1, "grey brick wall tile"))
    pictures.append(Picture("white", white(), 1, "plain white: tinted by the sprite colour"))
    for number in range(1, 5):
        pictures.append(Picture("explosion_%02d" % number, explosion(number), 1, "explosion star %d (RandExplosionSprite)" % number))
    return pictures


# Catalogue groups in the order the catalogue lists them.
GROUPS = [
    ("Engine and shared", lambda: interface_sheets()[:1] + misc_sheets()),
    ("Player (blue suit, cyan visor)", player_sheets),
    ("Enemies (warm colours, red eyes)", enemy_sheets),
    ("Drones, turrets, teleporters", machine_sheets),
    ("Boss, throne, boss room, dialogue heads", boss_sheets),
    ("Guns (muzzle towards +x; held and lying on the floor)", gun_sheets),
    ("Projectiles", projectile_sheets),
    ("Pickups: ammunition and specials", pickup_sheets),
    ("Loot", loot_sheets),
    ("Effects and particles", effect_sheets),
    ("Ship interior (one 32x32 tile = one 128-unit map cell)", ship_sheets),
    ("Overworld", overworld_sheets),
    ("Menus, cards, HUD", lambda: interface_sheets()[1:]),
]


def all_pictures():
    pictures = [p for p in first_pictures()]
    for picture in pictures:
        picture.group = "Engine and shared"
    for group, sheets in GROUPS:
        for name, image, frames, what in sheets():
            pictures.append(Picture(name, image, frames, what, group))
    names = [p.name for p in pictures]
    duplicates = sorted({n for n in names if names.count(n) > 1})
    if duplicates:
        sys.exit("[ERROR] Pictures drawn twice: " + ", ".join(duplicates))
    return pictures


def pack(pictures, width):
    """Shelf packing, tallest first: returns the height used."""
    x, y, shelf_height = PADDING, PADDING, 0
    for picture in sorted(pictures, key=lambda p: (-p.image.height, -p.image.width, p.name)):
        picture_width, height = picture.image.size
        if picture_width + 2 * PADDING > width:
            return None
        if x + picture_width + PADDING > width:
            x, y, shelf_height = PADDING, y + shelf_height + PADDING, 0
        picture.x, picture.y = x, y
        x += picture_width + PADDING
        shelf_height = max(shelf_height, height)
    return y + shelf_height + PADDING


def power_of_two(value):
    size = 1
    while size < value:
        size *= 2
    return size


def choose_atlas_size(pictures):
    for width in ATLAS_WIDTHS:
        height = pack(pictures, width)
        if height is not None and height <= width:
            return width, power_of_two(height)
    sys.exit("[ERROR] The pictures do not fit a 4096x4096 atlas")


def catalogue_lines(pictures):
    lines = ["## Pictures", "", "Frame sizes are pixels; frames run left to right. %d pictures." % len(pictures), ""]
    for group in ["Engine and shared"] + [g for g, _ in GROUPS[1:]]:
        members = [p for p in pictures if p.group == group]
        if not members:
            continue
        lines += ["### " + group, "", "| name | frame | frames | what |", "|---|---|---|---|"]
        for p in members:
            frame_width = p.image.width // p.frame_count
            lines.append("| %s | %dx%d | %d | %s |" % (p.name, frame_width, p.image.height, p.frame_count, p.what))
        lines.append("")
    return lines


def main():
    pictures = all_pictures()
    atlas_width, atlas_height = choose_atlas_size(pictures)
    atlas = blank(atlas_width, atlas_height)
    images = output_folder(IMAGE_DIRECTORY)
    drawn = {picture.name + ".png" for picture in pictures}
    for stale in sorted(os.listdir(images)):
        if stale.endswith(".png") and stale not in drawn:
            os.remove(os.path.join(images, stale))
    meta_lines = []
    resources = []
    for picture in sorted(pictures, key=lambda p: p.name):
        picture.image.save(output_path("%s/%s.png" % (IMAGE_DIRECTORY, picture.name)), optimize=True)
        atlas.paste(picture.image, (picture.x, picture.y))
        width, height = picture.image.size
        meta_lines.append("%s = %d %d %d %d" % (picture.name, picture.x, picture.y, width, height))
        # The program keys pictures by the part of "file" after the last backslash, so the
        # paths are written the way the resource list has always written them.
        resources.append({
            "type": "atlasSubtexture",
            "file": "Assets\\Images\\%s.png" % picture.name,
            "framecount": picture.frame_count,
            "name": picture.name,
        })
    atlas.save(output_path(ATLAS_IMAGE), optimize=True)
    write_text(ATLAS_META, "\n".join(meta_lines) + "\n")
    resource_list = {
        "atlas": {"file": "Assets\\Atlas\\THE_ATLAS.png", "name": "THE_ATLAS", "meta": "Assets\\Atlas\\THE_ATLAS.txt"},
        "resources": resources,
    }
    # The resource list keeps the layout it has always had (": " between key and value); only the
    # game reads it.
    write_text(RESOURCE_LIST, json.dumps(resource_list, indent=3, sort_keys=True) + "\n")
    replace_section("pictures", catalogue_lines(pictures))
    print("Packed %d pictures into a %dx%d atlas" % (len(pictures), atlas_width, atlas_height))


if __name__ == "__main__":
    main()
