// Corvane: the game and the Brindle engine in one executable.
#include "core/MemoryManager.h"

int main(int, char**)
{
  // The memory manager exists before any other object and is destroyed after every other, so
  // its teardown can report whatever was never given back.
  MemoryManager::Instance();

  delete MemoryManager::Current();
  return 0;
}
