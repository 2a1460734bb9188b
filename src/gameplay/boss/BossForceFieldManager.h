#pragma once
// Raises the throne room's shield wall ("BossField", named "ShieldWall") at its fixed place when
// the room starts, and lowers it when its own object dies.
#include "core/Handle.h"
#include "object/Component.h"

#include <glm/vec2.hpp>
#include <vector>

class DiedEvent;
class GameObject;

class BossForceFieldManager : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_BossForceFieldManager;
  static constexpr glm::vec2 FieldPosition{1600.0f, 2300.0f};

  BossForceFieldManager() : Component(TypeId) {}
  ~BossForceFieldManager() override = default;
  BossForceFieldManager& operator=(const BossForceFieldManager&) = default;

  void OnAwake() override;

  void On(DiedEvent* event);

  const std::vector<Handle<GameObject>>& GetFields() const { return fields; }

private:
  Transient<std::vector<Handle<GameObject>>> fields;
};
