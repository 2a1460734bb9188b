#pragma once
// Triggers on input action 18, cancel: Escape, or the controller's B, Back or Start.
#include "flow/detectors/ActionDetector.h"

class CancelDetector : public ActionDetector
{
public:
  static constexpr std::uint32_t TypeId = COMP_CancelDetector;

  CancelDetector();
  // A copy starts as constructed.
  CancelDetector& operator=(const CancelDetector&) = default;
};
