#include "ai/Motivator.h"

#include "object/MemberJson.h"

#include <imgui.h>

void WriteMemberJson(const Motivator& value, Json::Value& out)
{
  out = Json::Value(Json::arrayValue);
  for (int limit = 0; limit < Motivator::LimitCount; ++limit)
    out.append(static_cast<double>(value.GetBase(static_cast<Motivator::Limit>(limit))));
}

const char* ReadMemberJson(const Json::Value& in, Motivator& value)
{
  float read[Motivator::LimitCount] = {};
  if (const char* problem = ReadJsonFloats(in, read, Motivator::LimitCount))
    return problem;
  for (int limit = 0; limit < Motivator::LimitCount; ++limit)
    value.SetBase(static_cast<Motivator::Limit>(limit), read[limit]);
  return nullptr;
}

void RenderMotivator(const std::string& label, Motivator* value)
{
  static const char* const limitLabels[Motivator::LimitCount] = {"maxLinearAcc", "maxLinearVel", "maxAngularAcc",
                                                                 "maxAngularVel"};
  ImGui::Text("%s", label.c_str());
  for (int limit = 0; limit < Motivator::LimitCount; ++limit)
    ImGui::InputFloat(limitLabels[limit], value->BaseData() + limit, 0.0f, 0.0f);
}
