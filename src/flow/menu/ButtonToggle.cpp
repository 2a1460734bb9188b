#include "flow/menu/ButtonToggle.h"

#include "core/Send.h"
#include "flow/FlowEvents.h"
#include "object/Component.h"
#include "object/GameObject.h"

void QueueToggled(const Component& button, bool on)
{
  if (const GameObject* object = button.GetGameObject())
    Queue<ButtonToggledEvent>(BRINDLE_SITE, object->GetId(), on);
}
