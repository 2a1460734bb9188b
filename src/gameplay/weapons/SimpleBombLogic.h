#pragma once
// A bomb lies still until it is used; then it counts its "timer" down, beeping ever faster (each
// wait a third shorter than the one before), and at zero it turns into a "Blast" and is removed.
// The blast's damage is that of the "Blast" prefab.
#include "audio/Sound.h"
#include "object/Component.h"

class UpdateEvent;
class UseEvent;

class SimpleBombLogic : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_SimpleBombLogic;
  static constexpr const char* BeepSoundPath = "event:/SFX/BombBeep";
  static constexpr const char* BlastPrefab = "Blast";

  SimpleBombLogic() : Component(TypeId) {}
  SimpleBombLogic& operator=(const SimpleBombLogic&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(UseEvent* event);
  void On(UpdateEvent* event);

  bool IsActive() const { return active; }
  float GetTimer() const { return timer; }
  float GetNextBeep() const { return nextBeep; }
  const Sound& GetBeepSound() const { return beepSound; }

private:
  Sound beepSound;
  float nextBeep = 3.0f;
  bool active = false;
  float timer = 3.0f;         // seconds left before the blast
  float blastRadius = 64.0f;  // kept for the data; the blast's own collider decides its reach
  bool exploded = false;
};
