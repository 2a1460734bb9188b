#!/usr/bin/env python3
"""Writes the encounter levels, Assets/LevelFiles/<name>.json, that the overworld's enemy ships
name in their LoadEncounter "level filename". Each stands on a ship layout of
tools/make_ship_layouts.py (run that first when a plan changes) and holds:

- the ship object (ShipMap, PressureTracker, PathGraph, registered as a ship);
- a LevelManager, which turns the player's death or exit into the level flow's events;
- the boarding party's arrival in the airlock: the player "Player1" and the exit hatch (EN_Exit,
  LoadMainZone: interacting with it leaves the encounter). The player brings what it carried out of
  the last encounter (its controller equips the run's carried items on waking); a pistol lies at its
  feet for a player who boards empty-handed, as on the first ram of a run;
- "EN Camera", the camera the encounter's interface looks for;
- SpawnAreas, which the level flow fills with enemies when the encounter starts (SpawnEnemies):
  how many at most and how much harder than the attacked faction's anger is set per room; each
  also marks its square as a region (TriggerRegion) for whoever edits the level;
- a lamp in every room, steel cargo to take cover behind, supply crates to shoot open, ammunition
  and loot;
- the stash by the airlock (guns thrown at it are kept for the end of the run), and per ship its
  soda machine, its jukebox and the captain's escape pod, which ends the run;
- on the ships that call for help, the comm station, which starts the HUD's clock; when the clock
  runs out, the reinforcement spawners teleport police bears in every five seconds;
- the help key: H opens the how-to-play page over the fight (Escape pauses it from the player);
- the crosshair, the stars behind the ship, some wreckage and a far ship drifting past, and the open
  space round the ship, where a player blown out through a breach is lost.

Everything is placed by room: a room is the set of tiles of one letter of the plan, and positions
inside it are fractions of its bounding box ((0, 0) its lower left tile's centre, (1, 1) its upper
right one's). A prefab the level names must exist under Assets/Prefabs/, or the script stops.
"""
from content import LevelFile, prefab_exists
from make_ship_layouts import SHIPS
from make_ship_prefabs import STAR_TILE

TILE = 128

