#include "CombatScene.h"

#include "audio/SoundEvents.h"
#include "core/MemoryManager.h"
#include "core/Send.h"
#include "gameplay/LevelEvents.h"
#include "gameplay/boss/BossEvents.h"
#include "gameplay/combat/CombatEvents.h"
#include "gameplay/combat/Health.h"
#include "gameplay/items/SpawnOnDestruction.h"
#include "gameplay/player/Interactor.h"
#include "gameplay/player/PlayerEvents.h"
#include "gameplay/props/EmitOnContact.h"
#include "gameplay/props/InteractJukebox.h"
#include "gameplay/score/ScoreEvents.h"
#include "object/ObjectEvents.h"
#include "physics/CollisionGroup.h"
#include "physics/PhysicsEvents.h"
#include "physics/Rigidbody.h"
#include "platform/Random.h"
#include "render/Sprite.h"

namespace
{
template <typename E, typename... Args>
void Send(Args... args)
{
  SendNow<E>(BRINDLE_SITE, args...);
}

void Touch(const Handle<GameObject>& self, const Handle<GameObject>& other, CollisionGroup group)
{
  Send<CollisionEvent>(self->GetId(), self, other, static_cast<std::uint32_t>(group));
}
}  // namespace

TEST_F(CombatScene, DropsRollTheirChancesInOrder)
{
  // One roll in a hundred steps: 0.3 passes 30 times in 100, 0 never, 1 always.
  ResetRandom();
  int passed = 0;
  for (int roll = 0; roll < 100; ++roll)
    passed += RollChance(0.3f) ? 1 : 0;
  EXPECT_NEAR(passed, 30, 8);
  for (int roll = 0; roll < 200; ++roll)
  {
    EXPECT_FALSE(RollChance(0.0f));
    EXPECT_TRUE(RollChance(1.0f));
  }

  Define("AlwaysAmmo", R"({"SpawnOnDestruction": {"ammoChance": 1.0}})");
  Define("NeverAmmo", R"({"SpawnOnDestruction": {"ammoChance": 0.0}})");
  for (int death = 0; death < 20; ++death)
  {
    Send<DiedEvent>(Make("AlwaysAmmo", {100.0f, 0.0f})->GetId());
    Send<DiedEvent>(Make("NeverAmmo", {-100.0f, 0.0f})->GetId());
  }
  Frames(1);
  EXPECT_EQ(CountPrefab(*space, "Ammo_Pickup"), 20u);
  const std::size_t loot = CountPrefab(*space, "EN_Loot_Small") + CountPrefab(*space, "EN_Loot_Medium");
  EXPECT_GT(loot, 20u) << "loot drops four times in five";
  EXPECT_LT(loot, 40u);
}

// Sodas fly off a prop hit by a bullet of either side, and only then; a prop that sounds on
// contact sounds for the player alone; debris drifts at its own steady speed.
TEST_F(CombatScene, PropsAnswerShotsAndTouchesAndDebrisDrifts)
{
  Define("TestProp", R"({"YerbaOnContact": null})");
  const Handle<GameObject> prop = Make("TestProp", {0.0f, 300.0f});
  const Handle<GameObject> bullet = Make("Bullet", {0.0f, 0.0f});
  Touch(prop, bullet, CollisionGroup::PROJECTILE);
  Touch(prop, bullet, CollisionGroup::ENEMY_PROJECTILE);
  Touch(prop, bullet, CollisionGroup::PLAYER);
  Touch(prop, bullet, CollisionGroup::WALL);
  EXPECT_EQ(CountPrefab(*space, "soda1"), 2u);
  for (const auto& [id, object] : space->GetObjectsById())
  {
    if (!object || object->GetPrefabName() != "soda1")
      continue;
    EXPECT_EQ(PositionOf(object), glm::vec2(0.0f, 200.0f));
    EXPECT_EQ(object->GetComponent<Sprite>()->GetColor().a, 1.0f);
  }

  Define("TestChime", R"({"EmitOnContact": null})");
  const Handle<GameObject> chime = Make("TestChime", {0.0f, -300.0f});
  const Sound& chimeSound = Get<EmitOnContact>(chime)->GetSound();
  // A sound plays at most once a frame, so each touch has a frame of its own.
  for (CollisionGroup group : {CollisionGroup::PROJECTILE, CollisionGroup::ENEMY, CollisionGroup::WALL})
  {
    Frames(1);
    Touch(chime, bullet, group);
    EXPECT_FALSE(chimeSound.GetInstance()) << "sounded for group " << static_cast<int>(group);
  }
  Frames(1);
  Touch(chime, bullet, CollisionGroup::PLAYER);
  EXPECT_TRUE(chimeSound.GetInstance().isValid()) << "silent for the player";
  EXPECT_EQ(chimeSound.GetEvent(), "event:/SFX/RifleShoot");

  // The shipped debris: 70 units right and 12 up a second, whatever the frames.
  const Handle<GameObject> debris = Make("EN_Debris", {100.0f, 50.0f});
  Frames(30);
  Frames(15, 2.0f * Dt);
  const glm::vec2 drifted = PositionOf(debris) - glm::vec2(100.0f, 50.0f);
  EXPECT_NEAR(drifted.x, 70.0f, 0.01f);
  EXPECT_NEAR(drifted.y, 12.0f, 0.01f);
}

