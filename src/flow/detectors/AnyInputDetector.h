#pragma once
// Triggers on input actions 20 and 21: any key of the game, a mouse button or any controller input.
#include "flow/detectors/ActionDetector.h"

class AnyInputDetector : public ActionDetector
{
public:
  static constexpr std::uint32_t TypeId = COMP_AnyInputDetector;

  AnyInputDetector();
  // A copy starts as constructed.
  AnyInputDetector& operator=(const AnyInputDetector&) = default;
};
