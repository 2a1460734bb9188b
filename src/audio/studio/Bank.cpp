#include "audio/studio/Bank.h"

#include "audio/studio/System.h"

namespace Studio
{
bool Bank::isValid() const
{
  System* system = System::Find(systemId);
  return system != nullptr && system->FindBank(slot, generation) != nullptr;
}

Result Bank::unload()
{
  System* system = System::Find(systemId);
  return system ? system->UnloadBank(slot, generation) : Result::ErrorInvalidHandle;
}

Result Bank::getEventCount(int* count) const
{
  System* system = System::Find(systemId);
  const System::BankRecord* record = system ? system->FindBank(slot, generation) : nullptr;
  if (record == nullptr)
    return Result::ErrorInvalidHandle;
  if (count == nullptr)
    return Result::ErrorInvalidParameter;
  *count = static_cast<int>(record->descriptionSlots.size());
  return Result::Ok;
}
}  // namespace Studio
