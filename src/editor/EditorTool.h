#pragma once
// What the editor does with an object the user picks, in the viewport or in the object list. The
// editor owns a list of tools and one current tool; each tool holds the object it last received,
// which the window "Object:" shows and edits.
//
// Handles are taken by value: each call holds its own reference on the object's block.
#include "core/Handle.h"

#include <map>
#include <string>

class GameObject;

namespace Editor
{
// The objects selected in the object list, keyed by their tree label ("<name>##<id>").
using Selection = std::map<std::string, Handle<GameObject>>;

// The object list's label of an object: its name, then "##" and its id, so equal names stay apart.
std::string SelectionLabel(const GameObject& object);

class EditorTool
{
public:
  virtual ~EditorTool() = default;

  virtual std::string GetName() const = 0;
  // The tool receives a picked object; true when the object list should select it.
  virtual bool Apply(Handle<GameObject> picked);
  // A selected node was clicked again; true when it should leave the selection.
  virtual bool Unapply(Handle<GameObject> picked);
  // The object the inspector shows; a dead or empty handle shows nothing.
  virtual Handle<GameObject> GetHeld() const = 0;
  virtual void ClearHeld() {}
  // The tool's options inside the "Tool options" tree of the window "Editor".
  virtual void RenderOptions() {}
};
}  // namespace Editor
