#include "core/Utf8.h"

bool DecodeUtf8(std::string_view text, std::size_t& at, unsigned& codePoint)
{
  const auto byte = [&text](std::size_t index) { return static_cast<unsigned char>(text[index]); };
  const unsigned lead = byte(at);
  if (lead < 0x80)
  {
    codePoint = lead;
    ++at;
    return true;
  }
  int length = 0;
  if (lead >= 0xC2 && lead <= 0xDF)
    length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF)
    length = 3;
  else if (lead >= 0xF0 && lead <= 0xF4)
    length = 4;
  if (length == 0 || at + length > text.size())
  {
    ++at;
    return false;
  }
  unsigned value = lead & (0xFFu >> (length + 1));
  for (int index = 1; index < length; ++index)
  {
    const unsigned next = byte(at + index);
    if ((next & 0xC0) != 0x80)
    {
      ++at;
      return false;
    }
    value = (value << 6) | (next & 0x3F);
  }
  const unsigned smallest[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (value < smallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
  {
    ++at;
    return false;
  }
  codePoint = value;
  at += length;
  return true;
}

void AppendUtf8(std::string& out, unsigned codePoint)
{
  if (codePoint < 0x80)
    out += static_cast<char>(codePoint);
  else if (codePoint < 0x800)
  {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
  else if (codePoint < 0x10000)
  {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
  else
  {
    out += static_cast<char>(0xF0 | (codePoint >> 18));
    out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}
