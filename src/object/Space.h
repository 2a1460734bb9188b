#pragma once
// One loaded level: a named container that owns its game objects and its physics module, finds
// its objects by name and by id, and carries the flags by which the session pauses, hides or removes it. Its listener id is
// taken from the object-id range and is its channel: per-space events are addressed to it.
//
//   LoadLevel / LoadLevelFile   build the objects of a level file, parent them, wake them
//   SaveLevel                   write the active objects as a level file
//   UnloadLevel                 destroy every object at once, without events
//   On(...)                     the destruction path: Destroyed -> queued Cleanup -> teardown
#include "core/Handle.h"
#include "core/Listener.h"
#include "object/RenderSpace.h"
#include "object/SpacePhysics.h"
#include "object/UnreadLevelParts.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>

class Camera;
class GameObject;
class GameObjectCleanupEvent;
class GameObjectDestroyedEvent;
class LoadLevelEvent;
class PositionUpdateEvent;

// The renderer files each space's records under the space's name (RenderSpace); whoever deletes a
// space tells the renderer first (Graphics::RemoveSpace).
class Space : public Listener, public Graphics::RenderSpace
{
public:
  using NameIndex = std::multimap<std::string, Handle<GameObject>>;
  using IdMap = std::map<std::uint32_t, Handle<GameObject>>;

  explicit Space(std::string spaceName);
  ~Space() override;
  Space(const Space&) = delete;
  Space& operator=(const Space&) = delete;

  // Where level files live, and the file of a level.
  static constexpr const char* LevelDirectory = "Assets/LevelFiles/";
  static std::string LevelPath(const std::string& levelName);

  std::uint32_t GetId() const { return GetListenerId(); }
  // The space's physics (PhysicsModule::Of gives it as the module), or null when the space was
  // made without a physics maker installed.
  SpacePhysics* GetPhysics() const { return physics.get(); }

  // Reads Assets/LevelFiles/<level>.json into the space, then subscribes the space on its own id.
  void LoadLevel(const std::string& levelName);
  // The same from any path (tests, the editor's dropped files). Returns whether the file was read.
  bool LoadLevelFile(const std::string& path);
  // Writes every active object as a level file (those loaded from it in the file's order, then the
  // others in name order), followed by the records the load
  // could not build and with what their own records held that they could not take (both as they
  // were read). Returns whether it was written. While the level's file exists but could not be
  // read, saving would replace it with what the space holds: that is refused (reported) unless
  // `replaceUnreadFile`, which the person has to ask for. No failure inside ends the program: it
  // is reported and the file keeps what it held (core/GuardedSave.h).
  bool SaveLevel(const std::string& path, bool replaceUnreadFile = false);
  // What the last load could not build or read (object/UnreadLevelParts.h).
  const UnreadLevelParts& GetUnreadParts() const { return unreadParts; }
  // Destroys every object of the space now, in id order, without events.
  void UnloadLevel();
  // Called whenever any space unloads its level (the editor forgets the objects it held).
  using UnloadObserver = std::function<void()>;
  static void SetUnloadObserver(UnloadObserver observer);

  // Enters an object under its name (after others of that name) and its id (an id already
  // present keeps its entry).
  void AddObject(Handle<GameObject> object);
  // Erases the entry of that very object (the handle's block and generation) among those of that
  // name; called as the object is destroyed.
  void RemoveFromNameIndex(const std::string& name, const Handle<GameObject>& object);
  // Gives the object a new name and files it under that name (after others of that name).
  void RenameObject(const Handle<GameObject>& object, const std::string& newName);
  NameIndex::iterator FindObjectByName(const std::string& name) { return nameIndex.find(name); }
  // An object of that name (the first in the index); empty when there is none.
  Handle<GameObject> GetObjectNamed(const std::string& name)
  {
    const auto found = nameIndex.find(name);
    return found != nameIndex.end() ? found->second : Handle<GameObject>();
  }
  NameIndex::iterator ObjectsBegin() { return nameIndex.begin(); }
  NameIndex::iterator ObjectsEnd() { return nameIndex.end(); }
  const IdMap& GetObjectsById() const { return idMap; }
  // Destroys the object now (every handle to it dies) and empties the handle.
  void DeleteObject(Handle<GameObject>& object);

  std::string GetName() const { return currentLevel; }
  std::string GetSpaceName() const override { return spaceName; }
  void SetCurrentLevelName(std::string levelName) { currentLevel = std::move(levelName); }
  void ResetLevelName() { currentLevel.clear(); }
  const std::string& GetPendingLevel() const { return pendingLevel; }
  void SetPendingLevel(std::string levelName) { pendingLevel = std::move(levelName); }
  void ClearPendingLevel() { pendingLevel.clear(); }
  void RestartLevel() { pendingLevel = "restart"; }

  void SetPaused(bool paused) { nextActive = !paused; }
  void Unpause() { nextActive = true; }
  bool IsPaused() const { return !active; }
  bool IsActive() const { return active; }
  bool IsNextActive() const { return nextActive; }
  void SetVisible(bool visible) { nextVisible = visible; }
  void Hide() { nextVisible = false; }
  bool IsVisible() const { return visible; }
  bool IsNextVisible() const { return nextVisible; }
  // Once per frame, the session applies what was asked during the frame.
  void ApplyNextFlags()
  {
    active = nextActive;
    visible = nextVisible;
  }
  void MarkForRemoval() { removeRequested = true; }
  bool IsMarkedForRemoval() const { return removeRequested; }

  Camera* GetCurrentCamera() const { return currentCamera; }
  void SetCurrentCamera(Camera* camera) { currentCamera = camera; }

  void On(GameObjectDestroyedEvent* event);
  void On(GameObjectCleanupEvent* event);
  void On(LoadLevelEvent* event);
  void On(PositionUpdateEvent* event);

private:
  bool ReadLevel(const std::string& path, const std::string& levelName);
  bool WriteLevel(const std::string& path, bool replaceUnreadFile);
  void FinishLoading();
  // Out of both containers, components torn down, object destroyed.
  void TearDown(Handle<GameObject> object);

  std::unique_ptr<SpacePhysics> physics;
  Camera* currentCamera = nullptr;
  NameIndex nameIndex;
  // Each object's own entry of nameIndex, by its block: unnamed objects all share one name, and
  // finding one among thousands by walking them made every teardown linear.
  std::unordered_map<const BlockHeader*, NameIndex::iterator> nameEntries;
  IdMap idMap;
  UnreadLevelParts unreadParts;
  std::string spaceName;
  std::string currentLevel;
  std::string pendingLevel;
  bool nextVisible = true;
  bool nextActive = true;
  bool active = true;
  bool visible = true;
  bool removeRequested = false;
};
