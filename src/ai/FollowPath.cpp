#include "ai/FollowPath.h"

FollowPath::FollowPath(Space* characterSpace, Handle<Kinematic> steered)
    : Seek(characterSpace, std::move(steered)), ownTarget(BRINDLE_SITE)
{
  target = ownTarget.GetHandle();
}

SteeringOutput FollowPath::GetSteering()
{
  const Kinematic* self = character.Get();
  const Path* route = path.Get();
  Kinematic* waypoint = target.Get();
  if (self == nullptr || route == nullptr || waypoint == nullptr || route->size() < 2)
    return {};
  waypoint->position = (*route)[1];
  return SeekFrom(*self, waypoint->position);
}
