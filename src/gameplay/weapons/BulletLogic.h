#pragma once
// A bullet ends at its first contact, whatever it touched, and leaves an effect facing its
// direction of travel: sparks off a wall or the boss, a puff of impact elsewhere. Its damage is
// done by the Health it touched, from the bullet's Damage. Its collider ends at its first contact
// too, so that it touches nothing beyond what it met first.
#include "object/Component.h"

#include <cstdint>
#include <vector>

class CollisionEvent;

class BulletLogic : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_BulletLogic;

  BulletLogic() : Component(TypeId) {}
  BulletLogic& operator=(const BulletLogic&) = default;

  void OnAwake() override;
  // One effect per object touched: the same contact reported twice leaves one effect, two
  // objects touched in one step leave two.
  void On(CollisionEvent* event);

  // The effect prefab for a contact with that group and object.
  static const char* EffectFor(std::uint32_t otherGroup, const GameObject* other);

private:
  std::vector<std::uint32_t> touched;  // ids of the objects that have left their effect
};
