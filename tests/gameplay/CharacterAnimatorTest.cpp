// A walking character other than the player on the engine's frames, off any ship: it stands and
// walks in the picture of the side it faces, falls back to a side view where its front or back is
// "Default", paces its walk by its speed and plays it backwards when it walks against its facing,
// holds its frame in space unless told to animate there, and once dead plays its death to the last
// frame and says so on every update.
#include "CombatScene.h"

#include "gameplay/combat/CombatEvents.h"
#include "gameplay/player/CharacterAnimation.h"
#include "gameplay/player/CharacterAnimator.h"
#include "physics/Rigidbody.h"
#include "render/Sprite.h"
#include "steering/Agent.h"
#include "steering/Kinematic.h"
#include "support/AtlasFrames.h"

#include <cmath>

class CharacterAnimatorTest : public CombatScene
{
protected:
  AtlasFrames pictures;
};

TEST_F(CharacterAnimatorTest, PicksTheFacingsPicturePacesTheWalkAndPlaysTheDeathOnce)
{
  const std::string walker = R"({"Transform": null, "Agent": null, "Rigidbody": {"velocityDrag": 0},
      "Sprite": {"source": "player_idle_front", "scale": [96, 96]},
      "CharacterAnimator": {"walkRight": "player_walk_right", "walkLeft": "player_walk_left",
        "walkBack": "Default", "walkFront": "player_walk_front", "death": "player_death",
        "idleRight": "player_idle_right", "idleLeft": "player_idle_left", "idleBack": "Default",
        "idleFront": "player_idle_front", "maxSpeed": 400, "slowPeriod": 0.5, "fastPeriod": 0.1,
        "noAnimationInSpace": )";
  Define("Walker", walker + "false}})");
  Define("Floater", walker + "true}})");
  const Handle<GameObject> character = Make("Walker");
  const Handle<GameObject> floater = Make("Floater", {500.0f, 0.0f});
  const Sprite* sprite = Get<Sprite>(character);
  // Facing along the orientation, moving at this velocity, for one frame.
  const auto step = [&](float orientation, glm::vec2 velocity) {
    for (const Handle<GameObject>& each : {character, floater})
    {
      Get<Agent>(each)->GetKinematic()->orientation = orientation;
      Get<Rigidbody>(each)->velocity = velocity;
    }
    Frame();
  };

  step(0.0f, {0.0f, 0.0f});
  EXPECT_EQ(sprite->GetSource(), "player_idle_right");
  EXPECT_FLOAT_EQ(sprite->GetPeriod(), CharacterAnimation::IdlePeriod);
  step(-1.2f, {0.0f, 0.0f});
  EXPECT_EQ(sprite->GetSource(), "player_idle_front");
  step(1.9f, {0.0f, 0.0f});
  EXPECT_EQ(sprite->GetSource(), "player_idle_left") << "no back view: the nearer side";
  step(1.2f, {0.0f, 0.0f});
  EXPECT_EQ(sprite->GetSource(), "player_idle_right");

  step(0.0f, {200.0f, 0.0f});
  EXPECT_EQ(sprite->GetSource(), "player_walk_right");
  EXPECT_NEAR(sprite->GetPeriod(), 0.3f, 1e-4f) << "half the top speed, half way to the fast period";
  EXPECT_TRUE(sprite->IsForward());
  EXPECT_TRUE(sprite->IsAnimated());
  step(0.0f, {-400.0f, 0.0f});
  EXPECT_EQ(sprite->GetSource(), "player_walk_right") << "the picture follows the facing, not the way";
  EXPECT_NEAR(sprite->GetPeriod(), 0.1f, 1e-4f);
  EXPECT_FALSE(sprite->IsForward()) << "walking backwards";
  EXPECT_EQ(Get<Sprite>(floater)->GetSource(), "player_walk_right");
  EXPECT_FALSE(Get<Sprite>(floater)->IsAnimated()) << "off a ship it holds its frame";

  EventRecorder<DeathAnimationComplete> deathShown(character->GetId());
  SendNow<DiedEvent>(BRINDLE_SITE, character->GetId());
  step(0.0f, {0.0f, 0.0f});
  EXPECT_EQ(sprite->GetSource(), "player_death");
  EXPECT_EQ(sprite->GetFrame(), 0u);
  ASSERT_GT(sprite->GetFrameCount(), 1u) << "the pictures were not loaded";
  EXPECT_FALSE(deathShown.Heard());
  Frames(static_cast<int>(sprite->GetFrameCount() * CharacterAnimation::IdlePeriod / Dt) + 10);
  EXPECT_EQ(sprite->GetFrame() + 1, sprite->GetFrameCount());
  EXPECT_FALSE(sprite->IsAnimated());
  const std::size_t told = deathShown.Count();
  EXPECT_GT(told, 0u);
  Frames(3);
  EXPECT_EQ(deathShown.Count(), told + 3) << "on every update from then on";
  EXPECT_EQ(output.Errors(), 0u) << output.Text();
}
