#include "render/Sprite.h"

#include "core/EventManager.h"
#include "core/Log.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "render/Graphics.h"
#include "render/ResourceManagerTwo.h"
#include "render/TexturePicker.h"

#include <algorithm>
#include <cmath>
#include <glm/gtc/type_ptr.hpp>  // for glm::value_ptr

Sprite::Sprite() : Component(TypeId) {}

Sprite::~Sprite() = default;

Sprite& Sprite::operator=(const Sprite& other)
{
  Component::operator=(other);
  period = other.period;
  color = other.color;
  animated = other.animated;
  flipX = other.flipX;
  flipY = other.flipY;
  frame = other.frame;
  scale = other.scale;
  offset = other.offset;
  layer = other.layer;
  source = other.source;
  yOrderOffset = other.yOrderOffset;
  draw = other.draw;
  animationTimer = other.animationTimer;
  noduck = other.noduck;
  LoadTexture();
  return *this;
}

void Sprite::OnAwake()
{
  GameObject* object = GetGameObject();
  if (object == nullptr)
    return;
  SubscribeOnSpace<UpdateEvent>(this);
  SubscribeOnSpace<DrawEvent>(this);
  transform = object->GetTransform();
  object->SetSprite(this);
  LoadTexture();
}

void Sprite::OnDestroy()
{
  // The object outlives its components by a moment, and the editor removes single components:
  // it must not keep pointing at a sprite that is gone.
  if (GameObject* object = GetGameObject(); object != nullptr && object->GetSprite() == this)
    object->SetSprite(nullptr);
}

void Sprite::GetMembers(std::vector<MemberBase*>& members)
{
  // The defaults of a freshly constructed sprite are the reference values.
  Members::AddMember(members, "period", &period, RenderFloat, 0.08f);
  Members::AddMember(members, "color", &color, RenderColor, fColor(1.0f, 1.0f, 1.0f, 1.0f));
  Members::AddMember(members, "animated", &animated, RenderBool, false);
  Members::AddMember(members, "flipX", &flipX, RenderBool, false);
  Members::AddMember(members, "flipY", &flipY, RenderBool, false);
  Members::AddMember(members, "frame", &frame, RenderUnsigned, 0u);
  Members::AddMember(members, "scale", &scale, RenderVec2, glm::vec2(1.0f, 1.0f));
  Members::AddMember(members, "offset", &offset, RenderVec2, glm::vec2(0.0f, 0.0f));
  Members::AddMember(members, "layer", &layer, RenderString, std::string(FallbackLayer));
  Members::AddMember(members, "source", &source, TexturePicker, std::string(FallbackTexture));
  Members::AddMember(members, "yOrderOffset", &yOrderOffset, RenderFloat, 0.0f);
  Members::AddMember(members, "draw", &draw, RenderBool, true);
  Members::AddMember(members, "animationTimer", &animationTimer, RenderFloat, 0.0f);
  Members::AddMember(members, "noduck", &noduck, RenderBool, false);
}

void Sprite::MembersChanged()
{
  LoadTexture();
}

void Sprite::LoadTexture()
{
  layerResolved = false;
  // Before the resource list is read (the start-up self-check, tests without pictures) there is
  // nothing to look up and nothing missing: the picture is resolved on the next copy or change.
  if (ResourceManagerTwo::GetAtlasRegions().empty())
    return;
  // HasTexture prints the manager's warning for a name it does not know.
  const bool known = ResourceManagerTwo::HasTexture(source);
  const AtlasRegion& region = known ? ResourceManagerTwo::ResolveTextureName(source, noduck)
                                    : ResourceManagerTwo::ResolveTextureName(FallbackTexture, false);
  std::copy(std::begin(region.rect), std::end(region.rect), atlasRect);
  // A region always has a frame; a lookup that missed altogether gives none, and a frame count of
  // zero would divide by zero in the animation step.
  frameCount = std::max<std::uint32_t>(region.frameCount, 1);
  frameSize = glm::vec2(region.frameSize[0], region.frameSize[1]);
}

void Sprite::SetSource(const std::string& newSource)
{
  source = newSource;
  LoadTexture();
}

