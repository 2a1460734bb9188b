#pragma once
// Enrols its object in the Registry's list of one role while the object lives.
#include "object/Component.h"
#include "object/RegistryType.h"

class Registerer : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_Registerer;

  Registerer() : Component(TypeId) {}
  Registerer& operator=(const Registerer&) = default;

  // Sends RegisterGO at once on channel 4.
  void OnAwake() override;
  // Sends UnregisterGO at once on channel 4, with the id the object had when it woke.
  void OnDestroy() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  RegistryType GetRegistryType() const { return registryType; }
  void SetRegistryType(RegistryType type) { registryType = type; }

private:
  RegistryType registryType = RegistryType::NONE;
  // The object's id is returned before OnDestroy runs, so it is kept from waking.
  std::uint32_t registeredId = 0;
  bool registered = false;
};
