#pragma once
// A shapeless marker that level and prefab data can attach; nothing reacts to it by itself.
#include "object/Component.h"

class TriggerRegion : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_TriggerRegion;

  TriggerRegion() : Component(TypeId) {}
};
