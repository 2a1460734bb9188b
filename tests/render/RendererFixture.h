#pragma once
// A renderer drawing into the shared hidden window, with the game's resource list loaded, and
// the small stand-ins for spaces and cameras that the renderer draws through.
#include "support/HeadlessGl.h"
#include "support/RecordingAssertHandler.h"

#include "render/Graphics.h"
#include "render/InstanceData.h"
#include "render/ResourceManagerTwo.h"
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

// The affine matrix whose first two rows are (m0, m1, m2) and (m3, m4, m5).
inline glm::mat3 EngineMatrix(float m0, float m1, float m2, float m3, float m4, float m5)
{
  glm::mat3 result(1.0f);
  result[0][0] = m0;
  result[1][0] = m1;
  result[2][0] = m2;
  result[0][1] = m3;
  result[1][1] = m4;
  result[2][1] = m5;
  return result;
}

using Rgba = std::array<unsigned char, 4>;
inline Rgba ToRgba(const fColor& colour)
{
  return {static_cast<unsigned char>(colour.r * 255), static_cast<unsigned char>(colour.g * 255),
          static_cast<unsigned char>(colour.b * 255), static_cast<unsigned char>(colour.a * 255)};
}

class RendererFixture : public ::testing::Test
{
protected:
  // The view is 1920 world units across 320 pixels: 6 units a pixel, origin at the centre.
  static constexpr float UnitsPerPixel = 6.0f;

  void SetUp() override
  {
    SKIP_WITHOUT_GL();
    ResourceManagerTwo::LoadResources("Assets\\RESOURCES.json");
    graphics = std::make_unique<Graphics::Graphics>();
    graphics->AttachWindow(HeadlessGl::Get());
    graphics->Initialize();
  }

  void TearDown() override
  {
    graphics.reset();
    if (HeadlessGl::Get() != nullptr)
      ResourceManagerTwo::UnloadAll();
  }

  // A square sprite of the plain white picture, tinted, centred on (x, y) in camera space.
  static Graphics::InstanceData Sprite(float x, float y, float size, const fColor& colour, float sortY = 0)
  {
    Graphics::InstanceData record;
    const AtlasRegion& region = ResourceManagerTwo::ResolveTextureName("white", true);
    for (int i = 0; i < 4; ++i)
      record.uvRect[i] = region.firstFrame[i];
    const glm::mat4 model = Graphics::Graphics::ToMat4(EngineMatrix(size, 0, x, 0, size, y));
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
  Rgba ShownAt(float x, float y) const
  {
    const auto column = static_cast<unsigned>((x + 960.0f) / UnitsPerPixel);
    const auto row = static_cast<unsigned>((y + 540.0f) / UnitsPerPixel);
    return HeadlessGl::PixelAt(graphics->GetCompositeTexture(), column, row);
  }

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
