#include "flow/detectors/ActionDetector.h"

#include "input/InputActionMap.h"

bool ActionDetector::CheckTriggered()
{
  InputActionMap* actions = InputActionMap::Instance();
  if (actions == nullptr)
    return false;
  return actions->IsActionActive(0, action) || (secondAction >= 0 && actions->IsActionActive(0, secondAction));
}
