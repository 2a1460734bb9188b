#pragma once
// An action that calls a member function of its owner, with argument values fixed when it is made:
//   new MemFuncAction<AIController>(this, &AIController::WanderUpdate)
//   new MemFuncAction<Detector, bool>(this, &Detector::SetForcedHover, true)
// A null member function is reported when the action is made and does nothing when run.
#include "steering/states/Action.h"
#include "platform/Assert.h"

#include <tuple>
#include <utility>

template <typename T, typename... Args>
class MemFuncAction : public Action
{
public:
  using Function = void (T::*)(Args...);

  MemFuncAction(T* owner, Function function, Args... arguments)
      : object(owner), member(function), bound(arguments...)
  {
    BRINDLE_CHECK(object != nullptr && member != nullptr, "MemFuncAction: bound to no function");
  }

  void Execute() override
  {
    if (object == nullptr || member == nullptr)
      return;
    Call(std::index_sequence_for<Args...>{});
  }

private:
  template <std::size_t... Index>
  void Call(std::index_sequence<Index...>)
  {
    (object->*member)(std::get<Index>(bound)...);
  }

  T* object;
  Function member;
  std::tuple<Args...> bound;
};
