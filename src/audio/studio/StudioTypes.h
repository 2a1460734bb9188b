#pragma once
// The vocabulary of our studio-style sound layer: call results, playback states, stop modes and
// speaker layouts. Every call of the layer returns a Result; Ok is 0 so callers can test it as
// the rest of the program expects of a sound library.
#include <cstdint>

namespace Studio
{
enum class Result : int
{
  Ok = 0,
  ErrorInvalidHandle,      // null or stale handle, or a handle of a released system
  ErrorInvalidParameter,   // NaN, infinity or a value the call cannot take; nothing changed
  ErrorNotInitialized,     // the call needs initialize first
  ErrorAlreadyInitialized, // initialize or setSoftwareFormat after initialize
  ErrorFileNotFound,       // a bank that cannot be opened
  ErrorFileBad,            // a bank or sample that is not what it claims to be
  ErrorBankAlreadyLoaded,  // the same bank file twice
  ErrorEventNotFound,      // a path no loaded bank names
};

// Text for reports, e.g. "event not found".
const char* ResultText(Result result);

// Stopped is 2: the program compares against that value.
enum class PlaybackState : int
{
  Playing = 0,
  Sustaining = 1,  // held in the event's sustain loop until its cue is triggered
  Stopped = 2,
  Starting = 3,
  Stopping = 4,    // fading out after stop with AllowFadeOut
};

enum class StopMode : int
{
  AllowFadeOut = 0,  // fade by the event's authored fade-out length, then stop
  Immediate = 1,
};

enum class SpeakerMode : int
{
  Default = 0,
  Mono = 2,
  Stereo = 3,
  FivePointOne = 6,
};

// Output channels a speaker layout asks the device for.
int ChannelCountOf(SpeakerMode mode);

// Flags of initialize and loadBankFile; the layer knows only the normal behaviour.
constexpr std::uint32_t InitNormal = 0;
constexpr std::uint32_t LoadBankNormal = 0;

constexpr int DefaultSampleRate = 48000;
}  // namespace Studio
