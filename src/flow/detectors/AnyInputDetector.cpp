#include "flow/detectors/AnyInputDetector.h"

#include "input/InputActionMap.h"

AnyInputDetector::AnyInputDetector() : ActionDetector(TypeId, ACTION_ANY_KEYBOARD_MOUSE, ACTION_ANY_CONTROLLER) {}
