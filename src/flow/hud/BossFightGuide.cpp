#include "flow/hud/BossFightGuide.h"

#include "flow/hud/HudText.h"
#include "gameplay/combat/Health.h"
#include "object/GameObject.h"
#include "object/Removal.h"
#include "object/Space.h"
#include "object/SpaceLookup.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "physics/Collider.h"

namespace
{
// The object of that name in the room while it stands.
Handle<GameObject> Standing(Space& room, const char* name)
{
  const Handle<GameObject> found = room.GetObjectNamed(name);
  const Health* health = found ? found->GetComponent<Health>() : nullptr;
  return health != nullptr && health->IsAlive() ? found : Handle<GameObject>();
}
}  // namespace

void BossFightGuide::Update(Space& room)
{
  if ((target = Standing(room, GeneratorName)))
    Show(room, GeneratorHint);
  else if ((target = Standing(room, ThroneName)))
    Show(room, ThroneHint);
  else
    Clear();
}

void BossFightGuide::Show(Space& room, const std::string& line)
{
  if (!marker)
    marker = Spawn(MarkerPrefab, &room);
  Transform* ring = marker ? marker->GetTransform() : nullptr;
  const Transform* at = target->GetTransform();
  if (ring != nullptr && at != nullptr)
  {
    const glm::vec2 place = at->GetWorldPosition();
    ring->SetWorldPosition(place.x, place.y);
    Collider* body = GetCollider(target.Get());
    const float size = MarkerSize * (body != nullptr ? body->GetBoundingRadius() : 64.0f);
    ring->SetScale(glm::vec2(size, size));
  }
  if (!hint)
    hint = Spawn(HintPrefab, HudSpace());
  ShowHudText(hint ? hint->GetComponent<TextToSprite>() : nullptr, line);
}

void BossFightGuide::Clear()
{
  target = Handle<GameObject>();
  QueueRemoval(marker);
  QueueRemoval(hint);
  marker = Handle<GameObject>();
  hint = Handle<GameObject>();
}
