#!/usr/bin/env python3
"""Writes the prefabs of the overworld into Assets/Prefabs/ (the enemy ships and the faction
waypoint come from tools/make_enemy_prefabs.py, the tutorial from tools/make_interface_levels.py):

- "OW_Corva", the player's ship: flown by ShipController, registered as OW_CORVA (the arrows and
  the tutorial look for it there), its place kept across encounters by OverworldPositionPersistance
  (the object must be named "Corva", the DataBoard's record). It collides as PLAYER, so ramming an
  enemy ship's LoadEncounter starts that ship's encounter;
- "OW_ShipDolly", a child of the player's ship: a wide ghost ring that zooms the camera in as
  ships come close and out to the whole map when none is near (ProximityDolly);
- "OW_Base", a faction's station launching ships (FactionController); the level gives each its
  picture and tint, which also tints its arrow;
- "OW_BossShip", the pirate king's galleon the level flow brings once the score reaches 3000,
  larger than any other ship, crowned, with "THE KING" under it ("OW_BossLabel"); ramming it boards
  "BossRoom"; it launches a hunter every ten seconds (SimpleShipSpawner);
  "OW_BossArrow", the large white arrow that points the way to it;
- "OW_Boundary", one wall of the map's edge (MapBoundingColliders sizes and places four);
- "OW_SpaceTile", a tile of the background (the level gives it its picture).

The overworld is seen from far out (the camera zooms out to 8 with no ship near), so its pictures
are drawn large: a 32-pixel ship is 384 units across.
"""
from content import sprite, write_prefabs

PREFABS = {}


def player_ship():
    PREFABS["OW_Corva"] = {
        "Transform": None,
        "Sprite": sprite("OW_player_ship", (384, 384)),
        "CircleCollider": {"group": "PLAYER", "radius": 140.0},
        "Rigidbody": {"invMomentInertia": 0.0, "velocityDrag": 1.5},
        # Quick to answer the stick: it reaches its 700 units a second in about a third of one.
        "Agent": {"motivator": [2500, 700, 400, 30]},
        "Team": {"Team": 0},
        "ShipController": None,
        # The flame rides behind the hull (the ship's nose points along +x) while the ship is steered.
        "ShipThruster": {"thrusterPrefab": "ship thruster flame", "offset": [-280.0, 0.0], "scale": [4.0, 4.0]},
        "Registerer": {"registryType": "OW_CORVA"},
        "OverworldPositionPersistance": None,
    }
    # Ships within 2500 units pull the camera in (zoom 0.5 at the hull to 8 at 3000 units). The ring
    # meets ships but not its own hull, whose thruster a touching ship would cut.
    PREFABS["OW_ShipDolly"] = {
        "Transform": None,
        "CircleCollider": {"group": "ENEMY", "ghost": True, "radius": 2500.0},
        "ProximityDolly": None,
    }


def stations():
    PREFABS["OW_Base"] = {
        "Transform": None,
        "Sprite": sprite("OW_base_faction_1", (768, 768)),
        "FactionController": None,
    }
    # Half again as large as any other ship, with a crown on its sails and its name under it.
    PREFABS["OW_BossShip"] = {
        "Transform": None,
        "Sprite": sprite("OW_boss_ship", (896, 896)),
        "CircleCollider": {"group": "SHIP", "radius": 320.0},
        "LoadEncounter": {"level filename": "BossRoom"},
        # Launches a hunter ("Enemy Ship") every ten seconds while the player makes for it.
        "SimpleShipSpawner": None,
        "ChildSpawner": {"objects to spawn": [{"offset": [0.0, -520.0], "prefab": "OW_BossLabel"}]},
    }
    PREFABS["OW_BossLabel"] = {
        "Transform": None,
        "Sprite": sprite("OW_boss_label", (714, 154), layer="DL_HUD"),
    }
    # Larger than the stations' arrows, and white, a tint none of them has.
    PREFABS["OW_BossArrow"] = {
        "Transform": None,
        "Sprite": sprite("OW_waypoint", (448, 448), layer="DL_HUD"),
    }


def scenery():
    PREFABS["OW_Boundary"] = {
        "Transform": None,
        "RectangleCollider": {"group": "WORLD_BOUNDARY", "scale": [1.0, 1.0]},
    }
    PREFABS["OW_SpaceTile"] = {
        "Transform": None,
        "Sprite": sprite("space_background", (2048, 2048), layer="DL_BACKGROUND"),
    }


def main():
    player_ship()
    stations()
    scenery()
    write_prefabs(PREFABS)


if __name__ == "__main__":
    main()
