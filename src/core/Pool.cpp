#include "core/Pool.h"

#include "core/MemoryManager.h"

#include <new>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>  // Required for: poisoning free blocks
#define BRINDLE_POISON(address, size) ASAN_POISON_MEMORY_REGION((address), (size))
#define BRINDLE_UNPOISON(address, size) ASAN_UNPOISON_MEMORY_REGION((address), (size))
#else
#define BRINDLE_POISON(address, size) ((void)(address), (void)(size))
#define BRINDLE_UNPOISON(address, size) ((void)(address), (void)(size))
#endif

namespace
{
constexpr std::uint32_t RoundUp(std::uint32_t value, std::uint32_t alignment)
{
  return (value + alignment - 1) / alignment * alignment;
}
}  // namespace

Pool::Pool(std::uint32_t, std::uint32_t size)
    : blocksPerPage(DefaultBlocksPerPage),
      objectSize(size),
      // Rounded so that every header and object stays aligned for any type.
      stride(RoundUp(size + static_cast<std::uint32_t>(sizeof(BlockHeader)), alignof(std::max_align_t)))
{
}

Pool::~Pool()
{
  FreePages();
}

void Pool::AddPage()
{
  const std::size_t bytes = static_cast<std::size_t>(stride) * blocksPerPage;
  auto* page = static_cast<std::byte*>(::operator new(bytes, std::align_val_t(alignof(std::max_align_t))));
  pages.push_back(page);
  freeCount += blocksPerPage;
  capacity += blocksPerPage;
  if (MemoryManager* manager = MemoryManager::Current())
    manager->RegisterPage(page, page + bytes, this, static_cast<std::uint32_t>(pages.size() - 1));
  for (std::uint32_t slot = 0; slot < blocksPerPage; ++slot)
    BRINDLE_POISON(page + static_cast<std::size_t>(stride) * slot + sizeof(BlockHeader), stride - sizeof(BlockHeader));
}

void Pool::Initialize()
{
  inUseCount = 0;
  AddPage();
  freeHead = 0;
}

BlockHeader* Pool::GrowTo(std::uint32_t index)
{
  while (index / DefaultBlocksPerPage >= pages.size())
    AddPage();
  return BlockAt(index);
}

BlockHeader* Pool::Allocate()
{
  if (pages.empty())
    return nullptr;
  if (freeCount == 0)
    AddPage();
  if (initializedCount < capacity)
  {
    // Exactly one header per hand-out: the untouched tail of the free list is initialised just
    // before it is reached.
    const std::uint32_t index = initializedCount;
    new (BlockAt(index)) BlockHeader();
    BlockAt(index)->Initialize(index, index + 1, this);
    ++initializedCount;
  }
  if (freeCount == 0)
    return nullptr;

  BlockHeader* block = BlockAt(freeHead);
  ++allocationCounter;
  if (!block->inUse)
  {
    ++block->allocationCount;
    block->inUse = 1;
    block->currentId = allocationCounter;
  }
  --freeCount;
  ++inUseCount;
  freeHead = block->nextFree;
  BRINDLE_UNPOISON(block->Object(), stride - sizeof(BlockHeader));
  return block;
}

void Pool::PushFree(BlockHeader* block)
{
  BRINDLE_POISON(block->Object(), stride - sizeof(BlockHeader));
  block->nextFree = freeHead;
  ++freeCount;
  --inUseCount;
  freeHead = block->index;
}

bool Pool::Contains(const void* address) const
{
  const auto* byte = static_cast<const std::byte*>(address);
  const std::size_t bytes = static_cast<std::size_t>(stride) * blocksPerPage;
  for (std::byte* page : pages)
    if (byte >= page && byte < page + bytes)
      return true;
  return false;
}

bool Pool::FreePages()
{
  if (pages.empty())
    return false;
  const std::size_t bytes = static_cast<std::size_t>(stride) * blocksPerPage;
  for (std::byte* page : pages)
  {
    BRINDLE_UNPOISON(page, bytes);
    if (MemoryManager* manager = MemoryManager::Current())
      manager->UnregisterPage(page);
    ::operator delete(page, std::align_val_t(alignof(std::max_align_t)));
  }
  pages.clear();
  freeHead = 0;
  capacity = 0;
  return true;
}
