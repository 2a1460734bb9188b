#include "flow/hud/DialogueBox.h"

#include "core/Log.h"
#include "core/Send.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/Members.h"
#include "object/ObjectEvents.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "render/CameraView.h"
#include "render/Graphics.h"
#include "render/ResourceManagerTwo.h"
#include "render/Sprite.h"
#include "render/TextToSprite.h"
#include "render/TexturePicker.h"

#include <cmath>
#include <sstream>

namespace
{
constexpr const char* GlyphLayer = "DL_GUI_BUTTON";
constexpr const char* PartLayer = "DL_GUI_FRAME";

Sprite* SpriteOfPart(const Handle<GameObject>& part)
{
  return part ? part->GetComponent<Sprite>() : nullptr;
}
}  // namespace

std::vector<std::string> WrapDialogueText(const std::string& text, std::uint32_t lineSize)
{
  std::vector<std::string> rows;
  std::istringstream words(text);
  std::string word;
  std::string row;
  while (words >> word)
  {
    // A word that does not fit closes the row and is tried again on an empty one, which takes it.
    if (!row.empty() && word.size() + row.size() >= lineSize)
    {
      row.pop_back();
      rows.push_back(row);
      row.clear();
    }
    row += word;
    row += ' ';
  }
  if (!row.empty())
  {
    row.pop_back();
    rows.push_back(row);
  }
  return rows;
}

void DialogueAnimator::OnAwake()
{
  SetText(text);
  SubscribeOnSpace<DrawEvent>(this);
  SubscribeOnSpace<UpdateEvent>(this);
  backgroundObject = MakePart("dialogue background");
  if (Sprite* sprite = SpriteOfPart(backgroundObject))
    sprite->SetColor(1.0f, 1.0f, 1.0f, 1.0f);
  headObject = MakePart("dialogue head");
  jawObject = MakePart("dialogue jaw");
  RefreshParts();
  GameObject* owner = GetGameObject();
  Transform* ownerTransform = owner != nullptr ? owner->GetTransform() : nullptr;
  for (const Handle<GameObject>* part : {&backgroundObject, &headObject, &jawObject})
  {
    if (*part && ownerTransform != nullptr)
      (*part)->GetTransform()->SetParent(ownerTransform);
  }
  EventManager* events = EventManager::Instance();
  Space* space = GetSpace();
  for (const Handle<GameObject>* part : {&headObject, &jawObject, &backgroundObject})
  {
    if (*part && events != nullptr && space != nullptr)
      events->Subscribe<Space, GameObjectDestroyedEvent>(space, (*part)->GetId());
  }
}

Handle<GameObject> DialogueAnimator::MakePart(const std::string& name)
{
  Handle<GameObject> part;
  GameobjectFactory* factory = GameobjectFactory::Instance();
  Space* space = GetSpace();
  if (factory == nullptr || space == nullptr)
    return part;
  factory->CreateGameObject(part, "Empty", space, name);
  if (!part)
    return part;
  auto* sprite = dynamic_cast<Sprite*>(part->AddComponent("Sprite"));
  if (sprite == nullptr)
    return part;
  sprite->OnAwake();
  sprite->SetLayer(PartLayer);
  return part;
}

void DialogueAnimator::OnDestroy()
{
  for (const Handle<GameObject>* part : {&headObject, &jawObject, &backgroundObject})
  {
    if (*part)
      Queue<GameObjectDestroyedEvent>(BRINDLE_SITE, (*part)->GetId(), *part);
  }
}

void DialogueAnimator::GetMembers(std::vector<MemberBase*>& members)
{
  const DialogueAnimator reference;
  Members::AddMember(members, "lineSize", &lineSize, RenderUnsigned, reference.lineSize);
  Members::AddMember(members, "text", &text, RenderString, reference.text);
  Members::AddMember(members, "color", &color, RenderColor, reference.color);
  Members::AddMember(members, "Background", &background, TexturePicker, reference.background);
  Members::AddMember(members, "headSprite", &headSprite, TexturePicker, reference.headSprite);
  Members::AddMember(members, "jawSprite", &jawSprite, TexturePicker, reference.jawSprite);
  Members::AddMember(members, "backgroundOffset", &backgroundOffset, RenderVec2, reference.backgroundOffset);
  Members::AddMember(members, "headOffset", &headOffset, RenderVec2, reference.headOffset);
  Members::AddMember(members, "jawOffset", &jawOffset, RenderVec2, reference.jawOffset);
  Members::AddMember(members, "backgroundScale", &backgroundScale, RenderVec2Scale, reference.backgroundScale);
  Members::AddMember(members, "headScale", &headScale, RenderVec2Scale, reference.headScale);
  Members::AddMember(members, "jawScale", &jawScale, RenderVec2Scale, reference.jawScale);
}

void DialogueAnimator::MembersChanged()
{
  RefreshParts();
}

void DialogueAnimator::SetText(const std::string& newText)
{
  // The font strip draws what it lacks as its apostrophe; the text is shown all the same.
  for (const char character : newText)
  {
    if (character != '\'' && GlyphIndexFromChar(character) == GlyphIndexFromChar('\''))
      LogOnce(std::string("dialogue glyph ") + character, LogLevel::Warning, "The dialogue text \"", newText,
              "\" has a character the font lacks (code ", static_cast<int>(static_cast<unsigned char>(character)),
              "); it shows as an apostrophe.");
  }
  text = newText;
  lines = WrapDialogueText(text, lineSize);
  talking = true;
  talkTime = 1.0f;
}

