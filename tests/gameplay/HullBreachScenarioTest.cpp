// Two sealed rooms side by side on the real game loop, the player in one and a can (a prop the
// wind takes) in the other, and a closet behind a door below the player's room. The player opens
// and shuts the door through the input layer; a shot leaves the wall between the rooms standing,
// an explosion there joins them into one sealed space, and a second one in the hull vents both,
// pushing the player towards the hole and the can out through it into space, where it drifts
// unseen, while the closet keeps its air behind the door.
#include "gameplay/ship/PressureTracker.h"
#include "gameplay/ship/SimpleDoorLogic.h"
#include "object/GameobjectFactory.h"
#include "physics/Collider.h"
#include "physics/Rigidbody.h"
#include "render/Sprite.h"
#include "support/ShipScene.h"

namespace
{
// Rooms of 2 x 2 tiles: the left one x 1-2, the right one x 3-4, rows 2-3; the closet is row 1
// below the right one, through the door under tile (3, 2).
const std::string TwoRooms = "ship\n6\n5\n"
                             "000 00I 00I 00I 00I 000 \n"
                             "0W0 100 1W0 100 1W0 000 \n"
                             "0W0 10I 1WI 10D 1WI 000 \n"
                             "000 000 0W0 10I 1WI 000 \n"
                             "000 000 000 000 000 000 \n";
const glm::vec2 Origin(1000.0f, 500.0f);
}  // namespace

class HullBreachScenarioTest : public ShipScene
{
protected:
  static void Spawn(Space& space, const std::string& prefab, glm::vec2 at)
  {
    Handle<GameObject> made;
    GameobjectFactory::Instance()->CreateGameObjectAt(made, prefab, &space, at.x, at.y, prefab);
  }
};

