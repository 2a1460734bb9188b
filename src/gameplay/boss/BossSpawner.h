#pragma once
// A teleport pad of the throne room that brings in the boss's reinforcements. Every wave the boss
// calls (BossSpawnEnemies on the space) reaches every pad, owes one more enemy and starts the
// pad's animation. While it runs, the pad releases one owed enemy per update as long as its
// picture shows frame 3 (a duck, a bear, a bug or a drone carrier, chosen by rand() % 4), and it
// hides again at frame 7. Enemies still owed then wait for the next wave.
//
// The room must not fill up without end: a pad holds its owed enemies back while the room already
// holds MaxReinforcements live ones (the pads' enemies and the drones their carriers burst into),
// so at most MaxReinforcements - 1 plus a carrier's drones stand in the room at once. A carrier
// that has yet to burst already counts as its drones: counted as one, carriers released under the
// bound would burst into far more than it.
//
// The throne room holds no other ammunition and no way out, so each pad keeps a supply of it
// ("BossSupply") lying on it: one from the fight's first frame, and a new one SupplyDelay seconds
// after the last was taken. A player who spent every round always finds more within reach, whatever
// the boss's attacks.
#include "audio/Sound.h"
#include "core/Handle.h"
#include "object/Component.h"

#include <array>
#include <glm/vec2.hpp>

class BossSpawnEnemies;
class GameObject;
class Space;
class UpdateEvent;

class BossSpawner : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_BossSpawner;
  static constexpr std::uint32_t ReleaseFrame = 3;
  static constexpr std::uint32_t LastFrame = 7;
  static constexpr std::array<const char*, 4> Prefabs = {"AI_duck", "AI_bear", "AI_bug", "DroneCarrier"};
  static constexpr const char* TeleportSoundPath = "event:/SFX/Teleport";
  // What a drone carrier among them bursts into, which the room counts as reinforcements too.
  static constexpr const char* DronePrefab = "DroneSpawn";
  // The carrier's member that says how many drones it bursts into.
  static constexpr const char* CarrierDronesMember = "spawnCount_";
  static constexpr int MaxReinforcements = 4;
  static constexpr const char* SupplyPrefab = "BossSupply";
  static constexpr const char* SupplyName = "Ammo Pickup";
  static constexpr float SupplyDelay = 5.0f;

  BossSpawner();
  ~BossSpawner() override;
  BossSpawner& operator=(const BossSpawner&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(BossSpawnEnemies* event);
  void On(UpdateEvent* event);

  int GetEnemiesToSpawn() const { return enemiesToSpawn; }
  bool IsAnimated() const { return animated; }
  const Handle<GameObject>& GetSupply() const { return supply; }

  // The live reinforcements in the space: the pads' prefabs and the carriers' drones.
  static int LiveReinforcements(const Space& space);

private:
  // How many one of them counts for: a drone carrier the drones it bursts into, the rest one.
  static int CountsFor(const GameObject& reinforcement);
  void KeepSupply(GameObject& pad, float dt);

  int enemiesToSpawn = 0;
  bool animated = false;
  Sound teleportSound;
  Transient<Handle<GameObject>> supply;  // the last ammunition the pad brought
  float supplyDelay = 0.0f;               // seconds until the next supply, while none lies there
};
