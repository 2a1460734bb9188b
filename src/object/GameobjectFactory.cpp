#include "object/GameobjectFactory.h"

#include "core/EventManager.h"
#include "core/JsonFields.h"
#include "core/Log.h"
#include "core/MemoryManager.h"
#include "object/ComponentFactory.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/ObjectComponents.h"
#include "object/ObjectEvents.h"
#include "object/ObjectRecordWriter.h"
#include "object/PrefabFiles.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "platform/Assert.h"

#include <algorithm>

namespace
{
GameobjectFactory* currentFactory = nullptr;

std::string Quoted(const std::string& text)
{
  return "\"" + text + "\"";
}
}  // namespace

GameobjectFactory::GameobjectFactory() : Listener(FactoryListenerId), componentRegistrar(RegisterObjectComponents) {}

GameobjectFactory::~GameobjectFactory()
{
  ClearPrefabs();
  for (auto& [typeName, factory] : factories)
    delete factory;
  factories.clear();
  if (currentFactory == this)
    currentFactory = nullptr;
}

GameobjectFactory* GameobjectFactory::Instance()
{
  return currentFactory;
}

void GameobjectFactory::SetInstance(GameobjectFactory* factory)
{
  currentFactory = factory;
}

void GameobjectFactory::Initialize()
{
  if (componentRegistrar)
    componentRegistrar(factories);
  // The whole table takes part in the order, built classes or not, so the order is the same
  // whichever classes exist.
  for (std::uint32_t typeId = 0; typeId < ComponentTypeCount; ++typeId)
    AddToOrder(typeId);
  for (std::uint32_t typeId = 0; typeId < ComponentTypeCount; ++typeId)
    ConfirmDependency(typeId);
  typeNames.clear();
  wakeRank.fill(static_cast<std::uint16_t>(ComponentTypeCount));
  for (std::size_t rank = initOrder.size(); rank-- > 0;)
  {
    const auto typeId = static_cast<std::uint32_t>(initOrder[rank]);
    if (typeId < ComponentTypeCount)
      wakeRank[typeId] = static_cast<std::uint16_t>(rank);
  }
  for (const std::int32_t typeId : initOrder)
    typeNames.push_back(Component::GetTypeNameById(static_cast<std::uint32_t>(typeId)));
  CheckBuiltTypes();
  ReLoadPrefabs();
}

void GameobjectFactory::AddToOrder(std::uint32_t typeId)
{
  const ComponentList::DependencyList dependencies = ComponentList::DependenciesOf(typeId);
  // Just after the last element that is one of the dependencies; the walk never stops early.
  std::size_t insertAt = 0;
  for (std::size_t index = 0; index < initOrder.size(); ++index)
  {
    for (const std::uint32_t dependency : dependencies)
    {
      if (initOrder[index] == static_cast<std::int32_t>(dependency))
        insertAt = index + 1;
    }
  }
  initOrder.insert(initOrder.begin() + static_cast<std::ptrdiff_t>(insertAt), static_cast<std::int32_t>(typeId));
}

void GameobjectFactory::ConfirmDependency(std::uint32_t typeId)
{
  for (const std::uint32_t dependency : ComponentList::DependenciesOf(typeId))
  {
    for (const std::int32_t entry : initOrder)
    {
      if (entry == static_cast<std::int32_t>(dependency))
        break;
      if (entry == static_cast<std::int32_t>(typeId))
      {
        // A missing dependency counts as standing behind the type.
        BRINDLE_CHECK(false, "Circular dependency found, relating to \"" + Component::GetTypeNameById(typeId) +
                                 "\" and \"" + Component::GetTypeNameById(dependency) +
                                 "\"\n\nContinue debugging to see more messages.");
      }
    }
  }
}

void GameobjectFactory::CheckBuiltTypes()
{
  // One probe of every built type, in type-id order; they live until every check is done and
  // are then freed in reverse order, so the checks leave nothing behind.
  std::vector<std::uint32_t> ids;
  for (const auto& [typeName, factory] : factories)
    ids.push_back(factory->GetTypeId());
  std::sort(ids.begin(), ids.end());

  std::vector<Component*> probes;
  std::vector<std::vector<MemberBase*>> memberLists;
  for (const std::uint32_t typeId : ids)
  {
    const std::string typeName = Component::GetTypeNameById(typeId);
    Component* probe = factories.at(typeName)->GetNew();
    probes.push_back(probe);
    memberLists.emplace_back();
    if (probe == nullptr)
      continue;
    probe->GetMembers(memberLists.back());
    ReportDeclarationMismatches(typeId, *probe, memberLists.back());
  }
  for (std::size_t index = probes.size(); index-- > 0;)
  {
    Members::Clear(memberLists[index]);
    if (probes[index] != nullptr)
      MemoryManager::Delete(probes[index]);
  }
}

