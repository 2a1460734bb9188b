#pragma once
// Pushes what touches it away: a force on the other body of "forcePerInvDistance" divided by the
// distance along each axis separately, so the push grows as the two line up on an axis. An axis
// on which the two stand within a unit of each other gets no push (the division would blow up).
#include "object/Component.h"

class CollisionEvent;

class KnockAwayOnCollision : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_KnockAwayOnCollision;
  // Closer than this on an axis counts as lined up.
  static constexpr float AlignedDistance = 1.0f;

  KnockAwayOnCollision() : Component(TypeId) {}
  KnockAwayOnCollision& operator=(const KnockAwayOnCollision& other) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;
  void On(CollisionEvent* event);

private:
  float forcePerInvDistance = 1000.0f;
};
