#pragma once
// Turns the character to the target's orientation the short way round, at full rotation speed
// beyond slowRadius and proportionally slower inside it, reaching the wanted rotation in
// timeToTarget; the angular acceleration is held to the effective maximum. Within 1.19e-7 rad
// (or arrivalThreshold while useArrivalThreshold is set) it snaps the character to the target's
// orientation, stops its rotation and returns zero.
//
// AlignToMovement, AlignToVector and Face derive from it: each makes its own target and sets its
// orientation from a direction (zero output when the direction has no length).
#include "steering/SteeringBehavior.h"

class Align : public SteeringBehavior
{
public:
  Align(Space* characterSpace, Handle<Kinematic> steered);

  SteeringOutput GetSteering() override;
  virtual void SetTarget(Handle<Kinematic> aligned) { target = std::move(aligned); }
  const Handle<Kinematic>& GetTarget() const { return target; }

  float arrivalThreshold = 0.35f;  // radians
  bool useArrivalThreshold = false;
  float slowRadius = 1.7f;          // radians
  float timeToTarget = 0.005f;      // seconds

protected:
  // The own target's orientation becomes the direction's angle, then Align runs; zero when the
  // direction is shorter than 2^-23.
  SteeringOutput AlignToDirection(glm::vec2 direction);

  Handle<Kinematic> target;
};
