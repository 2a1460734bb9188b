#pragma once
// The console's "noclip" command: switches every player's collider between the groups
// "PLAYER_NOCLIP" (walks through walls and props) and "PLAYER". The console calls it with the
// typed words and the objects registered under PLAYERS, and prints the reply.
#include "core/Handle.h"

#include <string>
#include <vector>

class GameObject;

struct NoclipReply
{
  std::string header;
  std::string text;
};

extern const char* const NoclipHelpText;

NoclipReply RunNoclipCommand(const std::vector<std::string>& words, const std::vector<Handle<GameObject>>& players);
