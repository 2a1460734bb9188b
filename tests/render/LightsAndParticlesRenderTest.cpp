// Lights and particles as they show on screen: pixels of the composed picture read back.
#include "support/CapturedLog.h"
#include "LightsAndParticlesScene.h"
#include "RendererFixture.h"
#include "physics/RectangleCollider.h"
#include "platform/Random.h"
#include "render/Light.h"
#include "render/LightPass.h"
#include "render/ParticleBoxSpawnModifier.h"
#include "render/ParticleSystem.h"
#include "render/PointLight.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace
{
class LightsAndParticlesRenderTest : public RendererFixture
{
protected:
  void SetUp() override
  {
    RendererFixture::SetUp();
    ResetRandom();
    if (graphics != nullptr)
      graphics->RegisterCamera(&camera, scene.space.get());
  }

  void TearDown() override
  {
    PointLight::SetEditorMarkers(false);
    RendererFixture::TearDown();
  }

  // A square of the plain white picture on a layer of the scene's space, for this frame.
  void FileSquare(const std::string& layer, float x, float y, float size, const fColor& colour)
  {
    Graphics::InstanceSubmission<Graphics::InstanceData> submission;
    submission.layer = graphics->GetLayer(layer);
    submission.pass = graphics->GetPass("InstancedRender");
    submission.space = scene.space.get();
    submission.record = Sprite(x, y, size, colour);
    graphics->AddInstance(submission);
  }

  PointLight* MakePointLight(glm::vec2 position, float size)
  {
    Handle<GameObject> lamp = scene.MakeObject(position, "lamp");
    PointLight* light = scene.Add<PointLight>(lamp);
    light->scale = {size, size};
    light->OnAwake();
    return light;
  }

  // A burst of `count` particles of one colour in a square around `centre`.
  ParticleSystem* MakeBurst(glm::vec2 centre, const fColor& colour, int blendMode = 0,
                            const std::string& layer = "DL_PARTICLES", unsigned count = 60)
  {
    Handle<GameObject> emitter = scene.MakeObject(centre, "burst");
    auto* modifier = scene.Add<ParticleBoxSpawnModifier>(emitter);
    ParticleSystem* system = scene.Add<ParticleSystem>(emitter);
    system->texture = "white";
    system->layer = layer;
    system->blendMode = blendMode;
    system->maxParticles = count;
    system->initialSpawn = static_cast<int>(count);
    system->spawnRate = 0.0f;
    system->scaleMin = system->scaleMax = 40.0f;
    system->angularVelocityMin = system->angularVelocityMax = 0.0f;
    system->spawnRandos = count > 1 ? glm::vec4(-40, 40, -40, 40) : glm::vec4(0, 0, 0, 0);
    system->velocityMagnitudeMin = system->velocityMagnitudeMax = 0.0f;
    system->color1 = system->color2 = system->color3 = colour;
    system->OnAwake();
    modifier->OnAwake();
    system->Reset();
    return system;
  }

  static bool Close(const Rgba& shown, int r, int g, int b, int tolerance = 3)
  {
    return std::abs(shown[0] - r) <= tolerance && std::abs(shown[1] - g) <= tolerance &&
           std::abs(shown[2] - b) <= tolerance;
  }

  // The composed picture as RGBA rows, bottom row first.
  std::vector<unsigned char> ReadPicture() const { return HeadlessGl::Pixels(graphics->GetCompositeTexture()); }

  // Writes the composed picture as raw RGBA rows, bottom row first, when a path is given.
  void DumpPicture(const char* path) const
  {
    const std::vector<unsigned char> pixels = ReadPicture();
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(pixels.data()), static_cast<std::streamsize>(pixels.size()));
  }

  LightsAndParticlesScene scene;
  TestCamera camera;
};
}  // namespace

