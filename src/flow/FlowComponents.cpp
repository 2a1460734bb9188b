#include "flow/FlowComponents.h"

#include "flow/actions/CollectionDumper.h"
#include "flow/actions/Credits.h"
#include "flow/actions/FadeIn.h"
#include "flow/actions/MoveTo.h"
#include "flow/camera/BossCameraManager.h"
#include "flow/camera/CameraLeash.h"
#include "flow/camera/CameraShake.h"
#include "flow/camera/ParallaxController.h"
#include "flow/camera/ProximityDolly.h"
#include "flow/camera/SnapCameraOnInput.h"
#include "flow/camera/ZoomManager.h"
#include "flow/detectors/AllEnemyDeathDetector.h"
#include "flow/detectors/AnyInputDetector.h"
#include "flow/detectors/AutoPlayDetector.h"
#include "flow/detectors/CancelDetector.h"
#include "flow/detectors/ClickDetector.h"
#include "flow/detectors/KeyDetector.h"
#include "flow/detectors/PauseDetector.h"
#include "flow/hud/ActionHintController.h"
#include "flow/hud/BossDialogueManager.h"
#include "flow/hud/DialogueBox.h"
#include "flow/hud/EncounterTimer.h"
#include "flow/hud/HealthCounter.h"
#include "flow/hud/HealthIndicator.h"
#include "flow/hud/InteractionHint.h"
#include "flow/hud/ItemIndicator.h"
#include "flow/level/CommsStationsControls.h"
#include "flow/level/LevelManager.h"
#include "flow/level/LevelTransitionManager.h"
#include "flow/level/LevelTransitionTimer.h"
#include "flow/level/LoadEncounter.h"
#include "flow/level/LoadEndScreen.h"
#include "flow/level/LoadMainZone.h"
#include "flow/level/OverworldPositionPersistance.h"
#include "flow/level/SwitchLevelOnKeyPress.h"
#include "flow/menu/AutoPlayButton.h"
#include "flow/menu/ButtonAnimator.h"
#include "flow/menu/ButtonFullscreen.h"
#include "flow/menu/ButtonMainMenu.h"
#include "flow/menu/ButtonMusic.h"
#include "flow/menu/ButtonSoundFX.h"
#include "flow/menu/ButtonStartGame.h"
#include "flow/menu/ConfirmButton.h"
#include "flow/menu/GodModeButton.h"
#include "flow/menu/HowToPlayButton.h"
#include "flow/menu/MenuInputDetector.h"
#include "flow/menu/MenuInputManager.h"
#include "flow/menu/PauseButton.h"
#include "flow/menu/QuitButton.h"
#include "flow/menu/ResumeButton.h"
#include "flow/menu/SimpleButtonLogic.h"
#include "flow/menu/ToggleButtonAnimator.h"
#include "flow/tutorial/OW_TutorialManager.h"
#include "flow/tutorial/Trigger.h"
#include "flow/tutorial/TutorialManager.h"

void RegisterFlowComponents(ComponentFactoryMap& factories)
{
  AddComponentFactory<BossCameraManager>(factories);
  AddComponentFactory<BossDialogueManager>(factories);
  AddComponentFactory<LevelTransitionManager>(factories);
  AddComponentFactory<LevelManager>(factories);
  AddComponentFactory<LoadEncounter>(factories);
  AddComponentFactory<LoadMainZone>(factories);
  AddComponentFactory<LoadEndScreen>(factories);
  AddComponentFactory<SimpleButtonLogic>(factories);
  AddComponentFactory<SwitchLevelOnKeyPress>(factories);
  AddComponentFactory<LevelTransitionTimer>(factories);
  AddComponentFactory<ClickDetector>(factories);
  AddComponentFactory<KeyDetector>(factories);
  AddComponentFactory<CancelDetector>(factories);
  AddComponentFactory<AutoPlayDetector>(factories);
  AddComponentFactory<AllEnemyDeathDetector>(factories);
  AddComponentFactory<AnyInputDetector>(factories);
  AddComponentFactory<PauseDetector>(factories);
  AddComponentFactory<MenuInputDetector>(factories);
  AddComponentFactory<MenuInputManager>(factories);
  AddComponentFactory<PauseButton>(factories);
  AddComponentFactory<AutoPlayButton>(factories);
  AddComponentFactory<ConfirmButton>(factories);
  AddComponentFactory<QuitButton>(factories);
  AddComponentFactory<ResumeButton>(factories);
  AddComponentFactory<HowToPlayButton>(factories);
  AddComponentFactory<GodModeButton>(factories);
  AddComponentFactory<ButtonStartGame>(factories);
  AddComponentFactory<ButtonFullscreen>(factories);
  AddComponentFactory<ButtonSoundFX>(factories);
  AddComponentFactory<ButtonMusic>(factories);
  AddComponentFactory<ButtonMainMenu>(factories);
  AddComponentFactory<ButtonAnimator>(factories);
  AddComponentFactory<ToggleButtonAnimator>(factories);
  AddComponentFactory<FadeIn>(factories);
  AddComponentFactory<Credits>(factories);
  AddComponentFactory<ActionHintController>(factories);
  AddComponentFactory<CameraLeash>(factories);
  AddComponentFactory<CameraShake>(factories);
  AddComponentFactory<CollectionDumper>(factories);
  AddComponentFactory<CommStationsControls>(factories);
  AddComponentFactory<DialogueAnimator>(factories);
  AddComponentFactory<EncounterTimer>(factories);
  AddComponentFactory<HealthCounter>(factories);
  AddComponentFactory<HealthIndicator>(factories);
  AddComponentFactory<InteractionHint>(factories);
  AddComponentFactory<ItemIndicator>(factories);
  AddComponentFactory<MoveTo>(factories);
  AddComponentFactory<OW_TutorialManager>(factories);
  AddComponentFactory<OverworldPositionPersistance>(factories);
  AddComponentFactory<ParallaxController>(factories);
  AddComponentFactory<ProximityDolly>(factories);
  AddComponentFactory<SnapCameraOnInput>(factories);
  AddComponentFactory<Trigger>(factories);
  AddComponentFactory<TutorialManager>(factories);
  AddComponentFactory<ZoomManager>(factories);
}
