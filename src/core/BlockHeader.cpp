#include "core/BlockHeader.h"

#include "core/Pool.h"
#include "platform/Assert.h"

#include <sstream>

void BlockHeader::Initialize(std::uint32_t blockIndex, Pool* owner)
{
  index = blockIndex;
  pool = owner;
  currentId = 0;
  destroyRequested = 0;
  inUse = 0;
  recorded = 0;
  liveHandles = 0;
  destroyObject = nullptr;
}

void BlockHeader::ReturnToPool()
{
  if (pool != nullptr && pool->HasPages())
    pool->PushFree(this);
}

void BlockHeader::Release()
{
  if (!inUse)
    return;
  Invalidate();
  ReturnToPool();
}

void BlockHeader::ReleaseAndDestroy()
{
  if (!inUse)
    return;
  void (*destroy)(void*) = destroyObject;
  destroyObject = nullptr;
  Invalidate();
  if (destroy != nullptr)
    destroy(Object());
  ReturnToPool();
}

std::uint32_t BlockHeader::RemoveHandle(const HandleSite& site)
{
  if (liveHandles > 0)
    --liveHandles;
  if (liveHandles != 0)
    return liveHandles;
  if (destroyRequested && inUse)
  {
    ReleaseAndDestroy();
    return 0;
  }
  std::ostringstream message;
  message << (pool ? pool->ObjectSize() : 0u) << " byte Handle leaked: " << site;
  BRINDLE_CHECK(false, message.str());
  return 0;
}
