// The inspector widgets of the AI's member types, declared beside their types.
#include "steering/Kinematic.h"
#include "steering/Motivator.h"

#include <imgui.h>

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

void RenderMotivator(const std::string& label, Motivator* value)
{
  static const char* const limitLabels[Motivator::LimitCount] = {"maxLinearAcc", "maxLinearVel", "maxAngularAcc",
                                                                 "maxAngularVel"};
  ImGui::Text("%s", label.c_str());
  for (int limit = 0; limit < Motivator::LimitCount; ++limit)
    ImGui::InputFloat(limitLabels[limit], value->BaseData() + limit, 0.0f, 0.0f);
}
