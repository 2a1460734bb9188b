#include "FlowScene.h"

#include "core/Send.h"
#include "flow/actions/CollectionDumper.h"
#include "flow/tutorial/Trigger.h"
#include "gameplay/LevelEvents.h"
#include "gameplay/combat/CombatEvents.h"
#include "gameplay/items/ItemEvents.h"
#include "object/Removal.h"

// A trigger fires once, on the first happening it watches, and tells its space its stage.
TEST_F(InterfaceScene, TriggerFiresOnceOnTheFirstWatchedHappening)
{
  Define("TestTrigger", R"({"Trigger": {"stage": 4, "OnDied": true, "OnCollision": true}})");
  const Handle<GameObject> trigger = Make("TestTrigger");
  std::vector<std::uint32_t> stages;
  EventRecorder<TriggerEvent> counter(space->GetId());
  counter.onEvent = [&stages](TriggerEvent& event) { stages.push_back(event.stage); };
  auto touch = [&trigger](CollisionGroup group) {
    SendNow<CollisionEvent>(BRINDLE_SITE, trigger->GetId(), trigger, trigger, static_cast<std::uint32_t>(group));
  };
  touch(CollisionGroup::ENEMY);
  SendNow<UseEvent>(BRINDLE_SITE, trigger->GetId(), true, 0u, false);
  Frame();
  EXPECT_TRUE(stages.empty()) << "not a player, and use is not watched";
  touch(CollisionGroup::PLAYER);
  SendNow<DiedEvent>(BRINDLE_SITE, trigger->GetId());
  touch(CollisionGroup::PLAYER);
  Frame();
  EXPECT_EQ(stages, std::vector<std::uint32_t>{4});
  EXPECT_EQ(log.CountOf("Collision!"), 1u);
  EXPECT_EQ(log.CountOf("death!"), 0u);
}

// The end screen's dumper: with 30 test entries, 150 objects in three seconds after its first
// second, then any input asks for the main menu; leaving clears what the run carried.
TEST_F(InterfaceScene, DumperPoursTheCollectedLootOutThenWaitsForInput)
{
  DataBoard& board = registry->GetDataBoard();
  board.GetCollectedItems().push_back({"coin", "EN_Loot_Small", 0, 0});
  board.SetPrimaryItem("pistol");
  Define("TestDumper", R"({"CollectionDumper": {"MOAR TRESURE": true}})");
  const Handle<GameObject> dumper = Make("TestDumper", {0.0f, -300.0f});
  auto* dumping = dumper->GetComponent<CollectionDumper>();
  EXPECT_TRUE(board.GetCollectedItems().empty()) << "taken over by the dumper";
  EventRecorder<StartUtilityEvent> menu(LevelTransitionChannel);
  auto loot = [this] {
    int count = 0;
    for (const auto& [id, object] : space->GetObjectsById())
      count += object && object->GetPrefabName().rfind("EN_Loot_", 0) == 0 ? 1 : 0;
    return count;
  };
  Seconds(0.5f);
  EXPECT_EQ(loot(), 0);
  Seconds(0.5f);
  EXPECT_NEAR(PositionOf(dumper).y, 500.0f, 1.0f) << "slides up while it waits";
  EXPECT_LE(loot(), 5);
  Seconds(3.0f);
  EXPECT_LT(dumping->GetNextEntry(), 31u) << "one entry every 0.1 s";
  Seconds(1.0f);
  EXPECT_EQ(dumping->GetEntries().size(), 31u);
  EXPECT_EQ(dumping->GetNextEntry(), 31u);
  EXPECT_EQ(loot(), 155);
  Seconds(1.0f);
  EXPECT_EQ(menu.Count(), 0u);
  Frame({TestEvents::Key(SDLK_SPACE, true)});
  Frames(2);
  EXPECT_GE(menu.Count(), 1u);
  Frame({TestEvents::Key(SDLK_SPACE, false)});
  QueueRemoval(dumper);
  Frames(2);
  EXPECT_EQ(board.GetPrimaryItem(), "");
  EXPECT_EQ(log.Errors(), 0u) << log.Text();
}
