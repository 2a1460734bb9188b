// The throne room's reinforcements and throws on the game's frame: every pad keeps a supply lying
// on it, answers every wave, releases what it owes while its column shows frame 3 and hides at
// frame 7, holds it back while the room is full (a drone carrier counting as its drones), and a
// wave that comes too late waits for the next; a thrown object lands within its radius and leaves
// its prefab.
#include "CombatScene.h"
#include "core/FileUtilities.h"
#include "core/Send.h"
#include "gameplay/combat/Health.h"
#include "gameplay/boss/BossEvents.h"
#include "gameplay/boss/BossSpawner.h"
#include "gameplay/boss/CountLiving.h"
#include "gameplay/boss/ThrownObject.h"
#include "object/Removal.h"
#include "physics/Rigidbody.h"
#include "render/Sprite.h"
#include "support/AIScene.h"  // PlayerStandIn
#include "support/AtlasFrames.h"

#include <set>

class BossSpawnerTest : public CombatScene
{
protected:
  // The reinforcements standing in the room, by prefab.
  std::multiset<std::string> Reinforcements() const
  {
    std::multiset<std::string> found;
    for (const auto& [id, object] : space->GetObjectsById())
      for (const char* prefab : BossSpawner::Prefabs)
        if (object && object->GetPrefabName() == prefab)
          found.insert(prefab);
    return found;
  }

  void Wave() { Queue<BossSpawnEnemies>(BRINDLE_SITE, space->GetId()); }

  // Dead ones leave room for what follows (killed this frame is enough).
  void KillAll()
  {
    for (const auto& [id, object] : space->GetObjectsById())
      if (Health* health = object ? object->GetComponent<Health>() : nullptr)
        health->Kill();
    EXPECT_EQ(BossSpawner::LiveReinforcements(*space), 0);
  }

  AtlasFrames atlas;
};

