#pragma once
// The JSON form of every field type a component reflects, as plain overloads that MemberData<T>
// calls. Types owned by other subsystems declare their own overloads beside their definitions.
//
//   WriteMemberJson(value, out)      always writes the value; what to leave out is the caller's choice
//   ReadMemberJson(in, value)        in is not null; returns null when read, else what was wrong
//                                    (the value is then left as it was); the plain kinds are
//                                    core/JsonFields.h's
//   MemberValuesEqual(a, b)          exact comparison
//   MemberValueChanged(field, def)   whether a field differs from its declared default
#include "core/JsonFields.h"
#include "core/Log.h"
#include "object/EnumNames.h"
#include "core/fColor.h"

#include <array>
#include <glm/vec2.hpp>
#include <glm/vec4.hpp>
#include <json/json.h>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

// The prefab names and offsets a spawner creates.
using SpawnList = std::vector<std::pair<std::string, glm::vec2>>;

void WriteMemberJson(int value, Json::Value& out);
void WriteMemberJson(unsigned int value, Json::Value& out);
void WriteMemberJson(bool value, Json::Value& out);
void WriteMemberJson(float value, Json::Value& out);
void WriteMemberJson(const std::string& value, Json::Value& out);
void WriteMemberJson(const glm::vec2& value, Json::Value& out);
void WriteMemberJson(const glm::vec4& value, Json::Value& out);
void WriteMemberJson(const fColor& value, Json::Value& out);
void WriteMemberJson(const std::array<std::string, 4>& value, Json::Value& out);
void WriteMemberJson(const std::vector<std::string>& value, Json::Value& out);
void WriteMemberJson(const SpawnList& value, Json::Value& out);

const char* ReadMemberJson(const Json::Value& in, glm::vec2& value);
const char* ReadMemberJson(const Json::Value& in, glm::vec4& value);
const char* ReadMemberJson(const Json::Value& in, fColor& value);
const char* ReadMemberJson(const Json::Value& in, std::array<std::string, 4>& value);
// The two list types replace the list with what the file holds. Appending to the prefab's list,
// as a plain read would, made a level object's list grow by the prefab's list on every save.
const char* ReadMemberJson(const Json::Value& in, std::vector<std::string>& value);
const char* ReadMemberJson(const Json::Value& in, SpawnList& value);

// Reads count numbers of an array; missing or null elements read as 0.
const char* ReadJsonFloats(const Json::Value& in, float* values, int count);

template <typename T>
bool MemberValuesEqual(const T& first, const T& second)
{
  return first == second;
}

template <typename T>
bool MemberValueChanged(const T& field, const T& declaredDefault)
{
  return !MemberValuesEqual(field, declaredDefault);
}

// A float counts as changed only beyond 0.001 of its default: the difference is taken in single
// precision and compared in double, so exactly 0.001 is unchanged.
bool MemberValueChanged(const float& field, const float& declaredDefault);

// Enumerations with a name table are stored by name.
template <typename E, typename = std::enable_if_t<HasEnumNames<E>::value>>
void WriteMemberJson(E value, Json::Value& out)
{
  out = EnumName(value);
}

template <typename E, typename = std::enable_if_t<HasEnumNames<E>::value>>
const char* ReadMemberJson(const Json::Value& in, E& value)
{
  if constexpr (EnumNames<E>::acceptsNumbers)
  {
    if (in.isInt())
    {
      const int number = in.asInt();
      if (number < 0 || static_cast<std::size_t>(number) >= EnumNames<E>::count)
        return "the number is not one of the enumeration's values";
      value = static_cast<E>(number);
      return nullptr;
    }
  }
  if (!in.isString())
    return "expected the name of a value as a string";
  // An unknown name is a designer's mistake in a data file: reported once per name (a level may
  // give it to hundreds of objects), and the field keeps its value.
  if (!EnumFromName(in.asString(), value))
    LogOnce(std::string(EnumNames<E>::notFoundMessage) + " " + in.asString(), LogLevel::Error,
            EnumNames<E>::notFoundMessage, ": \"", in.asString(), "\"; the member keeps its value.");
  return nullptr;
}
