#pragma once
// Stages the throne-room fight on a camera anchor of the room. For its first five seconds the
// camera stays on the player; then it frames the fight, moving its own object to the midpoint of
// the player and the room's anchor ("BossCamManagerAnchor") and zooming to fit. The framing never
// narrows during the fight: a player who walks up to the throne and back would otherwise see the
// view swing between the close one and the whole room. Until the defeat its BossFightGuide shows
// the player what to shoot. The room's
// depressurisation is the boss's defeat: BossDiedEvent goes to the room once, the boss may turn,
// spins and shrinks for "timer" seconds with the camera on it, and PlayerVictory follows once, with
// the camera closing in on the player and the victory's banner on the HUD for the seconds before
// the end screen. The defeat pays the player's reward of 5000 reputation, once.
//
// The camera object is "EN Camera" with a CameraLeash; a room without one keeps its camera where
// the level put it.
#include "core/Handle.h"
#include "flow/hud/BossFightGuide.h"
#include "object/Component.h"

class BossDiedEvent;
class CameraLeash;
class DepressurizationEvent;
class GameObject;
class UpdateEvent;

class BossCameraManager : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_BossCameraManager;
  static constexpr std::int32_t Reward = 5000;
  static constexpr float OpeningShot = 5.0f;
  static constexpr const char* BossName = "Boss";
  static constexpr const char* AnchorName = "BossCamManagerAnchor";
  static constexpr const char* CameraName = "EN Camera";
  static constexpr const char* FeedbackPrefab = "PointsFeedback";
  static constexpr const char* VictoryPrefab = "HUD_VictoryMessage";

  BossCameraManager() : Component(TypeId) {}
  BossCameraManager& operator=(const BossCameraManager&) = default;

  void OnAwake() override;
  // The guide's line goes from the HUD with the room.
  void OnDestroy() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(UpdateEvent* event);
  void On(BossDiedEvent* event);
  void On(DepressurizationEvent* event);

  // The framing zoom for a player this far from the anchor: never below 0.5.
  static float FramingZoom(float distance, float zoomRange);

  bool IsBossDefeated() const { return bossDefeated; }
  bool IsVictorySent() const { return victorySent; }
  const BossFightGuide& GetGuide() const { return guide; }

private:
  void LookUp();
  void Focus(const Handle<GameObject>& object);
  void Frame();
  void Exit(float dt);

  float bossTimer = 0.0f;
  float timer = 0.0f;

  Transient<Handle<GameObject>> boss;
  Transient<Handle<GameObject>> player;
  Transient<Handle<GameObject>> anchor;
  Transient<Handle<GameObject>> camera;
  bool cameraLookedUp = false;
  float zoomRange = 0.0f;
  float framingZoom = 0.0f;  // the widest the framing has needed so far
  Transient<BossFightGuide> guide;
  float startDelay = OpeningShot;
  bool bossDefeated = false;
  bool victorySent = false;
  bool rewardPaid = false;
};
