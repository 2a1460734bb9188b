#include "flow/detectors/AllEnemyDeathDetector.h"

#include "object/Registry.h"

bool AllEnemyDeathDetector::CheckTriggered()
{
  Registry* registry = Registry::Instance();
  if (!armed || registry == nullptr)
    return false;
  // The list may still hold entries of enemies that are gone: only living ones count.
  for (const Handle<GameObject>& enemy : registry->GetObjects(RegistryType::ENEMIES))
  {
    if (enemy.IsValid())
      return false;
  }
  armed = false;
  return true;
}
