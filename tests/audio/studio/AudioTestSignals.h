#pragma once
// Small sounds and measurements for the sound-layer tests: WAV files written on the fly, and the
// loudness of a rendered mix.
#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace AudioTestSignals
{
// A 16-bit mono WAV of a steady tone (amplitude 0.5) lasting frames frames.
inline std::vector<std::uint8_t> ToneWave(int rate, int frames, double frequency = 440.0)
{
  std::vector<std::uint8_t> bytes;
  auto put32 = [&bytes](std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
      bytes.push_back(static_cast<std::uint8_t>(value >> shift));
  };
  auto put16 = [&bytes](std::uint16_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
  };
  const std::uint32_t dataSize = static_cast<std::uint32_t>(frames) * 2;
  bytes.insert(bytes.end(), {'R', 'I', 'F', 'F'});
  put32(36 + dataSize);
  bytes.insert(bytes.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  put32(16);
  put16(1);
  put16(1);
  put32(static_cast<std::uint32_t>(rate));
  put32(static_cast<std::uint32_t>(rate) * 2);
  put16(2);
  put16(16);
  bytes.insert(bytes.end(), {'d', 'a', 't', 'a'});
  put32(dataSize);
  for (int frame = 0; frame < frames; ++frame)
  {
    const double value = 0.5 * std::sin(2.0 * 3.14159265358979 * frequency * frame / rate);
    put16(static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(value * 32767.0))));
  }
  return bytes;
}

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Root mean square of a stretch of interleaved samples.
inline double Loudness(const std::vector<float>& samples, std::size_t first = 0, std::size_t count = std::string::npos)
{
  const std::size_t end = count == std::string::npos ? samples.size() : std::min(samples.size(), first + count);
  if (end <= first)
    return 0.0;
  double sum = 0.0;
  for (std::size_t index = first; index < end; ++index)
    sum += static_cast<double>(samples[index]) * samples[index];
  return std::sqrt(sum / static_cast<double>(end - first));
}

// Index of the last frame whose first channel is louder than a whisper, or -1.
inline long LastAudibleFrame(const std::vector<float>& samples, int channels)
{
  for (long frame = static_cast<long>(samples.size() / channels) - 1; frame >= 0; --frame)
    if (std::fabs(samples[static_cast<std::size_t>(frame) * channels]) > 1e-3f)
      return frame;
  return -1;
}
}  // namespace AudioTestSignals
