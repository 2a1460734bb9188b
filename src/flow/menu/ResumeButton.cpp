#include "flow/menu/ResumeButton.h"

#include "flow/FlowEvents.h"
#include "input/DetectorEvents.h"
#include "object/Space.h"
#include "object/SpaceDirectory.h"

void ResumeButton::OnAwake()
{
  SubscribeOnSpace<NewLevelLoadedEvent>(this);
  SubscribeOnOwner<DetectorTriggerEndEvent>(this);
}

void ResumeButton::On(NewLevelLoadedEvent* event)
{
  previous = event->space;
  previousName = previous != nullptr ? previous->GetSpaceName() : std::string();
}

Space* ResumeButton::GetPrevious() const
{
  const SpaceDirectory* directory = SpaceDirectory::Instance();
  if (previous == nullptr || directory == nullptr)
    return nullptr;
  Space* const found = previous;
  return directory->GetSpace(previousName) == found ? found : nullptr;
}

void ResumeButton::On(DetectorTriggerEndEvent*)
{
  Space* back = GetPrevious();
  if (back == nullptr)
    return;
  if (Space* own = GetSpace())
    own->MarkForRemoval();
  back->Unpause();
  back->SetVisible(true);
}
