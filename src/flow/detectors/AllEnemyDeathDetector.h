#pragma once
// Triggers once in its life: on the first update that finds no living enemy registered, it sends
// TriggerBegin, and TriggerEnd on the next. Nothing re-arms it.
#include "flow/detectors/Detector.h"

class AllEnemyDeathDetector : public Detector
{
public:
  static constexpr std::uint32_t TypeId = COMP_AllEnemyDeathDetector;

  AllEnemyDeathDetector() : Detector(TypeId, Kind::TriggerOnly) {}
  // A copy starts as constructed.
  AllEnemyDeathDetector& operator=(const AllEnemyDeathDetector&) { return *this; }

  bool CheckHovered() override { return false; }
  bool CheckTriggered() override;

private:
  bool armed = true;
};
