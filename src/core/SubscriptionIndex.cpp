#include "core/SubscriptionIndex.h"

std::size_t SubscriptionIndex::Find(const Key& key, const void* block) const
{
  const std::size_t mask = slots.size() - 1;
  std::size_t slot = Home(key, block);
  while (slots[slot].block != nullptr && (slots[slot].block != block || !(slots[slot].key == key)))
    slot = (slot + 1) & mask;
  return slot;
}

bool SubscriptionIndex::Contains(const void* list, const void* tokenBlock, std::uint32_t tokenId) const
{
  return !slots.empty() && slots[Find(Key{list, tokenId}, tokenBlock)].block != nullptr;
}

bool SubscriptionIndex::Insert(const void* list, const void* tokenBlock, std::uint32_t tokenId)
{
  if ((count + 1) * 2 > slots.size())
    Grow();
  const Key key{list, tokenId};
  Slot& slot = slots[Find(key, tokenBlock)];
  if (slot.block != nullptr)
    return false;
  slot = Slot{key, tokenBlock};
  ++count;
  return true;
}

void SubscriptionIndex::Erase(const void* list, const void* tokenBlock, std::uint32_t tokenId)
{
  if (slots.empty())
    return;
  const std::size_t mask = slots.size() - 1;
  std::size_t hole = Find(Key{list, tokenId}, tokenBlock);
  if (slots[hole].block == nullptr)
    return;
  --count;
  // Backward shift: entries after the hole that could live in it move up, so no probe sequence
  // is ever cut by an empty slot.
  for (std::size_t next = (hole + 1) & mask; slots[next].block != nullptr; next = (next + 1) & mask)
  {
    const std::size_t home = Home(slots[next].key, slots[next].block);
    // Distances walked from home: the entry may fill the hole when the hole lies on its way.
    if (((next - home) & mask) >= ((next - hole) & mask))
    {
      slots[hole] = slots[next];
      hole = next;
    }
  }
  slots[hole] = Slot();
}

void SubscriptionIndex::Grow()
{
  std::vector<Slot> old;
  old.swap(slots);
  slots.assign(old.empty() ? 64 : old.size() * 2, Slot());
  for (const Slot& entry : old)
    if (entry.block != nullptr)
      slots[Find(entry.key, entry.block)] = entry;
}
