#pragma once
// A fresh memory manager for one test; the one in force before comes back afterwards.
#include "core/MemoryManager.h"

class ScopedMemoryManager
{
public:
  ScopedMemoryManager() : previous(MemoryManager::Current()), manager(new MemoryManager()) {}
  ~ScopedMemoryManager()
  {
    delete manager;
    MemoryManager::MakeCurrent(previous);
  }
  ScopedMemoryManager(const ScopedMemoryManager&) = delete;
  ScopedMemoryManager& operator=(const ScopedMemoryManager&) = delete;

  MemoryManager& operator*() const { return *manager; }
  MemoryManager* operator->() const { return manager; }
  MemoryManager* Get() const { return manager; }
  // Tears the manager down now (to read its leak report); the destructor then only restores.
  void Destroy()
  {
    delete manager;
    manager = nullptr;
  }

private:
  MemoryManager* previous;
  MemoryManager* manager;
};
