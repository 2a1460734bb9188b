#include "flow/camera/ZoomManager.h"

#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "render/CameraEvents.h"

#include <cmath>

void ZoomManager::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
  SubscribeOnSpace<SetZoom>(this);
  SubscribeOnSpace<CameraMoveTo>(this);
  SubscribeOnSpace<PlaceCameraEvent>(this);
  GameObject* owner = GetGameObject();
  transform = owner != nullptr ? owner->GetTransform() : nullptr;
}

void ZoomManager::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "position", &position, RenderVec2, glm::vec2(0.0f, 0.0f));
  Members::AddMember(members, "zoom", &zoom, RenderFloat, 1.0f);
  Members::AddMember(members, "zoomSpeed", &zoomSpeed, RenderFloat, 0.2f);
  Members::AddMember(members, "moveSpeed", &moveSpeed, RenderFloat, 0.02f);
  Members::AddMember(members, "leashed", &leashed, RenderBool, false);
}

void ZoomManager::On(SetZoom* event)
{
  zoom = event->zoom;
  zoomSpeed = event->zoomSpeed;
}

void ZoomManager::On(CameraMoveTo* event)
{
  position = event->position;
  leashed = true;
}

void ZoomManager::On(PlaceCameraEvent* event)
{
  if (transform == nullptr)
    return;
  transform->SetWorldPosition(event->position.x, event->position.y);
  transform->SetScale({event->zoom, event->zoom});
}

void ZoomManager::On(UpdateEvent* event)
{
  if (transform == nullptr)
    return;
  const glm::vec2 scale = transform->GetScale();
  if (zoom != scale.x)
  {
    const float difference = scale.x - zoom;
    if (std::fabs(difference) > 0.01f)
      transform->SetScale({scale.x - zoomSpeed * (event->dt * (scale.x * difference)),
                           scale.y - zoomSpeed * (event->dt * (scale.y * difference))});
    else
      transform->SetScale({zoom, zoom});
  }
  if (!leashed)
    return;
  const glm::vec2 at = transform->GetWorldPosition();
  if (at == position)
    return;
  const glm::vec2 away = at - position;
  if (std::fabs(away.x) <= 0.01f && std::fabs(away.y) <= 0.01f)
  {
    transform->SetWorldPosition(position.x, position.y);
    leashed = false;
    return;
  }
  const glm::vec2 next = at - moveSpeed * away;
  transform->SetWorldPosition(next.x, next.y);
}
