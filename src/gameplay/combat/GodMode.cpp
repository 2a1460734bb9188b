#include "gameplay/combat/GodMode.h"

#include "gameplay/combat/Health.h"
#include "object/GameObject.h"
#include "object/Registry.h"

namespace
{
bool godMode = false;

template <typename Apply>
void ForEachHealth(RegistryType type, Apply apply)
{
  Registry* registry = Registry::Instance();
  if (registry == nullptr)
    return;
  for (const Handle<GameObject>& object : registry->GetObjects(type))
  {
    if (Health* health = object ? object->GetComponent<Health>() : nullptr)
      apply(*health);
  }
}
}  // namespace

void SetGodMode(bool on)
{
  godMode = on;
  ForEachHealth(RegistryType::PLAYERS, [on](Health& health) { health.SetInvulnerable(on); });
  ForEachHealth(RegistryType::ENEMIES, [on](Health& health) { health.SetOneHit(on); });
}

bool IsGodModeOn()
{
  return godMode;
}
