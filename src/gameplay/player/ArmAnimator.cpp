#include "gameplay/player/ArmAnimator.h"

#include "gameplay/combat/CombatEvents.h"
#include "gameplay/items/Equipment.h"
#include "gameplay/player/CharacterAnimation.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "render/CameraView.h"
#include "render/Graphics.h"
#include "render/ResourceManagerTwo.h"
#include "render/Sprite.h"
#include "steering/Agent.h"

#include <algorithm>
#include <cmath>
#include <glm/geometric.hpp>

namespace
{
constexpr float Pi = 3.14159265f;
// The width of a drawing the arm names none for, in pixels.
constexpr float UnnamedDrawingWidth = 128.0f;

// Scale, then rotation, then translation.
glm::mat3 Placement(glm::vec2 translation, float rotation, glm::vec2 scaling)
{
  const float c = std::cos(rotation);
  const float s = std::sin(rotation);
  glm::mat3 matrix(1.0f);
  matrix[0] = glm::vec3(c * scaling.x, s * scaling.x, 0.0f);
  matrix[1] = glm::vec3(-s * scaling.y, c * scaling.y, 0.0f);
  matrix[2] = glm::vec3(translation, 1.0f);
  return matrix;
}
}  // namespace

void ArmAnimator::OnAwake()
{
  SubscribeOnOwner<DiedEvent>(this);
  SubscribeOnSpace<UpdateEvent>(this);
  SubscribeOnSpace<DrawEvent>(this);
  // A missing drawing borrows its partner's.
  if (upperBackTexture.empty())
    upperBackTexture = upperTexture;
  if (upperTexture.empty())
    upperTexture = upperBackTexture;
  if (lowerTexture.empty())
    lowerTexture = lowerBackTexture;
  if (lowerBackTexture.empty())
    lowerBackTexture = lowerTexture;
  ComputeDimensions();
}

void ArmAnimator::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "updateOnDraw", &updateOnDraw, RenderBool, false, false);
  Members::AddMember(members, "aim", &aim, RenderVec2, glm::vec2(0.0f, -1.0f), false);
  Members::AddMember(members, "upperTexture", &upperTexture, RenderString, std::string());
  Members::AddMember(members, "lowerTexture", &lowerTexture, RenderString, std::string());
  Members::AddMember(members, "upperBackTexture", &upperBackTexture, RenderString, std::string());
  Members::AddMember(members, "lowerBackTexture", &lowerBackTexture, RenderString, std::string());
  Members::AddMember(members, "scale", &scale, RenderFloat, 0.75f);
  Members::AddMember(members, "verticalOffset", &verticalOffset, RenderFloat, 0.0f);
  Members::AddMember(members, "upperPixelLength", &upperPixelLength, RenderInt, 19);
  Members::AddMember(members, "lowerPixelLength", &lowerPixelLength, RenderInt, 19);
  Members::AddMember(members, "shoulderOffset", &shoulderOffset, RenderFloat, 15.0f);
  Members::AddMember(members, "shoulderWidth", &shoulderWidth, RenderFloat, 13.0f);
  Members::AddMember(members, "elbowOffset", &elbowOffset, RenderFloat, 0.0f);
  Members::AddMember(members, "elbowWidth", &elbowWidth, RenderFloat, 25.0f);
  Members::AddMember(members, "handOffset", &handOffset, RenderFloat, 0.0f);
  Members::AddMember(members, "handWidth", &handWidth, RenderFloat, 40.0f);
  Members::AddMember(members, "armScale", &armScale, RenderFloat, 1.0f);
}

void ArmAnimator::MembersChanged()
{
  ComputeDimensions();
}

