#include "flow/detectors/ClickDetector.h"

#include "core/Send.h"
#include "flow/FlowEvents.h"
#include "input/Input.h"
#include "object/GameObject.h"
#include "object/Space.h"
#include "physics/Collider.h"
#include "render/Camera.h"

#include <optional>

void ClickDetector::OnAwake()
{
  Detector::OnAwake();
  if (const Space* space = GetSpace())
    Queue<RegisterClickDetectorEvent>(BRINDLE_SITE, space->GetId(), this);
}

bool ClickDetector::CheckHovered()
{
  const Space* space = GetSpace();
  const Camera* camera = space != nullptr ? space->GetCurrentCamera() : nullptr;
  Collider* collider = GetCollider(GetGameObject());
  if (camera == nullptr || collider == nullptr)
    return false;
  const auto inside = [camera, collider](std::optional<glm::vec2> world) {
    return world.has_value() && collider->ContainsPoint(world->x, world->y);
  };
  if (inside(camera->GetMouseWorldPosition()))
    return true;
  const Input* input = Input::Instance();
  return input != nullptr &&
         ((input->IsMouseButtonTriggered(0) && inside(camera->ToWorld(input->GetMousePressPosition(0)))) ||
          (input->IsMouseButtonReleased(0) && inside(camera->ToWorld(input->GetMouseReleasePosition(0)))));
}

bool ClickDetector::CheckTriggered()
{
  return !IsWaitingForRelease() && IsHovered() && IsInputHeld();
}

bool ClickDetector::IsInputHeld()
{
  const Input* input = Input::Instance();
  return input != nullptr && input->IsMouseButtonPressed(0);
}
