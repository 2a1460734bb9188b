#pragma once
// Fires once, on the first of the happenings it watches (equipped, interacted with, died, touched
// by the player, used): it writes what happened and announces its "stage" to its space with a
// TriggerEvent, which the tutorials follow.
#include "core/Log.h"
#include "core/Send.h"
#include "flow/FlowEvents.h"
#include "gameplay/combat/CombatEvents.h"
#include "gameplay/items/ItemEvents.h"
#include "gameplay/player/PlayerEvents.h"
#include "object/Component.h"
#include "object/FrameEvents.h"
#include "object/Members.h"
#include "object/Space.h"
#include "physics/CollisionGroup.h"
#include "physics/PhysicsEvents.h"

#include <cstdint>

class Trigger : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_Trigger;

  Trigger() : Component(TypeId) {}
  Trigger& operator=(const Trigger&) = default;

  void OnAwake() override
  {
    if (onEquip)
      SubscribeOnOwner<EquipEvent>(this);
    if (onInteract)
      SubscribeOnOwner<InteractionEvent>(this);
    if (onDied)
      SubscribeOnOwner<DiedEvent>(this);
    if (onCollision)
      SubscribeOnOwner<CollisionEvent>(this);
    if (onUse)
      SubscribeOnOwner<UseEvent>(this);
  }

  void GetMembers(std::vector<MemberBase*>& members) override
  {
    Members::AddMember(members, "stage", &stage, RenderInt, 0);
    Members::AddMember(members, "OnEquip", &onEquip, RenderBool, false);
    Members::AddMember(members, "OnInteract", &onInteract, RenderBool, false);
    Members::AddMember(members, "OnDied", &onDied, RenderBool, false);
    Members::AddMember(members, "OnCollision", &onCollision, RenderBool, false);
    Members::AddMember(members, "OnUse", &onUse, RenderBool, false);
  }

  void On(EquipEvent*) { Fire("equipped!"); }
  void On(InteractionEvent*) { Fire("interaction!"); }
  void On(DiedEvent*) { Fire("death!"); }
  void On(CollisionEvent* event)
  {
    if (event->otherGroup == static_cast<std::uint32_t>(CollisionGroup::PLAYER))
      Fire("Collision!");
  }
  void On(UseEvent*) { Fire("use!"); }

  bool HasFired() const { return fired; }

private:
  void Fire(const char* word)
  {
    Space* space = GetSpace();
    if (fired || space == nullptr)
      return;
    LogLine(word);
    fired = true;
    Queue<TriggerEvent>(BRINDLE_SITE, space->GetId(), static_cast<std::uint32_t>(stage));
  }

  int stage = 0;
  bool onEquip = false;
  bool onInteract = false;
  bool onDied = false;
  bool onCollision = false;
  bool onUse = false;
  bool fired = false;
};
