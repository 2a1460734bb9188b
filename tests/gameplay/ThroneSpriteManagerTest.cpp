// The throne's dressing on the game's frame: it cracks a stage at a time as its health falls and
// never mends, and the blasts around it come seven to an explosion, a quarter second apart, with
// one more for every interaction.
#include "CombatScene.h"
#include "core/Send.h"
#include "gameplay/boss/BossEvents.h"
#include "gameplay/boss/ExplosionSummon.h"
#include "gameplay/boss/ThroneSpriteManager.h"
#include "gameplay/combat/Health.h"
#include "gameplay/player/PlayerEvents.h"
#include "render/Sprite.h"

class ThroneSpriteManagerTest : public CombatScene
{
protected:
  int Blasts() const
  {
    int count = 0;
    for (const auto& [id, object] : space->GetObjectsById())
      count += object && object->GetPrefabName() == "Blast" ? 1 : 0;
    return count;
  }
};

TEST_F(ThroneSpriteManagerTest, TheThroneCracksOneStageAnUpdateAndHealingMendsNothing)
{
  const Handle<GameObject> throne = Make("Throne", {0.0f, 0.0f});
  Health* health = Get<Health>(throne);
  const auto source = [&] { return Get<Sprite>(throne)->GetSource(); };
  Frames(1);
  EXPECT_EQ(source(), "props_king_throne_1");
  health->SetHealth(0.79f * health->GetMaxHitpoints());
  Frames(3);
  EXPECT_EQ(source(), "props_king_throne_2");
  health->SetHealth(0.61f * health->GetMaxHitpoints());
  Frames(3);
  EXPECT_EQ(source(), "props_king_throne_2");
  // From above 60 % to 10 % at once: the other three cracks come on three successive updates.
  health->SetHealth(0.1f * health->GetMaxHitpoints());
  Frames(1);
  EXPECT_EQ(source(), "props_king_throne_3");
  Frames(1);
  EXPECT_EQ(source(), "props_king_throne_4");
  Frames(1);
  EXPECT_EQ(source(), "props_king_throne_5");
  health->SetHealth(health->GetMaxHitpoints());
  Frames(2);
  EXPECT_EQ(source(), "props_king_throne_5");
  EXPECT_EQ(Get<ThroneSpriteManager>(throne)->GetStagesReached(), 4u);
}

TEST_F(ThroneSpriteManagerTest, AnExplosionSetsOffSevenBlastsAQuarterSecondApartAndAnInteractionOne)
{
  const Handle<GameObject> summoner = Make("ThroneBlasts", {1000.0f, 1000.0f});
  SendNow<InteractionEvent>(BRINDLE_SITE, summoner->GetId());
  EXPECT_EQ(Blasts(), 1);
  Frames(8, 0.1f);
  EXPECT_EQ(Blasts(), 0) << "the blast has burnt out and nothing else was asked for";

  Queue<ThroneExplosionEvent>(BRINDLE_SITE, space->GetId());
  Frames(1, 0.1f);  // the event arrives in this update's queue pass
  std::vector<int> blastUpdates;
  for (int update = 1; update <= 30; ++update)
  {
    const std::uint32_t left = Get<ExplosionSummon>(summoner)->GetBlastsLeft();
    Frames(1, 0.1f);
    if (Get<ExplosionSummon>(summoner)->GetBlastsLeft() < left)
      blastUpdates.push_back(update);
  }
  EXPECT_EQ(blastUpdates, (std::vector<int>{3, 6, 9, 12, 15, 18, 21}));
  // Each landed within 300 units of the summoner on both axes.
  for (const auto& [id, object] : space->GetObjectsById())
    if (object && object->GetPrefabName() == "Blast")
    {
      EXPECT_LE(std::abs(PositionOf(object).x - 1000.0f), 300.0f);
      EXPECT_LE(std::abs(PositionOf(object).y - 1000.0f), 300.0f);
    }
  // A second explosion starts nothing new.
  Queue<ThroneExplosionEvent>(BRINDLE_SITE, space->GetId());
  Frames(5, 0.1f);
  EXPECT_EQ(Get<ExplosionSummon>(summoner)->GetBlastsLeft(), 0u);
}
