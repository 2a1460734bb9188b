#include "gameplay/Health.h"

#include "CombatScene.h"
#include "gameplay/Damage.h"
#include "gameplay/Dispatch.h"
#include "gameplay/GodMode.h"
#include "gameplay/Team.h"
#include "object/RegistryType.h"
#include "physics/Rigidbody.h"

#include <algorithm>
#include <cmath>

class HealthTest : public CombatScene
{
protected:
  HealthTest()
  {
    Define("Dart", R"({"Transform": null, "Rigidbody": {}, "Damage": {"damage": 15}, "BulletLogic": null,
                       "CircleCollider": {"radius": 8, "group": "ENEMY_PROJECTILE", "ghost": true}})");
    Define("Fighter", R"({"Transform": null, "Team": {"Team": 1}, "Registerer": {"registryType": "ENEMIES"},
                          "Health": {"hitpoints": 20, "max hitpoints": 20, "regens": false},
                          "CircleCollider": {"radius": 30, "group": "PLAYER"}})");
  }

  // A dart thrown at the target from the left, arriving within a few frames.
  Handle<GameObject> Throw(const Handle<GameObject>& target)
  {
    Handle<GameObject> dart = Make("Dart", PositionOf(target) - glm::vec2(60, 0));
    Get<Rigidbody>(dart)->SetVelocity({1200, 0});
    return dart;
  }
};

TEST_F(HealthTest, HitsLowerTheHitpointsAndTheDeathIsAnnouncedOnceOnTheNextUpdate)
{
  Handle<GameObject> fighter = Make("Fighter", {0, 0}, "fighter");
  Health* health = Get<Health>(fighter);
  recorder.Watch<HealthChangedEvent>(fighter->GetId(), "fighter");
  recorder.Watch<DiedEvent>(fighter->GetId(), "fighter");
  recorder.Watch<ShakeEvent>(space->GetId(), "range");

  // One dart, reported by both sub-steps of a 1/60 s frame, strikes once; the enemy
  // projectile shakes the camera on every contact.
  Throw(fighter);
  Frames(6);
  EXPECT_FLOAT_EQ(health->GetHitpoints(), 5.0f);
  EXPECT_FLOAT_EQ(health->GetRegenDelayTimer(), 3.0f);
  // Two darts in one frame take it below zero; -10 is stored and the death follows an update later.
  Throw(fighter);
  Throw(fighter);
  Frames(6);
  EXPECT_TRUE(health->IsDead());
  EXPECT_FLOAT_EQ(health->GetHitpoints(), Health::DeadHitpoints);
  // The dead take no more hits and die no second time, even brought down again.
  Throw(fighter);
  health->TakeDamage(2000.0f);
  health->AddHealth(-2000.0f);
  Frames(6);

  const std::vector<std::string> log = recorder.TakeLog();
  const std::vector<std::string> changes = {"fighter 20->20/20", "fighter 20->5/20", "fighter 5->-10/20",
                                            "fighter -10->-25/20", "fighter died"};
  std::vector<std::string> seen;
  for (const std::string& entry : log)
    if (entry.rfind("fighter", 0) == 0)
      seen.push_back(entry);
  EXPECT_EQ(seen, changes);
  EXPECT_GE(std::count(log.begin(), log.end(), "range shake 0.10"), 4);
}

TEST_F(HealthTest, ArithmeticOfChangesAndWhatProtectsFromThem)
{
  Handle<GameObject> fighter = Make("Fighter");
  Health& health = *Get<Health>(fighter);
  recorder.Watch<HealthChangedEvent>(fighter->GetId(), "f");
  health.AddHealth(-30);
  health.SetHealth(-1);
  health.SetHealth(10);
  health.AddHealth(50);
  Frames(1);
  // Adding clamps to [0, max]; setting has no lower clamp.
  EXPECT_EQ(recorder.TakeLog(),
            (std::vector<std::string>{"f 20->20/20", "f 20->0/20", "f 0->-1/20", "f -1->10/20", "f 10->20/20"}));

  health.TakeDamage(-5);
  health.TakeDamage(std::nanf(""));
  EXPECT_EQ(health.GetHitpoints(), 20.0f) << "negative and NaN hits are no hits";

  health.SetInvulnerable(true);
  health.TakeDamage(5);
  health.AddHealth(-5);
  health.SetHealth(1);
  EXPECT_EQ(health.GetHitpoints(), 20.0f);
  health.SetHealth(10);
  health.SetInvulnerable(false);
  health.SetOneHit(true);
  health.TakeDamage(1);
  EXPECT_EQ(health.GetHitpoints(), -1.0f) << "one hit kills";
  Frames(1);
  EXPECT_TRUE(health.IsDead());
}

TEST_F(HealthTest, BossesOnlyFlinchAndTheBossesDeathClearsTheOrdinaryEnemies)
{
  Define("Lieutenant", R"({"Transform": null, "Team": {"boss": true}, "Health": {"boss": true}})");
  Define("Ally", R"({"Transform": null, "Team": {"Team": 0}, "Health": {}})");
  Define("Bystander", R"({"Transform": null, "Team": {"Team": 2}})");
  Handle<GameObject> boss = Make("Lieutenant", {0, 300});
  Handle<GameObject> fighter = Make("Fighter", {0, 0});
  Handle<GameObject> ally = Make("Ally", {0, -300});
  Handle<GameObject> bystander = Make("Bystander", {0, -600});
  recorder.Watch<TeamChangeEvent>(fighter->GetId(), "fighter");
  Get<Team>(fighter)->Synchronize();
  EXPECT_EQ(recorder.TakeLog(), std::vector<std::string>{"fighter team 1"}) << "told at once";

  Get<Health>(boss)->SetHealth(0);
  Get<Health>(ally)->SetHealth(50);
  Frames(3);
  EXPECT_FALSE(Get<Health>(boss)->IsDead()) << "a boss dies elsewhere";

  SendNow<BossDiedEvent>(BRINDLE_SITE, space->GetId());
  Frames(1);
  EXPECT_TRUE(boss);
  EXPECT_FALSE(fighter) << "an ordinary enemy goes with the boss";
  EXPECT_TRUE(ally);
  EXPECT_TRUE(bystander);
  Health& allyHealth = *Get<Health>(ally);
  allyHealth.TakeDamage(10);
  allyHealth.AddHealth(-10);
  EXPECT_EQ(allyHealth.GetHitpoints(), 50.0f) << "nothing takes damage once the boss is dead";
  allyHealth.AddHealth(20);
  EXPECT_EQ(allyHealth.GetHitpoints(), 70.0f) << "but heals";
}

TEST_F(HealthTest, GodModeProtectsPlayersAndLeavesEnemiesOneHitFromDeath)
{
  Define("Hero", R"({"Transform": null, "Team": {"Team": 0}, "Registerer": {"registryType": "PLAYERS"},
                     "Health": {}})");
  Handle<GameObject> hero = Make("Hero");
  Handle<GameObject> fighter = Make("Fighter");
  SetGodMode(true);
  EXPECT_TRUE(Get<Health>(hero)->IsInvulnerable());
  EXPECT_TRUE(Get<Health>(fighter)->IsOneHit());
  Handle<GameObject> later = Make("Fighter");
  EXPECT_TRUE(Get<Health>(later)->IsOneHit()) << "read as a Health wakes";
  SetGodMode(false);
  EXPECT_FALSE(Get<Health>(hero)->IsInvulnerable());
  EXPECT_FALSE(Get<Health>(fighter)->IsOneHit());
}
