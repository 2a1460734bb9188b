#include "steering/behaviors/AlignToVector.h"

AlignToVector::AlignToVector(Space* characterSpace, Handle<Kinematic> steered)
    : WithOwnTarget(characterSpace, std::move(steered), BRINDLE_SITE)
{
}

SteeringOutput AlignToVector::GetSteering()
{
  const Kinematic* vector = alignVector.Get();
  if (vector == nullptr)
    return {};
  return AlignToDirection(vector->position);
}
