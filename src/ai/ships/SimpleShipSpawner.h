#pragma once
// Launches an enemy ship ("Enemy Ship") from where it stands on its second update, then every 10
// seconds while its space runs, through the factory's spawn requests on its own id.
#include "object/Component.h"

#include <string>

class UpdateEvent;

class SimpleShipSpawner : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_SimpleShipSpawner;
  static constexpr float Interval = 10.0f;  // seconds

  SimpleShipSpawner() : Component(TypeId) {}
  // A copy starts as constructed: the type table says so.
  SimpleShipSpawner& operator=(const SimpleShipSpawner&) { return *this; }

  void OnAwake() override;

  void On(UpdateEvent* event);

private:
  std::string prefab = "Enemy Ship";
  float timer = 0.0f;
};
