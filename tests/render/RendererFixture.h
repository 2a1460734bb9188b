#pragma once
// A renderer drawing into the shared hidden window, with the game's resource list loaded, and
// the small stand-ins for spaces and cameras that the renderer draws through.
#include "support/HeadlessGl.h"
#include "support/RecordingAssertHandler.h"

#include "render/Graphics.h"
#include "render/InstanceData.h"
#include "render/ResourceManagerTwo.h"
#include "render/RowsMatrix.h"
#include "render/Texture.h"

#include <glm/gtc/type_ptr.hpp>
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

struct TestSpace : Graphics::RenderSpace
{
  explicit TestSpace(std::string spaceName) : name(std::move(spaceName)) {}
  std::string GetSpaceName() const override { return name; }
  std::string name;
};

struct TestCamera : Graphics::CameraView
{
  glm::mat3 ToCameraSpace() const override { return view; }
  glm::mat3 view{1.0f};
};

using Rgba = std::array<unsigned char, 4>;
inline Rgba ToRgba(const fColor& colour)
{
  return {static_cast<unsigned char>(colour.r * 255), static_cast<unsigned char>(colour.g * 255),
          static_cast<unsigned char>(colour.b * 255), static_cast<unsigned char>(colour.a * 255)};
}

// The view is 1920 world units across 320 pixels: 6 units a pixel, origin at the centre.
constexpr float TestUnitsPerPixel = 6.0f;

// A renderer drawing into the shared hidden window, with the game's resource list loaded; call
// only when the window is there.
inline std::unique_ptr<Graphics::Graphics> OpenTestRenderer()
{
  ResourceManagerTwo::LoadResources("Assets\\RESOURCES.json");
  auto graphics = std::make_unique<Graphics::Graphics>();
  graphics->AttachWindow(HeadlessGl::Get());
  graphics->Initialize();
  return graphics;
}

// Ends the renderer and gives back the resources it was opened with, if there was a window.
inline void CloseTestRenderer(std::unique_ptr<Graphics::Graphics>& graphics)
{
  graphics.reset();
  if (HeadlessGl::Get() != nullptr)
    ResourceManagerTwo::UnloadAll();
}

// The composed picture's texel under a camera-space point.
inline Rgba ShownAt(const Graphics::Graphics& graphics, float x, float y)
{
  const auto column = static_cast<unsigned>((x + 960.0f) / TestUnitsPerPixel);
  const auto row = static_cast<unsigned>((y + 540.0f) / TestUnitsPerPixel);
  return HeadlessGl::PixelAt(graphics.GetCompositeTexture(), column, row);
}

class RendererFixture : public ::testing::Test
{
protected:
  static constexpr float UnitsPerPixel = TestUnitsPerPixel;

  void SetUp() override
  {
    SKIP_WITHOUT_GL();
    graphics = OpenTestRenderer();
  }

  void TearDown() override { CloseTestRenderer(graphics); }

  // A square sprite of the plain white picture, tinted, centred on (x, y) in camera space.
  static Graphics::InstanceData Sprite(float x, float y, float size, const fColor& colour, float sortY = 0)
  {
    Graphics::InstanceData record;
    const AtlasRegion& region = ResourceManagerTwo::ResolveTextureName("white", true);
    for (int i = 0; i < 4; ++i)
      record.uvRect[i] = region.firstFrame[i];
    const glm::mat4 model = Graphics::Graphics::ToMat4(Graphics::RowsMatrix(size, 0, x, 0, size, y));
    for (int i = 0; i < 16; ++i)
      record.model[i] = glm::value_ptr(model)[i];
    record.color = colour;
    record.sortY = sortY;
    return record;
  }

  void File(TestSpace& space, const std::string& layer, const Graphics::InstanceData& record)
  {
    Graphics::InstanceSubmission<Graphics::InstanceData> submission;
    submission.layer = graphics->GetLayer(layer);
    submission.pass = graphics->GetPass("InstancedRender");
    submission.space = &space;
    submission.record = record;
    graphics->AddInstance(submission);
  }

  // The composed picture's texel under a camera-space point.
  Rgba ShownAt(float x, float y) const { return ::ShownAt(*graphics, x, y); }

  // Whether any texel within one pixel of the point shows the colour.
  bool ShownNear(float x, float y, const Rgba& colour) const
  {
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy)
        if (ShownAt(x + dx * UnitsPerPixel, y + dy * UnitsPerPixel) == colour)
          return true;
    return false;
  }

  std::unique_ptr<Graphics::Graphics> graphics;
};
