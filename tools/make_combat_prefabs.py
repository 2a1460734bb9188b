#!/usr/bin/env python3
"""Writes the prefabs every fight uses into Assets/Prefabs/: the pistol (and the enemies' weaker
one), bullets, the rocket, the bomb and its blast, the flashes and sparks of shots, the ammunition
pickup and the points it shows, the special's cooldown bar, the reach that collects items, and the
firing range's target crate, wall and gunner.

The code names several of these itself: a bullet's impact ("BulletImpact", or "BulletSparkWall" and
"BulletSparkBoss" on walls and the boss), "Blast", "AmmoPointsFeedback", "HUD_SpecialCooldown" and
"Item_Pickup_Collider". Edit the numbers here and run the script; each prefab goes to the file named
after it.
"""
from content import gun, health, sprite, timed_destruction, write_prefabs

PREFABS = {}

MUZZLE = [30.0, 4.0]


def pistol(projectile, damage, cooldown, velocity=900.0):
    """The first gun: a muzzle flash at every shot, a magazine of twelve."""
    record = gun(sprite("gun_pistol", (64, 32)), {
        "ammoType": "BULLET", "damage": damage, "fireCooldown": cooldown, "firePos": MUZZLE,
        "fireSound": "event:/SFX/PistolShoot", "magCapacity": 12.0, "projectilePrefab": projectile,
        "reloadTime": 0.8, "shakeIntensity": 0.05, "velocity": velocity})
    record["ChildSpawner"] = {"objects to spawn": [{"offset": [36.0, 4.0], "prefab": "MuzzleFlash"}]}
    return record


def bullet(picture, group):
    return {
        "Transform": None,
        "Sprite": sprite(picture, (16, 16)),
        "CircleCollider": {"ghost": True, "group": group, "radius": 8.0},
        "Rigidbody": {"invMomentInertia": 0.0},
        "BulletLogic": None,
        "Damage": {"damage": 1.0},
        "TimedDestruction": timed_destruction(3.0),
    }


def flash(picture):
    """A short animation where a shot ends."""
    return {
        "Transform": None,
        "Sprite": sprite(picture, (40, 40), animated=True, period=0.06),
        "TimedDestruction": timed_destruction(0.24),
    }


def weapons():
    PREFABS["pistol"] = pistol("Bullet", 10.0, 0.25)
    # The enemies' pistol fires at a third of the player's rate and slower shots, which a player
    # on the move can step out of.
    PREFABS["enemy_pistol"] = pistol("EnemyBullet", 5.0, 0.9, velocity=700.0)
    PREFABS["Bullet"] = bullet("bullet", "PROJECTILE")
    PREFABS["EnemyBullet"] = bullet("bullet_enemy", "ENEMY_PROJECTILE")
    PREFABS["Rocket"] = {
        "Transform": None,
        "Sprite": sprite("rocket", (48, 24), animated=True, period=0.06),
        "CircleCollider": {"ghost": True, "group": "PROJECTILE", "radius": 12.0},
        "Rigidbody": {"invMomentInertia": 0.0},
        "RocketLogic": {"blastDamage": 25.0},
        "TimedDestruction": timed_destruction(3.0),
    }
    PREFABS["Bomb"] = {
        "Transform": None,
        "Sprite": sprite("bomb", (40, 40), animated=True, period=0.25),
        "CircleCollider": {"group": "ITEMS", "radius": 18.0},
        "Rigidbody": {"invMomentInertia": 0.0, "velocityDrag": 4.0},
        "Equippable": None,
        "SimpleBombLogic": {"timer": 3.0},
    }
    # What a bomb turns into when it goes off, as do the throne and the cracked boss walls.
    PREFABS["Blast"] = {
        "Transform": None,
        "Sprite": sprite("blast", (192, 192), animated=True),
        "CircleCollider": {"ghost": True, "group": "EXPLOSION", "radius": 90.0},
        "Blast": {"duration": 0.64},
        "Damage": {"damage": 25.0},
    }


def effects():
    PREFABS["MuzzleFlash"] = {
        "Transform": None,
        "Sprite": sprite("muzzle_flash", (32, 32), animated=True, draw=False, period=0.03),
        "MuzzleFlash": {"flashLength": 0.06},
    }
    PREFABS["BulletImpact"] = flash("bullet_impact")
    PREFABS["BulletSparkWall"] = flash("bullet_spark")
    PREFABS["BulletSparkBoss"] = flash("bullet_spark")


def pickups():
    PREFABS["Ammo_Pickup"] = {
        "Transform": None,
        "Sprite": sprite("pickup_ammo_bullet", (40, 40), animated=True, period=0.4),
        "CircleCollider": {"ghost": True, "group": "PICKUP", "radius": 20.0},
        "AmmoPickup": {"ammo": 50.0, "pickupSound": "event:/SFX/Reload"},
    }
    PREFABS["AmmoPointsFeedback"] = {
        "Transform": {"scale": [0.6, 0.6]},
        "TextToSprite": {"color": [1.0, 0.9, 0.3, 1.0], "layer": "DL_HUD"},
        "PulseAndRise": None,
        "TimedDestruction": timed_destruction(0.9),
    }
    PREFABS["HUD_SpecialCooldown"] = {
        "Transform": None,
        "Sprite": sprite("HUD_reload_bar", (96, 12), layer="DL_HUD"),
        "SpecialCooldown": None,
    }
    # The player's reach: what it touches can be taken, and loot it touches is collected.
    PREFABS["Item_Pickup_Collider"] = {
        "Transform": None,
        "CircleCollider": {"ghost": True, "group": "ITEM_PICKUP", "radius": 48.0},
        "Reputation": None,
    }


def firing_range():
    PREFABS["TargetCrate"] = {
        "Transform": None,
        "Sprite": sprite("crate", (64, 64)),
        "RectangleCollider": {"group": "PROPS", "mapFlag": True, "scale": [64.0, 64.0]},
        "Health": health(30, "event:/SFX/WallbreakV2"),
        "FlickerOnDeath": None,
    }
    PREFABS["RangeWall"] = {
        "Transform": {"scale": [96, 96]},
        "Sprite": sprite("wall"),
        "RectangleCollider": {"group": "WALL", "mapFlag": True, "scale": [96.0, 96.0]},
    }
    # A player-side figure on legs; the level hands it its gun.
    PREFABS["Gunner"] = {
        "Transform": None,
        "Sprite": sprite("player_idle_right", (96, 96), animated=True, period=0.2),
        "CircleCollider": {"group": "PLAYER", "radius": 30.0},
        "Rigidbody": {"invMomentInertia": 0.0, "velocityDrag": 8.0},
        "Legs": None,
        "Equipment": None,
        "Ammo": {"ammo_BULLET": 24.0, "ammo_EXPLOSIVE": 4.0},
        "Health": {"sound hurt": "event:/SFX/PlayerHurt"},
        "Team": {"Team": 0},
    }


def main():
    weapons()
    effects()
    pickups()
    firing_range()
    write_prefabs(PREFABS)


if __name__ == "__main__":
    main()
