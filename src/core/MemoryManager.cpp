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
  const auto position = std::lower_bound(pages.begin(), pages.end(), begin,
                                         [](const PageRange& range, std::byte* key) { return range.begin < key; });
    // Exact for every offset below 2^bits when the shift is bits + ceil(log2(stride)).
  const std::uint32_t stride = pool->Stride();
  std::uint32_t strideBits = 0;
  while ((std::uint64_t(1) << strideBits) < stride)
    ++strideBits;
  const std::uint64_t pageBytes = static_cast<std::uint64_t>(end - begin);
  std::uint32_t offsetBits = 0;
  while ((std::uint64_t(1) << offsetBits) <= pageBytes)
    ++offsetBits;
  const std::uint32_t shift = offsetBits + strideBits;
  const std::uint64_t reciprocal = ((std::uint64_t(1) << shift) + stride - 1) / stride;
  pages.insert(position, PageRange{begin, end, pool, pageIndex * Pool::DefaultBlocksPerPage, stride, reciprocal, shift});
}

void MemoryManager::UnregisterPage(std::byte* begin)
{
  const auto position = std::lower_bound(pages.begin(), pages.end(), begin,
                                         [](const PageRange& range, std::byte* key) { return range.begin < key; });
  if (position != pages.end() && position->begin == begin)
    pages.erase(position);
}

const SiteTag* MemoryManager::FindRecord(const void* object) const
{
  const RecordedBlock found = FindRecordedBlock(const_cast<void*>(object));
  return found.block ? &found.block->allocationSite : nullptr;
}

void MemoryManager::ReportForeignDelete()
{
  BRINDLE_CHECK(false, "Delete called on block not allocated with custom New or Malloc");
}

std::string MemoryManager::LeakReport() const
{
  if (recordCount == 0)
    return std::string();
  std::vector<std::pair<const void*, HandleSite>> leaks;
  for (const auto& [size, pool] : pools)
  {
    if (!pool->HasPages())
      continue;
    for (std::uint32_t index = 0; index < pool->InitializedCount(); ++index)
    {
      BlockHeader* block = pool->BlockAt(index);
      if (block->inUse && pool->IsRecorded(index))
        leaks.emplace_back(block->Object(), HandleSite(block->allocationSite, block));
    }
  }
  std::sort(leaks.begin(), leaks.end(), [](const auto& a, const auto& b) {
    return reinterpret_cast<std::uintptr_t>(a.first) < reinterpret_cast<std::uintptr_t>(b.first);
  });
  std::ostringstream report;
  report << leaks.size() << " Unhandled blocks leaked\n\n";
  for (const auto& leak : leaks)
    report << leak.second << "\n";
  return report.str();
}
