#include "core/StrictJsonReader.h"

#include "core/Utf8.h"

#include <algorithm>
#include <charconv>  // Required for: std::from_chars (numbers without a string stream)
#include <cstdint>
#include <limits>
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

bool StrictJsonReader::Parse(std::string_view text, std::size_t maximumDepth, Json::Value& root, std::string& problem,
                             JsonComments comments)
{
  StrictJsonReader reader(text, comments);
  if (reader.Run(maximumDepth, root))
    return true;
  problem = reader.problem;
  return false;
}

bool StrictJsonReader::Run(std::size_t maximumDepth, Json::Value& root)
{
  if (text.substr(0, 3) == "\xEF\xBB\xBF")
    return Fail("the text starts with a byte order mark");
  // The open arrays and objects, innermost last. Values live in jsoncpp's maps, so these stay put.
  std::vector<Json::Value*> open;
  Json::Value* slot = &root;  // where the next value goes
  root = Json::Value();
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
      *slot = Json::Value(first == '{' ? Json::objectValue : Json::arrayValue);
      ValueStarts(*slot);
      open.push_back(slot);
      ++at;
      SkipSpace();
      if (at < text.size() && text[at] == (first == '{' ? '}' : ']'))
      {
        ++at;
        ValueEnds(*slot);
        open.pop_back();
      }
      else if (first == '[')
      {
        slot = &open.back()->append(Json::Value());
        continue;
      }
      else if (!MemberName(*open.back(), slot))
        return false;
      else
        continue;
    }
    else
    {
      if (first == '"' ? !String(*slot) : (first == '-' || IsDigit(first)) ? !Number(*slot) : !Literal(*slot))
        return false;
      ValueStarts(*slot);
      ValueEnds(*slot);
    }

    // After a value: a separator, the end of its array or object, or the end of the text.
    for (;;)
    {
      SkipSpace();
      if (open.empty())
      {
        if (at != text.size())
          return Fail("there is text after the value");
        if (!commentsBefore.empty())
          root.setComment(commentsBefore, Json::commentAfter);
        return true;
      }
      if (at >= text.size())
        return Fail("the text ends inside an array or object");
      Json::Value& container = *open.back();
      const bool inObject = container.type() == Json::objectValue;
      const char next = text[at];
      if (next == ',')
      {
        ++at;
        SkipSpace();
        if (at < text.size() && (text[at] == ']' || text[at] == '}'))
          return Fail("a comma is followed by no value (a trailing comma)");
        if (!inObject)
          slot = &container.append(Json::Value());
        else if (!MemberName(container, slot))
          return false;
        break;
      }
      if (next == (inObject ? '}' : ']'))
      {
        ++at;
        ValueEnds(container);
        open.pop_back();
        continue;
      }
      return Fail(inObject ? "expected ',' or '}' after a member" : "expected ',' or ']' after an element");
    }
  }
}

bool StrictJsonReader::MemberName(Json::Value& object, Json::Value*& slot)
{
  if (at >= text.size() || text[at] != '"')
    return Fail("expected a member name in double quotes");
  const std::size_t start = at;
  std::string name;
  if (!StringText(name))
    return false;
  SkipSpace();
  if (at >= text.size() || text[at] != ':')
    return Fail("expected ':' after a member name");
  const Json::ArrayIndex before = object.size();
  slot = &object[name];
  if (object.size() == before)
  {
    at = start;
    return Fail("the member \"" + name + "\" is named twice; a save would keep only one");
  }
  ++at;
  SkipSpace();
  return true;
}

bool StrictJsonReader::String(Json::Value& out)
{
  // Most strings have no escape: made straight from the text.
  const std::size_t start = at + 1;
  const char* const begin = text.data();
  const char* cursor = begin + start;
  const char* const end = begin + text.size();
  while (cursor != end && PlainInString.plain[static_cast<unsigned char>(*cursor)])
    ++cursor;
  if (cursor != end && *cursor == '"')
  {
    out = Json::Value(begin + start, cursor);
    at = static_cast<std::size_t>(cursor - begin) + 1;
    return true;
  }
  scratch.clear();
  if (!StringText(scratch))
    return false;
  out = Json::Value(scratch.data(), scratch.data() + scratch.size());
  return true;
}

