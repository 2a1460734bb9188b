#include "gameplay/specials/SpecialBlinkLogic.h"

#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Removal.h"
#include "object/Space.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "physics/CollisionGroup.h"
#include "physics/PhysicsModule.h"
#include "physics/Rigidbody.h"
#include "render/ParticleSystem.h"
#include "steering/Agent.h"

#include <cmath>
#include <glm/geometric.hpp>

void SpecialBlinkLogic::GetMembers(std::vector<MemberBase*>& members)
{
  AddCoolDownMember(members);
  Members::AddMember(members, "distance", &distance, RenderFloat, 500.0f);
  AddCurrCoolDownMember(members);
}

void SpecialBlinkLogic::StartEffect()
{
  GameObject* body = holder.Get();
  GameObject* item = GetGameObject();
  Space* space = GetSpace();
  if (body == nullptr || body->GetTransform() == nullptr || item == nullptr || space == nullptr)
    return;
  const float facing = FacingOf(body);
  direction = glm::vec2(std::cos(facing), std::sin(facing));
  const glm::vec2 start = body->GetTransform()->GetWorldPosition();
  // The full way, unless a wall of the boss's room stands in it. (A ray that met nothing there
  // used to leave the arrival point of the blink before, or the origin.)
  target = start + direction * distance;
  if (space->GetName() == WalledLevel && item->GetTransform() != nullptr)
  {
    RayCastResult hit;
    PhysicsModule* physics = PhysicsModule::Of(space);
    if (physics != nullptr && physics->RayCast(item->GetTransform()->GetWorldPosition(), direction, distance,
                                    static_cast<std::uint32_t>(CollisionGroup::PATHING), false, hit, false))
      target = hit.point;
  }
  blinkTimer = 0.0f;
  if (Rigidbody* rigidbody = body->GetComponent<Rigidbody>())
    rigidbody->SetActive(false);
  blinking = true;
  waitingForArrival = true;
  QueueRemoval(effect);
  effect = SpawnAt(EffectPrefab, space, start, "blinkpseffect");
  if (ParticleSystem* particles = effect ? effect->GetComponent<ParticleSystem>() : nullptr)
  {
    const float angle = std::atan2(-direction.y, direction.x);
    particles->spawnRandos.x = angle;
    particles->spawnRandos.y = angle;
    particles->spawnRandos.z = distance;
    particles->velocityDirAngleMin = -1.5707964f;
    particles->velocityDirAngleMax = -1.5707964f;
    particles->Reset();
  }
}

void SpecialBlinkLogic::UpdateEffect(float dt)
{
  if (!blinking)
    return;
  blinkTimer -= dt;
  if (waitingForArrival)
  {
    if (blinkTimer <= 0.0f)
      Arrive();
    return;
  }
  if (blinkTimer < -EffectLinger)
  {
    QueueRemoval(effect);
    effect.Reset();
    blinking = false;
  }
}

void SpecialBlinkLogic::Arrive()
{
  waitingForArrival = false;
  if (GameObject* body = holder.Get())
  {
    if (Transform* transform = body->GetTransform())
      transform->SetWorldPosition(target.x, target.y);
    if (Rigidbody* rigidbody = body->GetComponent<Rigidbody>())
    {
      rigidbody->SetActive(true);
      rigidbody->SetVelocity(glm::vec2(0.0f, 0.0f));
    }
  }
  if (ParticleSystem* particles = effect ? effect->GetComponent<ParticleSystem>() : nullptr)
    particles->spawnRate = 0.0f;
}
