#pragma once
// A trigger-only detector whose trigger is an input action of the first player (or either of two
// actions). It is as edge-shaped as its action: an action bound to the frame of a press, or paced
// by a delay, gives TriggerBegin and, one frame later, TriggerEnd; a held binding keeps it
// triggered until release. The cancel, auto-play, pause and any-input detectors are this.
#include "flow/detectors/Detector.h"

class ActionDetector : public Detector
{
public:
  // The actions are InputAction values; `otherAction` -1 means none.
  ActionDetector(std::uint32_t typeId, int inputAction, int otherAction = -1)
      : Detector(typeId, Kind::TriggerOnly), action(inputAction), secondAction(otherAction)
  {
  }
  ActionDetector& operator=(const ActionDetector&) = default;

  bool CheckHovered() override { return false; }
  bool CheckTriggered() override;

private:
  int action;
  int secondAction;
};
