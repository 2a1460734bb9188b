#include "object/GameObject.h"

#include "core/EventManager.h"
#include "core/Log.h"
#include "core/MemoryManager.h"
#include "object/GameobjectFactory.h"
#include "object/ObjectRecordReader.h"
#include "object/ObjectRecordWriter.h"
#include "object/Space.h"
#include "object/SpacePhysics.h"
#include "object/Transform.h"
#include "object/UnreadRecordParts.h"

namespace
{
std::uint32_t NewObjectId()
{
  EventManager* manager = EventManager::Instance();
  return manager != nullptr ? manager->GetNewGOID() : 0;
}
}  // namespace

GameObject::GameObject(std::string prefabName, Space* owningSpace)
    : id(NewObjectId()), space(owningSpace), prefab(std::move(prefabName))
{
}

GameObject::~GameObject()
{
  // An object torn down without DestroyComponents would leak its components and its id.
  if (!idReturned || !components.empty())
    DestroyComponents();
  // Whoever destroyed the object, the space's name index loses this very object's entry.
  if (space != nullptr)
    space->RemoveFromNameIndex(name, self);
  self.Reset();
}

void GameObject::Destroy(Handle<GameObject>& object)
{
  if (!object.IsValid())
    return;
  object->DestroyComponents();
  object.Release();
}

Component* GameObject::GetComponent(const std::string& typeName) const
{
  const auto found = components.find(typeName);
  return found == components.end() ? nullptr : found->second;
}

Transform* GameObject::GetTransform()
{
  if (transform == nullptr)
  {
    // The key "Transform" always holds a Transform; the cast only guards against a stand-in.
    transform = dynamic_cast<Transform*>(GetComponentById(Transform::TypeId));
  }
  return transform;
}

Component* GameObject::AddComponent(const std::string& typeName)
{
  GameobjectFactory* factory = GameobjectFactory::Instance();
  if (factory == nullptr)
  {
    LogError("No game-object factory to create the component \"", typeName, "\"");
    return nullptr;
  }
  Component* component = factory->CreateComponent(typeName);
  return component != nullptr ? AttachComponent(component) : nullptr;
}

Component* GameObject::AttachComponent(Component* component)
{
  if (component == nullptr)
    return nullptr;
  const std::string typeName = component->GetTypeName();
  const auto [position, inserted] = components.emplace(typeName, component);
  if (!inserted)
  {
    LogError("The object \"", name, "\" already has a component \"", typeName, "\"");
    MemoryManager::Delete(component);
    return nullptr;
  }
  const std::uint32_t typeId = component->GetTypeId();
  auto slot = byTypeId.begin();
  while (slot != byTypeId.end() && slot->typeId < typeId)
    ++slot;
  byTypeId.insert(slot, ComponentSlot{typeId, component});
  component->SetOwner(self);
  if (typeId == Transform::TypeId)
    transform = dynamic_cast<Transform*>(component);
  return component;
}

void GameObject::RemoveComponent(ComponentMap::const_iterator position)
{
  if (position == components.end())
    return;
  Component* component = position->second;
  if (component == transform)
    transform = nullptr;
  component->OnDestroy();
  // The physics keeps plain pointers to the Transform, body and collider of its objects.
  if (space != nullptr)
    if (SpacePhysics* physics = space->GetPhysics())
      physics->RemoveComponent(id, component);
  components.erase(position);
  for (auto slot = byTypeId.begin(); slot != byTypeId.end(); ++slot)
  {
    if (slot->component == component)
    {
      byTypeId.erase(slot);
      break;
    }
  }
  MemoryManager::Delete(component);
}

void GameObject::DestroyComponents()
{
  if (!idReturned)
  {
    idReturned = true;
    EventManager* manager = EventManager::Instance();
    if (manager != nullptr && id != 0 && EventManager::HasChannel(id))
    {
      manager->UnsubscribeAll(id);
      manager->RecycleGOID(id);
    }
  }
  // Once spaces exist, each OnDestroy is followed by PhysicsModule::RemoveObject on the space's
  // physics module; the space is what knows that module.
  for (auto& [typeName, component] : components)
    component->OnDestroy();
  for (auto& [typeName, component] : components)
    MemoryManager::Delete(component);
  components.clear();
  byTypeId.clear();
  transform = nullptr;
  sprite = nullptr;
}

Handle<GameObject> GameObject::GetParent()
{
  Transform* own = GetTransform();
  if (own == nullptr || own->GetParent() == nullptr)
    return Handle<GameObject>();
  return own->GetParent()->GetOwner();
}

Handle<GameObject> GameObject::Duplicate()
{
  GameobjectFactory* factory = GameobjectFactory::Instance();
  Handle<GameObject> copy;
  if (factory == nullptr)
    return copy;
  Json::Value record;
  ObjectRecordWriter(*factory).Write(*this, record);
  ObjectRecordReader(*factory).Load(copy, record, space, nullptr);
  GameObject* built = copy.Get();
  if (built == nullptr)
    return copy;
  built->SetActive(active);
  // The record holds the placement under the parent; the copy has none, so it takes the source's
  // whole world placement (position, turn and size) as its own, as a child let go of keeps it.
  Transform* own = GetTransform();
  Transform* placed = built->GetTransform();
  if (own != nullptr && placed != nullptr)
    placed->SetLocalMatrix(own->GetWorldMatrix());
  factory->InitializeComponents(copy);
  // Saved from now on as any object: from the record it was built from, with what changes since.
  if (GameObject* woken = copy.Get())
    woken->SetRecordAsRead(ObjectRecordAsRead::MadeNow(*woken, std::move(record)));
  return copy;
}
