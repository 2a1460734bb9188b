#pragma once
// Draws its object as one quad cut from the texture atlas: a picture ("source") on a draw layer
// ("layer"), tinted, scaled, mirrored and shifted, optionally stepping through the frames of an
// animated picture. Every DrawEvent of its space files one InstanceData record with the renderer's
// "InstancedRender" pass.
//
// The picture is looked up when the source changes (SetSource, a copy, MembersChanged), never per
// frame. The layer name is turned into the renderer's layer, and the renderer's buffer for it
// found, at the next draw after the layer, the space or the renderer changes.
#include "core/fColor.h"
#include "object/Component.h"
#include "render/InstanceData.h"
#include "render/InstanceTarget.h"
#include "render/ResourceManagerTwo.h"

#include <glm/mat3x3.hpp>
#include <glm/vec2.hpp>
#include <string>

class DrawEvent;
class Transform;
class UpdateEvent;
namespace Graphics
{
class Graphics;
struct Layer;
}  // namespace Graphics

class Sprite : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_Sprite;
  // The layer a sprite draws on when its own layer name is unknown to the renderer.
  static constexpr const char* FallbackLayer = "DL_BACKGROUND";
  // The picture shown for a source the resource list lacks.
  static constexpr const char* FallbackTexture = ResourceManagerTwo::DefaultTexture;

  Sprite();
  ~Sprite() override;
  // Copies every serialised member, then looks the picture up again.
  Sprite& operator=(const Sprite& other);

  void OnAwake() override;
  void OnDestroy() override;
  void GetMembers(std::vector<MemberBase*>& members) override;
  void MembersChanged() override;

  // Looks the source up in the atlas (falling back to "default_texture") and asks for the layer
  // to be resolved again.
  void LoadTexture();

  // The animation step. The animators call it with their own update event.
  void On(UpdateEvent* event);
  // Files this frame's record with the event's renderer.
  void On(DrawEvent* event);

  // The record On(DrawEvent) would file under the given view matrix (world to camera space).
  Graphics::InstanceData MakeInstance(const glm::mat3& view);

  void SetFlipX(bool flip) { flipX = flip; }
  void SetFlipY(bool flip) { flipY = flip; }
  bool GetFlipX() const { return flipX; }
  bool GetFlipY() const { return flipY; }
  float GetPeriod() const { return period; }
  // Keeps the phase within the current frame.
  void SetPeriod(float newPeriod);
  fColor GetColor() const { return color; }
  void SetColor(float r, float g, float b, float a) { color = fColor(r, g, b, a); }
  void SetColor(const fColor& newColor) { color = newColor; }
  std::uint32_t GetFrame() const { return frame; }
  void SetFrame(std::uint32_t newFrame) { frame = newFrame; }
  glm::vec2 GetFrameSize() const { return frameSize; }
  std::uint32_t GetFrameCount() const { return frameCount; }
  glm::vec2 GetScale() const { return scale; }
  void SetScale(float x, float y) { scale = glm::vec2(x, y); }
  glm::vec2 GetOffset() const { return offset; }
  void SetOffset(float x, float y) { offset = glm::vec2(x, y); }
  const std::string& GetSource() const { return source; }
  void SetSource(const std::string& newSource);
  const std::string& GetLayer() const { return layer; }
  void SetLayer(const std::string& newLayer);
  // The renderer's layer the last draw filed under; null before the first draw after a change.
  Graphics::Layer* GetLayerRecord() const { return layerRecord; }
  bool IsAnimated() const { return animated; }
  void SetAnimated(bool isAnimated) { animated = isAnimated; }
  bool IsForward() const { return forward; }
  void SetForward(bool isForward) { forward = isForward; }
  float GetAnimationTimer() const { return animationTimer; }
  void SetAnimationTimer(float time) { animationTimer = time; }
  bool GetDraw() const { return draw; }
  void SetDraw(bool shown) { draw = shown; }
  float GetYOrderOffset() const { return yOrderOffset; }
  void SetYOrderOffset(float value) { yOrderOffset = value; }
  // What a character holds sorts where the character stands: its holder's whole offset, set while
  // it is held and never saved.
  void SetCarrierOrderOffset(float value) { carrierOrderOffset = value; }
  // What is added to the world y for sorting: the own offset and the carrier's.
  float GetSortOffset() const { return yOrderOffset + carrierOrderOffset; }
  bool GetNoDuck() const { return noduck; }
  void SetNoDuck(bool exempt) { noduck = exempt; }
  // The whole picture in atlas pixels: (x, y + h) then (x + w, y).
  const float* GetAtlasRect() const { return atlasRect; }

private:
  // Resolves the layer name with this renderer, falling back to DL_BACKGROUND with a warning.
  void ResolveLayer(Graphics::Graphics& renderer);
  Transform* FindTransform();

  Transform* transform = nullptr;
  std::string layer = FallbackLayer;
  Graphics::Layer* layerRecord = nullptr;
  bool layerResolved = false;
  Graphics::InstanceTarget target;
  std::string source = FallbackTexture;
  fColor color{1.0f, 1.0f, 1.0f, 1.0f};
  float animationTimer = 0.0f;
  float period = 0.08f;
  std::uint32_t frame = 0;
  glm::vec2 offset{0.0f, 0.0f};
  bool flipX = false;
  bool flipY = false;
  bool animated = false;
  bool forward = true;
  bool draw = true;
  glm::vec2 scale{1.0f, 1.0f};
  glm::vec2 frameSize{0.0f, 0.0f};
  float yOrderOffset = 0.0f;
  float carrierOrderOffset = 0.0f;
  float atlasRect[4] = {0.0f, 0.0f, 0.0f, 0.0f};
  std::uint32_t frameCount = 1;
  bool noduck = false;
};
