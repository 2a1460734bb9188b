#pragma once
// Tells the player of the throne room what to shoot, so that nobody has to know the fight before:
// shots do the king no harm, the field over his throne stands until its generator is shot down,
// and the throne's fall vents the room and ends him. While the generator stands, a ring circles it
// and a line low on the HUD says GeneratorHint; once it is down, the ring circles the throne and
// the line says ThroneHint; when the throne is gone, or the guide is cleared, both go. The throne
// room's camera manager runs it every update until the boss's defeat.
#include "core/Handle.h"

#include <string>

class GameObject;
class Space;

class BossFightGuide
{
public:
  static constexpr const char* GeneratorName = "Field Generator";
  static constexpr const char* ThroneName = "Throne";
  static constexpr const char* MarkerPrefab = "BossTargetMarker";
  static constexpr const char* HintPrefab = "HUD_BossHint";
  static constexpr const char* GeneratorHint = "Shoot the field generator!";
  static constexpr const char* ThroneHint = "Now break the throne!";
  // The ring's width over the bounding radius of its target's collider.
  static constexpr float MarkerSize = 2.6f;

  void Update(Space& room);
  void Clear();

  // What the ring circles now: empty when nothing is left to shoot.
  const Handle<GameObject>& GetTarget() const { return target; }
  const Handle<GameObject>& GetMarker() const { return marker; }
  const Handle<GameObject>& GetHint() const { return hint; }

private:
  // Puts the ring round the target and the line on the HUD, made when missing.
  void Show(Space& room, const std::string& line);

  Handle<GameObject> target;
  Handle<GameObject> marker;
  Handle<GameObject> hint;
};
