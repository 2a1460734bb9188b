#include "flow/menu/ButtonToggle.h"

#include "flow/FlowEvents.h"
#include "flow/Post.h"
#include "object/Component.h"
#include "object/GameObject.h"

void QueueToggled(const Component& button, bool on)
{
  if (const GameObject* object = button.GetGameObject())
    PostQueued<ButtonToggledEvent>(BRINDLE_SITE, object->GetId(), on);
}
