#include "gameplay/score/ReputationValue.h"

#include "core/Send.h"
#include "gameplay/boss/BossEvents.h"
#include "gameplay/combat/CombatEvents.h"
#include "gameplay/score/ScoreEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Removal.h"
#include "object/Space.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "render/TextToSprite.h"

void ReputationValue::OnAwake()
{
  SubscribeOnOwner<LootCollectionEvent>(this);
  SubscribeOnOwner<DiedEvent>(this);
  SubscribeOnOwner<BossDiedEvent>(this);
  LetSpaceDestroyOwner();
}

void ReputationValue::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "value", &value, RenderInt, -1);
}

bool ReputationValue::Report()
{
  GameObject* object = GetGameObject();
  Space* space = GetSpace();
  if (reported || object == nullptr || space == nullptr)
    return false;
  reported = true;
  const glm::vec2 position =
      object->GetTransform() != nullptr ? object->GetTransform()->GetWorldPosition() : glm::vec2(0.0f, 0.0f);
  Queue<UpdateReputation>(BRINDLE_SITE, space->GetId(), value, position.x, position.y);
  const Handle<GameObject> feedback = SpawnAt(FeedbackPrefab, space, position);
  if (TextToSprite* text = feedback ? feedback->GetComponent<TextToSprite>() : nullptr)
    text->SetNumber(value);
  return true;
}

void ReputationValue::On(LootCollectionEvent*)
{
  if (Report())
    QueueRemoval(GetOwner());
}

void ReputationValue::On(DiedEvent*)
{
  Report();
}

void ReputationValue::On(BossDiedEvent*)
{
  Report();
}
