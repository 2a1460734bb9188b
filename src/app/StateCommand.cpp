#include "app/StateCommand.h"

#include "app/SessionStateReport.h"

std::unique_ptr<ConsoleCommandOutput> StateCommand::Execute(const std::vector<std::string>&)
{
  return std::make_unique<TextCommandOutput>("state", SessionStateReport::Line(session));
}

std::string StateCommand::GetHelpText() const
{
  return "    (Shows the line \"State: {...}\": spaces, player, editor. SIGUSR1 writes it to standard output.)";
}