TEST_F(HullBreachScenarioTest, AWallBetweenRoomsJoinsThemAndAHoleInTheHullVentsBothIntoSpace)
{
  DefinePrefab("TestExplosion", R"({"Transform": null, "CircleCollider": {"group": "EXPLOSION", "radius": 20},
                                     "TimedDestruction": {"active": true, "destructionTime": 0.1}})");
  const auto world = [](float x, float y) { return Origin + glm::vec2(x, y) * Tile; };
  const glm::vec2 divider = world(3.0f, 2.5f);  // the right wall of tile (2, 2)
  const glm::vec2 hull = world(1.0f, 2.5f);     // the right wall of tile (0, 2)
  const glm::vec2 hole = world(1.5f, 2.5f);     // the cell inside it
  WriteLevel("tworooms", TwoRooms, Origin,
             {Object("Player1", "Player", world(3.5f, 2.5f)), Object("Can", "soda1", hole + glm::vec2(0.0f, 40.0f), R"({"CircleCollider": {"group": "PROPS"}})")});

  // Frames of exactly 1/120 s, whatever the machine's load: the wind's push is a force a frame.
  SteppedClock steady(1);
  clock = &steady;
  int ventedAt = 0;
  glm::vec2 playerBefore(0.0f);
  Run("tworooms", 240, [&](int frame, Space& space) {
    const ShipMap& map = MapOf(space);
    const PressureTracker& tracker = *Find(space, "Ship")->GetComponent<PressureTracker>();
    GameObject* can = Find(space, "Can");
    GameObject* player = Find(space, "Player1");
    ASSERT_NE(player, nullptr);
    const auto zone = [&](int x, int y) { return tracker.GetCell(x, y)->zone; };
    const std::vector<GameObject*> doorLogic = ObjectsOf(space, "door logic");
    ASSERT_EQ(doorLogic.size(), 1u);
    const auto doorOpen = [&] { return doorLogic[0]->GetComponent<SimpleDoorLogic>()->IsOpen(); };
    const Collider* door = GetCollider(doorLogic[0]->GetParent().Get());
    if (frame == 10 || frame == 15)
      Script(TestEvents::Key(SDLK_f, true));  // the player beside the door uses it
    if (frame == 11 || frame == 16)
      Script(TestEvents::Key(SDLK_f, false));
    if (frame == 1)
    {
      EXPECT_FALSE(doorOpen());
      EXPECT_TRUE(door->IsActive());
      EXPECT_NE(zone(1, 2), zone(4, 3));
      EXPECT_NE(zone(4, 3), zone(4, 1));
      for (const glm::ivec2 cell : {glm::ivec2(1, 2), glm::ivec2(4, 3), glm::ivec2(4, 1)})
        EXPECT_NE(zone(cell.x, cell.y), PressureZone::Outside);
      EXPECT_TRUE(can->GetComponent<Sprite>()->GetDraw()) << "aboard, the can is seen";
      EXPECT_FLOAT_EQ(can->GetComponent<Rigidbody>()->velocityDrag, 2.0f) << "and held back by the deck";
      Spawn(space, "Bullet", divider);
      playerBefore = player->GetTransform()->GetWorldPosition();
    }
    if (frame == 15)
    {
      EXPECT_TRUE(doorOpen());
      EXPECT_FALSE(door->IsActive()) << "the open door lets bodies through";
    }
    if (frame == 22)
    {
      EXPECT_FALSE(doorOpen()) << "used again, it shuts";
      EXPECT_TRUE(door->IsActive());
      EXPECT_EQ(map.GetTile(2, 2).side, 'W') << "a shot breaks no wall";
      Spawn(space, "TestExplosion", divider);
    }
    if (frame == 40)
    {
      EXPECT_EQ(map.GetTile(2, 2).side, ShipTile::None);
      EXPECT_EQ(map.GetTile(2, 3).side, 'W') << "the wall above it stands";
      EXPECT_EQ(zone(1, 2), zone(4, 3)) << "one sealed space now";
      EXPECT_NE(zone(1, 2), PressureZone::Outside);
      EXPECT_TRUE(ObjectsOf(space, "DepressurizationEffect").empty());
      EXPECT_LT(glm::length(player->GetTransform()->GetWorldPosition() - playerBefore), 1.0f) << "no wind";
      Spawn(space, "TestExplosion", hull);
    }
    if (ventedAt == 0 && !ObjectsOf(space, "DepressurizationEffect").empty())
      ventedAt = frame;
    if (frame != 240)
      return;

    ASSERT_GT(ventedAt, 40);
    const std::vector<GameObject*> effects = ObjectsOf(space, "DepressurizationEffect");
    ASSERT_EQ(effects.size(), 1u);
    EXPECT_EQ(effects[0]->GetTransform()->GetWorldPosition(), hole);
    EXPECT_EQ(tracker.GetBreachCount(), 1);
    // Every cell of both rooms is open to space, and its flow leads out through the hole; the
    // closet holds its air.
    for (int x = 1; x <= 4; ++x)
      for (int y = 2; y <= 3; ++y)
      {
        EXPECT_EQ(zone(x, y), PressureZone::Outside) << x << ", " << y;
        glm::ivec2 cell(x, y);
        for (int steps = 0; steps < 8 && cell != glm::ivec2(1, 2); ++steps)
          cell += glm::ivec2(tracker.GetFlow(cell));
        EXPECT_EQ(cell, glm::ivec2(1, 2)) << "from " << x << ", " << y;
      }
    EXPECT_EQ(tracker.GetFlow({1, 2}), glm::vec2(-1.0f, 0.0f));
    EXPECT_NE(zone(3, 1), PressureZone::Outside);
    EXPECT_EQ(zone(3, 1), zone(4, 1));

    const glm::vec2 playerAt = player->GetTransform()->GetWorldPosition();
    EXPECT_LT(glm::length(playerAt - hole), glm::length(playerBefore - hole) - 20.0f) << "the wind took the player";
    ASSERT_NE(can, nullptr);
    EXPECT_LT(can->GetTransform()->GetWorldPosition().x, hull.x) << "out through the hole";
    EXPECT_FALSE(can->GetComponent<Sprite>()->GetDraw()) << "in space, the can is not drawn";
    EXPECT_FLOAT_EQ(can->GetComponent<Rigidbody>()->velocityDrag, 0.95f) << "nor held back";
    EXPECT_LT(can->GetComponent<Rigidbody>()->velocity.x, 0.0f) << "it drifts on";
  });
  EXPECT_FALSE(output.Contains("[ERROR]")) << output.Text();
}
