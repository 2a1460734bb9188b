#include "core/FileUtilities.h"

#include "core/Log.h"
#include "core/StyledJsonWriter.h"
#include "core/StrictJsonReader.h"
#include "platform/DirectoryListing.h"
#include "platform/FileReplacement.h"
#include "platform/Paths.h"
#include "platform/RegularFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

std::vector<std::string> GetFilesInDirectory(std::string directory, std::string pattern)
{
  std::vector<std::string> paths;
  for (const std::string& name : ListFilesMatching(directory, pattern))
    paths.push_back(directory + name);
  return paths;
}

void ReportJsonParseError(const std::string& what, const std::string& problem)
{
  LogError("Error parsing json file: ", what);
  LogLine("Error: ");
  LogLine(problem);
}

namespace
{
// What jsoncpp would accept beyond the standard, the next save would drop or change: a comment,
// a trailing comma, a lone surrogate written back as bytes that are not UTF-8. Refused here.
bool ParseStrictly(const std::string& text, Json::Value& parsed, std::string& problem, JsonComments comments)
{
  try
  {
    return StrictJsonReader::Parse(text, MaximumJsonDepth, parsed, problem, comments);
  }
  catch (const std::exception& exception)
  {
    problem = exception.what();
    return false;
  }
}
}  // namespace

bool ParseJson(Json::Value& root, const std::string& text, const std::string& what, JsonComments comments)
{
  Json::Value parsed;
  std::string problem;
  if (!ParseStrictly(text, parsed, problem, comments))
  {
    ReportJsonParseError(what, problem);
    return false;
  }
  root = std::move(parsed);
  return true;
}

bool ReadDataFile(const std::string& path, std::string& text, std::string& problem, bool* missing,
                  std::size_t sizeLimit)
{
  return ReadRegularFile(NormalizePath(path), sizeLimit, text, problem, missing);
}

std::string ReadWholeFile(const std::string& path)
{
  std::string text;
  std::string problem;
  ReadDataFile(path, text, problem);
  return text;
}

bool ReadJsonFile(Json::Value& root, const std::string& path, bool* missing, JsonComments comments)
{
  std::string text;
  std::string problem;
  bool absent = false;
  const bool read = ReadDataFile(path, text, problem, &absent);
  if (missing != nullptr)
    *missing = absent;
  if (!read)
  {
    if (absent)
      LogError("Could not open json file: ", path);
    else
      LogError("Could not open json file: ", path, ". ", problem);
    return false;
  }
  return ParseJson(root, text, path, comments);
}

bool WriteFileAtomically(const std::string& text, const std::string& path, std::string* problem)
{
  std::string why;
  const bool replaced = ReplaceFileContents(NormalizePath(path), text, why);
  if (problem != nullptr)
    *problem = why;
  return replaced;
}

namespace
{
bool SameComments(const Json::Value& meant, const Json::Value& read)
{
  for (const Json::CommentPlacement placement : {Json::commentBefore, Json::commentAfterOnSameLine, Json::commentAfter})
  {
    const bool has = meant.hasComment(placement);
    if (has != read.hasComment(placement) || (has && meant.getComment(placement) != read.getComment(placement)))
      return false;
  }
  return true;
}

// Whether `read`, the new text read back, holds what `meant` was to say: every value and every
// comment in its place. A text can parse and still say something else (a comment that runs on
// over the next member). Values the writer spells its own way count as the same when they are
// written the same (an unsigned number reads back signed, a name that is not UTF-8 as U+FFFD).
bool ReadsBackAsMeant(const Json::Value& meant, const Json::Value& read)
{
  if (!SameComments(meant, read))
    return false;
  if (meant.isArray() || read.isArray())
  {
    if (meant.type() != read.type() || meant.size() != read.size())
      return false;
    for (Json::ArrayIndex index = 0; index < meant.size(); ++index)
      if (!ReadsBackAsMeant(meant[index], read[index]))
        return false;
    return true;
  }
  if (meant.isObject() || read.isObject())
  {
    if (meant.type() != read.type() || meant.size() != read.size())
      return false;
    for (auto member = meant.begin(); member != meant.end(); ++member)
    {
      const std::string name = member.name();
      const Json::Value* counterpart = read.find(name.data(), name.data() + name.size());
      if (counterpart == nullptr)
      {
        // The member names of the text are distinct (the reader refuses a name twice), so a name
        // found by its written spelling is this member's.
        const std::string written = StyledJsonWriter::QuotedText(name);
        for (auto other = read.begin(); other != read.end() && counterpart == nullptr; ++other)
          if (StyledJsonWriter::QuotedText(other.name()) == written)
            counterpart = &*other;
      }
      if (counterpart == nullptr || !ReadsBackAsMeant(*member, *counterpart))
        return false;
    }
    return true;
  }
  return meant == read || StyledJsonWriter::Write(meant) == StyledJsonWriter::Write(read);
}
}  // namespace

