#include "render/SpriteTestEnvironment.h"

#include "platform/Random.h"
#include "render/RandExplosionSprite.h"

#include <set>

class RandExplosionSpriteTest : public SpriteTest
{
};

TEST_F(RandExplosionSpriteTest, ChoosesOnlyAndEveryOneOfTheFourPictures)
{
  Define("Boom", R"({"RandExplosionSprite": null, "Sprite": null, "Transform": null})");
  ResetRandom();
  std::set<std::string> chosen;
  for (int i = 0; i < 40; ++i)
  {
    const Handle<GameObject> boom = Make("Boom");
    chosen.insert(SpriteOf(boom).GetSource());
  }
  EXPECT_EQ(chosen, (std::set<std::string>{"explosion_01", "explosion_02", "explosion_03", "explosion_04"}));
}
