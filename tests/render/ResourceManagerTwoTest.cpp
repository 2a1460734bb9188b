#include "render/ResourceManagerTwo.h"

#include "support/CapturedLog.h"
#include "support/HeadlessGl.h"
#include "support/RecordingAssertHandler.h"
#include "support/TemporaryDirectory.h"
#include "render/GlResourceFixture.h"
#include "platform/Random.h"
#include "render/Texture.h"

#include <gtest/gtest.h>

namespace
{
class ResourceManagerTwoTest : public GlResourceFixture
{
protected:
  void TearDown() override
  {
    ResourceManagerTwo::SetDuckSwitch(false);
    GlResourceFixture::TearDown();
  }

  // A resource list in the temporary folder whose atlas is the game's picture and whose meta
  // text and entries are the test's own.
  std::string WriteList(const std::string& meta, const std::string& entries)
  {
    folder.Write("atlas.txt", meta);
    folder.Write("RESOURCES.json", "{ \"atlas\": { \"file\": \"Assets\\\\Atlas\\\\THE_ATLAS.png\", \"name\": \"THE_ATLAS\", "
                                   "\"meta\": \"" + folder.File("atlas.txt") + "\" }, \"resources\": [" + entries + "] }");
    return folder.File("RESOURCES.json");
  }

  static void ExpectRect(const float (&actual)[4], float a, float b, float c, float d)
  {
    EXPECT_FLOAT_EQ(actual[0], a);
    EXPECT_FLOAT_EQ(actual[1], b);
    EXPECT_FLOAT_EQ(actual[2], c);
    EXPECT_FLOAT_EQ(actual[3], d);
  }

  TemporaryDirectory folder;
};
}  // namespace

TEST_F(ResourceManagerTwoTest, TheGameResourceListLoadsItsAtlasAndEveryPicture)
{
  CapturedLog output;
  const std::uint32_t generation = ResourceManagerTwo::GetGeneration();
  ResourceManagerTwo::LoadResources("Assets\\RESOURCES.json");
  EXPECT_EQ(ResourceManagerTwo::GetGeneration(), generation + 1);
  EXPECT_FALSE(output.Contains("ERROR")) << output.Text();
  EXPECT_TRUE(ResourceManagerTwo::ResourceExists("THE_ATLAS"));
  EXPECT_GT(ResourceManagerTwo::GetTexture("THE_ATLAS")->GetWidth(), 1u);
  for (const char* name : {"default_texture", "player", "enemy", "crate", "bullet", "floor", "wall", "white"})
    EXPECT_TRUE(ResourceManagerTwo::HasTexture(name)) << name;
  const AtlasRegion& font = ResourceManagerTwo::ResolveTextureName("font", true);
  EXPECT_GE(font.frameCount, 76u);
  EXPECT_FLOAT_EQ(font.frameSize[0] * static_cast<float>(font.frameCount), font.rect[2] - font.rect[0]);
}

TEST_F(ResourceManagerTwoTest, FrameCountsSplitTheRectangleIntoFrames)
{
  CapturedLog output;
  ResourceManagerTwo::LoadResources(WriteList(
      "box = 10 20 30 40\nstrip = 10 20 30 40\n",
      "{\"type\": \"atlasSubtexture\", \"file\": \"Assets\\\\Image\\\\box.png\", \"framecount\": 1, \"name\": \"Box\"},"
      "{\"type\": \"atlasSubtexture\", \"file\": \"Assets\\\\Image\\\\strip.png\", \"framecount\": 3, \"name\": \"Strip\"}"));
  const AtlasRegion& box = ResourceManagerTwo::ResolveTextureName("Box", true);
  ExpectRect(box.rect, 10, 60, 40, 20);
  EXPECT_FLOAT_EQ(box.frameSize[0], 30);
  EXPECT_FLOAT_EQ(box.frameSize[1], 40);
  EXPECT_EQ(box.frameCount, 1u);
  const AtlasRegion& strip = ResourceManagerTwo::ResolveTextureName("Strip", true);
  EXPECT_FLOAT_EQ(strip.frameSize[0], 10);
  EXPECT_FLOAT_EQ(strip.frameSize[1], 40);
  ExpectRect(strip.firstFrame, 10, 60, 20, 20);
  EXPECT_EQ(strip.frameCount, 3u);
}

