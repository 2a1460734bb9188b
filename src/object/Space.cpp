#include "object/Space.h"

#include "core/EventManager.h"
#include "core/FileUtilities.h"
#include "core/GuardedSave.h"
#include "core/JsonFields.h"
#include "core/Log.h"
#include "core/Send.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/LevelParenting.h"
#include "object/ObjectEvents.h"
#include "object/ObjectRecordReader.h"
#include "object/ObjectRecordWriter.h"
#include "object/UnreadRecordParts.h"
#include "platform/Assert.h"
#include "platform/Paths.h"

#include <algorithm>
#include <filesystem>

#include <vector>

namespace
{
Space::UnloadObserver& UnloadObserverSlot()
{
  static Space::UnloadObserver observer;
  return observer;
}

std::uint32_t NewSpaceId()
{
  EventManager* manager = EventManager::Instance();
  return manager != nullptr ? manager->GetNewGOID() : 0;
}

bool ExistsAt(const std::string& path)
{
  std::error_code error;
  return std::filesystem::exists(std::filesystem::symlink_status(NormalizePath(path), error));
}
}  // namespace

Space::Space(std::string name) : Listener(NewSpaceId()), spaceName(std::move(name))
{
  physics = SpacePhysics::MakeFor(*this);
}

Space::~Space()
{
  // Objects still here would keep a pointer to this space; they go with it.
  if (!idMap.empty() || !nameIndex.empty())
    UnloadLevel();
  // The id is a channel like any object's: its subscriptions end and it can be handed out again.
  if (EventManager* manager = EventManager::Instance(); manager != nullptr && GetId() != 0)
  {
    manager->UnsubscribeAll(GetId());
    manager->RecycleGOID(GetId());
  }
}

std::string Space::LevelPath(const std::string& levelName)
{
  return std::string(LevelDirectory) + levelName + ".json";
}

void Space::LoadLevel(const std::string& levelName)
{
  ReadLevel(LevelPath(levelName), levelName);
  FinishLoading();
}

bool Space::LoadLevelFile(const std::string& path)
{
  const bool read = ReadLevel(path, path);
  FinishLoading();
  return read;
}

void Space::FinishLoading()
{
  pendingLevel.clear();
  // A repeated subscription is dropped by the event manager, so loading again adds nothing.
  if (EventManager* manager = EventManager::Instance())
  {
    manager->Subscribe<Space, GameObjectCleanupEvent>(this, GetId());
    manager->Subscribe<Space, LoadLevelEvent>(this, GetId());
  }
}

