#pragma once
// Follows a focus object with a lead along the player's aim: each update the camera closes
// "translations speed" x dt of its distance to the focus's position plus "lead amount" times the
// aim. Until it has a focus it looks for the object named "name of focus"; unless "boss" is set
// it then follows the first registered player of its own space. However far the lead and the
// lag would take it, the camera keeps the focus in the middle of its view (half the half view
// across, a quarter of it up and down), clear of the HUD and the dialogue boxes at the edges.
#include "core/Handle.h"
#include "object/Component.h"

#include <string>

class GameObject;
class SetLead;
class UpdateEvent;

class CameraLeash : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_CameraLeash;

  CameraLeash() : Component(TypeId) {}
  CameraLeash& operator=(const CameraLeash&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(UpdateEvent* event);
  void On(SetLead* event);

  void SetFocus(Handle<GameObject> newFocus) { focus = std::move(newFocus); }
  const Handle<GameObject>& GetFocus() const { return focus; }

private:
  std::string focusName;
  float leadAmount = 300.0f;
  float translationSpeed = 2.3f;
  bool boss = false;
  Transient<Handle<GameObject>> focus;
};
