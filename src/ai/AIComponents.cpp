#include "ai/AIComponents.h"

#include "ai/PathGraph.h"

void RegisterAIComponents(ComponentFactoryMap& factories)
{
  AddComponentFactory<PathGraph>(factories, "PathGraph");
}
