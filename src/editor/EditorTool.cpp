#include "editor/EditorTool.h"

#include "object/GameObject.h"

namespace Editor
{
std::string SelectionLabel(const GameObject& object)
{
  return object.GetName() + "##" + std::to_string(object.GetId());
}

bool EditorTool::Apply(Handle<GameObject> /*picked*/)
{
  return true;
}

bool EditorTool::Unapply(Handle<GameObject> /*picked*/)
{
  return true;
}
}  // namespace Editor
