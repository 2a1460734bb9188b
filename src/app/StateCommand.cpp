#include "app/StateCommand.h"

#include "app/SessionStateReport.h"

std::unique_ptr<ConsoleCommandOutput> StateCommand::Execute(const std::vector<std::string>&)
{
  SessionStateReport::Write(session);
  return std::make_unique<TextCommandOutput>("state", "");
}

std::string StateCommand::GetHelpText() const
{
  return "    (Writes one line \"State: {...}\" to the log: spaces, player, editor. SIGUSR1 does the same.)";
}
