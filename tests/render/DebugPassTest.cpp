#include "render/DebugPass.h"

#include "support/CapturedLog.h"
#include "RendererFixture.h"
#include "render/DebugInstance.h"
#include "render/LightInstance.h"

namespace
{
class DebugPassTest : public RendererFixture
{
protected:
  void SetUp() override
  {
    RendererFixture::SetUp();
    if (graphics == nullptr)
      return;
    graphics->RegisterCamera(&camera, &space);
    graphics->debugDrawing = true;
  }

  const Graphics::DebugInstance* Filed(std::uint32_t index)
  {
    const auto& layers = graphics->GetSubmissions().at("Level");
    const InstanceBuffer& buffer = *layers.at(graphics->GetLayer("Debug")).at(graphics->GetPass("DebugPass"));
    EXPECT_LT(index, buffer.Count());
    return static_cast<const Graphics::DebugInstance*>(buffer.Data()) + index;
  }

  // Where a filed shape's transform takes a point of its unit shape.
  static glm::vec2 Place(const Graphics::DebugInstance& record, float x, float y)
  {
    const float* m = record.model;
    return {m[0] * x + m[1] * y + m[3], m[4] * x + m[5] * y + m[7]};
  }

  TestSpace space{"Level"};
  TestCamera camera;
};
}  // namespace

TEST_F(DebugPassTest, NothingIsFiledWhileDebugDrawingIsOff)
{
  graphics->debugDrawing = false;
  graphics->DebugDrawLine({0, 0}, {1, 0}, 100, &space, Colors.Red);
  graphics->DebugDrawRect(Graphics::RowsMatrix(1, 0, 0, 0, 1, 0), {10, 10}, &space, Colors.Red);
  graphics->DebugDrawCircleIfEnabled({0, 0}, 10, &space, Colors.Red);
  EXPECT_TRUE(graphics->GetSubmissions().empty());
  graphics->Render();
  EXPECT_EQ(HeadlessGl::PixelAt(graphics->GetLayer("Debug")->target.get(), 160, 90), (Rgba{0, 0, 0, 0}));
}

TEST_F(DebugPassTest, RequestsFileTheirShapeInWorldPlaces)
{
  graphics->DebugDrawLine({5, 5}, {0, 1}, 10, &space, Colors.Red);
  graphics->DebugDrawRect(Graphics::RowsMatrix(1, 0, 0, 0, 1, 0), {2, 1}, &space, Colors.Green);
  graphics->DebugDrawCircleIfEnabled({30, 40}, 8, &space, Colors.Blue);
  const Graphics::DebugInstance& line = *Filed(0);
  EXPECT_EQ(line.kind, Graphics::DebugLine);
  EXPECT_NEAR(Place(line, 1, 0).x, 5, 1e-4);
  EXPECT_NEAR(Place(line, 1, 0).y, 15, 1e-4);
  const Graphics::DebugInstance& box = *Filed(1);
  EXPECT_EQ(box.kind, Graphics::DebugBox);
  EXPECT_NEAR(Place(box, -0.5f, -0.5f).x, -1, 1e-5);
  EXPECT_NEAR(Place(box, 0.5f, 0.5f).y, 0.5f, 1e-5);
  const Graphics::DebugInstance& circle = *Filed(2);
  EXPECT_EQ(circle.kind, Graphics::DebugCircle);
  EXPECT_NEAR(Place(circle, 0.5f, 0).x, 34, 1e-4);  // radius 4 to the right of the centre
  EXPECT_NEAR(Place(circle, 0, 0).y, 40, 1e-4);
  EXPECT_EQ(circle.color, Colors.Blue);
}

TEST_F(DebugPassTest, ShapesInMixedOrderAreAllDrawnInTheirOwnColoursOverEveryLayerAfterALight)
{
  auto* pass = static_cast<Graphics::DebugPass*>(graphics->GetPass("DebugPass"));
  for (bool baseInstance : {true, false})
  {
    pass->SetUseBaseInstance(baseInstance);
    SCOPED_TRACE(pass->UsesBaseInstance() ? "base-instance draws" : "re-pointed instance attributes");
    // A sprite under all of them, and a light on the last layer drawn before the shapes (its
    // pass leaves blending of its own behind).
    File(space, "DL_FLOOR", Sprite(0, 0, 1200, Colors.White));
    Graphics::InstanceSubmission<Graphics::LightInstance> light;
    light.layer = graphics->GetLayer("DL_MAIN");
    light.pass = graphics->GetPass("LightPass");
    light.space = &space;
    graphics->AddInstance(light);
    graphics->DebugDrawRect(Graphics::RowsMatrix(1, 0, 3, 0, 1, 3), {600, 300}, &space, Colors.Green);
    graphics->DebugDrawLine({-957, -297}, {1, 0}, 1900, &space, Colors.Red);
    graphics->DebugDrawCircle(Graphics::RowsMatrix(1, 0, 3, 0, 1, 3), 300, &space, Colors.Blue);
    graphics->Render();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    // Box edges at x 3 +- 300, the circle's left end at x 3 - 150, the line at y -297.
    EXPECT_TRUE(ShownNear(303, 3, ToRgba(Colors.Green)));
    EXPECT_TRUE(ShownNear(-297, 3, ToRgba(Colors.Green)));
    EXPECT_TRUE(ShownNear(-147, 3, ToRgba(Colors.Blue)));
    EXPECT_TRUE(ShownNear(0, -297, ToRgba(Colors.Red)));
    EXPECT_FALSE(ShownNear(-147, 3, ToRgba(Colors.Green)));
    // Inside the box, off its diagonal.
    EXPECT_EQ(ShownAt(0, 100), ToRgba(Colors.White));
  }
}