TEST_F(BossSpawnerTest, PadsReleaseTheirWavesAtFrameThreeHideAtFrameSevenAndALateWaveWaits)
{
  if (!atlas.loaded)
    GTEST_SKIP() << "the pads' frames need the atlas";
  // A carrier counts apart (it is looked at last): until then the pads bring bears in its place.
  const auto bring = [this](const char* prefab, const std::string& shipped) {
    Json::Value definition;
    ASSERT_TRUE(ReadJsonFile(definition, "Assets/Prefabs/" + shipped + ".prefab"));
    Define(prefab, definition[shipped].toStyledString());
  };
  bring("DroneCarrier", "AI_bear");
  const Handle<GameObject> left = Make("BossSpawner", {-400.0f, 0.0f});
  const Handle<GameObject> right = Make("BossSpawner", {400.0f, 0.0f});
  Frames(2);
  EXPECT_FALSE(Get<Sprite>(left)->GetDraw());
  // The supply lies there from the start; once taken, the next comes 5 s later.
  ASSERT_TRUE(Get<BossSpawner>(left)->GetSupply().IsValid());
  QueueRemoval(Get<BossSpawner>(left)->GetSupply());
  int waited = 0;
  do
  {
    Frames(1);
  } while (!Get<BossSpawner>(left)->GetSupply().IsValid() && ++waited < 60 * 60);
  EXPECT_NEAR(waited * Dt, 5.0f, 1.5f * Dt);
  Wave();
  Wave();
  Frames(1);
  EXPECT_TRUE(Get<Sprite>(left)->GetDraw());
  EXPECT_EQ(Get<BossSpawner>(left)->GetEnemiesToSpawn(), 2);
  // Frame 3 shows for several updates: both owed enemies leave each pad, one per update.
  int frame = 0;
  while (Get<BossSpawner>(left)->IsAnimated() && ++frame < 200)
    Frames(1);
  EXPECT_EQ(Reinforcements().size(), 4u);
  EXPECT_FALSE(Get<Sprite>(left)->GetDraw());
  EXPECT_EQ(Get<Sprite>(left)->GetFrame(), 0u);
  EXPECT_EQ(Get<BossSpawner>(right)->GetEnemiesToSpawn(), 0);

  KillAll();

  // A wave that arrives once frame 3 has passed is still owed when the column ends...
  Wave();
  while (Get<Sprite>(left)->GetFrame() <= BossSpawner::ReleaseFrame)
    Frames(1);
  Wave();
  while (Get<BossSpawner>(left)->IsAnimated())
    Frames(1);
  EXPECT_EQ(Get<BossSpawner>(left)->GetEnemiesToSpawn(), 1);
  KillAll();
  // ... and leaves with the next one (which arrives in the next update's queue pass).
  Wave();
  Frames(1);
  while (Get<BossSpawner>(left)->IsAnimated())
    Frames(1);
  EXPECT_EQ(Get<BossSpawner>(left)->GetEnemiesToSpawn(), 0);
  EXPECT_EQ(BossSpawner::LiveReinforcements(*space), 4);

  // Four stand: the room is full, and a wave runs its column but leaves its enemies owed.
  ASSERT_EQ(BossSpawner::MaxReinforcements, 4);
  Wave();
  Frames(1);
  while (Get<BossSpawner>(left)->IsAnimated())
    Frames(1);
  EXPECT_EQ(BossSpawner::LiveReinforcements(*space), 4);
  EXPECT_EQ(Get<BossSpawner>(left)->GetEnemiesToSpawn(), 1);

  // From here every enemy a pad brings is a drone carrier, with a player between the pads for it to
  // burst at. Waves called without end never make more than eight stand (three and a carrier's
  // five): a carrier still whole already counts as its drones.
  KillAll();
  for (const char* prefab : BossSpawner::Prefabs)
    bring(prefab, "DroneCarrier");
  // The level's player is a name nothing can see: a stand-in takes its place.
  QueueRemoval(Find(space, "Player"));
  Define("Stand-in", "{\"Transform\": null, " + PlayerStandIn + "}");
  Make("Stand-in", {0.0f, 0.0f});
  const std::vector<std::string_view> enemies = {BossSpawner::Prefabs[0], BossSpawner::Prefabs[1],
                                                 BossSpawner::Prefabs[2], BossSpawner::Prefabs[3]};
  int mostStanding = 0;
  int wholeCarrierCounts = 0;
  for (int frames = 0; frames < 900; ++frames)
  {
    if (!Get<BossSpawner>(left)->IsAnimated())
      Wave();
    Frames(1);
    const int drones = CountLiving(*space, {BossSpawner::DronePrefab});
    const int carriers = CountLiving(*space, enemies);
    mostStanding = std::max(mostStanding, carriers + drones);
    if (carriers == 1 && drones == 0)
      wholeCarrierCounts = BossSpawner::LiveReinforcements(*space);
  }
  EXPECT_EQ(wholeCarrierCounts, 5);
  EXPECT_EQ(CountLiving(*space, {BossSpawner::DronePrefab}), 5) << "one carrier burst, and held the rest back";
  EXPECT_LE(mostStanding, 8);
  EXPECT_FALSE(output.Contains("[ERROR]")) << output.Text();
}

TEST_F(BossSpawnerTest, AThrownObjectLandsWithinItsRadiusAndLeavesItsPrefabOrNothing)
{
  Define("Dud", R"({"Transform": null, "Rigidbody": {"invMomentInertia": 0.0}, "ThrownObject": {}})");
  auto throwAt = [this](const std::string& prefab, glm::vec2 target, const std::string& leaves) {
    const Handle<GameObject> thrown = Make(prefab, {0.0f, 0.0f});
    Get<ThrownObject>(thrown)->SetTarget(target.x, target.y);
    Get<ThrownObject>(thrown)->SetPrefab(leaves);
    Get<Rigidbody>(thrown)->SetVelocity(target * 0.5f);
    return thrown;
  };
  const Handle<GameObject> turret = throwAt("ThrownTurret", {600.0f, 0.0f}, "BossTwinkle");
  const Handle<GameObject> hat = throwAt("ThrownTurret", {0.0f, 600.0f}, "");
  const Handle<GameObject> dud = throwAt("Dud", {-600.0f, 0.0f}, "BossTwinkle");
  Frames(150);
  EXPECT_FALSE(turret.IsValid());
  EXPECT_FALSE(hat.IsValid());
  std::vector<glm::vec2> landed;
  for (const auto& [id, object] : space->GetObjectsById())
    if (object && object->GetName() == ThrownObject::LandedName)
      landed.push_back(PositionOf(object));
  ASSERT_EQ(landed.size(), 1u);
  EXPECT_NEAR(landed[0].x, 600.0f, 40.0f);
  EXPECT_NEAR(landed[0].y, 0.0f, 1.0f);
  // A radius of 0 never lands: the dud flies on past its target.
  ASSERT_TRUE(dud.IsValid());
  EXPECT_LT(PositionOf(dud).x, -600.0f);
}
