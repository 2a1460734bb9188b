#include "ai/AlignToVector.h"

AlignToVector::AlignToVector(Space* characterSpace, Handle<Kinematic> steered)
    : Align(characterSpace, std::move(steered)), ownTarget(BRINDLE_SITE)
{
  target = ownTarget.GetHandle();
}

SteeringOutput AlignToVector::GetSteering()
{
  const Kinematic* vector = alignVector.Get();
  if (vector == nullptr)
    return {};
  return AlignToDirection(vector->position);
}
