#pragma once
// A flash on a hit: when its object loses health, its sprite turns transparent and fades back to
// opaque over "flashDuration" seconds. Heals and hits during a running flash change nothing.
#include "object/Component.h"

class HealthChangedEvent;
class UpdateEvent;

class DamageEffect : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_DamageEffect;

  DamageEffect() : Component(TypeId) {}
  DamageEffect& operator=(const DamageEffect& other) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(HealthChangedEvent* event);
  void On(UpdateEvent* event);

  float GetTimer() const { return timer; }

private:
  float flashDuration = 0.3f;
  float timer = 0.0f;
};
