#pragma once
// Something the boss throws: a turret to be, or its hat at death. The thrower sets the landing
// point and the prefab to leave there and pushes the object off; its Rigidbody flies it. On the
// first update on which it is nearer its target than "distanceFromTarget" it lands: it makes the
// prefab where it stands (nothing for an empty name) and removes itself. A radius of 0 never lands.
#include "object/Component.h"

#include <glm/vec2.hpp>
#include <string>

class UpdateEvent;

class ThrownObject : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ThrownObject;
  static constexpr const char* LandedName = "ThrownSpawn";
  // The debug drawing's size argument for the landing point.
  static constexpr float TargetMarkSize = 200.0f;

  ThrownObject() : Component(TypeId) {}
  ThrownObject& operator=(const ThrownObject& other) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(UpdateEvent* event);

  void SetTarget(float x, float y) { target = glm::vec2(x, y); }
  void SetPrefab(const std::string& prefab) { prefabToMake = prefab; }
  glm::vec2 GetTarget() const { return target; }
  const std::string& GetPrefab() const { return prefabToMake; }
  bool HasLanded() const { return landed; }

private:
  std::string prefabToMake;
  glm::vec2 target{0.0f, 0.0f};
  float distanceFromTarget = 0.0f;
  // Its removal takes effect later in the frame; it lands once.
  bool landed = false;
};
