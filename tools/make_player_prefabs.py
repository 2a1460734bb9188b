#!/usr/bin/env python3
"""Writes the player's prefabs into Assets/Prefabs/: the player, a gun of every kind, the four
specials, and the effects and HUD pieces they make (beam lights and impacts, the blink streak,
dash after-images, the shield bubble, points and the death message, the blast of a deadly hazard).

The player is a 32-pixel picture drawn 96 units high (3 units a pixel); its ArmAnimator sizes are
in those pixels. Guns are 32 x 16 pictures drawn at 2 units a pixel; their sprites are shifted so
that the hand holds the grip, and "firePos" is the muzzle in the same frame.

Edit the numbers here and run the script; each prefab goes to the file named after it.
"""
from content import gun, loose_item, sprite, timed_destruction, write_prefabs

PREFABS = {}

# The main layer draws the greater y (plus "yOrderOffset") first. The player sorts by his feet, the
# bottom of his picture, as walls sort by the edge they stand on: he stands in front of a wall he
# touches from above. What he holds sorts with him; what is drawn over him sorts below his feet.
BODY = 96
FEET = -BODY / 2

GUN_SIZE = (64, 32)
GRIP = [20, 8]  # the picture's offset that puts the grip on the hand
MUZZLE = [50, 14]


def add_gun(name, kind, source, members, extra=None):
    record = gun(sprite(source, GUN_SIZE, offset=GRIP), dict({"firePos": MUZZLE}, **members), kind)
    record.update(extra or {})
    PREFABS[name] = record


def add_special(name, logic, source, members, extra=None):
    record = loose_item(sprite(source, (40, 40), animated=True, period=0.3), 20.0, special=True)
    record[logic] = members
    record.update(extra or {})
    PREFABS[name] = record


def player():
    names = {}
    for pose in ("idle", "walk"):
        for side in ("Right", "Left", "Back", "Front"):
            names[pose + side] = f"player_{pose}_{side.lower()}"
            if pose + side != "walkLeft":  # space mirrors the right walk
                names["space" + pose.capitalize() + side] = f"player_space_{pose}_{side.lower()}"
    names.update({"death": "player_death", "spaceDeath": "player_space_death", "victory": "player_victory"})
    names.update({"fastPeriod": 0.08, "slowPeriod": 0.3, "maxSpeed": 600.0})
    PREFABS["Player"] = {
        "Transform": None,
        "Sprite": sprite("player_idle_front", (BODY, BODY), animated=True, period=0.16, yOrderOffset=FEET),
        "CircleCollider": {"group": "PLAYER", "radius": 30.0},
        "Rigidbody": {"invMomentInertia": 0.0, "velocityDrag": 8.0},
        "RotationLock": None,
        "Agent": None,
        "PlayerController": None,
        "PlayerAnimator": names,
        "ArmAnimator": {
            "upperTexture": "player_arm_upper", "lowerTexture": "player_arm_lower",
            "upperBackTexture": "player_arm_upper_back", "lowerBackTexture": "player_arm_lower_back",
            "upperPixelLength": 16, "lowerPixelLength": 16, "scale": 1.0, "armScale": 0.5,
            "shoulderOffset": 2.0, "shoulderWidth": 6.0, "elbowOffset": -2.0, "elbowWidth": 8.0,
            "handOffset": -2.0, "handWidth": 8.0,
        },
        "Equipment": None,
        "Ammo": {"ammo_BULLET": 120.0, "ammo_ENERGY": 100.0, "ammo_EXPLOSIVE": 6.0},
        "Health": {"sound hurt": "event:/SFX/PlayerHurt", "healthIndicatorCameraPrefab": "Camera"},
        # The HUD's health and item displays, and what lets the player use doors and exits.
        "HealthCounter": None,
        "ItemIndicator": None,
        "Interactor": None,
        "DamageEffect": None,
        "Team": {"Team": 0},
        "Registerer": {"registryType": "PLAYERS"},
        # Escape (or Start) pauses the level the player is in under the pause menu, wherever that is.
        "PauseDetector": None,
        "PauseButton": {"target": "pause_menu"},
    }


