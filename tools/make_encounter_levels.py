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
  how many at most and how much harder than the attacked faction's anger is set per room;
- a lamp in every room, steel cargo to take cover behind, supply crates to shoot open, ammunition
  and loot.

Everything is placed by room: a room is the set of tiles of one letter of the plan, and positions
inside it are fractions of its bounding box ((0, 0) its lower left tile's centre, (1, 1) its upper
right one's). A prefab the level names must exist under Assets/Prefabs/, or the script stops.
"""
from content import LevelFile, prefab_exists
from make_ship_layouts import SHIPS

TILE = 128

# Per encounter: the ship's layout, and per room letter what stands in it.
#   spawns: {room: (maxSpawn, difficultyModifer)}
#   cover:    {room: [(fx, fy), ...]}   steel crates that stop shots
#   supplies: {room: [(fx, fy), ...]}   wooden crates to shoot open for ammunition, specials, loot
#   ammo:     {room: [(fx, fy), ...]}   ammunition pickups
#   loot:     {room: [(prefab, fx, fy), ...]}
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
    add("EN Camera", "Camera", start, {"Transform": {"scale": [1.1, 1.1]}, "CameraLeash": {"name of focus": "Player1"}})

    for room in sorted(rooms.tiles):
        add(f"Lamp {room}", "WarmLamp", rooms.at(room, 0.5, 0.5))
    for room, (most, harder) in encounter["spawns"].items():
        add(f"Spawn {room}", "Default", rooms.at(room, 0.5, 0.5),
            {"SpawnArea": {"radius": rooms.spawn_side(room), "maxSpawn": most, "difficultyModifer": harder}})
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
            # Collected loot is remembered by its object's name, which the end screen pours out
            # again as a prefab: the piece is named after its prefab.
            add(prefab, prefab, rooms.at(room, fx, fy))
    level.write(name)


def main():
    for name, encounter in ENCOUNTERS.items():
        write_encounter(name, encounter)


if __name__ == "__main__":
    main()
