#include "editor/ConsoleGodMode.h"

#include <utility>

namespace
{
bool godMode = false;

GodModeApplier& Applier()
{
  static GodModeApplier applier;
  return applier;
}
}  // namespace

void SetGodMode(bool on)
{
  godMode = on;
  if (Applier())
    Applier()(on);
}

bool IsGodModeOn()
{
  return godMode;
}

void SetGodModeApplier(GodModeApplier applier)
{
  Applier() = std::move(applier);
}
