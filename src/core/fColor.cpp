#include "core/fColor.h"

#include <algorithm>
#include <cmath>
#include <utility>

void RgbToHsv(float r, float g, float b, float& h, float& s, float& v)
{
  float offset = 0.0f;
  if (g < b)
  {
    std::swap(g, b);
    offset = -1.0f;
  }
  if (r < g)
  {
    std::swap(r, g);
    offset = -2.0f / 6.0f - offset;
  }
  const float chroma = r - std::min(g, b);
  // The tiny terms keep grey (no chroma) and black (no value) from dividing by zero.
  h = std::fabs(offset + (g - b) / (6.0f * chroma + 1e-20f));
  s = chroma / (r + 1e-20f);
  v = r;
}

void HsvToRgb(float h, float s, float v, float& r, float& g, float& b)
{
  if (s == 0.0f)
  {
    r = g = b = v;
    return;
  }
  h = std::fmod(h, 1.0f) / (60.0f / 360.0f);  // six sectors of 60 degrees
  const int sector = static_cast<int>(h);
  const float f = h - static_cast<float>(sector);
  const float p = v * (1.0f - s);
  const float q = v * (1.0f - s * f);
  const float t = v * (1.0f - s * (1.0f - f));
  switch (sector)
  {
    case 0: r = v; g = t; b = p; break;
    case 1: r = q; g = v; b = p; break;
    case 2: r = p; g = v; b = t; break;
    case 3: r = p; g = q; b = v; break;
    case 4: r = t; g = p; b = v; break;
    default: r = v; g = p; b = q; break;
  }
}
