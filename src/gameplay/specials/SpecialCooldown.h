#pragma once
// The small HUD bar that counts a time down: a special's cooldown, a gun's reload. Its creator
// places it and starts it with SetCooldown; the bar fades, shrinks and sinks as the time runs,
// and removes itself when the time is up.
#include "object/Component.h"

#include <string>

class UpdateEvent;

class SpecialCooldown : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_SpecialCooldown;

  SpecialCooldown() : Component(TypeId) {}
  SpecialCooldown& operator=(const SpecialCooldown& other) = default;

  void OnAwake() override;
  void On(UpdateEvent* event);

  // Starts the count with `elapsed` of `total` seconds already gone and draws that state. A total
  // that is not above 0 has nothing to show: the bar removes itself without drawing.
  void SetCooldown(float elapsed, float total);
  // Draws the state: alpha 1 - f/2, height scaled by 1 - f, 120 f units lower, f being the part
  // of the total already gone.
  void Refresh();

  float GetRemaining() const { return remaining; }
  float GetTotal() const { return total; }

private:
  float remaining = 0.0f;
  float total = 0.0f;
  float inverseTotal = 0.0f;
};

// A bar from "HUD_SpecialCooldown" named `barName` on the HUD, 20 units below the HUD object named
// `besideName`, started at `elapsed` of `total` seconds. Empty when there is no HUD; placed at the
// HUD's origin when the HUD lacks that object.
Handle<GameObject> ShowCooldownBar(const std::string& barName, const std::string& besideName, float elapsed,
                                   float total);
