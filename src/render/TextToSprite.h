#pragma once
// Shows a short text, usually a number on the HUD, as a row of separate objects, one per
// character, each made from a prefab (by default "HUD_Digit") whose Sprite holds the font strip;
// the character picks the strip's frame. The row is centred on the owner, spaced by its
// horizontal scale, and rebuilt from scratch whenever the text changes.
//
// The characters are objects of the same space, not children: they stay where the last rebuild
// put them when the owner moves.
//
// Game code sets the text at run time; "text" in a file gives the row it shows on waking, so a
// level can carry a fixed caption (a title) without code behind it.
#include "core/Handle.h"
#include "core/fColor.h"
#include "object/Component.h"
#include "object/MissingSiblingWarning.h"

#include <string>
#include <vector>

class UpdateEvent;

// The font strip's frame for a character; the character is taken as a signed 8-bit value, so
// bytes above 127 fall to the default frame like any other character outside the table.
int GlyphIndexFromChar(char character);

class TextToSprite : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_TextToSprite;
  // World units between the centres of neighbouring characters at horizontal scale 1.
  static constexpr float Advance = 50.0f;

  TextToSprite();
  ~TextToSprite() override;
  TextToSprite& operator=(const TextToSprite&) = default;

  void OnAwake() override;
  // Asks for every character object to be destroyed.
  void OnDestroy() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  // Rebuilds the row at once.
  void SetString(const std::string& newText);
  // The decimal text of the number.
  void SetNumber(int number);
  // The number in fixed notation with `precision` digits after the point.
  void SetNumber(float number, int precision);
  // Takes effect with the rebuild at the next update.
  void SetColor(const fColor& newColor);

  void On(UpdateEvent* event);

  const std::string& GetText() const { return text; }
  const std::vector<Handle<GameObject>>& GetDigits() const { return digits; }
  std::uint32_t GetCount() const { return count; }
  bool IsDirty() const { return dirty; }
  const std::string& GetDigitType() const { return digitType; }
  void SetDigitType(const std::string& prefab) { digitType = prefab; }
  const std::string& GetLayer() const { return layer; }
  void SetLayer(const std::string& newLayer) { layer = newLayer; }
  float GetYOffset() const { return yOffset; }
  void SetYOffset(float offset) { yOffset = offset; }
  fColor GetColor() const { return color; }

private:
  // Queues the destruction of every character object still alive, last first, and forgets them.
  void RemoveDigits();
  void LayOut();

  Transient<std::vector<Handle<GameObject>>> digits;
  std::string digitType = "HUD_Digit";
  std::string text;
  std::string initialText;  // "text" of the file: what the row shows on waking
  std::uint32_t count = 0;
  float yOffset = 0.0f;
  std::string layer = "DL_HUD";
  bool dirty = true;
  fColor color{1.0f, 1.0f, 1.0f, 1.0f};
  MissingSiblingWarning missingTransform;
  MissingSiblingWarning missingDigitSprite;
};
