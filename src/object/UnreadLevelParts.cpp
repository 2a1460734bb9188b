#include "object/UnreadLevelParts.h"

void UnreadLevelParts::Clear()
{
  unreadReason.clear();
  envelope = Json::Value();
  records.clear();
}

void UnreadLevelParts::KeepEnvelope(const Json::Value& root)
{
  // Copied key by key: copying the root whole would copy every object record once more.
  for (auto entry = root.begin(); entry != root.end(); ++entry)
  {
    if (entry.name() != "level")
    {
      envelope[entry.name()] = *entry;
      continue;
    }
    for (auto inner = entry->begin(); inner != entry->end(); ++inner)
    {
      if (inner.name() != "objects")
        envelope["level"][inner.name()] = *inner;
    }
  }
}

Json::Value UnreadLevelParts::Document(Json::Value objects) const
{
  for (const Json::Value& record : records)
    objects.append(record);
  Json::Value root = envelope;
  root["level"]["objects"] = std::move(objects);
  return root;
}
