#include "render/SpriteTestEnvironment.h"

#include "object/Transform.h"
#include "render/ResourceManagerTwo.h"
#include "support/CapturedLog.h"

#include <glm/gtc/type_ptr.hpp>

namespace
{
// Where the record's model matrix takes a corner of the unit quad.
glm::vec2 Corner(const Graphics::InstanceData& record, float x, float y)
{
  // The first two rows as Graphics::ToMat4 writes them: (a, b, 0, tx), (c, d, 0, ty).
  return {record.model[0] * x + record.model[1] * y + record.model[3],
          record.model[4] * x + record.model[5] * y + record.model[7]};
}
}  // namespace

TEST_F(SpriteTest, ANewSpriteShowsTheDefaultPictureWhiteAndStill)
{
  Sprite sprite;
  EXPECT_EQ(sprite.GetSource(), "default_texture");
  EXPECT_EQ(sprite.GetLayer(), "DL_BACKGROUND");
  EXPECT_EQ(sprite.GetColor(), fColor(1, 1, 1, 1));
  EXPECT_FALSE(sprite.GetFlipX() || sprite.GetFlipY() || sprite.IsAnimated());
  EXPECT_TRUE(sprite.GetDraw());
  EXPECT_FLOAT_EQ(sprite.GetPeriod(), 0.08f);

  MemberList members(sprite);
  std::vector<std::string> names;
  for (MemberBase* member : members.Get())
  {
    names.push_back(member->GetName());
    EXPECT_FALSE(member->HasChanged()) << member->GetName();
  }
  EXPECT_EQ(names, (std::vector<std::string>{"period", "color", "animated", "flipX", "flipY", "frame", "scale",
                                             "offset", "layer", "source", "yOrderOffset", "draw", "animationTimer",
                                             "noduck"}));
}

TEST_F(SpriteTest, APrefabPassesEveryMemberOnToItsObjects)
{
  Define("Odd", R"({"Sprite": {"flipY": true, "noduck": true, "animationTimer": 0.03, "draw": false,
                    "offset": [1, 2], "yOrderOffset": -4, "layer": "DL_MAIN", "frame": 2}, "Transform": null})");
  const Handle<GameObject> object = Make("Odd");
  const Sprite& sprite = SpriteOf(object);
  EXPECT_TRUE(sprite.GetFlipY());
  EXPECT_TRUE(sprite.GetNoDuck());
  EXPECT_FLOAT_EQ(sprite.GetAnimationTimer(), 0.03f);
  EXPECT_FALSE(sprite.GetDraw());
  EXPECT_EQ(sprite.GetOffset(), glm::vec2(1, 2));
  EXPECT_FLOAT_EQ(sprite.GetYOrderOffset(), -4.0f);
  EXPECT_EQ(sprite.GetLayer(), "DL_MAIN");
  EXPECT_EQ(sprite.GetFrame(), 2u);
  EXPECT_EQ(object->GetSprite(), &sprite);
}

TEST_F(DrawnSpriteTest, FramesStepBothWaysThroughTheirPicture)
{
  Define("Walker", R"({"Sprite": {"source": "player", "animated": true, "period": 0.1, "frame": 3}, "Transform": null})");
  const Handle<GameObject> walker = Make("Walker");
  Sprite& sprite = SpriteOf(walker);
  ASSERT_EQ(sprite.GetFrameCount(), 4u);
  EXPECT_EQ(sprite.GetFrameSize(), glm::vec2(32, 32));

  Update(0.35f);
  EXPECT_EQ(sprite.GetFrame(), 0u);
  EXPECT_NEAR(sprite.GetAnimationTimer(), 0.05f, 1e-5f);

  sprite.SetForward(false);
  sprite.SetAnimationTimer(0.0f);
  Update(0.1f);  // a timer that only reaches the period does not step
  EXPECT_EQ(sprite.GetFrame(), 0u);
  Update(0.01f);
  EXPECT_EQ(sprite.GetFrame(), 3u);
  PausedUpdate(1.0f);  // paused spaces do not animate
  EXPECT_EQ(sprite.GetFrame(), 3u);

  // The phase within the frame stays when the period changes.
  sprite.SetAnimationTimer(0.05f);
  sprite.SetPeriod(0.2f);
  EXPECT_NEAR(sprite.GetAnimationTimer(), 0.1f, 1e-6f);

  // The frame picks its quarter of the picture, wherever the atlas put it.
  const AtlasRegion& player = ResourceManagerTwo::ResolveTextureName("player", true);
  const Graphics::InstanceData record = sprite.MakeInstance(glm::mat3(1.0f));
  EXPECT_FLOAT_EQ(record.uvRect[0], player.rect[0] + 3 * 32);
  EXPECT_FLOAT_EQ(record.uvRect[1], player.rect[1]);
  EXPECT_FLOAT_EQ(record.uvRect[2], player.rect[0] + 4 * 32);
  EXPECT_FLOAT_EQ(record.uvRect[3], player.rect[3]);
}