TEST_F(ResourceManagerTwoTest, MalformedMetaLinesAreReportedAndSkipped)
{
  CapturedLog output;
  ResourceManagerTwo::LoadResources(WriteList("good = 1 2 3 4\r\n"
                                              "no equals sign 1 2 3 4\n"
                                              "short = 1 2 3\n"
                                              " = 5 6 7 8\n"
                                              "=\n"
                                              "tight=5 6 7 8\n"
                                              "windows = 9 10 11 12\r\n"
                                              "\r\n"
                                              "after = 1 1 1 1\n",
                                              ""));
  EXPECT_EQ(output.CountOf("[ERROR] Skipped malformed line"), 4u) << output.Text();
  EXPECT_TRUE(ResourceManagerTwo::HasTexture("good"));
  EXPECT_TRUE(ResourceManagerTwo::HasTexture("tight"));
  EXPECT_TRUE(ResourceManagerTwo::HasTexture("windows"));
  ExpectRect(ResourceManagerTwo::ResolveTextureName("windows", true).rect, 9, 22, 20, 10);
  // Reading stops at the first empty line, also when it came from a Windows file.
  EXPECT_FALSE(ResourceManagerTwo::HasTexture("after"));
  EXPECT_EQ(ResourceManagerTwo::GetAtlasRegions().count("short"), 0u);
}

TEST_F(ResourceManagerTwoTest, AFrameCountBelowOneIsReportedAndTreatedAsOne)
{
  CapturedLog output;
  ResourceManagerTwo::LoadResources(WriteList(
      "zero = 0 0 30 10\nnegative = 0 0 30 10\nmissing = 0 0 30 10\n",
      "{\"type\": \"atlasSubtexture\", \"file\": \"a\\\\zero.png\", \"framecount\": 0, \"name\": \"zero\"},"
      "{\"type\": \"atlasSubtexture\", \"file\": \"a\\\\negative.png\", \"framecount\": -2, \"name\": \"negative\"},"
      "{\"type\": \"atlasSubtexture\", \"file\": \"a\\\\missing.png\", \"name\": \"missing\"},"
      "{\"type\": \"atlasSubtexture\", \"file\": \"a\\\\zero.png\", \"framecount\": \"many\", \"name\": \"wrongType\"}"));
  EXPECT_EQ(output.CountOf("\"framecount\" of"), 4u) << output.Text();
  EXPECT_TRUE(output.Contains("\"framecount\": expected an integer"));
  for (const char* name : {"zero", "negative", "missing", "wrongType"})
  {
    const AtlasRegion& region = ResourceManagerTwo::ResolveTextureName(name, true);
    EXPECT_EQ(region.frameCount, 1u) << name;
    EXPECT_FLOAT_EQ(region.frameSize[0], 30) << name;
  }
}

TEST_F(ResourceManagerTwoTest, EntriesMapInternalNamesByTheBackslashBaseName)
{
  CapturedLog output;
  ResourceManagerTwo::LoadResources(WriteList(
      "crate = 16 0 64 32\n",
      "{\"type\": \"atlasSubtexture\", \"file\": \"Assets\\\\Image\\\\crate.png\", \"framecount\": 1, \"name\": \"Crate\"},"
      "{\"type\": \"sound\", \"file\": \"Assets\\\\Image\\\\crate.png\", \"framecount\": 1, \"name\": \"Other\"},"
      "{\"type\": \"atlasSubtexture\", \"file\": \"Assets\\\\Image\\\\ghost.png\", \"framecount\": 1, \"name\": \"Ghost\"},"
      "17, \"not an entry\""));
  EXPECT_EQ(ResourceManagerTwo::GetFileName("Crate"), "crate");
  EXPECT_TRUE(output.Contains("\"ghost was in resource meta data, but was not found in atlas metadata"));
  EXPECT_EQ(ResourceManagerTwo::GetFileName("Ghost"), "ghost");
  EXPECT_FALSE(ResourceManagerTwo::HasTexture("Ghost"));
  EXPECT_TRUE(output.Contains("[WARNING] There is no filename mapping for the internal resource name: Ghost."));
  // Another type changes nothing, not even the file names.
  EXPECT_EQ(ResourceManagerTwo::GetFileName("Other"), "");
  EXPECT_TRUE(output.Contains("[ERROR] Could not find the file name for resource: Other."));

  EXPECT_EQ(ResourceManagerTwo::BaseName("Assets\\Image\\crate.png"), "crate");
  EXPECT_EQ(ResourceManagerTwo::BaseName("Assets/Image/crate.png"), "Assets/Image/crate");
  EXPECT_EQ(ResourceManagerTwo::BaseName("Assets\\no.dots\\plain"), "plain");
}

