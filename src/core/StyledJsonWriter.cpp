#include "core/StyledJsonWriter.h"

#include "core/Utf8.h"

#include <algorithm>
#include <charconv>  // Required for: std::to_chars (shortest round-trip form)
#include <cmath>

namespace
{
void AppendEscape(std::string& out, unsigned unit)
{
  static const char digits[] = "0123456789abcdef";
  out += "\\u";
  for (int shift = 12; shift >= 0; shift -= 4)
    out += digits[(unit >> shift) & 0xF];
}
}  // namespace

std::string StyledJsonWriter::Write(const Json::Value& root)
{
  StyledJsonWriter writer;
  writer.WriteCommentBefore(root);
  writer.WriteValue(root);
  writer.WriteCommentsAfter(root);
  if (writer.document.back() != '\n')  // a comment after the document ends its own line
    writer.document += '\n';
  return writer.document;
}

std::string StyledJsonWriter::NumberText(double value)
{
  if (std::isnan(value))
    return "null";
  if (std::isinf(value))
    return value < 0 ? "-1e+9999" : "1e+9999";
  // The layout "%.17g" would choose (scientific below 1e-4 and from 1e17 on), in fewest digits.
  char text[64];
  const double magnitude = std::fabs(value);
  const bool scientific = magnitude != 0.0 && (magnitude < 1e-4 || magnitude >= 1e17);
  const std::to_chars_result written = std::to_chars(
      text, text + sizeof(text), value, scientific ? std::chars_format::scientific : std::chars_format::fixed);
  std::string result(text, written.ptr);
  if (result.find_first_of(".e") == std::string::npos)
    result += ".0";
  return result;
}

std::string StyledJsonWriter::QuotedText(const std::string& text)
{
  std::string out = "\"";
  std::size_t at = 0;
  while (at < text.size())
  {
    unsigned codePoint = 0;
    if (!DecodeUtf8(text, at, codePoint))
    {
      // Not UTF-8 (no file the readers accept holds such text, but a name typed or made at run
      // time might): written as U+FFFD, since raw bytes would make a file no reader accepts.
      AppendEscape(out, 0xFFFD);
      continue;
    }
    switch (codePoint)
    {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (codePoint < 0x20 || codePoint >= 0x80)
        {
          if (codePoint >= 0x10000)
          {
            codePoint -= 0x10000;
            AppendEscape(out, 0xD800 + (codePoint >> 10));
            AppendEscape(out, 0xDC00 + (codePoint & 0x3FF));
          }
          else
            AppendEscape(out, codePoint);
        }
        else
          out += static_cast<char>(codePoint);
    }
  }
  return out + "\"";
}

void StyledJsonWriter::WriteValue(const Json::Value& value)
{
  switch (value.type())
  {
    case Json::nullValue: PushValue("null"); break;
    case Json::intValue: PushValue(std::to_string(value.asLargestInt())); break;
    case Json::uintValue: PushValue(std::to_string(value.asLargestUInt())); break;
    case Json::realValue: PushValue(NumberText(value.asDouble())); break;
    case Json::stringValue: PushValue(QuotedText(value.asString())); break;
    case Json::booleanValue: PushValue(value.asBool() ? "true" : "false"); break;
    case Json::arrayValue: WriteArray(value); break;
    case Json::objectValue:
    {
      const Json::Value::Members members = value.getMemberNames();
      if (members.empty())
      {
        PushValue("{}");
        break;
      }
      WriteWithIndent("{");
      indent += std::string(IndentSize, ' ');
      for (std::size_t index = 0; index < members.size(); ++index)
      {
        const Json::Value& member = value[members[index]];
        WriteCommentBefore(member);
        WriteWithIndent(QuotedText(members[index]));
        document += " : ";
        WriteValue(member);
        if (index + 1 < members.size())
          document += ',';
        WriteCommentsAfter(member);
      }
      indent.resize(indent.size() - IndentSize);
      WriteWithIndent("}");
      break;
    }
  }
}