void Sprite::SetLayer(const std::string& newLayer)
{
  layer = newLayer;
  layerResolved = false;
}

void Sprite::SetPeriod(float newPeriod)
{
  if (period > 0.0f)
    animationTimer *= newPeriod / period;
  period = newPeriod;
}

void Sprite::On(UpdateEvent* event)
{
  if (!animated)
    return;
  animationTimer += event->dt;
  if (animationTimer > period)
  {
    frame = forward ? (frame + 1) % frameCount : (frame + frameCount - 1) % frameCount;
    // At most one frame a step: the periods beyond the first are dropped.
    animationTimer = period > 0.0f
                         ? static_cast<float>(std::fmod(static_cast<double>(animationTimer), static_cast<double>(period)))
                         : 0.0f;
  }
}

void Sprite::ResolveLayer(Graphics::Graphics& renderer)
{
  layerResolved = true;
  layerRecord = renderer.GetLayer(layer);
  if (layerRecord != nullptr)
    return;
  layerRecord = renderer.GetLayer(FallbackLayer);
  const GameObject* object = GetGameObject();
  const std::string name = object != nullptr ? object->GetName() : "";
  const std::string prefab = object != nullptr ? object->GetPrefabName() : "";
  // Every object of a prefab shares its layer: the first of them tells.
  LogOnce("Sprite layer " + layer + " of " + (prefab.empty() ? "object " + name : "prefab " + prefab),
          LogLevel::Warning, "Sprite has no layer set, defaulting to DL_BACKGROUND layer.  Name: ", name,
          ", Prefab: ", prefab);
}

Transform* Sprite::FindTransform()
{
  if (transform == nullptr)
  {
    if (GameObject* object = GetGameObject())
      transform = object->GetTransform();
  }
  return transform;
}

Graphics::InstanceData Sprite::MakeInstance(const glm::mat3& view)
{
  Graphics::InstanceData record;

  // Mirror and scale the unit quad first, then shift it, then place it in the world and the view.
  glm::mat3 local(1.0f);
  local[0][0] = flipX ? -scale.x : scale.x;
  local[1][1] = flipY ? -scale.y : scale.y;
  local[2][0] = offset.x;
  local[2][1] = offset.y;
  Transform* owner = FindTransform();
  const glm::mat3 world = owner != nullptr ? owner->GetWorldMatrix() : glm::mat3(1.0f);
  const glm::mat4 model = Graphics::Graphics::ToMat4(view * world * local);
  std::copy(glm::value_ptr(model), glm::value_ptr(model) + 16, record.model);

  // A frame past the picture's last wraps round rather than reaching into the neighbouring
  // picture; the fallback picture, which has one frame, always shows whole.
  const float frameWidth = (atlasRect[2] - atlasRect[0]) / static_cast<float>(frameCount);
  const float left = atlasRect[0] + static_cast<float>(frame % frameCount) * frameWidth;
  record.uvRect[0] = left;
  record.uvRect[1] = atlasRect[1];
  record.uvRect[2] = left + frameWidth;
  record.uvRect[3] = atlasRect[3];

  record.color = color;
  // The world matrix's translation is the object's world position.
  record.sortY = world[2][1] + GetSortOffset();
  return record;
}

void Sprite::On(DrawEvent* event)
{
  if (!draw || event->renderer == nullptr)
    return;
  GameObject* object = GetGameObject();
  if (object == nullptr || object->GetSpace() == nullptr)
    return;
  Graphics::Graphics& renderer = *event->renderer;
  if (!layerResolved || !target.IsCurrent(renderer))
    ResolveLayer(renderer);
  Space* space = object->GetSpace();
  InstanceBuffer* buffer = target.Get(renderer, layerRecord, "InstancedRender", space);
  if (buffer == nullptr)
    return;

  // A space without a camera is not drawn by the renderer at all; its records are filed anyway so
  // that nothing here depends on which camera comes first.
  const Graphics::CameraView* camera = renderer.GetSpaceCamera(space);
  const glm::mat3 view = camera != nullptr ? camera->ToCameraSpace() : glm::mat3(1.0f);
  Graphics::Graphics::File(*buffer, MakeInstance(view));
}
