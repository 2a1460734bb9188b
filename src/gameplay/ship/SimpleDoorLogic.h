#pragma once
// The logic of a ship's door, on a child of the door object: it shuts the door as soon as it is
// attached to it, and opens or shuts it at every interaction. Shut, the door shows frame 0 and its
// collider is an active wall; open, frame 6 and its collider is off.
#include "audio/Sound.h"
#include "object/Component.h"

class InteractionEvent;
class ParentedEvent;

class SimpleDoorLogic : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_SimpleDoorLogic;
  static constexpr const char* DoorSound = "event:/SFX/DoorNoise";
  static constexpr std::uint32_t ShutFrame = 0;
  static constexpr std::uint32_t OpenFrame = 6;

  SimpleDoorLogic() : Component(TypeId) {}
  ~SimpleDoorLogic() override = default;
  SimpleDoorLogic& operator=(const SimpleDoorLogic&) = default;

  void OnAwake() override;

  void On(InteractionEvent* event);
  void On(ParentedEvent* event);

  void Open();
  void Close();
  bool IsOpen() const { return isOpen; }

private:
  // Sets the parent's frame and collider; the sound plays whether or not there is a door to move.
  void Move(bool open);

  bool isOpen = true;
  Sound doorSound;
};
