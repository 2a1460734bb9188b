#pragma once
// Every event class of the program with its fixed type id. The id selects the event's row in the
// event manager's subscription table, so the numbers never change: the ids without a class
// (0, 5, 8, 53, 77, 81) stay free rather than being closed up.
//
// Each class derives directly from Event; its constructor takes the channel first, then the
// fields. Where a class stores its fields in another order than its constructor takes them,
// the class says so.
//
// Index
//   Object lifecycle ..... MakeGameObjectEvent 1, GameObjectDestroyedEvent 2,
//                          GameObjectCleanupEvent 3, PositionUpdateEvent 13, ParentedEvent 22,
//                          RegisterGO 66, UnregisterGO 67
//   Frame ................ PreUpdateEvent 24, UpdateEvent 25, PauseUpdateEvent 26,
//                          PostUpdateEvent 27, DrawEvent 28, LoadLevelEvent 29
//   Physics .............. CollisionEvent 7
//   Ship interior ........ SaveShipEvent 4, SetTileEvent 6, DepressurizationEvent 9,
//                          ShipMapLoadEvent 10, ShipMapWallDestroyedEvent 11
//   Life and combat ...... DeathAnimationComplete 14, ExplosionEvent 15, InteractionEvent 19,
//                          TeamChangeEvent 20, MuzzleFlashSpawnedEvent 21, HealthChangedEvent 23,
//                          ReloadStart 36, ReloadEnd 37, DiedEvent 74
//   Items ................ TouchedItem 30, UseEvent 31, EquipEvent 32, DequipEvent 33,
//                          EquipDequip 34, CollectionEvent 35, LootCollectionEvent 38
//   Steering and boss .... UpdateSteering 12, ThroneExplosionEvent 16, BossSpawnEnemies 17,
//                          PlayerVictory 18, BossDiedEvent 79, BossWinEvent 80
//   Camera ............... CameraMoveTo 39, SetZoom 40, ShakeEvent 41, PlaceCameraEvent 42,
//                          ResizeBoundary 43, SetLead 44
//   Sound (channel 2) .... LoadSoundEvent 45, SoundEvent 46, CueMusicEvent 47, CueTransition 48,
//                          FadeInto 49, Mute 50, SetMusicVolumeEvent 51, StopMusicEvent 52,
//                          MenuSoundEvent 54, SetSFXVolume 55
//   Interface ............ RegisterMenuInputDetectorEvent 56, RegisterClickDetectorEvent 57,
//                          DetectorHoverBeginEvent 58 .. DetectorTriggerEndEvent 63,
//                          NewLevelLoadedEvent 64, ButtonToggledEvent 65, FadeEvent 84
//   Level flow ........... StartEncounterEvent 68, StartOverworldEvent 69,
//                          ReturnToOverworldEvent 70, StartUtilityEvent 71, SpawnEnemies 72,
//                          TriggerEvent 73, ShipAttackedEvent 75, CorvaExitEvent 76,
//                          TimerExpired 78, UpdateReputation 82, StopTimerEvent 83
//
// LoadLevelEvent, SoundEvent, MenuSoundEvent and FadeEvent are subscribed to but never sent;
// they keep their ids so that those subscriptions are filed where they always were.
#include "core/Event.h"
#include "core/Handle.h"  // Handle<GameObject> works with the object model left incomplete
#include "object/CollectionEntry.h"

#include <cstdint>
#include <glm/vec2.hpp>
#include <string>
#include <utility>

class ClickDetector;
class Equippable;
class FactionController;
class GameObject;
class MenuInputDetector;
class Space;
namespace Graphics
{
class Graphics;
}

// ---------------------------------------------------------------------------------------------
// Object lifecycle
// ---------------------------------------------------------------------------------------------

// A spawn request, queued to the spawning component's own id, where the factory listens.
class MakeGameObjectEvent : public Event
{
public:
  MakeGameObjectEvent(std::uint32_t channel, Space* targetSpace, const char* prefabName, float positionX,
                      float positionY, float velocityX, float velocityY)
      : Event(channel),
        space(targetSpace),
        prefab(prefabName != nullptr ? prefabName : ""),
        position(positionX, positionY),
        velocity(velocityX, velocityY)
  {
  }
  BRINDLE_EVENT_TYPE(1)

