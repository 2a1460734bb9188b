#include "steering/AIEvents.h"
#include "audio/SoundEvents.h"
#include "flow/FlowEvents.h"
#include "gameplay/LevelEvents.h"
#include "gameplay/boss/BossEvents.h"
#include "gameplay/combat/CombatEvents.h"
#include "gameplay/items/ItemEvents.h"
#include "gameplay/player/PlayerEvents.h"
#include "gameplay/score/ScoreEvents.h"
#include "gameplay/ship/ShipEvents.h"
#include "gameplay/weapons/WeaponEvents.h"
#include "input/DetectorEvents.h"
#include "object/FrameEvents.h"
#include "object/ObjectEvents.h"
#include "physics/PhysicsEvents.h"
#include "render/CameraEvents.h"

#include "core/EventManager.h"
#include "core/MemoryManager.h"
#include "support/RecordingAssertHandler.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace
{
// Stands in for a game object's block: the catalogue only ever holds handles to it.
struct PooledStandIn
{
  std::uint64_t payload[3];
};

Handle<GameObject> GameObjectHandleTo(const Handle<PooledStandIn>& standIn)
{
  return Handle<GameObject>(standIn.GetBlock(), standIn.GetSite());
}

class EventCatalogueTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    MemoryManager::Instance();
    recordsBefore = MemoryManager::Instance()->RecordCount();
    manager = std::make_unique<EventManager>();
    EventManager::SetInstance(manager.get());
  }

  void TearDown() override
  {
    EventManager::SetInstance(nullptr);
    manager.reset();
    EXPECT_EQ(MemoryManager::Instance()->RecordCount(), recordsBefore) << "an event or subscription was not freed";
    EXPECT_EQ(asserts.Count(), 0u);
  }

  RecordingAssertHandler asserts;
  std::unique_ptr<EventManager> manager;
  std::size_t recordsBefore = 0;
};

