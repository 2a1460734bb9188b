#include "core/JsonSyntaxCheck.h"

#include "core/Utf8.h"

#include <algorithm>
#include <vector>

namespace
{
bool IsDigit(char character)
{
  return character >= '0' && character <= '9';
}

// The bytes a string holds as they are: printable ASCII but the quote and the backslash.
struct PlainStringBytes
{
  bool plain[256] = {};
  constexpr PlainStringBytes()
  {
    for (int byte = 0x20; byte < 0x80; ++byte)
      plain[byte] = byte != '"' && byte != '\\';
  }
};
constexpr PlainStringBytes PlainInString;
}  // namespace

std::string JsonSyntaxCheck::ProblemIn(std::string_view text, std::size_t maximumDepth)
{
  JsonSyntaxCheck check(text);
  check.Run(maximumDepth);
  return check.problem;
}

bool JsonSyntaxCheck::Run(std::size_t maximumDepth)
{
  if (text.substr(0, 3) == "\xEF\xBB\xBF")
    return Fail("the text starts with a byte order mark");
  // The open arrays and objects, innermost last: '[' or '{'.
  std::vector<char> open;
  SkipSpace();
  for (;;)
  {
    // A value.
    if (at >= text.size())
      return Fail(open.empty() ? "there is no value" : "a value is missing");
    const char first = text[at];
    if (first == '{' || first == '[')
    {
      if (open.size() >= maximumDepth)
        return Fail("arrays and objects are nested more than " + std::to_string(maximumDepth) + " deep");
      open.push_back(first);
      ++at;
      SkipSpace();
      if (at < text.size() && text[at] == (first == '{' ? '}' : ']'))
      {
        ++at;
        open.pop_back();
      }
      else if (first == '[')
        continue;
      else if (!MemberName())
        return false;
      else
        continue;
    }
    else if (first == '"')
    {
      if (!String())
        return false;
    }
    else if (first == '-' || IsDigit(first))
    {
      if (!Number())
        return false;
    }
    else if (!Literal())
      return false;

    // After a value: a separator, the end of its array or object, or the end of the text.
    for (;;)
    {
      SkipSpace();
      if (open.empty())
        return at == text.size() || Fail("there is text after the value");
      if (at >= text.size())
        return Fail("the text ends inside an array or object");
      const bool inObject = open.back() == '{';
      const char next = text[at];
      if (next == ',')
      {
        ++at;
        SkipSpace();
        if (at < text.size() && (text[at] == ']' || text[at] == '}'))
          return Fail("a comma is followed by no value (a trailing comma)");
        if (inObject && !MemberName())
          return false;
        break;
      }
      if (next == (inObject ? '}' : ']'))
      {
        ++at;
        open.pop_back();
        continue;
      }
      return Fail(inObject ? "expected ',' or '}' after a member" : "expected ',' or ']' after an element");
    }
  }
}

bool JsonSyntaxCheck::MemberName()
{
  if (at >= text.size() || text[at] != '"')
    return Fail("expected a member name in double quotes");
  if (!String())
    return false;
  SkipSpace();
  if (at >= text.size() || text[at] != ':')
    return Fail("expected ':' after a member name");
  ++at;
  SkipSpace();
  return true;
}

bool JsonSyntaxCheck::String()
{
  ++at;  // the opening quote
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  const char* cursor = begin + at;
  for (;;)
  {
    // Plain printable ASCII, the bulk of every name and value.
    while (cursor != end && PlainInString.plain[static_cast<unsigned char>(*cursor)])
      ++cursor;
    at = static_cast<std::size_t>(cursor - begin);
    if (cursor == end)
      return Fail("a string is not closed");
    const auto byte = static_cast<unsigned char>(*cursor);
    if (byte == '"')
    {
      ++at;
      return true;
    }
    if (byte == '\\')
    {
      if (!Escape())
        return false;
    }
    else if (byte < 0x20)
      return Fail("a control character in a string must be written as an escape (\\n, \\t, \\u0001)");
    else
    {
      unsigned codePoint = 0;
      const std::size_t start = at;
      if (!DecodeUtf8(text, at, codePoint))
      {
        at = start;
        return Fail("the text is not UTF-8");
      }
    }
    cursor = begin + at;
  }
}