void GameobjectFactory::ReportDeclarationMismatches(std::uint32_t typeId, const Component& probe,
                                                    const std::vector<MemberBase*>& members)
{
  const std::string typeName = Component::GetTypeNameById(typeId);
  if (probe.GetTypeId() != typeId)
  {
    Assert("Component: " + typeName + " has a mismatch between its static type: " + Quoted(typeName) +
               " (defined in the header), and it's local type: " + Quoted(probe.GetTypeName()) +
               " (defined in the constructor)",
           __LINE__, __FILE__, "GameobjectFactory::Initialize");
    DebugBreakIfAttached();
  }
  for (const MemberBase* member : members)
  {
    if (member->HasChanged())
      LogError("In GetMember of ", typeName, ". The default value provided for ", Quoted(member->GetName()),
               " doesn't match the value found in a new ", typeName);
  }
}

void GameobjectFactory::ReLoadPrefabs()
{
  ClearPrefabs();
  if (prefabLoader)
    prefabLoader(*this);
}

void GameobjectFactory::DefinePrefab(const std::string& prefabName, const Json::Value& definition,
                                     const std::string& source)
{
  if (!definition.isNull() && !definition.isObject())
  {
    LogError("The prefab ", Quoted(prefabName), " in ", source, " is not an object of components; it is left out.");
    return;
  }
  PrefabComponents templates;
  ObjectRecordAsRead::ComponentSet read;
  for (const std::string& typeName : definition.getMemberNames())
  {
    const auto found = factories.find(typeName);
    if (found == factories.end())
    {
      // The key never reaches the factories and makes no component; the rest of the prefab loads,
      // and a save writes the key back as it was (the definition as read keeps it).
      BRINDLE_CHECK(false, Quoted(typeName) +
                               " was used in the definition of a prefab but it is not a component.\n\nPrefab name: " +
                               prefabName + "\nFile: " + source);
      continue;
    }
    Component* component = found->second->GetNew();
    if (component == nullptr)
      continue;
    component->Deserialize(definition[typeName]);
    templates.emplace_back(found->second, component);
    read.push_back(component);
  }
  prefabsAsRead.insert_or_assign(prefabName,
                                 ObjectRecordAsRead(definition, ObjectRecordAsRead::ValuesOf(read, true)));
  prefabSources.insert_or_assign(prefabName, source);
  // No object refers to a template, so a replaced definition's templates can go at once.
  if (const auto existing = prefabs.find(prefabName); existing != prefabs.end())
  {
    for (auto& [factory, component] : existing->second)
      MemoryManager::Delete(component);
  }
  prefabs[prefabName] = std::move(templates);
}

void GameobjectFactory::ClearPrefabs()
{
  for (auto& [prefabName, templates] : prefabs)
  {
    for (auto& [factory, component] : templates)
      MemoryManager::Delete(component);
  }
  prefabs.clear();
  prefabsAsRead.clear();
  prefabSources.clear();
}

const ObjectRecordAsRead* GameobjectFactory::GetPrefabAsRead(const std::string& prefabName) const
{
  const auto found = prefabsAsRead.find(prefabName);
  return found == prefabsAsRead.end() ? nullptr : &found->second;
}

Json::Value GameobjectFactory::GetPrefabDefinition(const std::string& prefabName) const
{
  const ObjectRecordAsRead* asRead = GetPrefabAsRead(prefabName);
  Json::Value definition = asRead != nullptr ? asRead->Record() : Json::Value(Json::objectValue);
  ObjectRecordAsRead::WriteChanges(definition, asRead != nullptr ? asRead->ValuesRead() : Json::Value(),
                                   GetPrefabTemplates(prefabName), nullptr);
  return definition;
}

const std::string& GameobjectFactory::GetPrefabSource(const std::string& prefabName) const
{
  static const std::string none;
  const auto found = prefabSources.find(prefabName);
  return found == prefabSources.end() ? none : found->second;
}

std::vector<Component*> GameobjectFactory::GetPrefabTemplates(const std::string& prefabName) const
{
  std::vector<Component*> templates;
  for (const auto& [factory, templateComponent] : GetPrefab(prefabName))
    templates.push_back(templateComponent);
  return templates;
}