def guns():
    add_gun("heavy_pistol", "SemiAutoGun", "gun_pistol", {
        "damage": 18.0, "fireCooldown": 0.15, "magCapacity": 8.0, "reloadTime": 0.9, "velocity": 1000.0,
        "fireSound": "event:/SFX/PistolShoot", "shakeIntensity": 0.08})
    PREFABS["heavy_pistol"]["Sprite"]["color"] = [1.0, 0.75, 0.55, 1.0]  # warmer than the plain pistol
    add_gun("rifle", "AutomaticGun", "gun_rifle", {
        "damage": 6.0, "fireCooldown": 0.1, "magCapacity": 30.0, "reloadTime": 1.2, "velocity": 1100.0,
        "spread": 4.0, "fireSound": "event:/SFX/RifleShoot", "shakeIntensity": 0.03})
    add_gun("burst_rifle", "BurstGun", "gun_burst", {
        "damage": 8.0, "fireCooldown": 0.4, "magCapacity": 24.0, "reloadTime": 1.0, "velocity": 1100.0,
        "shotsPerBurst": 3, "timeBetweenBurstShots": 0.07, "fireSound": "event:/SFX/RifleShoot",
        "shakeIntensity": 0.04})
    add_gun("shotgun", "Shotgun", "gun_shotgun", {
        "damage": 6.0, "fireCooldown": 0.7, "magCapacity": 6.0, "reloadTime": 0.45, "velocity": 900.0,
        "spread": 14.0, "projectilesPerShot": 10, "velocityRange": 200.0, "pumpDelay": 0.2,
        "fireSound": "event:/SFX/ShotgunShoot", "pumpSound": "event:/SFX/ShotgunPump", "shakeIntensity": 0.15})
    add_gun("rocket_launcher", "RocketLauncher", "gun_rocket_launcher", {
        "ammoType": "EXPLOSIVE", "damage": 25.0, "fireCooldown": 0.8, "magCapacity": 4.0, "reloadTime": 1.5,
        "velocity": 600.0, "projectilePrefab": "Rocket", "fireSound": "event:/SFX/RocketLaunch",
        "shakeIntensity": 0.2})
    add_gun("Beam_Gun", "BeamGun", "gun_beam", {
        "ammoType": "ENERGY", "magCapacity": 100.0, "reloadTime": 1.5, "ammoPerSecond": 20.0,
        "damagePerSecond": 50.0, "maxRange": 1500.0, "spawnPerSecPerDist": 0.3,
        "fireSound": "event:/SFX/BeamLoop", "shakeIntensity": 0.02}, {
        "ParticleSystem": {
            "texture": "particle_dot", "blendMode": 2, "layer": "DL_PARTICLES", "maxParticles": 600,
            "initialSpawn": 0, "spawnRate": 0.0, "ageMin": 0.0, "ageMax": 0.0,
            "scaleMin": 10.0, "scaleMax": 16.0, "scaleRate": -0.6,
            "color1": [0.85, 1.0, 1.0, 1.0], "color2": [0.3, 0.9, 1.0, 0.9], "color3": [0.2, 0.4, 1.0, 0.0],
            "velocityMagnitudeMin": 0.0, "velocityMagnitudeMax": 20.0}})
    PREFABS["FlickeringLight"] = {"Transform": None, "PointLight": {"on": False, "c2": 0.3, "c3": 0.7},
                                  "LightFlicker": None}
    PREFABS["LazerImpact"] = {
        "Transform": None,
        "Sprite": sprite("lazer_impact", (32, 32), animated=True, period=0.05),
        "TimedDestruction": timed_destruction(0.2),
    }


