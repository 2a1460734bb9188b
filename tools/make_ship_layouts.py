#!/usr/bin/env python3
"""Writes the ship layout files under Assets/Ship/ from the plans below.

A layout file is the text form of a ShipMap's tile grid (its format is described at the top of
src/gameplay/ShipLayoutFile.h). Drawing one by hand means getting every wall onto the right tile,
so each ship here is a plan instead:

- `plan`: one string per row, the top row first, one character per tile. A letter is a room; '.'
  is outside (no floor). Tiles of the same letter form one open room; wherever two different
  letters, or a letter and '.', meet, a wall stands on that edge.
- `floors`: the floor code of each room letter ('1' bars, '2' ice, '3' slats, '4' alternate bars,
  'F' random deck plates).
- `edges`: what stands on particular edges instead of a plain wall: {(x, y, side): code}, where
  side is "right" or "down" of tile (x, y) (y counts from the bottom row, 0, upward) and the code is
  one of the file's codes for that edge ('0' opening; right: 'W' wall, 'F' force field; down: 'I'
  wall, 'F' force field, 'D' door, 'B' raised boss wall, 'C' 'T' 'S' 'J' 'H' 'R' 'Q' cracked boss
  walls). Doors exist only on "down" edges.

Keep the outermost ring of the plan outside: the air tracker counts every border tile as open to
space, so a room touching the border would be vented from the start. A room vents when a wall
between it and the outside is blown out; a door or force field holds the air like any wall.

To make another ship, add a plan to SHIPS and run this script; point a ShipMap's "filename" at
"Assets/Ship/<name>.txt".
"""
import os

# The default ship of the encounters. Rooms: bridge B, lab L (ice), throne room T, the corridor C
# with a short arm up to the lab, hold H (slats), crew quarters Q and engine room E (bars).
NEWSHIP = {
    "plan": [
        "..........................",
        "..........................",
        ".BBBBBBBB..LLLLLL.TTTTTTT.",
        ".BBBBBBBB..LLLLLL.TTTTTTT.",
        ".BBBBBBBB..LLLLLL.TTTTTTT.",
        ".BBBBBBBB..LLLLLL.TTTTTTT.",
        ".BBBBBBBB...C.....TTTTTTT.",
        ".BBBBBBBB...C.....TTTTTTT.",
        ".CCCCCCCCCCCCCCCCCCCCCCCC.",
        ".CCCCCCCCCCCCCCCCCCCCCCCC.",
        ".HHHHHHHHQQQQQQQ..EEEEEEE.",
        ".HHHHHHHHQQQQQQQ..EEEEEEE.",
        ".HHHHHHHHQQQQQQQ..EEEEEEE.",
        ".HHHHHHHHQQQQQQQ..EEEEEEE.",
        ".HHHHHHHHQQQQQQQ..EEEEEEE.",
        ".HHHHHHHHQQQQQQQ..EEEEEEE.",
        "..........................",
        "..........................",
    ],
    "floors": {"B": "F", "L": "2", "T": "F", "C": "1", "H": "3", "Q": "F", "E": "4"},
    "edges": {
        # Doors from the corridor into the bridge, the lab's arm, the hold, the quarters and the engine.
        (4, 10, "down"): "D",
        (12, 12, "down"): "D",
        (4, 8, "down"): "D",
        (12, 8, "down"): "D",
        (21, 8, "down"): "D",
        # The throne room is entered through a force field; hold and quarters share two.
        (21, 10, "down"): "F",
        (8, 4, "right"): "F",
        (8, 5, "right"): "F",
        # The throne room's outer hull: raised boss walls at the ends, cracked ones between that
        # blow out after the throne explodes, the middle one first.
        (18, 16, "down"): "R",
        (19, 16, "down"): "J",
        (20, 16, "down"): "T",
        (21, 16, "down"): "C",
        (22, 16, "down"): "S",
        (23, 16, "down"): "H",
        (24, 16, "down"): "Q",
    },
}

SHIPS = {"newship": NEWSHIP}


def layout_text(ship):
    plan = ship["plan"]
    height = len(plan)
    width = len(plan[0])
    if any(len(row) != width for row in plan):
        raise SystemExit("every row of a plan must be as long as the first")
    # plan rows run top to bottom; the grid's y runs bottom to top.
    def room(x, y):
        if x < 0 or y < 0 or x >= width or y >= height:
            return "."
        return plan[height - 1 - y][x]

    for x in range(width):
        for y in (0, height - 1):
            if room(x, y) != ".":
                raise SystemExit(f"tile ({x}, {y}) is on the border: keep the outermost ring outside")
    for y in range(height):
        for x in (0, width - 1):
            if room(x, y) != ".":
                raise SystemExit(f"tile ({x}, {y}) is on the border: keep the outermost ring outside")

    tiles = {}
    for y in range(height):
        for x in range(width):
            here = room(x, y)
            floor = ship["floors"][here] if here != "." else "0"
            # The right edge lies between (x, y) and (x + 1, y); the bottom edge between (x, y) and (x, y - 1).
            side = "W" if here != room(x + 1, y) else "0"
            bottom = "I" if here != room(x, y - 1) else "0"
            tiles[(x, y)] = [floor, side, bottom]
    for (x, y, edge), code in ship["edges"].items():
        if edge not in ("right", "down"):
            raise SystemExit(f"edge {edge} of ({x}, {y}) is neither right nor down")
        tiles[(x, y)][1 if edge == "right" else 2] = code

    lines = ["ship", str(width), str(height)]
    for y in range(height - 1, -1, -1):
        lines.append("".join("".join(tiles[(x, y)]) + " " for x in range(width)))
    return "\n".join(lines) + "\n"


def main():
    folder = os.path.join(os.path.dirname(__file__), "..", "Assets", "Ship")
    os.makedirs(folder, exist_ok=True)
    for name, ship in SHIPS.items():
        with open(os.path.join(folder, name + ".txt"), "w", encoding="ascii", newline="\n") as output:
            output.write(layout_text(ship))


if __name__ == "__main__":
    main()
