#include "gameplay/player/CheatKeyCheck.h"

namespace
{
CheatKeyCheck installedCheck = nullptr;
}

void SetCheatKeyCheck(CheatKeyCheck check)
{
  installedCheck = check;
}

void PollCheatKeys(Space* space)
{
  if (installedCheck != nullptr)
    installedCheck(space);
}
