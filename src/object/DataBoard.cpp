#include "object/DataBoard.h"

#include "object/ObjectEvents.h"

DataBoard::DataBoard() : Listener(DataBoardListenerId)
{
  ForgetPositions();
}

void DataBoard::ForgetPositions()
{
  // The one position entry of the whole run: what one object stores, the next one reads back.
  positionEntries.assign(1, PositionEntry{"Corva", "Shuttle", glm::vec2(0.0f, 0.0f), "none"});
}

void DataBoard::ForgetRun()
{
  ForgetPositions();
  primaryItem.clear();
  secondaryItem.clear();
  specialItem.clear();
}

PositionEntry& DataBoard::FindEntry(std::string key)
{
  for (PositionEntry& entry : positionEntries)
  {
    if (entry.key == key)
      return entry;
  }
  return positionEntries.front();
}

void DataBoard::On(CollectionEvent* event)
{
  collectedItems.push_back(event->entry);
}
