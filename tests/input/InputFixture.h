#pragma once
// Input on fake controllers and the action map (support/ScopedEngine), with the events of each
// frame going through an emptied SDL queue as the display's would.
#include "InputTestSupport.h"

#include "input/Input.h"
#include "support/ScopedEngine.h"

#include <gtest/gtest.h>

#include <initializer_list>

class InputFixture : public EngineTestWith<ScopedEngine::WithInput>
{
protected:
  void SetUp() override
  {
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    devices->readDisplay = true;
    input = Input::Instance();
    ASSERT_NE(input, nullptr);
  }

  // One frame: the events go through SDL's queue and the pump.
  void Frame(std::initializer_list<SDL_Event> events = {})
  {
    for (const SDL_Event& event : events)
      TestEvents::Push(event);
    input->Update();
  }

  // Attaches a controller and lets the pump open it; returns its device index.
  int PlugController(std::int32_t instanceId, RumbleSupport rumble = RumbleSupport::Ready)
  {
    devices->Attach(instanceId, true, rumble);
    const int index = devices->IndexOf(instanceId);
    Frame({TestEvents::ControllerAdded(index)});
    return index;
  }

  void UnplugController(std::int32_t instanceId)
  {
    devices->Detach(instanceId);
    Frame({TestEvents::ControllerRemoved(instanceId)});
  }

  Input* input = nullptr;
};
