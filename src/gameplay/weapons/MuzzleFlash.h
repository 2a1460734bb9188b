#pragma once
// A flash sprite on a gun: shown for "flashLength" seconds from each Flash. Once its object is
// parented (to a gun), it tells the parent so with a MuzzleFlashSpawnedEvent, and the gun flashes
// it at every shot.
#include "core/LivePointer.h"
#include "object/Component.h"

class ParentedEvent;
class Sprite;
class UpdateEvent;

class MuzzleFlash : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_MuzzleFlash;

  MuzzleFlash() : Component(TypeId) {}
  MuzzleFlash& operator=(const MuzzleFlash&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(ParentedEvent* event);
  void On(UpdateEvent* event);

  // Shows the flash from its first frame; nothing without a sprite.
  void Flash();

  float GetFlashTimer() const { return flashTimer; }

private:
  float flashTimer = 0.0f;   // seconds the flash still shows
  float flashLength = 0.0f;  // seconds one flash lasts
  Transient<LivePointer<Sprite>> flashSprite;
};