TEST_F(ResourceManagerTwoTest, AMissingOrCorruptAtlasPictureIsReportedAndReplaced)
{
  folder.Write("corrupt.png", "this is not a picture");
  for (const std::string& picture : {folder.File("absent.png"), folder.File("corrupt.png")})
  {
    CapturedLog output;
    Graphics::Texture* texture = ResourceManagerTwo::LoadTexture(picture, "broken");
    EXPECT_TRUE(output.Contains("[ERROR] Failed to load image: " + picture)) << output.Text();
    ASSERT_NE(texture, nullptr);
    EXPECT_EQ(texture->GetSize(), std::make_pair(1, 1));
    EXPECT_EQ(ResourceManagerTwo::GetTexture("broken"), texture);
    ResourceManagerTwo::UnloadResource("broken");
  }
}

TEST_F(ResourceManagerTwoTest, ReloadingAfterUnloadAllKeepsOldFileNames)
{
  CapturedLog output;
  ResourceManagerTwo::LoadResources(WriteList(
      "a = 0 0 8 8\n", "{\"type\": \"atlasSubtexture\", \"file\": \"x\\\\a.png\", \"framecount\": 1, \"name\": \"First\"}"));
  const std::uint32_t generation = ResourceManagerTwo::GetGeneration();
  ResourceManagerTwo::UnloadAll();
  EXPECT_EQ(ResourceManagerTwo::GetGeneration(), generation);
  EXPECT_FALSE(ResourceManagerTwo::ResourceExists("THE_ATLAS"));
  ResourceManagerTwo::LoadResources(WriteList("a = 0 0 8 8\n", ""));
  EXPECT_TRUE(ResourceManagerTwo::ResourceExists("THE_ATLAS"));
  EXPECT_TRUE(ResourceManagerTwo::HasTexture("First"));

  // Loading again without unloading reports the duplicate atlas name and keeps the first.
  Graphics::Texture* first = ResourceManagerTwo::GetResource("THE_ATLAS").AsTexture();
  ResourceManagerTwo::LoadResources(ResourceManagerTwo::GetResourceListPath());
  EXPECT_TRUE(output.Contains("[ERROR] Resource `THE_ATLAS' already exists")) << output.Text();
  EXPECT_EQ(ResourceManagerTwo::GetResource("THE_ATLAS").AsTexture(), first);
}

TEST_F(ResourceManagerTwoTest, UnloadingAnUnknownNameChangesOnlyTheGeneration)
{
  CapturedLog output;
  ResourceManagerTwo::LoadResources("Assets\\RESOURCES.json");
  const std::uint32_t generation = ResourceManagerTwo::GetGeneration();
  ResourceManagerTwo::UnloadResource("no such resource");
  EXPECT_EQ(ResourceManagerTwo::GetGeneration(), generation + 1);
  EXPECT_TRUE(ResourceManagerTwo::ResourceExists("THE_ATLAS"));
}

TEST_F(ResourceManagerTwoTest, AnUnknownTextureIsReportedAndDrawsAsTheFallback)
{
  CapturedLog output;
  RecordingAssertHandler checks;
  Graphics::Texture* texture = ResourceManagerTwo::GetTexture("NOT_THE_ATLAS");
  ASSERT_NE(texture, nullptr);
  EXPECT_TRUE(output.Contains("[ERROR] Texture does not exist"));
  EXPECT_TRUE(checks.Saw("because fuck you that's why"));
}

// Bad content is reported and counted, without a check (whose message box would block the game),
// so the game can stop in order.
TEST_F(ResourceManagerTwoTest, AnUnreadableResourceListIsReportedAndLoadsNothing)
{
  CapturedLog output;
  RecordingAssertHandler checks;
  const unsigned failures = ResourceManagerTwo::GetLoadFailures();
  folder.Write("list.json", "[1, 2, 3]");
  folder.Write("broken.json", "{ \"atlas\": ");
  // Lists of the wrong shape: nothing to draw from.
  folder.Write("empty.json", "{}");
  folder.Write("atlas-a-string.json", "{ \"atlas\": \"THE_ATLAS.png\" }");
  folder.Write("no-meta.json", "{ \"atlas\": { \"file\": \"Assets/Atlas/THE_ATLAS.png\", \"name\": \"THE_ATLAS\" } }");
  for (const char* name :
       {"list.json", "broken.json", "absent.json", "empty.json", "atlas-a-string.json", "no-meta.json"})
    EXPECT_FALSE(ResourceManagerTwo::LoadResources(folder.File(name))) << name;
  EXPECT_EQ(ResourceManagerTwo::GetLoadFailures(), failures + 6);
  EXPECT_EQ(checks.Count(), 0u);
  EXPECT_EQ(output.CountOf("[ERROR] You fucked up the resource file: "), 6u) << output.Text();
  EXPECT_TRUE(output.Contains("\"atlas\"")) << "the report says what is missing";
  EXPECT_FALSE(ResourceManagerTwo::ResourceExists("THE_ATLAS"));

  // An atlas without the picture every missing one falls back to.
  EXPECT_FALSE(ResourceManagerTwo::LoadResources(WriteList("crate = 0 0 8 8\n", "")));
  EXPECT_TRUE(output.Contains("has no \"default_texture\" picture in its atlas"));
  EXPECT_EQ(ResourceManagerTwo::GetLoadFailures(), failures + 7);
}

