// A sealed room on the real game loop: an explosion blows out one of its walls, the map opens the
// edge, the room vents towards the hole and the bodies in it are pushed that way.
#include "ai/navigation/PathGraph.h"
#include "core/EventManager.h"
#include "gameplay/ship/DepressurizationEffect.h"
#include "gameplay/ship/DragManager.h"
#include "gameplay/ship/PressureTracker.h"
#include "gameplay/ship/ShipEvents.h"
#include "object/GameobjectFactory.h"
#include "physics/Rigidbody.h"
#include "support/EventRecorder.h"
#include "support/ShipScene.h"

#include <set>
#include <utility>

namespace
{
// A 3 x 3 room walled all round in the middle of a 5 x 5 grid.
const std::string SealedRoom = "ship\n5\n5\n"
                               "000 00I 00I 00I 000 \n"
                               "0W0 100 100 1W0 000 \n"
                               "0W0 100 100 1W0 000 \n"
                               "0W0 10I 10I 1WI 000 \n"
                               "000 000 000 000 000 \n";
const glm::vec2 Origin(1000.0f, 500.0f);

std::set<std::pair<int, int>> CornerTiles(const PathGraph& graph, const ShipMap& map)
{
  std::set<std::pair<int, int>> tiles;
  for (int x = 0; x < map.GetWidth(); ++x)
    for (int y = 0; y < map.GetHeight(); ++y)
      if (graph.IsCornerTile(x, y))
        tiles.insert({x, y});
  return tiles;
}

std::set<std::pair<int, int>> NodeTiles(const PathGraph& graph)
{
  std::set<std::pair<int, int>> tiles;
  for (const PathGraph::Node& node : graph.GetNodes())
    if (node.active)
      tiles.insert({node.tileX, node.tileY});
  return tiles;
}
}  // namespace

class PressureTrackerTest : public ShipScene
{
};

