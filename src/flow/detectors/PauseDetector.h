#pragma once
// Triggers on input action 8, pause: Escape or the controller's Start.
#include "flow/detectors/ActionDetector.h"

class PauseDetector : public ActionDetector
{
public:
  static constexpr std::uint32_t TypeId = COMP_PauseDetector;

  PauseDetector();
  // A copy starts as constructed.
  PauseDetector& operator=(const PauseDetector&) = default;
};
