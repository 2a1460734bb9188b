#include "steering/Motivator.h"

#include "core/FiniteCheck.h"
#include "core/JsonFields.h"

#include <cmath>

void Motivator::SetBase(Limit limit, float value)
{
  if (BRINDLE_CHECK_FINITE(value, "Motivator limit " + std::to_string(limit)))
    bases[limit] = value;
}

float Motivator::GetValue(Limit limit)
{
  float value = bases[limit];
  ModifierMap& map = modifiers[limit];
  for (auto entry = map.begin(); entry != map.end();)
  {
    MotivatorModifier* modifier = entry->second.Get();
    if (modifier == nullptr)
    {
      entry = map.erase(entry);
      continue;
    }
    if (*modifier)
      value = (*modifier)(value);
    ++entry;
  }
  return value;
}

void Motivator::AddModifier(Limit limit, std::uint32_t key, Handle<MotivatorModifier> modifier)
{
  modifiers[limit][key] = std::move(modifier);
}

void WriteMemberJson(const Motivator& value, Json::Value& out)
{
  out = Json::Value(Json::arrayValue);
  for (int limit = 0; limit < Motivator::LimitCount; ++limit)
    out.append(JsonNumberOf(value.GetBase(static_cast<Motivator::Limit>(limit))));
}

const char* ReadMemberJson(const Json::Value& in, Motivator& value)
{
  if (!in.isArray() || in.size() != Motivator::LimitCount)
    return "expected an array of four numbers";
  for (Json::ArrayIndex index = 0; index < in.size(); ++index)
    if (!in[index].isNull() && !(in[index].isNumeric() && std::isfinite(in[index].asFloat())))
      return "expected an array of four finite numbers";
  for (Json::ArrayIndex index = 0; index < in.size(); ++index)
    if (!in[index].isNull())
      value.SetBase(static_cast<Motivator::Limit>(index), in[index].asFloat());
  return nullptr;
}
