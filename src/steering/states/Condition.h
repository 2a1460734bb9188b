#pragma once
// The test of a transition. One condition class serves a transition and its reverse: the builder
// sets `negate` on the instance of the reverse. See StateMachine.h.
class Condition
{
public:
  virtual ~Condition() = default;
  virtual bool Evaluate() = 0;

  bool negate = false;
};