bool StrictJsonReader::StringText(std::string& out)
{
  ++at;  // the opening quote
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  for (;;)
  {
    // Plain printable ASCII, the bulk of every name and value.
    const char* cursor = begin + at;
    const char* const plainStart = cursor;
    while (cursor != end && PlainInString.plain[static_cast<unsigned char>(*cursor)])
      ++cursor;
    out.append(plainStart, cursor);
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
      if (!Escape(out))
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
      out.append(text.data() + start, at - start);
    }
  }
}

bool StrictJsonReader::Escape(std::string& out)
{
  ++at;  // the backslash
  if (at >= text.size())
    return Fail("a string is not closed");
  const char kind = text[at];
  if (kind != 'u')
  {
    static const std::string_view escaped = "\"\\/bfnrt";
    static const char meaning[] = "\"\\/\b\f\n\r\t";
    const std::size_t found = escaped.find(kind);
    if (found == std::string_view::npos)
      return Fail("an unknown escape in a string");
    out += meaning[found];
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
  unsigned codePoint = static_cast<unsigned>(unit);
  if (unit >= 0xD800 && unit <= 0xDBFF)
  {
    // Only a pair of escapes makes one character; either half alone stands for nothing.
    const int low = text.substr(at, 2) == "\\u" ? (++at, HexUnit()) : -1;
    if (low < 0xDC00 || low > 0xDFFF)
    {
      at = start;
      return Fail("a high surrogate escape (\\uD800 to \\uDBFF) is not followed by a low one");
    }
    codePoint = 0x10000 + ((static_cast<unsigned>(unit) - 0xD800) << 10) + (static_cast<unsigned>(low) - 0xDC00);
  }
  AppendUtf8(out, codePoint);
  return true;
}

int StrictJsonReader::HexUnit()
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

bool StrictJsonReader::Number(Json::Value& out)
{
  const std::size_t size = text.size();
  const std::size_t start = at;
  const bool negative = text[at] == '-';
  if (negative)
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
  bool whole = true;
  bool smallExponent = false;
  if (at < size && text[at] == '.')
  {
    whole = false;
    ++at;
    if (at >= size || !IsDigit(text[at]))
      return Fail("a '.' in a number is not followed by a digit");
    while (at < size && IsDigit(text[at]))
      ++at;
  }
  if (at < size && (text[at] == 'e' || text[at] == 'E'))
  {
    whole = false;
    ++at;
    if (at < size && (text[at] == '+' || text[at] == '-'))
      smallExponent = text[at++] == '-';
    if (at >= size || !IsDigit(text[at]))
      return Fail("an exponent has no digits");
    while (at < size && IsDigit(text[at]))
      ++at;
  }
  const char* const first = text.data() + start;
  const char* const last = text.data() + at;
  // The kinds jsoncpp gives: whole numbers that fit are integers (unsigned past the signed range).
  if (whole)
  {
    std::int64_t signedValue = 0;
    if (std::from_chars(first, last, signedValue).ec == std::errc())
    {
      out = Json::Value(static_cast<Json::Int64>(signedValue));
      return true;
    }
    std::uint64_t unsignedValue = 0;
    if (!negative && std::from_chars(first, last, unsignedValue).ec == std::errc())
    {
      out = Json::Value(static_cast<Json::UInt64>(unsignedValue));
      return true;
    }
  }
  double value = 0.0;
  const std::from_chars_result read = std::from_chars(first, last, value);
  if (read.ec == std::errc::result_out_of_range)
  {
    // Too large is infinite, as jsoncpp reads it (and the writer writes it back); too close to
    // zero would be written back as 0.
    if (smallExponent)
      return Fail("a number is too close to zero to be held");
    value = negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
  }
  else if (read.ec != std::errc() || read.ptr != last)
    return Fail("a number could not be read");
  out = Json::Value(value);
  return true;
}

bool StrictJsonReader::Literal(Json::Value& out)
{
  if (text.substr(at, 4) == "true")
  {
    out = Json::Value(true);
    at += 4;
    return true;
  }
  if (text.substr(at, 5) == "false")
  {
    out = Json::Value(false);
    at += 5;
    return true;
  }
  if (text.substr(at, 4) == "null")
  {
    out = Json::Value();
    at += 4;
    return true;
  }
  return Fail("expected a value (an object, array, string, number, true, false or null)");
}

void StrictJsonReader::SkipSpace()
{
  // Styled files are mostly indentation: this loop is the reader's hottest.
  const char* const end = text.data() + text.size();
  for (;;)
  {
    const char* cursor = text.data() + at;
    while (cursor != end && (*cursor == ' ' || *cursor == '\n' || *cursor == '\r' || *cursor == '\t'))
      ++cursor;
    at = static_cast<std::size_t>(cursor - text.data());
    if (!keepComments || cursor == end || *cursor != '/' || !SkipComment())
      return;
  }
}

bool StrictJsonReader::SkipComment()
{
  const std::size_t start = at;
  const bool toLineEnd = text.substr(at, 2) == "//";
  std::size_t end = std::string_view::npos;
  if (toLineEnd)
    end = std::min(text.find_first_of("\r\n", at), text.size());
  else if (text.substr(at, 2) == "/*")
  {
    end = text.find("*/", at + 2);
    if (end == std::string_view::npos)
    {
      commentProblem = "a comment is not closed";
      return false;
    }
    end += 2;
  }
  else
  {
    commentProblem = "a '/' starts no comment (\"//\" or \"/*\")";
    return false;
  }
  // Written back as it stands, so it must be UTF-8; its line ends become "\n", as jsoncpp keeps them.
  std::string comment;
  for (std::size_t index = start; index < end;)
  {
    unsigned codePoint = 0;
    const std::size_t from = index;
    if (!DecodeUtf8(text, index, codePoint))
    {
      commentProblem = "a comment is not UTF-8";
      return false;
    }
    if (codePoint != '\r')
      comment.append(text.data() + from, index - from);
    else if (index == end || text[index] != '\n')
      comment += '\n';
  }
  at = end;
  // After a value on its line it belongs to that value; otherwise to the value that follows.
  const auto hasLineBreak = [](std::string_view part) { return part.find_first_of("\r\n") != std::string_view::npos; };
  const bool sameLine = lastValue != nullptr && !hasLineBreak(text.substr(lastValueEnd, start - lastValueEnd)) &&
                        (toLineEnd || !hasLineBreak(text.substr(start, end - start)));
  if (sameLine)
  {
    const std::string earlier = lastValue->getComment(Json::commentAfterOnSameLine);
    lastValue->setComment(earlier.empty() ? comment : earlier + " " + comment, Json::commentAfterOnSameLine);
  }
  else
    commentsBefore += (commentsBefore.empty() ? "" : "\n") + comment;
  return true;
}

void StrictJsonReader::ValueStarts(Json::Value& value)
{
  if (!commentsBefore.empty())
  {
    value.setComment(commentsBefore, Json::commentBefore);
    commentsBefore.clear();
  }
}

void StrictJsonReader::ValueEnds(Json::Value& value)
{
  if (keepComments)
  {
    lastValue = &value;
    lastValueEnd = at;
  }
}

bool StrictJsonReader::Fail(const std::string& what)
{
  const std::size_t end = std::min(at, text.size());
  // Wherever a comment stands, that is the problem to name.
  const bool comment = end < text.size() && text[end] == '/';
  const char* const commentWhat =
      !keepComments ? "comments are not part of JSON" : commentProblem != nullptr ? commentProblem : what.c_str();
  const std::string_view before = text.substr(0, end);
  const std::size_t line = 1 + static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n'));
  const std::size_t lastBreak = before.rfind('\n');
  const std::size_t column = end - (lastBreak == std::string_view::npos ? 0 : lastBreak + 1) + 1;
  problem = "* Line " + std::to_string(line) + ", Column " + std::to_string(column) + "\n  " +
            (comment ? std::string(commentWhat) : what);
  return false;
}
