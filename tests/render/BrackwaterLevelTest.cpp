// The lit showcase level "brackwater" on screen: it is loaded from its file with the shipped
// prefabs, drawn once, and its pictures are looked for where the level puts them. The
// positions are those of tools/make_brackwater.py; the colours those of tools/make_atlas.py.
#include "render/SpriteTestEnvironment.h"

#include "core/FileUtilities.h"
#include "object/Transform.h"
#include "render/Light.h"
#include "render/LightFlicker.h"
#include "render/ParticleFunctions.h"
#include "render/ParticleSystem.h"
#include "render/PointLight.h"
#include "render/TextToSprite.h"
#include "support/CapturedLog.h"
#include "support/TemporaryDirectory.h"

#include <glm/geometric.hpp>

#include <map>

class BrackwaterLevelTest : public DrawnSpriteTest
{
protected:
  void SetUp() override
  {
    DrawnSpriteTest::SetUp();
    if (IsSkipped())
      return;
    LoadShippedPrefabs();
    CapturedLog output;
    space->LoadLevel("brackwater");
    loadOutput = output.Text();
    // The pictures are looked at, not the lighting: full ambient light keeps every layer's
    // colours as the atlas has them, and the point lights saturate there. Only the lantern's
    // glow, added after the lighting, still brightens the floor.
    for (Graphics::Layer* layer : graphics->GetLayerOrder())
      layer->ambient = 1.0f;
  }

  std::multimap<std::string, Handle<GameObject>> ObjectsByName()
  {
    std::multimap<std::string, Handle<GameObject>> named;
    for (auto entry = space->ObjectsBegin(); entry != space->ObjectsEnd(); ++entry)
      named.insert(*entry);
    return named;
  }

  Handle<GameObject> Named(const std::string& name)
  {
    const auto found = space->FindObjectByName(name);
    return found == space->ObjectsEnd() ? Handle<GameObject>() : found->second;
  }

  // The motes and sparks drift where the random sequence takes them; emptied, they cannot land
  // on a point the picture checks look at.
  void EmptyParticleSystems()
  {
    for (auto entry = space->ObjectsBegin(); entry != space->ObjectsEnd(); ++entry)
      if (auto* system = entry->second->GetComponent<ParticleSystem>())
      {
        system->maxParticles = 0;
        system->Reset();
      }
  }

  // Whether some texel of the box around a point shows the colour.
  bool ShownWithin(float x, float y, float halfWidth, float halfHeight, const Rgba& colour)
  {
    for (float dx = -halfWidth; dx <= halfWidth; dx += UnitsPerPixel)
      for (float dy = -halfHeight; dy <= halfHeight; dy += UnitsPerPixel)
        if (ShownAt(x + dx, y + dy) == colour)
          return true;
    return false;
  }

  std::string loadOutput;
  TemporaryDirectory directory;
};

namespace
{
const Rgba FloorColour{70, 74, 82, 255};
const Rgba WallColour{110, 112, 120, 255};
const Rgba BodyColour{40, 140, 230, 255};
const Rgba SpikeColour{210, 40, 40, 255};
const Rgba GlyphColour{255, 255, 255, 255};
const Rgba Black{0, 0, 0, 255};

// Title: "BRACKWATER" centred at (0, 420), 50 units from glyph to glyph.
constexpr float TitleY = 420.0f;
constexpr float FirstGlyphX = -225.0f;
constexpr float GlyphAdvance = 50.0f;
// The lantern in the lower left corner and the crates beside it.
const glm::vec2 LanternAt(-400.0f, -200.0f);
constexpr float LanternRadius = 340.0f;
}  // namespace

