#pragma once
// The program's colour value: four floats, normally 0 to 1, never clamped.

struct fColor
{
  float r = 1.0f;
  float g = 1.0f;
  float b = 1.0f;
  float a = 1.0f;

  fColor() = default;
  fColor(float red, float green, float blue, float alpha) : r(red), g(green), b(blue), a(alpha) {}

  float* Data() { return &r; }
  const float* Data() const { return &r; }
  float& operator[](int channel) { return Data()[channel]; }
  float operator[](int channel) const { return Data()[channel]; }

  bool operator==(const fColor& other) const { return r == other.r && g == other.g && b == other.b && a == other.a; }
  bool operator!=(const fColor& other) const { return !(*this == other); }
  fColor operator*(float scale) const { return {r * scale, g * scale, b * scale, a * scale}; }
  fColor& operator*=(const fColor& other)
  {
    r *= other.r;
    g *= other.g;
    b *= other.b;
    a *= other.a;
    return *this;
  }
  fColor operator-(const fColor& other) const { return {r - other.r, g - other.g, b - other.b, a - other.a}; }
  fColor operator+(const fColor& other) const { return {r + other.r, g + other.g, b + other.b, a + other.a}; }
};

static_assert(sizeof(fColor) == 4 * sizeof(float), "fColor is addressed as an array of four floats");

// The named colours.
struct ColorTable
{
  fColor White{1, 1, 1, 1};
  fColor Black{0, 0, 0, 1};
  fColor Red{1, 0, 0, 1};
  fColor Green{0, 1, 0, 1};
  fColor Blue{0, 0, 1, 1};
  fColor Yellow{1, 1, 0, 1};
  fColor Magenta{1, 0, 1, 1};
  fColor Cyan{0, 1, 1, 1};
  fColor TransparentWhite{1, 1, 1, 0};
  fColor Transparent{0, 0, 0, 0};
  fColor Grey{0.5f, 0.5f, 0.5f, 1};
};

inline const ColorTable Colors{};

// Hue, saturation and value in 0..1, the hue as a fraction of the full turn; what the colour
// blends of the file utilities and the profiler's scope colours work in.
void RgbToHsv(float r, float g, float b, float& h, float& s, float& v);
void HsvToRgb(float h, float s, float v, float& r, float& g, float& b);
