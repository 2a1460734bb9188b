#include "flow/detectors/CancelDetector.h"

#include "input/InputActionMap.h"

CancelDetector::CancelDetector() : ActionDetector(TypeId, ACTION_CANCEL) {}
