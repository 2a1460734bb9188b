#include "render/Graphics.h"

#include "support/CapturedLog.h"
#include "RendererFixture.h"
#include "render/DebugInstance.h"

#include <glm/gtc/matrix_transform.hpp>

namespace
{
const Rgba Black{0, 0, 0, 255};

class GraphicsTest : public RendererFixture
{
protected:
  void SetUp() override
  {
    RendererFixture::SetUp();
    if (graphics != nullptr)
      graphics->RegisterCamera(&camera, &space);
  }

  TestSpace space{"Level"};
  TestCamera camera;
};
}  // namespace

TEST_F(GraphicsTest, InitializeMakesTheFourteenLayersInDepthOrder)
{
  const char* const names[] = {"DL_BACKGROUND", "DL_SHIPFRAME", "DL_FLOOR", "DL_MAIN", "DL_PARTICLES",
                               "DL_HEALTH_INDICATOR", "DL_HUD", "DL_GUI_FRAME", "DL_GUI_BUTTON", "DL_GUI_PAUSE_FRAME",
                               "DL_GUI_PAUSE_BUTTON", "DL_GUI_CONFIRMATION_FRAME", "DL_GUI_CONFIRMATION_BUTTON", "Debug"};
  ASSERT_EQ(graphics->GetLayerOrder().size(), 14u);
  int index = 0;
  for (const Graphics::Layer* layer : graphics->GetLayerOrder())
    EXPECT_EQ(layer->name, names[index++]);
  EXPECT_FLOAT_EQ(graphics->GetLayer("DL_FLOOR")->ambient, 0.45f);
  EXPECT_FLOAT_EQ(graphics->GetLayer("DL_MAIN")->ambient, 0.95f);
  EXPECT_TRUE(graphics->GetLayer("DL_MAIN")->sortByY);
  EXPECT_FALSE(graphics->GetLayer("DL_BACKGROUND")->sortByY);
  EXPECT_FLOAT_EQ(graphics->GetLayer("Debug")->depth, 99);
  EXPECT_FLOAT_EQ(graphics->GetPass("DebugPass")->order, 0);
  EXPECT_FLOAT_EQ(graphics->GetPass("InstancedRender")->order, 1);
  EXPECT_EQ(graphics->GetPass("NoSuchPass"), nullptr);
}

TEST_F(GraphicsTest, AMisspeltLayerIsReportedEachTimeAndGivesNothing)
{
  CapturedLog output;
  EXPECT_EQ(graphics->GetLayer("DL_MIAN"), nullptr);
  EXPECT_EQ(graphics->GetLayer("DL_MIAN"), nullptr);
  EXPECT_EQ(output.CountOf("[ERROR]Tried to get layer that does not exist: DL_MIAN\n"), 2u);
  // A record for it is dropped; the frame goes on.
  File(space, "DL_MIAN", Sprite(0, 0, 100, Colors.Red));
  graphics->Render();
  EXPECT_EQ(ShownAt(0, 0), Black);
}

TEST_F(GraphicsTest, AnEmptyFrameShowsOpaqueBlack)
{
  while (glGetError() != GL_NO_ERROR)
  {
  }
  graphics->Render();
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  EXPECT_EQ(ShownAt(0, 0), Black);
  EXPECT_EQ(ShownAt(-950, -530), Black);
}

TEST_F(GraphicsTest, ASpriteShowsWhereAndInTheColourItWasFiled)
{
  File(space, "DL_MAIN", Sprite(480, 120, 120, Colors.Red));
  graphics->Render();
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  EXPECT_EQ(ShownAt(480, 120), ToRgba(Colors.Red));
  EXPECT_EQ(ShownAt(480 - 50, 120 + 50), ToRgba(Colors.Red));
  EXPECT_EQ(ShownAt(480 - 70, 120), Black);
  EXPECT_EQ(ShownAt(480, 120 + 70), Black);
  EXPECT_EQ(ShownAt(0, 0), Black);
  // Records last one frame.
  graphics->Render();
  EXPECT_EQ(ShownAt(480, 120), Black);
}

