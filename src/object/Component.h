#pragma once
// The base of every component. A component is a listener (it subscribes in OnAwake), knows which
// row of the component type table it is and which game object owns it, and turns its reflected
// members into JSON and back.
//
// Constructors of components must have no side effects beyond their own fields: start-up builds
// one of every type to check its type id and defaults. Subscriptions belong in OnAwake.
#include "core/EventManager.h"
#include "core/Handle.h"
#include "core/Listener.h"
#include "core/Transient.h"  // for the fields a component keeps out of its copies
#include "object/ComponentList.h"

#include <cstdint>
#include <json/json.h>
#include <string>
#include <vector>

class GameObject;
class MemberBase;
class Space;
class UnreadRecordParts;

class Component : public Listener
{
public:
  explicit Component(std::uint32_t typeId);
  virtual ~Component() = 0;

  // Components are copied by default construction followed by assignment (the factories'
  // GetCopy and Copy). The base copies nothing: a copy keeps its own listener id, liveness,
  // serial, type and owner. A class's own assignment is `= default`, so every field travels;
  // what belongs to the live object alone (cached siblings, handles, what it built) is a
  // Transient, which an assignment leaves as it was.
  Component(const Component&) = delete;
  Component& operator=(const Component&) { return *this; }

  virtual void OnAwake() {}
  virtual void Synchronize() {}
  virtual void OnDestroy() {}
  // Appends one member per reflected field (Members::AddMember); the caller frees the list with
  // Members::Clear. It only lists: reading the members (a save) changes nothing.
  virtual void GetMembers(std::vector<MemberBase*>& members);
  // The members may have been written (a file's values loaded into them, the inspector's
  // widgets): what the component works out from them is worked out again.
  virtual void MembersChanged() {}
  // Buttons the inspector shows above the component's members; none by default.
  virtual void RenderEditorButtons() {}

  std::uint32_t GetTypeId() const { return typeId; }
  std::uint32_t GetSerial() const { return serial; }
  std::string GetTypeName() const;
  // The name of row typeId of the component type table, for ids up to ComponentTypeCount.
  static std::string GetTypeNameById(std::uint32_t typeId);

  const Handle<GameObject>& GetOwner() const { return owner; }
  void SetOwner(const Handle<GameObject>& newOwner) { owner = newOwner; }
  // The owning object, or null when the component is not attached or its object is gone.
  GameObject* GetGameObject() const { return owner.Get(); }
  // The owning object's space, or null when there is no owner or it is in no space.
  Space* GetSpace() const;

  // Writes the serialised members that differ from their declared defaults into parent under
  // this component's type name; null there when none does.
  void SerializeMembers(Json::Value& parent);
  // Loads a component object of a prefab or level file into this component's members, then
  // MembersChanged. With `unread`, what the component could not take (a value that is not an
  // object, keys that name no member, values a member refused) is kept there for the next save.
  void Deserialize(const Json::Value& object, UnreadRecordParts* unread = nullptr);
  void DeserializeMembers(const Json::Value& object, const std::vector<MemberBase*>& members,
                          UnreadRecordParts* unread = nullptr);

protected:
  // The wake-up subscriptions, one line each: `SubscribeOnSpace<UpdateEvent>(this)` binds this
  // component's On(UpdateEvent*) on its space's id. Each returns false, subscribing nothing,
  // when there is no event manager or no owner (or space) to listen on.
  template <typename E, typename Self>
  bool SubscribeOnSpace(Self* self)
  {
    return SubscribeOn<E>(self, SpaceChannel());
  }
  template <typename E, typename Self>
  bool SubscribeOnOwner(Self* self)
  {
    return SubscribeOn<E>(self, OwnerChannel());
  }
  // A space tears an object down on a GameObjectDestroyedEvent only if it listens on the object's
  // id; a component that may destroy its owner makes sure it does. Repeats are dropped.
  void LetSpaceDestroyOwner();

private:
  // ChannelCount, which no subscription accepts, when there is no such channel.
  std::uint32_t SpaceChannel() const;
  std::uint32_t OwnerChannel() const;

  template <typename E, typename Self>
  static bool SubscribeOn(Self* self, std::uint32_t channel)
  {
    EventManager* manager = EventManager::Instance();
    if (manager == nullptr || channel >= ChannelCount)
      return false;
    manager->Subscribe<Self, E>(self, channel);
    return true;
  }

  std::uint32_t serial;
  std::uint32_t typeId;
  Handle<GameObject> owner;
};

// The type-table name of component class T, the key to find it on its object.
template <typename T>
std::string ComponentTypeName()
{
  return Component::GetTypeNameById(T::TypeId);
}