bool Space::ReadLevel(const std::string& path, const std::string& levelName)
{
  unreadParts.Clear();
  Json::Value root;
  if (!ReadJsonFile(root, path))
  {
    // A file that is not there holds nothing a save could lose.
    if (ExistsAt(path))
      unreadParts.MarkUnread("it could not be read");
    LogLine("Space could not load ", levelName, ".");
    return false;
  }
  if (!root.isObject())
  {
    LogError(path, ": a level file must hold a JSON object.");
    unreadParts.MarkUnread("it does not hold a JSON object");
    LogLine("Space could not load ", levelName, ".");
    return false;
  }
  unreadParts.KeepEnvelope(root);
  if (!root.isMember("level"))
  {
    // Loads as an empty level, as before; but a first level that shows nothing should say why.
    LogError(path, ": there is no \"level\"; the level is empty.");
    return true;
  }
  const Json::Value& level = root["level"];
  const Json::Value& objects = level.isObject() ? level["objects"] : Json::Value::nullSingleton();
  if (!(level.isObject() && (objects.isNull() || objects.isArray())))
  {
    LogError(path, ": \"level\" must be an object whose \"objects\" is an array.");
    unreadParts.MarkUnread("its \"level\" is not an object whose \"objects\" is an array");
    LogLine("Space could not load ", levelName, ".");
    return false;
  }
  GameobjectFactory* factory = GameobjectFactory::Instance();
  if (factory == nullptr)
  {
    LogError("No game-object factory to build the level ", levelName, ".");
    return false;
  }

  // Pass 1: build every object, unwoken, and remember it by uuid.
  ObjectRecordReader reader(*factory);
  ObjectRecordReader::UuidMap uuids;
  std::vector<Handle<GameObject>> built;
  built.reserve(objects.size());
  // Each built object's record, by index, kept with the object once it is awake.
  std::vector<std::pair<Handle<GameObject>, Json::ArrayIndex>> records;
  records.reserve(objects.size());
  nameEntries.reserve(nameEntries.size() + objects.size());
  // The objects whose records list children, with that list, for the parenting pass.
  std::vector<std::pair<Handle<GameObject>, const Json::Value*>> parents;
  for (Json::ArrayIndex index = 0; index < objects.size(); ++index)
  {
    const Json::Value& record = objects[index];
    Handle<GameObject> object;
    const Json::Value* children = nullptr;
    const ObjectRecordReader::Result result = reader.Load(object, record, this, &uuids, &children);
    if (object.IsValid())
    {
      built.push_back(object);
      records.emplace_back(object, index);
      if (children != nullptr)
        parents.emplace_back(object, children);
    }
    if (result == ObjectRecordReader::Result::Skipped)
      unreadParts.KeepRecord(record);
    if (result == ObjectRecordReader::Result::NoRoom)
    {
      // What fits is loaded; trying every remaining record would only fail the same way.
      for (Json::ArrayIndex rest = index; rest < objects.size(); ++rest)
        unreadParts.KeepRecord(objects[rest]);
      LogError(path, ": only ", built.size(), " of the ", objects.size(),
               " objects could be built; the rest of the level is not loaded. Saving the level writes the ",
               objects.size() - index, " records not loaded back as they are.");
      break;
    }
    if (result == ObjectRecordReader::Result::Refused)
    {
      // Nothing of a refused level stays: what this load built goes again, unwoken.
      for (Handle<GameObject>& object : built)
        TearDown(object);
      unreadParts.Clear();
      unreadParts.MarkUnread("it stores a ChildSpawner, which belongs in the prefab");
      LogLine("Space could not load ", levelName, ".");
      return false;
    }
  }
  // Pass 2: parenting only links; stored values are from now on relative to the parent.
  LevelParenting parenting(built, uuids, path);
  for (const auto& [parent, children] : parents)
  {
    if (GameObject* parentObject = parent.Get())
      parenting.Read(*parentObject, *children);
  }
  parenting.Link();
  // Pass 3: every object of the space wakes, in id order. The list is taken first: objects made
  // while waking (spawned children) are woken by whoever made them and must not wake twice.
  std::vector<Handle<GameObject>> toWake;
  for (const auto& [id, object] : idMap)
    toWake.push_back(object);
  for (const Handle<GameObject>& object : toWake)
  {
    if (object.IsValid())
      factory->InitializeComponents(object);
  }
  // What the objects hold now is what a save compares with: values their components work out
  // as they wake were never set by anyone.
  for (const auto& [object, index] : records)
  {
    GameObject* loaded = object.Get();
    if (loaded == nullptr)
      continue;
    loaded->SetRecordAsRead(std::make_unique<ObjectRecordAsRead>(
        objects[index], ObjectRecordAsRead::ValuesOf(ObjectRecordAsRead::ComponentsOf(*loaded), false), index));
  }
  return true;
}

bool Space::SaveLevel(const std::string& path, bool replaceUnreadFile)
{
  return GuardedSave("The level file " + path, [&] { return WriteLevel(path, replaceUnreadFile); });
}

bool Space::WriteLevel(const std::string& path, bool replaceUnreadFile)
{
  GameobjectFactory* factory = GameobjectFactory::Instance();
  if (factory == nullptr)
  {
    LogError("No game-object factory to save the level to ", path, ".");
    return false;
  }
  if (unreadParts.IsUnread() && !replaceUnreadFile)
  {
    LogError("The level \"", currentLevel, "\" was not saved to ", path, ": its file could not be loaded (",
             unreadParts.UnreadReason(), "), so saving would replace what the file holds with the ",
             GetObjectsById().size(), " objects shown. Mend the file and load it again, or replace it on purpose.");
    return false;
  }
  ObjectRecordWriter writer(*factory);
  // The kept records keep their uuids, and the objects those they were loaded under, so that the
  // children entries between them still match.
  for (const Json::Value& record : unreadParts.Records())
  {
    if (const Json::Value& uuid = FieldOf(record, "uuid"); uuid.isInt())
      writer.Reserve(uuid.asInt());
  }
  std::vector<GameObject*> saved;
  saved.reserve(nameIndex.size());
  for (const auto& [name, object] : nameIndex)
  {
    GameObject* candidate = object.Get();
    if (candidate != nullptr && candidate->IsActive())
    {
      saved.push_back(candidate);
      writer.ClaimFileUuid(*candidate);
    }
  }
  for (const GameObject* object : saved)
    writer.ReserveKeptChildren(*object);
  // The objects the file held keep its order; those added since follow, by name.
  std::stable_sort(saved.begin(), saved.end(), [](const GameObject* first, const GameObject* second) {
    const ObjectRecordAsRead* firstRead = first->GetRecordAsRead();
    const ObjectRecordAsRead* secondRead = second->GetRecordAsRead();
    return firstRead != nullptr && (secondRead == nullptr || firstRead->Place() < secondRead->Place());
  });
  Json::Value objects(Json::arrayValue);
  for (GameObject* object : saved)
  {
    Json::Value record;
    writer.Write(*object, record);
    objects.append(std::move(record));
  }
  return WriteJsonFile(unreadParts.Document(std::move(objects)), path);
}

