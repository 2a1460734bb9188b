#include "flow/camera/CameraShake.h"

#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Space.h"
#include "platform/Random.h"
#include "render/Camera.h"
#include "render/CameraEvents.h"
#include "render/RowsMatrix.h"

#include <algorithm>
#include <cmath>
#include <glm/mat3x3.hpp>

namespace
{
// A draw of the sequence spread over -1 to 1.
float SignedUnit()
{
  return static_cast<float>(Random()) / static_cast<float>(RandomMaximum) * 2.0f - 1.0f;
}
}  // namespace

void CameraShake::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
  SubscribeOnSpace<ShakeEvent>(this);
}

void CameraShake::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "intensity", &intensity, RenderFloat, 0.0f);
  Members::AddMember(members, "currRotation", &currRotation, RenderFloat, 0.0f);
  Members::AddMember(members, "maxRotation", &maxRotation, RenderFloat, 0.05f);
  Members::AddMember(members, "currTranslation", &currTranslation, RenderVec2, glm::vec2(0.0f, 0.0f));
  Members::AddMember(members, "maxTranslation", &maxTranslation, RenderFloat, 30.0f);
  Members::AddMember(members, "enabled", &enabled, RenderBool, true);
}

void CameraShake::On(ShakeEvent* event)
{
  if (enabled)
    intensity = std::min(intensity + event->intensity, 1.0f);
}

void CameraShake::On(UpdateEvent* event)
{
  glm::mat3 shake(1.0f);
  if (intensity > 0.00001f)
  {
    const float trauma = intensity * intensity;
    intensity -= event->dt * intensity;
    const float turn = SignedUnit();
    const float sideways = SignedUnit();
    const float upwards = SignedUnit();
    currRotation = turn * maxRotation * trauma;
    currTranslation = {sideways * maxTranslation * trauma, upwards * maxTranslation * trauma};
    const float cosine = static_cast<float>(std::cos(static_cast<double>(currRotation)));
    const float sine = static_cast<float>(std::sin(static_cast<double>(currRotation)));
    shake = Graphics::RowsMatrix(cosine, -sine, currTranslation.x, sine, cosine, currTranslation.y);
  }
  if (GameObject* owner = GetGameObject())
    if (Camera* camera = owner->GetComponent<Camera>())
      camera->SetShakeMatrix(shake);
}
