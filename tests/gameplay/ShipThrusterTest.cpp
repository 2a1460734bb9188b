// The player's ship on the real game loop, steered from the keyboard through the input layer: the
// thruster's flame and engine sound follow the steering keys, and a bump into another ship cuts
// them until the next frame.
#include "gameplay/ship/ShipThruster.h"
#include "render/Sprite.h"
#include "support/ShipScene.h"

class ShipThrusterTest : public ShipScene
{
};

TEST_F(ShipThrusterTest, TheFlameAndItsSoundFollowTheSteeringKeysAndABumpCutsThem)
{
  const glm::vec2 where(-3000.0f, 0.0f);
  const glm::vec2 away(-3000.0f, 2000.0f);
  WriteLevel("flight", "ship 1 1 000", glm::vec2(0.0f, 0.0f),
             {Object("Player Ship", "Default", where, R"({"CircleCollider": {"group": "SHIP", "radius": 40},
                       "ShipThruster": {"thrusterPrefab": "ship thruster flame", "offset": [-60, 0], "scale": [2, 1],
                                        "flipThruster": true}})"),
              Object("Other Ship", "Default", away, R"({"CircleCollider": {"group": "SHIP", "radius": 40}})")});
  auto flameShown = [](Space& space) { return Find(space, "thruster")->GetSprite()->GetDraw(); };
  Run("flight", 10, [&](int frame, Space& space) {
    const ShipThruster& thruster = *Find(space, "Player Ship")->GetComponent<ShipThruster>();
    GameObject* flame = Find(space, "thruster");
    ASSERT_NE(flame, nullptr);
    switch (frame)
    {
      case 1:
        EXPECT_EQ(flame->GetParent().Get(), Find(space, "Player Ship"));
        EXPECT_EQ(flame->GetTransform()->GetWorldPosition(), where + glm::vec2(-60.0f, 0.0f));
        EXPECT_EQ(flame->GetSprite()->GetScale(), glm::vec2(2.0f, 1.0f));
        EXPECT_TRUE(flame->GetSprite()->GetFlipX());
        EXPECT_FALSE(flameShown(space));
        Script(TestEvents::Key(SDLK_l, true));  // steer right
        break;
      case 2:
      case 3:
        EXPECT_TRUE(thruster.IsThrusting());
        EXPECT_TRUE(flameShown(space));
        EXPECT_TRUE(thruster.GetPropulsionSound().IsPlaying());
        if (frame == 3)
          Find(space, "Other Ship")->GetTransform()->SetWorldPosition(where.x + 30.0f, where.y);
        break;
      case 4:
        EXPECT_FALSE(thruster.IsThrusting()) << "the bump cut the engine";
        EXPECT_FALSE(flameShown(space));
        EXPECT_FALSE(thruster.GetPropulsionSound().IsPlaying());
        Find(space, "Other Ship")->GetTransform()->SetWorldPosition(away.x, away.y);
        break;
      case 5:
        EXPECT_TRUE(flameShown(space)) << "back while the key is held";
        Script(TestEvents::Key(SDLK_l, false));
        break;
      case 6:
        EXPECT_FALSE(thruster.IsThrusting());
        EXPECT_FALSE(flameShown(space));
        break;
    }
  });
  EXPECT_FALSE(output.Contains("[ERROR]")) << output.Text();
}
