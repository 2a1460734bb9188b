#pragma once
// Gives a menu element its click: when the object's detector reports the end of a press, the
// click plays. The reflected "soundClick" path is kept and edited but does not choose the click.
#include "audio/Sound.h"
#include "object/Component.h"

class DetectorTriggerEndEvent;

class ClickSound : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ClickSound;
  static constexpr const char* ClickPath = "event:/SFX/MenuClickV2";

  ClickSound();
  // Every field travels with a copy.
  ClickSound& operator=(const ClickSound&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;
  void On(DetectorTriggerEndEvent* event);

  Sound& GetSound() { return sound; }

private:
  Sound sound;
};
