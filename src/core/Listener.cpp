#include "core/Listener.h"

#include "core/MemoryManager.h"

Listener::Listener(std::uint32_t id)
    : token(MemoryManager::NewHandle<LivenessToken>(BRINDLE_SITE)), listenerId(id)
{
}

Listener::Listener(const Listener& other)
    : token(MemoryManager::NewHandle<LivenessToken>(BRINDLE_SITE)), listenerId(other.listenerId)
{
}

Listener::~Listener()
{
  token.Release();
}
