#pragma once
// A force field across a tile edge of the ship: it destroys the projectiles that touch it (both
// sides') and lets everything else through, and shows itself by sending a "force particle" across
// itself every 0.3 s, alternately from either end.
#include "object/Component.h"

#include <array>
#include <glm/vec2.hpp>

class CollisionEvent;
class UpdateEvent;

class SimpleForceFieldLogic : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_SimpleForceFieldLogic;
  static constexpr const char* ParticlePrefab = "force particle";
  static constexpr std::size_t OffsetCount = 40;

  SimpleForceFieldLogic() : Component(TypeId) {}
  ~SimpleForceFieldLogic() override = default;
  SimpleForceFieldLogic& operator=(const SimpleForceFieldLogic&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(CollisionEvent* event);
  void On(UpdateEvent* event);

  // 0: a facing field along a bottom edge; anything else: a side field along a right edge.
  int GetType() const { return type; }
  std::uint32_t GetParticleIndex() const { return particleIndex; }

private:
  // One particle each, queued to the factory through the field's own id.
  void Facing();
  void Side();
  void Emit(glm::vec2 start, glm::vec2 velocity);

  std::uint32_t particleIndex = 0;
  std::array<float, OffsetCount> offsets{};
  int type = 0;
  bool fromStart = true;
  float emitTimer = 0.3f;
  float emitInterval = 0.3f;
};
