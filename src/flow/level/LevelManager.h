#pragma once
// Carried by every playable level (the overworld, the encounters, the boss room, the tutorial).
// It turns what happens in its own level into the flow events of the level transition manager:
// a rammed enemy ship starts an encounter, the player leaving through the exit returns to the
// overworld (from the tutorial: to the main menu) with the equipped items carried over, and the
// player's death or the boss's defeat leads to the end screen. Waking, it makes sure the space
// "Admin" with the level "admin" (the transition manager and the score) exists.
//
// It listens on its own space's id only. A transition to a level without a file is reported and
// leaves this level running.
//
// In the overworld it keeps the player's ship out of the other ships' reach after an encounter and
// near the king's galleon (ShipHold), and points the way to the galleon once that has come. The hold
// begins at the ram and again as the transition manager brings the ship back (ReturnToOverworldEvent
// on this space's id), so that an overworld loaded anew on the way back holds the ship too.
#include "flow/level/BossShipSignpost.h"
#include "flow/level/ShipHold.h"
#include "object/Component.h"

class BossWinEvent;
class CorvaExitEvent;
class DiedEvent;
class GameObject;
class ReturnToOverworldEvent;
class ShipAttackedEvent;
class UpdateEvent;

class LevelManager : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_LevelManager;

  LevelManager() : Component(TypeId) {}
  // Nothing travels: the component table starts copies as constructed.
  LevelManager& operator=(const LevelManager&) { return *this; }

  void OnAwake() override;

  void On(DiedEvent* event);
  void On(ShipAttackedEvent* event);
  void On(CorvaExitEvent* event);
  void On(BossWinEvent* event);
  void On(ReturnToOverworldEvent* event);
  void On(UpdateEvent* event);

  const BossShipSignpost& GetSignpost() const { return signpost; }

private:
  // The last player registered in this level, or null.
  GameObject* FindPlayer() const;
  // Stores the prefab names of the items in the player's three slots as the run's carried items;
  // an empty slot leaves the stored name of its kind as it was.
  static void CarryItems(const GameObject& player);
  // The end screen replaces every level of the run, this one with them.
  void GoToEndScreen();
  ShipHold hold;
  BossShipSignpost signpost;
};
