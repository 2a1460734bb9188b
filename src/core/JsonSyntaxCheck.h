#pragma once
// Checks that a text is one JSON value exactly as the standard (RFC 8259) writes it, before
// jsoncpp reads it. jsoncpp accepts more than that even in its strict mode ("-01", "2.", "[-]",
// raw control characters in strings, a lone "\uDFAA" that it turns into bytes that are not UTF-8),
// and whatever it accepts beyond the standard our writer cannot give back: the next save would
// drop it, change it or write a file the reader then refuses. So such a text is refused whole.
//
// Also refused: bytes that are not UTF-8, a byte order mark, comments, trailing commas, text after
// the value, and nesting deeper than a limit (the parser recurses once per level).
#include <cstddef>
#include <string>
#include <string_view>

class JsonSyntaxCheck
{
public:
  // Empty when the text is sound; otherwise "* Line L, Column C" and the problem on a second line,
  // as jsoncpp reports its own errors.
  static std::string ProblemIn(std::string_view text, std::size_t maximumDepth);

private:
  explicit JsonSyntaxCheck(std::string_view checkedText) : text(checkedText) {}

  bool Run(std::size_t maximumDepth);
  bool MemberName();
  bool String();
  bool Escape();
  bool Number();
  bool Literal();
  void SkipSpace();
  bool Fail(const char* what);
  bool Fail(const std::string& what);
  int HexUnit();

  std::string_view text;
  std::size_t at = 0;
  std::string problem;
};
