#pragma once
// CommStationsControls: a comm station of an encounter. On waking it starts the HUD's encounter
// clock ("HUD_Timer" in the space "HUD", loaded if need be) and makes it count on the station's
// own space; each interaction with the station flips the clock between full and half speed. The
// clock goes when the station goes.
#include "core/Handle.h"
#include "object/Component.h"

class GameObject;
class InteractionEvent;

class CommStationsControls : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_CommStationsControls;

  CommStationsControls() : Component(TypeId) {}
  CommStationsControls& operator=(const CommStationsControls&) { return *this; }

  void OnAwake() override;
  void OnDestroy() override;
  void On(InteractionEvent* event);

private:
  Handle<GameObject> timerObject;
};
