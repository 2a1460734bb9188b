#pragma once
// The object model's registry of component factories and prefabs: it makes every built component
// type creatable by name, fixes the order in which an object's components wake, and builds game
// objects from prefabs.
//
//   Initialize              factories, wake order, start-up self-checks, prefabs
//   ReLoadPrefabs           rebuilds the prefabs through the installed prefab loader
//   DefinePrefab            defines one prefab from its JSON definition (the loader's and tests' way in)
//   NewGameObject           builds an object from a prefab, unwoken
//   CreateGameObject(At)    builds it and wakes it
//   InitializeComponents    every OnAwake, then every Synchronize, in wake order
//   ResetToPrefab           gives one component its prefab's values again (a Transform keeps the level's part)
#include "core/Handle.h"
#include "core/Listener.h"
#include "object/ComponentList.h"
#include "object/ComponentRegistration.h"
#include "object/ObjectRecordAsRead.h"

#include <array>
#include <cstdint>
#include <functional>
#include <json/json.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

class Component;
class ComponentFactory;
class GameObject;
class MakeGameObjectEvent;
class MemberBase;
class Space;

class GameobjectFactory : public Listener
{
public:
  using PrefabComponents = std::vector<std::pair<ComponentFactory*, Component*>>;
  using PrefabLoader = std::function<void(GameobjectFactory&)>;
  using ComponentRegistrar = std::function<void(ComponentFactoryMap&)>;

  GameobjectFactory();
  ~GameobjectFactory() override;
  GameobjectFactory(const GameobjectFactory&) = delete;
  GameobjectFactory& operator=(const GameobjectFactory&) = delete;

  // The factory published by the session for code that reaches it without one (member widgets,
  // GameObject::AddComponent); null outside its life.
  static GameobjectFactory* Instance();
  static void SetInstance(GameobjectFactory* factory);

  // Once, on a fresh factory: registers the factories, builds and checks the wake order, checks
  // every built type against its declaration, and loads the prefabs.
  void Initialize();
  // Fills the factory map during Initialize. The object model knows only its own classes
  // (RegisterObjectComponents, the default); the session installs the program's whole set.
  void SetComponentRegistrar(ComponentRegistrar registrar) { componentRegistrar = std::move(registrar); }

  // Inserts a type into the wake order just after the last of its dependencies already present,
  // or at the front when none is.
  void AddToOrder(std::uint32_t typeId);
  template <typename T>
  void AddToOrder()
  {
    AddToOrder(T::TypeId);
  }
  // Reports every dependency of the type that stands behind it in the wake order.
  void ConfirmDependency(std::uint32_t typeId);
  template <typename T>
  void ConfirmDependency()
  {
    ConfirmDependency(T::TypeId);
  }

  // Rebuilds the prefabs: clears them, then lets the installed loader define them again.
  void ReLoadPrefabs();
  // The prefab loader reads the prefab files; without one, ReLoadPrefabs only clears.
  void SetPrefabLoader(PrefabLoader loader) { prefabLoader = std::move(loader); }
  // Defines (or redefines) one prefab from an object of component type names to member objects.
  // `source` names where the definition came from (the prefab file), for reports and saves.
  void DefinePrefab(const std::string& prefabName, const Json::Value& definition, const std::string& source);
  void ClearPrefabs();
  bool HasPrefab(const std::string& prefabName) const { return prefabs.count(prefabName) != 0; }
  // A prefab's definition as read, with its templates' values then, for the save that writes it
  // back changing only what changed (unknown components and members, refused values kept as they
  // were); null for a name that is no prefab.
  const ObjectRecordAsRead* GetPrefabAsRead(const std::string& prefabName) const;
  // A prefab's definition as it stands: as read, with what its templates changed since (the prefab
  // editor's edits); an empty object for a name that is no prefab.
  Json::Value GetPrefabDefinition(const std::string& prefabName) const;
  // Where a prefab's definition came from (DefinePrefab's source); empty for a name that is no prefab.
  const std::string& GetPrefabSource(const std::string& prefabName) const;
  // The template components of a prefab; empty for a name that is no prefab.
  const PrefabComponents& GetPrefab(const std::string& prefabName) const;
  // The same templates without their factories, in the same order.
  std::vector<Component*> GetPrefabTemplates(const std::string& prefabName) const;
  // The same list for editing the templates in place (the prefab editor); null for a name that is
  // no prefab. Valid until the prefabs are reloaded.
  PrefabComponents* FindPrefab(const std::string& prefabName);
  std::vector<std::string> GetPrefabNames() const;

