#pragma once
// A gun that fires once per pull of the trigger. The trigger counts as held for as long as a use
// arrived in the frame before; the first update after a frame without a use releases it. A use
// that carries the re-arm flag (the enemies' controllers set it) releases it at once, so such a
// holder fires whenever the cooldown allows.
//
// It also carries what the one-round reloaders (the rocket launcher and the shotgun) share: a use
// with rounds in the magazine interrupts their reload, and each reload step loads one round.
#include "gameplay/weapons/Gun.h"

class SemiAutoGun : public Gun
{
public:
  static constexpr std::uint32_t TypeId = COMP_SemiAutoGun;

  SemiAutoGun() : SemiAutoGun(TypeId) {}
  SemiAutoGun& operator=(const SemiAutoGun& other) = default;

  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(UseEvent* event) override;
  void On(UpdateEvent* event) override;
  bool CanShoot() const override;

  bool IsTriggerDown() const { return triggerDown; }

protected:
  explicit SemiAutoGun(std::uint32_t typeId) : Gun(typeId) {}

  // A use's effect on the trigger: it is noted, and the re-arm flag releases the trigger.
  void NoteUse(const UseEvent& event);
  // The use of a one-round reloader: rounds in the magazine end a reload under way, then the gun
  // fires when it can, rumbling the player's controller.
  void UseInterruptingReload(const UseEvent& event);
  // One reload step of a one-round reloader: one round from the holder's reserve (any number from
  // an infinite one). The reload ends when the magazine is full, or when there is nothing to load.
  void ReloadOneRound();
  // Ends a one-round reload: ReloadEnd to the holder, the countdown cleared.
  virtual void StopReload();

  bool recievedUsedEvent = false;
  bool triggerDown = false;
};
