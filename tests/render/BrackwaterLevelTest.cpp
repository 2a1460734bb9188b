// The first level on screen: the level the game settings name is loaded from its file with the
// shipped prefabs, drawn once, and its pictures are looked for where the level puts them. The
// positions are those of tools/make_brackwater.py; the colours those of tools/make_atlas.py.
#include "render/SpriteTestEnvironment.h"

#include "core/FileUtilities.h"
#include "object/Transform.h"

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
    Json::Value settings;
    ASSERT_TRUE(ReadJsonFile(settings, "Assets/GameSettings"));
    firstLevel = settings["firstLevel"].asString();
    space->LoadLevel(firstLevel);
    // The pictures are looked at, not the lighting: full ambient light keeps every layer's
    // colours as the atlas has them.
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

  // Whether some texel of the box around a point shows the colour.
  bool ShownWithin(float x, float y, float halfWidth, float halfHeight, const Rgba& colour)
  {
    for (float dx = -halfWidth; dx <= halfWidth; dx += UnitsPerPixel)
      for (float dy = -halfHeight; dy <= halfHeight; dy += UnitsPerPixel)
        if (ShownAt(x + dx, y + dy) == colour)
          return true;
    return false;
  }

  std::string firstLevel;
};

namespace
{
const Rgba FloorColour{70, 74, 82, 255};
const Rgba WallColour{110, 112, 120, 255};
const Rgba BodyColour{40, 140, 230, 255};
const Rgba SpikeColour{210, 40, 40, 255};
const Rgba GlyphColour{255, 255, 255, 255};
const Rgba Black{0, 0, 0, 255};
}  // namespace

TEST_F(BrackwaterLevelTest, TheFirstLevelShowsItsFloorWallsFiguresAndTitle)
{
  ASSERT_EQ(firstLevel, "brackwater");
  const auto named = ObjectsByName();
  EXPECT_EQ(named.count("Floor"), 45u);
  EXPECT_EQ(named.count("Wall"), 32u);
  EXPECT_EQ(named.count("Walker"), 2u);
  EXPECT_EQ(named.count("Crawler"), 1u);
  EXPECT_EQ(named.count("Title"), 10u);
  EXPECT_EQ(named.count("Camera"), 1u);

  Draw();
  graphics->Render();

  // Floor tiles at the grid's corners and next to the figures, walls on each side.
  for (const glm::vec2 floor : {glm::vec2(-384, -192), glm::vec2(384, 192), glm::vec2(-96, 0), glm::vec2(288, -192)})
    EXPECT_EQ(ShownAt(floor.x, floor.y), FloorColour) << floor.x << ", " << floor.y;
  // A wall tile's brick face, away from the mortar lines.
  for (const glm::vec2 wall : {glm::vec2(-480, 0), glm::vec2(480, 96), glm::vec2(0, 288), glm::vec2(-96, -288)})
    EXPECT_EQ(ShownAt(wall.x - 10.5f, wall.y + 10.5f), WallColour) << wall.x << ", " << wall.y;
  // Outside the walls, nothing.
  EXPECT_EQ(ShownAt(-700, 0), Black);
  EXPECT_EQ(ShownAt(0, -400), Black);

  // The figures stand over the floor: both walkers' bodies, the crawler's spikes.
  EXPECT_EQ(ShownAt(-192, -6), BodyColour);
  EXPECT_EQ(ShownAt(192, 90), BodyColour);
  EXPECT_EQ(ShownAt(0, -126), SpikeColour);

  // Each letter of the title shows some of its glyph's white strokes within its box.
  for (int letter = 0; letter < 10; ++letter)
    EXPECT_TRUE(ShownWithin(-252.0f + 56.0f * static_cast<float>(letter), 420, 24, 36, GlyphColour)) << letter;
  // Between the walls and the title there is nothing.
  EXPECT_FALSE(ShownWithin(0, 370, 240, 6, GlyphColour));
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

  // A frame of the player strip is a quarter of the picture (player = 306 2 128 32).
  Draw();
  for (const Graphics::InstanceData& record : Filed("DL_MAIN"))
    EXPECT_LE(record.uvRect[2] - record.uvRect[0], 32.0f);
}
