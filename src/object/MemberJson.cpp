#include "object/MemberJson.h"

#include <algorithm>
#include <cmath>

// jsoncpp throws on a conversion it cannot make (a string as a number, an object indexed as an
// array, a negative number as unsigned), so every read tests the kind first.

namespace
{
const char* const ExpectedArray = "expected an array";
const char* const ExpectedArrayOfStrings = "expected an array of strings";

bool IsJsonString(const Json::Value& value)
{
  return value.isNull() || value.isString();
}
}  // namespace

const char* ReadJsonFloats(const Json::Value& in, float* values, int count)
{
  if (!in.isArray())
    return ExpectedArray;
  std::vector<float> read(static_cast<std::size_t>(count), 0.0f);
  for (Json::ArrayIndex index = 0; index < static_cast<Json::ArrayIndex>(count); ++index)
  {
    if (ReadMemberJson(in[index], read[index]) != nullptr)
      return "expected an array of finite numbers";
  }
  std::copy(read.begin(), read.end(), values);
  return nullptr;
}

void WriteMemberJson(int value, Json::Value& out)
{
  out = value;
}

void WriteMemberJson(unsigned int value, Json::Value& out)
{
  out = value;
}

void WriteMemberJson(bool value, Json::Value& out)
{
  out = value;
}

void WriteMemberJson(float value, Json::Value& out)
{
  out = JsonNumberOf(value);
}

void WriteMemberJson(const std::string& value, Json::Value& out)
{
  out = value;
}

void WriteMemberJson(const glm::vec2& value, Json::Value& out)
{
  out = Json::Value(Json::arrayValue);
  out.append(JsonNumberOf(value.x));
  out.append(JsonNumberOf(value.y));
}

void WriteMemberJson(const glm::vec4& value, Json::Value& out)
{
  out = Json::Value(Json::arrayValue);
  for (int index = 0; index < 4; ++index)
    out.append(JsonNumberOf(value[index]));
}

void WriteMemberJson(const fColor& value, Json::Value& out)
{
  out = Json::Value(Json::arrayValue);
  for (int index = 0; index < 4; ++index)
    out.append(JsonNumberOf(value[index]));
}

void WriteMemberJson(const std::array<std::string, 4>& value, Json::Value& out)
{
  out = Json::Value(Json::arrayValue);
  for (const std::string& text : value)
    out.append(text);
}

void WriteMemberJson(const std::vector<std::string>& value, Json::Value& out)
{
  out = Json::Value(Json::arrayValue);
  for (const std::string& text : value)
    out.append(text);
}

void WriteMemberJson(const SpawnList& value, Json::Value& out)
{
  out = Json::Value(Json::arrayValue);
  for (const auto& [prefab, offset] : value)
  {
    Json::Value entry(Json::objectValue);
    entry["prefab"] = prefab;
    WriteMemberJson(offset, entry["offset"]);
    out.append(entry);
  }
}

const char* ReadMemberJson(const Json::Value& in, glm::vec2& value)
{
  float read[2] = {};
  if (const char* problem = ReadJsonFloats(in, read, 2))
    return problem;
  value = glm::vec2(read[0], read[1]);
  return nullptr;
}

const char* ReadMemberJson(const Json::Value& in, glm::vec4& value)
{
  float read[4] = {};
  if (const char* problem = ReadJsonFloats(in, read, 4))
    return problem;
  value = glm::vec4(read[0], read[1], read[2], read[3]);
  return nullptr;
}

const char* ReadMemberJson(const Json::Value& in, fColor& value)
{
  float read[4] = {};
  if (const char* problem = ReadJsonFloats(in, read, 4))
    return problem;
  value = fColor(read[0], read[1], read[2], read[3]);
  return nullptr;
}

const char* ReadMemberJson(const Json::Value& in, std::array<std::string, 4>& value)
{
  if (!in.isArray())
    return ExpectedArray;
  for (Json::ArrayIndex index = 0; index < 4; ++index)
  {
    if (!IsJsonString(in[index]))
      return ExpectedArrayOfStrings;
  }
  for (Json::ArrayIndex index = 0; index < 4; ++index)
    value[index] = in[index].asString();
  return nullptr;
}

const char* ReadMemberJson(const Json::Value& in, std::vector<std::string>& value)
{
  if (!in.isArray())
    return ExpectedArray;
  for (const Json::Value& element : in)
  {
    if (!IsJsonString(element))
      return ExpectedArrayOfStrings;
  }
  value.clear();
  for (const Json::Value& element : in)
    value.push_back(element.asString());
  return nullptr;
}

const char* ReadMemberJson(const Json::Value& in, SpawnList& value)
{
  if (!in.isArray())
    return ExpectedArray;
  SpawnList read;
  for (const Json::Value& element : in)
  {
    if (!element.isNull() && !element.isObject())
      return "expected an array of objects with \"prefab\" and \"offset\"";
    const Json::Value& prefab = element.isObject() ? element["prefab"] : element;
    const Json::Value& offsetValue = element.isObject() ? element["offset"] : element;
    if (!IsJsonString(prefab))
      return "expected \"prefab\" to be a string";
    glm::vec2 offset(0.0f);
    if (!offsetValue.isNull() && ReadMemberJson(offsetValue, offset) != nullptr)
      return "expected \"offset\" to be an array of two numbers";
    read.emplace_back(prefab.asString(), offset);
  }
  value = std::move(read);
  return nullptr;
}

bool MemberValueChanged(const float& field, const float& declaredDefault)
{
  const float difference = field - declaredDefault;
  return static_cast<double>(std::fabs(difference)) > 0.001;
}