// A layer filed as in the frame before keeps its drawing; whatever changes shows in the frame.
TEST_F(GraphicsTest, EachFrameShowsWhatItFiledWhenLayersRepeatOrChange)
{
  const auto frame = [&](const fColor& floor, float hudX, bool hud) {
    File(space, "DL_FLOOR", Sprite(0, 0, 120, floor));
    if (hud)
      File(space, "DL_HUD", Sprite(hudX, 120, 60, Colors.Green));
    graphics->Render();
  };
  for (int repeat = 0; repeat < 2; ++repeat)
  {
    frame(Colors.Red, 480, true);
    EXPECT_EQ(ShownAt(0, 0), ToRgba(Colors.Red));
    EXPECT_EQ(ShownAt(480, 120), ToRgba(Colors.Green));
  }
  frame(Colors.Red, -480, true);
  EXPECT_EQ(ShownAt(0, 0), ToRgba(Colors.Red));
  EXPECT_EQ(ShownAt(-480, 120), ToRgba(Colors.Green));
  EXPECT_EQ(ShownAt(480, 120), Black);
  frame(Colors.Blue, 0, false);
  EXPECT_EQ(ShownAt(0, 0), ToRgba(Colors.Blue));
  EXPECT_EQ(ShownAt(-480, 120), Black);
  frame(Colors.Blue, -480, true);
  EXPECT_EQ(ShownAt(-480, 120), ToRgba(Colors.Green));
  graphics->projection = glm::scale(graphics->projection, glm::vec3(0.5f, 0.5f, 1.0f));
  frame(Colors.Blue, -480, true);
  EXPECT_EQ(ShownAt(-240, 60), ToRgba(Colors.Green));
  EXPECT_EQ(ShownAt(-480, 120), Black);
}

TEST_F(GraphicsTest, DeeperLayersComposeOverShallowerOnesWhateverTheFilingOrder)
{
  File(space, "DL_HUD", Sprite(0, 0, 120, Colors.Red));
  File(space, "DL_BACKGROUND", Sprite(0, 0, 240, Colors.Green));
  File(space, "DL_MAIN", Sprite(0, 0, 60, Colors.Blue));
  graphics->Render();
  EXPECT_EQ(ShownAt(0, 0), ToRgba(Colors.Red));
  EXPECT_EQ(ShownAt(90, 0), ToRgba(Colors.Green));
}

TEST_F(GraphicsTest, TranslucentLayersBlendOverWhatLiesBelow)
{
  File(space, "DL_BACKGROUND", Sprite(0, 0, 120, Colors.Red));
  File(space, "DL_HUD", Sprite(0, 0, 120, fColor(0, 0, 1, 0.5f)));
  graphics->Render();
  // The sprite blends into its transparent layer at half strength (colour and alpha alike), and
  // the layer then blends over the background with the alpha it got: a quarter.
  const Rgba shown = ShownAt(0, 0);
  EXPECT_NEAR(shown[0], 191, 3);
  EXPECT_NEAR(shown[2], 32, 3);
}

TEST_F(GraphicsTest, OnASortedLayerLowerSpritesCoverHigherOnes)
{
  // The one lower on screen (smaller sortY) is filed first and still drawn on top.
  File(space, "DL_MAIN", Sprite(0, 0, 120, Colors.Red, 50));
  File(space, "DL_MAIN", Sprite(0, 0, 120, Colors.Green, 100));
  graphics->Render();
  EXPECT_EQ(ShownAt(0, 0), ToRgba(Colors.Red));
}

TEST_F(GraphicsTest, OnAnUnsortedLayerTheLaterRecordCoversTheEarlier)
{
  File(space, "DL_BACKGROUND", Sprite(0, 0, 120, Colors.Red, 50));
  File(space, "DL_BACKGROUND", Sprite(0, 0, 120, Colors.Green, 100));
  graphics->Render();
  EXPECT_EQ(ShownAt(0, 0), ToRgba(Colors.Green));
}

TEST_F(GraphicsTest, TwoSpacesShareALayerAndTheLaterNameDrawsOver)
{
  TestSpace later("Menu");
  TestCamera laterCamera;
  graphics->RegisterCamera(&laterCamera, &later);
  File(later, "DL_MAIN", Sprite(0, 0, 120, Colors.Green));
  File(space, "DL_MAIN", Sprite(0, 0, 120, Colors.Red));
  graphics->Render();
  EXPECT_EQ(ShownAt(0, 0), ToRgba(Colors.Green));  // "Menu" comes after "Level"
}

