#pragma once
// Fixed-size blocks for objects of one size, handed out from pages of 1000 blocks.
#include "core/BlockHeader.h"

#include <cstdint>
#include <vector>

class Pool
{
public:
  static constexpr std::uint32_t DefaultBlocksPerPage = 1000;
  // Every page starts on a boundary of this many bytes, so that an address tells in one hash
  // lookup which page (if any) it lies in: no two pages share a span of this size.
  static constexpr std::size_t PageAlignment = std::size_t(1) << 16;

  // Every pool in the program has DefaultBlocksPerPage blocks per page; the argument is kept for
  // callers that state it.
  Pool(std::uint32_t blocksPerPage, std::uint32_t objectSize);
  ~Pool();
  Pool(const Pool&) = delete;
  Pool& operator=(const Pool&) = delete;

  void Initialize();
  // Null only after FreePages.
  BlockHeader* Allocate()
  {
    BlockHeader* block = freeHead;
    if (block == nullptr)
      return AllocateUntouched();
    freeHead = block->nextFree;
    return HandOut(block);
  }
  BlockHeader* BlockAt(std::uint32_t index)
  {
    // Pages always hold DefaultBlocksPerPage blocks, so this divides by a constant.
    const std::uint32_t page = index / DefaultBlocksPerPage;
    if (page >= pages.size())
      return GrowTo(index);
    return reinterpret_cast<BlockHeader*>(pages[page] + static_cast<std::size_t>(stride) * (index % DefaultBlocksPerPage));
  }
  bool FreePages();

  // Puts a released block on top of the free list (last in, first out). Called by
  // BlockHeader::ReturnToPool and MemoryManager::Delete.
  void PushFree(BlockHeader* block)
  {
    Poison(block);
    block->nextFree = freeHead;
    freeHead = block;
    ++freeCount;
    --inUseCount;
  }

  bool HasPages() const { return !pages.empty(); }
  const std::vector<std::byte*>& Pages() const { return pages; }

  std::uint32_t BlocksPerPage() const { return blocksPerPage; }
  std::uint32_t ObjectSize() const { return objectSize; }
  std::uint32_t Stride() const { return stride; }
  std::uint32_t Capacity() const { return capacity; }
  std::uint32_t FreeCount() const { return freeCount; }
  std::uint32_t InUseCount() const { return inUseCount; }
  std::uint32_t InitializedCount() const { return initializedCount; }
  std::uint32_t AllocationCounter() const { return allocationCounter; }

private:
  void AddPage();
  BlockHeader* AllocateUntouched();
  BlockHeader* HandOut(BlockHeader* block)
  {
    ++allocationCounter;
    block->inUse = 1;
    block->currentId = allocationCounter;
    --freeCount;
    ++inUseCount;
#if defined(__SANITIZE_ADDRESS__)
    UnpoisonObject(block);
#endif
    return block;
  }
  void Poison([[maybe_unused]] BlockHeader* block)
  {
#if defined(__SANITIZE_ADDRESS__)
    PoisonObject(block);
#endif
  }
  void PoisonObject(BlockHeader* block);
  void UnpoisonObject(BlockHeader* block);
  BlockHeader* GrowTo(std::uint32_t index);

  std::uint32_t blocksPerPage;
  std::uint32_t objectSize;
  std::uint32_t stride;
  std::uint32_t capacity = 0;
  std::uint32_t freeCount = 0;
  std::uint32_t inUseCount = 0;
  std::uint32_t initializedCount = 0;
  std::uint32_t allocationCounter = 0;
  std::vector<std::byte*> pages;
  // Released blocks, linked through their headers, the most recent first. Blocks never handed
  // out yet follow from initializedCount on, in index order.
  BlockHeader* freeHead = nullptr;
};
