#pragma once
// What the last load of a level file could not build, kept by its space so that saving the level
// never loses it without the person being told:
//
//   - records that built no object (skipped as unusable, or past the last object id) are written
//     back as they were, with their uuids, after the space's own objects;
//   - keys of the document beside "level" → "objects" are written back too;
//   - a file that exists but was not read at all (not JSON, the wrong shape, refused whole) leaves
//     the space empty: saving would replace the whole level with nothing, so the save is refused
//     unless the person asked to replace it.
#include <json/json.h>

#include <string>
#include <vector>

class UnreadLevelParts
{
public:
  void Clear();

  void MarkUnread(std::string reason) { unreadReason = std::move(reason); }
  bool IsUnread() const { return !unreadReason.empty(); }
  // Why the file was not read, as a clause: "it is not valid JSON".
  const std::string& UnreadReason() const { return unreadReason; }

  // The document's keys other than "level" → "objects", copied without the objects.
  void KeepEnvelope(const Json::Value& root);
  void KeepRecord(const Json::Value& record) { records.push_back(record); }
  const std::vector<Json::Value>& Records() const { return records; }

  // The document to write: the kept keys, then "level" → "objects" = objects and the kept records.
  Json::Value Document(Json::Value objects) const;

private:
  std::string unreadReason;
  Json::Value envelope;
  std::vector<Json::Value> records;
};