TEST_F(BrackwaterLevelTest, TheLevelShowsItsFloorWallsFiguresAndTitle)
{
  EXPECT_EQ(loadOutput.find("[ERROR]"), std::string::npos) << loadOutput;
  EXPECT_EQ(asserts.Count(), 0u);
  const auto named = ObjectsByName();
  EXPECT_EQ(named.count("Floor"), 45u);
  EXPECT_EQ(named.count("Wall"), 32u);
  EXPECT_EQ(named.count("Walker"), 2u);
  EXPECT_EQ(named.count("Crawler"), 1u);
  EXPECT_EQ(named.count("Crate"), 2u);
  EXPECT_EQ(named.count("Title"), 1u);
  EXPECT_EQ(named.count("Camera"), 1u);

  EmptyParticleSystems();
  Draw();
  graphics->Render();

  // Floor tiles at the grid's corners and next to the figures, out of the lantern's reach; walls
  // on each side.
  for (const glm::vec2 floor : {glm::vec2(-384, 192), glm::vec2(384, 192), glm::vec2(-96, 0), glm::vec2(288, -192)})
    EXPECT_EQ(ShownAt(floor.x, floor.y), FloorColour) << floor.x << ", " << floor.y;
  // A wall tile's brick face, away from the mortar lines.
  for (const glm::vec2 wall : {glm::vec2(-480, 0), glm::vec2(480, 96), glm::vec2(0, 288), glm::vec2(-96, -288)})
    EXPECT_EQ(ShownAt(wall.x - 10.5f, wall.y + 10.5f), WallColour) << wall.x << ", " << wall.y;
  // Outside the walls, nothing: no light brightens empty space.
  EXPECT_EQ(ShownAt(-700, 0), Black);
  EXPECT_EQ(ShownAt(0, -400), Black);
  EXPECT_EQ(ShownAt(-560, -300), Black);

  // The figures stand over the floor: both walkers' bodies, the crawler's spikes.
  EXPECT_EQ(ShownAt(-192, -6), BodyColour);
  EXPECT_EQ(ShownAt(192, 90), BodyColour);
  EXPECT_EQ(ShownAt(0, -126), SpikeColour);

  // Each letter of the title shows some of its glyph's white strokes within its box.
  for (int letter = 0; letter < 10; ++letter)
    EXPECT_TRUE(ShownWithin(FirstGlyphX + GlyphAdvance * static_cast<float>(letter), TitleY, 24, 36, GlyphColour))
        << letter;
  // Between the walls and the title there is nothing.
  EXPECT_FALSE(ShownWithin(0, 370, 240, 6, GlyphColour));
}

TEST_F(BrackwaterLevelTest, TheLanternLightsTheFloorAroundTheCratesButNotBehindThem)
{
  EmptyParticleSystems();
  Draw();
  graphics->Render();

  // Under the crates' lower edge the glow reaches a tile 208 units away; the tile whose centre
  // lies behind the crates, nearer than that, stays as the atlas has it.
  const Rgba lit = ShownAt(-192, -192);
  EXPECT_GT(lit[0], FloorColour[0] + 30) << int(lit[0]);
  EXPECT_GT(lit[1], FloorColour[1] + 15) << int(lit[1]);
  EXPECT_EQ(ShownAt(-192, -96), FloorColour);
  // Next to the lantern the floor is brightest.
  EXPECT_GT(ShownAt(-384, -192)[0], lit[0]);

  // The fan itself: the rays that meet a crate stop short of the radius, the others reach it.
  const auto* lantern = Named("Lantern")->GetComponent<Light>();
  ASSERT_NE(lantern, nullptr);
  EXPECT_FLOAT_EQ(lantern->radius, LanternRadius);
  EXPECT_EQ(lantern->GetCentre(), LanternAt);
  ASSERT_EQ(lantern->GetVertices().size(), static_cast<std::size_t>(Light::RayCount + 1));
  int shortened = 0;
  for (std::size_t ray = 1; ray < lantern->GetVertices().size(); ++ray)
    if (glm::length(lantern->GetVertices()[ray]) < LanternRadius - 1.0f)
      ++shortened;
  // The crates cover about 40 degrees of the circle as the lantern sees them: five or six rays.
  EXPECT_GE(shortened, 4);
  EXPECT_LE(shortened, 8);
}

TEST_F(BrackwaterLevelTest, TheTitleIsOneTextWhoseGlyphsAreMadeOnLoading)
{
  const auto named = ObjectsByName();
  ASSERT_EQ(named.count("Title"), 1u);
  const Handle<GameObject> title = named.find("Title")->second;
  auto* text = title->GetComponent<TextToSprite>();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->GetText(), "BRACKWATER");
  ASSERT_EQ(text->GetDigits().size(), 10u);
  for (std::size_t letter = 0; letter < 10; ++letter)
  {
    const Handle<GameObject>& glyph = text->GetDigits()[letter];
    ASSERT_TRUE(glyph.IsValid()) << letter;
    EXPECT_EQ(glyph->GetPrefabName(), "HUD_Digit");
    EXPECT_EQ(glyph->GetSpace(), space.get());
    EXPECT_EQ(SpriteOf(glyph).GetFrame(), static_cast<std::uint32_t>(GlyphIndexFromChar("BRACKWATER"[letter])));
    EXPECT_EQ(SpriteOf(glyph).GetLayer(), "DL_HUD");
    EXPECT_EQ(glyph->GetTransform()->GetWorldPosition(),
              glm::vec2(FirstGlyphX + GlyphAdvance * static_cast<float>(letter), TitleY));
  }

  // The glyphs are the text's, made anew on every load: a saved level holds the one title object.
  const std::string saved = directory.File("saved.json");
  ASSERT_TRUE(space->SaveLevel(saved));
  Json::Value level;
  ASSERT_TRUE(ReadJsonFile(level, saved));
  int hudDigits = 0;
  for (const Json::Value& record : level["level"]["objects"])
    if (record["prefab"].asString() == "HUD_Digit")
      ++hudDigits;
  EXPECT_EQ(hudDigits, 0);
}

