#pragma once
// Every event class of the program with its fixed type id and the header that declares it. The id
// selects the event's row in the event manager's subscription table, so the numbers never change:
// the ids without a class (0, 5, 8, 53, 77, 81) stay free rather than being closed up.
//
// A new event class: a line here (a free id, the class, its header) and the class in the header
// of the subsystem that owns it, with BRINDLE_EVENT(Class) in its body. The checks below reject a
// repeated id or one outside 1 to EventTypeCount - 1 when this header compiles.
//
// Each class derives directly from Event; its constructor takes the channel first, then the
// fields. Where a class stores its fields in another order than its constructor takes them,
// the class says so.
#include "core/Event.h"

#include <cstddef>
#include <cstdint>

#define BRINDLE_EVENTS(X) \
  X(1, MakeGameObjectEvent) /* object/ObjectEvents.h */                \
  X(2, GameObjectDestroyedEvent) /* object/ObjectEvents.h */           \
  X(3, GameObjectCleanupEvent) /* object/ObjectEvents.h */             \
  X(4, SaveShipEvent) /* gameplay/ship/ShipEvents.h */                 \
  X(6, SetTileEvent) /* gameplay/ship/ShipEvents.h */                  \
  X(7, CollisionEvent) /* physics/PhysicsEvents.h */                   \
  X(9, DepressurizationEvent) /* gameplay/ship/ShipEvents.h */         \
  X(10, ShipMapLoadEvent) /* gameplay/ship/ShipEvents.h */             \
  X(11, ShipMapWallDestroyedEvent) /* gameplay/ship/ShipEvents.h */    \
  X(12, UpdateSteering) /* steering/AIEvents.h */                      \
  X(13, PositionUpdateEvent) /* object/ObjectEvents.h */               \
  X(14, DeathAnimationComplete) /* gameplay/combat/CombatEvents.h */   \
  X(15, ExplosionEvent) /* object/ObjectEvents.h */                    \
  X(16, ThroneExplosionEvent) /* gameplay/boss/BossEvents.h */         \
  X(17, BossSpawnEnemies) /* gameplay/boss/BossEvents.h */             \
  X(18, PlayerVictory) /* gameplay/player/PlayerEvents.h */            \
  X(19, InteractionEvent) /* gameplay/player/PlayerEvents.h */         \
  X(20, TeamChangeEvent) /* gameplay/combat/CombatEvents.h */          \
  X(21, MuzzleFlashSpawnedEvent) /* gameplay/weapons/WeaponEvents.h */ \
  X(22, ParentedEvent) /* object/ObjectEvents.h */                     \
  X(23, HealthChangedEvent) /* gameplay/combat/CombatEvents.h */       \
  X(24, PreUpdateEvent) /* object/FrameEvents.h */                     \
  X(25, UpdateEvent) /* object/FrameEvents.h */                        \
  X(26, PauseUpdateEvent) /* object/FrameEvents.h */                   \
  X(27, PostUpdateEvent) /* object/FrameEvents.h */                    \
  X(28, DrawEvent) /* object/FrameEvents.h */                          \
  X(29, LoadLevelEvent) /* object/FrameEvents.h */                     \
  X(30, TouchedItem) /* gameplay/items/ItemEvents.h */                 \
  X(31, UseEvent) /* gameplay/items/ItemEvents.h */                    \
  X(32, EquipEvent) /* gameplay/items/ItemEvents.h */                  \
  X(33, DequipEvent) /* gameplay/items/ItemEvents.h */                 \
  X(34, EquipDequip) /* gameplay/items/ItemEvents.h */                 \
  X(35, CollectionEvent) /* object/ObjectEvents.h */                   \
  X(36, ReloadStart) /* gameplay/weapons/WeaponEvents.h */             \
  X(37, ReloadEnd) /* gameplay/weapons/WeaponEvents.h */               \
  X(38, LootCollectionEvent) /* gameplay/score/ScoreEvents.h */        \
  X(39, CameraMoveTo) /* render/CameraEvents.h */                      \
  X(40, SetZoom) /* render/CameraEvents.h */                           \
  X(41, ShakeEvent) /* render/CameraEvents.h */                        \
  X(42, PlaceCameraEvent) /* render/CameraEvents.h */                  \
  X(43, ResizeBoundary) /* physics/PhysicsEvents.h */                  \
  X(44, SetLead) /* render/CameraEvents.h */                           \
  X(45, LoadSoundEvent) /* audio/SoundEvents.h */                      \
  X(46, SoundEvent) /* audio/SoundEvents.h */                          \
  X(47, CueMusicEvent) /* audio/SoundEvents.h */                       \
  X(48, CueTransition) /* audio/SoundEvents.h */                       \
  X(49, FadeInto) /* audio/SoundEvents.h */                            \
  X(50, Mute) /* audio/SoundEvents.h */                                \
  X(51, SetMusicVolumeEvent) /* audio/SoundEvents.h */                 \
  X(52, StopMusicEvent) /* audio/SoundEvents.h */                      \
  X(54, MenuSoundEvent) /* audio/SoundEvents.h */                      \
  X(55, SetSFXVolume) /* audio/SoundEvents.h */                        \
  X(56, RegisterMenuInputDetectorEvent) /* flow/FlowEvents.h */        \
  X(57, RegisterClickDetectorEvent) /* flow/FlowEvents.h */            \
  X(58, DetectorHoverBeginEvent) /* input/DetectorEvents.h */          \
  X(59, DetectorHoverPersistedEvent) /* input/DetectorEvents.h */      \
  X(60, DetectorHoverEndEvent) /* input/DetectorEvents.h */            \
  X(61, DetectorTriggerBeginEvent) /* input/DetectorEvents.h */        \
  X(62, DetectorTriggerPersistedEvent) /* input/DetectorEvents.h */    \
  X(63, DetectorTriggerEndEvent) /* input/DetectorEvents.h */          \
  X(64, NewLevelLoadedEvent) /* flow/FlowEvents.h */                   \
  X(65, ButtonToggledEvent) /* flow/FlowEvents.h */                    \
  X(66, RegisterGO) /* object/ObjectEvents.h */                        \
  X(67, UnregisterGO) /* object/ObjectEvents.h */                      \
  X(68, StartEncounterEvent) /* gameplay/LevelEvents.h */              \
  X(69, StartOverworldEvent) /* gameplay/LevelEvents.h */              \
  X(70, ReturnToOverworldEvent) /* gameplay/LevelEvents.h */           \
  X(71, StartUtilityEvent) /* gameplay/LevelEvents.h */                \
  X(72, SpawnEnemies) /* gameplay/LevelEvents.h */                     \
  X(73, TriggerEvent) /* flow/FlowEvents.h */                          \
  X(74, DiedEvent) /* gameplay/combat/CombatEvents.h */                \
  X(75, ShipAttackedEvent) /* gameplay/LevelEvents.h */                \
  X(76, CorvaExitEvent) /* flow/FlowEvents.h */                        \
  X(78, TimerExpired) /* gameplay/LevelEvents.h */                     \
  X(79, BossDiedEvent) /* gameplay/boss/BossEvents.h */                \
  X(80, BossWinEvent) /* gameplay/boss/BossEvents.h */                 \
  X(82, UpdateReputation) /* gameplay/score/ScoreEvents.h */           \
  X(83, StopTimerEvent) /* gameplay/LevelEvents.h */                   \
  X(84, FadeEvent) /* flow/FlowEvents.h */

