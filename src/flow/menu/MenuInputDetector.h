#pragma once
// The keyboard and controller side of a menu button. It belongs to the menu named by "menu", and
// "transitions" names its neighbours up, right, down and left (empty: none that way), resolved to
// objects of its space when it wakes. It is hovered while the menu input manager gives it the
// focus (forced hover), and triggered while focused and the accept action (17) is active. Accept
// and the directions held down as it woke count only once they have been let go.
// Waking, it announces itself to the menu input manager of its space.
#include "core/Handle.h"
#include "flow/detectors/Detector.h"
#include "flow/menu/MenuDirection.h"

#include <array>
#include <string>

class GameObject;

class MenuInputDetector : public Detector
{
public:
  static constexpr std::uint32_t TypeId = COMP_MenuInputDetector;

  MenuInputDetector() : Detector(TypeId, Kind::HoverAndTrigger) {}
  MenuInputDetector& operator=(const MenuInputDetector&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;
  bool CheckHovered() override { return GetForcedHover(); }
  bool CheckTriggered() override;

  // Whether the input action of that direction is active for the first player: up 13, right 16,
  // down 14, left 15. Anything else is false.
  bool IsDirectionPressed(MenuDirection direction) const;

  const std::array<std::string, MENU_DIRECTION_COUNT>& GetTransitions() const { return transitions; }
  void SetTransitions(const std::array<std::string, MENU_DIRECTION_COUNT>& names) { transitions = names; }
  void SetMenu(std::string name) { menu = std::move(name); }
  // The neighbour that way, or an empty handle.
  const Handle<GameObject>& GetNeighbour(MenuDirection direction) const { return neighbours[direction]; }

protected:
  bool IsInputHeld() override;

private:
  std::array<std::string, MENU_DIRECTION_COUNT> transitions;
  Transient<std::array<Handle<GameObject>, MENU_DIRECTION_COUNT>> neighbours;
};
