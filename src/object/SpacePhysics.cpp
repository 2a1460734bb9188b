#include "object/SpacePhysics.h"

namespace
{
SpacePhysics::Maker installedMaker = nullptr;
}  // namespace

void SpacePhysics::SetMaker(Maker maker)
{
  installedMaker = maker;
}

std::unique_ptr<SpacePhysics> SpacePhysics::MakeFor(Space& space)
{
  return installedMaker != nullptr ? installedMaker(space) : nullptr;
}
