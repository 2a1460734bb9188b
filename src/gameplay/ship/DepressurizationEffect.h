#pragma once
// The hole in a ship's hull: made by the PressureTracker where a zone opened to space. It announces
// the depressurisation to its space (DepressurizationEvent) when it wakes and at every touch, and
// its circle trigger pushes every movable body it touches along the air's flow, "force" per unit.
// It stays for the rest of the level.
#include "core/Handle.h"
#include "object/Component.h"

class CollisionEvent;
class GameObject;
class PressureTracker;

class DepressurizationEffect : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_DepressurizationEffect;

  DepressurizationEffect() : Component(TypeId) {}
  ~DepressurizationEffect() override = default;
  DepressurizationEffect& operator=(const DepressurizationEffect&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(CollisionEvent* event);

  // The tracker whose flows push the bodies; it is found through its object each time, so a ship
  // that goes away leaves the effect idle rather than dangling.
  void SetTracker(PressureTracker* tracker);
  PressureTracker* GetTracker() const;
  float GetForce() const { return force; }

  void PushBody(GameObject& body);

private:
  Transient<Handle<GameObject>> trackerObject;
  float force = 0.0f;
};
