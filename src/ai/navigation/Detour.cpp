#include "ai/navigation/Detour.h"

#include "ai/navigation/AimingModule.h"
#include "ai/navigation/PathGraph.h"

#include <cmath>
#include <glm/geometric.hpp>
#include <vector>

glm::vec2 Detour::Next(const AimingModule& aiming, glm::vec2 from, glm::vec2 goal, float dt)
{
  // A frame time of no number counts as none; the route is looked up again soon all the same.
  untilReplan -= std::isfinite(dt) ? dt : 0.0f;
  const bool cornerReached = heading == Heading::Corner && glm::length(corner - from) < ReachedDistance;
  if (!planned || !(untilReplan > 0.0f) || cornerReached)
    Plan(aiming, from, goal);
  switch (heading)
  {
    case Heading::Corner:
      return corner;
    case Heading::Stay:
      return from;
    case Heading::Goal:
      break;
  }
  return goal;
}

void Detour::Plan(const AimingModule& aiming, glm::vec2 from, glm::vec2 goal)
{
  planned = true;
  untilReplan = ReplanInterval;
  PathGraph* graph = aiming.FindPathGraph();
  if (graph == nullptr)
  {
    heading = Heading::Goal;
    return;
  }
  const std::vector<glm::vec2> route = graph->FindPath(from, goal, aiming.GetSpace());
  if (route.size() < 2)
  {
    heading = Heading::Stay;
    return;
  }
  // A corner the enemy stands at already is passed for the next. Whatever it heads for must be in
  // plain reach: the route's first point was seen from here by the search itself, but a later one
  // hangs on a link the graph made earlier, perhaps through a door that has shut since.
  std::size_t next = 1;
  while (next + 1 < route.size() && glm::length(route[next] - from) < ReachedDistance)
    ++next;
  if (next > 1 && !graph->IsPathClear(from, route[next]))
  {
    heading = Heading::Stay;
    return;
  }
  if (next + 1 == route.size())
  {
    heading = Heading::Goal;
    return;
  }
  heading = Heading::Corner;
  corner = route[next];
}
