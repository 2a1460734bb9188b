#include "gameplay/items/Equippable.h"

#include "core/Log.h"
#include "core/Send.h"
#include "gameplay/items/ItemEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Transform.h"
#include "physics/Collider.h"
#include "physics/PhysicsEvents.h"
#include "physics/Rigidbody.h"

#include <glm/geometric.hpp>

void Equippable::OnAwake()
{
  SubscribeOnOwner<CollisionEvent>(this);
  SubscribeOnOwner<EquipEvent>(this);
  SubscribeOnOwner<DequipEvent>(this);
  ownerTransform = GetGameObject() != nullptr ? GetGameObject()->GetTransform() : nullptr;
  // Every pick-up and drop sounds the same, whatever the data says.
  pickupSound.SetEvent(SwapSoundPath);
}

void Equippable::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "equipped", &equipped, RenderBool, false);
  Members::AddMember(members, "pickup_sound", &pickupSound.GetEvent(), RenderSoundPath, std::string(Sound::DefaultPath));
  Members::AddMember(members, "special", &special, RenderBool, false);
}

void Equippable::On(CollisionEvent* event)
{
  if (event->other)
    SendNow<TouchedItem>(BRINDLE_SITE, event->other->GetId(), GetOwner(), this);
}

void Equippable::On(EquipEvent* event)
{
  Equip(event->other);
  pickupSound.Play();
}

void Equippable::On(DequipEvent* event)
{
  Unequip(event->other);
  pickupSound.Play();
}

bool Equippable::Equip(GameObject* holder)
{
  Transform* holderTransform = holder != nullptr ? holder->GetTransform() : nullptr;
  if (ownerTransform != nullptr && holderTransform != nullptr)
  {
    ownerTransform->SetParent(holderTransform);
    ownerTransform->SetPosition({0.0f, 0.0f});
  }
  SetPhysicsActive(false);
  return true;
}

bool Equippable::Unequip(GameObject* holder)
{
  Transform* holderTransform = holder != nullptr ? holder->GetTransform() : nullptr;
  if (ownerTransform == nullptr || holderTransform == nullptr)
    return true;
  ownerTransform->SetParent(holderTransform->GetParent());
  SetPhysicsActive(true);

  GameObject* object = GetGameObject();
  const Rigidbody* holderBody = holder->GetComponent<Rigidbody>();
  Rigidbody* body = object != nullptr ? object->GetComponent<Rigidbody>() : nullptr;
  if (body != nullptr)
  {
    const glm::vec2 holderVelocity = holderBody != nullptr ? holderBody->velocity : glm::vec2(0.0f);
    const float speed = glm::length(holderVelocity);
    const float throwSpeed = speed > ThrowThreshold ? ThrowSpeed : 0.0f;
    body->SetVelocity(speed > 0.0f ? holderVelocity / speed * throwSpeed : glm::vec2(0.0f));
    body->SetAngularVelocity(throwSpeed != 0.0f ? ThrowSpin : 0.0f);
  }
  const glm::vec2 below = holderTransform->GetWorldPosition() - glm::vec2(0.0f, DropDistance);
  ownerTransform->SetWorldPosition(below.x, below.y);
  equipped = false;
  return true;
}

void Equippable::SetPhysicsActive(bool active)
{
  GameObject* object = GetGameObject();
  Collider* collider = GetCollider(object);
  Rigidbody* body = object != nullptr ? object->GetComponent<Rigidbody>() : nullptr;
  if (collider != nullptr)
    collider->SetActive(active);
  if (body != nullptr)
    body->SetActive(active);
  if ((collider == nullptr || body == nullptr) && object != nullptr)
    LogOnce("Equippable " + object->GetPrefabName(), LogLevel::Error, "Equippable item \"", object->GetPrefabName(),
            "\" lacks a ", collider == nullptr ? "collider" : "Rigidbody",
            "; every item needs a circle collider and a Rigidbody.");
}
