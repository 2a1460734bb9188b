#include "core/Profiler.h"

#include "support/CapturedLog.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>
#include <imgui.h>

namespace
{
// A profiler on a clock that moves only when a test says so.
class ProfilerTest : public ::testing::Test
{
protected:
  void SetUp() override { Profiler::SetCurrent(&profiler); }
  void TearDown() override { Profiler::SetCurrent(nullptr); }

  // Sound 0-2000 µs, then Spaces 2000-16700 with Physics 3000-9000 inside.
  void RecordFrame()
  {
    Profiler::BeginScope("Sound", "");
    now += 2000;
    Profiler::EndScope();
    Profiler::BeginScope("Spaces", "");
    now += 1000;
    Profiler::BeginScope("Physics", "");
    now += 6000;
    Profiler::EndScope();
    now += 7700;
    Profiler::EndScope();
  }

  std::int64_t now = 500000;
  Profiler profiler{[this] { return now; }};
};

// An ImGui context without GL: enough to build and end frames.
struct ImGuiFrames
{
  ImGuiFrames()
  {
    ImGui::CreateContext();
    ImGuiIO& io = ImGui::GetIO();
    io.DisplaySize = ImVec2(1280, 720);
    io.IniFilename = nullptr;
    io.Fonts->Build();
  }
  ~ImGuiFrames() { ImGui::DestroyContext(); }
};
}  // namespace

TEST_F(ProfilerTest, DrawKeepsTheFrameOnlyWhenASnapshotWasAsked)
{
  ImGuiFrames imgui;
  bool windowOpen = false;
  RecordFrame();
  ImGui::NewFrame();
  profiler.Draw(windowOpen);
  ImGui::Render();
  EXPECT_TRUE(profiler.FrameRoots().empty());
  EXPECT_TRUE(profiler.SnapshotRoots().empty());

  // With the window closed and no snapshot asked for, the next frame records nothing; a snapshot
  // asked for then holds the frame after it.
  RecordFrame();
  EXPECT_FALSE(profiler.IsRecording());
  EXPECT_TRUE(profiler.FrameRoots().empty());
  profiler.RequestSnapshot();
  windowOpen = true;
  ImGui::NewFrame();
  profiler.Draw(windowOpen);
  ImGui::Render();
  EXPECT_TRUE(profiler.SnapshotRoots().empty());
  RecordFrame();
  ImGui::NewFrame();
  profiler.Draw(windowOpen);
  ImGui::Render();
  ASSERT_EQ(2u, profiler.SnapshotRoots().size());
  EXPECT_EQ(16700, profiler.SnapshotTotal());
  EXPECT_EQ("./16", profiler.SnapshotDumpPath());

  // The snapshot is drawn as a tree and a timeline, and in the options view.
  for (std::uint32_t mode : {0u, 1u})
  {
    profiler.viewMode = mode;
    RecordFrame();
    ImGui::NewFrame();
    profiler.Draw(windowOpen);
    ImGui::Render();
    EXPECT_EQ(1u, profiler.SnapshotRoots()[0]->id) << "ids restart every frame";
  }

  RecordFrame();
  profiler.RequestSnapshot();
  windowOpen = false;
  ImGui::NewFrame();
  profiler.Draw(windowOpen);
  ImGui::Render();
  EXPECT_EQ(2u, profiler.SnapshotRoots().size()) << "the window need not be open to take a snapshot";
}

TEST_F(ProfilerTest, DumpWritesOneIndentedLinePerNode)
{
  TemporaryDirectory directory;
  RecordFrame();
  profiler.TakeSnapshot();
  profiler.dumpDirectory = directory.Prefix();
  ASSERT_TRUE(Profiler::Dump(profiler.SnapshotRoots(), profiler.SnapshotDumpPath()));
  EXPECT_EQ("Sound | 2000\nSpaces | 14700\n Physics | 6000\n", directory.Read("16"));

  CapturedLog output;
  EXPECT_FALSE(Profiler::Dump(profiler.SnapshotRoots(), directory.File("missing/16")));
  EXPECT_TRUE(output.Contains("[ERROR] Could not create profiler dump "));
}
