#include "gameplay/specials/SpecialHOTLogic.h"

#include "gameplay/combat/Health.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "render/ParticleSystem.h"

void SpecialHOTLogic::OnAwake()
{
  Wake(UseSoundPath);
  GameObject* object = GetGameObject();
  if (ParticleSystem* particles = object != nullptr ? object->GetComponent<ParticleSystem>() : nullptr)
  {
    savedParticleRate = particles->spawnRate;
    particles->spawnRate = 0.0f;
  }
}

void SpecialHOTLogic::GetMembers(std::vector<MemberBase*>& members)
{
  AddCoolDownMember(members);
  Members::AddMember(members, "duration", &duration, RenderFloat, 0.0f);
  Members::AddMember(members, "currduration", &currduration, RenderFloat, 0.0f);
  Members::AddMember(members, "active", &active, RenderBool, false);
  Members::AddMember(members, "healing", &healing, RenderFloat, 0.0f);
  AddCurrCoolDownMember(members);
}

void SpecialHOTLogic::SetParticleRate(float rate)
{
  GameObject* object = GetGameObject();
  if (ParticleSystem* particles = object != nullptr ? object->GetComponent<ParticleSystem>() : nullptr)
  {
    if (rate > 0.0f)
      particles->Reset();
    particles->spawnRate = rate;
  }
}

void SpecialHOTLogic::StartEffect()
{
  active = true;
  SetParticleRate(savedParticleRate);
}

void SpecialHOTLogic::UpdateEffect(float dt)
{
  if (!active)
    return;
  if (currduration < duration)
  {
    currduration += dt;
    if (Health* health = holder ? holder->GetComponent<Health>() : nullptr)
      health->AddHealth(healing * dt);
    return;
  }
  active = false;
  currduration = 0.0f;
  SetParticleRate(0.0f);
}

void SpecialHOTLogic::LetGo()
{
  holder.Reset();
  active = false;
  SetParticleRate(0.0f);
}
