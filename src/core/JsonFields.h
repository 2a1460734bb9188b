#pragma once
// Typed fields of the JSON objects in our data files, read one way by every reader.
//
//   ReadMemberJson(in, value)                       one value of a plain kind; `in` is not null.
//                                                   Null when read, else what was wrong (the value
//                                                   is then left as it was). Component members use
//                                                   the same overloads (object/MemberJson.h).
//   ReadField(object, key, out, where)              an optional field: absent or null keeps `out`
//   ReadRequiredField(object, key, out, where)      a field that must be there
//
// A field that cannot be read gives one line, "[ERROR] In <where>, "<key>": <problem>; <what
// follows>.", leaves `out` as it was and returns false; the caller decides what follows (the
// default stays, the entry is skipped, the file is refused) and says so in `consequence`.
#include <json/json.h>

#include <string>

const char* ReadMemberJson(const Json::Value& in, int& value);
const char* ReadMemberJson(const Json::Value& in, unsigned int& value);
const char* ReadMemberJson(const Json::Value& in, bool& value);
const char* ReadMemberJson(const Json::Value& in, float& value);
const char* ReadMemberJson(const Json::Value& in, double& value);
const char* ReadMemberJson(const Json::Value& in, std::string& value);

// The JSON number a float is written as: the double whose shortest text is the float's shortest
// text (0.1f is written 0.1, not 0.10000000149011612), which reads back as the same float.
double JsonNumberOf(float value);

// Whether a JSON value can be read as a number without jsoncpp throwing (null and booleans can).
bool IsJsonFloat(const Json::Value& value);

// The field's value, or null when `object` is not an object or has no such key. Never throws.
const Json::Value& FieldOf(const Json::Value& object, const char* key);

// Writes the one error line of a field that could not be read.
void ReportFieldProblem(const std::string& where, const char* key, const char* problem, const char* consequence);

constexpr const char* DefaultIsUsed = "the default is used";

template <typename T>
bool ReadField(const Json::Value& object, const char* key, T& out, const std::string& where,
               const char* consequence = DefaultIsUsed)
{
  const Json::Value& field = FieldOf(object, key);
  if (field.isNull())
    return true;
  if (const char* problem = ReadMemberJson(field, out))
  {
    ReportFieldProblem(where, key, problem, consequence);
    return false;
  }
  return true;
}

template <typename T>
bool ReadRequiredField(const Json::Value& object, const char* key, T& out, const std::string& where,
                       const char* consequence)
{
  if (FieldOf(object, key).isNull())
  {
    ReportFieldProblem(where, key, "missing", consequence);
    return false;
  }
  return ReadField(object, key, out, where, consequence);
}
