#pragma once
// The base of the special abilities: items for the special slot that do their thing when used,
// then need their cooldown to refill before the next use. The cooldown refills only while the
// item is held, and a shrinking bar on the HUD (beside "SpecialItem") shows it.
//
// A logic wakes with Wake (its four subscriptions and its use sound) and registers its members
// between "coolDown" and "currCoolDown". The base handles the events; the logic plugs in:
//   StartEffect     what a use does, once the cooldown allows it
//   UpdateEffect    each update while the item is held, after the refill
//   Hold / LetGo    the holder arrives (EquipEvent) and leaves (DequipEvent)
//   Refills         whether the cooldown refills this update (a dash in progress holds it)
#include "audio/Sound.h"
#include "object/Component.h"

class DequipEvent;
class EquipEvent;
class UpdateEvent;
class UseEvent;

class Special : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_Special;
  static constexpr const char* BarName = "cooldown bar";
  static constexpr const char* HudItemName = "SpecialItem";

  Special() : Special(TypeId) {}
  Special& operator=(const Special&) = default;

  // Any use is a request: its flags and slot are not read.
  void On(UseEvent* event);
  void On(EquipEvent* event);
  void On(UpdateEvent* event);
  void On(DequipEvent* event);

  // A new bar on the HUD for the cooldown as it stands; a bar made earlier runs out by itself.
  void InitCooldownBar();

  bool IsReady() const { return coolDown <= currCoolDown; }
  bool IsEquipped() const { return equipped; }
  float GetCoolDown() const { return coolDown; }
  float GetCurrCoolDown() const { return currCoolDown; }
  const Handle<GameObject>& GetCooldownBar() const { return cooldownBar; }

protected:
  explicit Special(std::uint32_t typeId) : Component(typeId) {}

  // The four subscriptions on waking: UseEvent, EquipEvent on the item's id, UpdateEvent on its
  // space's id, DequipEvent on the item's id; then the use sound's path.
  void Wake(const char* useSoundPath);
  void AddCoolDownMember(std::vector<MemberBase*>& members);
  void AddCurrCoolDownMember(std::vector<MemberBase*>& members);

  virtual void StartEffect() {}
  virtual void UpdateEffect(float /*dt*/) {}
  virtual void Hold(const Handle<GameObject>& /*holder*/) {}
  virtual void LetGo() {}
  virtual bool Refills() const { return true; }

  float coolDown = 0.0f;
  float currCoolDown = 0.0f;
  bool equipped = false;
  Transient<Handle<GameObject>> cooldownBar;
  Sound useSound;

private:
  void ShowItemSprite(bool shown);
};
