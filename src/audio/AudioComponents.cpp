#include "audio/AudioComponents.h"

#include "audio/ClickSound.h"
#include "audio/LoopSound.h"

void RegisterAudioComponents(ComponentFactoryMap& factories)
{
  AddComponentFactory<LoopSound>(factories);
  AddComponentFactory<ClickSound>(factories);
}
