#pragma once
// The flame and engine sound of the player's ship: a flame object (from "thrusterPrefab") rides on
// the ship and shows, with the propulsion sound, while the ship-steering input (axis 1 of player
// slot 0) is pushed at least "threshold" far. Bumping into another ship cuts both.
#include "audio/Sound.h"
#include "core/Handle.h"
#include "object/Component.h"

#include <glm/vec2.hpp>
#include <string>

class CollisionEvent;
class GameObject;
class UpdateEvent;

class ShipThruster : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ShipThruster;
  static constexpr const char* PropulsionSound = "event:/SFX/PropulsionNoise";

  ShipThruster() : Component(TypeId) {}
  ~ShipThruster() override = default;
  ShipThruster& operator=(const ShipThruster&) = default;

  void OnAwake() override;
  void OnDestroy() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(CollisionEvent* event);
  void On(UpdateEvent* event);

  bool IsThrusting() const { return thrusting; }
  const Handle<GameObject>& GetThrusterObject() const { return thrusterObject; }
  const Sound& GetPropulsionSound() const { return propulsionSound; }

private:
  void ShowFlame(bool shown);

  std::string thrusterPrefab;
  float threshold = 0.2f;
  glm::vec2 offset{0.0f, 0.0f};
  glm::vec2 scale{1.0f, 1.0f};
  bool flipThruster = false;
  bool active = true;  // stored and edited for the data's sake; the thruster does not read it
  Transient<Handle<GameObject>> thrusterObject;
  bool thrusting = false;
  Sound propulsionSound;
};
