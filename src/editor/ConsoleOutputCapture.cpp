#include "editor/ConsoleOutputCapture.h"

#include <ostream>

ConsoleOutputCapture::ConsoleOutputCapture(std::ostream& stream) : captured(stream), previous(stream.rdbuf(this))
{
}

ConsoleOutputCapture::~ConsoleOutputCapture()
{
  // Only give the stream back if nobody replaced us in the meantime.
  if (captured.rdbuf() == this)
    captured.rdbuf(previous);
}

std::vector<std::string> ConsoleOutputCapture::TakeCompleteLines()
{
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start))
  {
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  text.erase(0, start);
  return lines;
}

void ConsoleOutputCapture::WritePast(const std::string& passing)
{
  if (previous == nullptr)
    return;
  previous->sputn(passing.data(), static_cast<std::streamsize>(passing.size()));
  previous->pubsync();
}

ConsoleOutputCapture::int_type ConsoleOutputCapture::overflow(int_type character)
{
  if (traits_type::eq_int_type(character, traits_type::eof()))
    return traits_type::not_eof(character);
  text.push_back(traits_type::to_char_type(character));
  // The text still reaches the terminal: diagnostics must be seen without the console window.
  if (previous != nullptr)
    previous->sputc(traits_type::to_char_type(character));
  return character;
}

std::streamsize ConsoleOutputCapture::xsputn(const char* characters, std::streamsize count)
{
  text.append(characters, static_cast<std::size_t>(count));
  if (previous != nullptr)
    previous->sputn(characters, count);
  return count;
}

int ConsoleOutputCapture::sync()
{
  return previous != nullptr ? previous->pubsync() : 0;
}
