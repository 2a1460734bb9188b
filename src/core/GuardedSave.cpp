#include "core/GuardedSave.h"

#include "core/Log.h"

#include <exception>

bool GuardedSave(const std::string& what, const std::function<bool()>& save)
{
  try
  {
    return save();
  }
  catch (const std::exception& exception)
  {
    LogError(what, " was not saved: ", exception.what(), ". Its file keeps what it held.");
  }
  catch (...)
  {
    LogError(what, " was not saved: an unknown failure. Its file keeps what it held.");
  }
  return false;
}
