#pragma once
// The "Parent" tool: the picked object becomes the parent of every object selected in the object
// list, each keeping its place in the world. An object is never made a child of itself or of one
// of its own descendants: that entry is skipped with a warning and the others are parented.
#include "editor/EditorTool.h"

namespace Editor
{
class ParentTool : public EditorTool
{
public:
  explicit ParentTool(Selection& editorSelection) : selection(editorSelection) {}

  std::string GetName() const override { return "Parent"; }
  // Parents the selection to the picked object, empties the selection when the option says so,
  // and answers whether the picked object should be selected itself.
  bool Apply(Handle<GameObject> picked) override;
  Handle<GameObject> GetHeld() const override { return held; }
  void ClearHeld() override { held = Handle<GameObject>(); }
  void RenderOptions() override;

  bool selectParentOnParentAction = false;
  bool unselectChildrenOnParentAction = true;

private:
  Selection& selection;
  Handle<GameObject> held;
};
}  // namespace Editor