void ArmAnimator::ComputeDimensions()
{
  float upperWidth = UnnamedDrawingWidth;
  float lowerWidth = UnnamedDrawingWidth;
  const std::string* names[DrawingCount] = {&upperTexture, &lowerTexture, &upperBackTexture, &lowerBackTexture};
  // Before the resource list is read (the start-up self-check) there is nothing to look up.
  const bool picturesLoaded = !ResourceManagerTwo::GetAtlasRegions().empty();
  for (int drawing = 0; drawing < DrawingCount; ++drawing)
  {
    drawingHeights[drawing] = 0.0f;
    if (names[drawing]->empty() || !picturesLoaded)
      continue;
    const AtlasRegion& region = ResourceManagerTwo::ResolveTextureName(*names[drawing], false);
    std::copy(std::begin(region.firstFrame), std::end(region.firstFrame), records[drawing].uvRect);
    drawingHeights[drawing] = region.frameSize[1];
    if (region.frameSize[0] > 0.0f)
      (drawing == Upper || drawing == UpperBack ? upperWidth : lowerWidth) = region.frameSize[0];
  }
  // The body's picture gives the world size of a pixel (a sprite's scale is its size).
  effScale = scale;
  yOrderOffset = 0.0f;
  GameObject* object = GetGameObject();
  if (const Sprite* sprite = object != nullptr ? object->GetComponent<Sprite>() : nullptr)
  {
    const float frameWidth = sprite->GetFrameSize().x;
    effScale *= frameWidth > 0.0f ? sprite->GetScale().x / frameWidth : sprite->GetScale().x;
    yOrderOffset = sprite->GetYOrderOffset();
  }
  armWidth = armScale * effScale;
  lowerLengthFactor = static_cast<float>(lowerPixelLength) / lowerWidth * 0.5f;
  upperLengthFactor = static_cast<float>(upperPixelLength) / upperWidth * 0.5f;
  const auto ring = [this](float offset, float width) {
    Ring made;
    made.height = (offset + verticalOffset) * effScale;
    made.halfWidth = width * effScale;
    made.halfHeight = 0.75f * made.halfWidth;
    return made;
  };
  shoulderRing = ring(shoulderOffset, shoulderWidth);
  elbowRing = ring(elbowOffset, elbowWidth);
  handRing = ring(handOffset, handWidth);
}

glm::mat3 ArmAnimator::SegmentMatrix(glm::vec2 from, glm::vec2 to, float lengthFactor, Drawing drawing,
                                     float sign) const
{
  const glm::vec2 along = to - from;
  // The unit quad is centred on its middle, and the limb fills lengthFactor * 2 of the drawing's
  // width: the quad goes to the segment's middle, stretched so that the limb spans the segment.
  const float stretch = lengthFactor > 0.0f ? 0.5f / lengthFactor : 1.0f;
  const float thickness = armWidth * (drawingHeights[drawing] > 0.0f ? drawingHeights[drawing] : 1.0f);
  return Placement((from + to) * 0.5f, std::atan2(along.y, along.x),
                   glm::vec2(glm::length(along) * stretch, thickness * sign));
}

void ArmAnimator::On(UpdateEvent*)
{
  const float facing = FacingOf(GetGameObject());
  const glm::vec2 wanted(std::cos(facing), std::sin(facing));
  if (wanted.x == 0.0f && wanted.y == 0.0f)
    return;
  aim = glm::normalize(wanted);
  UpdateGeometry();
}

