#pragma once
// The boss's throne: it shakes the camera in every frame in which its hitpoints drop, and when its
// Health dies it blows up with a "Blast" and tells the room (ThroneExplosionEvent on the space),
// which arms the cracked walls.
#include "core/LivePointer.h"
#include "object/Component.h"
#include "render/Sprite.h"  // Required for: LivePointer<Sprite>, whose copy needs the whole class

class DiedEvent;
class Health;
class UpdateEvent;

class BossThroneLogic : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_BossThroneLogic;

  BossThroneLogic() : Component(TypeId) {}
  ~BossThroneLogic() override = default;
  BossThroneLogic& operator=(const BossThroneLogic&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(UpdateEvent* event);
  void On(DiedEvent* event);

  bool HasExploded() const { return exploded; }

private:
  float shakeIntensity = 0.0f;
  Transient<LivePointer<Health>> health;
  Transient<LivePointer<Sprite>> sprite;
  float lastHitpoints = 0.0f;
  float hitpoints = 0.0f;
  bool exploded = false;
};
