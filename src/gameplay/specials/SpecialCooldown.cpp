#include "gameplay/specials/SpecialCooldown.h"

#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Removal.h"
#include "object/Space.h"
#include "object/SpaceLookup.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "render/Sprite.h"

#include <algorithm>

void SpecialCooldown::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
  LetSpaceDestroyOwner();
}

void SpecialCooldown::SetCooldown(float elapsed, float newTotal)
{
  if (!(newTotal > 0.0f))
  {
    remaining = 0.0f;
    total = 0.0f;
    inverseTotal = 0.0f;
    QueueRemoval(GetOwner());
    return;
  }
  total = newTotal;
  remaining = newTotal - elapsed;
  inverseTotal = 1.0f / newTotal;
  Refresh();
}

void SpecialCooldown::Refresh()
{
  GameObject* object = GetGameObject();
  if (object == nullptr || !(total > 0.0f))
    return;
  const float gone = 1.0f - remaining / total;
  if (Sprite* sprite = object->GetComponent<Sprite>())
  {
    fColor colour = sprite->GetColor();
    colour.a = 1.0f - 0.5f * gone;
    sprite->SetColor(colour);
    const glm::vec2 scale = sprite->GetScale();
    sprite->SetScale(scale.x, scale.y - scale.y * gone);
  }
  if (Transform* transform = object->GetTransform())
  {
    const glm::vec2 position = transform->GetWorldPosition();
    transform->SetWorldPosition(position.x, position.y - inverseTotal * gone * 120.0f * total);
  }
}

void SpecialCooldown::On(UpdateEvent* event)
{
  remaining -= event->dt;
  GameObject* object = GetGameObject();
  if (object != nullptr)
  {
    if (Sprite* sprite = object->GetComponent<Sprite>())
    {
      fColor colour = sprite->GetColor();
      colour.a = std::max(colour.a - inverseTotal * event->dt * 0.25f, 0.0f);
      sprite->SetColor(colour);
      const glm::vec2 scale = sprite->GetScale();
      // The height stops at 0 rather than turning the bar upside down.
      sprite->SetScale(scale.x, std::max(scale.y - inverseTotal * 6.5f * event->dt, 0.0f));
    }
    if (Transform* transform = object->GetTransform())
    {
      const glm::vec2 position = transform->GetWorldPosition();
      transform->SetWorldPosition(position.x, position.y - inverseTotal);
    }
  }
  if (remaining <= 0.0f)
    QueueRemoval(GetOwner());
}

Handle<GameObject> ShowCooldownBar(const std::string& barName, const std::string& besideName, float elapsed,
                                   float total)
{
  Space* hud = HudSpace();
  if (hud == nullptr)
    return {};
  glm::vec2 place(0.0f, 0.0f);
  auto beside = hud->FindObjectByName(besideName);
  if (beside != hud->ObjectsEnd() && beside->second && beside->second->GetTransform() != nullptr)
    place = beside->second->GetTransform()->GetWorldPosition() + glm::vec2(0.0f, -20.0f);
  Handle<GameObject> bar = SpawnAt("HUD_SpecialCooldown", hud, place, barName);
  if (SpecialCooldown* cooldown = bar ? bar->GetComponent<SpecialCooldown>() : nullptr)
    cooldown->SetCooldown(elapsed, total);
  return bar;
}
