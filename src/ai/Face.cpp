#include "ai/Face.h"

Face::Face(Space* characterSpace, Handle<Kinematic> steered)
    : Align(characterSpace, std::move(steered)), ownTarget(BRINDLE_SITE)
{
  target = ownTarget.GetHandle();
}

SteeringOutput Face::GetSteering()
{
  const Kinematic* self = character.Get();
  const Kinematic* faced = faceTarget.Get();
  if (self == nullptr || faced == nullptr)
    return {};
  return AlignToDirection(faced->position - self->position);
}
