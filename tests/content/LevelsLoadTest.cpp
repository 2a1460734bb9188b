// Every level under Assets/LevelFiles, started as the game's first level in the real program,
// loads and runs 60 frames with no "[ERROR]" or "[WARNING]" line, ends cleanly and gives every
// block back. Each level is a test of its own, so that they run side by side.
#include "support/ChildProgram.h"
#include "support/TemporaryDirectory.h"
#include "support/TestWorkingFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;

// The lines of `text` that report a fault of the content. The machine's own warnings (no audio
// device, no control over vertical sync) say nothing about a level and are left out.
std::string ContentReports(const std::string& text)
{
  std::string reports;
  std::size_t start = 0;
  while (start < text.size())
  {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string line = text.substr(start, end - start);
    const bool report = line.find("[ERROR]") != std::string::npos || line.find("[WARNING]") != std::string::npos;
    const bool machine = line.find("No audio device") != std::string::npos || line.find("vertical sync") != std::string::npos;
    if (report && !machine)
      reports += line + "\n";
    start = end + 1;
  }
  return reports;
}

// Read from the checkout when the tests are listed, which the suite does each time it runs, so a
// level added since the last build has its test.
std::vector<std::string> LevelNames()
{
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(TestWorkingFolder::SourceAssets() / "LevelFiles"))
    if (entry.path().extension() == ".json")
      names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

// A test's name holds letters, digits and underscores only.
std::string TestName(const ::testing::TestParamInfo<std::string>& level)
{
  std::string name = level.param;
  std::replace_if(name.begin(), name.end(), [](unsigned char c) { return std::isalnum(c) == 0; }, '_');
  return name;
}

class LevelsLoadTest : public ::testing::TestWithParam<std::string>
{
};
}  // namespace

TEST_P(LevelsLoadTest, LoadsAndRunsWithoutAnErrorOrWarning)
{
  if (std::getenv("DISPLAY") == nullptr)
    GTEST_SKIP() << "no display to open the game's window on";
  if (!fs::exists(ProgramPath()))
    GTEST_SKIP() << "the game is not built at " << ProgramPath();
  // Its own game folder naming the level as the first, and its own logs. No pixel is read: the
  // game draws everything into a small hidden window, which costs the software renderer little.
  TemporaryDirectory folder;
  const fs::path game = MakeGameFolder(folder.Path() / "game", {{"GameSettings", R"({"firstLevel": ")" + GetParam() + R"("})"},
                                                               {"EditorSettings", std::nullopt}});
  ChildProgram program(game, {"hidden", "quit_after,60"}, folder.Path());
  const Finished finished = program.Wait(std::chrono::seconds(120));
  ASSERT_TRUE(finished.exited) << finished.output << finished.errors;
  EXPECT_EQ(finished.exitCode, 0) << finished.output << finished.errors;
  EXPECT_EQ(ContentReports(finished.output + finished.errors), "");
  ExpectNoLeaks(finished);
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, LevelsLoadTest, ::testing::ValuesIn(LevelNames()), TestName);
