#include "gameplay/boss/BossTurretLogic.h"

#include "CombatScene.h"
#include "gameplay/combat/Health.h"
#include "gameplay/items/Equipment.h"
#include "gameplay/weapons/BeamGun.h"
#include "platform/Random.h"

#include <glm/geometric.hpp>
#include <glm/gtc/constants.hpp>

class BossTurretLogicTest : public CombatScene
{
protected:
  BossTurretLogicTest()
  {
    Define("Target", R"({"Transform": null, "Health": {"regens": false},
                         "CircleCollider": {"group": "PLAYER", "radius": 30}, "Rigidbody": {"invMass": 0}})");
    // A raised boss wall stops the turret's beams; a player's beam would pass it.
    Define("RaisedWall", R"({"Transform": null, "RectangleCollider": {"group": "BOSS_ELEVATED_WALL",
                             "scale": [120, 120]}})");
  }

  // A spot on the gun's beam, that far out from the gun.
  static glm::vec2 Along(const Handle<GameObject>& gun, float distance)
  {
    const Transform* transform = gun->GetTransform();
    return transform->GetWorldPosition() + distance * glm::normalize(transform->GetWorldXAxis());
  }

  static float HitpointsOf(const Handle<GameObject>& object) { return Get<Health>(object)->GetHitpoints(); }
};

TEST_F(BossTurretLogicTest, ArmsTwoEndlessBeamsFiresThemEveryFrameAndTakesThemAlongWhenItDies)
{
  ResetRandom();
  const Handle<GameObject> turret = Make("BossTurret", {0, 0});
  const Equipment* equipment = Get<Equipment>(turret);
  const Handle<GameObject> one = equipment->GetSlot(0);
  const Handle<GameObject> two = equipment->GetSlot(1);
  ASSERT_TRUE(one && two);
  EXPECT_EQ(one->GetName(), "BeamWeaponOne");
  EXPECT_EQ(two->GetName(), "BeamWeaponTwo");
  EXPECT_EQ(turret->GetTransform()->ChildCount(), 2u);
  EXPECT_EQ(one->GetParent().Get(), turret.Get());
  const float pi = glm::pi<float>();
  EXPECT_GE(one->GetTransform()->GetRotation(), 0.0f);
  EXPECT_LE(one->GetTransform()->GetRotation(), pi);
  EXPECT_GE(two->GetTransform()->GetRotation(), pi * pi);
  EXPECT_LE(two->GetTransform()->GetRotation(), pi * pi + pi);

  const Handle<GameObject> firstInLine = Make("Target", Along(one, 300.0f));
  const Handle<GameObject> secondInLine = Make("Target", Along(two, 300.0f));
  Make("RaisedWall", Along(two, 500.0f));
  const Handle<GameObject> behindTheWall = Make("Target", Along(two, 700.0f));
  Frames(60);
  EXPECT_NEAR(HitpointsOf(firstInLine), 50.0f, 1.0f) << "a second of beam";
  EXPECT_NEAR(HitpointsOf(secondInLine), 50.0f, 1.0f);
  EXPECT_EQ(HitpointsOf(behindTheWall), 100.0f);
  for (const Handle<GameObject>& gun : {one, two})
  {
    EXPECT_TRUE(Get<BeamGun>(gun)->IsFiring());
    EXPECT_EQ(Get<BeamGun>(gun)->GetMagAmmo(), 100.0f) << "the turret's beams never drain";
  }

  const Handle<GameObject> light = Get<BeamGun>(one)->GetBeamLight();
  Get<Health>(turret)->Kill();
  Frames(2);
  EXPECT_FALSE(one);
  EXPECT_FALSE(two);
  EXPECT_FALSE(light) << "the guns take their lights along";
  EXPECT_TRUE(turret) << "the turret itself flickers out";
  const float left = HitpointsOf(firstInLine);
  Frames(200);
  EXPECT_EQ(HitpointsOf(firstInLine), left);
  EXPECT_FALSE(turret);
  EXPECT_EQ(output.Errors(), 0u) << output.Text();
}
