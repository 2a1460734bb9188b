#pragma once
// One action of one player: its bindings and its cooldown, which makes a held action repeat at a
// fixed pace instead of every frame.
#include "input/InputBinding.h"

#include <vector>

struct ActionCell
{
  float timeSinceFired = 0.0f;  // seconds
  float cooldown = 0.0f;        // seconds; 0 means none
  bool firedThisFrame = false;
  std::vector<InputBinding> bindings;

  // Equality lets the action fire again.
  bool IsCoolingDown() const { return cooldown > timeSinceFired; }
  // Once per frame: a firing restarts the cooldown, which then runs on with the frame's time.
  void Step(float dt);
};