void ArmAnimator::UpdateGeometry()
{
  GameObject* object = GetGameObject();
  const float a = std::atan2(aim.y, aim.x);
  const float sign = aim.x > 0.0f ? 1.0f : -1.0f;
  const float worldY =
      object != nullptr && object->GetTransform() != nullptr ? object->GetTransform()->GetWorldPosition().y : 0.0f;
  for (int index = 0; index < 2; ++index)
  {
    Arm& arm = arms[index];
    const float side = static_cast<float>(index);
    const float shoulderAngle = a - Pi / 2.0f + side * Pi;
    const float handAngle = a - Pi / 6.0f + side * Pi / 3.0f;
    const auto onRing = [](const Ring& ring, float angle) {
      return glm::vec2(ring.halfWidth * std::cos(angle), ring.halfHeight * std::sin(angle) + ring.height);
    };
    arm.shoulder = onRing(shoulderRing, shoulderAngle);
    arm.elbow = onRing(elbowRing, shoulderAngle);
    arm.hand = onRing(handRing, handAngle);
    const glm::vec2 forearm = arm.hand - arm.elbow;
    // Arm 0 turns its front to the viewer on the +x side, arm 1 on the -x side.
    const bool frontLower = index == 0 ? forearm.x > 0.0f : forearm.x <= 0.0f;
    const bool frontUpper = index == 0 ? std::cos(shoulderAngle) > 0.0f : std::cos(shoulderAngle) <= 0.0f;
    arm.lowerDrawing = frontLower ? Lower : LowerBack;
    arm.upperDrawing = frontUpper ? Upper : UpperBack;
    arm.upper = SegmentMatrix(arm.shoulder, arm.elbow, upperLengthFactor, arm.upperDrawing, sign);
    arm.lower = SegmentMatrix(arm.elbow, arm.hand, lowerLengthFactor, arm.lowerDrawing, sign);
    arm.handMatrix = Placement(arm.hand, a, glm::vec2(1.0f, sign));
    arm.upperSortY = arm.shoulder.y - shoulderRing.height + yOrderOffset + worldY;
    arm.lowerSortY = arm.elbow.y - elbowRing.height + yOrderOffset + worldY;
  }
  const Equipment* equipment = object != nullptr ? object->GetComponent<Equipment>() : nullptr;
  if (equipment == nullptr)
    return;
  for (std::uint32_t slot = 0; slot < 2; ++slot)
  {
    const Handle<GameObject> item = equipment->GetSlot(slot);
    if (Transform* held = item ? item->GetTransform() : nullptr)
      held->SetLocalMatrix(arms[slot].handMatrix);
  }
}

void ArmAnimator::On(DiedEvent*)
{
  dead = true;
}

void ArmAnimator::On(DrawEvent* event)
{
  GameObject* object = GetGameObject();
  if (dead || !visible || object == nullptr || event->renderer == nullptr || object->GetTransform() == nullptr)
    return;
  if (updateOnDraw)
  {
    previewClock += CharacterAnimation::PreviewStep;
    aim = glm::vec2(std::cos(previewClock), std::sin(previewClock));
    UpdateGeometry();
    CharacterAnimation::StepPreview(*object, aim, nullptr);
  }
  Graphics::Graphics& renderer = *event->renderer;
  if (layerFrom != &renderer)
  {
    layer = renderer.GetLayer(LayerName);
    layerFrom = &renderer;
  }
  const Graphics::CameraView* camera = renderer.GetSpaceCamera(object->GetSpace());
  const glm::mat3 view = camera != nullptr ? camera->ToCameraSpace() : glm::mat3(1.0f);
  const glm::mat3 toView = view * object->GetTransform()->GetWorldMatrix();
  for (const Arm& arm : arms)
  {
    SubmitSegment(renderer, toView, arm.upper, arm.upperSortY, arm.upperDrawing);
    SubmitSegment(renderer, toView, arm.lower, arm.lowerSortY, arm.lowerDrawing);
  }
}

void ArmAnimator::SubmitSegment(Graphics::Graphics& renderer, const glm::mat3& toView, const glm::mat3& segment,
                                float sortY, Drawing drawing)
{
  Graphics::InstanceData& record = records[drawing];
  const glm::mat4 model = Graphics::Graphics::ToMat4(toView * segment);
  const float* values = &model[0][0];
  std::copy(values, values + 16, record.model);
  record.sortY = sortY;
  Graphics::InstanceSubmission<Graphics::InstanceData> submission;
  submission.layer = layer;
  submission.pass = renderer.GetPass("InstancedRender");
  submission.space = GetSpace();
  submission.record = record;
  renderer.AddInstance(submission);
}
