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
  pages.insert(position, PageRange{begin, end, pool, pageIndex * Pool::DefaultBlocksPerPage, pool->Stride()});
}

void MemoryManager::UnregisterPage(std::byte* begin)
{
  const auto position = std::lower_bound(pages.begin(), pages.end(), begin,
                                         [](const PageRange& range, std::byte* key) { return range.begin < key; });
  if (position != pages.end() && position->begin == begin)
    pages.erase(position);
}

MemoryManager::RecordedBlock MemoryManager::FindRecordedBlock(void* object) const
{
  auto* byte = static_cast<std::byte*>(object);
  if (byte == nullptr)
    return {};
  auto after = std::upper_bound(pages.begin(), pages.end(), byte,
                                [](std::byte* key, const PageRange& range) { return key < range.begin; });
  if (after == pages.begin())
    return {};
  const PageRange& page = *(after - 1);
  if (byte >= page.end)
    return {};
  const auto offset = static_cast<std::uint32_t>(byte - page.begin);
  // Only the exact start of an object inside a block that has been handed out can be ours.
  const std::uint32_t slot = offset / page.stride;
  if (offset - slot * page.stride != sizeof(BlockHeader))
    return {};
  const std::uint32_t index = page.firstBlock + slot;
  if (!page.pool->IsRecorded(index))
    return {};
  return {BlockHeader::FromObject(object), page.pool, index};
}

const SiteTag* MemoryManager::FindRecord(const void* object) const
{
  const RecordedBlock found = FindRecordedBlock(const_cast<void*>(object));
  return found.block ? &found.block->allocationSite : nullptr;
}

bool MemoryManager::TakeRecord(void* object, RecordedBlock& found)
{
  found = FindRecordedBlock(object);
  if (found.block == nullptr)
  {
    BRINDLE_CHECK(false, "Delete called on block not allocated with custom New or Malloc");
    return false;
  }
  found.pool->SetRecorded(found.index, false);
  --recordCount;
  return true;
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
