#pragma once
// Makes the ParticleSystem of its object spawn inside a box: "spawnRandos" then reads as
// (x minimum, x maximum, y minimum, y maximum) around the origin point plus "offset".
#include "object/Component.h"
#include "object/MissingSiblingWarning.h"

class ParticleBoxSpawnModifier : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ParticleBoxSpawnModifier;

  ParticleBoxSpawnModifier();
  ParticleBoxSpawnModifier& operator=(const ParticleBoxSpawnModifier&) = default;

  void OnAwake() override;
  // No members; the inspector shows "Reapply Modifier", which installs the box spawn again.
  void RenderEditorButtons() override;

private:
  MissingSiblingWarning missingSystem;
};
