#pragma once
// Marks a ship launched by a faction's base, naming the base's FactionController, so that the
// encounter started by ramming the ship knows whose anger to read. The reference is kept as the
// base object's handle: a base that is gone names no controller.
#include "object/Component.h"

class FactionController;

class FactionProperty : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_FactionProperty;

  FactionProperty() : Component(TypeId) {}
  FactionProperty& operator=(const FactionProperty&) = default;

  void SetController(FactionController* controller);
  // The launching base's controller; null for a ship no base launched, or whose base is gone.
  FactionController* GetController() const;

private:
  Transient<Handle<GameObject>> base;
};
