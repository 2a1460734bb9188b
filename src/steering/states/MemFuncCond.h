#pragma once
// A condition that asks a member function of its owner taking no argument:
//   new MemFuncCond<ClickDetector>(this, &ClickDetector::IsHovered)
// Evaluate returns the function's answer, inverted while `negate` is set. A null function is
// reported when the condition is made and always answers false.
#include "steering/states/Condition.h"
#include "platform/Assert.h"

template <typename T>
class MemFuncCond : public Condition
{
public:
  using Function = bool (T::*)();

  MemFuncCond(T* owner, Function function) : object(owner), member(function)
  {
    BRINDLE_CHECK(object != nullptr && member != nullptr, "MemFuncCond: bound to no function");
  }

  bool Evaluate() override
  {
    if (object == nullptr || member == nullptr)
      return false;
    return (object->*member)() != negate;
  }

private:
  T* object;
  Function member;
};
