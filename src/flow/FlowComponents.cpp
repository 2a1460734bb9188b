#include "flow/FlowComponents.h"

void RegisterFlowComponents(ComponentFactoryMap& /*factories*/)
{
}
