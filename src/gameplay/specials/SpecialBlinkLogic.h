#pragma once
// Blink: a use teleports the holder "distance" units the way it faces, on the update after the
// use, leaving a streak of particles ("BlinkPSEffect") behind. In the boss's room the blink stops
// at the first wall on its way. It reads the facing from the holder's Agent.
#include "gameplay/specials/Special.h"

#include <glm/vec2.hpp>

class SpecialBlinkLogic : public Special
{
public:
  static constexpr std::uint32_t TypeId = COMP_SpecialBlinkLogic;
  static constexpr const char* UseSoundPath = "event:/SFX/Teleport";
  static constexpr const char* EffectPrefab = "BlinkPSEffect";
  // The level whose walls stop a blink.
  static constexpr const char* WalledLevel = "BossRoom";
  // Seconds the streak lingers after the arrival.
  static constexpr float EffectLinger = 0.5f;

  SpecialBlinkLogic() : Special(TypeId) {}
  SpecialBlinkLogic& operator=(const SpecialBlinkLogic&) = default;

  void OnAwake() override { Wake(UseSoundPath); }
  void GetMembers(std::vector<MemberBase*>& members) override;

  bool IsBlinking() const { return blinking; }
  const Handle<GameObject>& GetEffect() const { return effect; }

protected:
  void StartEffect() override;
  void UpdateEffect(float dt) override;
  // The holder is kept when the item is dropped: a blink under way still lands.
  void Hold(const Handle<GameObject>& newHolder) override { holder = newHolder; }

private:
  void Arrive();

  float distance = 500.0f;
  Transient<Handle<GameObject>> holder;
  glm::vec2 direction{1.0f, 0.0f};
  bool blinking = false;
  bool waitingForArrival = false;
  float blinkTimer = 0.0f;
  glm::vec2 target{0.0f, 0.0f};  // the arrival point
  Transient<Handle<GameObject>> effect;
};
