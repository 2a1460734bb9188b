#pragma once
// Sorts items by a small whole-number key in linear time, keeping the items of one key in the
// order given: put(index, item) places each item at its index in the sorted order, and `starts`
// ends up holding where each key's run starts, and, last, where the runs end. `places` is room
// the sort works in, kept by the caller so that no sort allocates once it has grown.
#include <cstdint>
#include <vector>

template <typename Item, typename KeyOf, typename Put>
void CountingSort(const std::vector<Item>& items, std::uint32_t keyCount, KeyOf keyOf, Put put,
                  std::vector<std::uint32_t>& starts, std::vector<std::uint32_t>& places)
{
  starts.assign(keyCount + 1, 0);
  for (const Item& item : items)
    ++starts[keyOf(item) + 1];
  for (std::uint32_t key = 0; key < keyCount; ++key)
    starts[key + 1] += starts[key];
  places.assign(starts.begin(), starts.end());
  for (const Item& item : items)
    put(places[keyOf(item)]++, item);
}
