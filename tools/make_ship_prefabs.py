#!/usr/bin/env python3
"""Writes the prefabs of the ship's interior into Assets/Prefabs/: the tiles a ShipMap makes from
its layout codes, their rubble and particles, the hole a depressurised room leaves, the throne
room's shield wall, the ship's thruster flame, and what an encounter ship holds besides (its hatch,
cover, crates, comm station, escape pod, stash, soda machine and jukebox, the open space round it
and the sky behind it).

One tile is 128 world units (a 32-pixel picture at 4 units a pixel). Tile objects stand at their
tile's centre; walls and fields are shifted onto the tile's right or bottom edge by their sprite
offset (in tile units, as the sprite scales with its Transform) and by their collider offset (in
world units). Wall colliders reach 8 units past each end, so corners close.

Edit the numbers here and run the script; each prefab goes to the file named after it without
blanks, as the editor saves prefabs.
"""
from content import health, sprite, timed_destruction, write_prefabs

TILE = 128
WALL_THICKNESS = 16           # of the wall colliders
WALL_LENGTH = TILE + WALL_THICKNESS


def tile_transform():
    return {"scale": [TILE, TILE]}


def wall_collider(side, group="WALL"):
    """A static rectangle along the tile's right ("side") or bottom edge."""
    if side == "side":
        return {"group": group, "mapFlag": True, "scale": [WALL_THICKNESS, WALL_LENGTH], "offset": [TILE / 2, 0]}
    return {"group": group, "mapFlag": True, "scale": [WALL_LENGTH, WALL_THICKNESS], "offset": [0, -TILE / 2]}


# The main layer draws the greater y first. A wall sorts by where it stands (its "yOrderOffset", in
# world units, from the tile's centre), not by the tile's centre: one on the bottom edge by that
# edge, so that whoever touches it from above is drawn behind it and whoever touches it from below
# in front; one on the right edge by its lower end, so that whoever touches it along its length is
# drawn behind it.
SIDE_SORT = -(TILE / 2 + WALL_THICKNESS / 2)
BOTTOM_SORT = -TILE / 2
# The pictures' sizes in tile units and where they sit on the tile (sprite offsets, tile units).
SIDE_WALL_PICTURE = {"scale": [0.25, 1.25], "offset": [0.5, 0.125],       # 8 x 40 pixels, standing up from the edge
                     "yOrderOffset": SIDE_SORT}
BOTTOM_WALL_PICTURE = {"scale": [1.0, 0.625], "offset": [0.0, -0.3125],   # 32 x 20 pixels, standing up from the edge
                       "yOrderOffset": BOTTOM_SORT}
FACING_FIELD_PICTURE = {"scale": [1.0, 0.375], "offset": [0.0, -0.5],     # 32 x 12 pixels, on the edge
                        "yOrderOffset": BOTTOM_SORT}
BOSS_WALL_PICTURE = {"scale": [1.0, 1.5], "offset": [0.0, -0.25],         # 32 x 48 pixels
                     "yOrderOffset": BOTTOM_SORT}

PREFABS = {}
STAR_TILE = 1024              # a 256-pixel picture of stars at 4 units a pixel


def floor(name, source):
    PREFABS[name] = {"Transform": tile_transform(), "Sprite": sprite(source, layer="DL_FLOOR")}


def side_wall(name, source):
    PREFABS[name] = {
        "Transform": tile_transform(),
        "Sprite": sprite(source, **SIDE_WALL_PICTURE),
        "RectangleCollider": wall_collider("side"),
        "WallLogic": {"type": 0},
    }


def bottom_wall(name, source):
    PREFABS[name] = {
        "Transform": tile_transform(),
        "Sprite": sprite(source, **BOTTOM_WALL_PICTURE),
        "RectangleCollider": wall_collider("bottom"),
        "WallLogic": {"type": 1},
    }


