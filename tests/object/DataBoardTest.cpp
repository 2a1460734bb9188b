#include "object/LevelTestEnvironment.h"

#include "object/DataBoard.h"
#include "object/ObjectEvents.h"

class DataBoardTest : public LevelTest
{
protected:
  DataBoard& board = registry.GetDataBoard();
};

TEST_F(DataBoardTest, EveryLookupFindsTheOneStoredPosition)
{
  PositionEntry& corva = board.FindEntry("Corva");
  EXPECT_EQ(corva.secondText, "Shuttle");
  EXPECT_EQ(corva.thirdText, "none");
  EXPECT_EQ(corva.position, glm::vec2(0.0f, 0.0f));
  EXPECT_EQ(&board.FindEntry("corva"), &corva);
  EXPECT_EQ(&board.FindEntry(""), &corva);

  board.FindEntry("Ship").position = glm::vec2(5.0f, -3.0f);
  EXPECT_EQ(board.FindEntry("Anything").position, glm::vec2(5.0f, -3.0f));
}

TEST_F(DataBoardTest, CollectedItemsArriveThroughZonesSubscriptions)
{
  Handle<GameObject> zone;
  factory.CreateGameObject(zone, "Missing", space.get(), "zone");
  // What a collection zone does when it wakes.
  events->Subscribe<DataBoard, CollectionEvent>(&board, zone->GetId());
  events->Subscribe<DataBoard, CollectionEvent>(&board, zone->GetId());
  const CollectionEntry coin{"coin", "Coin", 0, 0};
  events->SendEvent(MemoryManager::New<CollectionEvent>(BRINDLE_SITE, zone->GetId(), coin));
  events->SendEvent(MemoryManager::New<CollectionEvent>(BRINDLE_SITE, zone->GetId(), coin));
  events->SendEvent(MemoryManager::New<CollectionEvent>(BRINDLE_SITE, zone->GetId() + 1, coin));
  ASSERT_EQ(board.GetCollectedItems().size(), 2u);
  EXPECT_EQ(board.GetCollectedItems()[1].prefab, "Coin");

  board.SetPrimaryItem("pistol");
  board.SetSpecialItem("dash");
  board.GetEntries().push_back(NamedPosition{"Outpost", glm::vec2(1.0f, 2.0f)});
  board.GetCollectedItems().clear();
  EXPECT_EQ(board.GetPrimaryItem(), "pistol");
  EXPECT_EQ(board.GetSecondaryItem(), "");
  EXPECT_EQ(board.GetSpecialItem(), "dash");
  EXPECT_EQ(board.GetEntries().size(), 1u);
}

TEST_F(DataBoardTest, TheBoardOutlivesLevelChanges)
{
  board.SetSecondaryItem("shotgun");
  board.GetCollectedItems().push_back(CollectionEntry{"", "Gem", 0, 0});
  board.FindEntry("Corva").position = glm::vec2(7.0f, 8.0f);
  Handle<GameObject> object;
  factory.CreateGameObject(object, "Missing", space.get(), "thing");
  space->UnloadLevel();
  space = std::make_unique<Space>("next");
  EXPECT_EQ(registry.GetDataBoard().GetSecondaryItem(), "shotgun");
  EXPECT_EQ(registry.GetDataBoard().GetCollectedItems().size(), 1u);
  EXPECT_EQ(registry.GetDataBoard().FindEntry("Corva").position, glm::vec2(7.0f, 8.0f));
}
