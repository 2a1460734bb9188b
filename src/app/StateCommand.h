#pragma once
// "state": shows the state report (app/SessionStateReport.h) in the console; SIGUSR1 writes the same
// line to standard output.
#include "editor/ConsoleCommandOutputFactory.h"

class GameSession;

class StateCommand : public ConsoleCommandOutputFactory
{
public:
  explicit StateCommand(GameSession& session) : ConsoleCommandOutputFactory("state"), session(session) {}
  std::unique_ptr<ConsoleCommandOutput> Execute(const std::vector<std::string>& words) override;
  std::string GetHelpText() const override;

private:
  GameSession& session;
};