bool JsonSyntaxCheck::Escape()
{
  ++at;  // the backslash
  if (at >= text.size())
    return Fail("a string is not closed");
  const char kind = text[at];
  if (kind != 'u')
  {
    static const std::string_view simple = "\"\\/bfnrt";
    if (simple.find(kind) == std::string_view::npos)
      return Fail("an unknown escape in a string");
    ++at;
    return true;
  }
  const std::size_t start = at - 1;
  const int unit = HexUnit();
  if (unit < 0)
    return Fail("\\u must be followed by four hexadecimal digits");
  if (unit >= 0xDC00 && unit <= 0xDFFF)
  {
    at = start;
    return Fail("a lone low surrogate escape (\\uDC00 to \\uDFFF) is not a character");
  }
  if (unit >= 0xD800 && unit <= 0xDBFF)
  {
    // Only a pair of escapes makes one character; either half alone stands for nothing.
    if (text.substr(at, 2) != "\\u")
    {
      at = start;
      return Fail("a high surrogate escape (\\uD800 to \\uDBFF) is not followed by a low one");
    }
    at += 1;
    const int low = HexUnit();
    if (low < 0xDC00 || low > 0xDFFF)
    {
      at = start;
      return Fail("a high surrogate escape (\\uD800 to \\uDBFF) is not followed by a low one");
    }
  }
  return true;
}

int JsonSyntaxCheck::HexUnit()
{
  // `at` is on the 'u'.
  if (at + 4 >= text.size())
    return -1;
  int unit = 0;
  for (std::size_t index = 1; index <= 4; ++index)
  {
    const char digit = text[at + index];
    unit <<= 4;
    if (IsDigit(digit))
      unit |= digit - '0';
    else if (digit >= 'a' && digit <= 'f')
      unit |= digit - 'a' + 10;
    else if (digit >= 'A' && digit <= 'F')
      unit |= digit - 'A' + 10;
    else
      return -1;
  }
  at += 5;
  return unit;
}

bool JsonSyntaxCheck::Number()
{
  const std::size_t size = text.size();
  if (text[at] == '-')
    ++at;
  if (at >= size || !IsDigit(text[at]))
    return Fail("a '-' is not followed by a digit");
  if (text[at] == '0')
  {
    ++at;
    if (at < size && IsDigit(text[at]))
      return Fail("a number starts with a zero");
  }
  while (at < size && IsDigit(text[at]))
    ++at;
  if (at < size && text[at] == '.')
  {
    ++at;
    if (at >= size || !IsDigit(text[at]))
      return Fail("a '.' in a number is not followed by a digit");
    while (at < size && IsDigit(text[at]))
      ++at;
  }
  if (at < size && (text[at] == 'e' || text[at] == 'E'))
  {
    ++at;
    if (at < size && (text[at] == '+' || text[at] == '-'))
      ++at;
    if (at >= size || !IsDigit(text[at]))
      return Fail("an exponent has no digits");
    while (at < size && IsDigit(text[at]))
      ++at;
  }
  return true;
}

bool JsonSyntaxCheck::Literal()
{
  for (const std::string_view word : {std::string_view("true"), std::string_view("false"), std::string_view("null")})
  {
    if (text.substr(at, word.size()) == word)
    {
      at += word.size();
      return true;
    }
  }
  return Fail("expected a value (an object, array, string, number, true, false or null)");
}

void JsonSyntaxCheck::SkipSpace()
{
  // Styled files are mostly indentation: this loop is the check's hottest.
  const char* cursor = text.data() + at;
  const char* const end = text.data() + text.size();
  while (cursor != end && (*cursor == ' ' || *cursor == '\n' || *cursor == '\r' || *cursor == '\t'))
    ++cursor;
  at = static_cast<std::size_t>(cursor - text.data());
}

bool JsonSyntaxCheck::Fail(const char* what)
{
  return Fail(std::string(what));
}

bool JsonSyntaxCheck::Fail(const std::string& what)
{
  const std::size_t end = std::min(at, text.size());
  // Wherever a comment stands, that is the problem to name.
  const bool comment = end < text.size() && text[end] == '/';
  const std::string_view before = text.substr(0, end);
  const std::size_t line = 1 + static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n'));
  const std::size_t lastBreak = before.rfind('\n');
  const std::size_t column = end - (lastBreak == std::string_view::npos ? 0 : lastBreak + 1) + 1;
  problem = "* Line " + std::to_string(line) + ", Column " + std::to_string(column) + "\n  " +
            (comment ? std::string("comments are not part of JSON") : what);
  return false;
}
