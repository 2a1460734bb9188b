#pragma once
// A loose box of ammunition points. An object with Ammo that touches it takes what fits: first
// into the ammunition types of the guns in its primary and secondary slots, then into every type,
// with a floating number showing the points taken. An emptied box removes itself; one whose
// toucher is full everywhere stays as it is.
#include "audio/Sound.h"
#include "object/Component.h"

class CollisionEvent;

class AmmoPickup : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_AmmoPickup;
  static constexpr const char* FeedbackPrefab = "AmmoPointsFeedback";

  AmmoPickup() : Component(TypeId) {}
  AmmoPickup& operator=(const AmmoPickup& other) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(CollisionEvent* event);

  float GetPoints() const { return ammo; }
  const Handle<GameObject>& GetFeedback() const { return feedback; }

private:
  void ShowTaken(float taken);

  float ammo = 50.0f;  // points left
  Sound pickupSound;
  Handle<GameObject> feedback;  // the last floating number
};
