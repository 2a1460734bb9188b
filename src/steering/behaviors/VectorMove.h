#pragma once
// Accelerates along a direction its owner writes each update: the position of a Kinematic the
// owner keeps (the player's move input), cut to length 1, times the effective maximum
// acceleration. A short vector moves slower.
//   Handle<Kinematic> move = MemoryManager::NewHandle<Kinematic>(BRINDLE_SITE);
//   blend->AddBehavior<VectorMove>(1.0f)->SetTarget(move);
//   move->position = stick;  // every update
#include "steering/SteeringBehavior.h"

class VectorMove : public SteeringBehavior
{
public:
  VectorMove(Space* characterSpace, Handle<Kinematic> steered);

  SteeringOutput GetSteering() override;
  void SetTarget(Handle<Kinematic> direction) { target = std::move(direction); }
  const Handle<Kinematic>& GetTarget() const { return target; }

private:
  Handle<Kinematic> target;
};
