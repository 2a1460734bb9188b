#include "app/HiddenWindowCommand.h"

#include "app/GameSession.h"

std::unique_ptr<ConsoleCommandOutput> HiddenWindowCommand::Execute(const std::vector<std::string>&)
{
  session.SetHiddenStart();
  return std::make_unique<TextCommandOutput>("hidden", "Starting in a hidden window");
}

std::string HiddenWindowCommand::GetHelpText() const
{
  return "    (Starts the game in a small hidden window; nothing shows. Only on the command line.)";
}
