#include "core/FiniteCheck.h"

#include "core/Log.h"

#include <cmath>
#include <sstream>

bool IsFinite(float value)
{
  return std::isfinite(value);
}

bool IsFinite(glm::vec2 value)
{
  return std::isfinite(value.x) && std::isfinite(value.y);
}

bool IsFinite(const glm::mat3& value)
{
  for (int column = 0; column < 3; ++column)
    for (int row = 0; row < 3; ++row)
      if (!std::isfinite(value[column][row]))
        return false;
  return true;
}

std::string FiniteCheckText(float value)
{
  std::ostringstream text;
  text << value;
  return text.str();
}

std::string FiniteCheckText(glm::vec2 value)
{
  return "(" + FiniteCheckText(value.x) + ", " + FiniteCheckText(value.y) + ")";
}

std::string FiniteCheckText(const glm::mat3& value)
{
  // Row by row, as the matrix is written on paper; glm stores it by column.
  std::string text = "[";
  for (int row = 0; row < 3; ++row)
  {
    text += row == 0 ? "(" : ", (";
    for (int column = 0; column < 3; ++column)
      text += (column == 0 ? "" : ", ") + FiniteCheckText(value[column][row]);
    text += ")";
  }
  return text + "]";
}

void ReportNotFinite(const std::string& what, const std::string& value, int line, const char* file,
                     const char* function)
{
  // A bad value usually comes back every frame: the first refusal at a place tells, the rest are quiet.
  if (!FirstTimeFor("not finite " + what + " at " + std::string(file) + ":" + std::to_string(line)))
    return;
  Assert(what + " is not finite: " + value + "; it is left unchanged", line, file, function);
  DebugBreakIfAttached();
}