bool WriteJsonFile(const Json::Value& root, const std::string& path, JsonComments comments)
{
  const std::string text = StyledJsonWriter::Write(root);
  // A file the next start refuses, or reads as something else, would stop the game, lose a
  // setting or lose the level: the old one is kept.
  Json::Value readBack;
  std::string problem;
  bool readsBack = ParseStrictly(text, readBack, problem, comments);
  if (readsBack && !ReadsBackAsMeant(root, readBack))
  {
    readsBack = false;
    problem = "  it would read back holding other values or comments than those saved";
  }
  if (!readsBack)
  {
    LogError("Failed to open file ", path, " for write. Its new text would not read back, so it was left as it is:");
    LogLine(problem);
    return false;
  }
  return WriteTextFile(text, path);
}

bool WriteTextFile(const std::string& text, const std::string& path)
{
  std::string problem;
  if (!WriteFileAtomically(text, path, &problem))
  {
    LogError("Failed to open file ", path, " for write. ", problem);
    return false;
  }
  LogLine(path, " saved.");
  return true;
}

std::vector<std::string> SplitString(const std::string& text, char delimiter)
{
  std::vector<std::string> pieces;
  std::size_t start = 0;
  std::size_t found = text.find(delimiter, start);
  while (found != std::string::npos)
  {
    if (found != start)
      pieces.push_back(text.substr(start, found - start));
    start = found + 1;
    found = text.find(delimiter, start);
  }
  if (start < text.size())
    pieces.push_back(text.substr(start));
  return pieces;
}

namespace
{
struct StopWeights
{
  float first, second, third;
};

StopWeights WeightsAt(float t)
{
  return {std::max(0.0f, 2.0f * t - 1.0f), 1.0f - std::fabs(2.0f * t - 1.0f), std::max(0.0f, 1.0f - 2.0f * t)};
}
}  // namespace

void LerpColors(const fColor& first, const fColor& second, const fColor& third, fColor& out, float t)
{
  const StopWeights w = WeightsAt(t);
  for (int channel = 0; channel < 4; ++channel)
    out[channel] = w.first * first[channel] + w.second * second[channel] + w.third * third[channel];
}

void LerpColorsInHSV(const fColor& first, const fColor& second, const fColor& third, fColor& out, float t)
{
  const StopWeights w = WeightsAt(t);
  const fColor* stops[3] = {&first, &second, &third};
  float hsv[3][3];
  for (int i = 0; i < 3; ++i)
    RgbToHsv(stops[i]->r, stops[i]->g, stops[i]->b, hsv[i][0], hsv[i][1], hsv[i][2]);
  float blended[3];
  for (int channel = 0; channel < 3; ++channel)
    blended[channel] = w.first * hsv[0][channel] + w.second * hsv[1][channel] + w.third * hsv[2][channel];
  HsvToRgb(blended[0], blended[1], blended[2], out.r, out.g, out.b);
  out.a = w.first * first.a + w.second * second.a + w.third * third.a;
}
