#pragma once
// One thing in a level: a named bag of components, at most one per component type, keyed by the
// type's name. Its id is handed out by the event manager and doubles as its event channel. Game
// objects live in pool blocks behind Handle<GameObject>; code keeps handles, never raw pointers,
// across frames.
#include "core/Handle.h"
#include "object/Component.h"
#include "object/ObjectRecordAsRead.h"
#include "object/UnreadRecordParts.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Space;
class Sprite;
class Transform;

class GameObject
{
public:
  using ComponentMap = std::map<std::string, Component*>;
  // The components again, in ascending type id: the same set as the map.
  struct ComponentSlot
  {
    std::uint32_t typeId;
    Component* component;
  };

  GameObject(std::string prefabName, Space* owningSpace);
  ~GameObject();
  GameObject(const GameObject&) = delete;
  GameObject& operator=(const GameObject&) = delete;

  // Tears the object down: its components first (DestroyComponents), then the object itself.
  static void Destroy(Handle<GameObject>& object);

  std::uint32_t GetId() const { return id; }
  Space* GetSpace() const { return space; }
  const std::string& GetName() const { return name; }
  void SetName(std::string newName) { name = std::move(newName); }
  const std::string& GetPrefabName() const { return prefab; }
  void SetPrefabName(std::string newPrefab) { prefab = std::move(newPrefab); }
  bool IsActive() const { return active; }
  void SetActive(bool isActive) { active = isActive; }

  // The handle to this very object; every attached component gets a copy as its owner.
  const Handle<GameObject>& GetHandle() const { return self; }
  void SetHandle(const Handle<GameObject>& handle) { self = handle; }

  // The component stored under a type name (exact, case-sensitive), or null.
  Component* GetComponent(const std::string& typeName) const;
  // The component of a type id, or null: the same as the lookup by name, without making a string.
  Component* GetComponentById(std::uint32_t typeId) const
  {
    for (const ComponentSlot& slot : byTypeId)
    {
      if (slot.typeId >= typeId)
        return slot.typeId == typeId ? slot.component : nullptr;
    }
    return nullptr;
  }
  template <typename T>
  T* GetComponent() const
  {
    return static_cast<T*>(GetComponentById(T::TypeId));
  }
  const ComponentMap& GetComponents() const { return components; }
  const std::vector<ComponentSlot>& GetComponentsById() const { return byTypeId; }

  // The Transform, looked up under "Transform" on first use and cached; null (and looked up
  // again next time) when the object has none.
  Transform* GetTransform();
  Sprite* GetSprite() const { return sprite; }
  void SetSprite(Sprite* newSprite) { sprite = newSprite; }

  // Creates a component of that type through the factory and attaches it, unwoken. Null, after
  // the factory's error line, when no such type is built.
  Component* AddComponent(const std::string& typeName);
  // Stores a component the caller made under its type name and makes this object its owner.
  // A type already present is reported and the new component is deleted.
  Component* AttachComponent(Component* component);
  // Ends one component (editor use): OnDestroy, the space's physics forgets it, erase, delete.
  // Whoever worked with it holds it in a LivePointer and finds it gone.
  void RemoveComponent(ComponentMap::const_iterator position);

  // Stops every event to the object, returns its id, calls OnDestroy on each component in name
  // order and deletes them all.
  void DestroyComponents();

  // The object of the Transform's parent, or an empty handle.
  Handle<GameObject> GetParent();

  // A copy in the same space, written and read back as a level record would be, placed at this
  // object's world position and woken, and saved from that record; children are not copied.
  // Empty when it cannot be built.
  Handle<GameObject> Duplicate();

  // The "uuid" of the record the object was loaded from; a save keeps it where it can, so the
  // records it could not build still find their parents and children, and files change less.
  const std::optional<std::int32_t>& GetFileUuid() const { return fileUuid; }
  void SetFileUuid(std::optional<std::int32_t> uuid) { fileUuid = uuid; }
  // What its record held that the object could not take, for the next save; null when nothing.
  const UnreadRecordParts& GetUnreadParts() const { return unreadParts; }
  UnreadRecordParts& EditUnreadParts() { return unreadParts; }
  // The record of the level file the object was loaded from (or the one an object made in the
  // editor starts from), for a save that changes only what changed since; null for an object the
  // file did not hold.
  const ObjectRecordAsRead* GetRecordAsRead() const { return recordAsRead.get(); }
  void SetRecordAsRead(std::unique_ptr<ObjectRecordAsRead> record) { recordAsRead = std::move(record); }

private:
  std::uint32_t id;
  Space* space;
  std::string name;
  ComponentMap components;
  std::vector<ComponentSlot> byTypeId;  // kept beside the map, for lookups by type id
  std::string prefab;
  Transform* transform = nullptr;
  Sprite* sprite = nullptr;
  Handle<GameObject> self;
  std::optional<std::int32_t> fileUuid;
  UnreadRecordParts unreadParts;
  std::unique_ptr<ObjectRecordAsRead> recordAsRead;
  bool active = true;
  bool idReturned = false;
};
