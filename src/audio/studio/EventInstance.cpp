#include "audio/studio/EventInstance.h"

#include "audio/studio/System.h"

namespace Studio
{
bool EventInstance::isValid() const
{
  System* system = System::Find(systemId);
  return system != nullptr && system->FindInstance(slot, generation) != nullptr;
}

Result EventInstance::start()
{
  System* system = System::Find(systemId);
  return system ? system->StartInstance(slot, generation) : Result::ErrorInvalidHandle;
}

Result EventInstance::stop(StopMode mode)
{
  System* system = System::Find(systemId);
  return system ? system->StopInstance(slot, generation, mode) : Result::ErrorInvalidHandle;
}

Result EventInstance::setPaused(bool paused)
{
  System* system = System::Find(systemId);
  return system ? system->PauseInstance(slot, generation, paused) : Result::ErrorInvalidHandle;
}

Result EventInstance::getPaused(bool* paused) const
{
  System* system = System::Find(systemId);
  const System::InstanceRecord* record = system ? system->FindInstance(slot, generation) : nullptr;
  if (record == nullptr)
    return Result::ErrorInvalidHandle;
  if (paused == nullptr)
    return Result::ErrorInvalidParameter;
  *paused = record->paused;
  return Result::Ok;
}

Result EventInstance::setVolume(float volume)
{
  System* system = System::Find(systemId);
  return system ? system->SetInstanceVolume(slot, generation, volume) : Result::ErrorInvalidHandle;
}

Result EventInstance::getVolume(float* volume) const
{
  System* system = System::Find(systemId);
  const System::InstanceRecord* record = system ? system->FindInstance(slot, generation) : nullptr;
  if (record == nullptr)
    return Result::ErrorInvalidHandle;
  if (volume == nullptr)
    return Result::ErrorInvalidParameter;
  *volume = record->volume;
  return Result::Ok;
}

Result EventInstance::setPitch(float pitch)
{
  System* system = System::Find(systemId);
  return system ? system->SetInstancePitch(slot, generation, pitch) : Result::ErrorInvalidHandle;
}

Result EventInstance::getPitch(float* pitch) const
{
  System* system = System::Find(systemId);
  const System::InstanceRecord* record = system ? system->FindInstance(slot, generation) : nullptr;
  if (record == nullptr)
    return Result::ErrorInvalidHandle;
  if (pitch == nullptr)
    return Result::ErrorInvalidParameter;
  *pitch = record->pitch;
  return Result::Ok;
}

Result EventInstance::triggerCue()
{
  System* system = System::Find(systemId);
  return system ? system->TriggerInstanceCue(slot, generation) : Result::ErrorInvalidHandle;
}

Result EventInstance::getPlaybackState(PlaybackState* state) const
{
  System* system = System::Find(systemId);
  const System::InstanceRecord* record = system ? system->FindInstance(slot, generation) : nullptr;
  if (record == nullptr)
    return Result::ErrorInvalidHandle;
  if (state == nullptr)
    return Result::ErrorInvalidParameter;
  *state = record->state;
  return Result::Ok;
}

Result EventInstance::getDescription(EventDescription* description) const
{
  if (description != nullptr)
    *description = EventDescription();
  System* system = System::Find(systemId);
  const System::InstanceRecord* record = system ? system->FindInstance(slot, generation) : nullptr;
  if (record == nullptr)
    return Result::ErrorInvalidHandle;
  if (description == nullptr)
    return Result::ErrorInvalidParameter;
  *description = EventDescription(systemId, record->description, system->descriptions[record->description].generation);
  return Result::Ok;
}

Result EventInstance::release()
{
  System* system = System::Find(systemId);
  return system ? system->ReleaseInstance(slot, generation) : Result::ErrorInvalidHandle;
}
}  // namespace Studio