// The type id of each event class, by the class's name.
namespace EventIds
{
#define BRINDLE_EVENT_ID(id, Class) constexpr std::uint32_t Class = (id);
BRINDLE_EVENTS(BRINDLE_EVENT_ID)
#undef BRINDLE_EVENT_ID

#define BRINDLE_EVENT_ID_ENTRY(id, Class) (id),
constexpr std::uint32_t All[] = {BRINDLE_EVENTS(BRINDLE_EVENT_ID_ENTRY)};
#undef BRINDLE_EVENT_ID_ENTRY
constexpr std::size_t Count = sizeof(All) / sizeof(All[0]);

constexpr bool AllInRange()
{
  for (std::size_t index = 0; index < Count; ++index)
  {
    if (All[index] == 0 || All[index] >= EventTypeCount)
      return false;
  }
  return true;
}

constexpr bool AllUnique()
{
  for (std::size_t first = 0; first < Count; ++first)
  {
    for (std::size_t second = first + 1; second < Count; ++second)
    {
      if (All[first] == All[second])
        return false;
    }
  }
  return true;
}

static_assert(AllInRange(), "an event id is 0 or not below EventTypeCount");
static_assert(AllUnique(), "two event classes share an id");
}  // namespace EventIds

// Gives an event class the type id of its row in BRINDLE_EVENTS.
#define BRINDLE_EVENT(Class) BRINDLE_EVENT_TYPE(EventIds::Class)
