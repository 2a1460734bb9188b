#pragma once
// The header in front of every pooled object. A block is a header followed directly by the
// object's bytes; the generation id in the header is what handles compare against.
#include "core/SiteTag.h"

#include <cstddef>
#include <cstdint>

class Pool;

struct alignas(16) BlockHeader
{
  std::uint32_t index = 0;            // the block's index in its pool, over all pages
  std::uint32_t currentId = 0;        // generation of the present occupant; 0 while free
  std::uint8_t destroyRequested = 0;
  std::uint8_t inUse = 0;
  std::uint8_t recorded = 0;          // the occupant was made by MemoryManager::New
  std::uint32_t liveHandles = 0;
  Pool* pool = nullptr;
  union
  {
    BlockHeader* nextFree;            // while the block is on its pool's free list
    void (*destroyObject)(void*);     // while it is in use: the occupant's destructor
  };
  SiteTag allocationSite;             // the allocation record of an object made by New

  BlockHeader() : destroyObject(nullptr) {}

  void Initialize(std::uint32_t blockIndex, Pool* owner);

  void* Object() { return reinterpret_cast<std::byte*>(this) + sizeof(BlockHeader); }
  static BlockHeader* FromObject(void* object)
  {
    return reinterpret_cast<BlockHeader*>(reinterpret_cast<std::byte*>(object) - sizeof(BlockHeader));
  }

  // Returns the block to its pool. Invalidate comes first, so that every handle is stale while the
  // occupant's destructor runs; ReturnToPool comes after it, so the destructor may allocate freely.
  void Release();
  void Invalidate()
  {
    currentId = 0;
    liveHandles = 0;
    inUse = 0;
    recorded = 0;
  }
  void ReturnToPool();

  // Ends the occupant: invalidates the block, runs the destructor, returns the block.
  void ReleaseAndDestroy();

  void AddHandle() { ++liveHandles; }
  // Drops one handle; when the last handle of a live object goes, reports the leak. Returns the
  // remaining count.
  std::uint32_t RemoveHandle(const HandleSite& site);
};

static_assert(sizeof(BlockHeader) == 64, "a header fills one cache line and no more");
static_assert(sizeof(BlockHeader) % alignof(std::max_align_t) == 0, "objects behind headers stay aligned");
