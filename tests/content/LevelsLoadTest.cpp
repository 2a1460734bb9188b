// Every level under Assets/LevelFiles, started as the game's first level in the real program,
// loads and runs a second of frames with no "[ERROR]" or "[WARNING]" line, ends cleanly and gives
// every block back. New levels are picked up as they are added.
#include "support/ChildProgram.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
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

std::vector<std::string> LevelNames()
{
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator("Assets/LevelFiles"))
    if (entry.path().extension() == ".json")
      names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

// One level's run: its own game folder naming it as the first level, and its own logs.
struct LevelRun
{
  explicit LevelRun(const std::string& level) : level(level)
  {
    const fs::path game = MakeGameFolder(folder.Path() / "game", {{"GameSettings", R"({"firstLevel": ")" + level + R"("})"},
                                                                 {"EditorSettings", std::nullopt}});
    program = std::make_unique<ChildProgram>(game, std::vector<std::string>{"windowed", "quit_after,60"}, folder.Path());
  }

  std::string level;
  TemporaryDirectory folder;
  std::unique_ptr<ChildProgram> program;
};
}  // namespace

TEST(LevelsLoadTest, EveryLevelLoadsAndRunsWithoutAnErrorOrWarning)
{
  if (std::getenv("DISPLAY") == nullptr)
    GTEST_SKIP() << "no display to open the game's window on";
  if (!fs::exists(ProgramPath()))
    GTEST_SKIP() << "the game is not built at " << ProgramPath();
  const std::vector<std::string> levels = LevelNames();
  ASSERT_FALSE(levels.empty());
  // A few programs at once: each draws on the software renderer, which is what takes the time.
  constexpr std::size_t AtOnce = 4;
  for (std::size_t first = 0; first < levels.size(); first += AtOnce)
  {
    std::vector<std::unique_ptr<LevelRun>> runs;
    for (std::size_t index = first; index < std::min(levels.size(), first + AtOnce); ++index)
      runs.push_back(std::make_unique<LevelRun>(levels[index]));
    for (const std::unique_ptr<LevelRun>& run : runs)
    {
      const Finished finished = run->program->Wait(std::chrono::seconds(120));
      SCOPED_TRACE("level " + run->level);
      ASSERT_TRUE(finished.exited) << finished.output << finished.errors;
      EXPECT_EQ(finished.exitCode, 0) << finished.output << finished.errors;
      EXPECT_EQ(ContentReports(finished.output + finished.errors), "");
      ExpectNoLeaks(finished);
    }
  }
}
