#pragma once
// Ends its object after a delay counted in the time steps of its space's updates, announcing an
// ExplosionEvent to it. A paused space does not update, so the delay stands still meanwhile.
#include "object/Component.h"

class UpdateEvent;

class TimedDestruction : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_TimedDestruction;

  TimedDestruction();
  ~TimedDestruction() override;
  TimedDestruction& operator=(const TimedDestruction&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(UpdateEvent* event);

  bool IsActive() const { return active; }
  void SetActive(bool isActive) { active = isActive; }
  float GetDestructionTime() const { return destructionTime; }
  void SetDestructionTime(float seconds) { destructionTime = seconds; }
  float GetElapsed() const { return elapsed; }

private:
  bool active = false;
  float destructionTime = 0.0f;
  float elapsed = 0.0f;
};
