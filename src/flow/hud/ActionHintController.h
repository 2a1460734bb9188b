#pragma once
// Puts an "EN_ActionHint" object 128 units above its own object and shows it only while the
// player ("Player1", or "AutoPlayer" in the attract mode) is closer than 500 units. A hint that
// dies is made again.
#include "core/Handle.h"
#include "object/Component.h"

class GameObject;
class UpdateEvent;

class ActionHintController : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ActionHintController;
  static constexpr float ShowDistance = 500.0f;

  ActionHintController() : Component(TypeId) {}
  ActionHintController& operator=(const ActionHintController&) = default;

  void OnAwake() override;
  void On(UpdateEvent* event);

  const Handle<GameObject>& GetHint() const { return hint; }

private:
  Transient<Handle<GameObject>> player;
  Transient<Handle<GameObject>> hint;
};
