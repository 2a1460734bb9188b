#include "editor/NoclipConsoleCommand.h"

#include "object/Registry.h"
#include "physics/NoclipCommand.h"

std::unique_ptr<ConsoleCommandOutput> NoclipConsoleCommand::Execute(const std::vector<std::string>& words)
{
  // Without a registry (before the session starts) there are no players to switch.
  static const Registry::ObjectList noPlayers;
  Registry* registry = Registry::Instance();
  const NoclipReply reply =
      RunNoclipCommand(words, registry != nullptr ? registry->GetObjects(RegistryType::PLAYERS) : noPlayers);
  return std::make_unique<TextCommandOutput>(reply.header, reply.text);
}

std::string NoclipConsoleCommand::GetHelpText() const
{
  return NoclipHelpText;
}
