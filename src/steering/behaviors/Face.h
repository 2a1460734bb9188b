#pragma once
// Turns the character toward another kinematic's position. SetTarget names the kinematic to face.
#include "steering/behaviors/Align.h"
#include "steering/behaviors/WithOwnTarget.h"

class Face : public WithOwnTarget<Align>
{
public:
  Face(Space* characterSpace, Handle<Kinematic> steered);

  SteeringOutput GetSteering() override;
  void SetTarget(Handle<Kinematic> faced) override { faceTarget = std::move(faced); }
  const Handle<Kinematic>& GetFaceTarget() const { return faceTarget; }

private:
  Handle<Kinematic> faceTarget;
};