TEST_F(GraphicsTest, ASpaceWithoutACameraOrWhoseCameraWentDrawsNothing)
{
  TestSpace lonely("Lonely");
  File(lonely, "DL_MAIN", Sprite(0, 0, 120, Colors.Red));
  graphics->Render();
  EXPECT_EQ(ShownAt(0, 0), Black);

  graphics->UnregisterCamera(&camera);
  File(space, "DL_MAIN", Sprite(0, 0, 120, Colors.Red));
  graphics->debugDrawing = true;
  CapturedLog output;
  graphics->DebugDrawLine({0, 0}, {1, 0}, 100, &space, Colors.Red);
  graphics->DebugDrawLine({0, 0}, {1, 0}, 100, &space, Colors.Red);
  EXPECT_EQ(output.CountOf("has no camera"), 1u);
  graphics->Render();
  EXPECT_EQ(ShownAt(0, 0), Black);
  // What was filed while the camera was away does not come back with it.
  graphics->RegisterCamera(&camera, &space);
  graphics->Render();
  EXPECT_EQ(ShownAt(0, 0), Black);
}

TEST_F(GraphicsTest, RemovingASpaceDropsItsBuffersAndItsCameras)
{
  File(space, "DL_MAIN", Sprite(0, 0, 120, Colors.Red));
  ASSERT_EQ(graphics->GetSubmissions().count("Level"), 1u);
  graphics->RemoveSpace(&space);
  EXPECT_EQ(graphics->GetSubmissions().count("Level"), 0u);
  EXPECT_TRUE(graphics->GetCameras(&space).empty());
  graphics->Render();
  EXPECT_EQ(ShownAt(0, 0), Black);

  // A new space of the same name starts afresh.
  TestSpace again("Level");
  graphics->RegisterCamera(&camera, &again);
  File(again, "DL_MAIN", Sprite(0, 0, 120, Colors.Blue));
  graphics->Render();
  EXPECT_EQ(ShownAt(0, 0), ToRgba(Colors.Blue));
}

TEST_F(GraphicsTest, CamerasAreListedPerSpaceAndUnregisteredCompletely)
{
  TestSpace other("Other");
  TestCamera second;
  graphics->RegisterCamera(&second, &other);
  graphics->RegisterCamera(&second, &space);
  EXPECT_EQ(graphics->GetCameras(nullptr).size(), 3u);
  EXPECT_EQ(graphics->GetCameras(&space), (std::vector<Graphics::CameraView*>{&camera, &second}));
  EXPECT_EQ(graphics->GetSpaceCamera(&space), &second);
  graphics->UnregisterCamera(&second);
  EXPECT_EQ(graphics->GetCameras(nullptr), (std::vector<Graphics::CameraView*>{&camera}));
  EXPECT_EQ(graphics->GetSpaceCamera(&space), &camera);
  EXPECT_EQ(graphics->GetSpaceCamera(&other), nullptr);
}

TEST_F(GraphicsTest, AWrongSizedRecordForAnExistingBufferThrows)
{
  File(space, "DL_MAIN", Sprite(0, 0, 120, Colors.Red));
  Graphics::InstanceSubmission<Graphics::DebugInstance> wrong;
  wrong.layer = graphics->GetLayer("DL_MAIN");
  wrong.pass = graphics->GetPass("InstancedRender");
  wrong.space = &space;
  EXPECT_THROW(graphics->AddInstance(wrong), std::invalid_argument);
}

TEST(GraphicsMatrixTest, ToMat4PutsTheTranslationWhereTheShadersReadTheRows)
{
  const glm::mat4 wide = Graphics::Graphics::ToMat4(Graphics::RowsMatrix(1, 2, 10, 3, 4, 20));
  const float* values = glm::value_ptr(wide);
  const float expected[16] = {1, 2, 0, 10, 3, 4, 0, 20, 0, 0, 1, 0, 0, 0, 0, 1};
  for (int i = 0; i < 16; ++i)
    EXPECT_FLOAT_EQ(values[i], expected[i]) << i;

  glm::mat4 columnMajor(1.0f);
  columnMajor[3][0] = 7;
  columnMajor[3][1] = 8;
  const glm::mat3 narrow = Graphics::Graphics::ToMat3(columnMajor);
  EXPECT_FLOAT_EQ(narrow[2][0], 7);
  EXPECT_FLOAT_EQ(narrow[2][1], 8);
  // A matrix the way the object model builds it comes back row for row.
  const glm::mat3 turned = Graphics::RowsMatrix(0, -2, 5, 2, 0, 6);
  const glm::mat4 widened = Graphics::Graphics::ToMat4(turned);
  const float* rows = glm::value_ptr(widened);
  EXPECT_FLOAT_EQ(rows[1], -2);
  EXPECT_FLOAT_EQ(rows[4], 2);
  EXPECT_FLOAT_EQ(rows[7], 6);
}
