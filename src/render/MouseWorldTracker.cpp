#include "render/MouseWorldTracker.h"

#include "core/EventManager.h"
#include "core/Log.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "platform/Assert.h"
#include "render/Camera.h"
#include "render/Graphics.h"

MouseWorldTracker::MouseWorldTracker() : Component(TypeId) {}

MouseWorldTracker::~MouseWorldTracker() = default;

MouseWorldTracker& MouseWorldTracker::operator=(const MouseWorldTracker& other)
{
  Component::operator=(other);
  return *this;
}

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
  // Without a renderer (a headless run) there is no mouse to follow, and no content error.
  if (Graphics::Graphics::Current() == nullptr)
    return;
  Camera* camera = FindCamera();
  if (camera == nullptr)
  {
    // A space that never had a camera is a content error, said once; the object stays where it is.
    if (!foundCamera && !reportedNoCamera)
      LogError("Mouse world tracker couldn't find a camera. It's kind of important");
    reportedNoCamera = true;
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
