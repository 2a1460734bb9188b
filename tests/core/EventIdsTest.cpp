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
#include <set>
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

struct Made
{
  std::uint32_t expectedId;
  std::uint32_t classId;  // the constant Subscribe files under
  Event* event;
  const char* name;
};

template <typename E, typename... Args>
Made Make(std::uint32_t expectedId, const char* name, Args&&... args)
{
  return {expectedId, E::TypeId, MemoryManager::New<E>(BRINDLE_SITE, std::forward<Args>(args)...), name};
}

#define MAKE(id, E, ...) Make<E>(id, #E, __VA_ARGS__)

std::vector<Made> MakeOneOfEach()
{
  const std::uint32_t c = 9;
  return {
      MAKE(1, MakeGameObjectEvent, c, nullptr, "Blast", 1.0f, 2.0f, 3.0f, 4.0f),
      MAKE(2, GameObjectDestroyedEvent, c, Handle<GameObject>()),
      MAKE(3, GameObjectCleanupEvent, c, Handle<GameObject>()),
      MAKE(4, SaveShipEvent, c, "Assets/Ship/newship.txt"),
      MAKE(6, SetTileEvent, c, 1u, 2u, "FW0"),
      MAKE(7, CollisionEvent, c, Handle<GameObject>(), Handle<GameObject>(), 3u),
      MAKE(9, DepressurizationEvent, c, 1u, 1u, glm::vec2(0.0f)),
      MAKE(10, ShipMapLoadEvent, c),
      MAKE(11, ShipMapWallDestroyedEvent, c, 4u, 5u, 6u),
      MAKE(12, UpdateSteering, c, glm::vec2(1.0f, 2.0f), 0.5f),
      MAKE(13, PositionUpdateEvent, c, Handle<GameObject>()),
      MAKE(14, DeathAnimationComplete, c),
      MAKE(15, ExplosionEvent, c),
      MAKE(16, ThroneExplosionEvent, c),
      MAKE(17, BossSpawnEnemies, c),
      MAKE(18, PlayerVictory, c),
      MAKE(19, InteractionEvent, c),
      MAKE(20, TeamChangeEvent, c, 1u),
      MAKE(21, MuzzleFlashSpawnedEvent, c, Handle<GameObject>()),
      MAKE(22, ParentedEvent, c),
      MAKE(23, HealthChangedEvent, c, 5.0f, 10.0f, 6.0f),
      MAKE(24, PreUpdateEvent, c, 0.016f),
      MAKE(25, UpdateEvent, c, 0.016f),
      MAKE(26, PauseUpdateEvent, c, 0.016f),
      MAKE(27, PostUpdateEvent, c, 0.016f),
      MAKE(28, DrawEvent, c, nullptr),
      MAKE(29, LoadLevelEvent, c, "overworld"),
      MAKE(30, TouchedItem, c, Handle<GameObject>(), nullptr),
      MAKE(31, UseEvent, c, true, 0u, false),
      MAKE(32, EquipEvent, c, nullptr, 1u),
      MAKE(33, DequipEvent, c, nullptr, 1u),
      MAKE(34, EquipDequip, c, 0u),
      MAKE(35, CollectionEvent, c, CollectionEntry{"Crate", "crate", 0, 0}),
      MAKE(36, ReloadStart, c),
      MAKE(37, ReloadEnd, c),
      MAKE(38, LootCollectionEvent, c),
      MAKE(39, CameraMoveTo, c, glm::vec2(3.0f, 4.0f)),
      MAKE(40, SetZoom, c, 2.0f, 0.5f),
      MAKE(41, ShakeEvent, c, 0.1f),
      MAKE(42, PlaceCameraEvent, c, 1.5f, glm::vec2(0.0f)),
      MAKE(43, ResizeBoundary, c, 12000.0f, 7000.0f, glm::vec2(0.0f)),
      MAKE(44, SetLead, c, 0.3f),
      MAKE(45, LoadSoundEvent, SoundSystemChannel, "event:/Music/Death"),
      MAKE(46, SoundEvent, SoundSystemChannel, "event:/SFX/ItemSwap", 1.0f),
      MAKE(47, CueMusicEvent, SoundSystemChannel, "event:/Music/Death"),
      MAKE(48, CueTransition, SoundSystemChannel, "event:/Music/Overworld"),
      MAKE(49, FadeInto, SoundSystemChannel, "event:/Music/Overworld"),
      MAKE(50, Mute, SoundSystemChannel),
      MAKE(51, SetMusicVolumeEvent, SoundSystemChannel, 1.0f),
      MAKE(52, StopMusicEvent, SoundSystemChannel),
      MAKE(54, MenuSoundEvent, SoundSystemChannel, true),
      MAKE(55, SetSFXVolume, SoundSystemChannel, 0.0f),
      MAKE(56, RegisterMenuInputDetectorEvent, c, nullptr),
      MAKE(57, RegisterClickDetectorEvent, c, nullptr),
      MAKE(58, DetectorHoverBeginEvent, c),
      MAKE(59, DetectorHoverPersistedEvent, c),
      MAKE(60, DetectorHoverEndEvent, c),
      MAKE(61, DetectorTriggerBeginEvent, c),
      MAKE(62, DetectorTriggerPersistedEvent, c),
      MAKE(63, DetectorTriggerEndEvent, c),
      MAKE(64, NewLevelLoadedEvent, c, nullptr),
      MAKE(65, ButtonToggledEvent, c, true),
      MAKE(66, RegisterGO, RegistryChannel, Handle<GameObject>(), 3u),
      MAKE(67, UnregisterGO, RegistryChannel, 12u, 3u),
      MAKE(68, StartEncounterEvent, LevelTransitionChannel, "BossRoom", nullptr),
      MAKE(69, StartOverworldEvent, LevelTransitionChannel),
      MAKE(70, ReturnToOverworldEvent, LevelTransitionChannel),
      MAKE(71, StartUtilityEvent, LevelTransitionChannel, "credits"),
      MAKE(72, SpawnEnemies, c, nullptr),
      MAKE(73, TriggerEvent, c, 8u),
      MAKE(74, DiedEvent, c),
      MAKE(75, ShipAttackedEvent, c, "encounter", glm::vec2(1.0f), nullptr),
      MAKE(76, CorvaExitEvent, c),
      MAKE(78, TimerExpired, c),
      MAKE(79, BossDiedEvent, c),
      MAKE(80, BossWinEvent, c),
      MAKE(82, UpdateReputation, c, 10, 1.0f, 2.0f),
      MAKE(83, StopTimerEvent, c),
      MAKE(84, FadeEvent, c, false),
  };
}

