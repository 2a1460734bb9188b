#include "ai/AlignToMovement.h"

AlignToMovement::AlignToMovement(Space* characterSpace, Handle<Kinematic> steered)
    : Align(characterSpace, std::move(steered)), ownTarget(BRINDLE_SITE)
{
  target = ownTarget.GetHandle();
}

SteeringOutput AlignToMovement::GetSteering()
{
  const Kinematic* self = character.Get();
  if (self == nullptr)
    return {};
  return AlignToDirection(self->velocity);
}
