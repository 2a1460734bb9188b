#include "physics/StepPairs.h"

#include "physics/CountingSort.h"

void StepPairs::Find()
{
  if (staticsChanged)
  {
    statics.File();
    staticsChanged = false;
  }
  bodies.File();
  found.clear();
  // Pairs with the static entries are searched from the smaller side: a crowd searches the few
  // walls and pillars near it, while a few bodies in a level of many wall tiles search the tiles.
  if (statics.Size() < bodies.Size())
  {
    for (const PackedGrid::Body& wall : statics.Filed())
      bodies.ForEachOverlap(wall, 0, [&](const PackedGrid::Body& body) { found.emplace_back(body.number, wall.owner); });
  }
  else
  {
    for (const PackedGrid::Body& body : bodies.Filed())
      statics.ForEachOverlap(body, 0, [&](const PackedGrid::Body& wall) { found.emplace_back(body.number, wall.owner); });
  }
  for (const PackedGrid::Body& body : bodies.Filed())
  {
    bodies.ForEachOverlap(body, body.number + 1,
                          [&](const PackedGrid::Body& other) { found.emplace_back(body.number, other.owner); });
  }

  // Grouped by body, each body's partners in the order found.
  partners.resize(found.size());
  CountingSort(
      found, bodies.Size(), [](const FoundPair& pair) { return pair.first; },
      [this](std::uint32_t index, const FoundPair& pair) { partners[index] = pair.second; }, partnerStarts, places);
}
