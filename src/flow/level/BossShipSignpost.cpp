#include "flow/level/BossShipSignpost.h"

#include "ai/ships/WaypointArrow.h"
#include "flow/level/LevelSpaces.h"
#include "flow/level/LevelTransitionManager.h"
#include "object/GameObject.h"
#include "object/Removal.h"
#include "object/Space.h"
#include "object/SpaceLookup.h"
#include "object/SpaceNames.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "render/Sprite.h"
#include "render/TextToSprite.h"

#include <glm/geometric.hpp>

void BossShipSignpost::Update(Space& space, float dt)
{
  const Handle<GameObject> bossShip = space.GetObjectNamed(LevelTransitionManager::BossShipName);
  if (!bossShip)
  {
    // Boarded: nothing is left to point at.
    QueueRemoval(arrow);
    arrow = Handle<GameObject>();
    return;
  }
  if (!announced)
    Announce(space);
  if (GameObject* pointer = arrow.Get())
    Point(*pointer, bossShip->GetTransform()->GetWorldPosition());
  if (hail && (hailLeft -= dt) < 0.0f)
  {
    QueueRemoval(hail);
    hail = Handle<GameObject>();
  }
}

void BossShipSignpost::Point(GameObject& pointer, glm::vec2 bossShip)
{
  const std::optional<glm::vec2> ship = WaypointArrow::ShipPosition();
  // Nearer, the arrow would stand beside or past the galleon and point away from it; the galleon,
  // on the screen by then, shows itself.
  const bool shown = !ship || glm::distance(*ship, bossShip) >= HiddenWithin;
  if (Sprite* sprite = pointer.GetSprite())
    sprite->SetDraw(shown);
  if (shown)
    WaypointArrow::PointAt(pointer, bossShip);
}

void BossShipSignpost::Announce(Space& space)
{
  announced = true;
  arrow = Spawn(ArrowPrefab, &space);
  // The HUD is drawn but not updated after an encounter: the challenge stands still on it, and
  // this overworld takes it down again.
  Space* hud = FindLiveSpace(SpaceNames::OverworldHud);
  if (hud == nullptr)
    return;
  hail = Spawn(HailPrefab, hud);
  hailLeft = HailSeconds;
  if (TextToSprite* goal = FindText(hud, "OW_Reputation_Goal"))
    goal->SetString(GoalLine);
}
