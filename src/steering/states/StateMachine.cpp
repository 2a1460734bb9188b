#include "steering/states/StateMachine.h"

#include "platform/Assert.h"

State* StateMachine::AddState(const std::string& stateName)
{
  if (State* existing = FindState(stateName))
  {
    BRINDLE_CHECK(false, "State: " + stateName + " already exists in this state machine");
    return existing;
  }
  states.push_back(std::make_unique<State>(stateName, this));
  return states.back().get();
}

State* StateMachine::FindState(const std::string& stateName) const
{
  for (const auto& state : states)
    if (state->GetName() == stateName)
      return state.get();
  return nullptr;
}

void StateMachine::SetInitialState(State* state)
{
  if (state == nullptr || state->GetOwner() != this)
  {
    const std::string stateName = state != nullptr ? state->GetName() : std::string("(null)");
    const std::string ownerName =
        state != nullptr && state->GetOwner() != nullptr ? state->GetOwner()->GetName() : std::string();
    BRINDLE_CHECK(false, "Attempted to set" + stateName + " child of " + ownerName + " as " + name +
                             "'s initial state");
    return;
  }
  initial = state;
}

std::vector<Action*> StateMachine::EvaluateTransitions()
{
  if (current == nullptr)
  {
    if (initial == nullptr)
      return {};
    current = initial;
    return {initial->GetEntryAction()};
  }
  for (const auto& transition : current->GetTransitions())
  {
    if (!transition->Fires())
      continue;
    State* source = current;
    State* target = transition->GetTarget() != nullptr ? transition->GetTarget() : source;
    current = target;
    return {source->GetExitAction(), transition->GetAction(), target->GetEntryAction()};
  }
  return {current->GetUpdateAction()};
}

void StateMachine::Execute(const std::vector<Action*>& actions)
{
  for (Action* action : actions)
    if (action != nullptr)
      action->Execute();
}
