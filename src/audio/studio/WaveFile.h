#pragma once
// Reads RIFF/WAVE files into SampleData: integer PCM of 8, 16, 24 or 32 bits and IEEE float of
// 32 or 64 bits, plain or in the extensible header. Files with more than two channels are mixed
// down to stereo. Everything else, and every truncated or inconsistent file, is refused with a
// reason; nothing is read past the end of the data.
#include "audio/studio/SampleData.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Studio
{
class WaveFile
{
public:
  // Returns false and fills error when the file cannot be opened or read.
  static bool Read(const std::string& path, SampleData& out, std::string& error);
  static bool Parse(const std::vector<std::uint8_t>& bytes, SampleData& out, std::string& error);
};
}  // namespace Studio
