#include "steering/states/Transition.h"

#include "platform/Assert.h"

void Transition::SetCondition(std::unique_ptr<Condition> test, bool negated)
{
  condition = std::move(test);
  if (condition != nullptr)
    condition->negate = negated;
}

bool Transition::Fires()
{
  if (condition == nullptr)
  {
    BRINDLE_CHECK(reportedMissingCondition, "Transition " + name + " has no condition and never fires");
    reportedMissingCondition = true;
    return false;
  }
  return condition->Evaluate();
}
