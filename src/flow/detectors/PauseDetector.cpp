#include "flow/detectors/PauseDetector.h"

#include "input/InputActionMap.h"

PauseDetector::PauseDetector() : ActionDetector(TypeId, ACTION_PAUSE) {}
