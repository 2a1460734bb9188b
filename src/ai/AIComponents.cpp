#include "ai/AIComponents.h"

void RegisterAIComponents(ComponentFactoryMap& /*factories*/)
{
}