// A zone pulls loose items in with the real physics and records each piece it takes in the
// DataBoard. (The loot a player collects for the score is another group, which no zone takes.)
TEST_F(CombatScene, CollectionZonePullsItemsInAndRecordsThem)
{
  Define("TestZone", R"({"CircleCollider": {"group": "PHYSICS_ZONE", "ghost": true, "radius": 400.0},
                         "CollectionZone": null})");
  for (const char* name : {"Trinket", "Gem", "Nugget"})
    Define(name, R"({"Sprite": {"source": "loot_small"}, "CircleCollider": {"group": "ITEMS", "radius": 20.0},
                    "Rigidbody": {"velocityDrag": 4.0}})");
  const Handle<GameObject> zone = Make("TestZone", {0.0f, 0.0f});
  const Handle<GameObject> coin = Make("Trinket", {300.0f, 0.0f}, "coin");
  const Handle<GameObject> gem = Make("Gem", {0.0f, -250.0f}, "gem");
  const Handle<GameObject> taken = Make("EN_Loot_Small", {0.0f, 250.0f}, "score");
  Frames(2);
  ASSERT_TRUE(coin);
  EXPECT_EQ(coin->GetComponent<Sprite>()->GetColor().g, 1.0f) << "tinted while pulled";
  EXPECT_LT(PositionOf(coin).x, 300.0f);
  Frames(600);
  EXPECT_FALSE(coin.IsValid());
  EXPECT_FALSE(gem.IsValid());
  const auto& collected = registry->GetDataBoard().GetCollectedItems();
  ASSERT_EQ(collected.size(), 2u);
  EXPECT_EQ(collected[0].prefab == "Trinket" ? collected[0].name : collected[1].name, "coin");
  EXPECT_TRUE(taken.IsValid());
  // At exactly 50 units an item is still pulled, not taken.
  const Handle<GameObject> edge = Make("Nugget", {50.0f, 0.0f});
  edge->GetComponent<Rigidbody>()->SetActive(false);
  Touch(zone, edge, CollisionGroup::ITEMS);
  EXPECT_TRUE(edge.IsValid());
  Touch(zone, edge, CollisionGroup::PLAYER);
  EXPECT_EQ(registry->GetDataBoard().GetCollectedItems().size(), 2u);
}

// An object is paid for once, however many ways it goes at once: killed in the frame the boss's
// death reaches it, and collected besides.
TEST_F(CombatScene, AnObjectKilledAsTheBossDiesPaysItsWorthOnce)
{
  Define("Worthy", R"({"Health": {"hitpoints": 10.0, "max hitpoints": 10.0}, "ReputationValue": {"value": 40}})");
  EventRecorder<UpdateReputation, int> paid(space->GetId(), [](const UpdateReputation& event) { return event.points; });
  const Handle<GameObject> enemy = Make("Worthy");
  Get<Health>(enemy)->Kill();
  Send<BossDiedEvent>(enemy->GetId());
  Frames(2);
  Send<LootCollectionEvent>(enemy->GetId());
  Frames(2);
  EXPECT_EQ(paid.notes, std::vector<int>{40});
  EXPECT_EQ(CountPrefab(*space, "PointsFeedback"), 1u);
}

// The player's interactor forwards to the zone it touches in this or the last update; a jukebox
// toggles the music at most every 0.2 s; an object that must go when an encounter begins goes once.
TEST_F(CombatScene, InteractionsReachTheTouchedZoneAndTheJukeboxTogglesMusic)
{
  Define("TestPlayer", R"({"Interactor": null})");
  Define("TestJukebox", R"({"InteractJukebox": null})");
  Define("TestVanishing", R"({"DestroyOnEncounter": null})");
  const Handle<GameObject> player = Make("TestPlayer");
  const Handle<GameObject> jukebox = Make("TestJukebox", {100.0f, 0.0f});
  std::vector<std::string> music;
  struct MusicListener : Listener
  {
    explicit MusicListener(std::vector<std::string>& heard) : Listener(3001), lines(heard)
    {
      EventManager::Instance()->Subscribe<MusicListener, CueMusicEvent>(this, SoundSystemChannel);
      EventManager::Instance()->Subscribe<MusicListener, StopMusicEvent>(this, SoundSystemChannel);
    }
    void On(CueMusicEvent* event) { lines.push_back("cue " + event->path); }
    void On(StopMusicEvent*) { lines.push_back("stop"); }
    std::vector<std::string>& lines;
  } listener(music);

  auto interact = [&player] { Send<InteractionEvent>(player->GetId()); };
  interact();
  Frames(1);
  EXPECT_TRUE(music.empty()) << "no zone touched";
  Touch(player, jukebox, CollisionGroup::INTERACTION_ZONE);
  EXPECT_EQ(player->GetComponent<Interactor>()->GetZone(), jukebox);
  interact();
  Frames(1);
  interact();  // within the cooldown: ignored
  Frames(1);
  EXPECT_EQ(music, (std::vector<std::string>{"cue event:/Music/MenuMusic"}));
  Touch(player, jukebox, CollisionGroup::INTERACTION_ZONE);
  Frames(15);
  interact();
  Frames(1);
  EXPECT_TRUE(music.size() == 1u) << "the zone is forgotten after an update without contact";
  Touch(player, jukebox, CollisionGroup::INTERACTION_ZONE);
  interact();
  Frames(1);
  EXPECT_EQ(music.back(), "stop");
  EXPECT_FALSE(jukebox->GetComponent<InteractJukebox>()->IsPlaying());

  const Handle<GameObject> vanishing = Make("TestVanishing");
  Send<ShipAttackedEvent>(space->GetId(), std::string("skirmish"), glm::vec2(0.0f, 0.0f), nullptr);
  Send<ShipAttackedEvent>(space->GetId(), std::string("skirmish"), glm::vec2(0.0f, 0.0f), nullptr);
  Frames(2);
  EXPECT_FALSE(vanishing.IsValid());
  EXPECT_EQ(output.Errors(), 0u) << output.Text();
}