void StyledJsonWriter::WriteArray(const Json::Value& value)
{
  const Json::ArrayIndex size = value.size();
  if (size == 0)
  {
    PushValue("[]");
    return;
  }
  if (IsMultilineArray(value))
  {
    WriteWithIndent("[");
    indent += std::string(IndentSize, ' ');
    const bool hasChildValues = !childValues.empty();
    for (Json::ArrayIndex index = 0; index < size; ++index)
    {
      WriteCommentBefore(value[index]);
      if (hasChildValues)
        WriteWithIndent(childValues[index]);
      else
      {
        WriteIndent();
        WriteValue(value[index]);
      }
      if (index + 1 < size)
        document += ',';
      WriteCommentsAfter(value[index]);
    }
    indent.resize(indent.size() - IndentSize);
    WriteWithIndent("]");
    return;
  }
  document += "[ ";
  for (Json::ArrayIndex index = 0; index < size; ++index)
  {
    if (index > 0)
      document += ", ";
    document += childValues[index];
  }
  document += " ]";
}

bool StyledJsonWriter::IsMultilineArray(const Json::Value& value)
{
  const Json::ArrayIndex size = value.size();
  bool multiline = size * 3 >= RightMargin;
  childValues.clear();
  for (Json::ArrayIndex index = 0; index < size && !multiline; ++index)
  {
    const Json::Value& child = value[index];
    multiline = (child.isArray() || child.isObject()) && !child.empty();
  }
  if (!multiline)
  {
    childValues.reserve(size);
    addChildValues = true;
    std::size_t lineLength = 4 + (size - 1) * 2;  // "[ " + ", " between + " ]"
    for (Json::ArrayIndex index = 0; index < size; ++index)
    {
      // A comment runs to the end of its line or stands on lines of its own.
      multiline = multiline || HasComment(value[index]);
      WriteValue(value[index]);
      lineLength += childValues[index].size();
    }
    addChildValues = false;
    multiline = multiline || lineLength >= RightMargin;
  }
  return multiline;
}

bool StyledJsonWriter::HasComment(const Json::Value& value)
{
  return value.hasComment(Json::commentBefore) || value.hasComment(Json::commentAfterOnSameLine) ||
         value.hasComment(Json::commentAfter);
}

void StyledJsonWriter::WriteCommentBefore(const Json::Value& value)
{
  if (!value.hasComment(Json::commentBefore))
    return;
  // On lines of its own above the value (above the member's name), each comment line indented as
  // the value is; the lines inside a "/* */" stay as they were typed, even one that starts with "/".
  if (!document.empty() && document.back() != '\n')
    document += '\n';
  WriteIndent();
  const std::string comment = value.getComment(Json::commentBefore);
  bool inBlock = false;
  for (std::size_t index = 0; index < comment.size(); ++index)
  {
    document += comment[index];
    if (!inBlock && comment.compare(index, 2, "/*") == 0)
    {
      document += comment[++index];
      inBlock = true;
    }
    else if (inBlock && comment.compare(index, 2, "*/") == 0)
    {
      document += comment[++index];
      inBlock = false;
    }
    else if (!inBlock && comment[index] == '/' && index + 1 < comment.size() && comment[index + 1] == '/')
    {
      // A line comment runs to the line's end, whatever it holds.
      const std::size_t lineEnd = std::min(comment.find('\n', index), comment.size());
      document.append(comment, index + 1, lineEnd - index - 1);
      index = lineEnd - 1;
    }
    else if (!inBlock && comment[index] == '\n' && index + 1 < comment.size() && comment[index + 1] == '/')
      document += indent;
  }
  document += '\n';
}

void StyledJsonWriter::WriteCommentsAfter(const Json::Value& value)
{
  // A comment after a value ends its line: what follows it on that line would be read as comment
  // (a "//" comment ending in a blank once took the next member along).
  if (value.hasComment(Json::commentAfterOnSameLine))
    document += " " + value.getComment(Json::commentAfterOnSameLine) + "\n";
  if (value.hasComment(Json::commentAfter))
    document += (document.back() == '\n' ? "" : "\n") + value.getComment(Json::commentAfter) + "\n";
}

void StyledJsonWriter::PushValue(const std::string& text)
{
  if (addChildValues)
    childValues.push_back(text);
  else
    document += text;
}

void StyledJsonWriter::WriteIndent()
{
  if (!document.empty())
  {
    const char last = document.back();
    if (last == ' ')  // already indented, after " : "
      return;
    if (last != '\n')
      document += '\n';
  }
  document += indent;
}

void StyledJsonWriter::WriteWithIndent(const std::string& text)
{
  WriteIndent();
  document += text;
}
