#include "render/ParticleAInitFunc1.h"

#include "object/GameObject.h"
#include "render/ParticleSystem.h"

ParticleAInitFunc1::ParticleAInitFunc1() : Component(TypeId) {}

void ParticleAInitFunc1::OnAwake()
{
  GameObject* object = GetGameObject();
  ParticleSystem* system = object != nullptr ? object->GetComponent<ParticleSystem>() : nullptr;
  if (system == nullptr)
  {
    missingSystem.Report(*this, "ParticleSystem", "installing the converging spawn");
    return;
  }
  system->SetSpawnFunction(&ConvergingSpawn);
}
