#!/usr/bin/env python3
"""Writes the ship layout files under Assets/Ship/ from the plans below.

A layout file is the text form of a ShipMap's tile grid (its format is described at the top of
src/gameplay/ship/ShipLayoutFile.h). Drawing one by hand means getting every wall onto the right tile,
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
from content import write_text

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

# The encounter ships. Each has an airlock A where the boarding party arrives and leaves.

# "skirmish", the light ship of the easy encounters: airlock A, a corridor C to the bridge B; hold
# H and mess M above it, engine room E and store S below. The store is open to the corridor
# through two force fields; the bridge's far wall is hull.
SKIRMISH = {
    "plan": [
        "...............................",
        "...............................",
        ".......HHHHHHHH..MMMMMMM.......",
        ".......HHHHHHHH..MMMMMMM.......",
        ".......HHHHHHHH..MMMMMMM.BBBBB.",
        ".AAAA..HHHHHHHH..MMMMMMM.BBBBB.",
        ".AAAACCCCCCCCCCCCCCCCCCCCBBBBB.",
        ".AAAACCCCCCCCCCCCCCCCCCCCBBBBB.",
        ".AAAA..EEEEEEE..SSSSSSSS.BBBBB.",
        ".......EEEEEEE..SSSSSSSS.BBBBB.",
        ".......EEEEEEE..SSSSSSSS.......",
        ".......EEEEEEE..SSSSSSSS.......",
        "...............................",
        "...............................",
    ],
    "floors": {"A": "4", "C": "1", "H": "3", "M": "F", "E": "4", "S": "3", "B": "F"},
    "edges": {
        (4, 7, "right"): "0", (4, 6, "right"): "0",      # airlock into the corridor
        (24, 7, "right"): "0", (24, 6, "right"): "0",    # corridor into the bridge
        (10, 8, "down"): "D",                            # hold
        (20, 8, "down"): "D",                            # mess
        (10, 6, "down"): "D",                            # engine room
        (19, 6, "down"): "F", (20, 6, "down"): "F",      # store
    },
}

# "freighter", the medium ship: a cargo bay K with two pairs of pillars above a long corridor C,
# crew quarters Q and the reactor R beside the bay; airlock A, lab L and engine room E below.
FREIGHTER = {
    "plan": [
        "................................",
        "................................",
        "..QQQQQ.KKKKKKKKKKKKKKKKK.RRRRR.",
        "..QQQQQ.KKKKKKKKKKKKKKKKK.RRRRR.",
        "..QQQQQ.KK..KKKKKKKKK..KK.RRRRR.",
        "..QQQQQ.KK..KKKKKKKKK..KK.RRRRR.",
        "..QQQQQ.KKKKKKKKKKKKKKKKK.RRRRR.",
        "..QQQQQ.KKKKKKKKKKKKKKKKK.RRRRR.",
        "..QQQQQ.KKKKKKKKKKKKKKKKK.RRRRR.",
        ".CCCCCCCCCCCCCCCCCCCCCCCCCCCCCC.",
        ".CCCCCCCCCCCCCCCCCCCCCCCCCCCCCC.",
        ".AAAA....LLLLLLL....EEEEEEEE....",
        ".AAAA....LLLLLLL....EEEEEEEE....",
        ".AAAA....LLLLLLL....EEEEEEEE....",
        ".........LLLLLLL....EEEEEEEE....",
        "................................",
        "................................",
        "................................",
    ],
    "floors": {"A": "4", "C": "1", "Q": "F", "K": "3", "R": "4", "L": "2", "E": "1"},
    "edges": {
        (2, 7, "down"): "0", (3, 7, "down"): "0",        # corridor down into the airlock
        (4, 9, "down"): "D",                             # quarters
        (10, 9, "down"): "D", (22, 9, "down"): "D",      # cargo bay, two doors
        (15, 9, "down"): "F", (16, 9, "down"): "F",      # and a loading field between them
        (28, 9, "down"): "D",                            # reactor
        (12, 7, "down"): "D",                            # lab
        (23, 7, "down"): "D",                            # engine room
    },
}

# "gunship", the hard ship: bridge B with the weapon bays W and G beside it above a corridor C,
# dormitory D, hall H and medical bay M below it, and the engine room E under those, joined to the
# dormitory and the medical bay by force fields. The airlock A is at the corridor's left end; the
# engine room's lower wall is hull.
GUNSHIP = {
    "plan": [
        "............................",
        "............................",
        "..........BBBBBBBB..........",
        "..........BBBBBBBB..........",
        "..WWWWWW..BBBBBBBB..GGGGGG..",
        "..WWWWWW..BBBBBBBB..GGGGGG..",
        "..WWWWWW..BBBBBBBB..GGGGGG..",
        ".AACCCCCCCCCCCCCCCCCCCCCCCC.",
        ".AACCCCCCCCCCCCCCCCCCCCCCCC.",
        "..DDDDDD..HHHHHHHH..MMMMMM..",
        "..DDDDDD..HHHHHHHH..MMMMMM..",
        "..DDDDDD..HHHHHHHH..MMMMMM..",
        "..DDDDDD..HHHHHHHH..MMMMMM..",
        "......EEEEEEEEEEEEEEEE......",
        "......EEEEEEEEEEEEEEEE......",
        "......EEEEEEEEEEEEEEEE......",
        "............................",
        "............................",
    ],
    "floors": {"A": "4", "C": "1", "B": "F", "W": "3", "G": "3", "D": "F", "H": "2", "M": "F", "E": "4"},
    "edges": {
        (2, 10, "right"): "0", (2, 9, "right"): "0",     # airlock into the corridor
        (13, 11, "down"): "D", (14, 11, "down"): "F",    # bridge
        (4, 11, "down"): "D",                            # weapon bay
        (23, 11, "down"): "D",                           # gunnery
        (4, 9, "down"): "D",                             # dormitory
        (12, 9, "down"): "0", (13, 9, "down"): "0",      # the hall is open to the corridor
        (14, 9, "down"): "0", (15, 9, "down"): "0",
        (22, 9, "down"): "D",                            # medical bay
        (13, 5, "down"): "D",                            # hall down into the engine room
        (7, 5, "down"): "F", (20, 5, "down"): "F",       # dormitory and medical bay fields
    },
}

SHIPS = {"newship": NEWSHIP, "skirmish": SKIRMISH, "freighter": FREIGHTER, "gunship": GUNSHIP}


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
        beyond = room(x + 1, y) if edge == "right" else room(x, y - 1)
        if room(x, y) == beyond:
            raise SystemExit(f"the {edge} edge of ({x}, {y}) lies inside room {beyond}: no wall stands there")
        tiles[(x, y)][1 if edge == "right" else 2] = code

    lines = ["ship", str(width), str(height)]
    for y in range(height - 1, -1, -1):
        lines.append("".join("".join(tiles[(x, y)]) + " " for x in range(width)))
    return "\n".join(lines) + "\n"


def main():
    for name, ship in SHIPS.items():
        write_text(f"Assets/Ship/{name}.txt", layout_text(ship))


if __name__ == "__main__":
    main()