def specials():
    add_special("SpecialBlink", "SpecialBlinkLogic", "special_blink", {"coolDown": 3.0, "distance": 500.0})
    add_special("SpecialDash", "SpecialDashLogic", "special_dash", {"coolDown": 2.0})
    add_special("SpecialHOT", "SpecialHOTLogic", "special_heal",
            {"coolDown": 8.0, "duration": 3.0, "healing": 10.0}, {
                "ParticleSystem": {
                    "texture": "particle_plus", "layer": "DL_PARTICLES", "maxParticles": 64, "initialSpawn": 0,
                    "spawnRate": 12.0, "ageMin": 0.6, "ageMax": 1.0, "scaleMin": 10.0, "scaleMax": 14.0,
                    "spawnRandos": [0.0, 6.283185, 10.0, 40.0],
                    "color1": [0.4, 1.0, 0.5, 1.0], "color2": [0.3, 1.0, 0.4, 0.8], "color3": [0.2, 0.8, 0.3, 0.0],
                    "velocityDirAngleMin": 1.3, "velocityDirAngleMax": 1.8,
                    "velocityMagnitudeMin": 40.0, "velocityMagnitudeMax": 80.0}})
    add_special("SpecialShield", "SpecialShieldLogic", "special_shield",
            {"coolDown": 10.0, "duration": 3.0, "maxDur": 3.0})
    PREFABS["BlinkPSEffect"] = {
        "Transform": None,
        "ParticleSystem": {
            "texture": "particle_star", "blendMode": 2, "layer": "DL_PARTICLES", "maxParticles": 200,
            "initialSpawn": 40, "spawnRate": 60.0, "ageMin": 0.3, "ageMax": 0.6, "scaleMin": 8.0, "scaleMax": 14.0,
            "spawnRandos": [0.0, 0.0, 0.0, 500.0],
            "color1": [0.9, 0.7, 1.0, 1.0], "color2": [0.6, 0.3, 1.0, 0.8], "color3": [0.4, 0.1, 0.8, 0.0],
            "velocityMagnitudeMin": 10.0, "velocityMagnitudeMax": 40.0},
        "TimedDestruction": timed_destruction(3.0),
    }
    for name, alpha in (("dash_effect", 0.7), ("dash_effect2", 0.45)):
        PREFABS[name] = {
            "Transform": None,
            "Sprite": sprite(name, (BODY, BODY), color=[1.0, 1.0, 1.0, alpha], yOrderOffset=FEET),
            "TimedDestruction": timed_destruction(0.25),
        }
    PREFABS["EN_Shield"] = {
        "Transform": None,
        "Sprite": sprite("shield_bubble", (144, 144), animated=True, period=0.1, yOrderOffset=FEET - 40.0,
                         color=[1.0, 1.0, 1.0, 0.8]),
    }


def feedback():
    PREFABS["PointsFeedback"] = {
        "Transform": {"scale": [0.7, 0.7]},
        "TextToSprite": {"color": [0.895, 0.945, 0.188, 1.0], "layer": "DL_HUD"},
        "PulseAndRise": None,
        "TimedDestruction": timed_destruction(1.0),
    }
    # Over all a level draws, its dialogue boxes (on the two main GUI layers) included: the pause
    # menu's frame layer, where the pause menu's dim, drawn after the HUD, still dims it.
    PREFABS["HUD_DeathMessage"] = {
        "Transform": {"position": [-200, 60], "scale": [1.6, 1.6]},
        "TextToSprite": {"color": [1.0, 0.25, 0.2, 1.0], "layer": "DL_GUI_PAUSE_FRAME"},
    }
    # A burst of one of the four explosion drawings, taken at random when it appears.
    PREFABS["ShipDeathBlast"] = {
        "Transform": None,
        "Sprite": sprite("explosion_01", (288, 288)),
        "RandExplosionSprite": None,
        "TimedDestruction": timed_destruction(0.8),
    }


def main():
    player()
    guns()
    specials()
    feedback()
    write_prefabs(PREFABS)


if __name__ == "__main__":
    main()
