#include "audio/studio/EventDescription.h"

#include "audio/studio/System.h"

namespace Studio
{
bool EventDescription::isValid() const
{
  System* system = System::Find(systemId);
  return system != nullptr && system->FindDescription(slot, generation) != nullptr;
}

Result EventDescription::createInstance(EventInstance* instance) const
{
  if (instance != nullptr)
    *instance = EventInstance();
  System* system = System::Find(systemId);
  return system ? system->CreateInstance(slot, generation, instance) : Result::ErrorInvalidHandle;
}

Result EventDescription::loadSampleData() const
{
  System* system = System::Find(systemId);
  return system ? system->LoadSampleData(slot, generation) : Result::ErrorInvalidHandle;
}

Result EventDescription::releaseAllInstances() const
{
  System* system = System::Find(systemId);
  return system ? system->ReleaseAllInstances(slot, generation) : Result::ErrorInvalidHandle;
}

Result EventDescription::getInstanceCount(int* count) const
{
  System* system = System::Find(systemId);
  const System::DescriptionRecord* record = system ? system->FindDescription(slot, generation) : nullptr;
  if (record == nullptr)
    return Result::ErrorInvalidHandle;
  if (count == nullptr)
    return Result::ErrorInvalidParameter;
  *count = record->instanceCount;
  return Result::Ok;
}

Result EventDescription::getId(std::string* id) const
{
  System* system = System::Find(systemId);
  const System::DescriptionRecord* record = system ? system->FindDescription(slot, generation) : nullptr;
  if (record == nullptr)
    return Result::ErrorInvalidHandle;
  if (id == nullptr)
    return Result::ErrorInvalidParameter;
  *id = record->definition.id;
  return Result::Ok;
}

Result EventDescription::isLooping(bool* looping) const
{
  System* system = System::Find(systemId);
  const System::DescriptionRecord* record = system ? system->FindDescription(slot, generation) : nullptr;
  if (record == nullptr)
    return Result::ErrorInvalidHandle;
  if (looping == nullptr)
    return Result::ErrorInvalidParameter;
  *looping = record->definition.loop;
  return Result::Ok;
}

Result EventDescription::hasSustain(bool* sustain) const
{
  System* system = System::Find(systemId);
  const System::DescriptionRecord* record = system ? system->FindDescription(slot, generation) : nullptr;
  if (record == nullptr)
    return Result::ErrorInvalidHandle;
  if (sustain == nullptr)
    return Result::ErrorInvalidParameter;
  *sustain = record->definition.hasSustain;
  return Result::Ok;
}
}  // namespace Studio