// Every class of the id list takes its id from its own row.
#define BRINDLE_CHECK_EVENT_ROW(id, Class) \
  static_assert(Class::TypeId == (id) && std::is_base_of_v<Event, Class>, #Class " is not the class of row " #id);
BRINDLE_EVENTS(BRINDLE_CHECK_EVENT_ROW)
#undef BRINDLE_CHECK_EVENT_ROW

// The rows themselves never change (the ids without a class stay free rather than being closed
// up), so the whole list is held here as it stands.
TEST_F(EventCatalogueTest, EveryClassKeepsTheIdOfItsRowAndTheGapsStayFree)
{
  std::string rows;
#define BRINDLE_EVENT_ROW_TEXT(id, Class) rows += (rows.empty() ? "" : " ") + std::to_string(id) + " " #Class;
  BRINDLE_EVENTS(BRINDLE_EVENT_ROW_TEXT)
#undef BRINDLE_EVENT_ROW_TEXT
  EXPECT_EQ(rows,
      "1 MakeGameObjectEvent 2 GameObjectDestroyedEvent 3 GameObjectCleanupEvent 4 SaveShipEvent "
      "6 SetTileEvent 7 CollisionEvent 9 DepressurizationEvent 10 ShipMapLoadEvent "
      "11 ShipMapWallDestroyedEvent 12 UpdateSteering 13 PositionUpdateEvent 14 DeathAnimationComplete "
      "15 ExplosionEvent 16 ThroneExplosionEvent 17 BossSpawnEnemies 18 PlayerVictory 19 InteractionEvent "
      "20 TeamChangeEvent 21 MuzzleFlashSpawnedEvent 22 ParentedEvent 23 HealthChangedEvent "
      "24 PreUpdateEvent 25 UpdateEvent 26 PauseUpdateEvent 27 PostUpdateEvent 28 DrawEvent "
      "29 LoadLevelEvent 30 TouchedItem 31 UseEvent 32 EquipEvent 33 DequipEvent 34 EquipDequip "
      "35 CollectionEvent 36 ReloadStart 37 ReloadEnd 38 LootCollectionEvent 39 CameraMoveTo 40 SetZoom "
      "41 ShakeEvent 42 PlaceCameraEvent 43 ResizeBoundary 44 SetLead 45 LoadSoundEvent 46 SoundEvent "
      "47 CueMusicEvent 48 CueTransition 49 FadeInto 50 Mute 51 SetMusicVolumeEvent 52 StopMusicEvent "
      "54 MenuSoundEvent 55 SetSFXVolume 56 RegisterMenuInputDetectorEvent 57 RegisterClickDetectorEvent "
      "58 DetectorHoverBeginEvent 59 DetectorHoverPersistedEvent 60 DetectorHoverEndEvent "
      "61 DetectorTriggerBeginEvent 62 DetectorTriggerPersistedEvent 63 DetectorTriggerEndEvent "
      "64 NewLevelLoadedEvent 65 ButtonToggledEvent 66 RegisterGO 67 UnregisterGO 68 StartEncounterEvent "
      "69 StartOverworldEvent 70 ReturnToOverworldEvent 71 StartUtilityEvent 72 SpawnEnemies "
      "73 TriggerEvent 74 DiedEvent 75 ShipAttackedEvent 76 CorvaExitEvent 78 TimerExpired 79 BossDiedEvent "
      "80 BossWinEvent 82 UpdateReputation 83 StopTimerEvent 84 FadeEvent");
}

TEST_F(EventCatalogueTest, TheBaseClassReturns85AndKeepsItsChannel)
{
  Event base(6999);
  EXPECT_EQ(base.GetType(), 85u);
  EXPECT_EQ(Event::TypeId, EventTypeCount);
  EXPECT_EQ(base.GetChannel(), 6999u);
}

TEST_F(EventCatalogueTest, SetTileEventKeepsAtMostThreeCharactersAndEndsWithZero)
{
  auto* full = MemoryManager::New<SetTileEvent>(BRINDLE_SITE, 9u, 12u, 3u, "FWIX");
  EXPECT_EQ(static_cast<const Event*>(full)->GetType(), 6u);
  EXPECT_EQ(full->tileX, 12u);
  EXPECT_EQ(full->tileY, 3u);
  EXPECT_EQ(std::string(full->value), "FWI");
  EXPECT_EQ(full->value[3], '\0');

  // A short code is not read past its end; the rest of the value stays zero.
  auto* shortCode = MemoryManager::New<SetTileEvent>(BRINDLE_SITE, 9u, 0u, 0u, "F");
  EXPECT_EQ(shortCode->value[0], 'F');
  EXPECT_EQ(shortCode->value[1], '\0');
  EXPECT_EQ(shortCode->value[2], '\0');
  EXPECT_EQ(shortCode->value[3], '\0');

  auto* noCode = MemoryManager::New<SetTileEvent>(BRINDLE_SITE, 9u, 0u, 0u, nullptr);
  EXPECT_EQ(std::memcmp(noCode->value, "\0\0\0\0", 4), 0);

  manager->SendEvent(full);
  manager->SendEvent(shortCode);
  manager->SendEvent(noCode);
}

TEST_F(EventCatalogueTest, ConstructorDefaults)
{
  auto* interaction = MemoryManager::New<InteractionEvent>(BRINDLE_SITE, 42u);
  EXPECT_EQ(interaction->GetChannel(), 42u);
  EXPECT_EQ(interaction->targetId, 42u);
  EXPECT_EQ(interaction->otherId, 0u);

  auto* fromInteractor = MemoryManager::New<InteractionEvent>(BRINDLE_SITE, 42u, 17u);
  EXPECT_EQ(fromInteractor->targetId, 42u);
  EXPECT_EQ(fromInteractor->otherId, 17u);

  auto* cue = MemoryManager::New<CueTransition>(BRINDLE_SITE, SoundSystemChannel, "event:/Music/Overworld");
  EXPECT_EQ(cue->musicPath, "event:/Music/Overworld");
  EXPECT_EQ(cue->transitionSoundPath, "event:/SFX/TransitionSound");

  auto* otherSting = MemoryManager::New<CueTransition>(BRINDLE_SITE, SoundSystemChannel, "a", "b");
  EXPECT_EQ(otherSting->transitionSoundPath, "b");

  auto* spawn = MemoryManager::New<MakeGameObjectEvent>(BRINDLE_SITE, 9u, nullptr, nullptr, 0.0f, 0.0f, 0.0f, 0.0f);
  EXPECT_EQ(spawn->prefab, "");

  manager->SendEvent(interaction);
  manager->SendEvent(fromInteractor);
  manager->SendEvent(cue);
  manager->SendEvent(otherSting);
  manager->SendEvent(spawn);
}

template <typename A, typename B>
bool StoredBefore(const A& first, const B& second)
{
  return reinterpret_cast<const char*>(&first) < reinterpret_cast<const char*>(&second);
}

TEST_F(EventCatalogueTest, FieldsAreStoredInObjectOrderWhereItDiffersFromArgumentOrder)
{
  auto* use = MemoryManager::New<UseEvent>(BRINDLE_SITE, 9u, false, 2u, true);
  EXPECT_FALSE(use->firstFlag);
  EXPECT_TRUE(use->rearmFlag);
  EXPECT_EQ(use->slot, 2u);
  EXPECT_TRUE(StoredBefore(use->firstFlag, use->rearmFlag));
  EXPECT_TRUE(StoredBefore(use->rearmFlag, use->slot));

  auto* holder = reinterpret_cast<GameObject*>(0x1000);
  auto* equip = MemoryManager::New<EquipEvent>(BRINDLE_SITE, 9u, holder, 1u);
  EXPECT_EQ(equip->other, holder);
  EXPECT_EQ(equip->slot, 1u);
  EXPECT_TRUE(StoredBefore(equip->slot, equip->other));

  auto* dequip = MemoryManager::New<DequipEvent>(BRINDLE_SITE, 9u, holder, 1u);
  EXPECT_EQ(dequip->other, holder);
  EXPECT_EQ(dequip->slot, 1u);
  EXPECT_TRUE(StoredBefore(dequip->other, dequip->slot));

  auto* reputation = MemoryManager::New<UpdateReputation>(BRINDLE_SITE, 9u, -25, 3.0f, 4.0f);
  EXPECT_EQ(reputation->points, -25);
  EXPECT_EQ(reputation->position, glm::vec2(3.0f, 4.0f));
  EXPECT_TRUE(StoredBefore(reputation->position, reputation->points));

  auto* attacked = MemoryManager::New<ShipAttackedEvent>(BRINDLE_SITE, 9u, "encounter", glm::vec2(5.0f, 6.0f),
                                                         reinterpret_cast<FactionController*>(0x2000));
  EXPECT_EQ(attacked->level, "encounter");
  EXPECT_EQ(attacked->position, glm::vec2(5.0f, 6.0f));
  EXPECT_EQ(attacked->faction, reinterpret_cast<FactionController*>(0x2000));
  EXPECT_TRUE(StoredBefore(attacked->faction, attacked->level));

  manager->SendEvent(use);
  manager->SendEvent(equip);
  manager->SendEvent(dequip);
  manager->SendEvent(reputation);
  manager->SendEvent(attacked);
}

TEST_F(EventCatalogueTest, GameObjectDestroyedEventHoldsItsOwnReferenceUntilItIsFreed)
{
  Handle<PooledStandIn> owner = MemoryManager::NewHandle<PooledStandIn>(BRINDLE_SITE);
  BlockHeader* block = owner.GetBlock();
  ASSERT_EQ(block->liveHandles, 1u);

  {
    Handle<GameObject> object = GameObjectHandleTo(owner);
    manager->QueueEvent(MemoryManager::New<GameObjectDestroyedEvent>(BRINDLE_SITE, 9u, object));
  }
  EXPECT_EQ(block->liveHandles, 2u) << "the queued event keeps the object's block referenced";

  manager->ProcessQueue();
  EXPECT_EQ(block->liveHandles, 1u) << "freeing the event drops its reference";
  owner.Release();
}

TEST_F(EventCatalogueTest, GameObjectDestroyedEventDropsAStaleHandleWithoutTouchingTheBlock)
{
  Handle<PooledStandIn> owner = MemoryManager::NewHandle<PooledStandIn>(BRINDLE_SITE);
  BlockHeader* block = owner.GetBlock();
  manager->QueueEvent(MemoryManager::New<GameObjectDestroyedEvent>(BRINDLE_SITE, 9u, GameObjectHandleTo(owner)));

  // The object dies while the request is queued, and its block gets a new occupant.
  owner.Release();
  Handle<PooledStandIn> successor = MemoryManager::NewHandle<PooledStandIn>(BRINDLE_SITE);
  ASSERT_EQ(successor.GetBlock(), block);
  ASSERT_EQ(block->liveHandles, 1u);

  manager->ProcessQueue();
  EXPECT_EQ(block->liveHandles, 1u) << "the stale reference must not count against the new occupant";
  EXPECT_TRUE(successor.IsValid());
  successor.Release();
}

}  // namespace
