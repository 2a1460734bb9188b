#include "editor/ConsoleCommands.h"

#include "editor/ConsoleCommandGraphs.h"
#include "editor/ConsoleGui.h"
#include "core/Send.h"
#include "gameplay/combat/GodMode.h"
#include "gameplay/score/ScoreBoard.h"
#include "gameplay/score/ScoreEvents.h"
#include "object/Space.h"
#include "object/SpaceLookup.h"

#include <charconv>
#include <filesystem>

namespace
{
std::unique_ptr<ConsoleCommandOutput> Reply(std::string header, std::string text)
{
  return std::make_unique<TextCommandOutput>(std::move(header), std::move(text));
}

// A level name names a file in the level folder, never a path out of it.
bool IsPlainFileName(const std::string& name)
{
  return !name.empty() && name.find('/') == std::string::npos && name.find('\\') == std::string::npos &&
         name.find("..") == std::string::npos;
}
}  // namespace

std::unique_ptr<ConsoleCommandOutput> HelpOutputFactory::Execute(const std::vector<std::string>& words)
{
  if (words.size() >= 2)
  {
    const auto found = console.GetCommands().find(words[1]);
    if (found == console.GetCommands().end() || found->second == nullptr)
      return Reply(words[0] + words[1], "Unknown command");
    return Reply(words[0] + words[1], found->second->GetHelpText());
  }
  std::string text;
  for (const auto& [name, command] : console.GetCommands())
    text += name + "  " + (command != nullptr ? command->GetHelpText() : std::string()) + "\n";
  return Reply("help", text);
}

std::unique_ptr<ConsoleCommandOutput> FPSCommand::Execute(const std::vector<std::string>&)
{
  return std::make_unique<FPSCommandOutput>(host);
}

std::unique_ptr<ConsoleCommandOutput> ClearCommand::Execute(const std::vector<std::string>&)
{
  console.ClearLog();
  return Reply("", "");
}

std::unique_ptr<ConsoleCommandOutput> LevelCommandFactory::Execute(const std::vector<std::string>& words)
{
  if (words.size() != 3)
    return Reply("load_level", "Usage: \n    load_level space levelname");
  const std::string& space = words[1];
  const std::string& level = words[2];
  if (!host.HasSpace(space))
    return Reply("load_level", "Invalid space name.");
  // Asked of the file system, not by opening it: opening a pipe waits for a writer.
  std::error_code error;
  if (!IsPlainFileName(level) || !std::filesystem::is_regular_file(levelDirectory + level + ".json", error))
    return Reply("load_level", "Level file cannot be opened.");
  host.SetPendingLevel(space, level);
  return Reply("load_level", "Loaded");
}

std::unique_ptr<ConsoleCommandOutput> MemoryCommand::Execute(const std::vector<std::string>&)
{
  return std::make_unique<MemoryCommandOutput>(host);
}

std::unique_ptr<ConsoleCommandOutput> ShowEditorCommand::Execute(const std::vector<std::string>&)
{
  host.ShowDebugView();
  return Reply("display_editor", "Opened");
}

std::unique_ptr<ConsoleCommandOutput> GodCommandFactory::Execute(const std::vector<std::string>& words)
{
  if (words.size() < 2)
    return Reply("god_mode", "Usage: \n  god_mode on/off");
  if (words[1] == "on" || words[1] == "off")
  {
    SetGodMode(words[1] == "on");
    return Reply("god_mode", "gode_mode set to " + words[1]);
  }
  return Reply("god_mode", "Usage: \n god_mode on/off");
}

std::string GodCommandFactory::GetHelpText() const
{
  return "    (Disables/enables infinite health for all players. Resets upon level changes.)";
}

std::unique_ptr<ConsoleCommandOutput> PauseCommandFactory::Execute(const std::vector<std::string>& words)
{
  if (words.size() < 2)
  {
    std::string text = "Usage: \n  pause [space_name] \nValid spaces:\n";
    for (const std::string& name : host.GetSpaceNames())
      text += name + "\n";
    return Reply("pause", text);
  }
  const std::string& space = words[1];
  if (!host.HasSpace(space))
  {
    std::string text = "Unable to find space: " + space + "\nValid spaces:\n";
    for (const std::string& name : host.GetSpaceNames())
      text += "\t" + name + "\n";
    return Reply("pause", text);
  }
  if (host.IsSpacePaused(space))
  {
    host.UnpauseSpace(space);
    return Reply("pause", space + " unpaused");
  }
  host.PauseSpace(space);
  return Reply("pause", space + " paused");
}

std::string PauseCommandFactory::GetHelpText() const
{
  return "    (Pauses/Unpauses the specified space. Usage: pause [space_name])";
}

std::unique_ptr<ConsoleCommandOutput> WindowCommad::Execute(const std::vector<std::string>&)
{
  host.SetWindowedStart();
  return Reply("Starting in windowed mode", "");
}

std::string WindowCommad::GetHelpText() const
{
  return "Start the game in windowed mode.  Must use as cmd-line arg for effect.";
}

std::unique_ptr<ConsoleCommandOutput> SetFullscreenCommand::Execute(const std::vector<std::string>& words)
{
  if (words.size() < 2)
    return Reply(words[0], "No option specified");
  const std::string header = words[0] + " " + words[1];
  if (words[1] == "big")
  {
    host.SetFullscreen();
    return Reply(header, "Window set to fullscreen");
  }
  if (words[1] == "small")
  {
    host.SetWindowed();
    return Reply(header, "Window set to windowed");
  }
  return Reply(header, "Unknown option " + words[1]);
}

std::string SetFullscreenCommand::GetHelpText() const
{
  return "winmode big|small";
}

std::unique_ptr<ConsoleCommandOutput> ScoreCommand::Execute(const std::vector<std::string>& words)
{
  constexpr std::int32_t Largest = 1000000000;
  std::int32_t points = -1;
  const std::string text = words.size() == 2 ? words[1] : std::string();
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), points);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || points < 0 || points > Largest)
    return Reply("score", "Usage: \n  score points   (a whole number from 0)");
  ScoreBoard* board = ScoreBoard::Find();
  if (board == nullptr)
    return Reply("score", "No run is being played.");
  // The board holds the new score before any space hears of the change: a fight's reputation adds
  // the change up and copies its total into the board, and the overworld's HUD shows the board's.
  const std::int32_t change = points - board->GetScore();
  board->SetScore(points);
  for (const std::string& name : host.GetSpaceNames())
  {
    if (Space* space = FindLiveSpace(name))
      SendNow<UpdateReputation>(BRINDLE_SITE, space->GetId(), change, 0.0f, 0.0f);
  }
  return Reply("score", "The score is " + std::to_string(points));
}

std::string ScoreCommand::GetHelpText() const
{
  return "    (Sets the run's score. Usage: score points)";
}
