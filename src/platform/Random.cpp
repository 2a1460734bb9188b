#include "platform/Random.h"

namespace
{
unsigned randomState = 1;
}

int Random()
{
  randomState = randomState * 214013u + 2531011u;
  return static_cast<int>((randomState >> 16) & 0x7FFFu);
}

void ResetRandom(unsigned state)
{
  randomState = state;
}

float RandomUnit()
{
  return static_cast<float>(Random()) / static_cast<float>(RandomMaximum);
}
