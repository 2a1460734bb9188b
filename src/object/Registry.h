#pragma once
// Lists of objects by role (RegistryType), for systems that need every player, enemy or ship
// without searching the spaces. Objects join and leave through their Registerer, which sends
// RegisterGO and UnregisterGO on channel 4. The registry also holds the DataBoard, so both are
// reached through the one registry the session publishes.
#include "core/Handle.h"
#include "core/Listener.h"
#include "object/DataBoard.h"
#include "object/RegistryType.h"

#include <array>
#include <vector>

class GameObject;
class RegisterGO;
class UnregisterGO;

class Registry : public Listener
{
public:
  using ObjectList = std::vector<Handle<GameObject>>;
  static constexpr std::size_t ListCount = static_cast<std::size_t>(RegistryType::RT_COUNT);

  // Subscribes on channel 4, so the registry must exist before any object wakes.
  Registry();
  ~Registry() override;
  Registry(const Registry&) = delete;
  Registry& operator=(const Registry&) = delete;

  // The registry published by the session; null outside its life.
  static Registry* Instance();
  static void SetInstance(Registry* registry);

  // The list of a role; it may hold handles of objects that are gone, which readers skip.
  ObjectList& GetObjects(RegistryType type);
  // The first live object of a role; empty when there is none (or no registry is published).
  static Handle<GameObject> FirstOf(RegistryType type);
  DataBoard& GetDataBoard() { return dataBoard; }

  // Appends the object (no duplicate check). A dead handle or a key outside the lists is ignored.
  void On(RegisterGO* event);
  // Removes the first entry of that object, sweeping the dead entries in front of it.
  void On(UnregisterGO* event);

private:
  std::array<ObjectList, ListCount> lists;
  DataBoard dataBoard;
};
