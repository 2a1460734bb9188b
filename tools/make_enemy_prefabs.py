#!/usr/bin/env python3
"""Writes the prefabs of the adversaries into Assets/Prefabs/: the basic enemy of the AI arena (its
pistol and bullets come from tools/make_combat_prefabs.py), the walking enemies (ducks, bugs,
bears and their tougher kinds, the police bear), their guns and shots, the drone carrier and its
drones, the teleport flash that brings reinforcements, the overworld's enemy ships and the
faction waypoint, and the stationary hazards (turret, beam drone with its beam, teleporter pad),
the bandit and the path-following hunter.

Every enemy is warm-coloured with red eyes (the pictures' own palette), fights for team 1 (ENEMY),
is listed under ENEMIES, blinks away through FlickerOnDeath when it dies and says so with its own
sound; the walking ones face the way they go and fall down dead (CharacterAnimator). A kind's numbers (hitpoints, speed, gun) are here; edit them and run the script. Each prefab
goes to the file named after it without blanks, as the editor saves prefabs.
"""
from content import gun, health, sprite, timed_destruction, write_prefabs

PREFABS = {}

ENEMY_TEAM = {"Team": 1}


def motivator(speed, acceleration=15000, turn_acceleration=300, turn_speed=25):
    """The Agent's four limits: maximum acceleration, speed, angular acceleration, rotation."""
    return {"motivator": [acceleration, speed, turn_acceleration, turn_speed]}


