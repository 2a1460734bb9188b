#include "steering/RandomFloat.h"

#include "platform/Random.h"

float RandomFloat(float a, float b)
{
  return a + RandomUnit() * (b - a);
}