  Space* space;
  std::string prefab;
  glm::vec2 position;
  glm::vec2 velocity;
};

// Asks the space subscribed on the object's id to tear the object down. The event holds its own
// counted reference, so the object's block cannot be reused while the request is in flight; a
// reference that went stale meanwhile is dropped without touching the block.
class GameObjectDestroyedEvent : public Event
{
public:
  GameObjectDestroyedEvent(std::uint32_t channel, Handle<GameObject> objectToDestroy)
      : Event(channel), object(std::move(objectToDestroy))
  {
  }
  BRINDLE_EVENT_TYPE(2)

  Handle<GameObject> object;
};

// Queued by a space to itself, so that teardown happens after every handler on the object's id
// has heard of the destruction.
class GameObjectCleanupEvent : public Event
{
public:
  GameObjectCleanupEvent(std::uint32_t channel, Handle<GameObject> objectToCleanUp)
      : Event(channel), object(std::move(objectToCleanUp))
  {
  }
  BRINDLE_EVENT_TYPE(3)

  Handle<GameObject> object;
};

// Sent when a transform is placed by hand, so the broad phase files the object again at once.
class PositionUpdateEvent : public Event
{
public:
  PositionUpdateEvent(std::uint32_t channel, Handle<GameObject> movedObject)
      : Event(channel), object(std::move(movedObject))
  {
  }
  BRINDLE_EVENT_TYPE(13)

  Handle<GameObject> object;
};

class ParentedEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT_TYPE(22)
};

// key is a RegistryType value.
class RegisterGO : public Event
{
public:
  RegisterGO(std::uint32_t channel, Handle<GameObject> registeredObject, std::uint32_t registryKey)
      : Event(channel), object(std::move(registeredObject)), key(registryKey)
  {
  }
  BRINDLE_EVENT_TYPE(66)

  Handle<GameObject> object;
  std::uint32_t key;
};

// Carries the id only: it is sent from OnDestroy, when the object's handle may already be stale.
class UnregisterGO : public Event
{
public:
  UnregisterGO(std::uint32_t channel, std::uint32_t registeredObjectId, std::uint32_t registryKey)
      : Event(channel), objectId(registeredObjectId), key(registryKey)
  {
  }
  BRINDLE_EVENT_TYPE(67)

  std::uint32_t objectId;
  std::uint32_t key;
};

// ---------------------------------------------------------------------------------------------
// Frame: sent to space ids
// ---------------------------------------------------------------------------------------------

// Nothing subscribes to it.
class PreUpdateEvent : public Event
{
public:
  PreUpdateEvent(std::uint32_t channel, float step) : Event(channel), dt(step) {}
  BRINDLE_EVENT_TYPE(24)

  float dt;  // seconds
};

class UpdateEvent : public Event
{
public:
  UpdateEvent(std::uint32_t channel, float step) : Event(channel), dt(step) {}
  BRINDLE_EVENT_TYPE(25)

  float dt;  // seconds
};

// Goes to a paused space in place of UpdateEvent; nothing subscribes to it.
class PauseUpdateEvent : public Event
{
public:
  PauseUpdateEvent(std::uint32_t channel, float step) : Event(channel), dt(step) {}
  BRINDLE_EVENT_TYPE(26)

  float dt;  // seconds
};

class PostUpdateEvent : public Event
{
public:
  PostUpdateEvent(std::uint32_t channel, float step) : Event(channel), dt(step) {}
  BRINDLE_EVENT_TYPE(27)

  float dt;  // seconds
};

// Drawing components file their records with the renderer during this event; they never call
// the GPU themselves.
class DrawEvent : public Event
{
public:
  DrawEvent(std::uint32_t channel, Graphics::Graphics* graphics) : Event(channel), renderer(graphics) {}
  BRINDLE_EVENT_TYPE(28)

  Graphics::Graphics* renderer;
};

// Subscribed to by every space, never sent.
class LoadLevelEvent : public Event
{
public:
  LoadLevelEvent(std::uint32_t channel, std::string level) : Event(channel), levelName(std::move(level)) {}
  BRINDLE_EVENT_TYPE(29)

  std::string levelName;
};

// ---------------------------------------------------------------------------------------------
// Physics
// ---------------------------------------------------------------------------------------------

