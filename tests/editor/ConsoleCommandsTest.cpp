#include "editor/ConsoleCommands.h"

#include "FakeConsoleHost.h"
#include "HeadlessImGui.h"
#include "editor/ConsoleCommandGraphs.h"
#include "editor/ConsoleGui.h"
#include "gameplay/combat/GodMode.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

namespace
{
class ConsoleCommandsTest : public ::testing::Test
{
protected:
  // Runs a line typed into the window and returns its reply.
  const TextCommandOutput& Run(const std::string& line)
  {
    console.ExecuteCommand(line, ' ');
    return dynamic_cast<const TextCommandOutput&>(*console.GetLog().back());
  }

  FakeConsoleHost host;
  ConsoleGui console{&host};
};
}  // namespace

TEST_F(ConsoleCommandsTest, HelpListsEveryCommandInWordOrder)
{
  const TextCommandOutput& all = Run("help");
  EXPECT_EQ("help", all.GetHeader());
  EXPECT_EQ("cls  \n"
            "display_editor  \n"
            "god_mode      (Disables/enables infinite health for all players. Resets upon level changes.)\n"
            "help  \n"
            "load_level  \n"
            "mem_stats  \n"
            "noclip        Set all players' collision group to PLAYER_NOCLIP, or back to PLAYER (original value).\n"
            "              Noclip allows player to walk through walls/props.\n"
            "pause      (Pauses/Unpauses the specified space. Usage: pause [space_name])\n"
            "score      (Sets the run's score. Usage: score points)\n"
            "show_fps  \n"
            "windowed  Start the game in windowed mode.  Must use as cmd-line arg for effect.\n"
            "winmode  winmode big|small\n",
            all.GetText());

  const TextCommandOutput& one = Run("help god_mode");
  EXPECT_EQ("helpgod_mode", one.GetHeader());
  EXPECT_EQ("    (Disables/enables infinite health for all players. Resets upon level changes.)", one.GetText());
  EXPECT_EQ("Unknown command", Run("help nothing").GetText());
}

TEST_F(ConsoleCommandsTest, GodModeSetsTheSwitchOnlyOnExactArguments)
{
  SetGodMode(false);

  EXPECT_EQ("Usage: \n  god_mode on/off", Run("god_mode").GetText());
  EXPECT_EQ("Usage: \n god_mode on/off", Run("god_mode On").GetText());
  EXPECT_FALSE(IsGodModeOn());

  const TextCommandOutput& on = Run("god_mode on");
  EXPECT_EQ("god_mode", on.GetHeader());
  EXPECT_EQ("gode_mode set to on", on.GetText());
  EXPECT_TRUE(IsGodModeOn());
  EXPECT_EQ("gode_mode set to off", Run("god_mode off extra").GetText());
  EXPECT_FALSE(IsGodModeOn());
}

TEST_F(ConsoleCommandsTest, LoadLevelChecksWordsSpaceAndFile)
{
  TemporaryDirectory levels;
  levels.Write("skirmish.json", "{}");
  console.RegisterCommand(std::make_unique<LevelCommandFactory>(host, levels.Prefix()));
  host.spaces["Encounter"] = false;

  EXPECT_EQ("Usage: \n    load_level space levelname", Run("load_level Encounter").GetText());
  EXPECT_EQ("Usage: \n    load_level space levelname", Run("load_level Encounter skirmish ").GetText());
  EXPECT_EQ("Invalid space name.", Run("load_level Overworld skirmish").GetText());
  EXPECT_EQ("Level file cannot be opened.", Run("load_level Encounter missing").GetText());
  EXPECT_EQ("Level file cannot be opened.", Run("load_level Encounter ../skirmish").GetText());
  EXPECT_TRUE(host.pendingLevels.empty());

  const TextCommandOutput& loaded = Run("load_level Encounter skirmish");
  EXPECT_EQ("load_level", loaded.GetHeader());
  EXPECT_EQ("Loaded", loaded.GetText());
  EXPECT_EQ("skirmish", host.pendingLevels["Encounter"]);
}

