#pragma once
// Dash: a use pushes the holder along its motion (or, standing, the way it faces) with a force
// that starts at "forceApplied" and weakens by "forceDiminish" every update, for "timeApplied"
// seconds, dropping after-images ("dash_effect", "dash_effect2") on its way. The cooldown waits
// for the dash to end. It reads the facing from the holder's Agent.
#include "gameplay/specials/Special.h"

#include <glm/vec2.hpp>

class SpecialDashLogic : public Special
{
public:
  static constexpr std::uint32_t TypeId = COMP_SpecialDashLogic;
  static constexpr const char* UseSoundPath = "event:/SFX/Dash";
  // Seconds between two after-images.
  static constexpr float TrailInterval = 0.05f;

  SpecialDashLogic() : Special(TypeId) {}
  SpecialDashLogic& operator=(const SpecialDashLogic&) = default;

  void OnAwake() override { Wake(UseSoundPath); }
  void GetMembers(std::vector<MemberBase*>& members) override;

  bool IsActive() const { return active; }
  float GetForceApplied() const { return forceApplied; }
  float GetTimeApplied() const { return timeApplied; }

protected:
  void StartEffect() override;
  void UpdateEffect(float dt) override;
  bool Refills() const override { return !active; }
  void Hold(const Handle<GameObject>& newHolder) override { holder = newHolder; }
  // A dash under way goes on when the item is held again.
  void LetGo() override { holder.Reset(); }

private:
  void DropAfterImage(float facing);

  float timeApplied = 0.5f;
  float forceApplied = 50000.0f;
  float forceDiminish = 500.0f;
  bool active = false;
  // What the two members held when the dash began, given back when it ends.
  float startTime = 0.5f;
  float startForce = 50000.0f;
  float effectTimer = 0.0f;
  glm::vec2 direction{1.0f, 0.0f};
  Transient<Handle<GameObject>> holder;
};