// Queued to each of two touching objects; self is the receiver.
class CollisionEvent : public Event
{
public:
  CollisionEvent(std::uint32_t channel, Handle<GameObject> receiver, Handle<GameObject> touched,
                 std::uint32_t touchedGroup)
      : Event(channel), self(std::move(receiver)), other(std::move(touched)), otherGroup(touchedGroup)
  {
  }
  BRINDLE_EVENT_TYPE(7)

  Handle<GameObject> self;
  Handle<GameObject> other;
  std::uint32_t otherGroup;  // the CollisionGroup of the other object's collider
};

// ---------------------------------------------------------------------------------------------
// Ship interior
// ---------------------------------------------------------------------------------------------

class SaveShipEvent : public Event
{
public:
  SaveShipEvent(std::uint32_t channel, std::string filePath) : Event(channel), path(std::move(filePath)) {}
  BRINDLE_EVENT_TYPE(4)

  std::string path;
};

// value holds the floor, side and bottom codes and a terminating zero. At most three characters
// are taken from the code, and reading stops at its end, so a short code is never read past.
class SetTileEvent : public Event
{
public:
  SetTileEvent(std::uint32_t channel, std::uint32_t x, std::uint32_t y, const char* code)
      : Event(channel), tileX(x), tileY(y)
  {
    for (int i = 0; i < 3 && code != nullptr && code[i] != '\0'; ++i)
      value[i] = code[i];
    value[3] = '\0';
  }
  BRINDLE_EVENT_TYPE(6)

  std::uint32_t tileX;
  std::uint32_t tileY;
  char value[4] = {};
};

// The fields are carried but not read; the depressurisation effect always sends 1, 1, (0, 0).
class DepressurizationEvent : public Event
{
public:
  DepressurizationEvent(std::uint32_t channel, std::uint32_t first, std::uint32_t second, glm::vec2 vector)
      : Event(channel), firstValue(first), secondValue(second), vectorValue(vector)
  {
  }
  BRINDLE_EVENT_TYPE(9)

  std::uint32_t firstValue;
  std::uint32_t secondValue;
  glm::vec2 vectorValue;
};

class ShipMapLoadEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT_TYPE(10)
};

// wallKind is the wall's bit in the tile: 4 for a side wall, 16 for a bottom wall.
class ShipMapWallDestroyedEvent : public Event
{
public:
  ShipMapWallDestroyedEvent(std::uint32_t channel, std::uint32_t kind, std::uint32_t x, std::uint32_t y)
      : Event(channel), wallKind(kind), tileX(x), tileY(y)
  {
  }
  BRINDLE_EVENT_TYPE(11)

  std::uint32_t wallKind;
  std::uint32_t tileX;
  std::uint32_t tileY;
};

// ---------------------------------------------------------------------------------------------
// Life and combat
// ---------------------------------------------------------------------------------------------

class DeathAnimationComplete : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT_TYPE(14)
};

class ExplosionEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT_TYPE(15)
};

// Addressed to the object interacted with, whose id is also the target id. The player's own
// controller sends it with no other object (0).
class InteractionEvent : public Event
{
public:
  explicit InteractionEvent(std::uint32_t id, std::uint32_t interactorId = 0)
      : Event(id), targetId(id), otherId(interactorId)
  {
  }
  BRINDLE_EVENT_TYPE(19)

  std::uint32_t targetId;
  std::uint32_t otherId;
};

// team is a TeamEnum value.
class TeamChangeEvent : public Event
{
public:
  TeamChangeEvent(std::uint32_t channel, std::uint32_t newTeam) : Event(channel), team(newTeam) {}
  BRINDLE_EVENT_TYPE(20)

  std::uint32_t team;
};

// Nothing subscribes to it.
class MuzzleFlashSpawnedEvent : public Event
{
public:
  MuzzleFlashSpawnedEvent(std::uint32_t channel, Handle<GameObject> flashObject)
      : Event(channel), flash(std::move(flashObject))
  {
  }
  BRINDLE_EVENT_TYPE(21)

  Handle<GameObject> flash;
};

class HealthChangedEvent : public Event
{
public:
  HealthChangedEvent(std::uint32_t channel, float hitpointsAfter, float maximum, float hitpointsBefore)
      : Event(channel), newHitpoints(hitpointsAfter), maxHitpoints(maximum), previousHitpoints(hitpointsBefore)
  {
  }
  BRINDLE_EVENT_TYPE(23)

