#include "flow/actions/ActionSystem.h"

namespace ActionSystem
{
namespace
{
ActionSystem* published = nullptr;
}

float BaseRecord::Progress(float now)
{
  if (!(duration > 0.0f))
  {
    done = true;
    return 1.0f;
  }
  float t = (now - startTime) / duration;
  // Exactly 1 writes the end value and finishes on the next step.
  if (t > 1.0f)
  {
    t = 1.0f;
    done = true;
  }
  return t;
}

ActionSystem::ActionSystem(Clock frameClock) : clock(std::move(frameClock)) {}

ActionSystem::~ActionSystem()
{
  if (published == this)
    published = nullptr;
}

ActionSystem* ActionSystem::Instance()
{
  return published;
}

void ActionSystem::SetInstance(ActionSystem* system)
{
  published = system;
}

void ActionSystem::Update()
{
  const float now = clock();
  // By index: a setter may add records, which then wait for the next frame's step.
  const std::size_t stepped = records.size();
  std::size_t index = 0;
  for (std::size_t visited = 0; visited < stepped; ++visited)
  {
    records[index]->Update(now);
    if (records[index]->IsDone())
      records.erase(records.begin() + static_cast<std::ptrdiff_t>(index));
    else
      ++index;
  }
}
}  // namespace ActionSystem
