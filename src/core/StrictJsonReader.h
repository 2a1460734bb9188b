#pragma once
// Reads a text that is one JSON value exactly as the standard (RFC 8259) writes it into a
// Json::Value. jsoncpp's own reader accepts more than that even in its strict mode ("-01", "2.",
// "[-]", raw control characters in strings, a lone "\uDFAA" that it turns into bytes that are not
// UTF-8), and whatever a reader accepts beyond the standard our writer cannot give back: the next
// save would drop it, change it or write a file the reader then refuses. So such a text is
// refused whole.
//
// Also refused: bytes that are not UTF-8, a byte order mark, comments, trailing commas, text after
// the value, a member named twice in one object (the save would keep one), and nesting deeper than
// a limit. Numbers take the kinds jsoncpp gives them (whole numbers in range are integers).
//
// It checks and builds in one pass, which also makes loading a level cheaper than jsoncpp's reader,
// whose numbers go through a string stream each.
#include <json/json.h>

#include <cstddef>
#include <string>
#include <string_view>

class StrictJsonReader
{
public:
  // True with the value in `root`. Otherwise `root` is unspecified and `problem` is
  // "* Line L, Column C" and the problem on a second line, as jsoncpp reports its own errors.
  static bool Parse(std::string_view text, std::size_t maximumDepth, Json::Value& root, std::string& problem);

private:
  explicit StrictJsonReader(std::string_view readText) : text(readText) {}

  bool Run(std::size_t maximumDepth, Json::Value& root);
  bool MemberName(Json::Value& object, Json::Value*& slot);
  bool String(Json::Value& out);
  bool StringText(std::string& out);
  bool Escape(std::string& out);
  bool Number(Json::Value& out);
  bool Literal(Json::Value& out);
  void SkipSpace();
  bool Fail(const std::string& what);
  int HexUnit();

  std::string_view text;
  std::size_t at = 0;
  std::string scratch;
  std::string problem;
};
