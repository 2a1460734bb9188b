#pragma once
// "state": writes the state report (app/SessionStateReport.h) to the log, as SIGUSR1 does.
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
