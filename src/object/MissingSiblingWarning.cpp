#include "object/MissingSiblingWarning.h"

#include "core/Log.h"
#include "object/Component.h"
#include "object/GameObject.h"

void MissingSiblingWarning::Report(const Component& component, const std::string& siblingName,
                                   const std::string& skippedStep)
{
  if (reported)
    return;
  reported = true;
  const GameObject* object = component.GetGameObject();
  LogWarning(component.GetTypeName(), " of \"", (object != nullptr ? object->GetName() : ""), "\": no ", siblingName,
             "; ", skippedStep, " is skipped.");
}
