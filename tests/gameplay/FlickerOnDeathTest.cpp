#include "render/SpriteTestEnvironment.h"

#include "gameplay/combat/CombatEvents.h"
#include "gameplay/combat/FlickerOnDeath.h"
#include "physics/Collider.h"
#include "support/CapturedLog.h"

namespace
{
struct DeathListener : Listener
{
  DeathListener() : Listener(0) {}
  void On(DeathAnimationComplete*) { ++heard; }
  int heard = 0;
};
}  // namespace

class FlickerOnDeathTest : public SpriteTest
{
protected:
  FlickerOnDeathTest()
  {
    Define("Dying", R"({"FlickerOnDeath": null, "Sprite": {"color": [0.2, 0.4, 0.6, 0.8]}, "Transform": null})");
    dying = Make("Dying");
    events->Subscribe<DeathListener, DeathAnimationComplete>(&deaths, dying->GetId());
  }

  void Die() { events->SendEvent(MemoryManager::New<DiedEvent>(BRINDLE_SITE, dying->GetId())); }
  FlickerOnDeath& Flicker() { return *dying->GetComponent<FlickerOnDeath>(); }

  Handle<GameObject> dying;
  DeathListener deaths;
};

TEST_F(FlickerOnDeathTest, BlinksComeFasterAndEachFadesTheSprite)
{
  Update(1.0f);
  EXPECT_FLOAT_EQ(Flicker().GetTimeLeft(), 3.0f);  // nothing runs before the death

  CapturedLog output;
  Die();
  EXPECT_NEAR(Flicker().GetNextToggle(), 2.85f, 1e-6f);
  Update(0.1f);  // 2.9 left
  EXPECT_TRUE(SpriteOf(dying).GetDraw());
  Update(0.1f);  // 2.8: the first blink
  EXPECT_FALSE(SpriteOf(dying).GetDraw());
  EXPECT_NEAR(Flicker().GetNextToggle(), 2.8f * 0.95f, 1e-5f);
  Update(0.1f);  // 2.7, above 2.66
  EXPECT_FALSE(SpriteOf(dying).GetDraw());
  PausedUpdate(1.0f);
  Update(0.1f);  // 2.6: the second blink
  EXPECT_TRUE(SpriteOf(dying).GetDraw());

  const fColor colour = SpriteOf(dying).GetColor();
  EXPECT_FLOAT_EQ(colour.r, 0.2f);
  EXPECT_FLOAT_EQ(colour.g, 0.4f);
  EXPECT_FLOAT_EQ(colour.b, 0.6f);
  EXPECT_NEAR(colour.a, 0.8f * 0.95f * 0.95f, 1e-6f);
  // The object has no collider to take out of the collisions: said once.
  Die();
  EXPECT_EQ(output.CountOf("[WARNING] FlickerOnDeath"), 1u);
}

TEST_F(FlickerOnDeathTest, WhenTimeIsUpTheDeathIsReportedAndTheObjectGoes)
{
  Die();
  Update(2.0f);
  Update(1.0f);  // exactly nothing left counts as time up
  EXPECT_EQ(deaths.heard, 1);
  EXPECT_FALSE(dying.IsValid());
}

TEST_F(FlickerOnDeathTest, TakesTheDyingObjectOutOfTheCollisions)
{
  Define("Bug", R"({"FlickerOnDeath": null, "CircleCollider": {"group": "ENEMY"}, "Sprite": null, "Transform": null})");
  const Handle<GameObject> bug = Make("Bug");
  ASSERT_EQ(GetCollider(bug.Get())->group, CollisionGroup::ENEMY);
  CapturedLog output;
  events->SendEvent(MemoryManager::New<DiedEvent>(BRINDLE_SITE, bug->GetId()));
  EXPECT_EQ(GetCollider(bug.Get())->group, CollisionGroup::NO_COLLISIONS);
  EXPECT_FALSE(output.Contains("[WARNING]"));
}