TEST_F(LightsAndParticlesRenderTest, APointLightLiftsTheFloorFromItsAmbientLevel)
{
  MakePointLight({0, 0}, 600);
  FileSquare("DL_FLOOR", 0, 0, 2000, Colors.White);
  scene.Draw(graphics.get());
  graphics->Render();
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  // Lit: ambient 0.45 plus the light saturates at the floor's own white.
  EXPECT_TRUE(Close(ShownAt(0, 0), 255, 255, 255)) << int(ShownAt(0, 0)[0]);
  // Unlit: the ambient level alone.
  EXPECT_TRUE(Close(ShownAt(700, 400), 115, 115, 115)) << int(ShownAt(700, 400)[0]);
  // Between: brighter than ambient, darker than the floor.
  const Rgba between = ShownAt(260, 0);
  EXPECT_GT(between[0], 120);
  EXPECT_LT(between[0], 250);
}

TEST_F(LightsAndParticlesRenderTest, LightsAndParticlesAreSeenThroughTheirSpacesCamera)
{
  camera.view = Graphics::RowsMatrix(1, 0, -300, 0, 1, -100);  // the camera looks at (300, 100)
  MakePointLight({600, 300}, 200);
  FileSquare("DL_FLOOR", 0, 0, 2000, Colors.White);
  MakeBurst({200, -100}, Colors.Red, 0, "DL_PARTICLES", 1);
  scene.Draw(graphics.get());
  graphics->Render();
  EXPECT_TRUE(Close(ShownAt(300, 200), 255, 255, 255)) << int(ShownAt(300, 200)[0]);
  EXPECT_TRUE(Close(ShownAt(600, 300), 115, 115, 115));
  EXPECT_TRUE(Close(ShownAt(-300, -200), 115, 115, 115));
  EXPECT_EQ(ShownAt(-100, -200), ToRgba(Colors.Red));
}

TEST_F(LightsAndParticlesRenderTest, ALocalSystemCarriesItsParticlesAlongWithItsEmitter)
{
  ParticleSystem* system = MakeBurst({-400, 200}, Colors.Cyan, 0, "DL_PARTICLES", 1);
  system->inWorldSpace = false;
  system->Reset();
  scene.Draw(graphics.get());
  graphics->Render();
  EXPECT_EQ(ShownAt(-400, 200), ToRgba(Colors.Cyan));
  scene.objects.back()->GetTransform()->SetPosition({400, -200});
  scene.Update(0.0f);
  scene.Draw(graphics.get());
  graphics->Render();
  EXPECT_EQ(ShownAt(400, -200), ToRgba(Colors.Cyan));
  EXPECT_EQ(ShownAt(-400, 200), Rgba({0, 0, 0, 255}));
}

TEST_F(LightsAndParticlesRenderTest, ALightSwitchedOffLeavesTheLayerDarkenedAndNoMarker)
{
  PointLight* light = MakePointLight({0, 0}, 600);
  PointLight::SetEditorMarkers(true);
  graphics->debugDrawing = true;
  FileSquare("DL_MAIN", 0, 0, 2000, Colors.White);
  scene.Draw(graphics.get());
  // The marker is filed on the debug layer while the editor shows markers.
  EXPECT_EQ(graphics->GetSubmissions().at("Level").count(graphics->GetLayer("Debug")), 1u);
  graphics->Render();
  // The yellow marker shows over the lit layer at the light; beside it the layer is lit full.
  EXPECT_TRUE(Close(ShownAt(0, 0), 255, 255, 0)) << int(ShownAt(0, 0)[2]);
  EXPECT_TRUE(Close(ShownAt(0, 24), 255, 255, 255)) << int(ShownAt(0, 24)[0]);

  light->on = false;
  FileSquare("DL_MAIN", 0, 0, 2000, Colors.White);
  scene.Draw(graphics.get());
  EXPECT_EQ(graphics->GetSubmissions().at("Level").at(graphics->GetLayer("Debug")).begin()->second->Count(), 0u);
  graphics->Render();
  // The layer keeps its light buffer, so it stays at its ambient level, 0.95.
  EXPECT_TRUE(Close(ShownAt(0, 0), 242, 242, 242)) << int(ShownAt(0, 0)[0]);
  EXPECT_TRUE(Close(ShownAt(700, 400), 242, 242, 242));

  // An ambient level of 1 leaves the layer as drawn.
  graphics->GetLayer("DL_MAIN")->ambient = 1.0f;
  FileSquare("DL_MAIN", 0, 0, 2000, Colors.Red);
  graphics->Render();
  EXPECT_EQ(ShownAt(0, 0), ToRgba(Colors.Red));
}

