#pragma once
// A breakable wall of the ship: the first explosion that touches it destroys it with a bang and a
// scatter of rubble. The ship map then clears the wall's code and announces the breach, which may
// vent a room.
#include "audio/Sound.h"
#include "object/Component.h"

class CollisionEvent;

class WallLogic : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_WallLogic;
  static constexpr const char* BreakSound = "event:/SFX/WallbreakV2";

  WallLogic() : Component(TypeId) {}
  ~WallLogic() override = default;
  WallLogic& operator=(const WallLogic&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(CollisionEvent* event);

  // 0 for a wall on a tile's right edge, anything else for one on its bottom edge.
  std::uint32_t GetType() const { return type; }
  bool IsBroken() const { return broken; }

private:
  void ScatterRubble();

  std::uint32_t type = 0;
  Sound breakSound;
  bool broken = false;
};
