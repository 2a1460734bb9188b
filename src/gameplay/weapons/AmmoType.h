#pragma once
// The kinds of ammunition a weapon uses.
#include "object/EnumNames.h"

#include <string>

enum class AmmoType : int
{
  BULLET,
  ENERGY,
  EXPLOSIVE,
  NUM_OF_TYPES
};

template <>
struct EnumNames<AmmoType>
{
  static constexpr std::size_t count = static_cast<std::size_t>(AmmoType::NUM_OF_TYPES);
  static constexpr const char* names[count + 1] = {"BULLET", "ENERGY", "EXPLOSIVE", "NUM_OF_TYPES"};
  static constexpr const char* notFoundMessage = "Did not find ammo type.";
  static constexpr bool acceptsNumbers = false;
};

// The inspector's picker of the names above (defined in editor/MemberWidgets.cpp).
void RenderAmmoType(const std::string& label, AmmoType* value);
