// The real program, started as a child process on the test display: it runs frames, ends cleanly
// on its own, on a terminate signal, on bad settings and on bad content, gives every block back,
// holds its frame cap on an empty level, and leaves a crash report when it crashes.
#include "support/ChildProgram.h"
#include "support/TemporaryDirectory.h"

#include "core/FileUtilities.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path)
{
  return ReadWholeFile(path.string());
}

class ProgramTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    if (std::getenv("DISPLAY") == nullptr)
      GTEST_SKIP() << "no display to open the game's window on";
    if (!fs::exists(ProgramPath()))
      GTEST_SKIP() << "the game is not built at " << ProgramPath();
  }

  // A working directory whose Assets are the repository's, except the settings files given here
  // and the `changed` files (paths below Assets, at most one folder deep): a text replaces or adds
  // the file, no text removes it.
  fs::path GameFolder(const std::string& gameSettings, const std::string& editorSettings = "",
                      const std::map<std::string, std::optional<std::string>>& changed = {})
  {
    std::map<std::string, std::optional<std::string>> files = changed;
    files["GameSettings"] = gameSettings;
    if (!editorSettings.empty())
      files["EditorSettings"] = editorSettings;
    else
      files.emplace("EditorSettings", std::nullopt);
    return MakeGameFolder(folder.Path() / "game", files);
  }

  TemporaryDirectory folder;
};

std::size_t CountOf(const std::string& text, const std::string& part)
{
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
    ++count;
  return count;
}

// The files opened below a folder and its subfolders, counted as the kernel reports them: the
// game's own progress through its data. Links are seen at their targets, so the folder holds copies.
class OpenCounter
{
public:
  explicit OpenCounter(const fs::path& root) : descriptor(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
  {
    // Listed before the first watch: listing opens the folders too.
    std::vector<fs::path> folders{root};
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root))
      if (entry.is_directory())
        folders.push_back(entry.path());
    for (const fs::path& watched : folders)
      inotify_add_watch(descriptor, watched.c_str(), IN_OPEN);
  }
  ~OpenCounter() { close(descriptor); }
  OpenCounter(const OpenCounter&) = delete;
  OpenCounter& operator=(const OpenCounter&) = delete;

  // Waits until `count` opens have been seen, at most `limit`; the number seen.
  int Await(int count, std::chrono::seconds limit)
  {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (seen < count && std::chrono::steady_clock::now() < deadline)
    {
      pollfd ready{descriptor, POLLIN, 0};
      if (poll(&ready, 1, 100) > 0)
        Drain();
    }
    return seen;
  }
  int Seen()
  {
    Drain();
    return seen;
  }

private:
  void Drain()
  {
    alignas(inotify_event) char buffer[4096];
    for (ssize_t length = read(descriptor, buffer, sizeof buffer); length > 0;
         length = read(descriptor, buffer, sizeof buffer))
      for (ssize_t at = 0; at < length; at += static_cast<ssize_t>(sizeof(inotify_event)))
      {
        at += reinterpret_cast<const inotify_event*>(buffer + at)->len;
        ++seen;
      }
  }

  int descriptor;
  int seen = 0;
};
}  // namespace

TEST_F(ProgramTest, RunsAFixedNumberOfFramesAndEndsCleanly)
{
  ChildProgram game(fs::current_path(), {"windowed", "quit_after,30"}, folder.Path());
  const Finished run = game.Wait(std::chrono::seconds(60));
  ASSERT_TRUE(run.exited) << run.output << run.errors;
  EXPECT_EQ(run.exitCode, 0) << run.output << run.errors;
  ExpectNoLeaks(run);
}

TEST_F(ProgramTest, AMissingFirstLevelIsReportedAndTheGameRunsOn)
{
  const fs::path game = GameFolder(R"({"firstLevel": "no_such_level"})");
  ChildProgram program(game, {"windowed", "quit_after,20"}, folder.Path());
  const Finished run = program.Wait(std::chrono::seconds(60));
  ASSERT_TRUE(run.exited) << run.output << run.errors;
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.output.find("Space could not load no_such_level."), std::string::npos) << run.output;
  ExpectNoLeaks(run);
}

