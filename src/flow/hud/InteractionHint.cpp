#include "flow/hud/InteractionHint.h"

#include "object/GameObject.h"
#include "render/Sprite.h"

void InteractionHint::OnAwake()
{
  if (GameObject* owner = GetGameObject())
    if (Sprite* sprite = owner->GetComponent<Sprite>())
      sprite->SetDraw(true);
}
