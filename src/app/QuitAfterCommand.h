#pragma once
// "quit_after N": the game loop ends by itself after N more frames, through the normal shutdown.
// On the command line ("quit_after,30") it lets scripts, tests and screenshots drive the real
// program for a known number of frames.
#include "editor/ConsoleCommandOutputFactory.h"

class GameSession;

class QuitAfterCommand : public ConsoleCommandOutputFactory
{
public:
  explicit QuitAfterCommand(GameSession& session) : ConsoleCommandOutputFactory("quit_after"), session(session) {}
  std::unique_ptr<ConsoleCommandOutput> Execute(const std::vector<std::string>& words) override;
  std::string GetHelpText() const override;

  // A whole number of frames from 1 to a billion; anything else gives false.
  static bool ParseFrameCount(const std::string& text, std::int64_t& frames);

private:
  GameSession& session;
};
