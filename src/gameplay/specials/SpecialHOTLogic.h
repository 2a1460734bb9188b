#pragma once
// Heal over time: a use heals the holder by "healing" hitpoints a second for "duration" seconds,
// with the item's particle system running meanwhile.
#include "gameplay/specials/Special.h"

class SpecialHOTLogic : public Special
{
public:
  static constexpr std::uint32_t TypeId = COMP_SpecialHOTLogic;
  static constexpr const char* UseSoundPath = "event:/SFX/HealOverTime";

  SpecialHOTLogic() : Special(TypeId) {}
  SpecialHOTLogic& operator=(const SpecialHOTLogic& other) = default;

  // Also silences the item's particles until a use, keeping their rate for it.
  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  bool IsActive() const { return active; }
  float GetCurrDuration() const { return currduration; }

protected:
  void StartEffect() override;
  void UpdateEffect(float dt) override;
  void Hold(const Handle<GameObject>& newHolder) override { holder = newHolder; }
  void LetGo() override;

private:
  void SetParticleRate(float rate);

  float duration = 0.0f;
  float currduration = 0.0f;
  bool active = false;
  float healing = 0.0f;  // hitpoints per second
  Handle<GameObject> holder;
  float savedParticleRate = 6.0f;
};