TEST_F(ProgramTest, TheEditorLoopStartsAndEndsCleanly)
{
  const std::string editorSettings = R"({"startInEditMode": true, "currentlyEditing": "testlevel"})";
  const fs::path game = GameFolder(R"({"firstLevel": "testlevel"})", editorSettings);
  ChildProgram program(game, {"windowed", "quit_after,20"}, folder.Path());
  const Finished run = program.Wait(std::chrono::seconds(60));
  ASSERT_TRUE(run.exited) << run.errors;
  EXPECT_EQ(run.exitCode, 0) << run.output << run.errors;
  ExpectNoLeaks(run);
  // Nothing changed, so nothing is written: the editor's own view and an unmoved camera are not
  // the person's settings (the loop tests see a moved camera kept).
  EXPECT_EQ(ReadAll(game / "Assets" / "EditorSettings"), editorSettings);
}

TEST_F(ProgramTest, MalformedSettingsAreReportedAndTheProgramStopsInOrder)
{
  const std::string malformed = "{ \"firstLevel\": \"brackwater\", ";
  const fs::path game = GameFolder(malformed);
  ChildProgram program(game, {"windowed", "quit_after,2000"}, folder.Path());
  const Finished run = program.Wait(std::chrono::seconds(60));
  ASSERT_TRUE(run.exited) << "a clean stop, not a crash: " << run.errors;
  EXPECT_EQ(run.exitCode, EXIT_FAILURE);
  EXPECT_NE(run.output.find("[ERROR]"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("GameSettings"), std::string::npos) << "the message names the file";
  ExpectNoLeaks(run);
  EXPECT_EQ(ReadAll(game / "Assets" / "GameSettings"), malformed) << "the user's file is left as it was";
  EXPECT_FALSE(fs::exists(game / "crash.dmp"));
}

TEST_F(ProgramTest, MissingSettingsStopTheProgramInOrder)
{
  const fs::path game = GameFolder("");
  fs::remove(game / "Assets" / "GameSettings");
  ChildProgram program(game, {"windowed"}, folder.Path());
  const Finished run = program.Wait(std::chrono::seconds(60));
  ASSERT_TRUE(run.exited) << run.errors;
  EXPECT_EQ(run.exitCode, EXIT_FAILURE);
  EXPECT_NE(run.errors.find("Could not open game settings file"), std::string::npos) << run.errors;
  ExpectNoLeaks(run);
}

TEST_F(ProgramTest, ATerminateSignalEndsTheLoopCleanly)
{
  const fs::path game = GameFolder(R"({"firstLevel": "testlevel"})");
  // The frame limit only bounds the test should the signal be lost.
  ChildProgram program(game, {"windowed", "quit_after,6000"}, folder.Path());
  ASSERT_TRUE(program.AwaitFrameLoop(std::chrono::seconds(60))) << "the frame loop never began";
  program.Signal(SIGTERM);
  const Finished run = program.Wait(std::chrono::seconds(30));
  ASSERT_TRUE(run.exited) << run.errors;
  EXPECT_EQ(run.exitCode, 0) << run.output << run.errors;
  ExpectNoLeaks(run);
}

// Ctrl+C or a terminate signal at any point of the start-up ends the program as asked: exit code 0
// and no data error, wherever the signal found it. The points are the game's own: after its 1st,
// ..., last open of a data file (counted by a run without the signal).
TEST_F(ProgramTest, ATerminateSignalAnywhereInTheStartUpIsACleanStop)
{
  const fs::path game = folder.Path() / "game";
  fs::create_directories(game);
  fs::copy(fs::current_path() / "Assets", game / "Assets", fs::copy_options::recursive);
  int opens = 0;
  {
    OpenCounter counter(game / "Assets");
    ChildProgram whole(game, {"windowed", "quit_after,1"}, folder.Path());
    const Finished run = whole.Wait(std::chrono::seconds(60));
    ASSERT_TRUE(run.exited && run.exitCode == 0) << run.output << run.errors;
    opens = counter.Seen();
  }
  ASSERT_GT(opens, 50) << "the start-up reads every prefab, shader and sound";
  constexpr int Points = 12;
  for (int point = 0; point < Points; ++point)
  {
    const int after = 1 + (opens - 1) * point / (Points - 1);
    SCOPED_TRACE("terminated after " + std::to_string(after) + " of " + std::to_string(opens) + " opened files");
    OpenCounter counter(game / "Assets");
    // The frame limit only bounds the run should the signal be lost.
    ChildProgram program(game, {"windowed", "quit_after,6000"}, folder.Path());
    ASSERT_GE(counter.Await(after, std::chrono::seconds(60)), after) << "the game did not open that many files";
    program.Signal(SIGTERM);
    const Finished run = program.Wait(std::chrono::seconds(60));
    ASSERT_TRUE(run.exited) << run.output << run.errors;
    EXPECT_EQ(run.exitCode, 0) << run.output << run.errors;
    EXPECT_EQ(run.output.find("[ERROR]"), std::string::npos) << run.output;
    EXPECT_EQ(run.errors.find("[ERROR]"), std::string::npos) << run.errors;
    ExpectNoLeaks(run);
  }
}

// Any data file the game reads may be a pipe nobody writes to or a link to a device: each is
// refused at once with an "[ERROR]" line naming it, and the game goes on without it, or stops in
// order when it cannot draw without it. Waiting on one would hold the start-up for good.
TEST_F(ProgramTest, APipeOrADeviceInPlaceOfADataFileIsRefusedWithoutWaiting)
{
  enum class Kind { Pipe, Device };
  struct Case
  {
    std::vector<std::pair<std::string, Kind>> files;
    int exitCode;
  };
  const Case cases[] = {
      {{{"Ship/skirmish.txt", Kind::Pipe}, {"SoundResources.txt", Kind::Pipe},
        {"Sounds/Master Bank.strings.bank", Kind::Pipe}, {"Sounds/Samples/PistolShoot.wav", Kind::Pipe},
        {"Atlas/THE_ATLAS.png", Kind::Pipe}},
       EXIT_SUCCESS},
      // Links to a device: refused before anything is read from them.
      {{{"Ship/skirmish.txt", Kind::Device}, {"Atlas/THE_ATLAS.png", Kind::Device}}, EXIT_SUCCESS},
      {{{"Atlas/THE_ATLAS.txt", Kind::Pipe}}, EXIT_FAILURE},
      {{{"Shaders/TexBlend.frag", Kind::Pipe}, {"Shaders/atlass.vs", Kind::Device}}, EXIT_FAILURE},
  };
  for (const Case& broken : cases)
  {
    std::map<std::string, std::optional<std::string>> placeholders;
    for (const auto& [name, kind] : broken.files)
      placeholders[name] = "";
    fs::remove_all(folder.Path() / "game");
    const fs::path game = GameFolder(R"({"firstLevel": "skirmish"})", "", placeholders);
    for (const auto& [name, kind] : broken.files)
    {
      const fs::path file = game / "Assets" / name;
      fs::remove(file);
      if (kind == Kind::Pipe)
        ASSERT_EQ(mkfifo(file.c_str(), 0600), 0) << file;
      else
        fs::create_symlink("/dev/zero", file);
    }
    ChildProgram program(game, {"windowed", "quit_after,30"}, folder.Path());
    const Finished run = program.Wait(std::chrono::seconds(60));
    EXPECT_TRUE(run.exited) << "killed after 60 s of waiting on a pipe or reading a device: " << run.output
                            << run.errors;
    if (!run.exited)
      continue;
    EXPECT_EQ(run.exitCode, broken.exitCode) << run.output << run.errors;
    for (const auto& [name, kind] : broken.files)
    {
      const std::string base = fs::path(name).filename().string();
      bool reported = false;
      std::istringstream lines(run.output);
      for (std::string line; std::getline(lines, line);)
        reported = reported || (line.rfind("[ERROR]", 0) == 0 && line.find(base) != std::string::npos &&
                                line.find("It is not a regular file") != std::string::npos);
      EXPECT_TRUE(reported) << name << "\n" << run.output;
    }
    ExpectNoLeaks(run);
  }
}

// On a person's desktop, where a failed check could open a message box, bad data never does:
// each cause is one "[ERROR]" line and the game runs on (or stops in order).
TEST_F(ProgramTest, BadDataOnADesktopIsOneLinePerCauseAndNeverAMessageBox)
{
  // A first level with more objects than there are ids, 200 of them enrolled in a registry list
  // that does not exist, one collider larger than the physics grid; and a sound bank of no format.
  constexpr int objectCount = 7100;
  Json::Value objects(Json::arrayValue);
  for (int index = 0; index < objectCount; ++index)
  {
    Json::Value record;
    record["uuid"] = index + 1;
    record["name"] = "Thing " + std::to_string(index);
    record["prefab"] = "Default";
    if (index < 200)
      record["components"]["Registerer"]["registryType"] = "Bogus";
    if (index == 200)
      record["components"]["CircleCollider"]["radius"] = 1e12;
    objects.append(record);
  }
  Json::Value level;
  level["level"]["objects"] = objects;
  const fs::path game = GameFolder(R"({"firstLevel": "crowded"})", "",
                                   {{"LevelFiles/crowded.json", Json::FastWriter().write(level)},
                                    {"Sounds/Master Bank.bank", "{}"}});
  ChildProgram program(game, {"windowed", "quit_after,30"}, folder.Path(), true);
  const Finished run = program.Wait(std::chrono::seconds(120));
  ASSERT_TRUE(run.exited) << "nothing waits for a person to close a box: " << run.output << run.errors;
  EXPECT_EQ(run.exitCode, 0) << run.output << run.errors;
  for (const char* cause : {"Did not find Registry type: \"Bogus\"", "Collider too large for the broad phase grid",
                            "Out of object ids", "objects could be built; the rest of the level is not loaded.",
                            "The sound bank Assets/Sounds/Master Bank.bank could not be loaded"})
    EXPECT_EQ(CountOf(run.output, cause), 1u) << cause << "\n" << run.output;
  ExpectNoLeaks(run);

  // A malformed resource list, or one without its atlas or without the picture every missing one
  // falls back to, stops the game in order.
  const std::string withoutDefault =
      R"({"atlas": {"file": "Assets/Atlas/THE_ATLAS.png", "meta": "Assets/Atlas/crate.txt", "name": "THE_ATLAS"},
          "resources": [{"file": "a\\crate.png", "framecount": 1, "name": "crate", "type": "atlasSubtexture"}]})";
  for (const std::string& list :
       {std::string("{ \"atlas\": [ "), std::string("{}"), std::string(R"({"atlas": {"file": 5}})"), withoutDefault})
  {
    SCOPED_TRACE(list);
    fs::remove_all(folder.Path() / "game");
    const fs::path listGame = GameFolder(R"({"firstLevel": "testlevel"})", "",
                                         {{"RESOURCES.json", list}, {"Atlas/crate.txt", "crate = 0 0 16 16\n"}});
    ChildProgram listProgram(listGame, {"windowed", "quit_after,2000"}, folder.Path(), true);
    const Finished listRun = listProgram.Wait(std::chrono::seconds(60));
    ASSERT_TRUE(listRun.exited) << listRun.output << listRun.errors;
    EXPECT_EQ(listRun.exitCode, EXIT_FAILURE) << listRun.output;
    EXPECT_NE(listRun.output.find("[ERROR] You fucked up the resource file"), std::string::npos) << listRun.output;
    EXPECT_NE(listRun.output.find("[ERROR] The game's resources could not be loaded"), std::string::npos);
    ExpectNoLeaks(listRun);
    EXPECT_FALSE(fs::exists(listGame / "crash.dmp"));
    EXPECT_EQ(ReadAll(listGame / "Assets" / "RESOURCES.json"), list);
  }
}