  float newHitpoints;
  float maxHitpoints;
  float previousHitpoints;
};

class ReloadStart : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT_TYPE(36)
};

class ReloadEnd : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT_TYPE(37)
};

// To an object's id: that object died. To a space's id: the run is over.
class DiedEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT_TYPE(74)
};

// ---------------------------------------------------------------------------------------------
// Items
// ---------------------------------------------------------------------------------------------

// Tells an object which item it touched. equippable is null when the item has no Equippable.
class TouchedItem : public Event
{
public:
  TouchedItem(std::uint32_t channel, Handle<GameObject> touchedItem, Equippable* itemEquippable)
      : Event(channel), item(std::move(touchedItem)), equippable(itemEquippable)
  {
  }
  BRINDLE_EVENT_TYPE(30)

  Handle<GameObject> item;
  Equippable* equippable;
};

// Stored as (first flag, re-arm flag, slot) though the constructor takes the slot between the
// flags. The re-arm flag lets a once-per-press gun fire again; no receiver acts on the first flag.
class UseEvent : public Event
{
public:
  UseEvent(std::uint32_t channel, bool first, std::uint32_t slotIndex, bool rearm)
      : Event(channel), firstFlag(first), rearmFlag(rearm), slot(slotIndex)
  {
  }
  BRINDLE_EVENT_TYPE(31)

  bool firstFlag;
  bool rearmFlag;
  std::uint32_t slot;
};

// Stored as (slot, other) though the constructor takes (other, slot). Sent to an item naming its
// holder, and to the holder naming the item.
class EquipEvent : public Event
{
public:
  EquipEvent(std::uint32_t channel, GameObject* otherObject, std::uint32_t slotIndex)
      : Event(channel), slot(slotIndex), other(otherObject)
  {
  }
  BRINDLE_EVENT_TYPE(32)

  std::uint32_t slot;
  GameObject* other;
};

// Unlike EquipEvent, stored in constructor order. other is null when there is none.
class DequipEvent : public Event
{
public:
  DequipEvent(std::uint32_t channel, GameObject* otherObject, std::uint32_t slotIndex)
      : Event(channel), other(otherObject), slot(slotIndex)
  {
  }
  BRINDLE_EVENT_TYPE(33)

  GameObject* other;
  std::uint32_t slot;
};

// Toggles a slot: an empty one picks up an item touched this frame, a full one drops its item.
class EquipDequip : public Event
{
public:
  EquipDequip(std::uint32_t channel, std::uint32_t slotIndex) : Event(channel), slot(slotIndex) {}
  BRINDLE_EVENT_TYPE(34)

  std::uint32_t slot;
};

class CollectionEvent : public Event
{
public:
  CollectionEvent(std::uint32_t channel, CollectionEntry collected) : Event(channel), entry(std::move(collected)) {}
  BRINDLE_EVENT_TYPE(35)

  CollectionEntry entry;
};

class LootCollectionEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT_TYPE(38)
};

// ---------------------------------------------------------------------------------------------
// Steering and boss
// ---------------------------------------------------------------------------------------------

// One frame's steering request; the object's Agent applies it.
class UpdateSteering : public Event
{
public:
  UpdateSteering(std::uint32_t channel, glm::vec2 linearSteering, float angularSteering)
      : Event(channel), linear(linearSteering), angular(angularSteering)
  {
  }
  BRINDLE_EVENT_TYPE(12)

  glm::vec2 linear;
  float angular;
};

class ThroneExplosionEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT_TYPE(16)
};

class BossSpawnEnemies : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT_TYPE(17)
};

class PlayerVictory : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT_TYPE(18)
};

class BossDiedEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT_TYPE(79)
};

class BossWinEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT_TYPE(80)
};

// ---------------------------------------------------------------------------------------------
// Camera: sent to space ids
// ---------------------------------------------------------------------------------------------

class CameraMoveTo : public Event
{
public:
  CameraMoveTo(std::uint32_t channel, glm::vec2 target) : Event(channel), position(target) {}
  BRINDLE_EVENT_TYPE(39)

  glm::vec2 position;  // world
};

class SetZoom : public Event
{
public:
  SetZoom(std::uint32_t channel, float targetZoom, float speed) : Event(channel), zoom(targetZoom), zoomSpeed(speed)
  {
  }
  BRINDLE_EVENT_TYPE(40)

