#pragma once
// "noclip on|off": every registered player walks through walls, or stops doing so.
#include "editor/ConsoleCommandOutputFactory.h"

class NoclipConsoleCommand : public ConsoleCommandOutputFactory
{
public:
  NoclipConsoleCommand() : ConsoleCommandOutputFactory("noclip") {}
  std::unique_ptr<ConsoleCommandOutput> Execute(const std::vector<std::string>& words) override;
  std::string GetHelpText() const override;
};
