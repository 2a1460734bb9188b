#include "core/MemoryManager.h"

#include "platform/Assert.h"

#include <algorithm>
#include <sstream>

namespace
{
std::uint32_t epochCounter = 0;
}  // namespace

MemoryManager* MemoryManager::CreateInstance()
{
  return new MemoryManager();
}

void MemoryManager::MakeCurrent(MemoryManager* manager)
{
  current = manager;
}

MemoryManager::MemoryManager() : epoch(++epochCounter)
{
  current = this;
}

MemoryManager::~MemoryManager()
{
  const std::string report = LeakReport();
  if (!report.empty())
    BRINDLE_CHECK(false, report);
  for (auto& [size, pool] : pools)
  {
    pool->FreePages();
    delete pool;
    pool = nullptr;
  }
  pools.clear();
  pages.clear();
  RebuildPageSlots();
  if (current == this)
    current = nullptr;
}

Pool*& MemoryManager::GetPool(std::uint32_t objectSize)
{
  auto found = pools.find(objectSize);
  if (found != pools.end())
    return found->second;
  Pool*& slot = pools[objectSize];
  slot = new Pool(Pool::DefaultBlocksPerPage, objectSize);
  // Pages register with the manager in force; make sure that is this one while the first is made.
  MemoryManager* previous = current;
  current = this;
  slot->Initialize();
  current = previous;
  return slot;
}

void MemoryManager::RegisterPage(std::byte* begin, std::byte* end, Pool* pool, std::uint32_t pageIndex)
{
  // Exact for every offset below 2^bits when the shift is bits + ceil(log2(stride)).
  const std::uint32_t stride = pool->Stride();
  std::uint32_t strideBits = 0;
  while ((std::uint64_t(1) << strideBits) < stride)
    ++strideBits;
  // Offsets reach past the page's end up to the end of its last span.
  const std::uint64_t pageBytes = static_cast<std::uint64_t>(end - begin) + Pool::PageAlignment;
  std::uint32_t offsetBits = 0;
  while ((std::uint64_t(1) << offsetBits) <= pageBytes)
    ++offsetBits;
  const std::uint32_t shift = offsetBits + strideBits;
  const std::uint64_t reciprocal = ((std::uint64_t(1) << shift) + stride - 1) / stride;
  pages.push_back(PageRange{begin, pool, pageIndex * Pool::DefaultBlocksPerPage, stride,
                            static_cast<std::uint32_t>(end - begin), reciprocal, shift});
  if ((usedPageSlots + ChunksOf(pages.back())) * 2 > pageSlots.size())
    RebuildPageSlots();
  else
    InsertPageSlots(pages.back());
}

void MemoryManager::UnregisterPage(std::byte* begin)
{
  const auto position =
      std::find_if(pages.begin(), pages.end(), [begin](const PageRange& range) { return range.begin == begin; });
  if (position == pages.end())
    return;
  pages.erase(position);
  // Pages go only at teardown, so the table is simply built again without them.
  RebuildPageSlots();
}

std::size_t MemoryManager::ChunksOf(const PageRange& page)
{
  const std::size_t bytes = static_cast<std::size_t>(page.stride) * Pool::DefaultBlocksPerPage;
  return (bytes + Pool::PageAlignment - 1) >> ChunkBits;
}

void MemoryManager::InsertPageSlots(const PageRange& page)
{
  const std::size_t mask = pageSlotMask;
  const std::uintptr_t first = reinterpret_cast<std::uintptr_t>(page.begin) >> ChunkBits;
  for (std::uintptr_t chunk = first; chunk < first + ChunksOf(page); ++chunk)
  {
    std::size_t slot = HashChunk(chunk) & mask;
    while (pageSlots[slot].chunk != EmptySlot)
      slot = (slot + 1) & mask;
    pageSlots[slot].chunk = chunk;
    pageSlots[slot].page = page;
    ++usedPageSlots;
  }
}

void MemoryManager::RebuildPageSlots()
{
  std::size_t chunks = 0;
  for (const PageRange& page : pages)
    chunks += ChunksOf(page);
  std::size_t size = 64;
  while (size < chunks * 4)
    size *= 2;
  pageSlots.assign(size, PageSlot());
  pageSlotMask = size - 1;
  usedPageSlots = 0;
  for (const PageRange& page : pages)
    InsertPageSlots(page);
}

const SiteTag* MemoryManager::FindRecord(const void* object) const
{
  const BlockHeader* block = FindRecordedBlock(const_cast<void*>(object));
  return block ? &block->allocationSite : nullptr;
}

void MemoryManager::ReportForeignDelete()
{
  BRINDLE_CHECK(false, "Delete called on block not allocated with custom New or Malloc");
}

std::size_t MemoryManager::RecordCount() const
{
  std::size_t count = 0;
  ForEachRecord([&count](BlockHeader*) { ++count; });
  return count;
}

std::string MemoryManager::LeakReport() const
{
  std::vector<std::pair<const void*, HandleSite>> leaks;
  ForEachRecord([&leaks](BlockHeader* block) { leaks.emplace_back(block->Object(), HandleSite(block->allocationSite, block)); });
  if (leaks.empty())
    return std::string();
  std::sort(leaks.begin(), leaks.end(), [](const auto& a, const auto& b) {
    return reinterpret_cast<std::uintptr_t>(a.first) < reinterpret_cast<std::uintptr_t>(b.first);
  });
  std::ostringstream report;
  report << leaks.size() << " Unhandled blocks leaked\n\n";
  for (const auto& leak : leaks)
    report << leak.second << "\n";
  return report.str();
}
