#include "app/AllComponents.h"

#include "ai/AIComponents.h"
#include "audio/AudioComponents.h"
#include "editor/EditorComponents.h"
#include "flow/FlowComponents.h"
#include "gameplay/GameplayComponents.h"
#include "input/InputComponents.h"
#include "object/ObjectComponents.h"
#include "physics/PhysicsComponents.h"
#include "render/RenderComponents.h"
#include "steering/SteeringComponents.h"

void RegisterAllComponents(ComponentFactoryMap& factories)
{
  RegisterObjectComponents(factories);
  RegisterPhysicsComponents(factories);
  RegisterRenderComponents(factories);
  RegisterInputComponents(factories);
  RegisterAudioComponents(factories);
  RegisterSteeringComponents(factories);
  RegisterGameplayComponents(factories);
  RegisterAIComponents(factories);
  RegisterFlowComponents(factories);
  RegisterEditorComponents(factories);
}
