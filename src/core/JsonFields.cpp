#include "core/JsonFields.h"

#include "core/Log.h"

#include <charconv>  // Required for: std::to_chars (shortest round-trip form)
#include <cmath>
#include <cstdlib>
#include <cstring>

// jsoncpp throws on a conversion it cannot make (a string as a number, an object indexed as an
// array, a negative number as unsigned), so every read tests the kind first.

double JsonNumberOf(float value)
{
  if (!std::isfinite(value))
    return static_cast<double>(value);
  char text[32];
  const std::to_chars_result written = std::to_chars(text, text + sizeof(text) - 1, value);
  *written.ptr = '\0';
  return std::strtod(text, nullptr);
}

bool IsJsonFloat(const Json::Value& value)
{
  return value.isNull() || value.isNumeric() || value.isBool();
}

const char* ReadMemberJson(const Json::Value& in, int& value)
{
  // isInt also takes 3.0, but not 3.5 (which asInt would cut) or a boolean.
  if (!in.isInt())
    return "expected an integer";
  value = in.asInt();
  return nullptr;
}

const char* ReadMemberJson(const Json::Value& in, unsigned int& value)
{
  if (!in.isUInt())
    return "expected an unsigned integer";
  value = in.asUInt();
  return nullptr;
}

const char* ReadMemberJson(const Json::Value& in, bool& value)
{
  if (!in.isBool() && !in.isNumeric())
    return "expected true or false";
  value = in.asBool();
  return nullptr;
}

const char* ReadMemberJson(const Json::Value& in, double& value)
{
  if (!IsJsonFloat(in))
    return "expected a number";
  const double read = in.asDouble();
  // 1e999 parses as infinity; nothing downstream can use it.
  if (!std::isfinite(read))
    return "expected a finite number";
  value = read;
  return nullptr;
}

const char* ReadMemberJson(const Json::Value& in, float& value)
{
  double read = 0.0;
  if (const char* problem = ReadMemberJson(in, read))
    return problem;
  if (!std::isfinite(static_cast<float>(read)))
    return "expected a finite number";
  value = static_cast<float>(read);
  return nullptr;
}

const char* ReadMemberJson(const Json::Value& in, std::string& value)
{
  if (!in.isString())
    return "expected a string";
  value = in.asString();
  return nullptr;
}

const Json::Value& FieldOf(const Json::Value& object, const char* key)
{
  if (!object.isObject())
    return Json::Value::nullSingleton();
  const Json::Value* field = object.find(key, key + std::strlen(key));
  return field != nullptr ? *field : Json::Value::nullSingleton();
}

void ReportFieldProblem(const std::string& where, const char* key, const char* problem, const char* consequence)
{
  LogError("In ", where, ", \"", key, "\": ", problem, "; ", consequence, ".");
}
