#pragma once
// The AI's tests on the engine's frames at the game's 120 a second, in levels written for the test
// (EngineTest::Load); the time step is fixed, so a run is repeatable.
#include "app/GameSession.h"
#include "object/Space.h"
#include "steering/AIEvents.h"
#include "gameplay/items/ItemEvents.h"
#include "object/GameObject.h"
#include "object/Registry.h"
#include "object/Transform.h"
#include "physics/PhysicsModule.h"
#include "steering/SteeringOutput.h"
#include "support/CapturedLog.h"
#include "support/EventRecorder.h"
#include "support/ScopedEngine.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

// A level record of one object at a position; `components` adds members (", \"Type\": {...}"),
// `children` lists the uuids of its children ("[{\"who\": 7}]").
inline std::string Record(const std::string& name, const std::string& prefab, int uuid, glm::vec2 at,
                          const std::string& components = "", const std::string& children = "[]")
{
  return R"({"name": ")" + name + R"(", "prefab": ")" + prefab + R"(", "uuid": )" + std::to_string(uuid) +
         R"(, "children": )" + children + R"(, "components": {"Transform": {"position": [)" + std::to_string(at.x) +
         ", " + std::to_string(at.y) + "]}" + components + "}}";
}

// The members of a player the adversaries cannot move or kill (a stand-in to chase and shoot at),
// without braces: ", " + them after a Record's components, or "{" + them + "}" as an Object's.
inline const std::string PlayerStandIn =
    R"("Rigidbody": {"invMass": 0, "invMomentInertia": 0}, "CircleCollider": {"radius": 30, "group": "PLAYER"},
       "Agent": {}, "Team": {"Team": 0}, "Registerer": {"registryType": "PLAYERS"},
       "Health": {"hitpoints": 100000, "max hitpoints": 100000, "regens": false})";

// The bits of the values, for pinning where a run ends.
inline std::uint64_t HashOf(const std::vector<glm::vec2>& values)
{
  std::uint64_t hash = 1469598103934665603ull;
  for (const glm::vec2& value : values)
  {
    std::uint32_t bits[2];
    std::memcpy(bits, &value, sizeof(bits));
    for (std::uint32_t word : bits)
      hash = (hash ^ word) * 1099511628211ull;
  }
  return hash;
}

// What an enemy's brain sends to its own object: its steering requests, its uses (the slot, and
// whether it was sent as a re-armed use that is not a first press) and its equip requests.
struct EnemyUse
{
  std::uint32_t slot;
  bool rearmed;
};
struct EnemyOutput
{
  explicit EnemyOutput(std::uint32_t objectId)
      : steerings(objectId, [](const UpdateSteering& event) { return SteeringOutput{event.linear, event.angular}; }),
        uses(objectId, [](const UseEvent& event) { return EnemyUse{event.slot, event.rearmFlag && !event.firstFlag}; }),
        equipRequests(objectId)
  {
  }
  bool AllRearmed() const
  {
    return std::all_of(uses.notes.begin(), uses.notes.end(), [](const EnemyUse& use) { return use.rearmed; });
  }

  EventRecorder<UpdateSteering, SteeringOutput> steerings;
  EventRecorder<UseEvent, EnemyUse> uses;
  EventRecorder<EquipDequip> equipRequests;
};

class AIScene : public EngineTest
{
protected:
  static constexpr float FrameStep = 1.0f / 120.0f;

  void RunFrames(int count) { Frames(count, FrameStep); }
};
