#pragma once
// Decoded sound in the mixer's format: 32-bit float frames, interleaved, one or two channels,
// at the rate the file was made with (the mixer resamples as it plays).
#include <cstddef>
#include <vector>

namespace Studio
{
struct SampleData
{
  std::vector<float> samples;  // channels values per frame
  int channels = 1;
  int sampleRate = 0;

  std::size_t FrameCount() const { return channels > 0 ? samples.size() / static_cast<std::size_t>(channels) : 0; }
  double Seconds() const { return sampleRate > 0 ? static_cast<double>(FrameCount()) / sampleRate : 0.0; }
};
}  // namespace Studio
