#include "flow/level/ShipHold.h"

#include "flow/level/LevelTransitionManager.h"
#include "flow/level/LoadEncounter.h"
#include "object/GameObject.h"
#include "object/Registry.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "physics/Collider.h"
#include "physics/CollisionGroup.h"
#include "physics/Rigidbody.h"

#include <glm/geometric.hpp>
#include <limits>

namespace
{
glm::vec2 PlaceOf(GameObject& object)
{
  return object.GetTransform()->GetWorldPosition();
}

float RadiusOf(const GameObject& object)
{
  Collider* collider = GetCollider(&object);
  return collider != nullptr ? collider->GetBoundingRadius() : 0.0f;
}

// The player's overworld ship when it is in this space.
GameObject* ShipIn(const Space& space)
{
  GameObject* ship = Registry::FirstOf(RegistryType::OW_CORVA).Get();
  return ship != nullptr && ship->GetSpace() == &space && ship->GetTransform() != nullptr ? ship : nullptr;
}
}  // namespace

void ShipHold::Begin(Space& space)
{
  graceLeft = Grace;
  returning = true;
  GameObject* ship = ShipIn(space);
  if (ship == nullptr)
    return;
  // Held at once, so that no second ship boards it in the same step, nor as the overworld runs again
  // before this is updated. It comes back at rest where it rammed, and flies on at the player's keys.
  if (auto* body = ship->GetComponent<Rigidbody>())
    body->SetVelocity(glm::vec2(0.0f, 0.0f));
  Hold(*ship, true);
}

void ShipHold::Update(Space& space, float dt)
{
  GameObject* ship = ShipIn(space);
  if (ship == nullptr)
    return;
  // Counted only while this space runs: the encounter's time does not count.
  if (graceLeft > 0.0f)
    graceLeft -= dt;
  const Handle<GameObject> galleon = space.GetObjectNamed(LevelTransitionManager::BossShipName);
  GameObject* king = galleon.Get();
  const glm::vec2 at = PlaceOf(*ship);
  if (returning && graceLeft <= 0.0f && !ShipsAbout(space, at, king))
    returning = false;
  const float toKing = king != nullptr && king->GetTransform() != nullptr ? glm::distance(at, PlaceOf(*king))
                                                                         : std::numeric_limits<float>::infinity();
  const bool inWaters = toKing < WatersRadius;
  Hold(*ship, returning || inWaters);
  if (held && graceLeft <= 0.0f && inWaters && toKing < RadiusOf(*ship) + RadiusOf(*king))
    if (LoadEncounter* boarding = galleon->GetComponent<LoadEncounter>())
      boarding->Board();
}

bool ShipHold::ShipsAbout(Space& space, glm::vec2 at, const GameObject* galleon)
{
  for (const auto& [id, handle] : space.GetObjectsById())
  {
    GameObject* object = handle.Get();
    if (object == nullptr || object == galleon || object->GetTransform() == nullptr)
      continue;
    const Collider* collider = GetCollider(object);
    if (collider != nullptr && collider->group == CollisionGroup::SHIP &&
        glm::distance(PlaceOf(*object), at) < ClearDistance)
      return true;
  }
  return false;
}

void ShipHold::Hold(GameObject& ship, bool hold)
{
  if (hold == held)
    return;
  held = hold;
  if (Collider* collider = GetCollider(&ship))
    collider->group = hold ? CollisionGroup::PLAYER_NOCLIP : CollisionGroup::PLAYER;
}