TEST_F(ResourceManagerTwoTest, AShaderThatIsMissingOrDoesNotLinkIsReportedAndNotLoaded)
{
  CapturedLog output;
  RecordingAssertHandler checks;
  const unsigned failures = ResourceManagerTwo::GetLoadFailures();
  EXPECT_EQ(ResourceManagerTwo::LoadShader(folder.File("absent.vs"), "Assets\\Shaders\\TexBlend.frag", "Absent"), nullptr);
  EXPECT_TRUE(output.Contains("[ERROR] Could not open shader file: " + folder.File("absent.vs"))) << output.Text();
  // A vertex stage without main compiles; only the link finds it missing.
  folder.Write("nomain.vs", "#version 410 core\nvoid helper() {}\n");
  EXPECT_EQ(ResourceManagerTwo::LoadShader(folder.File("nomain.vs"), "Assets\\Shaders\\TexBlend.frag", "NoMain"), nullptr);
  EXPECT_TRUE(output.Contains("[ERROR] Shader NoMain")) << output.Text();
  EXPECT_EQ(ResourceManagerTwo::GetLoadFailures(), failures + 2);
  EXPECT_FALSE(ResourceManagerTwo::ResourceExists("Absent"));
  EXPECT_FALSE(ResourceManagerTwo::ResourceExists("NoMain"));
  EXPECT_EQ(checks.Count(), 0u);
  // The shipped pair still loads under a name of its own.
  EXPECT_NE(ResourceManagerTwo::LoadShader("Assets\\Shaders\\TexBlend.vs", "Assets\\Shaders\\TexBlend.frag", "Blend"), nullptr);
  EXPECT_EQ(ResourceManagerTwo::GetLoadFailures(), failures + 2);
}

TEST_F(ResourceManagerTwoTest, ResolvingAMissDoesNotStopAndTheDuckSwitchSometimesGivesTheDuck)
{
  CapturedLog output;
  ResourceManagerTwo::LoadResources(WriteList(
      "Duck = 0 0 8 8\nplain = 10 0 8 8\n",
      "{\"type\": \"atlasSubtexture\", \"file\": \"x\\\\plain.png\", \"framecount\": 1, \"name\": \"plain\"}"));
  const AtlasRegion& missing = ResourceManagerTwo::ResolveTextureName("unknown", true);
  EXPECT_EQ(missing.frameCount, 0u);
  EXPECT_FLOAT_EQ(missing.rect[2], 0);

  ResourceManagerTwo::SetDuckSwitch(true);
  ResetRandom();
  int ducks = 0;
  for (int i = 0; i < 400; ++i)
    if (&ResourceManagerTwo::ResolveTextureName("plain", false) == &ResourceManagerTwo::ResolveTextureName("Duck", true))
      ++ducks;
  EXPECT_GT(ducks, 5);
  EXPECT_LT(ducks, 45);
  // With the no-duck flag the switch has no say.
  for (int i = 0; i < 100; ++i)
    EXPECT_EQ(ResourceManagerTwo::ResolveTextureName("plain", true).rect[0], 10);
}

TEST_F(ResourceManagerTwoTest, AHandleFollowsReloadsByNameAndStopsWhenItsResourceIsGone)
{
  CapturedLog output;
  ResourceManagerTwo::LoadResources("Assets\\RESOURCES.json");
  Resource handle = ResourceManagerTwo::GetResource("THE_ATLAS");
  handle.Refresh();
  EXPECT_EQ(handle.generation, ResourceManagerTwo::GetGeneration());
  EXPECT_EQ(handle.AsTexture(), ResourceManagerTwo::GetTexture("THE_ATLAS"));

  ResourceManagerTwo::UnloadAll();
  ResourceManagerTwo::LoadResources("Assets\\RESOURCES.json");
  handle.Refresh();
  EXPECT_EQ(handle.AsTexture(), ResourceManagerTwo::GetTexture("THE_ATLAS"));
  EXPECT_EQ(handle.generation, ResourceManagerTwo::GetGeneration());

  RecordingAssertHandler checks;
  ResourceManagerTwo::UnloadResource(handle);
  EXPECT_FALSE(ResourceManagerTwo::ResourceExists("THE_ATLAS"));
  EXPECT_THROW(handle.Refresh(), FatalCheckException);
  EXPECT_TRUE(checks.Saw("Tried to get non existent resource"));
}
