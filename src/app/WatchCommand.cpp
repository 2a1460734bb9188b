#include "app/WatchCommand.h"

#include "app/GameSession.h"

std::unique_ptr<ConsoleCommandOutput> WatchCommand::Execute(const std::vector<std::string>& words)
{
  std::vector<std::string> names(words.size() > 1 ? words.begin() + 1 : words.end(), words.end());
  std::string shown;
  for (const std::string& name : names)
    shown += (shown.empty() ? "" : ", ") + name;
  session.SetWatchedNames(std::move(names));
  return std::make_unique<TextCommandOutput>("watch", shown.empty() ? "Watching nothing" : "Watching " + shown);
}

std::string WatchCommand::GetHelpText() const
{
  return "    (The state report describes the objects of these names. Usage: watch [name ...])";
}
