#pragma once
// A published Input on fake controllers, with an empty SDL queue, torn down after each test.
#include "InputTestSupport.h"

#include "input/Input.h"

#include <gtest/gtest.h>

#include <initializer_list>

class InputFixture : public ::testing::Test
{
protected:
  void SetUp() override
  {
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    Input::Init(std::make_unique<FakeInputDevices>(devices));
    input = Input::Instance();
    ASSERT_NE(input, nullptr);
  }
  void TearDown() override { Input::Shutdown(); }

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

  std::shared_ptr<FakeDeviceLog> devices = std::make_shared<FakeDeviceLog>();
  Input* input = nullptr;
};
