#include "render/MouseWorldTracker.h"

#include "core/EventManager.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "platform/Assert.h"
#include "render/Camera.h"
#include "render/Graphics.h"

MouseWorldTracker::MouseWorldTracker() : Component(TypeId) {}

MouseWorldTracker::~MouseWorldTracker() = default;

void MouseWorldTracker::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
}

Camera* MouseWorldTracker::FindCamera() const
{
  const Graphics::Graphics* renderer = Graphics::Graphics::Current();
  const GameObject* object = GetGameObject();
  if (renderer == nullptr || object == nullptr)
    return nullptr;
  for (Graphics::CameraView* view : renderer->GetCameras(object->GetSpace()))
  {
    if (auto* camera = dynamic_cast<Camera*>(view))
      return camera;
  }
  return nullptr;
}

void MouseWorldTracker::On(UpdateEvent*)
{
  Camera* camera = FindCamera();
  if (camera == nullptr)
  {
    // A space that never had a camera is a content error; one whose camera has gone since only
    // leaves the object where it is.
    if (!foundCamera)
      BRINDLE_FATAL_CHECK(false, "Mouse world tracker couldn't find a camera. It's kind of important");
    return;
  }
  foundCamera = true;
  GameObject* object = GetGameObject();
  Transform* transform = object != nullptr ? object->GetTransform() : nullptr;
  if (transform == nullptr)
  {
    missingTransform.Report(*this, "Transform", "following the mouse");
    return;
  }
  const glm::vec2 mouse = camera->GetMouseWorldPosition();
  transform->SetWorldPosition(mouse.x, mouse.y);
}
