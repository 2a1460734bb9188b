#include "editor/EditorCamera.h"

#include "core/MemoryManager.h"
#include "input/Input.h"
#include "input/InputActionMap.h"
#include "object/Transform.h"
#include "render/Camera.h"

#include <algorithm>

EditorCamera::EditorCamera()
{
  camera = MemoryManager::New<Camera>(BRINDLE_SITE);
  transform = MemoryManager::New<Transform>(BRINDLE_SITE);
  camera->SetTransform(transform);
}

EditorCamera::~EditorCamera()
{
  MemoryManager::Delete(camera);
  MemoryManager::Delete(transform);
}

void EditorCamera::Update(const Input* input, const InputActionMap* actions)
{
  if (input != nullptr)
  {
    if (input->GetMouseWheel() != 0)
      Zoom(static_cast<float>(input->GetMouseWheel()));
    // The grabbed world point stays under the cursor while the middle button is held.
    if (input->IsMouseButtonTriggered(1))
    {
      panning = true;
      panAnchor = camera->GetMouseWorldPosition();
    }
    else if (input->IsMouseButtonReleased(1))
      panning = false;
    else if (panning)
      transform->Translate(panAnchor - camera->GetMouseWorldPosition());
  }
  if (actions != nullptr)
    transform->Translate(actions->GetAxis(0, AXIS_EDITOR_PAN) * (transform->GetScale().x * 10.0f));
}

void EditorCamera::Zoom(float wheel)
{
  const float scale = std::max(transform->GetScale().x - wheel * 0.25f, 0.1f);
  const glm::vec2 before = camera->GetMouseWorldPosition();
  transform->SetScale(glm::vec2(scale, scale));
  camera->UpdateMouseWorldPosition();
  transform->Translate(before - camera->GetMouseWorldPosition());
  camera->UpdateMouseWorldPosition();
}

Json::Value EditorCamera::Save() const
{
  Json::Value serialized(Json::objectValue);
  transform->SerializeMembers(serialized);
  return serialized;
}

void EditorCamera::Load(const Json::Value& placement)
{
  if (!placement.isNull())
    transform->Deserialize(placement);
}
