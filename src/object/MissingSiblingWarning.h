#pragma once
// A component that needs another component of its object (a Sprite, a Transform, a collider)
// skips the step that needs it when it is missing. It says so once, not on every frame the step
// would have run.
#include <string>

class Component;

class MissingSiblingWarning
{
public:
  // Prints "[WARNING] <component> of <object>: no <sibling>; <skipped step> is skipped." the
  // first time it is called, nothing afterwards.
  void Report(const Component& component, const std::string& siblingName, const std::string& skippedStep);
  bool HasReported() const { return reported; }

private:
  bool reported = false;
};
