#include "flow/detectors/AutoPlayDetector.h"

#include "input/InputActionMap.h"

AutoPlayDetector::AutoPlayDetector() : ActionDetector(TypeId, ACTION_AUTO_PLAY) {}
