#include "object/LevelParenting.h"

#include "core/JsonFields.h"
#include "core/Log.h"
#include "object/GameObject.h"
#include "object/Transform.h"

#include <algorithm>

LevelParenting::LevelParenting(const std::vector<Handle<GameObject>>& built, const ObjectRecordReader::UuidMap& uuids,
                               std::string path)
    : uuids(uuids), path(std::move(path))
{
  readOrder.reserve(built.size());
  for (const Handle<GameObject>& object : built)
    readOrder.emplace(object.Get(), readOrder.size());
}

void LevelParenting::Read(GameObject& parent, const Json::Value& children)
{
  if (children.isArray() && children.empty())
    return;
  const std::string& parentName = parent.GetName();
  if (!children.isArray())
  {
    LogError(path, ": the \"children\" of \"", parentName, "\" are not an array; none is linked.");
    return;
  }
  for (const Json::Value& entry : children)
  {
    const Json::Value& who = FieldOf(entry, "who");
    if (!who.isInt())
    {
      LogError(path, ": a child entry of \"", parentName, "\" has no integer \"who\"; it is skipped.");
      entries.push_back({&parent, nullptr, &entry});
      continue;
    }
    const auto named = uuids.find(who.asInt());
    if (named == uuids.end() || !named->second.IsValid())
    {
      LogError(path, ": the child ", who.asInt(), " of \"", parentName, "\" names no object of the level; it is skipped.");
      entries.push_back({&parent, nullptr, &entry});
      continue;
    }
    GameObject* child = named->second.Get();
    if (parent.GetTransform() == nullptr || child->GetTransform() == nullptr)
    {
      entries.push_back({&parent, nullptr, &entry});
      continue;
    }
    entries.push_back({&parent, child, &entry});
    // An object listed under itself is refused as it is linked; it takes no other parent's place.
    if (child == &parent)
      continue;
    const auto [winner, first] = winners.try_emplace(child, entries.size() - 1);
    if (first)
      continue;
    const GameObject* earlier = entries[winner->second].parent;
    if (earlier != &parent)
      LogError(path, ": \"", child->GetName(), "\" is listed as a child of \"", earlier->GetName(), "\" and of \"",
               parentName, "\"; the later one keeps it.");
    winner->second = entries.size() - 1;
  }
}

void LevelParenting::Link()
{
  std::vector<bool> refused(entries.size(), false);
  BreakCycles(refused);
  std::vector<bool> linked(entries.size(), false);
  const auto attach = [this, &linked](std::size_t index) {
    const Entry& entry = entries[index];
    linked[index] = entry.child->GetTransform()->AttachToParent(entry.parent->GetTransform());
    if (!linked[index])
      LogError("\"", entry.child->GetName(), "\" is not made a child of \"", entry.parent->GetName(),
               "\": it would become its own ancestor.");
  };
  const auto wins = [this](std::size_t index) {
    const Entry& entry = entries[index];
    return entry.child != nullptr && entry.child != entry.parent && winners.at(entry.child) == index;
  };
  // In file order, so that each parent's children keep the order of its entries.
  for (std::size_t index = 0; index < entries.size(); ++index)
  {
    if (wins(index) && !refused[index])
      attach(index);
  }
  // With the rest of each cycle linked, the entry that would close it is refused as it is tried.
  for (std::size_t index = 0; index < entries.size(); ++index)
  {
    if (refused[index] || (entries[index].child != nullptr && entries[index].child == entries[index].parent))
      attach(index);
  }
  // An entry a later one for the same child overrode is dropped: the save writes the child under
  // the parent it has. Every other entry that linked nothing is kept.
  for (std::size_t index = 0; index < entries.size(); ++index)
  {
    const Entry& entry = entries[index];
    const bool overridden = entry.child != nullptr && entry.child != entry.parent && !wins(index);
    if (!linked[index] && !overridden)
      entry.parent->EditUnreadParts().KeepChild(*entry.entry);
  }
}

bool LevelParenting::NameComesFirst(const GameObject* one, const GameObject* other) const
{
  if (one->GetName() != other->GetName())
    return one->GetName() < other->GetName();
  return readOrder.at(one) < readOrder.at(other);
}

void LevelParenting::BreakCycles(std::vector<bool>& refused) const
{
  // Every object has one winning parent at most, so a walk up from any object either ends or runs
  // into a cycle; each object is walked once.
  enum class Walk
  {
    NotYet,
    Now,
    Done,
  };
  std::unordered_map<const GameObject*, Walk> walked;
  for (const Entry& start : entries)
  {
    std::vector<const GameObject*> walk;
    const GameObject* at = start.child;
    while (at != nullptr && walked[at] == Walk::NotYet)
    {
      walked[at] = Walk::Now;
      walk.push_back(at);
      const auto winner = winners.find(at);
      at = winner != winners.end() ? entries[winner->second].parent : nullptr;
    }
    if (at != nullptr && walked[at] == Walk::Now)
    {
      const auto cycle = std::find(walk.begin(), walk.end(), at);
      const GameObject* first = *std::min_element(
          cycle, walk.end(), [this](const GameObject* one, const GameObject* other) { return NameComesFirst(one, other); });
      refused[winners.at(first)] = true;
    }
    for (const GameObject* object : walk)
      walked[object] = Walk::Done;
  }
}
