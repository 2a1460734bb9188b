#include "physics/NoclipCommand.h"

#include "object/GameObject.h"
#include "physics/Collider.h"

const char* const NoclipHelpText =
    "      Set all players' collision group to PLAYER_NOCLIP, or back to PLAYER (original value).\n"
    "              Noclip allows player to walk through walls/props.";

NoclipReply RunNoclipCommand(const std::vector<std::string>& words, const std::vector<Handle<GameObject>>& players)
{
  const bool on = words.size() >= 2 && words[1] == "on";
  const bool off = words.size() >= 2 && words[1] == "off";
  if (!on && !off)
    return {"noclip", "Usage: \n  noclip on/off"};
  for (const Handle<GameObject>& player : players)
  {
    if (Collider* collider = GetCollider(player.Get()))
      collider->group = on ? CollisionGroup::PLAYER_NOCLIP : CollisionGroup::PLAYER;
  }
  return {"noclip", std::string("Set all players' collision groups to ") +
                        (on ? "PLAYER_NOCLIP" : "PLAYER (no clip disabled)")};
}
