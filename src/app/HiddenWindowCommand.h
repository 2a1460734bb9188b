#pragma once
// "hidden": the game starts in a small hidden window instead of its own (only on the command line,
// like "windowed"). Everything is still drawn, into a picture nobody sees and too small to cost
// much on a software renderer: for runs that read no pixel, such as loading every level.
#include "editor/ConsoleCommandOutputFactory.h"

class GameSession;

class HiddenWindowCommand : public ConsoleCommandOutputFactory
{
public:
  explicit HiddenWindowCommand(GameSession& session) : ConsoleCommandOutputFactory("hidden"), session(session) {}
  std::unique_ptr<ConsoleCommandOutput> Execute(const std::vector<std::string>& words) override;
  std::string GetHelpText() const override;

private:
  GameSession& session;
};
