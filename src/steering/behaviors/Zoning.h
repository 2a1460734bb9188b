#pragma once
// Pulls the character home: nothing while it is within zoneRadius of its own target (the zone's
// centre, which the owner places), a Seek toward it beyond.
//   zoning->GetTarget()->position = startPosition;
#include "steering/behaviors/WithOwnTarget.h"
#include "steering/behaviors/Seek.h"

class GameObject;

class Zoning : public WithOwnTarget<Seek>
{
public:
  Zoning(Space* characterSpace, Handle<Kinematic> steered);

  SteeringOutput GetSteering() override;
  // Centres the zone where `owner` stands now (a controller does it as its owner wakes or moves).
  void CentreOn(GameObject& owner);

  float zoneRadius = 1280.0f;
};
