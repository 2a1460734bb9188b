#include "audio/studio/WaveFile.h"

#include "AudioTestSignals.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace Studio;

TEST(AudioWaveFileTest, ReadsSixteenBitMono)
{
  SampleData sample;
  std::string error;
  ASSERT_TRUE(WaveFile::Parse(AudioTestSignals::ToneWave(8000, 800), sample, error)) << error;
  EXPECT_EQ(sample.channels, 1);
  EXPECT_EQ(sample.sampleRate, 8000);
  EXPECT_EQ(sample.FrameCount(), 800u);
  EXPECT_NEAR(AudioTestSignals::Loudness(sample.samples), 0.5 / std::sqrt(2.0), 0.01);
}

TEST(AudioWaveFileTest, ReadsEightBitStereoAndFloat)
{
  std::vector<std::uint8_t> bytes = AudioTestSignals::ToneWave(8000, 4);
  // Rewrite the header as 8-bit stereo: two frames of (255, 0).
  bytes[22] = 2;     // channels
  bytes[32] = 2;     // block align
  bytes[34] = 8;     // bits
  bytes[28] = 0x80;  // byte rate 16000
  bytes[29] = 0x3E;
  for (std::size_t index = 44; index < bytes.size(); index += 2)
  {
    bytes[index] = 255;
    bytes[index + 1] = 0;
  }
  SampleData sample;
  std::string error;
  ASSERT_TRUE(WaveFile::Parse(bytes, sample, error)) << error;
  ASSERT_EQ(sample.channels, 2);
  EXPECT_EQ(sample.FrameCount(), 4u);
  EXPECT_NEAR(sample.samples[0], 127.0f / 128.0f, 1e-6);
  EXPECT_FLOAT_EQ(sample.samples[1], -1.0f);

  // 32-bit float mono whose values include NaN and a huge number: both are made safe.
  std::vector<std::uint8_t> floats = AudioTestSignals::ToneWave(8000, 4);
  floats[20] = 3;
  floats[32] = 4;
  floats[34] = 32;
  const float values[2] = {std::nanf(""), 1e30f};
  std::memcpy(floats.data() + 44, values, sizeof values);
  ASSERT_TRUE(WaveFile::Parse(floats, sample, error)) << error;
  ASSERT_EQ(sample.FrameCount(), 2u);
  EXPECT_EQ(sample.samples[0], 0.0f);
  EXPECT_EQ(sample.samples[1], 1.0f);
}

TEST(AudioWaveFileTest, RefusesBrokenFilesWithoutReadingPastTheirEnd)
{
  const std::vector<std::uint8_t> good = AudioTestSignals::ToneWave(8000, 100);
  SampleData sample;
  sample.sampleRate = 1234;
  std::string error;
  EXPECT_FALSE(WaveFile::Parse({}, sample, error));
  EXPECT_FALSE(WaveFile::Parse(std::vector<std::uint8_t>(good.begin(), good.begin() + 30), sample, error));
  std::vector<std::uint8_t> notWave = good;
  notWave[8] = 'X';
  EXPECT_FALSE(WaveFile::Parse(notWave, sample, error));
  std::vector<std::uint8_t> compressed = good;
  compressed[20] = 2;  // ADPCM
  EXPECT_FALSE(WaveFile::Parse(compressed, sample, error));
  EXPECT_NE(error.find("unsupported"), std::string::npos);
  std::vector<std::uint8_t> zeroChannels = good;
  zeroChannels[22] = 0;
  EXPECT_FALSE(WaveFile::Parse(zeroChannels, sample, error));
  std::vector<std::uint8_t> hugeFormat = good;
  hugeFormat[16] = 0xFF;  // fmt chunk claims more bytes than the file has
  hugeFormat[17] = 0xFF;
  EXPECT_FALSE(WaveFile::Parse(hugeFormat, sample, error));
  EXPECT_EQ(sample.sampleRate, 1234);  // a refused file leaves the target alone

  // A data chunk that claims more than the file holds gives what is there.
  std::vector<std::uint8_t> truncated(good.begin(), good.end() - 50);
  ASSERT_TRUE(WaveFile::Parse(truncated, sample, error)) << error;
  EXPECT_EQ(sample.FrameCount(), 75u);
  EXPECT_FALSE(WaveFile::Read("no/such/file.wav", sample, error));
}