  // A loose default-constructed component of that type, or null after an "[ERROR]" line.
  Component* CreateComponent(std::string typeName);

  // Builds an object from a prefab in a space, with every component copied from the prefab's
  // templates and none woken. An unknown prefab gives an object with only a Transform.
  void NewGameObject(Handle<GameObject>& object, const std::string& prefabName, Space* space,
                     const std::string& objectName);
  // As NewGameObject, then wakes the components; run-time objects are not saved with levels.
  void CreateGameObject(Handle<GameObject>& object, const std::string& prefabName, Space* space,
                        const std::string& objectName);
  // As CreateGameObject, with the object placed at a world position before anything wakes.
  void CreateGameObjectAt(Handle<GameObject>& object, const std::string& prefabName, Space* space, float x,
                          float y, const std::string& objectName);
  // OnAwake on every component in wake order, then Synchronize on every one.
  void InitializeComponents(Handle<GameObject> object);
  // The editor's "Reset to Prefab" on one component of a live object: it starts again with the
  // prefab's values. A Transform is not restarted: its parent and children are the level's
  // hierarchy, and of its placement, which belongs to the level, it takes only the members the
  // prefab's definition sets itself. Those are how a top-level object of the prefab stands in the
  // world, so a child takes them through its parents: it looks as the prefab's object does, and
  // its children ride along.
  void ResetToPrefab(Component* component);

  // Spawn requests queued by the spawning components: creates the object, then sets its local
  // position and, when it has a Rigidbody, that body's "Velocity".
  void On(MakeGameObjectEvent* event);

  // Prefab files and level records (PrefabFiles, ObjectRecordWriter do the work).
  // The editor's "Save to Prefab": the object becomes the prefab's definition and its file is written.
  void SavePrefab(std::string prefabName, GameObject* object);
  // Writes every prefab whose templates changed back into its file; false when a file was not written.
  bool SaveAllPrefabs();
  // The object's level record: only what differs from its prefab.
  void Serialize(GameObject* object, Json::Value& out);

  const std::vector<std::int32_t>& GetInitOrder() const { return initOrder; }
  // A type's place in the wake order (its index in GetInitOrder).
  std::uint32_t WakeRank(std::uint32_t typeId) const
  {
    return typeId < ComponentTypeCount ? wakeRank[typeId] : ComponentTypeCount;
  }
  const std::vector<std::string>& GetTypeNames() const { return typeNames; }
  const ComponentFactoryMap& GetFactories() const { return factories; }

  // The start-up checks of one freshly built component against its declaration: the type id its
  // constructor passed, and every member whose field differs from its declared default.
  static void ReportDeclarationMismatches(std::uint32_t typeId, const Component& probe,
                                          const std::vector<MemberBase*>& members);

private:
  void CheckBuiltTypes();

  std::map<std::string, PrefabComponents> prefabs;
  std::map<std::string, ObjectRecordAsRead> prefabsAsRead;
  std::map<std::string, std::string> prefabSources;
  ComponentFactoryMap factories;
  std::vector<std::int32_t> initOrder;
  std::vector<std::string> typeNames;
  // wakeRank[typeId] is the type's index in initOrder, so an object's few components are put in
  // wake order by sorting them rather than by walking all the type names.
  std::array<std::uint16_t, ComponentTypeCount> wakeRank{};
  PrefabLoader prefabLoader;
  ComponentRegistrar componentRegistrar;
};
