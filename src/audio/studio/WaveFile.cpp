#include "audio/studio/WaveFile.h"

#include "core/FileUtilities.h"

#include <cstring>

namespace Studio
{
namespace
{
constexpr std::uint16_t FormatPcm = 1;
constexpr std::uint16_t FormatFloat = 3;
constexpr std::uint16_t FormatExtensible = 0xFFFE;
// A sample longer than this is not one of ours; it also bounds what a bad header can ask for.
constexpr std::size_t MaximumFrames = 48000u * 60u * 10u;

std::uint16_t Read16(const std::uint8_t* at) { return static_cast<std::uint16_t>(at[0] | (at[1] << 8)); }
std::uint32_t Read32(const std::uint8_t* at)
{
  return static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8) |
         (static_cast<std::uint32_t>(at[2]) << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
}

// One sample of the given encoding as a float in [-1, 1].
float DecodeSample(const std::uint8_t* at, std::uint16_t format, int bits)
{
  if (format == FormatFloat)
  {
    if (bits == 32)
    {
      float value;
      std::uint32_t raw = Read32(at);
      std::memcpy(&value, &raw, sizeof value);
      return value;
    }
    std::uint64_t raw = static_cast<std::uint64_t>(Read32(at)) | (static_cast<std::uint64_t>(Read32(at + 4)) << 32);
    double value;
    std::memcpy(&value, &raw, sizeof value);
    return static_cast<float>(value);
  }
  switch (bits)
  {
  case 8: return (static_cast<int>(at[0]) - 128) / 128.0f;
  case 16: return static_cast<std::int16_t>(Read16(at)) / 32768.0f;
  case 24:
  {
    std::int32_t value = static_cast<std::int32_t>(static_cast<std::uint32_t>(at[0]) << 8 |
                                                   static_cast<std::uint32_t>(at[1]) << 16 |
                                                   static_cast<std::uint32_t>(at[2]) << 24);
    return static_cast<float>(value / 2147483648.0);
  }
  default: return static_cast<float>(static_cast<std::int32_t>(Read32(at)) / 2147483648.0);
  }
}

float Sanitized(float value)
{
  // A float file may hold NaN or huge values; the mixer must never see them.
  if (!(value == value))
    return 0.0f;
  return value > 1.0f ? 1.0f : (value < -1.0f ? -1.0f : value);
}
}  // namespace

bool WaveFile::Read(const std::string& path, SampleData& out, std::string& error)
{
  std::string text;
  std::string problem;
  if (!ReadDataFile(path, text, problem))
  {
    if (!problem.empty() && problem.back() == '.')
      problem.pop_back();  // the caller's sentence goes on
    error = "cannot open " + path + ": " + problem;
    return false;
  }
  const std::vector<std::uint8_t> bytes(text.begin(), text.end());
  if (!Parse(bytes, out, error))
  {
    error = path + ": " + error;
    return false;
  }
  return true;
}

bool WaveFile::Parse(const std::vector<std::uint8_t>& bytes, SampleData& out, std::string& error)
{
  if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
  {
    error = "not a RIFF/WAVE file";
    return false;
  }
  const std::uint8_t* format = nullptr;
  std::uint32_t formatSize = 0;
  const std::uint8_t* data = nullptr;
  std::uint32_t dataSize = 0;
  std::size_t at = 12;
  while (at + 8 <= bytes.size())
  {
    const std::uint8_t* chunk = bytes.data() + at;
    const std::uint32_t size = Read32(chunk + 4);
    const std::size_t available = bytes.size() - (at + 8);
    if (std::memcmp(chunk, "fmt ", 4) == 0)
    {
      if (size > available)
        break;
      format = chunk + 8;
      formatSize = size;
    }
    else if (std::memcmp(chunk, "data", 4) == 0)
    {
      // Writers that stream sometimes leave the size open; take what the file holds.
      data = chunk + 8;
      dataSize = size > available ? static_cast<std::uint32_t>(available) : size;
    }
    if (size > available)
      break;
    at += 8 + static_cast<std::size_t>(size) + (size & 1u);
  }
  if (format == nullptr || formatSize < 16)
  {
    error = "missing or short format chunk";
    return false;
  }
  if (data == nullptr)
  {
    error = "missing data chunk";
    return false;
  }
  std::uint16_t encoding = Read16(format);
  const int channels = Read16(format + 2);
  const std::uint32_t rate = Read32(format + 4);
  const std::uint16_t blockAlign = Read16(format + 12);
  const int bits = Read16(format + 14);
  if (encoding == FormatExtensible)
  {
    if (formatSize < 40)
    {
      error = "short extensible format chunk";
      return false;
    }
    encoding = Read16(format + 24);  // the first two bytes of the sub-format GUID
  }
  const bool integerOk = encoding == FormatPcm && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
  const bool floatOk = encoding == FormatFloat && (bits == 32 || bits == 64);
  if (!integerOk && !floatOk)
  {
    error = "unsupported encoding " + std::to_string(encoding) + " with " + std::to_string(bits) + " bits";
    return false;
  }
  const int bytesPerSample = bits / 8;
  if (channels < 1 || channels > 8 || rate < 1000 || rate > 384000 || blockAlign != channels * bytesPerSample)
  {
    error = "inconsistent format (channels " + std::to_string(channels) + ", rate " + std::to_string(rate) + ")";
    return false;
  }
  const std::size_t frames = dataSize / blockAlign;
  if (frames > MaximumFrames)
  {
    error = "sample longer than ten minutes";
    return false;
  }
  const int keptChannels = channels == 1 ? 1 : 2;
  SampleData result;
  result.channels = keptChannels;
  result.sampleRate = static_cast<int>(rate);
  result.samples.resize(frames * keptChannels);
  for (std::size_t frame = 0; frame < frames; ++frame)
  {
    const std::uint8_t* source = data + frame * blockAlign;
    if (channels <= 2)
    {
      for (int channel = 0; channel < channels; ++channel)
        result.samples[frame * keptChannels + channel] = Sanitized(DecodeSample(source + channel * bytesPerSample, encoding, bits));
      continue;
    }
    // Even channels go left, odd ones right: a plain fold that keeps every channel audible.
    float left = 0.0f;
    float right = 0.0f;
    for (int channel = 0; channel < channels; ++channel)
    {
      const float value = Sanitized(DecodeSample(source + channel * bytesPerSample, encoding, bits));
      (channel % 2 == 0 ? left : right) += value;
    }
    const float scale = 2.0f / static_cast<float>(channels);
    result.samples[frame * 2] = Sanitized(left * scale);
    result.samples[frame * 2 + 1] = Sanitized(right * scale);
  }
  out = std::move(result);
  return true;
}
}  // namespace Studio