TEST_F(ProgramTest, AMissingOrUnlinkableShaderStopsTheProgramInOrder)
{
  // One shader file gone; another pair that compiles but cannot link (its vertex stage has no main).
  const std::map<std::string, std::optional<std::string>> broken[] = {
      {{"Shaders/TexBlend.frag", std::nullopt}},
      {{"Shaders/atlass.vs", "#version 410 core\nvoid helper() {}\n"}}};
  const char* const reports[] = {"[ERROR] Could not open shader file: Assets\\Shaders\\TexBlend.frag",
                                 "| ERROR::Shader: Link-time error"};
  for (int i = 0; i < 2; ++i)
  {
    SCOPED_TRACE(reports[i]);
    fs::remove_all(folder.Path() / "game");
    const fs::path game = GameFolder(R"({"firstLevel": "testlevel"})", "", broken[i]);
    ChildProgram program(game, {"windowed", "quit_after,2000"}, folder.Path());
    const Finished run = program.Wait(std::chrono::seconds(60));
    ASSERT_TRUE(run.exited) << "a clean stop, not a crash: " << run.errors;
    EXPECT_EQ(run.exitCode, EXIT_FAILURE);
    EXPECT_NE(run.output.find(reports[i]), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("[ERROR] The game's resources could not be loaded"), std::string::npos) << run.output;
    ExpectNoLeaks(run);
    EXPECT_FALSE(fs::exists(game / "crash.dmp"));
  }
}