void DialogueAnimator::RefreshParts()
{
  GameObject* owner = GetGameObject();
  if (owner == nullptr)
    return;
  RefreshPart(backgroundObject, background, backgroundScale, PlaceOf(backgroundOffset), true);
  RefreshPart(headObject, headSprite, headScale, PlaceOf(headOffset), true);
  RefreshPart(jawObject, jawSprite, jawScale, PlaceOf(jawOffset), false);
}

glm::vec2 DialogueAnimator::PlaceOf(glm::vec2 offset) const
{
  const Transform* transform = GetGameObject()->GetTransform();
  return transform->GetWorldPosition() + offset * transform->GetScale();
}

void DialogueAnimator::RefreshPart(const Handle<GameObject>& part, const std::string& texture, glm::vec2 scale,
                                   glm::vec2 position, bool placeWhenHidden)
{
  if (!part)
    return;
  Sprite* sprite = SpriteOfPart(part);
  if (texture.empty() && !placeWhenHidden)
  {
    if (sprite != nullptr)
      sprite->SetDraw(false);
    return;
  }
  Transform* transform = part->GetTransform();
  // The part's scale counts in the owner's units, as its offset does (PlaceOf): a part that does
  // not hang under the owner yet (while the owner wakes) takes the owner's scale on top, so that
  // the frame fits the text of an owner scaled in its level.
  const Transform* owner = GetGameObject()->GetTransform();
  transform->SetScale(transform->GetParent() == owner ? scale : scale * owner->GetScale());
  // Placed in the world, so that refreshing a part already under the owner does not add the
  // owner's position a second time.
  transform->SetWorldPosition(position.x, position.y);
  if (sprite == nullptr)
    return;
  if (texture.empty())
  {
    sprite->SetDraw(false);
    return;
  }
  sprite->SetSource(texture);
  sprite->SetDraw(true);
  // The part's scale counts in pictures: the quad takes the picture's own size in atlas pixels.
  const glm::vec2 frame = sprite->GetFrameSize();
  if (frame.x > 0.0f && frame.y > 0.0f)
    sprite->SetScale(frame.x, frame.y);
}

void DialogueAnimator::On(UpdateEvent* event)
{
  if (!talking)
    return;
  talkTime -= event->dt;
  if (talkTime < 0.0f)
    talking = false;
  GameObject* owner = GetGameObject();
  if (owner == nullptr || !jawObject)
    return;
  const float swing = jawAmplitude * (std::sin(event->loopTime * jawSpeed) + 1.0f);
  const glm::vec2 place = PlaceOf(jawOffset - glm::vec2(0.0f, swing));
  jawObject->GetTransform()->SetWorldPosition(place.x, place.y);
}

void DialogueAnimator::On(DrawEvent* event)
{
  GameObject* owner = GetGameObject();
  if (event->renderer == nullptr || owner == nullptr || owner->GetSpace() == nullptr || lines.empty())
    return;
  Graphics::Graphics& renderer = *event->renderer;
  if (!layerResolved)
  {
    layerResolved = true;
    layer = renderer.GetLayer(GlyphLayer);
  }
  // Without its layer the text has nowhere to go; the renderer has said so already.
  if (layer == nullptr || !ResourceManagerTwo::HasTexture("font"))
    return;
  const AtlasRegion& font = ResourceManagerTwo::ResolveTextureName("font", false);
  const float frameWidth = font.frameSize[0];
  Space* space = owner->GetSpace();
  const Graphics::CameraView* camera = renderer.GetSpaceCamera(space);
  const glm::mat3 view = camera != nullptr ? camera->ToCameraSpace() : glm::mat3(1.0f);
  const glm::mat3 base = view * owner->GetTransform()->GetWorldMatrix();

  Graphics::InstanceSubmission<Graphics::InstanceData> submission;
  submission.layer = layer;
  submission.pass = renderer.GetPass("InstancedRender");
  submission.space = space;
  for (std::size_t row = 0; row < lines.size(); ++row)
  {
    for (std::size_t column = 0; column < lines[row].size(); ++column)
    {
      const int glyph = GlyphIndexFromChar(lines[row][column]);
      Graphics::InstanceData& record = submission.record;
      record.uvRect[0] = font.firstFrame[0] + static_cast<float>(glyph) * frameWidth;
      record.uvRect[1] = font.firstFrame[1];
      record.uvRect[2] = font.firstFrame[2] + static_cast<float>(glyph) * frameWidth;
      record.uvRect[3] = font.firstFrame[3];
      glm::mat3 local(1.0f);
      local[0][0] = GlyphWidth;
      local[1][1] = GlyphHeight;
      local[2][0] = GlyphAdvance * static_cast<float>(column);
      local[2][1] = -RowAdvance * static_cast<float>(row);
      const glm::mat4 model = Graphics::Graphics::ToMat4(base * local);
      std::copy(&model[0][0], &model[0][0] + 16, record.model);
      record.color = color;
      record.sortY = 0.0f;
      renderer.AddInstance(submission);
    }
  }
}
