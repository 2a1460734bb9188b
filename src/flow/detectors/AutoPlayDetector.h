#pragma once
// Triggers on input action 19, auto play: Backspace or the controller's Back.
#include "flow/detectors/ActionDetector.h"

class AutoPlayDetector : public ActionDetector
{
public:
  static constexpr std::uint32_t TypeId = COMP_AutoPlayDetector;

  AutoPlayDetector();
  // A copy starts as constructed.
  AutoPlayDetector& operator=(const AutoPlayDetector&) = default;
};