def main():
    # Floors: the codes '1' to '4', and the deck plates of the random floor 'F'.
    floor("bars_floor", "ship_floor_bars")
    floor("ice_floor", "ship_floor_ice")
    floor("slats_floor", "ship_floor_slats")
    floor("alt_bars_floor", "ship_floor_alt_bars")
    floor("normal floor tile", "ship_floor_pirate_01")
    floor("pirate floor 02", "ship_floor_pirate_02")
    floor("pirate floor 03", "ship_floor_pirate_03")
    floor("pirate floor 04", "ship_floor_pirate_04")

    # Walls: 'W' on the right edge, 'I' on the bottom edge (one of up to eight, the first by default).
    side_wall("normal right wall", "ship_wall_side")
    bottom_wall("EN_floor_pirate_01", "ship_wall_bottom")
    bottom_wall("bottom wall pipe", "ship_wall_bottom_02")
    bottom_wall("bottom wall vent", "ship_wall_bottom_03")
    bottom_wall("normal bottom wall outside", "ship_wall_outside")

    # Force fields stop projectiles (their group meets both sides' shots) and let bodies through.
    PREFABS["force field side"] = {
        "Transform": tile_transform(),
        "Sprite": sprite("force_field_side", animated=True, period=0.1, **SIDE_WALL_PICTURE),
        "RectangleCollider": wall_collider("side", group="DOORS"),
        "SimpleForceFieldLogic": {"type": 1},
    }
    PREFABS["force field facing"] = {
        "Transform": tile_transform(),
        "Sprite": sprite("force_field_facing", animated=True, period=0.1, **FACING_FIELD_PICTURE),
        "RectangleCollider": wall_collider("bottom", group="DOORS"),
        "SimpleForceFieldLogic": {"type": 0},
    }
    PREFABS["force particle"] = {
        "Transform": {"scale": [12, 12]},
        "Sprite": sprite("particle_dot", layer="DL_PARTICLES", color=[0.45, 0.85, 1.0, 0.9]),
        "Rigidbody": {"invMass": 1.0},
        "TimedDestruction": timed_destruction(TILE / 120.0),
    }

    # The door: its picture and collider on the door object, its logic on a child that the player
    # interacts with; the logic shuts the door when it is attached.
    PREFABS["door"] = {
        "Transform": tile_transform(),
        "Sprite": sprite("ship_door", **BOTTOM_WALL_PICTURE),
        "RectangleCollider": wall_collider("bottom"),
        "ChildSpawner": {"objects to spawn": [{"prefab": "door logic", "offset": [0, -TILE / 2]}]},
    }
    PREFABS["door logic"] = {
        "Transform": None,
        "SimpleDoorLogic": None,
        "CircleCollider": {"group": "INTERACTION_ZONE", "ghost": True, "radius": 96},
    }

    # The throne room: raised walls, and the cracked ones (the map sets each one's picture and delay).
    PREFABS["boss_wall_raised"] = {
        "Transform": tile_transform(),
        "Sprite": sprite("boss_wall_raised", **BOSS_WALL_PICTURE),
        "RectangleCollider": wall_collider("bottom"),
    }
    PREFABS["boss_wall_front_broken"] = {
        "Transform": tile_transform(),
        "Sprite": sprite("boss_wall_front_broken", **BOSS_WALL_PICTURE),
        "RectangleCollider": wall_collider("bottom"),
        "WallLogic": {"type": 1},
        "BossWallExplosion": None,
    }
    # The shield over the throne, which the throne room's field generator raises at (1600, 2300) and
    # lowers when it is shot down: six tiles wide and three high, it stops the player and every
    # shot, so the throne can be hurt only once the generator is gone. It is drawn over the throne
    # (sorted as if 200 units lower), which shows through it.
    PREFABS["BossField"] = {
        "Transform": {"scale": [6 * TILE, 3 * TILE + 16]},
        "Sprite": sprite("boss_field", animated=True, period=0.12, yOrderOffset=-200.0),
        "RectangleCollider": {"group": "WALL", "mapFlag": True, "scale": [6 * TILE, 3 * TILE + 16]},
    }

    for number in (1, 2, 3):
        PREFABS[f"rubble_red_{number}"] = {
            "Transform": {"scale": [48, 48]},
            "Sprite": sprite(f"rubble_red_{number}", layer="DL_FLOOR"),
        }

    # The hole of a vented room: its trigger reaches over a large room and pushes what it touches
    # along the air's flow.
    PREFABS["DepressurizationEffect"] = {
        "Transform": None,
        "DepressurizationEffect": {"force": 4000.0},
        "CircleCollider": {"group": "PHYSICS_ZONE", "ghost": True, "radius": 1600},
    }

    PREFABS["ship thruster flame"] = {
        "Transform": {"scale": [64, 32]},
        "Sprite": sprite("ship_thruster_flame", animated=True, period=0.06, draw=False),
    }

    # The airlock hatch of an encounter ship: interacting with it (as with a door) takes the player
    # back to the overworld, and the hint shows as the player nears it. It is drawn above the ship's
    # floor: first on the main layer (its large order offset) and lit as the main layer is. Its use
    # zone is the drawn hatch's circle.
    PREFABS["EN_Exit"] = {
        "Transform": {"scale": [112, 112]},
        "Sprite": sprite("exit_hatch", animated=True, period=0.5, yOrderOffset=100000),
        "CircleCollider": {"group": "INTERACTION_ZONE", "ghost": True, "radius": 56},
        "LoadMainZone": None,
        "ActionHintController": None,
    }

    # Steel cargo to take cover behind: stops everyone and every shot, like a wall.
    PREFABS["EN_Cover"] = {
        "Transform": {"scale": [80, 80]},
        "Sprite": sprite("crate_metal"),
        "RectangleCollider": {"group": "WALL", "mapFlag": True, "scale": [80, 80]},
    }
    # A wooden supply crate: the player shoots it open for what it drops (ammunition, a special,
    # loot).
    PREFABS["EN_SupplyCrate"] = {
        "Transform": {"scale": [64, 64]},
        "Sprite": sprite("crate"),
        "RectangleCollider": {"group": "PROPS", "mapFlag": True, "scale": [64, 64]},
        "Health": health(20, "event:/SFX/WallbreakV2"),
        "FlickerOnDeath": None,
        "SpawnOnDestruction": {"ammoPrefab": "Ammo_Pickup", "ammoChance": 0.6},
    }
    boarding_fixtures()

    write_prefabs(PREFABS)


