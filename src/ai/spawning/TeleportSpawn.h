#pragma once
// A one-shot teleport flash that brings a police bear ("AI_bear_police") in: its own Sprite is the
// flash (eight frames or more, animated from the start); at frame 3 the bear arrives where it
// stands, with the teleport's sound; at frame 7 the flash is put away and the object removes itself.
#include "audio/Sound.h"
#include "object/Component.h"

class UpdateEvent;

class TeleportSpawn : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_TeleportSpawn;
  static constexpr const char* ArrivalPrefab = "AI_bear_police";

  TeleportSpawn();
  TeleportSpawn& operator=(const TeleportSpawn&) = default;

  void OnAwake() override;

  void On(UpdateEvent* event);

  bool IsActive() const { return active; }

private:
  bool active = true;
  bool spawned = false;
  Sound arrivalSound;
};
