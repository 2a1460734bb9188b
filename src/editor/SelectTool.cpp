#include "editor/SelectTool.h"

namespace Editor
{
bool SelectTool::Apply(Handle<GameObject> picked)
{
  held = std::move(picked);
  return true;
}
}  // namespace Editor
