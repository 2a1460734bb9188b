#pragma once
// Steers around what lies ahead. Two whiskers, whiskerOffset to either side of the character,
// are cast along its velocity as collision group PATHING, each lookAhead + |velocity| long. When
// either meets something, the character seeks a point avoidDistance off the middle of the two
// whisker ends, on the side facing away from the velocity. Nothing while it stands still.
#include "steering/behaviors/WithOwnTarget.h"
#include "steering/behaviors/Seek.h"

class ObstacleAvoidance : public WithOwnTarget<Seek>
{
public:
  ObstacleAvoidance(Space* characterSpace, Handle<Kinematic> steered);

  SteeringOutput GetSteering() override;

  float whiskerOffset = 32.0f;
  float lookAhead = 256.0f;
  float avoidDistance = 64.0f;
};
