#pragma once
// Something a state machine hands back for its owner to run: a state's update, entry or exit
// step, or a transition's step. See StateMachine.h.
class Action
{
public:
  virtual ~Action() = default;
  virtual void Execute() = 0;
};