const GameobjectFactory::PrefabComponents& GameobjectFactory::GetPrefab(const std::string& prefabName) const
{
  static const PrefabComponents none;
  const auto found = prefabs.find(prefabName);
  return found == prefabs.end() ? none : found->second;
}

GameobjectFactory::PrefabComponents* GameobjectFactory::FindPrefab(const std::string& prefabName)
{
  const auto found = prefabs.find(prefabName);
  return found == prefabs.end() ? nullptr : &found->second;
}

std::vector<std::string> GameobjectFactory::GetPrefabNames() const
{
  std::vector<std::string> names;
  for (const auto& [prefabName, templates] : prefabs)
    names.push_back(prefabName);
  return names;
}

Component* GameobjectFactory::CreateComponent(std::string typeName)
{
  const auto found = factories.find(typeName);
  if (found == factories.end())
  {
    LogError(Quoted(typeName), " was not found in component factory");
    return nullptr;
  }
  return found->second->GetNew();
}

void GameobjectFactory::NewGameObject(Handle<GameObject>& object, const std::string& prefabName, Space* space,
                                      const std::string& objectName)
{
  object = MemoryManager::NewHandle<GameObject>(BRINDLE_SITE, prefabName, space);
  if (!object.IsValid())
  {
    BRINDLE_CHECK(false, "Failed to construct GameObject");
    return;
  }
  GameObject* created = object.Get();
  created->SetHandle(object);
  created->SetName(objectName);
  // An object without a channel would hear none of its events and could never be cleaned up:
  // past the last id nothing more is built, and the caller gets an empty handle.
  if (!EventManager::HasChannel(created->GetId()))
  {
    LogOnce("Out of object ids", LogLevel::Error, "Out of object ids: at most ",
            ChannelCount - EventManager::FirstObjectId, " objects and spaces live at once; more are not built.");
    GameObject::Destroy(object);
    return;
  }

  const auto prefab = prefabs.find(prefabName);
  if (prefab == prefabs.end())
  {
    // Spawners ask for the same missing prefab again and again: said once per name.
    LogOnce("Couldn't find the prefab named: " + prefabName, LogLevel::Error,
            "Couldn't find the prefab named: ", prefabName);
    created->AttachComponent(MemoryManager::New<Transform>(BRINDLE_SITE));
    // The stand-in joins its space too, so it is found, unloaded and destroyed like any object.
    if (space != nullptr)
      space->AddObject(object);
    return;
  }
  for (const auto& [factory, templateComponent] : prefab->second)
    created->AttachComponent(factory->GetCopy(templateComponent));
  if (space != nullptr)
    space->AddObject(object);
  // Every object made from a prefab has a Transform, whatever the prefab holds.
  if (created->GetTransform() == nullptr)
    created->AttachComponent(MemoryManager::New<Transform>(BRINDLE_SITE));
}

void GameobjectFactory::CreateGameObject(Handle<GameObject>& object, const std::string& prefabName, Space* space,
                                         const std::string& objectName)
{
  NewGameObject(object, prefabName, space, objectName);
  if (!object.IsValid())
    return;
  object->SetActive(false);
  InitializeComponents(object);
}

void GameobjectFactory::CreateGameObjectAt(Handle<GameObject>& object, const std::string& prefabName, Space* space,
                                           float x, float y, const std::string& objectName)
{
  NewGameObject(object, prefabName, space, objectName);
  if (!object.IsValid())
    return;
  if (Transform* transform = object->GetTransform())
    transform->SetWorldPosition(x, y);
  object->SetActive(false);
  InitializeComponents(object);
}

void GameobjectFactory::InitializeComponents(Handle<GameObject> object)
{
  const GameObject* target = object.Get();
  if (target == nullptr)
    return;
  // The object's own components in wake order: an object has a handful, the order has every type.
  struct Waking
  {
    std::uint32_t rank;
    std::uint32_t typeId;
    Component* component;
  };
  std::array<Waking, 16> local;
  std::vector<Waking> many;
  const auto& slots = target->GetComponentsById();
  Waking* begin = local.data();
  if (slots.size() > local.size())
  {
    many.resize(slots.size());
    begin = many.data();
  }
  Waking* end = begin;
  for (const GameObject::ComponentSlot& slot : slots)
    *end++ = Waking{WakeRank(slot.typeId), slot.typeId, slot.component};
  std::sort(begin, end, [](const Waking& a, const Waking& b) { return a.rank < b.rank; });

  // A component may end its own object, or a sibling, while waking: each call first checks that
  // the object is alive and still holds that component.
  for (const Waking* waking = begin; waking != end; ++waking)
  {
    target = object.Get();
    if (target == nullptr)
      return;
    if (target->GetComponentById(waking->typeId) == waking->component)
      waking->component->OnAwake();
  }
  for (const Waking* waking = begin; waking != end; ++waking)
  {
    target = object.Get();
    if (target == nullptr)
      return;
    if (target->GetComponentById(waking->typeId) == waking->component)
      waking->component->Synchronize();
  }
}