TEST_F(ProgramTest, OnAnEmptyLevelTheGameHoldsItsFrameCapAndReportsItsFrames)
{
  const fs::path game = GameFolder(R"({"firstLevel": "empty"})", "", {{"LevelFiles/empty.json", R"({"level": {"objects": []}})"}});
  ChildProgram program(game, {"windowed", "quit_after,240"}, folder.Path());
  const Finished run = program.Wait(std::chrono::seconds(120));
  ASSERT_TRUE(run.exited) << run.errors;
  EXPECT_EQ(run.exitCode, 0) << run.output << run.errors;
  ExpectNoLeaks(run);
  EXPECT_EQ(run.output.find("Space could not load"), std::string::npos) << run.output;

  // "Frames: 240 in 2.001 s (...)", printed as the program ends. How fast a loaded machine runs
  // them is a figure of tools/measure-program.sh, not a check; the cap can only be broken by
  // running too fast, which no slow machine does. 239 whole frame periods of 1/120 s at least
  // (the first frame may start inside its period) give 120.5 a second at most.
  const std::size_t at = run.output.find("Frames: ");
  ASSERT_NE(at, std::string::npos) << run.output;
  double frames = 0, seconds = 0;
  ASSERT_EQ(std::sscanf(run.output.c_str() + at, "Frames: %lf in %lf s", &frames, &seconds), 2) << run.output;
  EXPECT_EQ(frames, 240.0) << run.output;
  ASSERT_GT(seconds, 0.0) << run.output;
  EXPECT_LE(frames / seconds, 121.0) << "the cap holds: " << run.output;
}

TEST_F(ProgramTest, ACrashLeavesItsReportAndStillEndsAsACrash)
{
  const fs::path game = GameFolder(R"({"firstLevel": "testlevel"})");
  ChildProgram program(game, {"windowed", "quit_after,100000"}, folder.Path());
  ASSERT_TRUE(program.AwaitFrameLoop(std::chrono::seconds(60))) << "the frame loop never began";
  program.Signal(SIGSEGV);
  const Finished run = program.Wait(std::chrono::seconds(30));
  EXPECT_FALSE(run.exited);
  EXPECT_EQ(run.endingSignal, SIGSEGV) << run.errors;
  ASSERT_TRUE(fs::exists(game / "crash.dmp"));
  const std::string report = ReadAll(game / "crash.dmp");
  EXPECT_NE(report.find("Signal: 11 (SIGSEGV)"), std::string::npos) << report;
}
