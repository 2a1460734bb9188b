#include "object/Registry.h"

#include "core/EventManager.h"
#include "object/GameObject.h"
#include "object/ObjectEvents.h"

namespace
{
Registry* currentRegistry = nullptr;
}  // namespace

Registry::Registry() : Listener(RegistryListenerId)
{
  if (EventManager* manager = EventManager::Instance())
  {
    manager->Subscribe<Registry, RegisterGO>(this, RegistryChannel);
    manager->Subscribe<Registry, UnregisterGO>(this, RegistryChannel);
  }
}

Registry::~Registry()
{
  if (currentRegistry == this)
    currentRegistry = nullptr;
}

Registry* Registry::Instance()
{
  return currentRegistry;
}

void Registry::SetInstance(Registry* registry)
{
  currentRegistry = registry;
}

Registry::ObjectList& Registry::GetObjects(RegistryType type)
{
  const auto index = static_cast<std::size_t>(type);
  // A role outside the lists reads as NONE rather than past the end.
  return lists[index < ListCount ? index : 0];
}

Handle<GameObject> Registry::FirstOf(RegistryType type)
{
  if (Registry* registry = Instance())
    for (const Handle<GameObject>& entry : registry->GetObjects(type))
      if (entry.IsValid())
        return entry;
  return Handle<GameObject>();
}

void Registry::On(RegisterGO* event)
{
  // Keys come from files, where any integer can stand: only the real lists are touched.
  if (!event->object.IsValid() || event->key >= ListCount)
    return;
  lists[event->key].push_back(event->object);
}

void Registry::On(UnregisterGO* event)
{
  if (event->key >= ListCount)
    return;
  ObjectList& list = lists[event->key];
  for (std::size_t index = 0; index < list.size();)
  {
    const GameObject* object = list[index].Get();
    if (object == nullptr)
    {
      list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
      continue;
    }
    if (object->GetId() == event->objectId)
    {
      list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
      return;
    }
    ++index;
  }
}
