#include "support/FakeInputDevices.h"

#include <algorithm>

void FakeDeviceLog::Attach(std::int32_t instanceId, bool isController, RumbleSupport rumble)
{
  attached.push_back({instanceId, isController, rumble});
}

void FakeDeviceLog::Detach(std::int32_t instanceId)
{
  attached.erase(std::remove_if(attached.begin(), attached.end(),
                                [&](const Device& device) { return device.instanceId == instanceId; }),
                 attached.end());
}

int FakeDeviceLog::IndexOf(std::int32_t instanceId) const
{
  for (std::size_t index = 0; index < attached.size(); ++index)
  {
    if (attached[index].instanceId == instanceId)
      return static_cast<int>(index);
  }
  return -1;
}

FakeInputDevices::~FakeInputDevices()
{
  log->calls.push_back("destroyed");
}

const FakeDeviceLog::Device* FakeInputDevices::At(int deviceIndex) const
{
  if (deviceIndex < 0 || static_cast<std::size_t>(deviceIndex) >= log->attached.size())
    return nullptr;
  return &log->attached[static_cast<std::size_t>(deviceIndex)];
}

bool FakeInputDevices::IsGameController(int deviceIndex)
{
  const FakeDeviceLog::Device* device = At(deviceIndex);
  return device && device->isController;
}

std::int32_t FakeInputDevices::GetInstanceId(int deviceIndex)
{
  const FakeDeviceLog::Device* device = At(deviceIndex);
  return device ? device->instanceId : -1;
}

OpenedController FakeInputDevices::Open(int deviceIndex)
{
  OpenedController result;
  const FakeDeviceLog::Device* device = At(deviceIndex);
  if (!device)
    return result;
  result.opened = true;
  result.instanceId = device->instanceId;
  result.rumble = device->rumble;
  log->open.push_back(device->instanceId);
  log->calls.push_back("open " + std::to_string(device->instanceId));
  return result;
}

void FakeInputDevices::Close(std::int32_t instanceId)
{
  auto found = std::find(log->open.begin(), log->open.end(), instanceId);
  if (found != log->open.end())
    log->open.erase(found);
  log->calls.push_back("close " + std::to_string(instanceId));
}

void FakeInputDevices::Rumble(std::int32_t instanceId, float strength, std::uint32_t milliseconds)
{
  log->rumbles.push_back({instanceId, strength, milliseconds});
}

bool FakeInputDevices::PollEvent(SDL_Event& event)
{
  if (!log->readDisplay)
  {
    SDL_Event unread;
    while (SDL_PollEvent(&unread) == 1)
      if ((unread.type == SDL_DROPFILE || unread.type == SDL_DROPTEXT) && unread.drop.file)
        SDL_free(unread.drop.file);
  }
  if (!log->events.empty())
  {
    event = log->events.front();
    log->events.pop_front();
    return true;
  }
  return log->readDisplay && SDL_PollEvent(&event) == 1;
}
