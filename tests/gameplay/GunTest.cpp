#include "gameplay/weapons/Gun.h"

#include "CombatScene.h"
#include "core/Send.h"
#include "gameplay/combat/Damage.h"
#include "gameplay/combat/Team.h"
#include "gameplay/items/Equipment.h"
#include "gameplay/weapons/Ammo.h"
#include "gameplay/weapons/RocketLogic.h"
#include "physics/Collider.h"
#include "physics/CollisionGroup.h"
#include "physics/Rigidbody.h"
#include "platform/Random.h"

#include <cmath>
#include <set>

class GunTest : public CombatScene
{
protected:
  GunTest()
  {
    holder = Make("Gunner", {0, 0}, "holder");
    log.Watch<ReloadStart>(holder->GetId(), "holder reload start");
    log.Watch<ReloadEnd>(holder->GetId(), "holder reload end");
    log.Watch<ShakeEvent>(space->GetId(), [](const ShakeEvent& event) {
      return "range shake " + std::to_string(event.intensity).substr(0, 4);
    });
  }

  Gun& Hold(const std::string& prefab)
  {
    Handle<GameObject> item = Make(prefab, {0, 0});
    Get<Equipment>(holder)->Equip(item, 0);
    return *Gun::GetGunComponent(item.Get());
  }

  // One use of the primary slot, as a controller sends it, and one frame.
  void Use()
  {
    SendNow<UseEvent>(BRINDLE_SITE, holder->GetId(), true, 0u, false);
    Frames(1);
  }

  // The projectiles in flight, newest last (ids grow).
  std::vector<Handle<GameObject>> Shots(const std::string& prefab = "Bullet")
  {
    std::vector<Handle<GameObject>> shots;
    for (const auto& [id, object] : space->GetObjectsById())
      if (object && object->GetPrefabName() == prefab)
        shots.push_back(object);
    return shots;
  }

  Handle<GameObject> holder;
};

TEST_F(GunTest, TheMagazineFiresDownToItsLastPartRoundAndReloadsFromTheReserveInParts)
{
  Gun& gun = Hold("pistol");
  Ammo& reserve = *Get<Ammo>(holder);
  reserve.SetAmmo(AmmoType::BULLET, 10);
  gun.SetMagAmmo(0.5f);
  Use();
  ASSERT_EQ(Shots().size(), 1u) << "half a round still fires";
  const Handle<GameObject> shot = Shots().front();
  EXPECT_EQ(GetCollider(shot.Get())->group, CollisionGroup::PROJECTILE) << "a player's shot";
  EXPECT_EQ(Get<Damage>(shot)->GetDamage(), 10.0f) << "the gun's damage";
  EXPECT_NEAR(Get<Rigidbody>(shot)->velocity.x, 900.0f, 1e-3f);
  EXPECT_EQ(gun.GetMagAmmo(), 0.0f);
  EXPECT_EQ(log.Take(), (std::vector<std::string>{"range shake 0.05", "holder reload start"}))
      << "the empty magazine begins its reload on the next update";

  // 0.8 s later the 10 rounds go in without the reload sound, and one frame after that the
  // reload ends for want of more.
  Frames(48);
  EXPECT_TRUE(gun.IsReloading());
  Frames(2);
  EXPECT_EQ(gun.GetMagAmmo(), 10.0f);
  EXPECT_EQ(reserve.GetAmmo(AmmoType::BULLET), 0.0f);
  EXPECT_FALSE(gun.IsReloading());
  EXPECT_EQ(log.Take(), std::vector<std::string>{"holder reload end"});

  // A trace of a round neither fires nor reloads by itself.
  gun.SetMagAmmo(0.0005f);
  Use();
  Frames(3);
  EXPECT_EQ(Shots().size(), 1u);
  EXPECT_TRUE(log.Take().empty());
}

TEST_F(GunTest, InfiniteAmmunitionAndAReloadTimeOfZeroFillAtOnce)
{
  Define("quickgun", R"({"Transform": null, "Equippable": {}, "Rigidbody": {},
                         "CircleCollider": {"radius": 20, "group": "ITEMS"},
                         "Gun": {"reloadTime": 0, "magCapacity": 6, "magAmmo": 0}})");
  Gun& gun = Hold("quickgun");
  Ammo& reserve = *Get<Ammo>(holder);
  reserve.SetInfinite(AmmoType::BULLET, true);
  reserve.SetAmmo(AmmoType::BULLET, 3);
  Frames(3);
  EXPECT_EQ(gun.GetMagAmmo(), 6.0f) << "a countdown that lands on 0 completes the reload";
  EXPECT_FALSE(gun.IsReloading());
  EXPECT_EQ(reserve.GetAmmo(AmmoType::BULLET), 3.0f) << "an infinite type never runs down";
}

