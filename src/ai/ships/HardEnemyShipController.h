#pragma once
// Flies an enemy ship of the overworld at whatever its AimingModule finds: it seeks and faces the
// nearest opponent, and when it loses it flies on to where it last saw it. A player's ship held out
// of every ship's reach (collision group PLAYER_NOCLIP) counts as lost. It grows from its starting
// scale and mirrors its sprite as EnemyShipController does, but never shrinks or ends by itself.
#include "ai/ships/EnemyShipController.h"

class HardEnemyShipController : public EnemyShipController
{
public:
  static constexpr std::uint32_t TypeId = COMP_HardEnemyShipController;

  HardEnemyShipController();

  void On(UpdateEvent* event) override;

protected:
  void BuildBlend() override;
};