def boarding_fixtures():
    """What else an encounter ship holds besides its walls, cover and crates."""
    # The ship's comm station: it starts the HUD's clock when the boarding begins, and using it
    # jams the call for help (the clock runs at half speed) or lets it through again.
    PREFABS["EN_CommStation"] = {
        "Transform": {"scale": [96, 96]},
        "Sprite": sprite("comm_station", animated=True, period=0.5),
        "CircleCollider": {"group": "INTERACTION_ZONE", "ghost": True, "radius": 64},
        "CommStationsControls": None,
        "ActionHintController": None,
    }
    # The captain's escape pod: using it ends the run, with what has been collected so far. Its
    # picture is its own (a capsule over an "END RUN" plate), so that nobody takes it for the hatch.
    PREFABS["EN_EscapePod"] = {
        "Transform": {"scale": [128, 128]},
        "Sprite": sprite("escape_pod", animated=True, period=0.25, yOrderOffset=100000),
        "CircleCollider": {"group": "INTERACTION_ZONE", "ghost": True, "radius": 56},
        "LoadEndScreen": None,
        "ActionHintController": None,
    }
    # The airlock's stash: a gun thrown near it is drawn in and kept for the end of the run.
    PREFABS["EN_Stash"] = {
        "Transform": {"scale": [80, 80]},
        "Sprite": sprite("crate_metal", color=[0.6, 1.0, 0.75, 1.0]),
        "CircleCollider": {"group": "COLLECTION_ZONE", "ghost": True, "radius": 90},
        "CollectionZone": None,
    }
    # The mess's soda machine: every shot that hits it knocks a can out.
    PREFABS["EN_SodaMachine"] = {
        "Transform": {"scale": [96, 96]},
        "Sprite": sprite("console_prop", color=[1.0, 0.6, 0.5, 1.0]),
        "RectangleCollider": {"group": "PROPS", "mapFlag": True, "scale": [80, 80]},
        "YerbaOnContact": None,
    }
    # The crew's jukebox: using it starts or stops the music.
    PREFABS["EN_Jukebox"] = {
        "Transform": {"scale": [96, 96]},
        "Sprite": sprite("console_prop", color=[0.8, 0.65, 1.0, 1.0]),
        "CircleCollider": {"group": "INTERACTION_ZONE", "ghost": True, "radius": 64},
        "InteractJukebox": None,
        "ActionHintController": None,
    }
    # Open space round the ship: a player who drifts this far out through a breach is lost. The
    # level sizes each side.
    PREFABS["EN_Void"] = {
        "Transform": None,
        "RectangleCollider": {"group": "PHYSICS_ZONE", "ghost": True, "mapFlag": True, "scale": [TILE, TILE]},
        "KillOnContact": None,
    }
    # Where the mouse points, in the fight's world.
    PREFABS["EN_Crosshair"] = {
        "Transform": None,
        "Sprite": sprite("ui_crosshair", (48, 48), layer="DL_HUD"),
        "MouseWorldTracker": None,
    }
    # A tile of the near stars behind the ship: the level lays them in a grid, and each follows the
    # camera most of the way, so that together they seem far off.
    PREFABS["EN_StarField"] = {
        "Transform": None,
        "Sprite": sprite("space_stars_near", (STAR_TILE, STAR_TILE), layer="DL_BACKGROUND"),
        "ParallaxController": {"target": "EN Camera", "mutliplier": 0.85},
    }
    # A piece of some earlier wreck drifting past the ship.
    PREFABS["EN_Debris"] = {
        "Transform": {"rotation": 0.6},
        "Sprite": sprite("rubble_red_2", (160, 160), layer="DL_BACKGROUND", color=[0.6, 0.6, 0.7, 1.0]),
        "ZestyDriftMotivator": {"displacement": [70.0, 12.0]},
    }
    # A far ship crossing behind the fight some while after the boarding.
    PREFABS["EN_PassingShip"] = {
        "Transform": None,
        "Sprite": sprite("OW_enemy_ship_hard", (512, 512), layer="DL_BACKGROUND", color=[0.45, 0.45, 0.55, 1.0]),
        "MoveTo": {"delay": 20.0, "travelTime": 60.0},
    }


if __name__ == "__main__":
    main()