  float zoom;
  float zoomSpeed;
};

class ShakeEvent : public Event
{
public:
  ShakeEvent(std::uint32_t channel, float shakeIntensity) : Event(channel), intensity(shakeIntensity) {}
  BRINDLE_EVENT_TYPE(41)

  float intensity;
};

// Puts the camera at the position at once, at the given zoom.
class PlaceCameraEvent : public Event
{
public:
  PlaceCameraEvent(std::uint32_t channel, float cameraZoom, glm::vec2 cameraPosition)
      : Event(channel), zoom(cameraZoom), position(cameraPosition)
  {
  }
  BRINDLE_EVENT_TYPE(42)

  float zoom;
  glm::vec2 position;  // world
};

// The play area's new size and centre, for the boundary walls.
class ResizeBoundary : public Event
{
public:
  ResizeBoundary(std::uint32_t channel, float areaWidth, float areaHeight, glm::vec2 areaCenter)
      : Event(channel), width(areaWidth), height(areaHeight), center(areaCenter)
  {
  }
  BRINDLE_EVENT_TYPE(43)

  float width;
  float height;
  glm::vec2 center;  // world
};

class SetLead : public Event
{
public:
  SetLead(std::uint32_t channel, float leadAmount) : Event(channel), lead(leadAmount) {}
  BRINDLE_EVENT_TYPE(44)

  float lead;
};

// ---------------------------------------------------------------------------------------------
// Sound: sent to the sound system's channel. Paths are sound event paths ("event:/...").
// ---------------------------------------------------------------------------------------------

class LoadSoundEvent : public Event
{
public:
  LoadSoundEvent(std::uint32_t channel, std::string eventPath) : Event(channel), name(std::move(eventPath)) {}
  BRINDLE_EVENT_TYPE(45)

  std::string name;
};

// Subscribed to by the sound system, never sent.
class SoundEvent : public Event
{
public:
  SoundEvent(std::uint32_t channel, std::string eventPath, float soundVolume)
      : Event(channel), path(std::move(eventPath)), volume(soundVolume)
  {
  }
  BRINDLE_EVENT_TYPE(46)

  std::string path;
  float volume;
};

class CueMusicEvent : public Event
{
public:
  CueMusicEvent(std::uint32_t channel, std::string musicPath) : Event(channel), path(std::move(musicPath)) {}
  BRINDLE_EVENT_TYPE(47)

  std::string path;
};

// The transition sound plays, then the music.
class CueTransition : public Event
{
public:
  CueTransition(std::uint32_t channel, std::string music, std::string transitionSound = "event:/SFX/TransitionSound")
      : Event(channel), musicPath(std::move(music)), transitionSoundPath(std::move(transitionSound))
  {
  }
  BRINDLE_EVENT_TYPE(48)

  std::string musicPath;
  std::string transitionSoundPath;
};

class FadeInto : public Event
{
public:
  FadeInto(std::uint32_t channel, std::string musicPath) : Event(channel), path(std::move(musicPath)) {}
  BRINDLE_EVENT_TYPE(49)

  std::string path;
};

// Each one toggles muting.
class Mute : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT_TYPE(50)
};

class SetMusicVolumeEvent : public Event
{
public:
  SetMusicVolumeEvent(std::uint32_t channel, float musicVolume) : Event(channel), volume(musicVolume) {}
  BRINDLE_EVENT_TYPE(51)

  float volume;
};

class StopMusicEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT_TYPE(52)
};

// Subscribed to by the sound system, never sent.
class MenuSoundEvent : public Event
{
public:
  MenuSoundEvent(std::uint32_t channel, bool open) : Event(channel), menuOpen(open) {}
  BRINDLE_EVENT_TYPE(54)

  bool menuOpen;
};

class SetSFXVolume : public Event
{
public:
  SetSFXVolume(std::uint32_t channel, float effectsVolume) : Event(channel), volume(effectsVolume) {}
  BRINDLE_EVENT_TYPE(55)

  float volume;
};

// ---------------------------------------------------------------------------------------------
// Interface
// ---------------------------------------------------------------------------------------------

class RegisterMenuInputDetectorEvent : public Event
{
public:
  RegisterMenuInputDetectorEvent(std::uint32_t channel, MenuInputDetector* registering)
      : Event(channel), detector(registering)
  {
  }
  BRINDLE_EVENT_TYPE(56)

