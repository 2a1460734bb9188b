#pragma once
// Wanders in steps: seeks a target that jumps to a random point around the character every
// waitTime +- waitSpread seconds, at stepLength +- stepSpread. The first update picks the first
// step. The owner reports each update's time step (its UpdateEvent's dt) with SetFrameTime before
// asking for the steering:
//   stepWander->SetFrameTime(event->dt);
//   steering = blend->GetSteering();
#include "steering/behaviors/WithOwnTarget.h"
#include "steering/behaviors/Seek.h"

class StepWander : public WithOwnTarget<Seek>
{
public:
  StepWander(Space* characterSpace, Handle<Kinematic> steered);

  SteeringOutput GetSteering() override;
  void SetFrameTime(float seconds) { frameTime = seconds; }

  float stepLength = 500.0f;
  float stepSpread = 50.0f;
  float waitTime = 5.0f;   // seconds
  float waitSpread = 1.0f;  // seconds
  float timeLeft = 0.0f;    // seconds until the next step

private:
  float frameTime = 0.0f;
  bool stepped = false;
};