void GameobjectFactory::ResetToPrefab(Component* component)
{
  if (component == nullptr)
    return;
  const Handle<GameObject> owner = component->GetOwner();
  const GameObject* object = owner.Get();
  // Looked up without inserting: an unknown prefab name must not become an empty prefab.
  const std::string prefabName = object != nullptr ? object->GetPrefabName() : std::string();
  ComponentFactory* factory = nullptr;
  Component* templateComponent = nullptr;
  for (const auto& [templateFactory, candidate] : GetPrefab(prefabName))
  {
    if (candidate->GetTypeId() == component->GetTypeId())
    {
      factory = templateFactory;
      templateComponent = candidate;
      break;
    }
  }
  if (component->GetTypeId() == Transform::TypeId)
  {
    // Not restarted: the parent and children stay, and so does the placement the prefab leaves to the level.
    if (templateComponent == nullptr)
      return;
    const Json::Value definition = GetPrefabDefinition(prefabName);
    const Json::Value& own = FieldOf(definition, "Transform");
    std::vector<std::string> names;
    for (const char* name : ObjectRecordAsRead::Placement)
    {
      if (!FieldOf(own, name).isNull())
        names.push_back(name);
    }
    const auto* transform = static_cast<const Transform*>(component);
    const auto* prefab = static_cast<const Transform*>(templateComponent);
    // The prefab's placement is a top-level object's, so it is how the object looks in the world:
    // a child takes it through its parents, leaving out what it already shows.
    Transform underParent;
    Component* source = templateComponent;
    if (transform->GetParent() != nullptr)
    {
      const Transform::Fit fit = transform->LocalValuesFor(*prefab, names, underParent);
      if (fit != Transform::Fit::Fits)
      {
        LogWarning("The Transform of ", Quoted(object != nullptr ? object->GetName() : std::string()),
                   " was not reset to the prefab ", Quoted(prefabName), ": ",
                   fit == Transform::Fit::ParentHasNoSize
                       ? "its parent has no size, so nothing under it can look as the prefab does."
                       : "its parents are sized unevenly, so under them it would come out slanted or sized "
                         "otherwise than the prefab.");
        return;
      }
      source = &underParent;
    }
    const Json::Value values = ObjectRecordAsRead::ValuesOf({source}, true)["Transform"];
    Json::Value taken(Json::objectValue);
    for (const std::string& name : names)
      taken[name] = values[name];
    component->Deserialize(taken);
    return;
  }
  component->OnDestroy();
  if (templateComponent != nullptr)
    factory->Copy(templateComponent, component);
  component->SetOwner(owner);
  component->OnAwake();
}

// ---------------------------------------------------------------------------------------------
// Prefab files and level records
// ---------------------------------------------------------------------------------------------

void GameobjectFactory::SavePrefab(std::string prefabName, GameObject* object)
{
  if (object != nullptr)
    PrefabFiles().Save(*this, prefabName, *object);
}

bool GameobjectFactory::SaveAllPrefabs()
{
  return PrefabFiles().SaveAll(*this);
}

void GameobjectFactory::Serialize(GameObject* object, Json::Value& out)
{
  if (object != nullptr)
    ObjectRecordWriter(*this).Write(*object, out);
}

void GameobjectFactory::On(MakeGameObjectEvent* event)
{
  Handle<GameObject> object;
  CreateGameObject(object, event->prefab, event->space, "");
  if (!object.IsValid())
  {
    LogError("Failed to construct GameObject");
    return;
  }
  if (Transform* transform = object->GetTransform())
    transform->SetPosition(event->position);
  // The body's velocity is reached through its reflected member, so spawning needs nothing of
  // the physics module but the member's name.
  if (Component* body = object->GetComponent("Rigidbody"))
  {
    std::vector<MemberBase*> members;
    body->GetMembers(members);
    if (auto* velocity = dynamic_cast<MemberData<glm::vec2>*>(Members::Find(members, "Velocity")))
      *velocity->GetField() = event->velocity;
    Members::Clear(members);
  }
}
