#pragma once
// Pushes the character away from each neighbour closer than `threshold`, harder the closer it is:
// effective maximum acceleration * (threshold - d) / threshold along the line between them. A
// neighbour at the character's own position (the character itself in its side's list) adds
// nothing. The owner refreshes the list every update:
//   separation->SetNeighbours(aiming->GetAllyKinematics());
#include "steering/SteeringBehavior.h"

#include <vector>

class Separation : public SteeringBehavior
{
public:
  Separation(Space* characterSpace, Handle<Kinematic> steered);

  SteeringOutput GetSteering() override;
  void SetNeighbours(std::vector<Handle<Kinematic>> neighbours) { targets = std::move(neighbours); }
  const std::vector<Handle<Kinematic>>& GetNeighbours() const { return targets; }

  float threshold = 600.0f;

private:
  std::vector<Handle<Kinematic>> targets;
};
