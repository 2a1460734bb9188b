#include "render/Resource.h"

#include "support/RecordingAssertHandler.h"

#include <gtest/gtest.h>

namespace
{
class ResourceTest : public ::testing::Test
{
protected:
  void SetUp() override { SetFatalChecksThrow(true); }
  void TearDown() override { SetFatalChecksThrow(false); }
};

// Handles never read through their pointers here; any distinct addresses will do.
Graphics::Shader* const SomeShader = reinterpret_cast<Graphics::Shader*>(0x10);
Graphics::Texture* const SomeTexture = reinterpret_cast<Graphics::Texture*>(0x20);
}  // namespace

TEST_F(ResourceTest, AHandleTakesOneTypeUntilCleared)
{
  RecordingAssertHandler checks;
  Resource handle;
  EXPECT_EQ(handle.type, NONE);
  handle = Resource(SomeShader, "debugShader");
  EXPECT_EQ(handle.type, SHADER);
  EXPECT_EQ(handle.AsShader(), SomeShader);
  EXPECT_EQ(handle.AsTexture(), nullptr);

  EXPECT_THROW(handle = Resource(SomeTexture, "THE_ATLAS"), FatalCheckException);
  EXPECT_TRUE(checks.Saw("Assigning resources of different types"));
  EXPECT_EQ(handle.name, "debugShader");

  handle.Clear();
  handle = Resource(SomeTexture, "THE_ATLAS");
  EXPECT_EQ(handle.type, TEXTURE);
  EXPECT_EQ(handle.name, "THE_ATLAS");
}
