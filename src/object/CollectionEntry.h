#pragma once
// One collected item: what a collection zone records and the DataBoard carries from level to
// level, so that the collection dumper can spawn the item again from its prefab.
#include <cstdint>
#include <string>

struct CollectionEntry
{
  std::string name;    // the collected object's name; may be empty
  std::string prefab;  // the prefab the item is spawned from again
  // Carried and copied with the record; every producer writes 0 and nothing reads them.
  std::uint32_t firstValue = 0;
  std::uint32_t secondValue = 0;
};
