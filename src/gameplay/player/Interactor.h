#pragma once
// Sits on the player: remembers the interaction zone the player touches (forgotten after one
// update without contact) and, when the player's controller sends it an InteractionEvent,
// forwards one to that zone's object naming the player as the interactor.
#include "core/Handle.h"
#include "object/Component.h"

class CollisionEvent;
class GameObject;
class InteractionEvent;
class UpdateEvent;

class Interactor : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_Interactor;

  Interactor() : Component(TypeId) {}
  Interactor& operator=(const Interactor&) { return *this; }

  void OnAwake() override;
  void On(UpdateEvent* event);
  void On(InteractionEvent* event);
  void On(CollisionEvent* event);

  const Handle<GameObject>& GetZone() const { return zone; }

private:
  bool touching = false;
  Handle<GameObject> zone;
};
