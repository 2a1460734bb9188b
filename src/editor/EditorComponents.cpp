#include "editor/EditorComponents.h"

void RegisterEditorComponents(ComponentFactoryMap& /*factories*/)
{
}