TEST_F(LightsAndParticlesRenderTest, TheMarkerIsAnEditorAidOnly)
{
  MakePointLight({0, 0}, 100);
  graphics->debugDrawing = true;
  scene.Draw(graphics.get());
  EXPECT_EQ(graphics->GetSubmissions().at("Level").count(graphics->GetLayer("Debug")), 0u);
}

TEST_F(LightsAndParticlesRenderTest, OverlappingLightsAddButNeverBrightenPastTheDrawnColour)
{
  MakePointLight({0, 0}, 600);
  MakePointLight({40, 0}, 600);
  graphics->GetLayer("DL_FLOOR")->ambient = 0.0f;
  FileSquare("DL_FLOOR", 0, 0, 2000, Colors.Grey);
  scene.Draw(graphics.get());
  graphics->Render();
  EXPECT_TRUE(Close(ShownAt(20, 0), 127, 127, 127)) << int(ShownAt(20, 0)[0]);
}

TEST_F(LightsAndParticlesRenderTest, AParticleBurstShowsWhereItWasSpawned)
{
  MakeBurst({300, 120}, Colors.Green);
  scene.Draw(graphics.get());
  graphics->Render();
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  EXPECT_EQ(ShownAt(300, 120), ToRgba(Colors.Green));
  EXPECT_EQ(ShownAt(-300, -120), Rgba({0, 0, 0, 255}));
  EXPECT_EQ(ShownAt(300, -200), Rgba({0, 0, 0, 255}));
}

TEST_F(LightsAndParticlesRenderTest, AnUnknownLayerDrawsOnTheParticlesLayer)
{
  CapturedLog output;
  ParticleSystem* system = MakeBurst({-300, 0}, Colors.Blue, 0, "DL_NOWHERE");
  scene.Draw(graphics.get());
  EXPECT_EQ(output.CountOf("[ERROR]Tried to get layer that does not exist: DL_NOWHERE"), 1u);
  EXPECT_EQ(system->GetLayer(), graphics->GetLayer("DL_PARTICLES"));
  graphics->Render();
  EXPECT_EQ(ShownAt(-300, 0), ToRgba(Colors.Blue));
}

TEST_F(LightsAndParticlesRenderTest, EachSystemBlendsByItsOwnMode)
{
  const fColor quarter(0.25f, 0.25f, 0.25f, 1);
  // One particle each, so that nothing overlaps.
  MakeBurst({-500, 0}, quarter, 2, "DL_PARTICLES", 1);  // add
  ParticleSystem* multiply = MakeBurst({0, 0}, quarter, 1, "DL_PARTICLES", 1);
  MakeBurst({500, 0}, quarter, 3, "DL_PARTICLES", 1);   // anything else: alpha blending
  FileSquare("DL_PARTICLES", 0, 0, 2000, Colors.Grey);
  scene.Draw(graphics.get());
  graphics->Render();
  EXPECT_TRUE(Close(ShownAt(-500, 0), 191, 191, 191)) << int(ShownAt(-500, 0)[0]);
  EXPECT_TRUE(Close(ShownAt(0, 0), 32, 32, 32)) << int(ShownAt(0, 0)[0]);
  EXPECT_TRUE(Close(ShownAt(500, 0), 64, 64, 64)) << int(ShownAt(500, 0)[0]);
  // Free pool slots draw nothing, even under the multiply mode.
  EXPECT_TRUE(Close(ShownAt(0, 300), 127, 127, 127));

  // Nor does a particle once it is retired: it keeps its size, and its zero colour would blacken
  // the square it last covered under the multiply mode.
  multiply->Update(20.0f);
  multiply->Update(0.0f);
  ASSERT_TRUE(multiply->GetActive().empty());
  FileSquare("DL_PARTICLES", 0, 0, 2000, Colors.Grey);
  scene.Draw(graphics.get());
  graphics->Render();
  EXPECT_TRUE(Close(ShownAt(0, 0), 127, 127, 127)) << int(ShownAt(0, 0)[0]);
}

