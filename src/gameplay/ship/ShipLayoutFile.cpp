#include "gameplay/ship/ShipLayoutFile.h"

#include <cerrno>
#include <cstdlib>
#include <string_view>

namespace
{
bool IsSeparator(char c)
{
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Hands out the words of a text one by one without copying it.
class WordReader
{
public:
  explicit WordReader(const std::string& source) : text(source) {}

  // False at the end of the text.
  bool Next(std::string_view& word)
  {
    while (position < text.size() && IsSeparator(text[position]))
      ++position;
    if (position == text.size())
      return false;
    const std::size_t start = position;
    while (position < text.size() && !IsSeparator(text[position]))
      ++position;
    word = std::string_view(text).substr(start, position - start);
    return true;
  }

private:
  const std::string& text;
  std::size_t position = 0;
};

bool ParseSide(std::string_view word, int& side)
{
  // At most nine digits after an optional sign, so the value always fits.
  const std::size_t digitsFrom = !word.empty() && word[0] == '-' ? 1 : 0;
  if (word.size() == digitsFrom || word.size() - digitsFrom > 9)
    return false;
  for (std::size_t i = digitsFrom; i < word.size(); ++i)
  {
    if (word[i] < '0' || word[i] > '9')
      return false;
  }
  const std::string digits(word);
  errno = 0;
  char* end = nullptr;
  const long value = std::strtol(digits.c_str(), &end, 10);
  if (errno != 0 || end != digits.c_str() + digits.size())
    return false;
  side = static_cast<int>(value);
  return true;
}

bool IsPrintableCode(char c)
{
  return c > ' ' && c < 127;
}
}  // namespace

namespace ShipLayoutFile
{
std::string Parse(const std::string& text, ShipLayout& layout)
{
  WordReader words(text);
  std::string_view word;
  if (!words.Next(word))
    return "the file is empty";
  if (word != MagicWord)
    return "it does not start with \"ship\"";

  int width = 0;
  int height = 0;
  if (!words.Next(word) || !ParseSide(word, width))
    return "the width is missing or not a whole number";
  if (!words.Next(word) || !ParseSide(word, height))
    return "the height is missing or not a whole number";
  if (width < 1 || height < 1 || width > MaximumSide || height > MaximumSide)
    return "a grid of " + std::to_string(width) + " x " + std::to_string(height) + " tiles is outside 1 to " +
           std::to_string(MaximumSide) + " on a side";

  ShipLayout read;
  read.width = width;
  read.height = height;
  read.tiles.resize(static_cast<std::size_t>(width) * height);
  for (int y = height - 1; y >= 0; --y)
  {
    for (int x = 0; x < width; ++x)
    {
      if (!words.Next(word))
      {
        const long count = static_cast<long>(height - 1 - y) * width + x;
        return "it ends after " + std::to_string(count) + " of " + std::to_string(static_cast<long>(width) * height) +
               " tiles";
      }
      char codes[3] = {ShipTile::None, ShipTile::None, ShipTile::None};
      for (std::size_t i = 0; i < 3 && i < word.size(); ++i)
      {
        if (!IsPrintableCode(word[i]))
          return "tile (" + std::to_string(x) + ", " + std::to_string(y) + ") holds a character that is no tile code";
        codes[i] = word[i];
      }
      ShipTile& tile = read.At(x, y);
      tile.floor = codes[0];
      tile.side = codes[1];
      tile.bottom = codes[2];
    }
  }
  if (words.Next(word))
    return "it holds more words than its " + std::to_string(width) + " x " + std::to_string(height) + " tiles";

  layout = std::move(read);
  return std::string();
}

std::string Format(const ShipLayout& layout)
{
  std::string text;
  text.reserve(16 + static_cast<std::size_t>(layout.width) * layout.height * 4 + layout.height);
  text += MagicWord;
  text += '\n';
  text += std::to_string(layout.width) + '\n';
  text += std::to_string(layout.height) + '\n';
  for (int y = layout.height - 1; y >= 0; --y)
  {
    for (int x = 0; x < layout.width; ++x)
    {
      const ShipTile& tile = layout.At(x, y);
      text += tile.floor;
      text += tile.side;
      text += tile.bottom;
      text += ' ';
    }
    text += '\n';
  }
  return text;
}
}  // namespace ShipLayoutFile
