#include "render/ParticleBoxSpawnModifier.h"

#include "object/GameObject.h"
#include "render/ParticleEditorButton.h"
#include "render/ParticleSystem.h"

ParticleBoxSpawnModifier::ParticleBoxSpawnModifier() : Component(TypeId) {}

void ParticleBoxSpawnModifier::OnAwake()
{
  GameObject* object = GetGameObject();
  ParticleSystem* system = object != nullptr ? object->GetComponent<ParticleSystem>() : nullptr;
  if (system == nullptr)
  {
    missingSystem.Report(*this, "ParticleSystem", "installing the box spawn");
    return;
  }
  system->SetSpawnFunction(&BoxSpawn);
}

void ParticleBoxSpawnModifier::RenderEditorButtons()
{
  if (ParticleEditorButton("Reapply Modifier"))
    OnAwake();
}
