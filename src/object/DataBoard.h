#pragma once
// What the game carries from level to level: the items collected in this run, the prefabs of the
// three carried items (equipment slots 0, 1 and 2) and stored positions. It lives in the Registry,
// so level changes never touch it; the components that read and write it hold the rules.
#include "core/Listener.h"
#include "object/CollectionEntry.h"

#include <glm/vec2.hpp>
#include <string>
#include <vector>

class CollectionEvent;

struct PositionEntry
{
  std::string key;  // the name of the object whose position the entry keeps
  std::string secondText;
  glm::vec2 position{0.0f, 0.0f};  // world units
  std::string thirdText;
};

struct NamedPosition
{
  std::string name;
  glm::vec2 position{0.0f, 0.0f};  // world position when the object registered itself
};

class DataBoard : public Listener
{
public:
  DataBoard();
  ~DataBoard() override = default;

  std::vector<CollectionEntry>& GetCollectedItems() { return collectedItems; }
  std::vector<NamedPosition>& GetEntries() { return namedPositions; }
  // The entry whose key matches exactly, or else the first entry: a lookup always finds one.
  PositionEntry& FindEntry(std::string key);
  // A new run keeps no place of the last one: the entries are as when the board was made (the
  // overworld level's start point, the origin).
  void ForgetPositions();
  // A new run carries nothing in from the last one, however that run ended (the end screen, or the
  // pause menu's way back to the menu, which leaves the carried items as they were), and keeps no place.
  void ForgetRun();

  const std::string& GetPrimaryItem() const { return primaryItem; }
  const std::string& GetSecondaryItem() const { return secondaryItem; }
  const std::string& GetSpecialItem() const { return specialItem; }
  void SetPrimaryItem(std::string name) { primaryItem = std::move(name); }
  void SetSecondaryItem(std::string name) { secondaryItem = std::move(name); }
  void SetSpecialItem(std::string name) { specialItem = std::move(name); }

  // Collection zones subscribe the board on their own ids; each event adds one collected item.
  void On(CollectionEvent* event);

private:
  std::vector<PositionEntry> positionEntries;
  std::vector<CollectionEntry> collectedItems;
  std::vector<NamedPosition> namedPositions;
  std::string primaryItem;
  std::string secondaryItem;
  std::string specialItem;
};
