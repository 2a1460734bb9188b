// Every space a test makes gets its physics module, as the session gives the game's spaces.
// This file is linked into every test program with the rest of the support folder.
#include "object/SpacePhysics.h"
#include "physics/PhysicsModule.h"

namespace
{
const bool installed = (SpacePhysics::SetMaker(PhysicsModule::Make), true);
}  // namespace
