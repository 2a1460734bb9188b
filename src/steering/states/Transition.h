#pragma once
// A guarded edge from one state to another, with an optional action run between the source's exit
// and the target's entry. Made by State::AddTransition and owned by its source state; it owns its
// condition and its action. See StateMachine.h.
#include "steering/states/Action.h"
#include "steering/states/Condition.h"

#include <memory>
#include <string>

class State;

class Transition
{
public:
  Transition(std::string transitionName, State* sourceState, State* targetState)
      : name(std::move(transitionName)), target(targetState), source(sourceState)
  {
  }

  const std::string& GetName() const { return name; }
  State* GetTarget() const { return target; }
  State* GetSource() const { return source; }
  Condition* GetCondition() const { return condition.get(); }
  Action* GetAction() const { return action.get(); }

  // Replaces the test; `negated` sets the condition's negate flag (the reverse of a transition).
  void SetCondition(std::unique_ptr<Condition> test, bool negated = false);
  void SetAction(std::unique_ptr<Action> step) { action = std::move(step); }

  // Whether the transition fires now. One without a condition never fires; that is reported once.
  bool Fires();

private:
  std::string name;
  State* target;
  State* source;
  std::unique_ptr<Condition> condition;
  std::unique_ptr<Action> action;
  bool reportedMissingCondition = false;
};
