#include "steering/behaviors/Face.h"

Face::Face(Space* characterSpace, Handle<Kinematic> steered)
    : WithOwnTarget(characterSpace, std::move(steered), BRINDLE_SITE)
{
}

SteeringOutput Face::GetSteering()
{
  const Kinematic* self = character.Get();
  const Kinematic* faced = faceTarget.Get();
  if (self == nullptr || faced == nullptr)
    return {};
  return AlignToDirection(faced->position - self->position);
}
