#include "app/QuitAfterCommand.h"

#include "app/GameSession.h"

#include <cctype>

bool QuitAfterCommand::ParseFrameCount(const std::string& text, std::int64_t& frames)
{
  constexpr std::int64_t Largest = 1000000000;
  if (text.empty() || text.size() > 10)
    return false;
  std::int64_t value = 0;
  for (const char digit : text)
  {
    if (!std::isdigit(static_cast<unsigned char>(digit)))
      return false;
    value = value * 10 + (digit - '0');
  }
  if (value < 1 || value > Largest)
    return false;
  frames = value;
  return true;
}

std::unique_ptr<ConsoleCommandOutput> QuitAfterCommand::Execute(const std::vector<std::string>& words)
{
  std::int64_t frames = 0;
  if (words.size() < 2 || !ParseFrameCount(words[1], frames))
    return std::make_unique<TextCommandOutput>("quit_after", "Usage: \n  quit_after [frames]   (a whole number from 1)");
  session.QuitAfterFrames(frames);
  return std::make_unique<TextCommandOutput>("quit_after", "The game ends after " + words[1] + " frames");
}

std::string QuitAfterCommand::GetHelpText() const
{
  return "    (Ends the game after the given number of frames. Usage: quit_after [frames])";
}
