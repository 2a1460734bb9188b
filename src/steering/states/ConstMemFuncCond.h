#pragma once
// A condition that asks a const member function of another object, with its one argument fixed
// when the condition is made:
//   new ConstMemFuncCond<AimingModule, Handle<GameObject>*>(aiming, &AimingModule::CanSee, &targetObject)
// Evaluate returns the function's answer, inverted while `negate` is set. A null object or
// function is reported when the condition is made and always answers false.
#include "steering/states/Condition.h"
#include "platform/Assert.h"

#include <utility>

template <typename T, typename Arg>
class ConstMemFuncCond : public Condition
{
public:
  using Function = bool (T::*)(Arg) const;

  ConstMemFuncCond(const T* owner, Function function, Arg argument)
      : object(owner), member(function), bound(std::move(argument))
  {
    BRINDLE_CHECK(object != nullptr && member != nullptr, "ConstMemFuncCond: bound to no function");
  }

  bool Evaluate() override
  {
    if (object == nullptr || member == nullptr)
      return false;
    return (object->*member)(bound) != negate;
  }

private:
  const T* object;
  Function member;
  Arg bound;
};