def enemy_body(picture, size, radius, hitpoints, death_sound, speed, drag=4.0):
    """What every steered enemy is made of besides its controller and its weapon."""
    return {
        "Transform": None,
        "Sprite": sprite(picture, size, animated=True, period=0.15),
        "CircleCollider": {"group": "ENEMY", "radius": float(radius)},
        "Rigidbody": {"invMomentInertia": 0.0, "velocityDrag": drag},
        "Agent": motivator(speed),
        "AimingModule": None,
        "Team": dict(ENEMY_TEAM),
        "Health": health(hitpoints, death_sound),
        "FlickerOnDeath": None,
        "Registerer": {"registryType": "ENEMIES"},
        # What killing it adds to the run's score: the tougher, the more. With the loot, a cleared
        # ship pays about 900 (the easy one) to 1500 (the hard one), so the 3000 that bring the
        # boss's ship take a few boardings.
        "ReputationValue": {"value": 3 * hitpoints // 2},
    }


def shot(name, picture, size, radius, damage, lifetime=3.0):
    PREFABS[name] = {
        "Transform": None,
        "BulletLogic": None,
        "CircleCollider": {"ghost": True, "group": "ENEMY_PROJECTILE", "radius": float(radius)},
        "Damage": {"damage": float(damage)},
        "Rigidbody": {"invMomentInertia": 0.0},
        "Sprite": sprite(picture, size),
        "TimedDestruction": timed_destruction(lifetime),
    }


def enemy_gun(name, picture, ammo_type, damage, cooldown, projectile, sound, velocity, magazine, reload_time,
              spread=0.0, shown=True):
    """An enemy's weapon (it fires whenever its cooldown allows while the holder asks)."""
    picture = sprite(picture, (64, 32)) if shown else sprite(picture, (64, 32), draw=False)
    PREFABS[name] = gun(picture, {
        "ammoType": ammo_type, "damage": float(damage), "fireCooldown": cooldown, "firePos": [30.0, 4.0],
        "fireSound": sound, "magCapacity": float(magazine), "projectilePrefab": projectile, "reloadTime": reload_time,
        "shakeIntensity": 0.0, "spread": float(spread), "velocity": float(velocity)})


# Which views a kind's pictures have: all four ("<stem>_walk_back" and "_front" too), the two
# sides, or only the right side.
ALL_VIEWS, SIDE_VIEWS, RIGHT_VIEW = ("right", "left", "back", "front"), ("right", "left"), ("right",)


def animations(stem, speed, views):
    """A walking enemy's CharacterAnimator over the pictures "<stem>_walk_right" and the like. A
    kind drawn only from the sides shows them walking up and down as well ("Default"); one drawn
    only facing right shows that way round."""
    def picture(kind, side):
        if side in views:
            return f"{stem}_{kind}_{side}"
        return "Default" if side in ("back", "front") else f"{stem}_{kind}_right"
    record = {f"{kind}{side.capitalize()}": picture(kind, side)
              for kind in ("walk", "idle") for side in ALL_VIEWS}
    record.update({"death": f"{stem}_death", "maxSpeed": float(speed), "fastPeriod": 0.08, "slowPeriod": 0.3})
    return record


def walker(name, controller, picture, size, radius, hitpoints, death_sound, speed, weapon, views=SIDE_VIEWS):
    body = enemy_body(picture, size, radius, hitpoints, death_sound, speed)
    # Sorts by its feet, the bottom of its picture, as the player does (and what it holds with it).
    body["Sprite"]["yOrderOffset"] = -size[1] / 2
    body[controller] = None
    # Faces where it goes, and plays its fall when it dies (FlickerOnDeath takes it away after).
    body["CharacterAnimator"] = animations(picture[:-len("_walk_right")], speed, views)
    # Learns from its own side what it touches, so an unarmed one takes up a gun it walks over.
    body["ItemDetector"] = None
    body["Equipment"] = {"startingPrimary": weapon} if weapon else None
    # Enemies never run dry: their guns reload from a reserve that does not shrink.
    body["Ammo"] = {"infinite_BULLET": True, "infinite_ENERGY": True, "infinite_EXPLOSIVE": True}
    PREFABS[name] = body


def basic_enemy():
    # The first enemy, on the plain wander-and-chase brain, with the enemies' pistol.
    PREFABS["BasicEnemy"] = {
        "Transform": None,
        "Sprite": sprite("bandit_walk_right", (96, 96), animated=True, period=0.15, yOrderOffset=-48.0),
        "CircleCollider": {"group": "ENEMY", "radius": 30.0},
        "Rigidbody": {"invMomentInertia": 0.0, "velocityDrag": 4.0},
        "Agent": None,
        "AimingModule": None,
        "AIController": None,
        "Team": dict(ENEMY_TEAM),
        "Health": health(40),
        "FlickerOnDeath": None,
        "Registerer": {"registryType": "ENEMIES"},
        "Equipment": {"startingPrimary": "enemy_pistol"},
        "Ammo": {"ammo_BULLET": 120.0},
    }


def walking_enemies():
    shot("EnemyBolt", "laser_bolt", (32, 8), 8, 1.0)
    shot("EnemyPellet", "bullet_enemy", (12, 12), 6, 1.0, lifetime=1.2)
    # An enemy fires whenever its gun allows while it chases: these rates keep a room of them at
    # about a third of the player's health in ten seconds of standing in their fire.
    enemy_gun("enemy_rifle", "gun_rifle", "BULLET", 3.0, 0.35, "EnemyBullet", "event:/SFX/RifleShoot", 800, 30, 1.5,
              spread=6)
    enemy_gun("enemy_blaster", "gun_beam", "ENERGY", 6.0, 1.0, "EnemyBolt", "event:/SFX/LaserShoot", 900, 6, 1.2)
    enemy_gun("enemy_scattergun", "gun_shotgun", "BULLET", 3.0, 0.7, "EnemyPellet", "event:/SFX/ShotgunShoot", 700, 8,
              1.6, spread=12)

    # Ducks: quick and fragile, with pistols (the black one with a scattergun).
    walker("AI_duck", "DuckController", "duck_walk_right", (96, 96), 28, 30, "event:/SFX/DuckQuack", 260,
           "enemy_pistol")
    walker("AI_duck2", "DuckController", "duck2_walk_right", (96, 96), 28, 50, "event:/SFX/DuckQuack", 280,
           "enemy_scattergun")
    # Bugs keep their distance and snipe with blasters.
    walker("AI_bug", "BugController", "bug_walk_right", (96, 96), 30, 40, "event:/SFX/BugSquish", 200, "enemy_blaster")
    walker("AI_bug2", "BugController", "bug2_walk_right", (96, 96), 30, 60, "event:/SFX/BugSquish", 220,
           "enemy_blaster")
    # Bears are big, slow and hard, with rifles.
    walker("AI_bear", "BearController", "bear_walk_right", (112, 112), 38, 80, "event:/SFX/BearGrowl", 200,
           "enemy_rifle")
    walker("AI_bear2", "BearController", "bear2_walk_right", (120, 120), 42, 140, "event:/SFX/BearGrowl", 170,
           "enemy_rifle")
    walker("AI_bear_police", "BearController", "bear_police_walk_right", (112, 112), 38, 100, "event:/SFX/BearGrowl",
           240, "enemy_pistol")
    # The police come without end once the clock has run out: a nuisance to flee, not a prize.
    PREFABS["AI_bear_police"]["ReputationValue"] = {"value": 10}


def drones():
    shot("DroneShot", "laser_bolt", (24, 6), 6, 1.0, lifetime=1.5)
    # Drones fire from the body itself; the gun is not drawn.
    enemy_gun("drone_zapper", "gun_beam", "ENERGY", 1.0, 0.9, "DroneShot", "event:/SFX/LaserShoot", 700, 4, 1.5,
              shown=False)

    carrier = enemy_body("drone_carrier", (144, 144), 60, 60, "event:/SFX/EnemyDeath", 160, drag=3.0)
    carrier["DroneCarrierController"] = {"spawnCount_": 5, "spawnPrefab_": "DroneSpawn"}
    carrier["Sprite"]["period"] = 0.4
    PREFABS["DroneCarrier"] = carrier

    drone = enemy_body("drone", (56, 56), 22, 10, "event:/SFX/DronePop", 380, drag=2.0)
    # A drone is light: its ram strikes whoever it meets without carrying them along.
    drone["Rigidbody"]["invMass"] = 10.0
    drone["DroneSpawnController"] = None
    drone["Equipment"] = {"startingPrimary": "drone_zapper"}
    drone["Ammo"] = {"infinite_ENERGY": True}
    drone["Sprite"]["period"] = 0.1
    PREFABS["DroneSpawn"] = drone


def reinforcements():
    # The flash peaks at frame 3, where the police bear arrives, and is empty at frame 7.
    PREFABS["EN_TeleportSpawn"] = {
        "Transform": None,
        "Sprite": sprite("teleport_flash", (96, 144), animated=True, period=0.1),
        "TeleportSpawn": None,
    }


def overworld_ship(picture, controller, speed, level, radius=115):
    """An enemy ship of the overworld: it starts small and grows; ramming it starts an encounter.
    The overworld is mostly seen from far out, hence the large picture."""
    return {
        "Transform": {"scale": [0.25, 0.25]},
        "Sprite": sprite(picture, (320, 320)),
        "CircleCollider": {"group": "SHIP", "radius": float(radius)},
        "Rigidbody": {"invMomentInertia": 0.0, "velocityDrag": 1.0},
        "Agent": motivator(speed, acceleration=4000),
        "AimingModule": None,
        "Team": dict(ENEMY_TEAM),
        controller: None,
        "FactionProperty": None,
        "LoadEncounter": {"level filename": level},
    }


def overworld():
    PREFABS["OW_FactionOne_EasyShip"] = overworld_ship("OW_enemy_ship_easy", "EnemyShipController", 260, "skirmish")
    PREFABS["OW_FactionOne_MedShip"] = overworld_ship("OW_enemy_ship_med", "EnemyShipController", 320, "freighter")
    PREFABS["OW_FactionOne_HardShip"] = overworld_ship("OW_enemy_ship_hard", "HardEnemyShipController", 380, "gunship", radius=130)
    # The ship a SimpleShipSpawner launches: it hunts the player's ship, and goes as soon as any
    # encounter begins, so the player comes back to an overworld without hunters.
    PREFABS["Enemy Ship"] = overworld_ship("OW_enemy_ship_med", "HardEnemyShipController", 300, "skirmish")
    PREFABS["Enemy Ship"]["DestroyOnEncounter"] = None
    # The arrow from the player's ship toward a base, tinted in the base's colour.
    PREFABS["OW_waypoint"] = {
        "Transform": None,
        "Sprite": sprite("OW_waypoint", (256, 256), layer="DL_HUD"),
    }


def teleporter():
    # The pad stands on the floor; its child takes the interaction and runs the pad's flash, which
    # brings a bear in at frame 3.
    PREFABS["TeleporterPad"] = {
        "Transform": None,
        "Sprite": sprite("teleport_flash", (96, 144), period=0.1, draw=False),
    }
    PREFABS["Teleporter"] = {
        "Transform": None,
        "Sprite": sprite("teleporter_pad", (96, 96), layer="DL_FLOOR"),
        "CircleCollider": {"group": "INTERACTION_ZONE", "ghost": True, "radius": 60.0},
        "Teleporter": None,
    }


def bandits():
    # Bandits fight with rifles and turn slowly; the hunter finds its way through the ship to you.
    walker("AI_bandit", "BanditController", "bandit_walk_right", (96, 96), 30, 60, "event:/SFX/EnemyDeath", 230,
           "enemy_rifle", views=ALL_VIEWS)
    walker("AI_hunter", "TestController", "hunter_walk_right", (96, 96), 30, 70, "event:/SFX/EnemyDeath", 260,
           "enemy_scattergun", views=RIGHT_VIEW)


def hazards():
    # A turret: its base stays upright (RotationLock) and cannot be pushed (no mass); its head is
    # the gun it holds, which it turns and fires.
    enemy_gun("turret_cannon", "turret_gun", "BULLET", 4.0, 0.7, "EnemyBullet", "event:/SFX/RifleShoot", 900, 12,
              1.0)
    turret = enemy_body("turret_base", (96, 96), 40, 90, "event:/SFX/EnemyDeath", 0)
    turret["Sprite"] = sprite("turret_base", (96, 96))
    turret["Rigidbody"] = {"invMass": 0.0, "invMomentInertia": 0.0}
    turret["RotationLock"] = None
    turret["SimpleTurretController"] = None
    del turret["FlickerOnDeath"]  # removed at once
    turret["Equipment"] = {"startingPrimary": "turret_cannon"}
    turret["Ammo"] = {"infinite_BULLET": True}
    PREFABS["Turret"] = turret

    # The beam drone turns its beam about itself; the beam hurts whoever it touches, a little on
    # every frame of the touch.
    drone = enemy_body("beam_drone", (72, 72), 30, 50, "event:/SFX/DronePop", 0)
    del drone["Agent"]
    del drone["AimingModule"]
    drone["Rigidbody"] = {"invMass": 0.0, "invMomentInertia": 0.0}
    drone["SimpleBeamDrone"] = None
    del drone["FlickerOnDeath"]
    drone["Sprite"]["period"] = 0.2
    PREFABS["BeamDrone"] = drone
    PREFABS["beam"] = {
        "Transform": {"scale": [128.0, 16.0]},
        "Sprite": sprite("beam", (1, 1), animated=True, period=0.05, draw=False),
        "RectangleCollider": {"group": "ENEMY_LASER", "ghost": True, "active": False, "scale": [1.0, 1.0]},
        "Rigidbody": {"invMass": 0.0, "invMomentInertia": 0.0},
        "Damage": {"damage": 0.25},
    }


def main():
    basic_enemy()
    walking_enemies()
    drones()
    reinforcements()
    overworld()
    teleporter()
    bandits()
    hazards()
    write_prefabs(PREFABS)


if __name__ == "__main__":
    main()