TEST_F(DrawnSpriteTest, TheQuadIsMirroredAndScaledThenShiftedThenPlacedAndViewed)
{
  Define("Flag", R"({"Sprite": {"source": "crate", "flipX": true, "scale": [2, 1], "offset": [10, 0],
                     "yOrderOffset": 5}, "Transform": {"position": [100, 40], "scale": [3, 3]}})");
  const Handle<GameObject> flag = Make("Flag");
  camera.view = Graphics::RowsMatrix(1, 0, -100, 0, 1, 0);  // a camera standing at x 100

  Draw();
  const std::vector<Graphics::InstanceData> records = Filed("DL_BACKGROUND");
  ASSERT_EQ(records.size(), 1u);
  const Graphics::InstanceData& record = records[0];
  // Right corner of the unit quad: mirrored to -1 (width 2), then +10, then x3 at x 100, viewed.
  EXPECT_EQ(Corner(record, 0.5f, 0.5f), glm::vec2(3 * (-1 + 10), 3 * 0.5f + 40));
  EXPECT_EQ(Corner(record, -0.5f, -0.5f), glm::vec2(3 * (1 + 10), 3 * -0.5f + 40));
  EXPECT_FLOAT_EQ(record.sortY, 45.0f);
  EXPECT_EQ(record.color, fColor(1, 1, 1, 1));
}

TEST_F(DrawnSpriteTest, AHiddenSpriteFilesNothingButKeepsAnimating)
{
  Define("Hidden", R"({"Sprite": {"source": "enemy", "draw": false, "animated": true, "period": 0.1}, "Transform": null})");
  const Handle<GameObject> hidden = Make("Hidden");
  Update(0.15f);
  Draw();
  EXPECT_TRUE(Filed("DL_BACKGROUND").empty());
  EXPECT_EQ(SpriteOf(hidden).GetFrame(), 1u);
}

TEST_F(DrawnSpriteTest, UnknownPicturesAndLayersFallBackWithAMessage)
{
  Define("Lost", R"({"Sprite": {"source": "no_such_picture", "layer": "DL_NOWHERE", "frame": 5}, "Transform": null})");
  CapturedLog output;
  const Handle<GameObject> lost = Make("Lost", "Lost one");
  EXPECT_TRUE(output.Contains("no_such_picture"));
  const Sprite& sprite = SpriteOf(lost);
  EXPECT_EQ(sprite.GetFrameCount(), 1u);
  // The whole 32-pixel fallback picture, whatever the frame.
  const AtlasRegion& fallback = ResourceManagerTwo::ResolveTextureName("default_texture", true);
  const Graphics::InstanceData record = SpriteOf(lost).MakeInstance(glm::mat3(1.0f));
  EXPECT_FLOAT_EQ(record.uvRect[0], fallback.rect[0]);
  EXPECT_FLOAT_EQ(record.uvRect[2], fallback.rect[0] + 32);

  Draw();
  Draw();
  EXPECT_EQ(output.CountOf("[ERROR]Tried to get layer that does not exist: DL_NOWHERE"), 1u);
  EXPECT_EQ(output.CountOf("[WARNING] Sprite has no layer set, defaulting to DL_BACKGROUND layer.  Name: Lost one, "
                           "Prefab: Lost\n"),
            1u);
  EXPECT_EQ(Filed("DL_BACKGROUND").size(), 2u);
  EXPECT_EQ(sprite.GetLayerRecord(), graphics->GetLayer("DL_BACKGROUND"));
}

TEST_F(DrawnSpriteTest, ASpriteShowsItsPictureTintedWhereItsObjectIs)
{
  Define("Block", R"({"Sprite": {"source": "white", "layer": "DL_MAIN", "color": [0, 1, 0, 1]},
                      "Transform": {"scale": [120, 120]}})");
  const Handle<GameObject> block = Make("Block");
  block->GetTransform()->SetWorldPosition(-300, 200);
  Draw();
  graphics->Render();
  EXPECT_EQ(ShownAt(-300, 200), (Rgba{0, 255, 0, 255}));
  EXPECT_EQ(ShownAt(-300, 20), (Rgba{0, 0, 0, 255}));
}
