#include "object/NamedObjects.h"

#include "object/GameObject.h"
#include "object/Space.h"

Handle<GameObject> FindNamedObject(Space* space, const std::string& name)
{
  if (space == nullptr)
    return {};
  const auto found = space->FindObjectByName(name);
  if (found == space->ObjectsEnd() || !found->second.IsValid())
    return {};
  return found->second;
}
