#pragma once
// Full acceleration toward the target's position: normalize(target - character) times the stored
// base of the maximum acceleration (modifiers are not applied). Zero on the target itself.
//   Seek* seek = blend->AddBehavior<Seek>(2.0f);
//   seek->SetTarget(targetKinematic);
// Wander, StepWander, Zoning, ObstacleAvoidance and FollowPath derive from it: each makes its own
// target at construction, moves it every update and seeks it.
#include "steering/SteeringBehavior.h"

class Seek : public SteeringBehavior
{
public:
  Seek(Space* characterSpace, Handle<Kinematic> steered);

  SteeringOutput GetSteering() override;

  void SetTarget(Handle<Kinematic> seeked) { target = std::move(seeked); }
  const Handle<Kinematic>& GetTarget() const { return target; }

protected:
  // The seek itself, for callers that have checked both kinematics.
  static SteeringOutput SeekFrom(const Kinematic& from, glm::vec2 goal);

  Handle<Kinematic> target;
};