TEST_F(LightsAndParticlesRenderTest, TheLightPolygonGlowsOnlyWhereItsRaysReach)
{
  Handle<GameObject> lamp = scene.MakeObject({0, 0}, "lamp");
  Light* light = scene.Add<Light>(lamp);
  light->radius = 400;
  light->color = fColor(1, 0.8f, 0.2f, 1);
  light->OnAwake();
  Handle<GameObject> wall = scene.MakeObject({-100, 0}, "wall");
  auto* rectangle = scene.Add<RectangleCollider>(wall);
  rectangle->SetSize(20, 300);
  rectangle->group = CollisionGroup::LIGHT_BLOCK;
  rectangle->OnAwake();

  FileSquare("DL_FLOOR", 0, 0, 2000, fColor(0.2f, 0.2f, 0.2f, 1));
  scene.Draw(graphics.get());
  graphics->Render();
  const Rgba lit = ShownAt(200, 0);
  const Rgba shadowed = ShownAt(-200, 0);
  EXPECT_GT(lit[0], 51 + 40);
  EXPECT_TRUE(Close(shadowed, 51, 51, 51)) << int(shadowed[0]);
  EXPECT_TRUE(Close(ShownAt(0, 450), 51, 51, 51));  // beyond the radius
}

// A layer whose sprite records are as in the frame before keeps its picture; what only the particle
// pass, the light polygons or the atlas picture draw differently must still show in the next frame.
// Each step changes one such thing and nothing else.
TEST_F(LightsAndParticlesRenderTest, WhatOnlyParticlesLightPolygonsOrTheAtlasChangeShowsInTheNextFrame)
{
  const fColor floor(0.1f, 0.3f, 0.1f, 1);
  const fColor quarter(0.25f, 0.25f, 0.25f, 1);
  ParticleSystem* burst = MakeBurst({400, 0}, quarter, 0, "DL_PARTICLES", 1);
  burst->velocityMagnitudeMin = burst->velocityMagnitudeMax = 300.0f;
  burst->velocityDirAngleMin = burst->velocityDirAngleMax = 1.5707964f;  // straight down: y runs against the angle
  burst->Reset();
  Handle<GameObject> lamp = scene.MakeObject({-400, 0}, "glow");
  Light* glow = scene.Add<Light>(lamp);
  glow->radius = 200;
  glow->color = fColor(1, 0.8f, 0.2f, 1);
  glow->OnAwake();
  const auto frame = [&] {
    FileSquare("DL_FLOOR", 0, 0, 2000, floor);
    scene.Draw(graphics.get());
    graphics->Render();
  };
  const auto shows = [&](float x, float y, int r, int g, int b) {
    const Rgba shown = ShownAt(x, y);
    return ::testing::AssertionResult(Close(shown, r, g, b, 4))
           << "at (" << x << ", " << y << "): " << int(shown[0]) << ", " << int(shown[1]) << ", " << int(shown[2]);
  };

  frame();
  EXPECT_TRUE(shows(400, 0, 64, 64, 64));
  EXPECT_TRUE(shows(-400, 0, 255, 255, 76));
  frame();
  EXPECT_TRUE(shows(400, 0, 64, 64, 64));

  // The particle moves 150 down; its layer files the same one system.
  scene.Update(0.5f);
  frame();
  EXPECT_TRUE(shows(400, -150, 64, 64, 64));
  EXPECT_TRUE(shows(400, 0, 25, 76, 25));

  // Multiplying onto its empty layer it shows nothing; alpha blending brings it back.
  burst->blendMode = 1;
  frame();
  EXPECT_TRUE(shows(400, -150, 25, 76, 25));
  burst->blendMode = 0;
  frame();
  EXPECT_TRUE(shows(400, -150, 64, 64, 64));

  // The camera looks 300 further left: the particle and the glow move on screen, the floor not.
  camera.view = Graphics::RowsMatrix(1, 0, 300, 0, 1, 0);
  frame();
  EXPECT_TRUE(shows(700, -150, 64, 64, 64));
  EXPECT_TRUE(shows(400, -150, 25, 76, 25));
  EXPECT_TRUE(shows(-100, 0, 255, 255, 76));
  EXPECT_TRUE(shows(-400, 0, 25, 76, 25));

  glow->color = fColor(0.2f, 0.4f, 1, 1);
  frame();
  EXPECT_TRUE(shows(-100, 0, 76, 178, 255));

  // Twice the radius reaches 300 from the centre at a quarter of the strength.
  glow->radius = 400;
  frame();
  EXPECT_TRUE(shows(200, 0, 38, 101, 89));

  // The lamp moves 300 up: the same fan round another centre.
  lamp->GetTransform()->SetPosition({-400, 300});
  scene.Update(0.0f);
  frame();
  EXPECT_TRUE(shows(-100, 300, 76, 178, 255));
  EXPECT_TRUE(shows(-100, 0, 38, 101, 89));

  // Another picture in the atlas, under the same records: a blue one.
  Graphics::Texture* atlas = ResourceManagerTwo::GetTexture("THE_ATLAS");
  ASSERT_NE(atlas, nullptr);
  std::vector<unsigned char> blue(static_cast<std::size_t>(atlas->GetWidth()) * atlas->GetHeight() * 4, 0);
  for (std::size_t texel = 0; texel < blue.size(); texel += 4)
    blue[texel + 2] = blue[texel + 3] = 255;
  atlas->Replace(atlas->GetWidth(), atlas->GetHeight(), blue.data());
  frame();
  EXPECT_TRUE(shows(700, -400, 0, 0, 25));
  EXPECT_TRUE(shows(700, -150, 0, 0, 64));
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// A small scene of everything together; with LIGHTS_SCREENSHOT set, its picture is written there.
TEST_F(LightsAndParticlesRenderTest, ASmallSceneOfLightsAndParticles)
{
  FileSquare("DL_FLOOR", 0, 0, 2000, fColor(0.6f, 0.6f, 0.65f, 1));
  PointLight* warm = MakePointLight({-450, 100}, 700);
  warm->color = fColor(1, 0.6f, 0.2f, 1);
  PointLight* cold = MakePointLight({450, -100}, 600);
  cold->color = fColor(0.3f, 0.6f, 1, 1);
  MakeBurst({-450, 100}, fColor(1, 0.9f, 0.3f, 1), 2);
  // Sparks on a ring round the cold light, fading from white through blue.
  Handle<GameObject> emitter = scene.MakeObject({450, -100}, "sparks");
  ParticleSystem* sparks = scene.Add<ParticleSystem>(emitter);
  sparks->texture = "white";
  sparks->blendMode = 2;
  sparks->maxParticles = 300;
  sparks->initialSpawn = 300;
  sparks->scaleMin = 8;
  sparks->scaleMax = 16;
  sparks->spawnRandos = {0, 6.2831f, 40, 170};
  sparks->ageMin = 2;
  sparks->ageMax = 10;
  sparks->color1 = fColor(1, 1, 1, 1);
  sparks->color2 = fColor(0.3f, 0.6f, 1, 1);
  sparks->color3 = fColor(0, 0, 0.4f, 1);
  sparks->OnAwake();
  for (int i = 0; i < 90; ++i)
    scene.Update(1.0f / 60.0f);
  // A glow on the floor, cut by a wall to its left.
  Handle<GameObject> lamp = scene.MakeObject({0, -300}, "glow");
  Light* glow = scene.Add<Light>(lamp);
  glow->radius = 380;
  glow->color = fColor(0.5f, 0.9f, 0.4f, 0.8f);
  glow->OnAwake();
  Handle<GameObject> wall = scene.MakeObject({-120, -300}, "wall");
  auto* rectangle = scene.Add<RectangleCollider>(wall);
  rectangle->SetSize(30, 200);
  rectangle->group = CollisionGroup::LIGHT_BLOCK;
  rectangle->OnAwake();
  scene.Draw(graphics.get());
  for (int block = 0; block < 7; ++block)  // the wall, as the player would see it
    FileSquare("DL_MAIN", -120, -390 + block * 30, 30, fColor(0.3f, 0.3f, 0.35f, 1));
  for (int i = 0; i < 3; ++i)
  {
    FileSquare("DL_MAIN", -150 + i * 150, 0, 90, fColor(0.8f, 0.2f + 0.3f * i, 0.3f, 1));
  }
  graphics->Render();
  EXPECT_GT(ShownAt(-450, 100)[0], ShownAt(0, 450)[0]);
  if (const char* path = std::getenv("LIGHTS_SCREENSHOT"))
    DumpPicture(path);
}

// Layers nothing was filed on are left out of the frame; the picture must be the one drawing every
// layer gives. The frames vary what is filed so that layers fall empty with their buffers still
// there, lights shine on layers that hold nothing else, and a space without a camera files too.
TEST_F(LightsAndParticlesRenderTest, LeavingEmptyLayersOutShowsThePictureOfDrawingEveryLayer)
{
  MakePointLight({-300, 100}, 700)->color = fColor(1, 0.6f, 0.2f, 1);
  MakeBurst({300, 0}, fColor(0.2f, 0.9f, 0.3f, 0.7f), 2);
  Handle<GameObject> lamp = scene.MakeObject({0, -300}, "glow");
  Light* glow = scene.Add<Light>(lamp);
  glow->radius = 380;
  glow->color = fColor(0.5f, 0.9f, 0.4f, 0.8f);
  glow->OnAwake();
  TestSpace menu("Menu");
  TestCamera menuCamera;
  graphics->RegisterCamera(&menuCamera, &menu);
  TestSpace lonely("Lonely");  // no camera: filed and dropped

  auto fileMenu = [&](TestSpace& where, const std::string& layer, const fColor& colour) {
    Graphics::InstanceSubmission<Graphics::InstanceData> submission;
    submission.layer = graphics->GetLayer(layer);
    submission.pass = graphics->GetPass("InstancedRender");
    submission.space = &where;
    submission.record = Sprite(-200, 200, 300, colour);
    graphics->AddInstance(submission);
  };
  // 0: everything; 1: only the menu's translucent square; 2: only the lights, on layers that hold
  // nothing else.
  auto fileFrame = [&](int kind) {
    if (kind != 1)
      scene.Draw(graphics.get());
    if (kind == 0)
    {
      FileSquare("DL_FLOOR", 0, 0, 2000, fColor(0.6f, 0.6f, 0.65f, 1));
      FileSquare("DL_MAIN", 100, -100, 300, fColor(0.8f, 0.2f, 0.3f, 1));
      FileSquare("DL_GUI_BUTTON", 500, 300, 200, fColor(0.1f, 0.3f, 0.9f, 0.6f));
    }
    if (kind != 2)
      fileMenu(menu, "DL_HUD", fColor(1, 1, 1, 0.4f));
    fileMenu(lonely, "DL_GUI_FRAME", Colors.Red);
  };

  const std::vector<unsigned char> black = [&] {
    graphics->Render();
    return ReadPicture();
  }();
  for (int kind : {0, 1, 2, 1, 0, 2})
  {
    graphics->SetSkipEmptyLayers(false);
    fileFrame(kind);
    graphics->Render();
    const std::vector<unsigned char> everyLayer = ReadPicture();
    graphics->SetSkipEmptyLayers(true);
    fileFrame(kind);
    graphics->Render();
    const std::vector<unsigned char> skipping = ReadPicture();
    ASSERT_EQ(skipping.size(), everyLayer.size());
    std::size_t different = 0;
    for (std::size_t i = 0; i < skipping.size(); ++i)
      different += skipping[i] != everyLayer[i] ? 1 : 0;
    EXPECT_EQ(different, 0u) << "frame of kind " << kind;
    if (kind != 2)
    {
      EXPECT_NE(skipping, black) << "the frame of kind " << kind << " shows something";
    }
  }
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
