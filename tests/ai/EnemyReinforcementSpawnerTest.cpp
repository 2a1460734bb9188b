// Reinforcements on the game's frame: nothing comes while the encounter clock runs; from its
// expiry on, every five seconds three teleport flashes appear within a 1000-unit square around the
// spawner, on the deck of the small ship it stands in even where the square reaches past the hull,
// each bringing in one police bear at its frame 3 (none if frame 3 is skipped) and going away at
// its frame 7. A repeated expiry does not double the waves, and a frame time that is no number is
// survived.
#include "support/AIScene.h"

#include "ai/spawning/TeleportSpawn.h"
#include "core/Send.h"
#include "gameplay/LevelEvents.h"
#include "object/FrameEvents.h"
#include "render/Sprite.h"
#include "support/CapturedLog.h"
#include "support/ShipScene.h"

#include <cmath>

class EnemyReinforcementSpawnerTest : public AIScene
{
protected:
  std::vector<Handle<GameObject>> OfPrefab(Space* space, const std::string& prefab)
  {
    std::vector<Handle<GameObject>> found;
    for (const auto& [id, object] : space->GetObjectsById())
      if (object.IsValid() && object->GetPrefabName() == prefab)
        found.push_back(object);
    return found;
  }
};

TEST_F(EnemyReinforcementSpawnerTest, WavesOfTeleportedPoliceBearsComeEveryFiveSecondsAfterTheClockRunsOut)
{
  CapturedLog log;
  Space* hud = Load("HUD", "[]");
  // Three tiles by two of deck, from (0, 0) to (384, 256), walled all round.
  ShipLevel::Write("late encounter", "ship\n5\n4\n000 00I 00I 00I 000 \n0W0 100 100 1W0 000 \n"
                                     "0W0 10I 10I 1WI 000 \n000 000 000 000 000 \n",
                   {-128.0f, -128.0f}, {LevelRecord::Object("Spawner", "Default", {200, 100}, R"({"EnemyReinforcementSpawner": null})")});
  writtenFiles.push_back(Space::LevelPath("late encounter"));
  writtenFiles.push_back("Assets/Ship/late encounter.txt");
  Space* space = LiveSpace("late encounter", "late encounter");
  RunFrames(120 * 8);
  EXPECT_TRUE(OfPrefab(space, "EN_TeleportSpawn").empty()) << "nothing while the clock runs";

  // The clock runs out, and says so again on every update after.
  int frames = 0;
  for (; frames < 120 * 6 && OfPrefab(space, "EN_TeleportSpawn").empty(); ++frames)
  {
    Queue<TimerExpired>(BRINDLE_SITE, hud->GetId());
    RunFrames(1);
  }
  EXPECT_NEAR(frames, 600, 2) << "the first wave five seconds after";
  const std::vector<Handle<GameObject>> flashes = OfPrefab(space, "EN_TeleportSpawn");
  ASSERT_EQ(flashes.size(), 3u);
  for (const Handle<GameObject>& flash : flashes)
  {
    // On the deck, clear of the hull for the bear it brings.
    EXPECT_GE(PositionOf(flash).x, ShipMap::StandingClearance);
    EXPECT_LE(PositionOf(flash).x, 384.0f - ShipMap::StandingClearance);
    EXPECT_GE(PositionOf(flash).y, ShipMap::StandingClearance);
    EXPECT_LE(PositionOf(flash).y, 256.0f - ShipMap::StandingClearance);
  }

  // Each flash plays through (its frames stepped here: a test has no atlas to count them): a
  // police bear where it stands at frame 3, once, and the flash gone after frame 7. The first
  // skips frame 3 and brings no one.
  const auto showFrame = [&](std::uint32_t frame) {
    for (const Handle<GameObject>& flash : flashes)
      if (flash.IsValid())
      {
        flash->GetSprite()->SetAnimated(false);
        flash->GetSprite()->SetFrame(frame == 3 && flash == flashes[0] ? 4 : frame);
      }
    RunFrames(1);
  };
  showFrame(2);
  EXPECT_TRUE(OfPrefab(space, "AI_bear_police").empty());
  showFrame(3);
  showFrame(3);
  const std::vector<Handle<GameObject>> bears = OfPrefab(space, "AI_bear_police");
  ASSERT_EQ(bears.size(), 2u) << log.Text();
  EXPECT_EQ(PositionOf(bears[0]), PositionOf(flashes[1])) << "where the flash stands";
  EXPECT_TRUE(flashes[1]->GetComponent<TeleportSpawn>()->IsActive());
  showFrame(7);
  for (const Handle<GameObject>& flash : flashes)
    EXPECT_FALSE(flash.IsValid()) << "the flash removed itself";

  // A frame time of no number: reported, and the waves go on every five seconds.
  SendNow<UpdateEvent>(BRINDLE_SITE, space->GetId(), std::nanf(""));
  RunFrames(120 * 5 + 2);
  EXPECT_EQ(OfPrefab(space, "EN_TeleportSpawn").size(), 3u) << "one more wave, not two";
  EXPECT_EQ(log.CountOf("the wave timer is not a finite number"), 1u) << log.Text();
}