TEST_F(GunTest, SpreadTurnsShotsCounterClockwiseByWholeDegreesBelowTheBound)
{
  Gun& gun = Hold("pistol");
  ResetRandom();
  gun.SetSpread(5.0f);
  std::set<float> degrees;  // the length stays, the turn is whole degrees
  for (int shot = 0; shot < 200; ++shot)
  {
    glm::vec2 velocity(900.0f, 0.0f);
    gun.ApplySpread(velocity);
    EXPECT_NEAR(std::hypot(velocity.x, velocity.y), 900.0f, 1e-2f);
    degrees.insert(std::round(std::atan2(velocity.y, velocity.x) * 180.0f / 3.14159265f * 1000.0f) / 1000.0f);
  }
  EXPECT_EQ(degrees, (std::set<float>{0, 1, 2, 3, 4}));
  for (const float spread : {0.0f, 0.5f, std::nanf("")})
  {
    gun.SetSpread(spread);
    glm::vec2 velocity(900.0f, 0.0f);
    gun.ApplySpread(velocity);
    EXPECT_EQ(velocity, glm::vec2(900.0f, 0.0f)) << "spread " << spread << " has no whole degree to turn by";
  }
}

TEST_F(GunTest, AnEnemysShotsAreEnemyProjectilesThatShakeNothingAndZeroDamageKeepsThePrefabs)
{
  Get<Team>(holder)->SetTeam(TeamEnum::ENEMY);
  GetCollider(holder.Get())->group = CollisionGroup::ENEMY;  // its own shots pass through it
  Define("zerogun", R"({"Transform": null, "Equippable": {}, "Rigidbody": {},
                        "CircleCollider": {"radius": 20, "group": "ITEMS"},
                        "Gun": {"damage": 0, "projectilePrefab": "Rocket", "ammoType": "EXPLOSIVE"}})");
  Hold("zerogun");
  Use();
  ASSERT_EQ(Shots("Rocket").size(), 1u);
  const Handle<GameObject> rocket = Shots("Rocket").front();
  EXPECT_EQ(GetCollider(rocket.Get())->group, CollisionGroup::ENEMY_PROJECTILE);
  EXPECT_EQ(Get<RocketLogic>(rocket)->GetBlastDamage(), 0.0f) << "a rocket takes even a damage of 0";

  Hold("pistol");
  Use();
  ASSERT_EQ(Shots().size(), 1u);
  EXPECT_EQ(Get<Damage>(Shots().front())->GetDamage(), 10.0f);
  Gun::SetProjectileDamage(Shots().front().Get(), 0.0f);
  EXPECT_EQ(Get<Damage>(Shots().front())->GetDamage(), 10.0f) << "0 leaves the projectile's own";
  for (const std::string& entry : log.Take())
    EXPECT_EQ(entry.find("shake"), std::string::npos) << "an enemy's gun shakes no camera";
}

TEST_F(GunTest, BadGunDataIsReportedOnceAndTheRestOfTheLevelRuns)
{
  Define("brokengun", R"({"Transform": null, "Equippable": {}, "Rigidbody": {},
                          "CircleCollider": {"radius": 20, "group": "ITEMS"},
                          "Gun": {"magCapacity": 0, "fireCooldown": -1, "damage": -5,
                                  "projectilePrefab": "NoSuchShot", "ammoType": "PLASMA"}})");
  Gun& gun = Hold("brokengun");
  EXPECT_EQ(gun.GetMagCapacity(), 50.0f);
  EXPECT_EQ(gun.GetFireCooldown(), 0.05f);
  EXPECT_EQ(gun.GetDamage(), 1.0f);
  EXPECT_EQ(gun.GetAmmoType(), AmmoType::BULLET);
  for (int use = 0; use < 3; ++use)
    Use();
  EXPECT_EQ(output.CountOf("[ERROR] Projectile not created, prefab is probably invalid."), 1u);
  EXPECT_EQ(output.CountOf("[ERROR] Gun of \"brokengun\" cannot use"), 1u);
  EXPECT_EQ(output.CountOf("[ERROR] Did not find ammo type.: \"PLASMA\""), 1u);
  EXPECT_EQ(gun.GetMagAmmo(), 50.0f) << "no projectile, no round spent";

  Hold("brokengun");
  Use();
  EXPECT_EQ(output.CountOf("Projectile not created"), 1u) << "said once, however many such guns there are";
  EXPECT_EQ(output.CountOf("cannot use"), 1u);
  EXPECT_EQ(output.CountOf("Did not find ammo type.: \"PLASMA\""), 1u);
  Gun& good = Hold("pistol");
  Use();
  EXPECT_EQ(good.GetMagAmmo(), 11.0f) << "other guns go on firing";
}
