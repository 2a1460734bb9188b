#pragma once
// Anything touching its object starts a new run of the overworld: its own space is hidden and
// paused and the music goes over to the ambient tracks. "level file" is kept for the editor only.
#include "object/Component.h"

#include <string>

class CollisionEvent;

class SimpleButtonLogic : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_SimpleButtonLogic;

  SimpleButtonLogic() : Component(TypeId) {}
  SimpleButtonLogic& operator=(const SimpleButtonLogic&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;
  void On(CollisionEvent* event);

private:
  std::string levelFile;
};
