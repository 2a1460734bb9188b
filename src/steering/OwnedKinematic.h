#pragma once
// A Kinematic made through the memory manager for one owner (a behaviour's own target, a
// controller's copy of its target) and released when the owner goes or calls Release. Others
// may hold copies of the handle; they go stale with the release.
#include "steering/Kinematic.h"
#include "core/MemoryManager.h"

class OwnedKinematic
{
public:
  explicit OwnedKinematic(SiteTag site) : handle(MemoryManager::NewHandle<Kinematic>(site)) {}
  ~OwnedKinematic() { handle.Release(); }
  OwnedKinematic(const OwnedKinematic&) = delete;
  OwnedKinematic& operator=(const OwnedKinematic&) = delete;

  const Handle<Kinematic>& GetHandle() const { return handle; }
  Kinematic* Get() const { return handle.Get(); }
  Kinematic* operator->() const { return handle.Get(); }
  bool IsValid() const { return handle.IsValid(); }
  void Release() { handle.Release(); }

private:
  Handle<Kinematic> handle;
};
