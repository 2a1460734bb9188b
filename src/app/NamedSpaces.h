#pragma once
// The session's spaces by name: the live ones, in name order, and those made during a frame,
// which join at the next Manage. Each space's physics outlines go to the renderer's debug layer
// of that space while it lives, and the renderer forgets a space before it is deleted.
//
// The session's own space functions (GetSpace, GetSpaceNew, ManageSpaces, ...) forward here.
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class PhysicsDebugDraw;
class Space;
namespace Graphics
{
class Graphics;
}

class NamedSpaces
{
public:
  using SpaceMap = std::map<std::string, Space*>;
  using PendingList = std::vector<std::pair<std::string, Space*>>;

  static constexpr const char* EditorSpaceName = "Editor Space";

  explicit NamedSpaces(Graphics::Graphics& renderer);
  ~NamedSpaces();
  NamedSpaces(const NamedSpaces&) = delete;
  NamedSpaces& operator=(const NamedSpaces&) = delete;

  // The live space of that name, else the last pending one of that name, else null.
  Space* Find(const std::string& name) const;
  // A space of that name showing that level: the live or pending one when it shows that level and
  // is not being removed; otherwise that one is marked for removal and a new one is made and
  // loaded at once. The new space joins the live ones at the next Manage.
  Space* Get(const std::string& name, const std::string& level);
  // A new space under a name that must not be in use; a name in use is a fatal check.
  Space* GetNew(const std::string& name, const std::string& level);
  // Between frames: removes the spaces marked for removal, adopts the pending ones, applies the
  // flags asked for during the frame and carries out level switches.
  void Manage();
  // Every live space but the editor's is unloaded and deleted at once; when any was, the map
  // holds only the editor's space afterwards.
  void KeepOnlyEditorSpace();
  // Unloads and deletes every space, live or pending.
  void UnloadAll();

  // The editor loop's space; null outside it. While a game plays from inside the editor it
  // waits outside the map, neither unloaded nor updated.
  Space* GetEditorSpace() const { return editorSpace; }
  void SetEditorSpace(Space* space) { editorSpace = space; }
  void SetEditorSpaceAside() { spaces.clear(); }
  void BringBackEditorSpace();

  const SpaceMap& GetLive() const { return spaces; }
  const PendingList& GetPending() const { return pendingSpaces; }
  // Live names in name order, then pending names not yet live, each once.
  std::vector<std::string> GetNames() const;

private:
  Space* Make(const std::string& name);
  // Unloads the space's level, drops what the renderer keeps for it and deletes it.
  void Destroy(Space* space);

  Graphics::Graphics& renderer;
  SpaceMap spaces;
  PendingList pendingSpaces;
  Space* editorSpace = nullptr;
  std::map<Space*, std::unique_ptr<PhysicsDebugDraw>> debugDrawers;
  bool reportedNoSpaces = false;  // "There are no spaces loaded" once, not every frame
};
