#pragma once
// The behaviours that aim at a point they work out themselves (Wander, StepWander, Zoning,
// ObstacleAvoidance and FollowPath on Seek; AlignToMovement, AlignToVector and Face on Align) make
// their own target Kinematic when they are made, keep it in the base's `target`, move it every
// update, and release it when they go. The allocation is tagged with the making constructor.
#include "steering/OwnedKinematic.h"

#include <utility>

class Space;

template <typename Base>
class WithOwnTarget : public Base
{
protected:
  WithOwnTarget(Space* characterSpace, Handle<Kinematic> steered, SiteTag site)
      : Base(characterSpace, std::move(steered)), ownTarget(site)
  {
    this->target = ownTarget.GetHandle();
  }

private:
  OwnedKinematic ownTarget;
};
