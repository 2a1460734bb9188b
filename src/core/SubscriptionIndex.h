#pragma once
// Which listeners hold a subscription in which list of the event manager's table, so that a new
// subscription is checked for a duplicate in constant time instead of by walking its list (a
// space's update list holds one entry per moving object).
//
// A list is known by its address (lists never move); a listener by its liveness token: the
// token's block and the block's generation id.
#include <cstddef>
#include <cstdint>
#include <vector>

class SubscriptionIndex
{
public:
  // False, changing nothing, when the pair is already present.
  bool Insert(const void* list, const void* tokenBlock, std::uint32_t tokenId);
  void Erase(const void* list, const void* tokenBlock, std::uint32_t tokenId);
  bool Contains(const void* list, const void* tokenBlock, std::uint32_t tokenId) const;

  std::size_t Size() const { return count; }
  std::size_t Bytes() const { return slots.capacity() * sizeof(Slot); }

private:
  struct Key
  {
    const void* list;
    std::uint32_t tokenId;
    bool operator==(const Key& other) const { return list == other.list && tokenId == other.tokenId; }
  };
  struct Slot
  {
    Key key{nullptr, 0};
    const void* block = nullptr;  // null: an empty slot (every token has a block)
  };

  std::size_t Home(const Key& key, const void* block) const
  {
    const std::uint64_t mixed = (reinterpret_cast<std::uintptr_t>(key.list) * 31 + key.tokenId) ^
                                (reinterpret_cast<std::uintptr_t>(block) * 0x9E3779B97F4A7C15ull);
    return static_cast<std::size_t>((mixed * 0x9E3779B97F4A7C15ull) >> 32) & (slots.size() - 1);
  }
  // The slot holding the pair, or the empty slot where it would go.
  std::size_t Find(const Key& key, const void* block) const;
  void Grow();

  std::vector<Slot> slots;  // a power of two in size, at most half full
  std::size_t count = 0;
};
