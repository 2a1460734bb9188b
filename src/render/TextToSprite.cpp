#include "render/TextToSprite.h"

#include "core/EventManager.h"
#include "core/Send.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/Members.h"
#include "object/ObjectEvents.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "render/Sprite.h"

#include <iomanip>
#include <sstream>

int GlyphIndexFromChar(char character)
{
  const int code = static_cast<signed char>(character);
  if (code >= 'A' && code <= 'Z')
    return code - 'A';
  if (code >= 'a' && code <= 'z')
    return 26 + code - 'a';
  if (code >= '0' && code <= '9')
    return 52 + code - '0';
  switch (code)
  {
    case ' ': return 63;
    case '!': return 64;
    case '/': return 68;
    case '\'': return 69;
    case '.': return 75;
    default: return 69;
  }
}

TextToSprite::TextToSprite() : Component(TypeId) {}

TextToSprite::~TextToSprite() = default;

void TextToSprite::OnAwake()
{
  SetString(initialText);
  SubscribeOnSpace<UpdateEvent>(this);
}

void TextToSprite::OnDestroy()
{
  // Every living character goes, also those after one that is already gone: a character left
  // behind would stay on screen with nothing to remove it.
  RemoveDigits();
}

void TextToSprite::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "digitType", &digitType, RenderPrefabName, std::string("HUD_Digit"));
  Members::AddMember(members, "yOffset", &yOffset, RenderFloat, 0.0f);
  Members::AddMember(members, "layer", &layer, RenderString, std::string("DL_HUD"));
  Members::AddMember(members, "color", &color, RenderColor, fColor(1.0f, 1.0f, 1.0f, 1.0f));
  Members::AddMember(members, "text", &initialText, RenderString, std::string());
}

void TextToSprite::RemoveDigits()
{
  for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit)
  {
    GameObject* character = digit->Get();
    if (character != nullptr)
      Queue<GameObjectDestroyedEvent>(BRINDLE_SITE, character->GetId(), *digit);
  }
  digits.clear();
}

void TextToSprite::SetString(const std::string& newText)
{
  text = newText;
  count = static_cast<std::uint32_t>(text.size());
  RemoveDigits();

  GameObject* object = GetGameObject();
  GameobjectFactory* factory = GameobjectFactory::Instance();
  EventManager* manager = EventManager::Instance();
  Space* space = object != nullptr ? object->GetSpace() : nullptr;
  if (factory != nullptr)
  {
    while (digits.size() < count)
    {
      Handle<GameObject> character;
      factory->CreateGameObject(character, digitType, space, "");
      if (!character.IsValid())
        break;
      if (space != nullptr && manager != nullptr)
        manager->Subscribe<Space, GameObjectDestroyedEvent>(space, character->GetId());
      digits.push_back(character);
    }
  }
  LayOut();
  dirty = false;
}

void TextToSprite::LayOut()
{
  GameObject* object = GetGameObject();
  Transform* ownTransform = object != nullptr ? object->GetTransform() : nullptr;
  if (ownTransform == nullptr && !digits.empty())
    missingTransform.Report(*this, "Transform", "placing the characters");
  const float scale = ownTransform != nullptr ? ownTransform->GetScale().x : 1.0f;
  const float advance = scale * Advance;
  const float half = static_cast<float>(count) * advance * 0.5f - advance * 0.5f;
  const glm::vec2 centre = ownTransform != nullptr ? ownTransform->GetWorldPosition() : glm::vec2(0.0f, 0.0f);
  const float start = centre.x - half;

  for (std::size_t i = 0; i < digits.size(); ++i)
  {
    GameObject* character = digits[i].Get();
    if (character == nullptr)
      continue;
    if (ownTransform != nullptr)
    {
      if (Transform* place = character->GetTransform())
        place->SetWorldPosition(start + static_cast<float>(i) * advance, centre.y);
    }
    Sprite* glyph = character->GetSprite() != nullptr ? character->GetSprite() : character->GetComponent<Sprite>();
    if (glyph == nullptr)
    {
      missingDigitSprite.Report(*this, "Sprite on its character object \"" + digitType + "\"", "showing the glyph");
      continue;
    }
    glyph->SetFrame(static_cast<std::uint32_t>(GlyphIndexFromChar(text[i])));
    // Both ways by the horizontal scale, so glyphs stay square whatever the owner's height.
    glyph->SetScale(scale, scale);
    glyph->SetColor(color);
    glyph->SetYOrderOffset(yOffset);
    glyph->SetLayer(layer);
  }
}

void TextToSprite::SetNumber(int number)
{
  SetString(std::to_string(number));
}

void TextToSprite::SetNumber(float number, int precision)
{
  std::ostringstream stream;
  stream << std::fixed << std::setprecision(precision > 0 ? precision : 0) << number;
  SetString(stream.str());
}

void TextToSprite::SetColor(const fColor& newColor)
{
  color = newColor;
  dirty = true;
}

void TextToSprite::On(UpdateEvent*)
{
  if (!dirty)
    return;
  dirty = false;
  SetString(text);
}
