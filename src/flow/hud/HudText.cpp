#include "flow/hud/HudText.h"

#include <cmath>

std::string HudCount(float amount)
{
  constexpr float Hair = 0.001f;
  if (!(amount > 0.0f))
    return "0";
  return std::to_string(static_cast<long>(std::floor(std::fmin(amount, 1e9f) + Hair)));
}
