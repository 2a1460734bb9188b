#pragma once
// Marks an object that walks on legs. It holds nothing and handles nothing; its presence is what
// counts.
#include "object/Component.h"

class Legs : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_Legs;

  Legs() : Component(TypeId) {}
  Legs& operator=(const Legs& other) = default;
};
