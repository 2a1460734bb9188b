#pragma once
// Pooled memory for the engine's objects: one pool per object size, generation ids for handles,
// a call-site record for every object made with New, and a leak report at teardown.
//
//   New<T>(BRINDLE_SITE, args...)       pooled object reached by plain pointer, ended with Delete
//   NewHandle<T>(BRINDLE_SITE, args...) pooled object owned by the returned handle, ended with
//                                       Handle::Release
#include "core/BlockHeader.h"
#include "core/Handle.h"
#include "core/Pool.h"
#include "core/SiteTag.h"

#include <cstdint>
#include <map>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

class MemoryManager
{
public:
  // The process's manager, created on first use. main calls this before anything else.
  static MemoryManager* Instance() { return current != nullptr ? current : CreateInstance(); }
  // The manager now in force, or null (after teardown, or before the first Instance call).
  static MemoryManager* Current() { return current; }
  // Puts another manager in force (tests run with managers of their own).
  static void MakeCurrent(MemoryManager* manager);

  MemoryManager();
  ~MemoryManager();  // leak report, then every page is freed
  MemoryManager(const MemoryManager&) = delete;
  MemoryManager& operator=(const MemoryManager&) = delete;

  Pool*& GetPool(std::uint32_t objectSize);

  template <typename T, typename... Args>
  static T* New(SiteTag site, Args&&... args)
  {
    return Instance()->NewTagged<T>(site, std::forward<Args>(args)...);
  }

  template <typename T, typename... Args>
  T* NewTagged(SiteTag site, Args&&... args);

  template <typename T, typename... Args>
  static Handle<T> NewHandle(SiteTag site, Args&&... args);

  // Destroys an object made by New. Anything else (null, a NewHandle object, a foreign address,
  // an object already deleted) is reported and left alone.
  template <typename T>
  static void Delete(T* object);

  // The record of a live object made by New, or null.
  const SiteTag* FindRecord(const void* object) const;
  // Live objects made by New (a count over every block: for tests and reports).
  std::size_t RecordCount() const;
  const std::map<std::uint32_t, Pool*>& Pools() const { return pools; }

  // The leak report text, empty when nothing is left; teardown hands it to Assert.
  std::string LeakReport() const;

  // Kept by pools so Delete can tell whether an address is one of ours.
  void RegisterPage(std::byte* begin, std::byte* end, Pool* pool, std::uint32_t pageIndex);
  void UnregisterPage(std::byte* begin);

  std::uint32_t Epoch() const { return epoch; }

private:
  static MemoryManager* CreateInstance();
  static inline MemoryManager* current = nullptr;

  struct PageRange
  {
    std::byte* begin;
    Pool* pool;
    std::uint32_t firstBlock;  // index of the page's first block in its pool
    std::uint32_t stride;
    std::uint32_t bytes;       // stride times the blocks of a page
    // Division by the stride as a multiply and shift, exact for every offset inside a page.
    std::uint64_t reciprocal;
    std::uint32_t shift;
  };
  // One slot of the open-addressed table from an address's span (its address divided by
  // Pool::PageAlignment) to the page lying there. Pages start on span boundaries, so a span
  // belongs to at most one page.
  static constexpr std::uintptr_t EmptySlot = ~std::uintptr_t(0);  // no address has this span
  struct PageSlot
  {
    std::uintptr_t chunk = EmptySlot;
    PageRange page{};
  };
  static constexpr unsigned ChunkBits = 16;
  static_assert(std::size_t(1) << ChunkBits == Pool::PageAlignment);

  const PageRange* FindPage(const std::byte* byte) const
  {
    const std::uintptr_t chunk = reinterpret_cast<std::uintptr_t>(byte) >> ChunkBits;
    for (std::size_t slot = HashChunk(chunk) & pageSlotMask;; slot = (slot + 1) & pageSlotMask)
    {
      const PageSlot& entry = pageSlots[slot];
      if (entry.chunk == chunk)
        return &entry.page;
      if (entry.chunk == EmptySlot)
        return nullptr;
    }
  }
  static std::size_t HashChunk(std::uintptr_t chunk)
  {
    return static_cast<std::size_t>((static_cast<std::uint64_t>(chunk) * 0x9E3779B97F4A7C15ull) >> 32);
  }
  static std::size_t ChunksOf(const PageRange& page);
  void InsertPageSlots(const PageRange& page);
  void RebuildPageSlots();

