// A teleporter pad on the game's frame: an interaction shows and starts the pad's flash, a bear
// arrives on the pad at frame 3 (once), interactions while it runs change nothing, and at frame 7
// the flash is put away and the pad waits for the next interaction, which brings the next bear.
#include "support/AIScene.h"

#include "ai/spawning/Teleporter.h"
#include "core/Send.h"
#include "gameplay/player/PlayerEvents.h"
#include "render/Sprite.h"

class TeleporterTest : public AIScene
{
protected:
  std::size_t Bears(Space* space)
  {
    std::size_t count = 0;
    for (const auto& [id, object] : space->GetObjectsById())
      count += object.IsValid() && object->GetPrefabName() == Teleporter::ArrivalPrefab ? 1 : 0;
    return count;
  }
};

TEST_F(TeleporterTest, EachInteractionBringsOneBearOnThePadAndThePadReArms)
{
  CapturedLog output;
  Space* space = Load("pad", "[" + Record("Pad", "TeleporterPad", 1, {300, 200}, "", R"([{"who": 2}])") + "," +
                                 Record("Console", "Teleporter", 2, {0, 0}) + "]");
  const Handle<GameObject> pad = Find(space, "Pad");
  const Handle<GameObject> console = Find(space, "Console");
  ASSERT_TRUE(pad && console) << output.Text();
  Sprite* flash = pad->GetSprite();
  EXPECT_FALSE(flash->GetDraw());
  const Teleporter* teleporter = console->GetComponent<Teleporter>();

  // The flash's frames are stepped here: a test has no atlas to count them.
  const auto interactAndShow = [&](std::uint32_t frame) {
    SendNow<InteractionEvent>(BRINDLE_SITE, console->GetId());
    flash->SetFrame(frame);
    flash->SetAnimationTimer(0.0f);
    RunFrames(1);
  };
  interactAndShow(0);
  EXPECT_TRUE(flash->GetDraw() && flash->IsAnimated() && teleporter->IsActivated());
  interactAndShow(3);
  interactAndShow(3);
  EXPECT_EQ(Bears(space), 1u) << "one bear, however long frame 3 shows";
  interactAndShow(7);
  EXPECT_FALSE(teleporter->IsActivated());
  EXPECT_FALSE(flash->GetDraw() || flash->IsAnimated());
  EXPECT_EQ(flash->GetFrame(), 0u);
  for (const auto& [id, object] : space->GetObjectsById())
  {
    if (object.IsValid() && object->GetPrefabName() == Teleporter::ArrivalPrefab)
    {
      EXPECT_EQ(PositionOf(object), glm::vec2(300, 200)) << "on the pad";
    }
  }

  interactAndShow(2);
  interactAndShow(3);
  EXPECT_EQ(Bears(space), 2u) << "the next interaction, the next bear";
  EXPECT_FALSE(output.Contains("[ERROR]")) << output.Text();
}