// Every class of the id list takes its id from its own row.
#define BRINDLE_CHECK_EVENT_ROW(id, Class) \
  static_assert(Class::TypeId == (id) && std::is_base_of_v<Event, Class>, #Class " is not the class of row " #id);
BRINDLE_EVENTS(BRINDLE_CHECK_EVENT_ROW)
#undef BRINDLE_CHECK_EVENT_ROW

TEST_F(EventCatalogueTest, EveryClassReturnsTheIdOfItsRowAndTheGapsStayFree)
{
  std::vector<Made> made = MakeOneOfEach();
  ASSERT_EQ(made.size(), 79u);
  ASSERT_EQ(EventIds::Count, 79u);

  // One of each class of the list is made below, so every class is built and sent once.
  std::set<std::string> listed;
#define BRINDLE_LIST_EVENT_NAME(id, Class) listed.insert(#Class);
  BRINDLE_EVENTS(BRINDLE_LIST_EVENT_NAME)
#undef BRINDLE_LIST_EVENT_NAME
  std::set<std::string> madeNames;
  for (const Made& entry : made)
    madeNames.insert(entry.name);
  EXPECT_EQ(madeNames, listed);

  std::set<std::uint32_t> ids;
  for (const Made& entry : made)
  {
    ASSERT_NE(entry.event, nullptr) << entry.name;
    EXPECT_EQ(entry.event->GetType(), entry.expectedId) << entry.name;
    EXPECT_EQ(entry.classId, entry.expectedId) << entry.name;
    ids.insert(entry.expectedId);
  }
  EXPECT_EQ(ids.size(), made.size()) << "two classes share an id";
  for (std::uint32_t gap : {0u, 5u, 8u, 53u, 77u, 81u})
    EXPECT_EQ(ids.count(gap), 0u) << gap;
  EXPECT_EQ(*ids.begin(), 1u);
  EXPECT_EQ(*ids.rbegin(), 84u);

  // Nobody listens: each send must still free its event (checked in TearDown).
  for (const Made& entry : made)
    manager->SendEvent(entry.event);
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

// Listens to the classes that are subscribed to but never built, and to one that carries fields.
class CatalogueListener : public Listener
{
public:
  CatalogueListener() : Listener(EventManager::Instance()->GetNewListenerId()) {}

  void On(LoadLevelEvent*) { ++calls; }
  void On(SoundEvent*) { ++calls; }
  void On(MenuSoundEvent*) { ++calls; }
  void On(FadeEvent*) { ++calls; }
  void On(CollisionEvent* event)
  {
    ++calls;
    receivedGroup = event->otherGroup;
    receivedChannel = event->GetChannel();
  }

  int calls = 0;
  std::uint32_t receivedGroup = 0;
  std::uint32_t receivedChannel = 0;
};

TEST_F(EventCatalogueTest, SubscriptionsToClassesNeverSentAreFiledUnderTheirIds)
{
  CatalogueListener listener;
  manager->Subscribe<CatalogueListener, LoadLevelEvent>(&listener, 9);
  manager->Subscribe<CatalogueListener, SoundEvent>(&listener, SoundSystemChannel);
  manager->Subscribe<CatalogueListener, MenuSoundEvent>(&listener, SoundSystemChannel);
  manager->Subscribe<CatalogueListener, FadeEvent>(&listener, 9);

  EXPECT_EQ(manager->SubscriptionCount(29, 9), 1u);
  EXPECT_EQ(manager->SubscriptionCount(46, SoundSystemChannel), 1u);
  EXPECT_EQ(manager->SubscriptionCount(54, SoundSystemChannel), 1u);
  EXPECT_EQ(manager->SubscriptionCount(84, 9), 1u);
  EXPECT_EQ(manager->SubscriptionCount(53, SoundSystemChannel), 0u);
  EXPECT_EQ(listener.calls, 0);
}

TEST_F(EventCatalogueTest, AQueuedEventReachesItsSubscriberWithItsFields)
{
  CatalogueListener listener;
  manager->Subscribe<CatalogueListener, CollisionEvent>(&listener, 11);

  manager->QueueEvent(MemoryManager::New<CollisionEvent>(BRINDLE_SITE, 11u, Handle<GameObject>(), Handle<GameObject>(), 14u));
  // Same channel, other row: must not reach the collision handler.
  manager->QueueEvent(MemoryManager::New<ExplosionEvent>(BRINDLE_SITE, 11u));
  manager->ProcessQueue();

  EXPECT_EQ(listener.calls, 1);
  EXPECT_EQ(listener.receivedGroup, 14u);
  EXPECT_EQ(listener.receivedChannel, 11u);
}
}  // namespace