# Per encounter: the ship's layout, and per room letter what stands in it.
#   spawns: {room: (maxSpawn, difficultyModifer)}
#   cover:    {room: [(fx, fy), ...]}   steel crates that stop shots
#   supplies: {room: [(fx, fy), ...]}   wooden crates to shoot open for ammunition, specials, loot
#   ammo:     {room: [(fx, fy), ...]}   ammunition pickups
#   loot:     {room: [(prefab, fx, fy), ...]}
#   stash, soda, jukebox, pod, station: (room, fx, fy) of the stash, the soda machine, the jukebox,
#             the escape pod and the comm station (a ship without a station is not played against
#             the clock). The hint over what F works on stands 128 units above it: so that it shows
#             over the deck, clear of the wall, such a thing stands at least a tile below a room's top
#             wall, and nothing stands just above it (nor just above the airlock's hatch). The escape pod
#             stands a tile clear of the side walls, which would hide its plate
#   reinforcements: [(x, y), ...]   world places of the reinforcement spawners, each at least 500
#             units from the hull every way: the bears land anywhere in the square around it
ENCOUNTERS = {
    # The easy ship: a few enemies in the hold, the mess and on the bridge.
    "skirmish": {
        "ship": "skirmish",
        "spawns": {"H": (2, 0), "M": (2, 0), "B": (3, 1)},
        "cover": {"H": [(0.75, 0.3)], "M": [(0.3, 0.5), (0.7, 0.5)], "B": [(0.3, 0.7), (0.3, 0.3)],
                  "C": [(0.45, 0.5)]},
        "supplies": {"H": [(0.2, 0.8), (0.3, 0.8), (0.9, 0.9)], "S": [(0.1, 0.2), (0.2, 0.2), (0.9, 0.9)]},
        "ammo": {"A": [(0.5, 0.2)], "S": [(0.8, 0.2)], "E": [(0.5, 0.5)]},
        "loot": {"E": [("EN_Loot_Small", 0.2, 0.8), ("EN_Loot_Small", 0.3, 0.8)],
                 "M": [("EN_Loot_Medium", 0.9, 0.9)], "B": [("EN_Loot_Large", 0.9, 0.5)]},
        "stash": ("A", 0.0, 0.0),
        "soda": ("M", 0.0, 1.0),
        "jukebox": ("M", 0.5, 2 / 3),
        "pod": ("B", 0.75, 0.8),
    },
    # The medium ship: the cargo bay is the fight, quarters and reactor hold more.
    "freighter": {
        "ship": "freighter",
        "spawns": {"K": (4, 0), "Q": (2, 1), "R": (2, 1), "E": (2, 1)},
        "cover": {"K": [(0.5, 0.15), (0.35, 0.5), (0.65, 0.5)], "L": [(0.2, 0.8), (0.8, 0.8)],
                  "C": [(0.3, 0.5), (0.7, 0.5)]},
        "supplies": {"K": [(0.0, 0.15), (0.05, 0.15), (0.95, 0.95), (1.0, 0.95)], "Q": [(0.1, 0.9)],
                     "R": [(0.9, 0.1)]},
        "ammo": {"A": [(0.5, 0.3)], "L": [(0.5, 0.3)], "K": [(0.5, 0.95)]},
        "loot": {"Q": [("EN_Loot_Medium", 0.9, 0.9)], "R": [("EN_Loot_Large", 0.5, 0.9)],
                 "E": [("EN_Loot_Small", 0.1, 0.2), ("EN_Loot_Small", 0.2, 0.2), ("EN_Loot_Medium", 0.9, 0.8)]},
        "stash": ("A", 0.0, 0.0),
        "soda": ("Q", 1.0, 0.4),
        "jukebox": ("Q", 0.0, 0.4),
        "pod": ("R", 0.75, 0.55),
        "station": ("Q", 0.5, 5 / 6),
        # In the cargo bay, low enough that the bears land between its top wall and the corridor.
        "reinforcements": [(2112, 1500)],
    },
    # The hard ship: every room is held, the hall and the bridge by the most.
    "gunship": {
        "ship": "gunship",
        "spawns": {"B": (3, 2), "W": (2, 1), "G": (2, 1), "H": (3, 1), "M": (2, 1), "E": (3, 2)},
        "cover": {"H": [(0.3, 0.5), (0.7, 0.5)], "E": [(0.25, 0.5), (0.5, 0.5), (0.75, 0.5)],
                  "B": [(0.3, 0.3), (0.7, 0.3)]},
        "supplies": {"D": [(0.2, 0.2), (0.8, 0.8)], "W": [(0.1, 0.8), (0.2, 0.8)], "G": [(0.9, 0.8)]},
        "ammo": {"C": [(0.05, 0.5)], "D": [(0.5, 0.5)], "M": [(0.5, 0.5)]},
        "loot": {"B": [("EN_Loot_Large", 0.5, 0.9)], "M": [("EN_Loot_Medium", 0.9, 0.2)],
                 "E": [("EN_Loot_Small", 0.05, 0.5), ("EN_Loot_Small", 0.95, 0.5), ("EN_Loot_Medium", 0.5, 0.1)]},
        "stash": ("C", 0.0, 0.0),
        "soda": ("M", 1.0, 1.0),
        "jukebox": ("M", 0.0, 2 / 3),
        "pod": ("B", 6 / 7, 0.6),
        "station": ("B", 0.2, 0.75),
        # In the corridor under the bridge, so that the bears land in the bridge, the corridor or the hall.
        "reinforcements": [(1792, 1280)],
    },
}

AIRLOCK = "A"


class ShipRooms:
    """The rooms of a ship's plan, in tiles (y from the bottom row, as the ShipMap counts)."""

    def __init__(self, plan):
        height = len(plan)
        self.tiles = {}
        for row, text in enumerate(plan):
            for x, letter in enumerate(text):
                if letter != ".":
                    self.tiles.setdefault(letter, []).append((x, height - 1 - row))

    def box(self, room):
        if room not in self.tiles:
            raise SystemExit(f"the plan has no room {room}")
        xs = [x for x, _ in self.tiles[room]]
        ys = [y for _, y in self.tiles[room]]
        return min(xs), min(ys), max(xs), max(ys)

    def at(self, room, fx, fy):
        """World position of a fraction of the room's box (tile centres at its ends)."""
        left, bottom, right, top = self.box(room)
        return ((left + fx * (right - left)) * TILE + TILE / 2, (bottom + fy * (top - bottom)) * TILE + TILE / 2)

    def spawn_side(self, room):
        """The side of the square a SpawnArea fills: the room's shorter side, a tile clear of its walls."""
        left, bottom, right, top = self.box(room)
        return max(0, min(right - left, top - bottom) - 1) * TILE


def require_prefab(name):
    if not prefab_exists(name):
        raise SystemExit(f"prefab {name} does not exist")
    return name


