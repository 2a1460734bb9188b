#include "steering/behaviors/FollowPath.h"

FollowPath::FollowPath(Space* characterSpace, Handle<Kinematic> steered)
    : WithOwnTarget(characterSpace, std::move(steered), BRINDLE_SITE)
{
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
