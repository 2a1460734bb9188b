#pragma once
// "watch NAME...": from now on the state report (app/SessionStateReport.h) describes the objects
// of those names or made from the prefabs of those names, where they are and how hurt; "watch"
// alone describes none. A script that plays the game gives it on the command line
// ("watch,Throne,BossFieldGenerator"; a word holds no blank) to find what it aims at.
#include "editor/ConsoleCommandOutputFactory.h"

class GameSession;

class WatchCommand : public ConsoleCommandOutputFactory
{
public:
  explicit WatchCommand(GameSession& session) : ConsoleCommandOutputFactory("watch"), session(session) {}
  std::unique_ptr<ConsoleCommandOutput> Execute(const std::vector<std::string>& words) override;
  std::string GetHelpText() const override;

private:
  GameSession& session;
};