def write_encounter(name, encounter):
    rooms = ShipRooms(SHIPS[encounter["ship"]]["plan"])
    level = LevelFile()

    def add(object_name, prefab, position, components=None):
        level.add(object_name, require_prefab(prefab), position, components)

    add("Ship", "Default", (0, 0), {
        "Transform": {"scale": [TILE, TILE]},
        "ShipMap": {"filename": f"Assets/Ship/{encounter['ship']}.txt"},
        "PressureTracker": {},
        "PathGraph": {},
        "Registerer": {"registryType": "SHIPS"},
    })
    add("Level Manager", "Default", (0, 0), {"LevelManager": {}})

    # The hatch stands against the airlock's outer wall, the player just inside.
    add("Exit", "EN_Exit", rooms.at(AIRLOCK, 0.0, 0.5))
    start = rooms.at(AIRLOCK, 0.8, 0.5)
    add("Player1", "Player", start)
    add("Boarding Pistol", "pistol", (start[0], start[1] - 60))
    # The zoom stays as it is, save when a player lost in open space draws the camera in.
    add("EN Camera", "Camera", start, {"Transform": {"scale": [1.1, 1.1]}, "CameraLeash": {"name of focus": "Player1"},
                                       "ZoomManager": {"zoom": 1.1}})

    for room in sorted(rooms.tiles):
        add(f"Lamp {room}", "WarmLamp", rooms.at(room, 0.5, 0.5))
    for room, (most, harder) in encounter["spawns"].items():
        add(f"Spawn {room}", "Default", rooms.at(room, 0.5, 0.5),
            {"SpawnArea": {"radius": rooms.spawn_side(room), "maxSpawn": most, "difficultyModifer": harder},
             "TriggerRegion": {}})
    for room, places in encounter["cover"].items():
        for number, (fx, fy) in enumerate(places, start=1):
            add(f"Cover {room}{number}", "EN_Cover", rooms.at(room, fx, fy))
    for room, places in encounter["supplies"].items():
        for number, (fx, fy) in enumerate(places, start=1):
            add(f"Supplies {room}{number}", "EN_SupplyCrate", rooms.at(room, fx, fy))
    for room, places in encounter["ammo"].items():
        for number, (fx, fy) in enumerate(places, start=1):
            add(f"Ammunition {room}{number}", "Ammo_Pickup", rooms.at(room, fx, fy))
    for room, places in encounter["loot"].items():
        for prefab, fx, fy in places:
            # Each piece is named after its prefab.
            add(prefab, prefab, rooms.at(room, fx, fy))

    for object_name, prefab, key in (("Stash", "EN_Stash", "stash"), ("Soda Machine", "EN_SodaMachine", "soda"),
                               ("Jukebox", "EN_Jukebox", "jukebox"), ("Escape Pod", "EN_EscapePod", "pod"),
                               ("Comm Station", "EN_CommStation", "station")):
        if key in encounter:
            add(object_name, prefab, rooms.at(*encounter[key]))
    for number, place in enumerate(encounter.get("reinforcements", []), start=1):
        add(f"Reinforcements {number}", "Default", place, {"EnemyReinforcementSpawner": {}})

    add("Help Key", "HotKey", (0, 0), {"KeyDetector": {"Key": ord("H")},
                                       "HowToPlayButton": {"target": "how_to_play", "space": "MenuSpace1"}})
    add("Crosshair", "EN_Crosshair", start)
    surroundings(add, SHIPS[encounter["ship"]]["plan"])
    level.write(name)


VOID_MARGIN = 6 * TILE     # open space between the ship's grid and where a drifting player is lost
VOID_THICKNESS = 2 * TILE


def surroundings(add, plan):
    """The sky behind a ship of that plan and the open space round it."""
    width, height = len(plan[0]) * TILE, len(plan) * TILE
    # Star tiles over the ship and the open space round it, as far as the camera goes (the player
    # is lost at the open space's edge): the parallax shifts them by a sixth of the camera's way.
    for column in range(-3, 4):
        for row in range(-2, 3):
            add("Stars", "EN_StarField", (width / 2 + column * STAR_TILE, height / 2 + row * STAR_TILE))
    add("Wreckage", "EN_Debris", (-1200, height * 0.8))
    add("Wreckage", "EN_Debris", (-2600, height * 0.15), {"Transform": {"rotation": 2.2, "scale": [0.7, 0.7]}})
    add("Far Ship", "EN_PassingShip", (-2500, height + 700),
        {"MoveTo": {"target position": [width + 2500, height + 300]}})
    # Four sides just outside the margin, long enough to close the corners.
    inner = (-VOID_MARGIN, -VOID_MARGIN, width + VOID_MARGIN, height + VOID_MARGIN)
    across = width + 2 * VOID_MARGIN + 2 * VOID_THICKNESS
    up = height + 2 * VOID_MARGIN + 2 * VOID_THICKNESS
    for side, at, size in (("Left", (inner[0] - VOID_THICKNESS / 2, height / 2), (VOID_THICKNESS, up)),
                           ("Right", (inner[2] + VOID_THICKNESS / 2, height / 2), (VOID_THICKNESS, up)),
                           ("Below", (width / 2, inner[1] - VOID_THICKNESS / 2), (across, VOID_THICKNESS)),
                           ("Above", (width / 2, inner[3] + VOID_THICKNESS / 2), (across, VOID_THICKNESS))):
        add(f"Open Space {side}", "EN_Void", at, {"RectangleCollider": {"scale": list(size)}})


def main():
    for name, encounter in ENCOUNTERS.items():
        write_encounter(name, encounter)


if __name__ == "__main__":
    main()
