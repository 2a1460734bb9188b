#pragma once
// DialogueAnimator: a talking head with a line of speech on a GUI object. It builds three child
// objects (a frame, a head and a jaw), wraps its text into rows of at most lineSize - 1
// characters (a longer word stands alone on its row) and draws the rows glyph by glyph from the
// "font" strip, 38 units apart and rows 75 units down in the owner's local units. Every new text
// makes the jaw bob for one second. The whole text shows at once; a new one replaces it.
#include "core/Handle.h"
#include "core/fColor.h"
#include "object/Component.h"

#include <glm/vec2.hpp>
#include <string>
#include <vector>

class DrawEvent;
class GameObject;
class UpdateEvent;
namespace Graphics
{
class Layer;
}

// The rows of `text` wrapped as the dialogue box wraps it: words split at blanks (runs of blanks
// give no empty words), a word joins the row while word length + row length stays below
// lineSize, and a word refused by an empty row is taken anyway.
std::vector<std::string> WrapDialogueText(const std::string& text, std::uint32_t lineSize);

class DialogueAnimator : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_DialogueAnimator;
  // Where the glyphs of a row go, and how large each is drawn, in the owner's local units.
  static constexpr float GlyphAdvance = 38.0f;
  static constexpr float RowAdvance = 75.0f;
  static constexpr float GlyphWidth = 32.0f;
  static constexpr float GlyphHeight = 48.0f;

  DialogueAnimator() : Component(TypeId) {}
  DialogueAnimator& operator=(const DialogueAnimator&) = default;

  void OnAwake() override;
  void OnDestroy() override;
  void GetMembers(std::vector<MemberBase*>& members) override;
  // The parts take the new pictures, sizes and places.
  void MembersChanged() override;

  void SetText(const std::string& newText);
  // Takes effect at the next SetText.
  void SetLineSize(std::uint32_t size) { lineSize = size; }
  void RefreshParts();

  void On(UpdateEvent* event);
  void On(DrawEvent* event);

  const std::string& GetText() const { return text; }
  const std::vector<std::string>& GetLines() const { return lines; }
  std::uint32_t GetLineSize() const { return lineSize; }
  bool IsTalking() const { return talking; }
  const Handle<GameObject>& GetBackgroundObject() const { return backgroundObject; }
  const Handle<GameObject>& GetHeadObject() const { return headObject; }
  const Handle<GameObject>& GetJawObject() const { return jawObject; }

private:
  Handle<GameObject> MakePart(const std::string& name);
  // Scales, places and dresses one part; an empty texture name hides it.
  void RefreshPart(const Handle<GameObject>& part, const std::string& texture, glm::vec2 scale, glm::vec2 position,
                   bool placeWhenHidden);
  // The world place of a part's offset: the parts hang under the owner, so the owner's scale
  // stretches their offsets as it stretches the parts and the text.
  glm::vec2 PlaceOf(glm::vec2 offset) const;

  std::string text = "Default Text";
  std::vector<std::string> lines;
  std::uint32_t lineSize = 31;
  fColor color{1.0f, 1.0f, 1.0f, 1.0f};
  Transient<Graphics::Layer*> layer = nullptr;
  bool layerResolved = false;
  bool talking = false;
  float talkTime = 5.0f;
  std::string background = "HUD_border_frame";
  std::string headSprite = "BossChatBot";
  std::string jawSprite = "BossChatTop";
  Transient<Handle<GameObject>> backgroundObject;
  Transient<Handle<GameObject>> headObject;
  Transient<Handle<GameObject>> jawObject;
  glm::vec2 backgroundOffset{500.0f, -80.0f};
  glm::vec2 headOffset{-300.0f, 100.0f};
  glm::vec2 jawOffset{-300.0f, 230.0f};
  glm::vec2 backgroundScale{25.0f, 10.0f};
  glm::vec2 headScale{4.0f, 4.0f};
  glm::vec2 jawScale{4.0f, 4.0f};
  float jawAmplitude = 50.0f;
  float jawSpeed = 25.0f;
};
