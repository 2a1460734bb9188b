#pragma once
// A teleport pad of the throne room that brings in the boss's reinforcements. Every wave the boss
// calls (BossSpawnEnemies on the space) reaches every pad, owes one more enemy and starts the
// pad's animation. While it runs, the pad releases one owed enemy per update as long as its
// picture shows frame 3 (a duck, a bear, a bug or a drone carrier, chosen by rand() % 4), and it
// hides again at frame 7. Enemies still owed then wait for the next wave.
//
// The throne room holds no other ammunition and no way out, so a release also brings a supply of
// it ("Ammo_Pickup") onto the pad, unless the one the pad brought last still lies there: a player
// who spent every round still finds more within reach as long as the boss calls waves.
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
  static constexpr const char* SupplyPrefab = "Ammo_Pickup";

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

private:
  void BringSupply(Space* space, glm::vec2 at);

  int enemiesToSpawn = 0;
  bool animated = false;
  Sound teleportSound;
  Transient<Handle<GameObject>> supply;  // the last ammunition the pad brought
};
