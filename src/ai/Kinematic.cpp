#include "ai/Kinematic.h"

#include "platform/Assert.h"

#include <imgui.h>

void WriteMemberJson(const Handle<Kinematic>&, Json::Value&)
{
  // Only a member registered as serialised is written, and the agent never registers it so.
  BRINDLE_FATAL_CHECK(false, "This should never be called");
}

const char* ReadMemberJson(const Json::Value&, Handle<Kinematic>&)
{
  // Reachable from a data file that names the member; the handle is left alone.
  BRINDLE_CHECK(false, "This should never be called");
  return nullptr;
}

bool MemberValuesEqual(const Handle<Kinematic>& first, const Handle<Kinematic>& second)
{
  return first.GetId() == second.GetId();
}

void RenderKinematic(const std::string& label, Handle<Kinematic>* value)
{
  const Kinematic* kinematic = value->Get();
  if (kinematic == nullptr)
  {
    ImGui::Text("%s: Null", label.c_str());
    return;
  }
  ImGui::Text("%s", label.c_str());
  ImGui::Text("Position: %f, %f", kinematic->position.x, kinematic->position.y);
  ImGui::Text("Orientation: radians:%f,\n             degrees:%f", kinematic->orientation,
              kinematic->orientation * 180.0f / 3.14159265358979f);
  ImGui::Text("Linear Velocity: %f, %f", kinematic->velocity.x, kinematic->velocity.y);
  ImGui::Text("Angular velocity: %f", kinematic->rotation);
}
