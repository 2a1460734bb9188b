#include "core/Profiler.h"

#include "support/CapturedLog.h"

#include <gtest/gtest.h>

#include <array>

namespace
{
class ProfilerScopeTest : public ::testing::Test
{
protected:
  ProfilerScopeTest() : profiler([this] { return now; }) { Profiler::SetCurrent(&profiler); }
  ~ProfilerScopeTest() override { Profiler::SetCurrent(nullptr); }

  std::int64_t now = 1000;
  Profiler profiler;
};
}  // namespace

TEST_F(ProfilerScopeTest, NestedScopesBuildTheFramesTree)
{
  Profiler::BeginScope("Spaces", "");
  now += 10;
  Profiler::BeginScope("Physics", "");
  EXPECT_EQ(profiler.OpenScopeCount(), 2u);
  now += 5;
  Profiler::EndScope();
  EXPECT_NE(profiler.CurrentColour(), (std::array<float, 4>{1, 1, 1, 1})) << "back in a scope, its colour is current";
  Profiler::BeginScope("Update", "");
  now += 7;
  Profiler::EndScope();
  Profiler::EndScope();

  ASSERT_EQ(profiler.FrameRoots().size(), 1u);
  const ProfilerNode& root = *profiler.FrameRoots()[0];
  EXPECT_EQ(root.id, 1u);
  EXPECT_EQ(root.parentId, 0u);
  EXPECT_EQ(root.duration, 22);
  ASSERT_EQ(root.children.size(), 2u);
  EXPECT_EQ(root.children[0]->name, "Physics");
  EXPECT_EQ(root.children[0]->parentId, 1u);
  EXPECT_EQ(root.children[0]->duration, 5);
  EXPECT_EQ(root.children[1]->id, 3u);
  EXPECT_EQ(profiler.OpenScopeCount(), 0u);

  // After a root closes, the current colour is white again.
  Profiler::PushScopeCurrentColor("Physics space", "");
  Profiler::EndScope();
  EXPECT_EQ(profiler.FrameRoots()[1]->colour, (std::array<float, 4>{1, 1, 1, 1}));
}

// Code that times itself runs outside a session too (tests, tools): its scopes go nowhere, and an
// unmatched close, reported while a profiler is in force, says nothing.
TEST(ProfilerWithoutSession, ScopesAreHarmless)
{
  CapturedLog log;
  Profiler::SetCurrent(nullptr);
  Profiler::BeginScope("nothing", "");
  Profiler::BeginScopeColored("coloured", {1.0f, 0.0f, 0.0f}, "");
  Profiler::PushScopeCurrentColor("current", "");
  Profiler::EndScope();
  Profiler::EndScope();
  Profiler::EndScope();
  Profiler::EndScope();
  EXPECT_EQ(Profiler::Current(), nullptr);
  EXPECT_TRUE(log.Lines().empty()) << log.Text();
}
