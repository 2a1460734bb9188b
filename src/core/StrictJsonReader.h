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
// A file that people annotate (the game settings) may be read with its comments instead: "//" to the
// end of the line and "/* */", wherever blanks may stand, each kept on the value it belongs to as
// jsoncpp places them (on the same line after a value: after it; otherwise: before the next
// value; after the last value: after the whole document), so that StyledJsonWriter writes them back.
//
// It checks and builds in one pass, which also makes loading a level cheaper than jsoncpp's reader,
// whose numbers go through a string stream each.
#include <json/json.h>

#include <cstddef>
#include <string>
#include <string_view>

enum class JsonComments
{
  Refused,
  Kept,
};

class StrictJsonReader
{
public:
  // True with the value in `root`. Otherwise `root` is unspecified and `problem` is
  // "* Line L, Column C" and the problem on a second line, as jsoncpp reports its own errors.
  static bool Parse(std::string_view text, std::size_t maximumDepth, Json::Value& root, std::string& problem,
                    JsonComments comments = JsonComments::Refused);

private:
  StrictJsonReader(std::string_view readText, JsonComments comments)
      : text(readText), keepComments(comments == JsonComments::Kept)
  {
  }

  bool Run(std::size_t maximumDepth, Json::Value& root);
  bool MemberName(Json::Value& object, Json::Value*& slot);
  bool String(Json::Value& out);
  bool StringText(std::string& out);
  bool Escape(std::string& out);
  bool Number(Json::Value& out);
  bool Literal(Json::Value& out);
  void SkipSpace();
  bool SkipComment();
  void ValueStarts(Json::Value& value);
  void ValueEnds(Json::Value& value);
  bool Fail(const std::string& what);
  int HexUnit();

  std::string_view text;
  const bool keepComments;
  std::size_t at = 0;
  std::string scratch;
  std::string problem;
  // Comments kept: those waiting for the next value, the value that ended last and where it ended,
  // and what is wrong with a comment that could not be read.
  std::string commentsBefore;
  Json::Value* lastValue = nullptr;
  std::size_t lastValueEnd = 0;
  const char* commentProblem = nullptr;
};
