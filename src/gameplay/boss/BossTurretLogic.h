#pragma once
// The turret a thrown object leaves in the throne room. It arms itself on waking with two beam
// guns from "Beam_Gun" ("BeamWeaponOne" in slot 0, "BeamWeaponTwo" in slot 1) pointing in random
// directions, whose beams never drain and stop only at what blocks the boss's lasers (walls, the
// raised boss walls, shields). It then uses both slots every frame; when it dies it destroys its
// children, and with them the guns.
//
// The second gun turns by (r + pi) * pi, not r * pi + pi: its angle lies in [pi^2, pi^2 + pi], a
// spread of directions the fight's balance was set with.
#include "object/Component.h"

class DiedEvent;
class UpdateEvent;

class BossTurretLogic : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_BossTurretLogic;
  static constexpr const char* GunPrefab = "Beam_Gun";

  BossTurretLogic() : Component(TypeId) {}
  BossTurretLogic& operator=(const BossTurretLogic& other) = default;

  void OnAwake() override;

  void On(UpdateEvent* event);
  void On(DiedEvent* event);

private:
  // A non-draining beam gun in the slot, announced on the owner's id; nothing when "Beam_Gun"
  // cannot be made (SpawnAt says so once).
  void Arm(const char* name, std::uint32_t slot);
};
