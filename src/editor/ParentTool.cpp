#include "editor/ParentTool.h"

#include "core/Log.h"
#include "object/GameObject.h"
#include "object/Transform.h"

#include <imgui.h>

namespace Editor
{
bool ParentTool::Apply(Handle<GameObject> picked)
{
  held = picked;
  GameObject* parentObject = picked.Get();
  Transform* parent = parentObject != nullptr ? parentObject->GetTransform() : nullptr;
  if (parent != nullptr)
  {
    for (auto& [label, selected] : selection)
    {
      GameObject* childObject = selected.Get();
      Transform* child = childObject != nullptr ? childObject->GetTransform() : nullptr;
      if (child == nullptr || child->GetParent() == parent)
        continue;
      // Checked here rather than left to the transform, which treats it as a programming error.
      if (child == parent || parent->HasAncestor(child))
      {
        LogWarning("\"", childObject->GetName(), "\" is not made a child of \"", parentObject->GetName(),
                   "\": it would become its own ancestor.");
        continue;
      }
      child->SetParent(parent);
    }
  }
  if (unselectChildrenOnParentAction)
    selection.clear();
  return selectParentOnParentAction;
}

void ParentTool::RenderOptions()
{
  ImGui::Checkbox("Select Parent on parent action", &selectParentOnParentAction);
  ImGui::Checkbox("Unselect children on parent action", &unselectChildrenOnParentAction);
}
}  // namespace Editor
