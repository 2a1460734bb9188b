#pragma once
// Cracks the throne as it is hurt: below 80, 60, 40 and 20 % of its full health its picture
// becomes the next cracked one and a crack sounds. At most one stage per update, so a fall from
// full health to nothing shows the four cracks on four successive updates. Healing mends nothing.
#include "core/LivePointer.h"
#include "audio/Sound.h"
#include "object/Component.h"

#include <array>

class Health;
class Sprite;
class UpdateEvent;

class ThroneSpriteManager : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ThroneSpriteManager;
  static constexpr std::size_t StageCount = 4;
  static constexpr std::array<float, StageCount> Thresholds = {0.8f, 0.6f, 0.4f, 0.2f};
  static constexpr std::array<const char*, StageCount> Textures = {"props_king_throne_2", "props_king_throne_3",
                                                                   "props_king_throne_4", "props_king_throne_5"};
  static constexpr const char* CrackSoundPath = "event:/SFX/ThroneCrack";

  ThroneSpriteManager() : Component(TypeId) {}
  ThroneSpriteManager& operator=(const ThroneSpriteManager&) = default;

  void OnAwake() override;

  void On(UpdateEvent* event);

  // How many crack stages have shown.
  std::size_t GetStagesReached() const;

private:
  Sound crackSound;
  Transient<LivePointer<Health>> health;
  Transient<LivePointer<Sprite>> sprite;
  float fullHealth = 0.0f;
  std::array<bool, StageCount> stages{};
};
