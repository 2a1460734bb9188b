#include "flow/FlowHost.h"

namespace
{
FlowHost* published = nullptr;
}

FlowHost* FlowHost::Instance()
{
  return published;
}

void FlowHost::SetInstance(FlowHost* host)
{
  published = host;
}
