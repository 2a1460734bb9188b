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
  auto* page = static_cast<std::byte*>(::operator new(bytes, std::align_val_t(PageAlignment)));
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
}

BlockHeader* Pool::GrowTo(std::uint32_t index)
{
  while (index / DefaultBlocksPerPage >= pages.size())
    AddPage();
  return BlockAt(index);
}

BlockHeader* Pool::AllocateUntouched()
{
  if (pages.empty())
    return nullptr;
  // The untouched tail: exactly one header is initialised per hand-out, just before it is used.
  if (initializedCount == capacity)
    AddPage();
  const std::uint32_t index = initializedCount++;
  BlockHeader* block = new (BlockAt(index)) BlockHeader();
  block->Initialize(index, this);
  return HandOut(block);
}

void Pool::PoisonObject([[maybe_unused]] BlockHeader* block)
{
  BRINDLE_POISON(block->Object(), stride - sizeof(BlockHeader));
}

void Pool::UnpoisonObject([[maybe_unused]] BlockHeader* block)
{
  BRINDLE_UNPOISON(block->Object(), stride - sizeof(BlockHeader));
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
    ::operator delete(page, std::align_val_t(PageAlignment));
  }
  pages.clear();
  freeHead = nullptr;
  capacity = 0;
  return true;
}
