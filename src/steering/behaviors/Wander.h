#pragma once
// Seeks a point on a circle around the character whose angle drifts at random: each update the
// angle moves by wanderRate * (r1 - r2), two draws of the engine's random sequence.
// SetCharacter also takes the new character's orientation as the angle.
#include "steering/behaviors/WithOwnTarget.h"
#include "steering/behaviors/Seek.h"

class Wander : public WithOwnTarget<Seek>
{
public:
  Wander(Space* characterSpace, Handle<Kinematic> steered);

  SteeringOutput GetSteering() override;
  void SetCharacter(Handle<Kinematic> steered) override;

  float wanderRadius = 400.0f;
  float wanderRate = 0.2f;        // radians
  float wanderOrientation = 0.0f;  // radians
};
