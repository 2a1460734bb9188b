#pragma once
// Triggers on the frame its key goes down ("Key", an SDL key code; 'A' to 'Z' name the letter
// keys): TriggerBegin in that frame and TriggerEnd in the next, however long the key is held.
#include "flow/detectors/Detector.h"

class KeyDetector : public Detector
{
public:
  static constexpr std::uint32_t TypeId = COMP_KeyDetector;

  KeyDetector() : Detector(TypeId, Kind::TriggerOnly) {}
  // Copies the key alone.
  KeyDetector& operator=(const KeyDetector&) = default;

  void GetMembers(std::vector<MemberBase*>& members) override;
  bool CheckHovered() override { return false; }
  bool CheckTriggered() override;

  void SetKey(int keyCode) { key = keyCode; }

private:
  int key = 0;
};
