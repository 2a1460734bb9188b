#include "flow/hud/BossDialogueManager.h"

#include "flow/hud/DialogueBox.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Removal.h"
#include "object/Space.h"
#include "object/Transform.h"

void BossDialogueManager::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
  LetSpaceDestroyOwner();
  GameObject* owner = GetGameObject();
  dialogue = owner != nullptr ? owner->GetComponent<DialogueAnimator>() : nullptr;
  if (dialogue != nullptr)
    dialogue->SetLineSize(LineSize);
}

void BossDialogueManager::On(UpdateEvent* event)
{
  GameObject* owner = GetGameObject();
  if (owner == nullptr)
    return;
  if (counting)
    lifetime -= event->dt;
  // One request to go: the object is removed in this frame's queue pass.
  if (lifetime < 0.0f && !leaving)
  {
    leaving = true;
    QueueRemoval(GetOwner());
  }
  if (!player.IsValid())
    if (Space* space = GetSpace())
      player = space->GetObjectNamed(PlayerName);
  Transform* transform = owner->GetTransform();
  if (transform == nullptr)
    return;
  if (const Transform* followed = player.IsValid() ? player->GetTransform() : nullptr)
  {
    const glm::vec2 place = followed->GetWorldPosition() + PlayerOffset;
    transform->SetWorldPosition(place.x, place.y);
  }
  transform->SetScale(glm::vec2(1.0f, 1.0f));
  if (!textShown)
  {
    textShown = true;
    if (dialogue != nullptr)
      dialogue->SetText(Taunt);
  }
}
