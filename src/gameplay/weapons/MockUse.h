#pragma once
// Makes its object use its item every frame (a test dummy that keeps firing).
#include "core/Send.h"
#include "gameplay/items/ItemEvents.h"
#include "object/Component.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"

class MockUse : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_MockUse;

  MockUse() : Component(TypeId) {}
  MockUse& operator=(const MockUse&) = default;

  void OnAwake() override { SubscribeOnSpace<UpdateEvent>(this); }

  void On(UpdateEvent*)
  {
    if (GameObject* owner = GetGameObject())
      SendNow<UseEvent>(BRINDLE_SITE, owner->GetId(), true, 0u, false);
  }
};
