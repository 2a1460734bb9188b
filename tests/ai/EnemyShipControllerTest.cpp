// The overworld's enemy ships on the game's frame. A faction ship launched toward a point grows to
// full size and stops growing, flies there with its sprite upright, shrinks within 700 units (never
// below nothing) and is gone within 400. A spawner launches a hunting ship on its second update and
// every ten seconds after; the hunter flies at the player's ship and, when that is gone, on to
// where it last saw it.
#include "support/AIScene.h"

#include "ai/ships/EnemyShipController.h"
#include "ai/ships/HardEnemyShipController.h"
#include "object/Removal.h"
#include "render/Sprite.h"

#include <algorithm>

class EnemyShipControllerTest : public AIScene
{
protected:
  std::vector<Handle<GameObject>> Named(Space* space, const std::string& name)
  {
    std::vector<Handle<GameObject>> found;
    for (const auto& [id, object] : space->GetObjectsById())
      if (object.IsValid() && object->GetName() == name)
        found.push_back(object);
    return found;
  }
};

TEST_F(EnemyShipControllerTest, AShipGrowsFliesToItsDestinationShrinksAndVanishesThere)
{
  CapturedLog output;
  Space* space = Load("flight", "[" + Record("Ship", "OW_FactionOne_EasyShip", 1, {0, 0}) + "]");
  const Handle<GameObject> ship = Find(space, "Ship");
  ASSERT_TRUE(ship.IsValid()) << output.Text();
  ship->GetComponent<EnemyShipController>()->SetDestination({2000, 0});
  Transform* transform = ship->GetTransform();
  EXPECT_EQ(transform->GetScale().x, 0.25f);

  int grownAt = -1;
  float smallest = 1.0f;
  bool shrank = false;
  float velocityBefore = 0.0f;
  for (int frame = 0; frame < 3000 && ship.IsValid(); ++frame)
  {
    const float before = transform->GetScale().x;
    RunFrames(1);
    if (!ship.IsValid())
      break;
    // Where the physics put it this frame, where the update measured from.
    const float distance = glm::length(glm::vec2(2000, 0) - PositionOf(ship));
    const float after = transform->GetScale().x;
    EXPECT_EQ(transform->GetScale().y, after);
    if (distance >= 700.0f)
    {
      if (before < 1.0f)
        EXPECT_NEAR(after, before + FrameStep * 0.6f, 1e-5f) << "frame " << frame;
      else
        EXPECT_EQ(after, before) << "full size reached, it grows no more";
      if (after >= 1.0f && grownAt < 0)
        grownAt = frame;
    }
    else
    {
      shrank = true;
      EXPECT_EQ(after, std::max(0.0f, before - FrameStep * 0.6f));
      EXPECT_GE(distance, 400.0f) << "within 400 it would be gone";
    }
    smallest = std::min(smallest, after);
    // The update mirrors by the motion the Agent read back at the end of the frame before.
    EXPECT_EQ(ship->GetSprite()->GetFlipY(), velocityBefore <= 0.0f) << "upright as drawn only while flying right";
    velocityBefore = ship->GetComponent<EnemyShipController>()->GetCharacter()->velocity.x;
  }
  EXPECT_NEAR(grownAt, 0.75f / (0.6f * FrameStep), 2.0f) << "a quarter size grows to full in 1.25 s";
  EXPECT_TRUE(shrank);
  EXPECT_GE(smallest, 0.0f) << "never turned inside out";
  EXPECT_FALSE(ship.IsValid()) << "gone at its destination";
  EXPECT_FALSE(output.Contains("[ERROR]")) << output.Text();
}

TEST_F(EnemyShipControllerTest, ASpawnerLaunchesHuntersThatChaseThePlayersShipAndFlyOnWhenItIsGone)
{
  CapturedLog output;
  Space* space = Load("hunt ships",
                      "[" + Record("Spawner", "Default", 1, {0, 0}, R"(, "SimpleShipSpawner": null)") + "," +
                          Record("Corva", "Default", 2, {-1500, 800},
                                 R"(, "Rigidbody": {"invMass": 0}, "CircleCollider": {"radius": 40, "group": "PLAYER"},
                                    "Agent": {}, "Registerer": {"registryType": "OW_CORVA"})") +
                          "]");
  const Handle<GameObject> corva = Find(space, "Corva");
  ASSERT_TRUE(corva.IsValid()) << output.Text();

  RunFrames(1);
  EXPECT_TRUE(Named(space, "").empty()) << "nothing on the first update";
  RunFrames(1);
  std::vector<Handle<GameObject>> hunters;
  for (const Handle<GameObject>& object : Named(space, ""))
    if (object->GetComponent<HardEnemyShipController>() != nullptr)
      hunters.push_back(object);
  ASSERT_EQ(hunters.size(), 1u) << "the first leaves on the second update";
  const Handle<GameObject> hunter = hunters.front();
  EXPECT_EQ(PositionOf(hunter), glm::vec2(0, 0));

  RunFrames(240);
  const glm::vec2 heading = PositionOf(hunter);
  EXPECT_GT(glm::dot(heading, glm::normalize(PositionOf(corva))), 100.0f) << "it made for the player's ship";
  EXPECT_EQ(hunter->GetTransform()->GetScale().x, hunter->GetTransform()->GetScale().y);
  EXPECT_GE(hunter->GetTransform()->GetScale().x, 1.0f);

  // The player's ship goes: the hunter flies on to where it saw it last.
  const glm::vec2 lastSeen = PositionOf(corva);
  QueueRemoval(corva);
  RunFrames(480);
  EXPECT_LT(glm::length(PositionOf(hunter) - lastSeen), glm::length(heading - lastSeen));

  const auto hunterCount = [space] {
    return std::count_if(space->GetObjectsById().begin(), space->GetObjectsById().end(), [](const auto& entry) {
      return entry.second.IsValid() && entry.second->template GetComponent<HardEnemyShipController>() != nullptr;
    });
  };
  EXPECT_EQ(hunterCount(), 1) << "one in the first ten seconds";
  RunFrames(600);
  EXPECT_EQ(hunterCount(), 2) << "and one every ten seconds";
  EXPECT_FALSE(output.Contains("[ERROR]")) << output.Text();
}
