#pragma once
// Fixed-size text fields for ImGui's text inputs. A text longer than the field is cut short for
// showing; callers write a field back only when the user edited it, so a long value survives being
// looked at.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>

template <std::size_t Size>
void FillTextBuffer(char (&buffer)[Size], const std::string& text)
{
  const std::size_t length = std::min(text.size(), Size - 1);
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
}
