#pragma once
// On an enemy ship of the overworld: when the player's ship (collision group PLAYER) touches it,
// it tells its level that the ship was attacked, naming the encounter level to start and the
// faction that launched the ship, and then destroys itself. It fires once: a second touch in the
// same pass of the queue, before its destruction is carried out, starts nothing more. A touch
// whose ship is held out of reach by the time it is heard (ShipHold) boards nothing.
#include "object/Component.h"

#include <string>

class CollisionEvent;

class LoadEncounter : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_LoadEncounter;

  LoadEncounter() : Component(TypeId) {}
  LoadEncounter& operator=(const LoadEncounter&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;
  void On(CollisionEvent* event);
  // What the player's ship touching it does; also for a ship held out of the other ships' reach,
  // which touches nothing (ShipHold boards the king's galleon so).
  void Board();

  const std::string& GetLevelFilename() const { return levelFilename; }

private:
  std::string levelFilename = "skirmish";
  bool fired = false;
};
