#include "flow/menu/OpenMenu.h"

#include "core/Send.h"
#include "flow/FlowEvents.h"
#include "flow/level/LevelSpaces.h"
#include "object/Component.h"
#include "object/Space.h"

bool OpenMenu(const Component& button, const std::string& menuSpace, const std::string& level, bool hideOwnSpace)
{
  Space* own = button.GetSpace();
  if (own == nullptr || !LevelExists(level, button.GetTypeName()))
    return false;
  own->SetPaused(true);
  if (hideOwnSpace)
    own->Hide();
  Space* menu = ShowLevel(menuSpace, level);
  // Delivered in this pass of the queue, after the menu's objects have woken and subscribed.
  if (menu != nullptr)
    Queue<NewLevelLoadedEvent>(BRINDLE_SITE, menu->GetId(), own);
  return true;
}
