#pragma once
// A drone that stands where it was put and sweeps a damaging beam about itself, in a cycle of five
// phases run on one timer (each phase reads the timer before the update changes it):
//
//   0 show     the beam is shown and its collider switched on                  -> 1
//   1 extend   for a second the beam grows toward the nearest wall ahead        -> 2
//   2 sweep    at full length, drone and beam turn three times round (the timer
//              runs at half speed to 6, turning 3.1415 rad per unit), then both
//              face rotation 0 again                                            -> 3, timer 1
//   3 hold     a second more at full length                                     -> 4
//   4 pause    hidden, collider off and shrunk, for a second                    -> 0
//
// Every update the reach is measured first: a ray along the drone's facing to the first wall
// (DETECT_WALLS), at most MaxReach. The beam is an object of its own from the prefab "beam",
// starting StartOffset out from the drone's centre; its sprite is stretched by length / 128 and
// its collider is length by 1 (what it does to what it touches is the prefab's). Killed, the
// drone goes with its beam, whose collider is off from that moment.
#include "core/Handle.h"
#include "object/Component.h"
#include "physics/RayCastResult.h"

class DiedEvent;
class UpdateEvent;

class SimpleBeamDrone : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_SimpleBeamDrone;
  static constexpr const char* BeamPrefab = "beam";
  static constexpr float MaxReach = 1000.0f;
  static constexpr float StartOffset = 32.0f;
  static constexpr float SpriteUnit = 128.0f;
  static constexpr float SweepRate = 3.1415f;
  static constexpr float SweepEnd = 6.0f;

  SimpleBeamDrone() : Component(TypeId) {}
  ~SimpleBeamDrone() override;
  // A copy starts as constructed (the type table says so): the beam belongs to the object it
  // woke on.
  SimpleBeamDrone& operator=(const SimpleBeamDrone&) { return *this; }

  void OnAwake() override;

  void On(UpdateEvent* event);
  void On(DiedEvent* event);

  int GetPhase() const { return phase; }
  float GetTimer() const { return timer; }
  float GetRange() const { return range; }
  float GetBeamLength() const { return beamLength; }
  const Handle<GameObject>& GetBeam() const { return beam; }

private:
  void MeasureRange(glm::vec2 origin, float rotation);
  // Shows or hides the beam's sprite and switches its collider.
  void ShowBeam(bool shown);
  // The beam's sprite and collider at `length`.
  void StretchBeam(float length);
  // The drone and its beam turned to `angle`, the beam laid out from `origin` along it.
  void TurnTo(glm::vec2 origin, float angle);
  void PlaceBeam(glm::vec2 origin, float angle);

  int phase = 0;
  float timer = 0.0f;
  float range = 0.0f;
  float beamLength = 0.0f;
  RayCastResult rayResult;
  Handle<GameObject> beam;
};
