#include "gameplay/boss/BossForceFieldManager.h"

#include "core/Log.h"
#include "gameplay/combat/CombatEvents.h"
#include "object/GameObject.h"
#include "object/ObjectEvents.h"
#include "object/Removal.h"
#include "object/Space.h"
#include "object/Spawning.h"

void BossForceFieldManager::OnAwake()
{
  // Placed before it wakes, so its collider starts where the wall stands.
  if (Handle<GameObject> field = SpawnAt("BossField", GetSpace(), FieldPosition, "ShieldWall"); field.IsValid())
  {
    fields.push_back(field);
    LogLine("Force field: raised");
  }
  SubscribeOnOwner<DiedEvent>(this);
}

void BossForceFieldManager::On(DiedEvent*)
{
  if (fields.empty())
    return;
  QueueRemoval(fields.front());
  LogLine("Force field: lowered");
}
