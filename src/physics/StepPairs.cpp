#include "physics/StepPairs.h"

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

  // Grouped by body with a counting sort, which keeps each body's partners in the order found.
  const std::uint32_t count = bodies.Size();
  partnerStarts.assign(count + 1, 0);
  for (const auto& pair : found)
    ++partnerStarts[pair.first + 1];
  for (std::uint32_t number = 0; number < count; ++number)
    partnerStarts[number + 1] += partnerStarts[number];
  partners.resize(found.size());
  places.assign(partnerStarts.begin(), partnerStarts.end());
  for (const auto& pair : found)
    partners[places[pair.first]++] = pair.second;
}
