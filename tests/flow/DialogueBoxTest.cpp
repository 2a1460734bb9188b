#include "FlowScene.h"

#include "flow/hud/DialogueBox.h"
#include "object/Removal.h"
#include "render/Sprite.h"

namespace
{
std::vector<std::size_t> Lengths(const std::vector<std::string>& rows)
{
  std::vector<std::size_t> lengths;
  for (const std::string& row : rows)
    lengths.push_back(row.size());
  return lengths;
}
}  // namespace

TEST(WrapDialogueText, RowsHoldLessThanTheLineSizeAndLongWordsStandAlone)
{
  const auto rows =
      WrapDialogueText("Good. Your cell door is unlocked. I left you a gun on the floor to the south. Go get it.", 31);
  EXPECT_EQ(Lengths(rows), (std::vector<std::size_t>{23, 29, 30, 3}));
  EXPECT_EQ(rows[1].rfind("unlocked.", 0), 0u);
  EXPECT_EQ(rows[2].rfind("the", 0), 0u);
  EXPECT_EQ(rows[3], "it.");

  EXPECT_EQ(WrapDialogueText("aaaaaaaaaa bbbbbbbbbb cccccccc", 31).size(), 1u);
  EXPECT_EQ(WrapDialogueText("aaaaaaaaaa bbbbbbbbbb ccccccccc", 31).size(), 2u);
  EXPECT_TRUE(WrapDialogueText("", 31).empty());
  EXPECT_TRUE(WrapDialogueText("   ", 31).empty());
  EXPECT_EQ(WrapDialogueText("  a   b  ", 31), std::vector<std::string>{"a b"});
  // Longer than any row: alone on its own row, never cut or lost.
  const std::string longWord(45, 'x');
  EXPECT_EQ(WrapDialogueText("hi " + longWord + " yo", 31), (std::vector<std::string>{"hi", longWord, "yo"}));
  EXPECT_EQ(WrapDialogueText("a b", 0), (std::vector<std::string>{"a", "b"}));
}

// The box on a GUI object of a running space: its parts, the jaw's bob, the wrap width and the
// hidden parts of empty picture names.
TEST_F(InterfaceScene, DialogueBoxBuildsItsPartsAndBobsTheJawForASecond)
{
  Define("TestDialogue", R"({"DialogueAnimator": {"jawSprite": "", "headSprite": "BossChatBot"}})");
  const Handle<GameObject> box = Make("TestDialogue", {100.0f, 50.0f});
  auto* dialogue = box->GetComponent<DialogueAnimator>();
  ASSERT_NE(dialogue, nullptr);
  EXPECT_EQ(dialogue->GetLines(), std::vector<std::string>{"Default Text"});
  ASSERT_TRUE(dialogue->GetBackgroundObject() && dialogue->GetHeadObject() && dialogue->GetJawObject());
  EXPECT_EQ(dialogue->GetHeadObject()->GetParent(), box);
  EXPECT_EQ(PositionOf(dialogue->GetBackgroundObject()), glm::vec2(600.0f, -30.0f));
  EXPECT_EQ(dialogue->GetBackgroundObject()->GetTransform()->GetScale(), glm::vec2(25.0f, 10.0f));
  EXPECT_TRUE(dialogue->GetHeadObject()->GetComponent<Sprite>()->GetDraw());
  // An empty jaw picture hides the jaw and leaves it where it was made.
  EXPECT_FALSE(dialogue->GetJawObject()->GetComponent<Sprite>()->GetDraw());

  // A write through the members (a load, the inspector) puts the parts in the same places again.
  dialogue->Deserialize(Json::Value(Json::objectValue));
  EXPECT_EQ(PositionOf(dialogue->GetBackgroundObject()), glm::vec2(600.0f, -30.0f));

  dialogue->SetLineSize(10);
  EXPECT_EQ(dialogue->GetLines().size(), 1u) << "the new width waits for the next text";
  dialogue->SetText("one two three four");
  dialogue->SetText("na\xC3\xAFve {x}");
  EXPECT_EQ(log.CountOf("has a character the font lacks"), 4u) << "each missing glyph said once";
  dialogue->SetText("one two three four");
  EXPECT_EQ(dialogue->GetLines(), (std::vector<std::string>{"one two", "three", "four"}));

  // With a jaw picture the jaw swings up to 100 units below its rest place while talking, then
  // stays where it was.
  Define("TalkingDialogue", R"({"DialogueAnimator": {}})");
  const Handle<GameObject> talker = Make("TalkingDialogue", {0.0f, 0.0f});
  auto* talking = talker->GetComponent<DialogueAnimator>();
  talking->SetText("");
  EXPECT_TRUE(talking->GetLines().empty());
  float lowest = 1e9f;
  for (int frame = 0; frame < 50; ++frame)
  {
    Frame();
    const float y = PositionOf(talking->GetJawObject()).y;
    EXPECT_LE(y, 230.0f + 1e-3f);
    EXPECT_GE(y, 130.0f - 1e-3f);
    lowest = std::min(lowest, y);
  }
  EXPECT_TRUE(talking->IsTalking());
  Seconds(0.3f);
  EXPECT_FALSE(talking->IsTalking());
  const glm::vec2 stopped = PositionOf(talking->GetJawObject());
  Seconds(0.2f);
  EXPECT_EQ(PositionOf(talking->GetJawObject()), stopped);

  // Gone with the box.
  const Handle<GameObject> head = talking->GetHeadObject();
  QueueRemoval(talker);
  Frames(2);
  EXPECT_FALSE(head.IsValid());
  EXPECT_EQ(log.Errors(), 0u) << log.Text();
}