void Space::UnloadLevel()
{
  // One object at a time from the front, so objects made while others are torn down go as well.
  while (!idMap.empty())
  {
    Handle<GameObject> object = idMap.begin()->second;
    idMap.erase(idMap.begin());
    if (!object.IsValid())
      continue;
    if (physics != nullptr)
      physics->RemoveObject(object->GetId());
    object->DestroyComponents();
    DeleteObject(object);
  }
  nameIndex.clear();
  nameEntries.clear();
  unreadParts.Clear();
  if (const UnloadObserver& observer = UnloadObserverSlot())
    observer();
}

void Space::SetUnloadObserver(UnloadObserver observer)
{
  UnloadObserverSlot() = std::move(observer);
}

void Space::RenameObject(const Handle<GameObject>& object, const std::string& newName)
{
  GameObject* renamed = object.Get();
  if (renamed == nullptr)
    return;
  // Taken out under the old name by identity, entered again under the new one.
  RemoveFromNameIndex(renamed->GetName(), object);
  renamed->SetName(newName);
  if (renamed->GetSpace() == this)
    AddObject(object);
}

void Space::AddObject(Handle<GameObject> object)
{
  GameObject* added = object.Get();
  if (added == nullptr)
    return;
  const std::uint32_t id = added->GetId();
  // Equal names keep their order of insertion.
  const auto entry = nameIndex.emplace_hint(nameIndex.upper_bound(added->GetName()), added->GetName(), object);
  nameEntries[object.GetBlock()] = entry;
  idMap.emplace(id, std::move(object));
}

void Space::RemoveFromNameIndex([[maybe_unused]] const std::string& name, const Handle<GameObject>& object)
{
  // By identity (block and generation), which still holds while the object is being destroyed
  // and its handles already read as stale; other objects of the same name keep their entries.
  const auto found = nameEntries.find(object.GetBlock());
  if (found == nameEntries.end())
    return;
  const NameIndex::iterator entry = found->second;
  // The object's own entry goes, also when it was renamed after it joined the space.
  if (entry->second != object)
    return;
  nameIndex.erase(entry);
  nameEntries.erase(found);
}

void Space::DeleteObject(Handle<GameObject>& object)
{
  if (!object.IsValid())
    return;
  object.Release();
}

void Space::TearDown(Handle<GameObject> object)
{
  GameObject* target = object.Get();
  if (target == nullptr)
    return;
  if (physics != nullptr)
    physics->RemoveObject(target->GetId());
  if (const auto entry = idMap.find(target->GetId()); entry != idMap.end() && entry->second == object)
    idMap.erase(entry);
  RemoveFromNameIndex(target->GetName(), object);
  target->DestroyComponents();
  DeleteObject(object);
}

void Space::On(GameObjectDestroyedEvent* event)
{
  Queue<GameObjectCleanupEvent>(BRINDLE_SITE, GetId(), event->object);
}

void Space::On(GameObjectCleanupEvent* event)
{
  // A second request for an object already gone finds its handle dead.
  GameObject* target = event->object.Get();
  if (target == nullptr)
    return;
  if (target->GetSpace() == nullptr)
  {
    Assert("oh boy.. you shouldn't see this", __LINE__, __FILE__, "Space::On");
    return;
  }
  // The object's own space tears it down, whichever space heard the request.
  target->GetSpace()->TearDown(event->object);
}

void Space::On(LoadLevelEvent* event)
{
  pendingLevel = event->levelName;
}

void Space::On(PositionUpdateEvent* event)
{
  // Moved by hand: the broad phase files the object again at once.
  if (const GameObject* moved = event->object.Get(); moved != nullptr && physics != nullptr)
    physics->UpdateObject(moved->GetId(), 0.0f);
}
