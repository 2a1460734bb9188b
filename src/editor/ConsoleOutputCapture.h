#pragma once
// Takes the place of standard output's buffer while it lives and collects what is written, so the
// console can show it line by line; everything is passed on to the earlier buffer as well. The
// earlier buffer comes back on destruction.
#include <iosfwd>
#include <streambuf>
#include <string>
#include <vector>

class ConsoleOutputCapture : public std::streambuf
{
public:
  explicit ConsoleOutputCapture(std::ostream& captured);
  ~ConsoleOutputCapture() override;
  ConsoleOutputCapture(const ConsoleOutputCapture&) = delete;
  ConsoleOutputCapture& operator=(const ConsoleOutputCapture&) = delete;

  // The lines completed since the last call, without their line ends, in order. Text after the
  // last line end stays pending until its line is complete.
  std::vector<std::string> TakeCompleteLines();
  const std::string& Pending() const { return text; }
  // Writes to the earlier buffer only, and flushes it: text for whoever reads standard output,
  // which the console does not show.
  void WritePast(const std::string& text);

protected:
  int_type overflow(int_type character) override;
  std::streamsize xsputn(const char* characters, std::streamsize count) override;
  int sync() override;

private:
  std::ostream& captured;
  std::streambuf* previous;
  std::string text;
};
