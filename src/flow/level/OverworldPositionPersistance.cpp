#include "flow/level/OverworldPositionPersistance.h"

#include "object/GameObject.h"
#include "object/Registry.h"
#include "object/Transform.h"

void OverworldPositionPersistance::OnAwake()
{
  Registry* registry = Registry::Instance();
  GameObject* owner = GetGameObject();
  if (registry == nullptr || owner == nullptr)
    return;
  record = registry->GetDataBoard().FindEntry(owner->GetName());
  owner->GetTransform()->SetWorldPosition(record.position.x, record.position.y);
}

void OverworldPositionPersistance::OnDestroy()
{
  Registry* registry = Registry::Instance();
  GameObject* owner = GetGameObject();
  if (registry == nullptr || owner == nullptr)
    return;
  registry->GetDataBoard().FindEntry(owner->GetName()).position = owner->GetTransform()->GetWorldPosition();
}
