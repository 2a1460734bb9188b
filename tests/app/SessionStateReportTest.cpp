// What the state report tells a script that plays the shipped boss room through the window, on the
// real frame loop: where the pointer lies in the world through the room's view (as the game's own
// camera reckons it), what the player's slots hold, where the watched objects are and how hurt, and
// the run's score, which the console's "score" sets for the board and the fight's reputation alike.
#include "app/SessionStateReport.h"

#include "core/StrictJsonReader.h"
#include "editor/ConsoleGui.h"
#include "gameplay/combat/Health.h"
#include "gameplay/score/Reputation.h"
#include "gameplay/score/ScoreBoard.h"
#include "render/Camera.h"
#include "support/GameScene.h"

#include <glm/geometric.hpp>

namespace
{
class SessionStateReportTest : public GameScene
{
};

glm::vec2 Place(const Json::Value& pair)
{
  return glm::vec2(pair[0].asFloat(), pair[1].asFloat());
}

const Json::Value* SpaceEntry(const Json::Value& state, const std::string& name)
{
  for (const Json::Value& space : state["spaces"])
    if (space["name"] == name)
      return &space;
  return nullptr;
}
}  // namespace

TEST_F(SessionStateReportTest, TellsWhereThePointerAimsWhatThePlayerCarriesWhatIsWatchedAndTheScore)
{
  Start("BossRoom");
  if (IsSkipped())
    return;
  Json::Value before;
  Json::Value after;
  std::string line;
  glm::vec2 pointerInTheWorld{0.0f};
  int reputation = -1;
  int board = -1;
  Play({Wait(3),
        [&] {
          Script(TestEvents::MouseMotion(700, 150, 0, 0));
          ConsoleGui& console = session->GetConsole();
          console.ExecuteCommand("watch Throne BossFieldGenerator Nowhere No\xffwhere No\xfewhere M\xc3\xb6we", ' ');
          console.ExecuteCommand("score 1234", ' ');
          console.ExecuteCommand("score lots", ' ');
          return true;
        },
        Wait(2),
        [&] {
          before = SessionStateReport::Describe(*session);
          line = SessionStateReport::Line(*session);
          Space& room = *session->GetSpace("BossRoom");
          pointerInTheWorld = room.GetCurrentCamera()->GetMouseWorldPosition();
          for (const auto& [id, handle] : room.GetObjectsById())
            if (handle.IsValid() && handle->GetComponent<Reputation>() != nullptr)
              reputation = handle->GetComponent<Reputation>()->GetReputation();
          board = ScoreBoard::Find() != nullptr ? ScoreBoard::Find()->GetScore() : -1;
          Find(room, "Field Generator")->GetComponent<Health>()->Kill();
          return true;
        },
        Wait(3),
        [&] {
          after = SessionStateReport::Describe(*session);
          return true;
        }},
       40);

  // The view maps the pointer's window pixel onto the world place the camera finds under it.
  const Json::Value* room = SpaceEntry(before, "BossRoom");
  ASSERT_NE(room, nullptr) << before;
  const Json::Value& view = (*room)["view"];
  ASSERT_EQ(view.size(), 4u) << before;
  const Graphics::Graphics& window = *session;
  const glm::vec2 share = Place(before["mouse"]) / glm::vec2(window.GetWindowWidth(), window.GetWindowHeight());
  const glm::vec2 reckoned(view[0].asFloat() + share.x * (view[2].asFloat() - view[0].asFloat()),
                           view[1].asFloat() + share.y * (view[3].asFloat() - view[1].asFloat()));
  EXPECT_LT(glm::distance(reckoned, pointerInTheWorld), 1.0f) << before;
  EXPECT_TRUE((*SpaceEntry(before, "Admin"))["view"].isNull()) << "no camera, no view";

  // The room hands the player its beam gun, rifle and shield, each full.
  const Json::Value& slots = before["player"]["slots"];
  ASSERT_EQ(slots.size(), 3u) << before;
  EXPECT_EQ(slots[0]["item"], "Beam_Gun");
  EXPECT_EQ(slots[0]["magazine"].asFloat(), 100.0f);
  EXPECT_EQ(slots[0]["reserve"].asFloat(), 100.0f);
  EXPECT_EQ(slots[1]["item"], "rifle");
  EXPECT_EQ(slots[1]["magazine"].asFloat(), 30.0f);
  EXPECT_EQ(slots[1]["reserve"].asFloat(), 120.0f);
  EXPECT_TRUE(slots[2]["magazine"].isNull() && slots[2]["reserve"].isNull()) << "the shield is no gun";

  // Watched by name (the throne) and by prefab (the generator, named "Field Generator"); a name
  // nothing has is there, empty.
  const Json::Value& throne = before["watched"]["Throne"];
  ASSERT_EQ(throne.size(), 1u) << before;
  EXPECT_EQ(throne[0]["space"], "BossRoom");
  EXPECT_EQ(Place(throne[0]["position"]), glm::vec2(1664.0f, 2210.0f));
  EXPECT_GT(throne[0]["health"].asFloat(), 0.0f);
  EXPECT_FALSE(throne[0]["dead"].asBool());
  ASSERT_EQ(before["watched"]["BossFieldGenerator"].size(), 1u) << before;
  EXPECT_FALSE(before["watched"]["BossFieldGenerator"][0]["dead"].asBool());
  EXPECT_TRUE(before["watched"]["Nowhere"].isArray() && before["watched"]["Nowhere"].empty()) << before;
  // A name that is not UTF-8 leaves the line UTF-8, its byte shown as U+FFFD: two such names that
  // show alike are one member (the strict reader refuses a member named twice). A name in another
  // alphabet shows as given.
  Json::Value read;
  std::string problem;
  ASSERT_TRUE(StrictJsonReader::Parse(line.substr(line.find('{')), 64, read, problem)) << problem;
  EXPECT_TRUE(read["watched"].isMember("No\uFFFDwhere")) << read["watched"];
  EXPECT_TRUE(read["watched"].isMember("M\u00f6we")) << read["watched"];
  const Json::Value& generatorAfter = after["watched"]["BossFieldGenerator"];
  EXPECT_TRUE(generatorAfter.empty() || generatorAfter[0]["dead"].asBool()) << after;

  // The score: the board and the fight's reputation alike; a bad number changes nothing.
  EXPECT_EQ(before["score"].asInt(), 1234);
  EXPECT_EQ(reputation, 1234);
  EXPECT_EQ(board, 1234);
}
