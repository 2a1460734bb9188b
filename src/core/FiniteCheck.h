#pragma once
// Setters that take values from outside (content, the console, another component's arithmetic)
// refuse NaN and infinities: one such value spreads through every matrix, contact and draw it
// touches, and is far harder to trace there than at the setter that let it in. A refused value
// fails a check that names the setter and the value, and the setter keeps what it had. Each place
// reports its first refusal only.
#include "platform/Assert.h"

#include <glm/mat3x3.hpp>
#include <glm/vec2.hpp>

#include <string>

bool IsFinite(float value);
bool IsFinite(glm::vec2 value);
bool IsFinite(const glm::mat3& value);

// "(nan, 2)" and the like, for the report.
std::string FiniteCheckText(float value);
std::string FiniteCheckText(glm::vec2 value);
std::string FiniteCheckText(const glm::mat3& value);

// Fails a check: "<what> is not finite: <value>; it is left unchanged", the first time `what` is
// refused at this file and line.
void ReportNotFinite(const std::string& what, const std::string& value, int line, const char* file,
                     const char* function);

// True when `value` is finite; otherwise reports it (naming the calling function) and is false.
// `what` is evaluated only for the report.
#define BRINDLE_CHECK_FINITE(value, what)                                                      \
  (IsFinite(value) ||                                                                          \
   (ReportNotFinite((what), FiniteCheckText(value), __LINE__, __FILE__, __PRETTY_FUNCTION__), \
    false))
