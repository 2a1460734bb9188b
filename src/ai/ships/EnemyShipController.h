#pragma once
// Flies an enemy ship of the overworld to its destination (the faction base that launched it sets
// it): it seeks the point and faces it, drifts a little, keeps clear of ships of its own side
// (within 1500) and, harder, of the other side's (within 2500). A newly launched ship grows from its
// small starting scale to full size at 0.6 a second; within 700 units of its destination it shrinks
// at the same rate, and within 400 it is removed. Its sprite is mirrored vertically while it flies
// left (or stands still), so that it stays upright as it turns.
//
// It needs an Agent, an AimingModule and a Sprite beside it. HardEnemyShipController is built on it.
#include "steering/BlendedSteering.h"
#include "ai/enemies/EnemyController.h"

#include <glm/vec2.hpp>
#include <memory>

class Separation;
class UpdateEvent;

class EnemyShipController : public EnemyController
{
public:
  static constexpr std::uint32_t TypeId = COMP_EnemyShipController;
  static constexpr float GrowthRate = 0.6f;  // scale per second
  static constexpr float ShrinkDistance = 700.0f;
  static constexpr float ArrivalDistance = 400.0f;

  EnemyShipController();
  EnemyShipController& operator=(const EnemyShipController&) = default;

  void OnAwake() override;
  void Synchronize() override;
  void OnDestroy() override;

  // The hard ship flies its own way each update.
  virtual void On(UpdateEvent* event);

  void SetDestination(glm::vec2 point) { destination = point; }
  glm::vec2 GetDestination() const { return destination; }

protected:
  EnemyShipController(std::uint32_t typeId, const char* className);

  // Grows the ship toward full size (the last step may overshoot a little).
  void Grow(float dt);
  // Mirrors the sprite vertically unless the ship flies right.
  void FaceSpriteAlongFlight();

  // The steering blend made on waking; the hard ship's flies straight at its target.
  virtual void BuildBlend();

  Transient<std::unique_ptr<BlendedSteering>> blend;

private:
  glm::vec2 destination{0.0f, 0.0f};
  Transient<Separation*> nearSeparation = nullptr;
  Transient<Separation*> farSeparation = nullptr;
};
