#include "flow/camera/SnapCameraOnInput.h"

#include "input/InputActionMap.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Space.h"
#include "object/Transform.h"

void SnapCameraOnInput::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
}

void SnapCameraOnInput::On(UpdateEvent* event)
{
  InputActionMap* input = InputActionMap::Instance();
  GameObject* owner = GetGameObject();
  if (timer < 0.0f && input != nullptr && owner != nullptr &&
      (input->IsActionActive(0, ACTION_USE_SLOT_0) || input->IsActionActive(0, ACTION_USE_SLOT_1) ||
       input->IsActionActive(0, ACTION_INTERACT)))
    owner->GetTransform()->SetWorldPosition(0.0f, 3000.0f);
  timer -= event->dt;
}
