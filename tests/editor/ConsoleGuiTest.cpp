#include "editor/ConsoleGui.h"

#include "FakeConsoleHost.h"
#include "HeadlessImGui.h"
#include "gameplay/combat/GodMode.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
const TextCommandOutput& TextAt(const ConsoleGui& console, std::size_t index)
{
  return dynamic_cast<const TextCommandOutput&>(*console.GetLog().at(index));
}
}  // namespace

TEST(ConsoleGuiTest, EverySeparatorSplits)
{
  using Words = std::vector<std::string>;
  EXPECT_EQ((Words{"cls", "", ""}), ConsoleGui::SplitCommandLine("cls  ", ' '));
  EXPECT_EQ((Words{"", "help"}), ConsoleGui::SplitCommandLine(" help", ' '));
  EXPECT_EQ((Words{"load_level", "Encounter", "skirmish"}), ConsoleGui::SplitCommandLine("load_level,Encounter,skirmish", ','));
  EXPECT_EQ((Words{"god_mode on"}), ConsoleGui::SplitCommandLine("god_mode on", ','));
  EXPECT_EQ((Words{""}), ConsoleGui::SplitCommandLine("", ' '));
}

TEST(ConsoleGuiTest, CommandLinesFindTheirCommandOrAnswerUnknown)
{
  FakeConsoleHost host;
  ConsoleGui console(&host);
  console.ExecuteCommand("", ' ');
  EXPECT_TRUE(console.GetLog().empty()) << "an empty line adds nothing";

  console.ExecuteCommand("GOD_MODE on", ' ');
  console.ExecuteCommand(" help", ' ');
  console.ExecuteCommand("cls  ", ' ');
  ASSERT_EQ(1u, console.GetLog().size()) << "cls with two trailing blanks still clears";
  EXPECT_EQ("", TextAt(console, 0).GetHeader());
  EXPECT_EQ("", TextAt(console, 0).GetText());

  console.ExecuteCommand("GOD_MODE on", ' ');
  ASSERT_EQ(2u, console.GetLog().size());
  EXPECT_EQ("GOD_MODE on", TextAt(console, 1).GetHeader());
  EXPECT_EQ("Unknown command", TextAt(console, 1).GetText());
  EXPECT_FALSE(console.HasNewOutput()) << "commands do not count as new output";
}

TEST(ConsoleGuiTest, ProcessCommandLineRunsEachWordWithCommas)
{
  FakeConsoleHost host;
  ConsoleGui console(&host);
  SetGodMode(false);
  const char* together[] = {"corvane", "god_mode,on", "windowed"};
  console.ExecuteProcessCommandLine(3, together);
  EXPECT_TRUE(IsGodModeOn());
  EXPECT_FALSE(host.fullscreenStart);
  ASSERT_EQ(2u, console.GetLog().size());
  EXPECT_EQ("gode_mode set to on", TextAt(console, 0).GetText());
  EXPECT_EQ("Starting in windowed mode", TextAt(console, 1).GetHeader());

  console.ClearLog();
  const char* apart[] = {"corvane", "god_mode", "off"};
  console.ExecuteProcessCommandLine(3, apart);
  EXPECT_TRUE(IsGodModeOn()) << "god_mode alone only shows its usage";
  ASSERT_EQ(2u, console.GetLog().size());
  EXPECT_EQ("Usage: \n  god_mode on/off", TextAt(console, 0).GetText());
  EXPECT_EQ("Unknown command", TextAt(console, 1).GetText());

  console.ClearLog();
  const char* none[] = {"corvane"};
  console.ExecuteProcessCommandLine(1, none);
  EXPECT_TRUE(console.GetLog().empty()) << "no arguments: one empty word, which does nothing";
  SetGodMode(false);
}

