// The boss's fan and his death ball on the game's frame: the fan's size and angles, which
// projectiles take the spread, no ammunition spent; the ball hurts players only and bursts into a
// blast when its time is up.
#include "CombatScene.h"
#include "core/Send.h"
#include "gameplay/boss/BossGun.h"
#include "gameplay/combat/Health.h"
#include "gameplay/items/ItemEvents.h"
#include "object/Removal.h"
#include "physics/Rigidbody.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{
constexpr float Degrees = 180.0f / 3.14159265f;
}

class BossGunTest : public CombatScene
{
protected:
  void DefineFan(const std::string& name, int shots, float spread)
  {
    Define(name, R"({"Transform": null, "BossGun": {"shots": )" + std::to_string(shots) + R"(, "spread": )" +
                     std::to_string(spread) + R"(, "fireCooldown": 1.0, "velocity": 100.0,
                     "projectilePrefab": "EnemyBullet", "fireSound": "event:/SFX/ShotgunShoot"}})");
  }

  // Pulls the trigger once and returns the angles (degrees) of the velocities of what it fired.
  std::vector<float> FireAngles(const Handle<GameObject>& gun)
  {
    SendNow<UseEvent>(BRINDLE_SITE, gun->GetId(), true, 0u, false);
    std::vector<float> angles;
    for (const auto& [id, object] : space->GetObjectsById())
      if (object && object->GetName() == "TEST")
      {
        const glm::vec2 velocity = object->GetComponent<Rigidbody>()->velocity;
        angles.push_back(std::round(std::atan2(velocity.y, velocity.x) * Degrees * 100.0f) / 100.0f);
        QueueRemoval(object);
      }
    std::sort(angles.begin(), angles.end());
    Frames(1);
    return angles;
  }
};

TEST_F(BossGunTest, AFanOfNineFifteenDegreesApartOnlyTheClockwiseHalfTakesSpreadAndNothingIsSpent)
{
  DefineFan("Fan10", 10, 0.0f);
  DefineFan("Fan3", 3, 0.0f);
  DefineFan("Fan1", 1, 0.0f);
  DefineFan("SprayFan", 10, 12.0f);
  const Handle<GameObject> fan = Make("Fan10");
  EXPECT_EQ(FireAngles(fan), (std::vector<float>{-60, -45, -30, -15, 0, 15, 30, 45, 60}));
  EXPECT_EQ(FireAngles(fan), std::vector<float>()) << "the fire countdown holds the next fan";
  EXPECT_FLOAT_EQ(Get<BossGun>(fan)->GetMagAmmo(), 50.0f);
  // 3 shots: one projectile, straight along the gun; 1 shot: none.
  EXPECT_EQ(FireAngles(Make("Fan3")), std::vector<float>{0.0f});
  EXPECT_EQ(FireAngles(Make("Fan1")), std::vector<float>());

  // The velocity turns by -theta: the positive offsets fly clockwise, true to the 15-degree steps;
  // the centre and the counter-clockwise half are turned further counter-clockwise by the spread.
  const std::vector<float> sprayed = FireAngles(Make("SprayFan"));
  ASSERT_EQ(sprayed.size(), 9u);
  for (int index = 0; index < 4; ++index)
    EXPECT_FLOAT_EQ(sprayed[index], -60.0f + 15.0f * index);
  for (int index = 4; index < 9; ++index)
  {
    const float base = 15.0f * (index - 4);
    EXPECT_GE(sprayed[index], base);
    EXPECT_LT(sprayed[index], base + 12.0f);
  }
  EXPECT_FALSE(output.Contains("[ERROR]")) << output.Text();
}

TEST_F(BossGunTest, TheDeathBallHurtsPlayersByHalfAPointAContactAndBurstsWhenItsTimeIsUp)
{
  Define("Victim", R"({"Transform": null, "CircleCollider": {"group": "PLAYER", "radius": 40.0},
                      "Rigidbody": {"invMass": 0.0}, "Health": {"regens": false}})");
  Define("Crate", R"({"Transform": null, "CircleCollider": {"group": "PROPS", "radius": 40.0},
                     "Rigidbody": {"invMass": 0.0}, "Health": {"regens": false}})");
  const Handle<GameObject> player = Make("Victim", {0.0f, 0.0f});
  const Handle<GameObject> crate = Make("Crate", {1000.0f, 0.0f});
  const Handle<GameObject> ball = Make("BossBall", {0.0f, 0.0f});
  const Handle<GameObject> other = Make("BossBall", {1000.0f, 0.0f});
  Frames(30);
  const float lost = 100.0f - Get<Health>(player)->GetHitpoints();
  EXPECT_GT(lost, 0.0f);
  EXPECT_FLOAT_EQ(std::fmod(lost, 0.5f), 0.0f);
  EXPECT_FLOAT_EQ(Get<Health>(crate)->GetHitpoints(), 100.0f);
  // 4.5 s of life, then a blast where each ball was.
  Frames(240);
  EXPECT_FALSE(ball.IsValid());
  EXPECT_FALSE(other.IsValid());
  int blasts = 0;
  for (const auto& [id, object] : space->GetObjectsById())
    blasts += object && object->GetPrefabName() == "Blast" ? 1 : 0;
  EXPECT_EQ(blasts, 2);
}
