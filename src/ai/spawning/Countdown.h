#pragma once
// The spawners' and drones' countdowns run on the frame time. One that stops being a finite number
// (a frame time that was none, an edited value) would never run out again and its owner would fall
// silent without a word; instead it is reported, once for the owner's kind, and starts again.
#include <string>

class Component;

// True when `countdown` is finite; otherwise reports it, sets it to `restart` and is false.
bool KeepCountdownFinite(float& countdown, float restart, const Component& owner, const std::string& countdownName);
