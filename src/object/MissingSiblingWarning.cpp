#include "object/MissingSiblingWarning.h"

#include "object/Component.h"
#include "object/GameObject.h"

#include <iostream>

void MissingSiblingWarning::Report(const Component& component, const std::string& siblingName,
                                   const std::string& skippedStep)
{
  if (reported)
    return;
  reported = true;
  const GameObject* object = component.GetGameObject();
  std::cout << "[WARNING] " << component.GetTypeName() << " of \"" << (object != nullptr ? object->GetName() : "")
            << "\": no " << siblingName << "; " << skippedStep << " is skipped." << std::endl;
}
