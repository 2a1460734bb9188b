#pragma once
// The default tool ("Select"): the picked object becomes the held one and joins the selection.
#include "editor/EditorTool.h"

namespace Editor
{
class SelectTool : public EditorTool
{
public:
  std::string GetName() const override { return "Select"; }
  bool Apply(Handle<GameObject> picked) override;
  Handle<GameObject> GetHeld() const override { return held; }
  void ClearHeld() override { held = Handle<GameObject>(); }

private:
  Handle<GameObject> held;
};
}  // namespace Editor
