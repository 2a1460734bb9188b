#!/usr/bin/env python3
"""Writes the basic prefabs into Assets/Prefabs/: the bare object every level builds on, the camera,
the marker and beacon the object tests place, and the pieces of the first level (brackwater) that
other rooms reuse: floor and wall tiles, the two walking figures, the title's glyphs, the lamps, the
lantern, drifting dust, sparks and a stack crate.

Tiles and figures are 32-pixel pictures drawn 96 units wide (3 units a pixel): their Transform
scales them, so their sprites carry no size. Edit the numbers here and run the script; each prefab
goes to the file named after it.
"""
from content import sprite, write_prefabs

PREFABS = {}

TILE = 96
FULL_TURN = 6.283185


def objects():
    # What a level object of its own components only is made from.
    PREFABS["Default"] = {"Transform": None}
    PREFABS["Camera"] = {"Transform": None, "Camera": None}
    # A half-size place, and a beacon that spawns two of them beside itself.
    PREFABS["Marker"] = {"Transform": {"scale": [0.5, 0.5]}}
    PREFABS["Beacon"] = {
        "Transform": None,
        "Registerer": {"registryType": "INTERACTABLES"},
        "ChildSpawner": {"objects to spawn": [{"offset": [-32, 0], "prefab": "Marker"},
                                              {"offset": [32, 0], "prefab": "Marker"}]},
    }


def tiles_and_figures():
    PREFABS["FloorTile"] = {"Transform": {"scale": [TILE, TILE]}, "Sprite": sprite("floor", layer="DL_FLOOR")}
    PREFABS["WallTile"] = {"Transform": {"scale": [TILE, TILE]}, "Sprite": sprite("wall")}
    # Lamplight stops at crates: they block light, and bodies meet them as part of the map.
    PREFABS["CargoCrate"] = {
        "Transform": {"scale": [64, 64]},
        "Sprite": sprite("crate"),
        "RectangleCollider": {"group": "LIGHT_BLOCK", "mapFlag": True, "scale": [64, 64]},
    }
    PREFABS["Walker"] = {"Transform": {"scale": [TILE, TILE]},
                         "Sprite": sprite("player", animated=True, period=0.15)}
    PREFABS["Crawler"] = {"Transform": {"scale": [TILE, TILE]},
                          "Sprite": sprite("enemy", animated=True, period=0.3)}
    # One glyph of the font; TitleText lays a level's title out in them.
    PREFABS["HUD_Digit"] = {"Transform": {"scale": [48, 72]}, "Sprite": sprite("font", layer="DL_HUD")}
    PREFABS["TitleText"] = {"Transform": None, "TextToSprite": {"digitType": "HUD_Digit", "layer": "DL_HUD"}}


def lights():
    PREFABS["WarmLamp"] = {
        "Transform": None,
        "PointLight": {"c1": 0.0, "c2": 0.2, "c3": 0.8, "color": [1.0, 0.78, 0.5, 1.0], "scale": [640, 640]},
    }
    PREFABS["FlickeringLamp"] = {
        "Transform": None,
        "PointLight": {"c1": 0.0, "c2": 0.3, "c3": 0.7, "color": [0.45, 0.8, 1.0, 0.9], "scale": [520, 520]},
        "LightFlicker": None,
    }
    # A glow whose light the crates' shadows cut.
    PREFABS["Lantern"] = {"Transform": None, "Light": {"color": [0.85, 0.55, 0.2, 0.7], "radius": 340}}


def particles():
    # Motes over the whole of brackwater's floor (the spawn box), fading in and out as they drift.
    PREFABS["DriftingDust"] = {
        "Transform": None,
        "ParticleSystem": {
            "texture": "white", "blendMode": 0, "layer": "DL_PARTICLES", "maxParticles": 80, "initialSpawn": 40,
            "spawnRate": 6.0, "ageMin": 5.0, "ageMax": 9.0, "scaleMin": 4.0, "scaleMax": 7.0,
            "spawnRandos": [-420, 420, -230, 230],
            "color1": [1.0, 0.9, 0.7, 0.0], "color2": [1.0, 0.92, 0.75, 0.8], "color3": [1.0, 0.9, 0.7, 0.0],
            "angularVelocityMin": -0.5, "angularVelocityMax": 0.5,
            "velocityDirAngleMin": 0.0, "velocityDirAngleMax": FULL_TURN,
            "velocityMagnitudeMin": 4.0, "velocityMagnitudeMax": 18.0},
        "ParticleBoxSpawnModifier": None,
    }
    # Sparks spraying from the flickering lamp.
    PREFABS["Sparks"] = {
        "Transform": None,
        "ParticleSystem": {
            "texture": "white", "blendMode": 2, "layer": "DL_PARTICLES", "maxParticles": 64, "initialSpawn": 0,
            "spawnRate": 24.0, "ageMin": 0.3, "ageMax": 0.9, "scaleMin": 4.0, "scaleMax": 8.0, "scaleRate": 0.8,
            "spawnRandos": [0.0, FULL_TURN, 0.0, 6.0],
            "color1": [1.0, 0.95, 0.7, 1.0], "color2": [1.0, 0.55, 0.15, 1.0], "color3": [0.0, 0.0, 0.0, 0.0],
            "angularVelocityMin": -6.0, "angularVelocityMax": 6.0,
            "velocityDirAngleMin": 0.7, "velocityDirAngleMax": 2.4,
            "velocityMagnitudeMin": 60.0, "velocityMagnitudeMax": 170.0},
    }


def main():
    objects()
    tiles_and_figures()
    lights()
    particles()
    write_prefabs(PREFABS)


if __name__ == "__main__":
    main()
