#pragma once
// A light that brightens the floor and the main layer around its object. Each drawn frame it
// files one light record for the light pass on "DL_FLOOR" and on "DL_MAIN" of its space; in the
// editor it also draws a small bulb with the debug drawing.
#include "core/fColor.h"
#include "object/Component.h"
#include "render/InstanceTarget.h"
#include "render/LightInstance.h"

#include <glm/mat3x3.hpp>
#include <glm/vec2.hpp>

#include <vector>

class DrawEvent;
class Transform;

namespace Graphics
{
class Graphics;
struct Layer;
}  // namespace Graphics

class PointLight : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_PointLight;

  PointLight();
  PointLight& operator=(const PointLight&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;
  void On(DrawEvent* event);

  // The record as it would be filed under this view (the camera's world-to-camera matrix).
  Graphics::LightInstance MakeInstance(const glm::mat3& view) const;

  // The bulb marker is an editor aid: the session turns it on while the editor loop runs and off
  // while the game loop runs. It also needs the renderer's debug drawing.
  static void SetEditorMarkers(bool shown) { editorMarkers = shown; }
  static bool EditorMarkersShown() { return editorMarkers; }

  bool on = true;
  fColor color;
  std::uint32_t type = 1;
  float angle = 0.0f;  // not saved: the beam weapon turns its lights at run time
  glm::vec2 scale{1.0f, 1.0f};
  float c1 = 0.0f;
  float c2 = 0.1f;
  float c3 = 0.9f;
  float c4 = 0.0f;
  float spare[3] = {0.0f, 0.0f, 0.0f};
  float direction = -2.0f;
  glm::vec2 offset{0.0f, 0.0f};

private:
  void DrawMarker(Graphics::Graphics& renderer, const glm::vec2& position);

  static constexpr std::size_t LitLayerCount = 2;
  Transient<Transform*> transform = nullptr;
  // Per lit layer: the layer, found with the renderer of the target's buffer, and that buffer.
  Transient<std::array<Graphics::Layer*, LitLayerCount>> layers{};
  Transient<std::array<Graphics::InstanceTarget, LitLayerCount>> targets;

  static bool editorMarkers;
};
