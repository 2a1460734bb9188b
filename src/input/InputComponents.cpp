#include "input/InputComponents.h"

void RegisterInputComponents(ComponentFactoryMap& /*factories*/)
{
}
