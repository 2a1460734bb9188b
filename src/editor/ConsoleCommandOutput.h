#pragma once
// Entries of the console's log. Each draws its own body under an optional header line (usually
// the command line that produced it): plain coloured text, or a live graph.
#include <array>
#include <string>

class ConsoleCommandOutput
{
public:
  explicit ConsoleCommandOutput(std::string header) : header(std::move(header)) {}
  virtual ~ConsoleCommandOutput() = default;

  // Draws the body with ImGui. `filter` is the console's filter text; empty shows everything.
  virtual void Print(const std::string& filter) = 0;
  // Whether this entry should bring the console into view (errors and warnings).
  virtual bool WantsAttention() const { return false; }

  const std::string& GetHeader() const { return header; }

protected:
  std::string header;
};

// Text in one colour; a text starting with "[ERROR]" is red and one starting with "[WARNING]" is
// yellow, when more follows the prefix.
class TextCommandOutput : public ConsoleCommandOutput
{
public:
  TextCommandOutput(std::string header, std::string text);

  // Drawn verbatim (never as a format string), and only when it contains the filter.
  void Print(const std::string& filter) override;
  bool WantsAttention() const override { return wantsAttention; }

  const std::string& GetText() const { return text; }
  const std::array<float, 4>& GetColour() const { return colour; }

protected:
  std::string text;
  std::array<float, 4> colour{1.0f, 1.0f, 1.0f, 1.0f};

private:
  bool wantsAttention = false;
};
