#!/usr/bin/env python3
"""Writes the prefabs of the boss fight into Assets/Prefabs/: the boss (the pirate king) and his
fan-firing gun, the death ball and its charging glow, the thrown turret and the turret it lands as,
the death twinkle, the throne, the field generator that shields it, the ring that marks what to
shoot, the teleport pads of the reinforcements and the ammunition they keep.

The boss fights for team 1 like every enemy but is marked as the boss, so the clearing of the room
at his defeat spares him; his hitpoints only count the reinforcements he calls. The throne is what
the player must break: it collides as an enemy body (player shots and blasts hurt it, the boss's
own shots pass). Pictures are 4 world units a pixel. Edit the numbers here and run the script; each
prefab goes to the file named after it without blanks, as the editor saves prefabs.
"""
from content import health, loose_item, sprite, timed_destruction, write_prefabs

PREFABS = {}

ENEMY_TEAM = {"Team": 1}


def boss():
    PREFABS["Boss"] = {
        "Transform": None,
        "Sprite": sprite("boss_walk", (256, 256), animated=True, period=0.12),
        "CircleCollider": {"group": "ENEMY", "radius": 96.0},
        # Turning is held by the lock until the defeat, when the spin needs a little inertia.
        "Rigidbody": {"invMomentInertia": 0.004, "velocityDrag": 4.0, "angularDrag": 0.5},
        "RotationLock": None,
        "Agent": {"motivator": [15000, 180, 300, 25]},
        "Health": health(400, "event:/SFX/BossDeathNOOO", boss=True),
        "Team": {"Team": 1, "boss": True},
        "Equipment": None,
        "BossMovementLogic": None,
        "BossActionLogic": {"cooldown": 3.0, "maxCooldown": 6.0, "chargeTime": 6.0, "deathBallvel": 500.0},
        "Registerer": {"registryType": "ENEMIES"},
        # Whoever walks into him is shoved off with a bang: the push is this over the distance along
        # each axis, a few body lengths' worth at arm's reach.
        "KnockAwayOnCollision": {"forcePerInvDistance": 3000000.0},
        "EmitOnContact": None,
    }
    # Every item carries a body and a circle to be picked up by; the boss's never lies about.
    PREFABS["BossGun"] = loose_item(sprite("boss_gun", (128, 64)), 40.0)
    PREFABS["BossGun"]["BossGun"] = {
        "shots": 10, "ammoType": "BULLET", "fireCooldown": 1.4, "damage": 4.0, "spread": 6.0, "velocity": 650.0,
        "firePos": [60.0, 0.0], "projectilePrefab": "EnemyBullet", "fireSound": "event:/SFX/ShotgunShoot",
        "shakeIntensity": 0.0}


def death_ball():
    PREFABS["BossBall"] = {
        "Transform": None,
        "Sprite": sprite("boss_ball", (176, 176), animated=True, period=0.08),
        "CircleCollider": {"ghost": True, "group": "BOSS_BALL", "radius": 70.0},
        "Rigidbody": {"invMomentInertia": 0.0},
        "BossBallLogic": None,
        "TimedDestruction": timed_destruction(4.5),
    }
    # Glows over the boss for the default charge, drawing sparks in from all round (each reaches
    # the middle in a second, turned a little so they swirl); the shot ends the charge, not the glow.
    PREFABS["BossBallCharging"] = {
        "Transform": None,
        "Sprite": sprite("boss_ball_charging", (176, 176), animated=True, period=0.15),
        "TimedDestruction": timed_destruction(6.0),
        "ParticleSystem": {
            "texture": "particle_spark", "blendMode": 2, "layer": "DL_PARTICLES", "maxParticles": 120,
            "initialSpawn": 0, "spawnRate": 80.0, "ageMin": 0.8, "ageMax": 0.95,
            "scaleMin": 14.0, "scaleMax": 24.0, "spawnRandos": [0.0, 6.283185, 180.0, 260.0],
            "velocityDirAngleMin": 0.2, "velocityDirAngleMax": 0.4,
            "color1": [1.0, 0.4, 0.9, 0.0], "color2": [1.0, 0.6, 1.0, 0.9], "color3": [1.0, 0.9, 1.0, 0.0]},
        "ParticleAInitFunc1": None,
    }


