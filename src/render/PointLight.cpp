#include "render/PointLight.h"

#include "core/EventManager.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "render/Graphics.h"

#include <glm/gtc/type_ptr.hpp>  // Required for: glm::value_ptr

#include <cmath>
#include <iterator>  // Required for: std::size

bool PointLight::editorMarkers = false;

namespace
{
const char* const LitLayers[] = {"DL_FLOOR", "DL_MAIN"};
static_assert(std::size(LitLayers) == 2, "PointLight keeps a target per lit layer");

glm::mat3 TranslationTo(const glm::vec2& point)
{
  glm::mat3 result(1.0f);
  result[2][0] = point.x;
  result[2][1] = point.y;
  return result;
}

// Translate(offset) x Rotate(angle) x Scale(scale): the scale applies first.
glm::mat3 LocalMatrix(const glm::vec2& offset, float angle, const glm::vec2& scale)
{
  const float cosine = std::cos(angle);
  const float sine = std::sin(angle);
  glm::mat3 result = TranslationTo(offset);
  result[0][0] = scale.x * cosine;
  result[0][1] = scale.x * sine;
  result[1][0] = -scale.y * sine;
  result[1][1] = scale.y * cosine;
  return result;
}
}  // namespace

PointLight::PointLight() : Component(TypeId) {}

void PointLight::OnAwake()
{
  GameObject* object = GetGameObject();
  if (object == nullptr)
    return;
  SubscribeOnSpace<DrawEvent>(this);
  transform = object->GetTransform();
}

void PointLight::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "on", &on, RenderBool, true);
  Members::AddMember(members, "color", &color, RenderColor, fColor());
  Members::AddMember(members, "scale", &scale, RenderVec2Drag, glm::vec2(1.0f, 1.0f));
  Members::AddMember(members, "offset", &offset, RenderVec2, glm::vec2(0.0f, 0.0f));
  Members::AddMember(members, "c1", &c1, RenderFloatUnit, 0.0f);
  Members::AddMember(members, "c2", &c2, RenderFloatUnit, 0.1f);
  Members::AddMember(members, "c3", &c3, RenderFloatUnit, 0.9f);
  Members::AddMember(members, "c4", &c4, RenderFloatUnit, 0.0f);
  Members::AddMember(members, "direction", &direction, RenderAngleOrNone, -2.0f);
  Members::AddMember(members, "type", &type, RenderUnsigned, 1u);
}

Graphics::LightInstance PointLight::MakeInstance(const glm::mat3& view) const
{
  const glm::mat3 world = transform != nullptr ? transform->GetWorldMatrix() : glm::mat3(1.0f);
  // The offset is in the object's frame, so the object turns it and the light's own angle does not.
  const glm::mat3 local = LocalMatrix(offset, angle, scale);
  const glm::mat4 model = Graphics::Graphics::ToMat4(view * world * local);

  Graphics::LightInstance record;
  const float* rows = glm::value_ptr(model);
  for (int i = 0; i < 16; ++i)
    record.model[i] = rows[i];
  record.color = color;
  record.c[0] = c1;
  record.c[1] = c2;
  record.c[2] = c3;
  record.c[3] = c4;
  for (int i = 0; i < 3; ++i)
    record.spare[i] = spare[i];
  record.direction = direction;
  record.type = type;
  return record;
}

void PointLight::On(DrawEvent* event)
{
  if (!on || event->renderer == nullptr)
    return;
  GameObject* object = GetGameObject();
  Space* space = object != nullptr ? object->GetSpace() : nullptr;
  if (space == nullptr)
    return;
  Graphics::Graphics& renderer = *event->renderer;

  // A space without a camera is not drawn; its records are filed all the same and dropped there.
  const Graphics::CameraView* camera = renderer.GetSpaceCamera(space);
  const Graphics::LightInstance record = MakeInstance(camera != nullptr ? camera->ToCameraSpace() : glm::mat3(1.0f));
  for (std::size_t lit = 0; lit < LitLayerCount; ++lit)
  {
    // Layers live as long as their renderer's buffers, so they are looked up with them.
    if (!targets[lit].IsCurrent(renderer))
      layers[lit] = renderer.GetLayer(LitLayers[lit]);
    if (InstanceBuffer* buffer = targets[lit].Get(renderer, layers[lit], "LightPass", space))
      Graphics::Graphics::File(*buffer, record);
  }

  if (editorMarkers && renderer.debugDrawing)
    DrawMarker(renderer, transform != nullptr ? transform->GetWorldPosition() : glm::vec2(0.0f, 0.0f));
}

void PointLight::DrawMarker(Graphics::Graphics& renderer, const glm::vec2& position)
{
  Space* space = GetGameObject()->GetSpace();
  const fColor yellow(1, 1, 0, 1);
  renderer.DebugDrawCircle(TranslationTo(position), 16.0f, space, yellow);
  const glm::vec2 rays[] = {{1, 1}, {1, 3}, {-1, 1}, {-1, 3}};
  for (const glm::vec2& ray : rays)
    renderer.DebugDrawLine(position, ray, 60.0f, space, yellow);
  renderer.DebugDrawRect(TranslationTo(position - glm::vec2(0, 10)), glm::vec2(8, 10), space, fColor(0.5f, 0.5f, 0.5f, 1));
  renderer.DebugDrawRect(TranslationTo(position - glm::vec2(0, 15)), glm::vec2(5, 5), space, fColor(0, 0, 0, 1));
}
