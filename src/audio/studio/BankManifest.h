#pragma once
// Our bank format: a JSON manifest in place of a compiled sound bank.
//
//   {
//      "format" : "corvane-sound-bank",
//      "version" : 1,
//      "events" : [ { "id" : "{0007}", "sample" : "Samples/PistolShoot.wav", "loop" : false,
//                     "loopStart" : 0.0, "loopEnd" : 0.0, "sustainStart" : 0.1, "sustainEnd" : 0.4,
//                     "fadeOut" : 0.5, "stream" : false, "volume" : 1.0 } ],
//      "strings" : [ { "path" : "event:/SFX/PistolShoot", "id" : "{0007}" } ]
//   }
//
// A master bank carries "events" (what to play), a strings bank carries "strings" (how paths
// name events); one file may carry both. Times are seconds into the sample; "loopEnd" 0 means the
// sample's end; a sustain region loops until its cue is triggered. Sample paths are relative to
// the bank's folder and may use either separator.
#include <string>
#include <utility>
#include <vector>

namespace Studio
{
struct EventDefinition
{
  std::string id;
  std::string samplePath;  // resolved against the bank's folder
  bool loop = false;
  double loopStart = 0.0;
  double loopEnd = 0.0;
  bool hasSustain = false;
  double sustainStart = 0.0;
  double sustainEnd = 0.0;
  double fadeOut = DefaultFadeOutSeconds;
  bool stream = false;
  float volume = 1.0f;

  static constexpr double DefaultFadeOutSeconds = 0.5;
};

class BankManifest
{
public:
  static constexpr const char* FormatName = "corvane-sound-bank";
  static constexpr int Version = 1;

  // Reads a bank file. A missing (then `missing` is set) or unreadable or unparsable file, or one of
  // another format, prints one "[ERROR]" line and returns false. A malformed entry prints an
  // "[ERROR]" line and is skipped; the rest of the bank loads.
  static bool Read(const std::string& path, BankManifest& out, bool* missing = nullptr);

  std::vector<EventDefinition> events;
  std::vector<std::pair<std::string, std::string>> strings;  // path, id
};
}  // namespace Studio