  MenuInputDetector* detector;
};

class RegisterClickDetectorEvent : public Event
{
public:
  RegisterClickDetectorEvent(std::uint32_t channel, ClickDetector* registering) : Event(channel), detector(registering)
  {
  }
  BRINDLE_EVENT_TYPE(57)

  ClickDetector* detector;
};

class DetectorHoverBeginEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT_TYPE(58)
};

// Nothing subscribes to it.
class DetectorHoverPersistedEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT_TYPE(59)
};

class DetectorHoverEndEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT_TYPE(60)
};

// Nothing subscribes to it.
class DetectorTriggerBeginEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT_TYPE(61)
};

class DetectorTriggerPersistedEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT_TYPE(62)
};

class DetectorTriggerEndEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT_TYPE(63)
};

// Names the space a newly opened menu returns to.
class NewLevelLoadedEvent : public Event
{
public:
  NewLevelLoadedEvent(std::uint32_t channel, Space* loadedSpace) : Event(channel), space(loadedSpace) {}
  BRINDLE_EVENT_TYPE(64)

  Space* space;
};

class ButtonToggledEvent : public Event
{
public:
  ButtonToggledEvent(std::uint32_t channel, bool on) : Event(channel), state(on) {}
  BRINDLE_EVENT_TYPE(65)

  bool state;
};

// Subscribed to by FadeIn, never sent. true restarts the fade in, false jumps to the fade out.
class FadeEvent : public Event
{
public:
  FadeEvent(std::uint32_t channel, bool restartFadeIn) : Event(channel), fadeIn(restartFadeIn) {}
  BRINDLE_EVENT_TYPE(84)

  bool fadeIn;
};

// ---------------------------------------------------------------------------------------------
// Level flow. The Start/Return events go to the level transition channel; the rest to spaces.
// ---------------------------------------------------------------------------------------------

// faction is the FactionController that launched the attacked ship, or null.
class StartEncounterEvent : public Event
{
public:
  StartEncounterEvent(std::uint32_t channel, std::string encounterLevel, FactionController* attackedFaction)
      : Event(channel), level(std::move(encounterLevel)), faction(attackedFaction)
  {
  }
  BRINDLE_EVENT_TYPE(68)

  std::string level;
  FactionController* faction;
};

class StartOverworldEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT_TYPE(69)
};

class ReturnToOverworldEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT_TYPE(70)
};

// The level to load into the space "Utility".
class StartUtilityEvent : public Event
{
public:
  StartUtilityEvent(std::uint32_t channel, std::string level) : Event(channel), levelName(std::move(level)) {}
  BRINDLE_EVENT_TYPE(71)

  std::string levelName;
};

class SpawnEnemies : public Event
{
public:
  SpawnEnemies(std::uint32_t channel, FactionController* attackedFaction) : Event(channel), faction(attackedFaction) {}
  BRINDLE_EVENT_TYPE(72)

  FactionController* faction;  // may be null
};

class TriggerEvent : public Event
{
public:
  TriggerEvent(std::uint32_t channel, std::uint32_t triggerStage) : Event(channel), stage(triggerStage) {}
  BRINDLE_EVENT_TYPE(73)

  std::uint32_t stage;
};

// Stored as (faction, level, position) though the constructor takes (level, position, faction).
// The ship controller sends it with an empty level and no faction.
class ShipAttackedEvent : public Event
{
public:
  ShipAttackedEvent(std::uint32_t channel, std::string encounterLevel, glm::vec2 senderPosition,
                    FactionController* attackedFaction)
      : Event(channel), faction(attackedFaction), level(std::move(encounterLevel)), position(senderPosition)
  {
  }
  BRINDLE_EVENT_TYPE(75)

  FactionController* faction;
  std::string level;
  glm::vec2 position;  // world
};

class CorvaExitEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT_TYPE(76)
};

class TimerExpired : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT_TYPE(78)
};

// Stored as (position, points) though the constructor takes the points first.
class UpdateReputation : public Event
{
public:
  UpdateReputation(std::uint32_t channel, std::int32_t amount, float x, float y)
      : Event(channel), position(x, y), points(amount)
  {
  }
  BRINDLE_EVENT_TYPE(82)

  glm::vec2 position;  // world
  std::int32_t points;
};

class StopTimerEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT_TYPE(83)
};
