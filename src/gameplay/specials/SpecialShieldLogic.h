#pragma once
// A shield: for "duration" seconds after a use, contacts do the holder no harm, and a bubble
// ("EN_Shield") rides on the item. Every later shield lasts "maxDur" seconds. Dropping the item
// ends a running shield.
#include "gameplay/specials/Special.h"

class SpecialShieldLogic : public Special
{
public:
  static constexpr std::uint32_t TypeId = COMP_SpecialShieldLogic;
  static constexpr const char* UseSoundPath = "event:/SFX/Shield";
  static constexpr const char* BubblePrefab = "EN_Shield";

  SpecialShieldLogic() : Special(TypeId) {}
  SpecialShieldLogic& operator=(const SpecialShieldLogic&) = default;

  void OnAwake() override { Wake(UseSoundPath); }
  void GetMembers(std::vector<MemberBase*>& members) override;

  bool IsActive() const { return active; }
  float GetDuration() const { return duration; }
  const Handle<GameObject>& GetBubble() const { return shieldObject; }

protected:
  void StartEffect() override;
  void UpdateEffect(float dt) override;
  void Hold(const Handle<GameObject>& newHolder) override { holder = newHolder; }
  void LetGo() override;

private:
  void EndShield();
  void SetHolderShielded(bool shielded);

  float duration = 0.0f;  // seconds left of the running shield, or the length of the next
  bool active = false;
  float maxDur = 0.0f;    // the length of every later shield
  Transient<Handle<GameObject>> holder;
  Transient<Handle<GameObject>> shieldObject;
};
