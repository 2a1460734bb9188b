#include "gameplay/score/Reputation.h"

#include "core/Send.h"
#include "gameplay/score/ScoreBoard.h"
#include "gameplay/score/ScoreEvents.h"
#include "gameplay/specials/SpecialCooldown.h"
#include "object/GameObject.h"
#include "object/Registry.h"
#include "object/Space.h"
#include "object/SpaceLookup.h"
#include "object/SpaceNames.h"
#include "physics/CollisionGroup.h"
#include "physics/PhysicsEvents.h"
#include "render/ParticleSystem.h"
#include "render/TextToSprite.h"

#include <algorithm>

namespace
{
const fColor ScoreColour(0.895f, 0.945f, 0.188f, 1.0f);

GameObject* FindObject(Space* space, const char* name)
{
  if (space == nullptr)
    return nullptr;
  const auto found = space->FindObjectByName(name);
  return found != space->ObjectsEnd() ? found->second.Get() : nullptr;
}

GameObject* ScoreObject()
{
  return FindObject(HudSpace(), "Score");
}
}  // namespace

void Reputation::OnAwake()
{
  SubscribeOnSpace<UpdateReputation>(this);
  SubscribeOnOwner<CollisionEvent>(this);
  // Without the level flow's "Admin" (a level tried on its own) the total lasts as long as this
  // component.
  if (const ScoreBoard* board = ScoreBoard::Find())
    reputation = board->GetScore();
  if (TextToSprite* text = FindScoreText())
    text->SetColor(ScoreColour);
  Show();
}

TextToSprite* Reputation::FindScoreText() const
{
  GameObject* score = ScoreObject();
  return score != nullptr ? score->GetComponent<TextToSprite>() : nullptr;
}

void Reputation::Show()
{
  if (TextToSprite* text = FindScoreText())
    text->SetNumber(reputation);
}

void Reputation::On(UpdateReputation* event)
{
  reputation += event->points;
  Show();
  if (ScoreBoard* board = ScoreBoard::Find())
    board->SetScore(reputation);
  GameObject* score = ScoreObject();
  if (ParticleSystem* burst = score != nullptr ? score->GetComponent<ParticleSystem>() : nullptr)
    burst->Reset();
}

void Reputation::On(CollisionEvent* event)
{
  GameObject* loot = event->other.Get();
  if (loot == nullptr || static_cast<CollisionGroup>(event->otherGroup) != CollisionGroup::LOOT)
    return;
  // Every physics sub-step and every frame of the touch reports it again until the loot is gone.
  collected.erase(std::remove_if(collected.begin(), collected.end(),
                                 [](const Handle<GameObject>& item) { return !item.IsValid(); }),
                  collected.end());
  if (std::find(collected.begin(), collected.end(), event->other) != collected.end())
    return;
  collected.push_back(event->other);
  Queue<LootCollectionEvent>(BRINDLE_SITE, loot->GetId());
  lootSound.SetEvent(LootSoundPath);
  lootSound.Play();
  // One record per piece (three identical ones used to go in, tripling what the run carried). The
  // end screen makes it again from its prefab: loot an enemy drops has no name.
  if (Registry* registry = Registry::Instance())
    registry->GetDataBoard().GetCollectedItems().push_back(
        CollectionEntry{loot->GetName(), loot->GetPrefabName(), 0, 0});
}
