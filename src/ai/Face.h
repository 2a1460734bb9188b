#pragma once
// Turns the character toward another kinematic's position. SetTarget names the kinematic to face.
#include "ai/Align.h"
#include "ai/OwnedKinematic.h"

class Face : public Align
{
public:
  Face(Space* characterSpace, Handle<Kinematic> steered);

  SteeringOutput GetSteering() override;
  void SetTarget(Handle<Kinematic> faced) override { faceTarget = std::move(faced); }
  const Handle<Kinematic>& GetFaceTarget() const { return faceTarget; }

private:
  Handle<Kinematic> faceTarget;
  OwnedKinematic ownTarget;
};
