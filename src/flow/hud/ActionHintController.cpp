#include "flow/hud/ActionHintController.h"

#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/NamedObjects.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "render/Sprite.h"

#include <glm/geometric.hpp>

void ActionHintController::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
  player = FindNamedObject(GetSpace(), "Player1");
  if (!player)
    player = FindNamedObject(GetSpace(), "AutoPlayer");
}

void ActionHintController::On(UpdateEvent*)
{
  GameObject* owner = GetGameObject();
  if (!player || owner == nullptr)
    return;
  const glm::vec2 here = owner->GetTransform()->GetWorldPosition();
  if (!hint)
    if (GameobjectFactory* factory = GameobjectFactory::Instance())
      factory->CreateGameObjectAt(hint, "EN_ActionHint", GetSpace(), here.x, here.y + 128.0f, "a hint");
  const float distance = glm::distance(player->GetTransform()->GetWorldPosition(), here);
  if (hint)
    if (Sprite* sprite = hint->GetComponent<Sprite>())
      sprite->SetDraw(distance < ShowDistance);
}
