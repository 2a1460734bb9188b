#include "ai/ships/FactionProperty.h"

#include "ai/ships/FactionController.h"
#include "object/GameObject.h"

void FactionProperty::SetController(FactionController* controller)
{
  base = controller != nullptr ? controller->GetOwner() : Handle<GameObject>();
}

FactionController* FactionProperty::GetController() const
{
  const GameObject* object = base.Get();
  return object != nullptr ? object->GetComponent<FactionController>() : nullptr;
}
