#pragma once
// The end screen's shower of loot: it takes every item the DataBoard collected, slides its object
// to (0, 500) over a second, then every 0.1 s pours one item out as five objects falling from
// it, with the loot-count sound. When the shower is over, any input starts "introlevel". It
// clears the carried loot and equipment names when it goes, so a new run starts empty.
#include "audio/Sound.h"
#include "object/CollectionEntry.h"
#include "object/Component.h"

#include <vector>

class UpdateEvent;

class CollectionDumper : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_CollectionDumper;

  CollectionDumper() : Component(TypeId) {}
  CollectionDumper& operator=(const CollectionDumper&) = default;

  void OnAwake() override;
  void OnDestroy() override;
  void GetMembers(std::vector<MemberBase*>& members) override;
  void On(UpdateEvent* event);

  const std::vector<CollectionEntry>& GetEntries() const { return entries; }
  std::size_t GetNextEntry() const { return nextEntry; }

private:
  bool moreTreasure = false;
  bool loadMainMenu = false;
  std::vector<CollectionEntry> entries;
  float timer = 1.0f;
  std::size_t nextEntry = 0;
  Sound sound;
  bool soundStarted = false;
};
