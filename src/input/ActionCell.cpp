#include "input/ActionCell.h"

void ActionCell::Step(float dt)
{
  if (firedThisFrame)
  {
    timeSinceFired = 0.0f;
    firedThisFrame = false;
  }
  if (cooldown != 0.0f)
    timeSinceFired += dt;
}
