#pragma once
// Drives a gun turret that stands where it was put: every update it turns toward its nearest
// opponent (one Face, reaching the angle in half a second), turns the weapon in its first slot the
// way it faces (mirrored upright while it faces left) and, while it sees the opponent, fires it.
// An unarmed turret takes up the first item it touches. Killed, it puts its weapon away and is
// removed at once (there is no death animation).
//
// It needs an Agent and an AimingModule beside it; an Equipment to hold a weapon. Give it a
// RotationLock so that its base stays upright while the weapon turns.
#include "ai/enemies/EnemyController.h"

#include <glm/mat3x3.hpp>
#include <memory>

class Face;
class TouchedItem;
class UpdateEvent;

class SimpleTurretController : public EnemyController
{
public:
  static constexpr std::uint32_t TypeId = COMP_SimpleTurretController;
  static constexpr float TurnTime = 0.5f;

  SimpleTurretController();
  ~SimpleTurretController() override;
  SimpleTurretController& operator=(const SimpleTurretController&) = default;

  void OnAwake() override;
  void Synchronize() override;

  void On(UpdateEvent* event);
  void On(DiedEvent* event);
  void On(TouchedItem* event);

  // The weapon's local matrix for a turret facing `orientation`: mirrored in y first while it faces
  // left (cos <= 0, straight up and down included), then turned, so it points the way the turret
  // faces with its sprite upright.
  static glm::mat3 WeaponMatrix(float orientation);

private:
  Transient<std::unique_ptr<Face>> face;
};
