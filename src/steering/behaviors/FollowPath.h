#pragma once
// Seeks the first waypoint ahead on a route: the path's second point (its first is where the
// route starts). Zero when the path holds fewer than two points.
//   followPath->SetPath(pathHandle);
#include "steering/behaviors/WithOwnTarget.h"
#include "steering/behaviors/Path.h"
#include "steering/behaviors/Seek.h"

class FollowPath : public WithOwnTarget<Seek>
{
public:
  FollowPath(Space* characterSpace, Handle<Kinematic> steered);

  SteeringOutput GetSteering() override;

  void SetPath(Handle<Path> route) { path = std::move(route); }
  const Handle<Path>& GetPath() const { return path; }

private:
  Handle<Path> path;
};
