#pragma once
// Shared by the input tests: the fake devices and the event builders. The test executable brings
// SDL up with the dummy video driver (for the keyboard map) and the event queue; no device or
// window is needed.
#include "support/FakeInputDevices.h"
#include "support/TestEvents.h"
