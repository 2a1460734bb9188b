#include "render/TimedHide.h"

#include "core/EventManager.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Space.h"
#include "render/Sprite.h"

TimedHide::TimedHide() : Component(TypeId) {}

TimedHide::~TimedHide() = default;

void TimedHide::OnAwake()
{
  if (GetGameObject() == nullptr)
    return;
  SubscribeOnSpace<UpdateEvent>(this);
  if (Sprite* sprite = FindSprite("hiding it"))
    sprite->SetDraw(false);
}

void TimedHide::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "delay", &delay, RenderFloat, 5.0f);
}

Sprite* TimedHide::FindSprite(const char* skippedStep)
{
  GameObject* object = GetGameObject();
  Sprite* sprite = object != nullptr ? object->GetComponent<Sprite>() : nullptr;
  if (sprite == nullptr)
    missingSprite.Report(*this, "Sprite", skippedStep);
  return sprite;
}

void TimedHide::On(UpdateEvent* event)
{
  delay -= event->dt;
  if (delay < 0.0f)
  {
    if (Sprite* sprite = FindSprite("showing it"))
      sprite->SetDraw(true);
  }
}
