#include "render/SpriteTestEnvironment.h"

#include "object/Transform.h"
#include "render/TextToSprite.h"

class TextToSpriteTest : public SpriteTest
{
protected:
  TextToSpriteTest()
  {
    Define("HUD_Digit", R"({"Sprite": {"source": "font"}, "Transform": {"scale": [40, 60]}})");
    Define("Score", R"({"TextToSprite": {"layer": "DL_MAIN", "yOffset": 7, "color": [1, 0, 0, 1]},
                        "Transform": {"position": [100, 20], "scale": [1, 3]}})");
    score = Make("Score", "score");
  }

  TextToSprite& Text() { return *score->GetComponent<TextToSprite>(); }

  std::vector<float> DigitXs()
  {
    std::vector<float> xs;
    for (const Handle<GameObject>& digit : Text().GetDigits())
      xs.push_back(digit->GetTransform()->GetWorldPosition().x);
    return xs;
  }

  std::vector<std::uint32_t> DigitFrames()
  {
    std::vector<std::uint32_t> frames;
    for (const Handle<GameObject>& digit : Text().GetDigits())
      frames.push_back(SpriteOf(digit).GetFrame());
    return frames;
  }

  std::size_t ObjectCount() const
  {
    std::size_t alive = 0;
    for (const auto& entry : space->GetObjectsById())
      alive += entry.second.IsValid() ? 1 : 0;
    return alive;
  }

  Handle<GameObject> score;
};

TEST(GlyphIndexFromCharTest, LettersDigitsAndPunctuationFindTheirFrames)
{
  EXPECT_EQ(GlyphIndexFromChar('A'), 0);
  EXPECT_EQ(GlyphIndexFromChar('Z'), 25);
  EXPECT_EQ(GlyphIndexFromChar('a'), 26);
  EXPECT_EQ(GlyphIndexFromChar('z'), 51);
  EXPECT_EQ(GlyphIndexFromChar('0'), 52);
  EXPECT_EQ(GlyphIndexFromChar('9'), 61);
  EXPECT_EQ(GlyphIndexFromChar(' '), 63);
  EXPECT_EQ(GlyphIndexFromChar('!'), 64);
  EXPECT_EQ(GlyphIndexFromChar('/'), 68);
  EXPECT_EQ(GlyphIndexFromChar('\''), 69);
  EXPECT_EQ(GlyphIndexFromChar('.'), 75);
  EXPECT_EQ(GlyphIndexFromChar('-'), 69);
  EXPECT_EQ(GlyphIndexFromChar(static_cast<char>(0xE9)), 69);
}

TEST_F(TextToSpriteTest, TheRowIsCentredOnTheOwnerAndDressedLikeIt)
{
  EXPECT_TRUE(Text().GetDigits().empty());
  EXPECT_FALSE(Text().IsDirty());
  Text().SetString("123");
  EXPECT_EQ(DigitXs(), (std::vector<float>{50, 100, 150}));
  EXPECT_EQ(DigitFrames(), (std::vector<std::uint32_t>{53, 54, 55}));
  for (const Handle<GameObject>& digit : Text().GetDigits())
  {
    const Sprite& glyph = SpriteOf(digit);
    EXPECT_FLOAT_EQ(digit->GetTransform()->GetWorldPosition().y, 20.0f);
    EXPECT_EQ(glyph.GetScale(), glm::vec2(1, 1));  // the horizontal scale both ways
    EXPECT_EQ(glyph.GetColor(), fColor(1, 0, 0, 1));
    EXPECT_FLOAT_EQ(glyph.GetYOrderOffset(), 7.0f);
    EXPECT_EQ(glyph.GetLayer(), "DL_MAIN");
  }

  score->GetTransform()->SetScale(glm::vec2(2, 1));
  Text().SetNumber(-4);
  EXPECT_EQ(DigitXs(), (std::vector<float>{50, 150}));
  EXPECT_EQ(DigitFrames(), (std::vector<std::uint32_t>{69, 56}));

  Text().SetNumber(3.14159f, 2);
  EXPECT_EQ(Text().GetText(), "3.14");
}

TEST_F(TextToSpriteTest, EveryRebuildReplacesEveryCharacter)
{
  const std::size_t alone = ObjectCount();
  Text().SetString("77");
  const std::vector<Handle<GameObject>> first = Text().GetDigits();
  Text().SetString("77");
  // The old characters go when the queue is processed; the new ones exist at once.
  EXPECT_EQ(ObjectCount(), alone + 4);
  events->ProcessQueue();
  EXPECT_EQ(ObjectCount(), alone + 2);
  EXPECT_FALSE(first[0].IsValid() || first[1].IsValid());

  Text().SetString("");
  events->ProcessQueue();
  EXPECT_EQ(ObjectCount(), alone);
}

TEST_F(TextToSpriteTest, AColourChangeWaitsForTheNextUpdate)
{
  Text().SetString("ab");
  const Handle<GameObject> before = Text().GetDigits()[0];
  Text().SetColor(fColor(0, 0, 1, 1));
  EXPECT_EQ(SpriteOf(before).GetColor(), fColor(1, 0, 0, 1));
  PausedUpdate(0.1f);
  EXPECT_TRUE(Text().IsDirty());
  Update(0.1f);
  EXPECT_FALSE(Text().IsDirty());
  ASSERT_EQ(Text().GetDigits().size(), 2u);
  EXPECT_FALSE(before.IsValid());
  EXPECT_EQ(SpriteOf(Text().GetDigits()[1]).GetColor(), fColor(0, 0, 1, 1));
}

TEST_F(TextToSpriteTest, TheCharactersGoWithTheirText)
{
  const std::size_t alone = ObjectCount();
  Text().SetString("GO!");
  Handle<GameObject> middle = Text().GetDigits()[1];
  space->DeleteObject(middle);

  RequestDestruction(score);
  events->ProcessQueue();
  events->ProcessQueue();
  EXPECT_EQ(ObjectCount(), alone - 1);
}
