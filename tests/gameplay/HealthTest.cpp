#include "gameplay/combat/Health.h"

#include "CombatScene.h"
#include "core/Send.h"
#include "gameplay/boss/BossEvents.h"
#include "gameplay/combat/CombatEvents.h"
#include "gameplay/combat/Damage.h"
#include "gameplay/combat/GodMode.h"
#include "gameplay/combat/Team.h"
#include "object/RegistryType.h"
#include "physics/Rigidbody.h"

#include <algorithm>
#include <cmath>

class HealthTest : public CombatScene
{
protected:
  HealthTest()
  {
    Define("Fighter", R"({"Transform": null, "Team": {"Team": 1}, "Registerer": {"registryType": "ENEMIES"},
                          "Health": {"hitpoints": 20, "max hitpoints": 20, "regens": false},
                          "CircleCollider": {"radius": 30, "group": "PLAYER"}})");
  }

};

TEST_F(HealthTest, ArithmeticOfChangesAndWhatProtectsFromThem)
{
  Handle<GameObject> fighter = Make("Fighter");
  Health& health = *Get<Health>(fighter);
  log.Watch<HealthChangedEvent>(fighter->GetId(),
                                [](const HealthChangedEvent& event) { return "f " + HealthLine(event); });
  health.AddHealth(-30);
  health.SetHealth(-1);
  health.SetHealth(10);
  health.AddHealth(50);
  Frames(1);
  // Adding clamps to [0, max]; setting has no lower clamp.
  EXPECT_EQ(log.Take(),
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
  log.Watch<DiedEvent>(fighter->GetId(), "f died");
  health.TakeDamage(1);
  EXPECT_EQ(health.GetHitpoints(), -1.0f) << "one hit kills";
  Frames(1);
  EXPECT_EQ(health.GetHitpoints(), Health::DeadHitpoints);
  // The dead take no more hits and never die again, however hard they are hit.
  health.TakeDamage(2000.0f);
  health.AddHealth(-2000.0f);
  health.Kill();
  Frames(3);
  EXPECT_EQ(health.GetHitpoints(), Health::DeadHitpoints);
  EXPECT_EQ(log.CountOf("f died"), 1u);
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
  log.Watch<TeamChangeEvent>(fighter->GetId(), [](const TeamChangeEvent& event) {
    return "fighter team " + std::to_string(event.team);
  });
  Get<Team>(fighter)->Synchronize();
  EXPECT_EQ(log.Take(), std::vector<std::string>{"fighter team 1"}) << "told at once";

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
