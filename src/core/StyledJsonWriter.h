#pragma once
// The text of our JSON files: jsoncpp's styled layout (a three-blank indent, arrays of plain values
// on one line while it stays within 74 columns, members in ascending key order), with numbers
// written in the fewest digits that read back as the same value. jsoncpp's own writer gives
// seventeen ("0.45" comes back as "0.45000000000000001"), so every save rewrote numbers nobody
// had changed; here an unchanged value keeps its text.
#include <json/json.h>

#include <string>
#include <vector>

class StyledJsonWriter
{
public:
  // The whole document, ended by a line break.
  static std::string Write(const Json::Value& root);

  // A real number as the document writes it: the fewest digits that read back exactly, always
  // with a "." or an exponent so it reads back as a real.
  static std::string NumberText(double value);
  // A string in double quotes, escaped as jsoncpp escapes it (characters beyond ASCII as \u); a
  // byte that is not UTF-8 becomes \ufffd, so every file written reads back.
  static std::string QuotedText(const std::string& text);

private:
  explicit StyledJsonWriter() = default;

  void WriteValue(const Json::Value& value);
  void WriteArray(const Json::Value& value);
  bool IsMultilineArray(const Json::Value& value);
  static bool HasComment(const Json::Value& value);
  void WriteCommentBefore(const Json::Value& value);
  void WriteCommentsAfter(const Json::Value& value);
  void PushValue(const std::string& text);
  void WriteIndent();
  void WriteWithIndent(const std::string& text);

  static constexpr std::size_t RightMargin = 74;
  static constexpr std::size_t IndentSize = 3;

  std::string document;
  std::string indent;
  std::vector<std::string> childValues;
  bool addChildValues = false;
};
