#include "steering/behaviors/AlignToMovement.h"

AlignToMovement::AlignToMovement(Space* characterSpace, Handle<Kinematic> steered)
    : WithOwnTarget(characterSpace, std::move(steered), BRINDLE_SITE)
{
}

SteeringOutput AlignToMovement::GetSteering()
{
  const Kinematic* self = character.Get();
  if (self == nullptr)
    return {};
  return AlignToDirection(self->velocity);
}
