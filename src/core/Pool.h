#pragma once
// Fixed-size blocks for objects of one size, handed out from pages of 1000 blocks.
#include "core/BlockHeader.h"

#include <cstdint>
#include <vector>

class Pool
{
public:
  static constexpr std::uint32_t DefaultBlocksPerPage = 1000;

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
    if (freeStack.empty())
      return AllocateUntouched();
    BlockHeader* block = BlockAt(freeStack.back());
    freeStack.pop_back();
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

  // Called by BlockHeader::ReturnToPool.
  void PushFree(BlockHeader* block);
  void PushFreeIndex(std::uint32_t index);

  // Which blocks hold an object made by MemoryManager::New; kept beside the blocks so that
  // checking a delete touches no cold block header.
  void SetRecorded(std::uint32_t index, bool recorded)
  {
    const std::uint64_t bit = std::uint64_t(1) << (index % 64);
    if (recorded)
      recordedBits[index / 64] |= bit;
    else if (index / 64 < recordedBits.size())
      recordedBits[index / 64] &= ~bit;
  }
  bool IsRecorded(std::uint32_t index) const
  {
    return index / 64 < recordedBits.size() && (recordedBits[index / 64] >> (index % 64)) & 1u;
  }

  bool HasPages() const { return !pages.empty(); }
  bool Contains(const void* address) const;
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
    Unpoison(block);
    return block;
  }
  void Unpoison([[maybe_unused]] BlockHeader* block)
  {
#if defined(__SANITIZE_ADDRESS__)
    UnpoisonObject(block);
#endif
  }
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
  // Released blocks, the most recent last: the free list is last-in, first-out. Blocks never
  // handed out yet follow from initializedCount on, in index order.
  std::vector<std::uint32_t> freeStack;
  std::vector<std::uint64_t> recordedBits;
};
