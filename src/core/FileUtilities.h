#pragma once
// Small shared file, text and colour helpers.
#include "core/StrictJsonReader.h"
#include "core/fColor.h"

#include <json/json.h>
#include <string>
#include <vector>

// Paths of the files in `directory` that match `pattern` ("*.prefab"): the directory string exactly
// as passed, followed by each file name, sorted by name. Empty when nothing matches.
std::vector<std::string> GetFilesInDirectory(std::string directory, std::string pattern);

// The largest data file read (the biggest level the game can hold is a few megabytes).
constexpr std::size_t MaximumDataFileSize = 64u << 20;

// Reads a whole data file, the one way every file under Assets/ is read: only a regular file of at
// most `sizeLimit` bytes, opened without waiting on a pipe (platform/RegularFile.h), its path with
// either separator. False, with why in `problem` as a sentence, otherwise; `missing` tells a file
// that is not there from one that cannot be read. Prints nothing: each reader reports in its words.
bool ReadDataFile(const std::string& path, std::string& text, std::string& problem, bool* missing = nullptr,
                  std::size_t sizeLimit = MaximumDataFileSize);

// Reads and parses a whole JSON file. On failure prints one "[ERROR]" report, leaves root as it
// was and returns false: a missing file (then `missing` is set), one that ReadDataFile refuses, and
// any text that is not strictly JSON (core/StrictJsonReader.h): what a later save would drop or
// change is refused here. Duplicate member names are refused too. With JsonComments::Kept
// comments are read too, and kept for WriteJsonFile to write back.
bool ReadJsonFile(Json::Value& root, const std::string& path, bool* missing = nullptr,
                  JsonComments comments = JsonComments::Refused);
constexpr int MaximumJsonDepth = 256;

// The whole text of a data file (ReadDataFile); empty when it cannot be read, so that the reader's
// own checks report it.
std::string ReadWholeFile(const std::string& path);

// The three lines of a JSON file that cannot be used: "[ERROR] Error parsing json file: <what>",
// "Error: " and the problem.
void ReportJsonParseError(const std::string& what, const std::string& problem);

// Parses JSON text with the same rules; `what` names the source in the error line.
bool ParseJson(Json::Value& root, const std::string& text, const std::string& what,
               JsonComments comments = JsonComments::Refused);

// Writes root in the styled layout (StyledJsonWriter) through WriteTextFile, and returns whether it
// saved. A text that ReadJsonFile, with the same `comments`, would refuse (two member names that
// differ only in bytes that are not UTF-8 become one name), or would read as other values or
// comments than root's, is not written: the file stays as it was.
bool WriteJsonFile(const Json::Value& root, const std::string& path, JsonComments comments = JsonComments::Refused);

// Writes text so that the file holds its old content or the new one, never a mix
// (platform/FileReplacement.h). No message; `problem`, when given, says why it failed.
bool WriteFileAtomically(const std::string& text, const std::string& path, std::string* problem = nullptr);

// WriteFileAtomically with the words of every save: "<path> saved." only on success, otherwise
// "[ERROR] Failed to open file <path> for write." and why (read-only, a folder, a full disk, a
// second hard link). Returns whether it saved.
bool WriteTextFile(const std::string& text, const std::string& path);

// The non-empty pieces of text between delimiters, in order.
std::vector<std::string> SplitString(const std::string& text, char delimiter);

// Blends three colour stops along t: 1 gives first, 0.5 second, 0 third; t is not clamped.
void LerpColors(const fColor& first, const fColor& second, const fColor& third, fColor& out, float t);
// The same blend on hue, saturation and value; hue is blended as a plain number, not wrapped.
void LerpColorsInHSV(const fColor& first, const fColor& second, const fColor& third, fColor& out, float t);
