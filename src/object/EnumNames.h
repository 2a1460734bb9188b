#pragma once
// Names of the enumerations that files store by name. Each such enumeration specialises
// EnumNames<E> beside its own definition: the names of its values in order, ending with the name
// of its count entry, and the message shown when a file names no value.
#include <cstddef>
#include <string>
#include <type_traits>

template <typename E>
struct EnumNames;  // specialised per enumeration

// Whether E has a name table, so that reflected members store it by name.
template <typename E, typename = void>
struct HasEnumNames : std::false_type
{
};
template <typename E>
struct HasEnumNames<E, std::void_t<decltype(EnumNames<E>::names)>> : std::true_type
{
};

// The name of a value; the count entry has one too. "" for anything beyond it.
template <typename E>
const char* EnumName(E value)
{
  const auto index = static_cast<std::size_t>(value);
  return index <= EnumNames<E>::count ? EnumNames<E>::names[index] : "";
}

// Searches the real values (never the count entry) for an exact, case-sensitive match.
// Returns false when none matches and leaves `value` alone.
template <typename E>
bool EnumFromName(const std::string& name, E& value)
{
  for (std::size_t index = 0; index < EnumNames<E>::count; ++index)
  {
    if (name == EnumNames<E>::names[index])
    {
      value = static_cast<E>(index);
      return true;
    }
  }
  return false;
}