  template <typename T>
  Pool* PoolFor();
  template <typename T, typename... Args>
  BlockHeader* Construct(SiteTag site, Args&&... args);
  // Finds the header of a live object made by New: one hash lookup for the page, then only the
  // block's own header, which the delete writes anyway. Null for anything else.
  BlockHeader* FindRecordedBlock(void* object) const
  {
    auto* byte = static_cast<std::byte*>(object);
    const PageRange* page = FindPage(byte);
    if (page == nullptr)
      return nullptr;
    // The span holding the page's start starts with the page, so the offset is never negative.
    const auto offset = static_cast<std::uint64_t>(byte - page->begin);
#if defined(__SANITIZE_ADDRESS__)
    // Free objects are poisoned, so the slot is worked out without reading where a header might be.
    const auto slot = static_cast<std::uint32_t>((offset * page->reciprocal) >> page->shift);
    if (offset - static_cast<std::uint64_t>(slot) * page->stride != sizeof(BlockHeader) ||
        slot >= Pool::DefaultBlocksPerPage)
      return nullptr;
    const std::uint32_t index = page->firstBlock + slot;
#else
    // The bytes just before the address lie inside the page; read as a header, they name a block
    // index, and only the exact start of that block's object matches it. Anywhere else, whatever
    // the bytes hold names a block whose object starts elsewhere.
    if (offset < sizeof(BlockHeader) || offset >= page->bytes)
      return nullptr;
    const std::uint32_t index = BlockHeader::FromObject(object)->index;
    const std::uint32_t slot = index - page->firstBlock;
    if (slot >= Pool::DefaultBlocksPerPage ||
        static_cast<std::uint64_t>(slot) * page->stride + sizeof(BlockHeader) != offset)
      return nullptr;
#endif
    // Blocks past the initialised ones have never been handed out (their headers are unwritten).
    if (index >= page->pool->InitializedCount())
      return nullptr;
    BlockHeader* block = BlockHeader::FromObject(object);
    return block->inUse && block->recorded ? block : nullptr;
  }
  static void ReportForeignDelete();
  template <typename Visit>
  void ForEachRecord(Visit visit) const
  {
    for (const auto& [size, pool] : pools)
    {
      if (!pool->HasPages())
        continue;
      for (std::uint32_t index = 0; index < pool->InitializedCount(); ++index)
      {
        BlockHeader* block = pool->BlockAt(index);
        if (block->inUse && block->recorded)
          visit(block);
      }
    }
  }

  std::map<std::uint32_t, Pool*> pools;
  std::vector<PageRange> pages;       // every registered page, the source of pageSlots
  std::vector<PageSlot> pageSlots = std::vector<PageSlot>(64);  // a power of two in size, at most half full
  std::size_t pageSlotMask = 63;
  std::size_t usedPageSlots = 0;
  std::uint32_t epoch;
};

namespace memory_detail
{
template <typename T>
void Destroy(void* object)
{
  static_cast<T*>(object)->~T();
}

// The address of the whole object, also when called through a base-class pointer.
template <typename T>
void* WholeObject(T* object)
{
  if constexpr (std::is_polymorphic_v<T>)
    return object ? dynamic_cast<void*>(object) : nullptr;
  else
    return const_cast<void*>(static_cast<const void*>(object));
}
}  // namespace memory_detail

template <typename T>
Pool* MemoryManager::PoolFor()
{
  // Each type remembers its pool for the manager it was found in, so the common case skips the map.
  static std::uint32_t cachedEpoch = 0;
  static Pool* cachedPool = nullptr;
  if (cachedEpoch != epoch || cachedPool == nullptr)
  {
    cachedPool = GetPool(static_cast<std::uint32_t>(sizeof(T)));
    cachedEpoch = epoch;
  }
  return cachedPool;
}

template <typename T, typename... Args>
BlockHeader* MemoryManager::Construct(SiteTag site, Args&&... args)
{
  static_assert(alignof(T) <= alignof(std::max_align_t), "pooled objects need at most the default alignment");
  BlockHeader* block = PoolFor<T>()->Allocate();
  if (block == nullptr)
    return nullptr;
  block->allocationSite = site;
  if constexpr (std::is_aggregate_v<T> && sizeof...(Args) == 0)
    new (block->Object()) T{};
  else
    new (block->Object()) T(std::forward<Args>(args)...);
  block->destroyObject = &memory_detail::Destroy<T>;
  return block;
}

template <typename T, typename... Args>
T* MemoryManager::NewTagged(SiteTag site, Args&&... args)
{
  BlockHeader* block = PoolFor<T>()->Allocate();
  if (block == nullptr)
    return nullptr;
  // The record exists before the constructor runs, so constructors may allocate in turn.
  block->allocationSite = site;
  block->recorded = 1;
  T* object = new (block->Object()) T(std::forward<Args>(args)...);
  block->destroyObject = &memory_detail::Destroy<T>;
  return object;
}

template <typename T, typename... Args>
Handle<T> MemoryManager::NewHandle(SiteTag site, Args&&... args)
{
  BlockHeader* block = Instance()->Construct<T>(site, std::forward<Args>(args)...);
  if (block == nullptr)
    return Handle<T>();
  return Handle<T>(block, HandleSite(site, block));
}

template <typename T>
void MemoryManager::Delete(T* object)
{
  MemoryManager* manager = Current();
  if (manager == nullptr)
    return;  // teardown has begun: the pages and everything on them are gone
  // Through its first base (the usual case) the pointer is already the object's start; only a
  // pointer to a later base needs the object's start looked up.
  BlockHeader* block = manager->FindRecordedBlock(const_cast<void*>(static_cast<const void*>(object)));
  if constexpr (std::is_polymorphic_v<T>)
  {
    if (block == nullptr && object != nullptr)
      block = manager->FindRecordedBlock(memory_detail::WholeObject(object));
  }
  if (block == nullptr)
  {
    ReportForeignDelete();
    return;
  }
  // Every handle is stale while the destructor runs, and the block goes back on the free list only
  // afterwards, so a destructor may allocate objects of its own size.
  block->Invalidate();
  block->destroyObject = nullptr;
  object->~T();  // virtual where T is a base, so the object's own class is destroyed
  block->pool->PushFree(block);
}