TEST(ConsoleGuiTest, CapturedLinesBecomeColouredEntries)
{
  FakeConsoleHost host;
  std::streambuf* const before = std::cout.rdbuf();
  {
    ConsoleGui console(&host);
    std::cout << "plain line\n[ERROR]\n[ERROR] broken file\n";
    std::cout << std::string(300, 'x') << "\n[WARNING] careful\nno line end yet";
    console.PollOutput();
    EXPECT_TRUE(console.HasNewOutput());
    ASSERT_EQ(5u, console.GetLog().size());
    EXPECT_EQ("plain line", TextAt(console, 0).GetText());
    EXPECT_EQ("", TextAt(console, 0).GetHeader());
    EXPECT_EQ((std::array<float, 4>{1, 1, 1, 1}), TextAt(console, 1).GetColour()) << "a bare prefix stays white";
    EXPECT_EQ((std::array<float, 4>{1, 0, 0, 1}), TextAt(console, 2).GetColour());
    EXPECT_EQ(300u, TextAt(console, 3).GetText().size()) << "long lines are kept whole";
    EXPECT_EQ((std::array<float, 4>{1, 1, 0, 1}), TextAt(console, 4).GetColour());
    EXPECT_EQ(2, host.consoleShown) << "the error and the warning open the console";

    console.PollOutput();
    EXPECT_EQ(5u, console.GetLog().size()) << "an unfinished line waits for its line end";
    std::cout << ", now done" << std::endl;
    console.PollOutput();
    ASSERT_EQ(6u, console.GetLog().size());
    EXPECT_EQ("no line end yet, now done", TextAt(console, 5).GetText());
  }
  EXPECT_EQ(before, std::cout.rdbuf()) << "standard output is given back";
}

TEST(ConsoleGuiTest, DrawShowsTheLogFiltersTextAndClearsTheInput)
{
  HeadlessImGui imgui;
  FakeConsoleHost host;
  ConsoleGui console(&host);
  std::cout << "alpha\nbeta\n";
  console.PollOutput();
  console.ExecuteCommand("show_fps", ' ');
  char input[128];
  std::strcpy(input, "typed but not entered");

  imgui.NewFrame();
  console.Draw(input, sizeof(input));
  imgui.Render();
  EXPECT_EQ('\0', input[0]);
  EXPECT_FALSE(console.HasNewOutput());
  EXPECT_EQ(0u, host.consoleShown);

  // A filtered-out text entry draws nothing: the cursor does not move.
  imgui.NewFrame();
  ImGui::Begin("Filter probe");
  const float top = ImGui::GetCursorPosY();
  TextCommandOutput("", "beta").Print("alp");
  EXPECT_EQ(top, ImGui::GetCursorPosY());
  TextCommandOutput("", "alpha %s %n").Print("alp");
  EXPECT_GT(ImGui::GetCursorPosY(), top) << "drawn verbatim, never as a format";
  ImGui::End();
  imgui.Render();
}

TEST(ConsoleGuiTest, TypedLineRunsOnEnter)
{
  HeadlessImGui imgui;
  ImGuiIO& io = ImGui::GetIO();
  io.KeyMap[ImGuiKey_Tab] = 9;
  io.KeyMap[ImGuiKey_Enter] = 13;
  FakeConsoleHost host;
  host.spaces["Overworld"] = false;
  ConsoleGui console(&host);
  char input[128] = {};
  // Frame by frame: Tab moves focus into the command field, the line is typed, Enter runs it.
  const std::string typed = "pause Overworld";
  for (int frame = 0; frame < 8 + static_cast<int>(typed.size()); ++frame)
  {
    io.KeysDown[9] = frame == 1;
    const int letter = frame - 4;
    if (letter >= 0 && letter < static_cast<int>(typed.size()))
      io.AddInputCharacter(static_cast<unsigned>(typed[static_cast<std::size_t>(letter)]));
    io.KeysDown[13] = letter == static_cast<int>(typed.size()) + 1;
    imgui.NewFrame();
    console.Draw(input, sizeof(input));
    imgui.Render();
    EXPECT_EQ('\0', input[0]);
  }
  ASSERT_EQ(1u, console.GetLog().size());
  EXPECT_EQ("Overworld paused", dynamic_cast<const TextCommandOutput&>(*console.GetLog()[0]).GetText());
  EXPECT_TRUE(host.spaces["Overworld"]);
}
