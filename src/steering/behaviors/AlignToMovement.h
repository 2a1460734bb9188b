#pragma once
// Turns the character to face where it moves (Align toward the angle of its velocity).
#include "steering/behaviors/Align.h"
#include "steering/behaviors/WithOwnTarget.h"

class AlignToMovement : public WithOwnTarget<Align>
{
public:
  AlignToMovement(Space* characterSpace, Handle<Kinematic> steered);

  SteeringOutput GetSteering() override;
};