def turrets():
    # Flies through everything (it is pushed once, and a wall must not stop it short); 120 as the
    # inverse mass turns the throw's push of 500 into 500 units a second.
    PREFABS["ThrownTurret"] = {
        "Transform": None,
        "Sprite": sprite("boss_turret", (128, 128)),
        "CircleCollider": {"ghost": True, "group": "NO_COLLISIONS", "radius": 40.0},
        "Rigidbody": {"invMass": 120.0, "invMomentInertia": 0.0},
        "ThrownObject": {"distanceFromTarget": 40.0},
    }
    PREFABS["BossTurret"] = {
        "Transform": None,
        "Sprite": sprite("boss_turret", (128, 128), animated=True, period=0.3),
        "CircleCollider": {"group": "ENEMY", "radius": 52.0},
        "Health": health(40, "event:/SFX/EnemyDeath"),
        "Team": dict(ENEMY_TEAM),
        "Equipment": None,
        # Arms itself with two beams that never drain and fires them every frame until it dies.
        "BossTurretLogic": None,
        "FlickerOnDeath": None,
        "Registerer": {"registryType": "ENEMIES"},
    }


def room():
    PREFABS["BossTwinkle"] = {
        "Transform": None,
        "Sprite": sprite("boss_twinkle", (96, 96), animated=True, period=0.1),
        "TimedDestruction": timed_destruction(3.0),
    }
    PREFABS["Throne"] = {
        "Transform": None,
        "Sprite": sprite("props_king_throne_1", (256, 256)),
        # The seat: its front stops 40 units inside the shield's south edge (at the throne room's
        # place), so that a shot from the south meets the shield first however fast it comes.
        "RectangleCollider": {"group": "ENEMY", "offset": [0.0, 20.0], "scale": [200.0, 180.0]},
        # Four seconds of the player's beam: time a player standing in the fight can hold the aim for.
        "Health": health(200),
        "BossThroneLogic": {"shakeIntensity": 0.15},
        "ThroneSpriteManager": None,
        # Every hit shows: the throne blinks, and cracks as it goes.
        "DamageEffect": None,
    }
    # The field generator: it raises the shield over the throne when the fight starts and lowers it
    # when shot down (BossForceFieldManager), so the player must break it before the throne. It
    # takes shots as an enemy body does, but is not counted among the enemies. It glows in the
    # field's colour and blinks at every hit.
    PREFABS["BossFieldGenerator"] = {
        "Transform": {"scale": [144, 160]},
        "Sprite": sprite("boss_field_generator", animated=True, period=0.15),
        "RectangleCollider": {"group": "ENEMY", "mapFlag": True, "scale": [128, 140]},
        "Health": health(120, "event:/SFX/WallbreakV2"),
        "Team": dict(ENEMY_TEAM),
        "FlickerOnDeath": None,
        "DamageEffect": None,
        "ReputationValue": {"value": 250},
        "BossForceFieldManager": None,
    }
    # The ring the room's guide puts round what the player must shoot (the generator, then the
    # throne), sized to it.
    PREFABS["BossTargetMarker"] = {
        "Transform": None,
        "Sprite": sprite("HUD_tutorial_highlight", layer="DL_PARTICLES", animated=True, period=0.15),
    }
    # The ammunition the pads keep lying on them: larger than a ship's box, so that it shows from
    # the whole room's view, and a fuller one (half for each gun in hand).
    PREFABS["BossSupply"] = {
        "Transform": None,
        "Sprite": sprite("pickup_ammo_bullet", (96, 96), animated=True, period=0.4),
        "CircleCollider": {"ghost": True, "group": "PICKUP", "radius": 48.0},
        "AmmoPickup": {"ammo": 100.0, "pickupSound": "event:/SFX/Reload"},
    }
    # The blasts around the throne come from an object of their own at its place: the throne is
    # gone the moment it explodes.
    PREFABS["ThroneBlasts"] = {"Transform": None, "ExplosionSummon": None}
    # Hidden until a wave starts its teleport column (frame 3 releases, frame 7 ends).
    PREFABS["BossSpawner"] = {
        "Transform": None,
        "Sprite": sprite("boss_spawner", (192, 192), animated=False, period=0.12, draw=False),
        "BossSpawner": None,
    }


def main():
    boss()
    death_ball()
    turrets()
    room()
    write_prefabs(PREFABS)


if __name__ == "__main__":
    main()
