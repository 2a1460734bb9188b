#pragma once
// Keeps an overworld object's place across level changes in the DataBoard: it puts the object
// where its record says when it wakes and writes the object's position back when it is
// destroyed. An object without a record of its own shares the board's first one ("Corva"). A new
// run forgets the records (the level flow, as it starts the overworld).
#include "object/Component.h"
#include "object/DataBoard.h"

class OverworldPositionPersistance : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_OverworldPositionPersistance;

  OverworldPositionPersistance() : Component(TypeId) {}
  OverworldPositionPersistance& operator=(const OverworldPositionPersistance& other) = default;

  void OnAwake() override;
  void OnDestroy() override;

private:
  PositionEntry record;
};
