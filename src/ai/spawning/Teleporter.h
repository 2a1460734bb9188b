#pragma once
// A teleporter pad that brings a bear in when the player interacts with it. The component sits on a
// child of the pad; the pad's Sprite is the teleport flash (eight frames or more). An interaction
// shows and starts the flash; at its frame 3 a bear ("AI_bear") arrives on the pad, with the
// teleport's sound; at frame 7 the flash stops, returns to frame 0 and hides, and the pad is ready
// for the next interaction. Interactions while it runs change nothing.
#include "audio/Sound.h"
#include "object/Component.h"

#include <glm/vec2.hpp>

class InteractionEvent;
class Space;
class Sprite;
class UpdateEvent;

class Teleporter : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_Teleporter;
  static constexpr const char* ArrivalPrefab = "AI_bear";
  static constexpr const char* ArrivalSoundPath = "event:/SFX/Teleport";
  // The flash frames at which the enemy arrives and the flash ends.
  static constexpr std::uint32_t ArrivalFrame = 3;
  static constexpr std::uint32_t EndFrame = 7;

  Teleporter();
  // A copy starts as constructed: the type table says so.
  Teleporter& operator=(const Teleporter&) { return *this; }

  void OnAwake() override;

  void On(InteractionEvent* event);
  void On(UpdateEvent* event);

  bool IsActivated() const { return activated; }

private:
  // The pad's flash: the sprite of the parent object.
  Sprite* PadSprite() const;

  bool activated = false;
  bool spawned = false;
  Sound arrivalSound;
};

// The steps a teleport flash and its arrival share: the flash is shown and animated, at the
// arrival frame `arrival` is made at `where` (once), and at the end frame the flash is put away.
// Returns true when the flash has ended.
bool RunTeleportFlash(Sprite& flash, bool& spawned, const char* arrival, Space* space, glm::vec2 where,
                      Sound& arrivalSound);