TEST_F(BrackwaterLevelTest, TheLampsAndParticlesAreThereAfterLoading)
{
  // Three point lights, one of them flickering.
  int pointLights = 0;
  int flickering = 0;
  for (const auto& [name, object] : ObjectsByName())
  {
    if (auto* light = object->GetComponent<PointLight>())
    {
      ++pointLights;
      EXPECT_TRUE(light->on) << name;
      EXPECT_GT(light->scale.x, 300.0f) << name;
    }
    if (object->GetComponent<LightFlicker>() != nullptr)
    {
      ++flickering;
      EXPECT_EQ(name, "Flickering Lamp");
      EXPECT_NE(object->GetComponent<PointLight>(), nullptr);
    }
  }
  EXPECT_EQ(pointLights, 3);
  EXPECT_EQ(flickering, 1);
  // The pale lamp is the warm lamp's prefab with the level's own colour.
  const Handle<GameObject> pale = Named("Pale Lamp");
  ASSERT_TRUE(pale.IsValid());
  EXPECT_EQ(pale->GetPrefabName(), "WarmLamp");
  EXPECT_NE(pale->GetComponent<PointLight>()->color, Named("Warm Lamp")->GetComponent<PointLight>()->color);

  // The lit layers each get one light record per lamp.
  Draw();
  for (const char* layer : {"DL_FLOOR", "DL_MAIN"})
  {
    const auto& spaceBuffers = graphics->GetSubmissions().at(space->GetSpaceName());
    const auto buffers = spaceBuffers.find(graphics->GetLayer(layer));
    ASSERT_NE(buffers, spaceBuffers.end()) << layer;
    const auto lights = buffers->second.find(graphics->GetPass("LightPass"));
    ASSERT_NE(lights, buffers->second.end()) << layer;
    EXPECT_EQ(lights->second->Count(), 3u) << layer;
  }

  // The dust fills the room's box from the first frame; the sparks start with none and fall
  // from the flickering lamp.
  const Handle<GameObject> dust = Named("Dust");
  ASSERT_TRUE(dust.IsValid());
  auto* motes = dust->GetComponent<ParticleSystem>();
  ASSERT_NE(motes, nullptr);
  EXPECT_EQ(motes->GetSpawnFunction(), &BoxSpawn);
  EXPECT_EQ(motes->GetActive().size(), static_cast<std::size_t>(motes->initialSpawn));
  for (const Particle* mote : motes->GetActive())
  {
    EXPECT_LE(std::abs(mote->position.x), 432.0f);
    EXPECT_LE(std::abs(mote->position.y), 240.0f);
  }

  const Handle<GameObject> sparksObject = Named("Sparks");
  ASSERT_TRUE(sparksObject.IsValid());
  auto* sparks = sparksObject->GetComponent<ParticleSystem>();
  ASSERT_NE(sparks, nullptr);
  EXPECT_EQ(sparksObject->GetTransform()->GetWorldPosition(), Named("Flickering Lamp")->GetTransform()->GetWorldPosition());
  EXPECT_TRUE(sparks->GetActive().empty());
  for (int frame = 0; frame < 10; ++frame)
    Update(0.05f);
  ASSERT_FALSE(sparks->GetActive().empty());
  for (const Particle* spark : sparks->GetActive())
    EXPECT_LT(spark->velocity.y, 0.0f);
}

TEST_F(BrackwaterLevelTest, TheFiguresWalkThroughTheirFrames)
{
  std::map<GameObject*, std::uint32_t> firstFrames;
  for (const auto& [name, object] : ObjectsByName())
    if (name == "Walker" || name == "Crawler")
      firstFrames[object.Get()] = SpriteOf(object).GetFrame();
  ASSERT_EQ(firstFrames.size(), 3u);
  for (int frame = 0; frame < 4; ++frame)
    Update(0.1f);
  for (const auto& [object, first] : firstFrames)
    EXPECT_NE(SpriteOf(object->GetHandle()).GetFrame(), first) << object->GetName();

  // A frame of the 128-pixel player strip is a quarter of the picture.
  Draw();
  for (const Graphics::InstanceData& record : Filed("DL_MAIN"))
    EXPECT_LE(record.uvRect[2] - record.uvRect[0], 32.0f);
}