TEST_F(PressureTrackerTest, ABlownOutWallVentsItsRoomTowardsTheHoleAndPushesWhatIsInIt)
{
  DefinePrefab("TestExplosion", R"({"Transform": null, "CircleCollider": {"group": "EXPLOSION", "radius": 20},
                                     "TimedDestruction": {"active": true, "destructionTime": 0.3}})");
  // A crate in the room's left column.
  const std::string crate = R"({"Rigidbody": {"invMass": 1}, "CircleCollider": {"group": "PROPS", "radius": 20},
                                "DragManager": null})";
  WriteLevel("sealedroom", SealedRoom, Origin,
             {Object("Crate", "Default", Origin + glm::vec2(1.5f, 2.5f) * Tile, crate)});

  EventRecorder<DepressurizationEvent> announcements;
  EventRecorder<ShipMapWallDestroyedEvent> wallsDestroyed;
  const glm::vec2 hole = Origin + glm::vec2(3.5f, 2.5f) * Tile;  // the tile left of the wall that goes
  glm::vec2 crateBefore;
  Run("sealedroom", 40, [&](int frame, Space& space) {
    ShipMap& map = MapOf(space);
    auto* tracker = Find(space, "Ship")->GetComponent<PressureTracker>();
    auto* graph = Find(space, "Ship")->GetComponent<PathGraph>();
    Rigidbody* crateBody = Find(space, "Crate")->GetComponent<Rigidbody>();
    if (frame == 1)
    {
      announcements.Watch(space.GetId());
      wallsDestroyed.Watch(Find(space, "Ship")->GetId());
      // The grid sits on the map object, one tile per 128 units.
      EXPECT_EQ(map.WorldToTile(1000.0f, 500.0f), glm::ivec2(0, 0));
      EXPECT_EQ(map.WorldToTile(999.9f, 500.0f), glm::ivec2(-1, 0));
      EXPECT_EQ(map.TileToWorld(2, 3), glm::vec2(1320.0f, 948.0f));
      EXPECT_TRUE(map.IsTileAt(1320.0f, 948.0f));
      EXPECT_FALSE(map.IsTileAt(1064.0f, 948.0f)) << "the border has no floor";
      // Each edge is stored once and mirrored in the wall bits of both its tiles.
      EXPECT_EQ(map.GetTile(1, 1).walls, ShipWall::Bottom | ShipWall::Left);
      EXPECT_EQ(map.GetTile(3, 3).walls, ShipWall::Top | ShipWall::Right);
      EXPECT_EQ(map.GetTile(4, 2).walls, ShipWall::Left);
      EXPECT_EQ(map.GetTile(2, 2).walls, 0);
      // The ring is outside and the room one sealed zone.
      ASSERT_EQ(tracker->GetWidth(), 5u);
      for (int x = 0; x < 5; ++x)
        for (int y = 0; y < 5; ++y)
        {
          const bool inRoom = x >= 1 && x <= 3 && y >= 1 && y <= 3;
          EXPECT_EQ(tracker->GetCell(x, y)->zone, inRoom ? 0 : PressureZone::Outside) << x << ", " << y;
        }
      EXPECT_EQ(NodeTiles(*graph), CornerTiles(*graph, map));
      EXPECT_TRUE(ObjectsOf(space, "DepressurizationEffect").empty());
      EXPECT_FLOAT_EQ(crateBody->velocityDrag, 20.0f) << "on deck the crate is held back hard";
    }
    if (frame == 2)
    {
      // Two explosions on the right wall of the room's middle row, in the same frame.
      const glm::vec2 wall = hole + glm::vec2(64.0f, 0.0f);
      for (int i = 0; i < 2; ++i)
      {
        Handle<GameObject> explosion;
        GameobjectFactory::Instance()->CreateGameObjectAt(explosion, "TestExplosion", &space, wall.x, wall.y, "Explosion");
      }
      crateBefore = Find(space, "Crate")->GetTransform()->GetWorldPosition();
    }
    if (frame != 40)
      return;

    // The wall is gone from the grid, from both tiles' bits and from the world, with one set of rubble.
    EXPECT_EQ(map.GetTile(3, 2).side, ShipTile::None);
    EXPECT_EQ(map.GetTile(3, 2).walls & ShipWall::Right, 0);
    EXPECT_EQ(map.GetTile(4, 2).walls & ShipWall::Left, 0);
    EXPECT_FALSE(map.GetTileObject(3, 2, ShipMap::SideSlot).IsValid());
    EXPECT_EQ(map.GetTile(3, 1).side, 'W') << "the walls beside it stand";
    std::size_t rubble = 0;
    for (const char* prefab : {"rubble_red_1", "rubble_red_2", "rubble_red_3"})
      for (GameObject* piece : ObjectsOf(space, prefab))
      {
        ++rubble;
        EXPECT_FLOAT_EQ(piece->GetTransform()->GetWorldPosition().x, hole.x + 54.0f) << "in a column right of the wall";
      }
    EXPECT_EQ(rubble, 5u);
    EXPECT_EQ(wallsDestroyed.Count(), 1u) << "one wall, one announcement";

    // The room is outside now, and from every one of its cells the flows lead by a shortest way to
    // the cell at the hole, whose flow points out through it.
    const std::vector<GameObject*> effects = ObjectsOf(space, "DepressurizationEffect");
    ASSERT_EQ(effects.size(), 1u);
    EXPECT_EQ(effects[0]->GetTransform()->GetWorldPosition(), hole);
    EXPECT_EQ(effects[0]->GetComponent<DepressurizationEffect>()->GetTracker(), tracker);
    EXPECT_EQ(tracker->GetFlow({3, 2}), glm::vec2(1.0f, 0.0f));
    for (int x = 1; x <= 3; ++x)
      for (int y = 1; y <= 3; ++y)
      {
        EXPECT_EQ(tracker->GetCell(x, y)->zone, PressureZone::Outside);
        glm::ivec2 cell(x, y);
        int steps = 0;
        while (cell != glm::ivec2(3, 2) && steps < 10)
        {
          cell += glm::ivec2(tracker->GetFlow(cell));
          ++steps;
        }
        EXPECT_EQ(steps, std::abs(3 - x) + std::abs(2 - y)) << "from " << x << ", " << y;
      }
    EXPECT_EQ(tracker->GetBreachCount(), 1);

    // The crate was pushed along the row to the hole, and each touch was announced to the space.
    EXPECT_GT(Find(space, "Crate")->GetTransform()->GetWorldPosition().x, crateBefore.x + 1.0f);
    EXPECT_GT(crateBody->velocity.x, 0.0f);
    EXPECT_NEAR(crateBody->velocity.y, 0.0f, 1.0e-3f);
    EXPECT_GT(announcements.Count(), 1u);
    // Only the tiles around the hole were looked at again, and they match the new walls.
    EXPECT_EQ(NodeTiles(*graph), CornerTiles(*graph, map));
  });
  EXPECT_FALSE(output.Contains("[ERROR]")) << output.Text();
}
