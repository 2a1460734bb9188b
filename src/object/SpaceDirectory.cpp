#include "object/SpaceDirectory.h"

namespace
{
SpaceDirectory*& Published()
{
  static SpaceDirectory* directory = nullptr;
  return directory;
}
}  // namespace

SpaceDirectory* SpaceDirectory::Instance()
{
  return Published();
}

void SpaceDirectory::SetInstance(SpaceDirectory* directory)
{
  Published() = directory;
}