TEST_F(ConsoleCommandsTest, PauseTogglesANamedSpace)
{
  host.spaces = {{"Overworld", false}, {"HUD", true}};
  EXPECT_EQ("Usage: \n  pause [space_name] \nValid spaces:\nHUD\nOverworld\n", Run("pause").GetText());
  EXPECT_EQ("Unable to find space: hud\nValid spaces:\n\tHUD\n\tOverworld\n", Run("pause hud").GetText());
  EXPECT_EQ("Overworld paused", Run("pause Overworld").GetText());
  EXPECT_TRUE(host.spaces["Overworld"]);
  EXPECT_EQ("HUD unpaused", Run("pause HUD").GetText());
  EXPECT_FALSE(host.spaces["HUD"]);
}

TEST_F(ConsoleCommandsTest, WindowAndEditorCommands)
{
  const TextCommandOutput& alone = Run("winmode");
  EXPECT_EQ("winmode", alone.GetHeader());
  EXPECT_EQ("No option specified", alone.GetText());
  const TextCommandOutput& other = Run("winmode huge");
  EXPECT_EQ("winmode huge", other.GetHeader());
  EXPECT_EQ("Unknown option huge", other.GetText());
  EXPECT_TRUE(host.windowMode.empty());
  EXPECT_EQ("Window set to fullscreen", Run("winmode big").GetText());
  EXPECT_EQ("fullscreen", host.windowMode);
  EXPECT_EQ("Window set to windowed", Run("winmode small").GetText());
  EXPECT_EQ("windowed", host.windowMode);

  const TextCommandOutput& windowed = Run("windowed");
  EXPECT_EQ("Starting in windowed mode", windowed.GetHeader());
  EXPECT_EQ("", windowed.GetText());
  EXPECT_FALSE(host.fullscreenStart);

  const TextCommandOutput& editor = Run("display_editor");
  EXPECT_EQ("display_editor", editor.GetHeader());
  EXPECT_EQ("Opened", editor.GetText());
  EXPECT_EQ(1, host.debugViewShown);
}

TEST_F(ConsoleCommandsTest, FrameRateGraphSamplesOncePerDrawnFrame)
{
  HeadlessImGui imgui;
  console.ExecuteCommand("show_fps", ' ');
  auto& graph = dynamic_cast<FPSCommandOutput&>(*console.GetLog().back());
  EXPECT_EQ("show_fps", graph.GetHeader());
  host.frameTime = 0.008f;
  imgui.NewFrame();
  ImGui::Begin("Graphs");
  graph.Print("no match");
  ImGui::End();
  imgui.Render();
  EXPECT_EQ(1, graph.GetCurrentIndex());
  EXPECT_FLOAT_EQ(125.0f, graph.GetHistory()[1]);
  EXPECT_EQ(0.0f, graph.GetHistory()[0]) << "only the newest sample is set";

  host.frameTime = 0.0f;
  for (int frame = 0; frame < FPSCommandOutput::HistoryLength; ++frame)
  {
    imgui.NewFrame();
    ImGui::Begin("Graphs");
    graph.Print("");
    ImGui::End();
    imgui.Render();
  }
  EXPECT_EQ(1, graph.GetCurrentIndex()) << "wrapped once";
  EXPECT_EQ(0.0f, graph.GetHistory()[1]) << "a zero frame time gives 0, not infinity";
}

TEST_F(ConsoleCommandsTest, MemoryGraphSamplesAfterMoreThanOneSecond)
{
  HeadlessImGui imgui;
  console.ExecuteCommand("mem_stats", ' ');
  EXPECT_NE(nullptr, dynamic_cast<MemoryCommandOutput*>(console.GetLog().back().get()));

  MemoryCommandOutput graph(host, [] { return std::uint64_t{300} << 20; });
  host.dtUs = 250000;
  for (int frame = 0; frame < 5; ++frame)
  {
    imgui.NewFrame();
    ImGui::Begin("Graphs");
    graph.Print("");
    ImGui::End();
    imgui.Render();
    if (frame < 4)
    {
      EXPECT_EQ(0u, graph.GetLastWorkingSet()) << "exactly one second is not yet more than one";
    }
  }
  EXPECT_EQ(std::uint64_t{300} << 20, graph.GetLastWorkingSet());
  EXPECT_EQ(300.0f, graph.GetHistory()[0]);
  EXPECT_EQ(1, graph.GetCurrentIndex());

  const std::uint64_t resident = MemoryCommandOutput::ReadWorkingSetBytes();
  EXPECT_GT(resident, std::uint64_t{1} << 20);
}
