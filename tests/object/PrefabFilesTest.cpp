#include "object/LevelTestEnvironment.h"

#include "object/ChildSpawner.h"
#include "object/Registerer.h"
#include "support/CapturedLog.h"
#include "support/TemporaryDirectory.h"

#include <cmath>
#include <glm/mat2x2.hpp>
#include <glm/matrix.hpp>

class PrefabFilesTest : public LevelTest
{
protected:
  PrefabFilesTest() : files(directory.Prefix()) { files.Install(factory); }

  TemporaryDirectory directory;
  PrefabFiles files;
};

TEST_F(PrefabFilesTest, FilesLoadInNameOrderAndTheLaterDuplicateWins)
{
  directory.Write("b.prefab", R"({"Rock": {"Transform": {"scale": [3, 3]}}, "Pebble": {"Transform": null}})");
  directory.Write("a.prefab", R"({"Rock": {"Transform": {"scale": [2.0, 2.0]}}})");
  directory.Write("c.prefab", R"({"Rock": {"Registerer": null}})");
  directory.Write("notes.txt", "not a prefab");
  factory.ReLoadPrefabs();

  EXPECT_EQ(factory.GetPrefabNames(), (std::vector<std::string>{"Pebble", "Rock"}));
  ASSERT_EQ(factory.GetPrefab("Rock").size(), 1u);
  EXPECT_EQ(factory.GetPrefab("Rock")[0].second->GetTypeId(), Registerer::TypeId);
  // One report per earlier file that defined the prefab.
  ASSERT_EQ(asserts.Count(), 3u);
  EXPECT_EQ(asserts.Reports()[0].message, "Found multiple definitions for prefab : \"Rock\", the first definition was in \"" +
                                              directory.Prefix() + "a.prefab\" and the second definition was found in : \"" +
                                              directory.Prefix() + "b.prefab\"");
  EXPECT_EQ(asserts.Reports()[0].function, "GameobjectFactory::ReLoadPrefabs");
  EXPECT_TRUE(asserts.Reports()[2].message.find("b.prefab\" and the second definition was found in : \"" +
                                                directory.Prefix() + "c.prefab\"") != std::string::npos);
}

TEST_F(PrefabFilesTest, UnknownComponentsAreReportedSkippedAndWrittenBackAsTheyWere)
{
  directory.Write("Door.prefab", R"({"Door": {"Transform": {"rotation": 1, "wobble": 2, "scale": [1e39, 1]},
                                              "Doorframe": {"width": 3}, "Registerer": null}})");
  CapturedLog output;
  factory.ReLoadPrefabs();
  ASSERT_EQ(asserts.Count(), 1u);
  EXPECT_EQ(asserts.Reports()[0].message,
            "\"Doorframe\" was used in the definition of a prefab but it is not a component.\n\nPrefab name: Door\n"
            "File: " + directory.Prefix() + "Door.prefab");
  // Named with its file on standard output too, where no check handler is watching.
  EXPECT_TRUE(output.Contains("[ERROR] " + directory.Prefix() + "Door.prefab: the prefab \"Door\" names \"Doorframe\", "
                              "which is not a component; it is left out."));
  EXPECT_EQ(factory.GetPrefab("Door").size(), 2u);
  EXPECT_EQ(factory.GetFactories().count("Doorframe"), 0u);

  // Saving the prefabs keeps what the program could not use: a component of a newer version, a
  // member it does not know, a value it refused.
  factory.FindPrefab("Door")->back().second->Deserialize(Parsed(R"({"rotation": 2})"));
  ASSERT_TRUE(files.SaveAll(factory));
  EXPECT_EQ(Parsed(directory.Read("Door.prefab")),
            Parsed(R"({"Door": {"Transform": {"rotation": 2.0, "wobble": 2, "scale": [1e39, 1]},
                                "Doorframe": {"width": 3}, "Registerer": null}})"));
}

TEST_F(PrefabFilesTest, BadFilesAreSkippedWholeAndTheOthersLoad)
{
  directory.Write("a.prefab", R"({"Broken": {"Transform": {}})");
  directory.Write("b.prefab", R"(["Rock"])");
  directory.Write("c.prefab", R"({"Rock": {"Transform": 5}, "Fine": null})");
  directory.Write("d.prefab", R"({"Rock": ["Transform"]})");
  directory.Write("e.prefab", R"({"Good": {"Transform": {"scale": "big", "rotation": 2}}})");
  CapturedLog output;
  factory.ReLoadPrefabs();
  EXPECT_EQ(factory.GetPrefabNames(), std::vector<std::string>{"Good"});
  EXPECT_EQ(output.CountOf("[ERROR]"), 5u) << output.Text();
  // A member of the wrong type is reported and keeps its default; the rest of the prefab loads.
  MemberList members(*factory.GetPrefab("Good")[0].second);
  Json::Value rotation;
  members["rotation"]->Serialize(rotation);
  EXPECT_EQ(rotation.asFloat(), 2.0f);
  EXPECT_FALSE(members["scale"]->HasChanged());
}

// A new prefab is what differs from the defaults, with how the object looks but not where it
// stands. Over a prefab that exists, the prefab keeps its own placement, so that the objects it
// places (a HUD clock) do not move, turn or resize.
TEST_F(PrefabFilesTest, SavingAnObjectWritesWhatDiffersAndLeavesPlacementToTheLevel)
{
  Define("Crate", R"({"Transform": null})");
  Handle<GameObject> object;
  factory.CreateGameObject(object, "Crate", space.get(), "crate");
  object->GetTransform()->SetScale(glm::vec2(2.0f, 2.0f));
  object->GetTransform()->SetRotation(0.5f);
  object->GetTransform()->SetPosition(glm::vec2(30.0f, 40.0f));
  object->AddComponent("Registerer");

  {
    CapturedLog output;
    EXPECT_TRUE(files.Save(factory, "Big Door", *object));
    EXPECT_TRUE(output.Contains("[WARNING] Don't forget to save the level, so this object references the new prefab."));
  }
  EXPECT_EQ(object->GetPrefabName(), "Big Door");
  const Json::Value written = Parsed(directory.Read("BigDoor.prefab"));
  EXPECT_EQ(written, Parsed(R"({"Big Door": {"Registerer": null, "Transform": {"rotation": 0.5, "scale": [2.0, 2.0]}}})"));
  // Saved prefabs are loaded again at once.
  ASSERT_TRUE(factory.HasPrefab("Big Door"));
  EXPECT_EQ(factory.GetPrefab("Big Door").size(), 2u);
  {
    CapturedLog output;
    EXPECT_TRUE(files.Save(factory, "Big Door", *object));
    EXPECT_FALSE(output.Contains("[WARNING]"));
  }
  CapturedLog output;
  EXPECT_FALSE(files.Save(factory, " \t", *object));
  EXPECT_TRUE(output.Contains("[ERROR]"));
  EXPECT_EQ(directory.FileNames(), std::vector<std::string>{"BigDoor.prefab"});

  directory.Write("Clock.prefab", R"({"Clock": {"Transform": {"position": [-700, 360], "rotation": 0.25, "scale": [3, 3]}}})");
  factory.ReLoadPrefabs();
  Handle<GameObject> clock;
  factory.CreateGameObject(clock, "Clock", space.get(), "clock");
  clock->GetTransform()->SetPosition(glm::vec2(5.0f, 5.0f));
  clock->GetTransform()->SetRotation(1.0f);
  clock->GetTransform()->SetScale(glm::vec2(9.0f, 9.0f));
  clock->AddComponent("Registerer");
  EXPECT_TRUE(files.Save(factory, "Clock", *clock));
  EXPECT_TRUE(output.Contains("[WARNING] The prefab \"Clock\" keeps its own rotation 14.324 degrees and scale [3, 3] "
                              "(the object has rotation 57.296 degrees and scale [9, 9])")) << output.Text();
  EXPECT_TRUE(output.Contains("Change them in the Prefab Editor (View > Prefab Editor) or in " + directory.Prefix() +
                              "Clock.prefab."));
  EXPECT_EQ(Parsed(directory.Read("Clock.prefab")),
            Parsed(R"({"Clock": {"Registerer": null,
                                 "Transform": {"position": [-700, 360], "rotation": 0.25, "scale": [3, 3]}}})"));
  Handle<GameObject> placed;
  factory.CreateGameObject(placed, "Clock", space.get(), "placed");
  EXPECT_EQ(placed->GetTransform()->GetPosition(), glm::vec2(-700.0f, 360.0f));

  // A clock that looks in the world as the prefab's does, though its own values are not the
  // prefab's (it stands on a turned stand of size 1.5), has nothing to be told.
  Transform* clockTransform = clock->GetTransform();
  clockTransform->SetParent(placed->GetTransform());
  placed->GetTransform()->SetScale(glm::vec2(1.5f, 1.5f));
  clockTransform->SetScale(glm::vec2(2.0f, 2.0f));
  clockTransform->SetRotation(0.0f);
  const std::size_t warned = output.CountOf("[WARNING]");
  EXPECT_TRUE(files.Save(factory, "Clock", *clock));
  EXPECT_EQ(output.CountOf("[WARNING]"), warned) << output.Text();

  // A mirror is told as the inspector shows it, a negative x scale, not as a half turn: on the
  // stand itself, and through it on the clock.
  placed->GetTransform()->SetScale(glm::vec2(-1.5f, 1.5f));
  EXPECT_TRUE(files.Save(factory, "Clock", *placed));
  EXPECT_TRUE(output.Contains("keeps its own scale [3, 3] (the object has scale [-1.5, 1.5])")) << output.Text();
  EXPECT_TRUE(files.Save(factory, "Clock", *clock));
  EXPECT_TRUE(output.Contains("keeps its own scale [3, 3] (the object has scale [-3, 3])")) << output.Text();
  // A new prefab of the mirrored stand looks as the stand does, not turned over.
  EXPECT_TRUE(files.Save(factory, "Mirror Stand", *placed));
  EXPECT_EQ(Parsed(directory.Read("MirrorStand.prefab"))["Mirror Stand"]["Transform"],
            Parsed(R"({"rotation": 0.25, "scale": [-1.5, 1.5]})"));
  // The clock on the stand mirrored along y keeps its mirror on y, not a half turn with it on x.
  placed->GetTransform()->SetScale(glm::vec2(1.5f, -1.5f));
  EXPECT_TRUE(files.Save(factory, "Hanging Clock", *clock));
  const Json::Value hanging = Parsed(directory.Read("HangingClock.prefab"))["Hanging Clock"]["Transform"];
  EXPECT_NEAR(hanging["rotation"].asFloat(), 0.25f, 1e-6f);
  EXPECT_NEAR(hanging["scale"][0].asFloat(), 3.0f, 1e-5f);
  EXPECT_NEAR(hanging["scale"][1].asFloat(), -3.0f, 1e-5f);
  // A stand turned past half a turn is told and written with the angle the inspector shows.
  placed->GetTransform()->SetScale(glm::vec2(1.5f, 1.5f));
  placed->GetTransform()->SetRotation(4.0f);
  EXPECT_TRUE(files.Save(factory, "Clock", *placed));
  EXPECT_TRUE(output.Contains("(the object has rotation 229.183 degrees and scale [1.5, 1.5])")) << output.Text();
  EXPECT_TRUE(files.Save(factory, "Turned Stand", *placed));
  EXPECT_EQ(Parsed(directory.Read("TurnedStand.prefab"))["Turned Stand"]["Transform"],
            Parsed(R"({"rotation": 4.0, "scale": [1.5, 1.5]})"));
}

// Reset to Prefab under parents turned, mirrored on x, y or both, sized evenly, unevenly or not at
// all, one and two levels up, far along x or y: the child looks in the world as the prefab's
// top-level object does, seen in the mirror the top's values put on it (its own mirror goes), and
// stays where it stood if the prefab sets no position. It is refused, for the true reason and
// changing nothing, exactly where no local values show that look. The look is worked out here in
// doubles; a child that shows it keeps every bit, one 0.06 % larger does not.
TEST_F(PrefabFilesTest, ResetToPrefabShowsThePrefabsLookUnderAnyParents)
{
  directory.Write("Sweep.prefab", R"({"Barrel": {"Transform": {"rotation": 0.5, "scale": [48, 48]}},
    "Buoy": {"Transform": {"position": [300, -200]}}, "Vane": {"Transform": {"rotation": 2.5}},
    "Sign": {"Transform": {"scale": [20, 30]}}, "Flag": {"Transform": {"position": [-40, 25], "rotation": -0.5,
    "scale": [-48, 24]}}, "Hall": {"Transform": {"rotation": 1.5707964, "scale": [960, 960]}},
    "Dome": {"Transform": {"position": [250040, 3], "rotation": 4.712389, "scale": [4800, 4800]}}})");
  factory.ReLoadPrefabs();
  Handle<GameObject> objects[3];
  for (int index = 0; index < 3; ++index)
    factory.CreateGameObject(objects[index], "Barrel", space.get(), std::vector{"top", "middle", "child"}[index]);
  Transform* top = objects[0]->GetTransform();
  Transform* middle = objects[1]->GetTransform();
  Transform* child = objects[2]->GetTransform();
  const auto place = [](double angle, glm::dvec2 size) {
    return glm::dmat2(std::cos(angle), std::sin(angle), -std::sin(angle), std::cos(angle)) *
           glm::dmat2(size.x, 0, 0, size.y);
  };
  const auto bits = [child] { return std::tuple(child->GetPosition(), child->GetRotation(), child->GetScale()); };
  const auto reset = [&](int levels, glm::vec2 mirror, float turn, glm::vec2 size, glm::vec2 far,
                         const std::string& prefab, float ownMirror) {
    // Only the top mirrors; the middle turns against it, and the child turns back.
    const float middleTurn = levels == 2 ? 0.3f : 0.0f;
    middle->AttachToParent(top);
    child->AttachToParent(levels == 2 ? middle : top);
    for (auto [transform, at, angle, scale] :
         {std::tuple{top, far, turn, size * mirror}, {middle, glm::vec2(2, -1), middleTurn, glm::vec2(1.5f)},
          {child, glm::vec2(0.5f, 0.25f), -middleTurn, glm::vec2(0.5f * ownMirror, 0.5f)}})
    {
      transform->SetPosition(at);
      transform->SetRotation(angle);
      transform->SetScale(scale);
    }
    objects[2]->SetPrefabName(prefab);
    // The prefab's look through the top's mirror about the top's own axis; what the prefab does not
    // set comes from the child's look with that mirror taken off.
    const Json::Value values = factory.GetPrefabDefinition(prefab)["Transform"];
    const bool setsPosition = values.isMember("position"), setsRotation = values.isMember("rotation");
    const bool setsScale = values.isMember("scale"), noSize = size.x == 0.0f;
    const glm::dmat2 parents = place(turn, size * mirror) * place(middleTurn, glm::dvec2(levels == 2 ? 1.5 : 1));
    const glm::dvec2 axis = mirror.x != mirror.y ? place(turn, glm::dvec2(1))[mirror.x < 0 ? 0 : 1] : glm::dvec2(0);
    const glm::dmat2 reflection = glm::dmat2(1) - 2.0 * glm::outerProduct(axis, axis);
    const glm::dmat2 now = reflection * parents * place(-middleTurn, glm::dvec2(0.5 * ownMirror, 0.5));
    const double nowTurn = std::atan2(ownMirror * now[0].y, ownMirror * now[0].x);
    const glm::dvec2 wantSize = setsScale ? glm::dvec2(values["scale"][0].asDouble(), values["scale"][1].asDouble())
                                          : glm::dvec2(glm::length(now[0]) * ownMirror, glm::length(now[1]));
    const glm::dmat2 want = reflection * place(setsRotation ? values["rotation"].asDouble() : nowTurn, wantSize);
    // It can be shown where the local matrix that shows it is turned and sized, not slanted, and
    // keeps the child's own size where the prefab sets none.
    const glm::dmat2 local = noSize ? glm::dmat2(1) : glm::inverse(parents) * want;
    const glm::dvec2 lengths(glm::length(local[0]), glm::length(local[1]));
    const bool fits = !noSize && (!(setsRotation || setsScale) ||
                                  (std::abs(glm::dot(local[0], local[1])) < 1e-6 * lengths.x * lengths.y &&
                                   (setsScale || glm::length(lengths - 0.5) < 1e-6)));
    const auto before = bits();
    CapturedLog output;
    factory.ResetToPrefab(child);
    const auto after = bits();
    const std::string warning = "[WARNING] The Transform of \"child\" was not reset to the prefab \"" + prefab +
                                "\": its " + (noSize ? "parent has no size" : "parents are sized unevenly");
    EXPECT_EQ(output.Text().substr(0, fits ? 0 : warning.size()), fits ? "" : warning) << output.Text();
    EXPECT_EQ(output.Text().empty(), fits) << output.Text();
    EXPECT_TRUE(std::get<0>(after) == std::get<0>(before) || (fits && setsPosition));
    EXPECT_TRUE(std::get<1>(after) == std::get<1>(before) || (fits && setsRotation));
    EXPECT_TRUE(std::get<2>(after) == std::get<2>(before) || (fits && setsScale));
    const auto showsWanted = [&] {
      const glm::mat3 world = child->GetWorldMatrix();
      const double largest = std::max(glm::length(want[0]), glm::length(want[1]));
      for (int entry = 0; entry < 4; ++entry)
        EXPECT_NEAR(world[entry / 2][entry % 2], want[entry / 2][entry % 2], 2e-5 * largest);
      const glm::dvec2 at(values["position"][0].asDouble(), values["position"][1].asDouble());
      const double reach = std::max({1.0, glm::length(glm::dvec2(far)), glm::length(at)});
      EXPECT_TRUE(!setsPosition || glm::distance(glm::dvec2(child->GetWorldPosition()), at) < 1e-6 * reach);
    };
    if (fits)
    {
      showsWanted();
      factory.ResetToPrefab(child);
      EXPECT_TRUE(bits() == after) << "a second reset changes no bit";
    }
    if (fits && setsScale)
    {
      child->SetScale(child->GetScale() * 1.0006f);
      factory.ResetToPrefab(child);
      showsWanted();
    }
  };
  for (const int levels : {1, 2})
    for (const glm::vec2 mirror : {glm::vec2(1, 1), glm::vec2(-1, 1), glm::vec2(1, -1), glm::vec2(-1, -1)})
      for (const float turn : {0.0f, 0.7f, 1.5707964f})
        for (const glm::vec2 size : {glm::vec2(3, 3), glm::vec2(4, 2), glm::vec2(0, 3)})
          for (const glm::vec2 far : {glm::vec2(0, 0), glm::vec2(250000, 0), glm::vec2(0, -250000)})
            for (const char* prefab : {"Barrel", "Buoy", "Vane", "Sign", "Flag", "Hall", "Dome"})
              for (const float ownMirror : {1.0f, -1.0f})
              {
                SCOPED_TRACE(testing::Message()
                             << levels << " levels, mirror " << mirror.x << " " << mirror.y << ", turn " << turn
                             << ", size " << size.x << " " << size.y << ", at " << far.x << " " << far.y << ", "
                             << prefab << ", own mirror " << ownMirror);
                reset(levels, mirror, turn, size, far, prefab, ownMirror);
                if (HasFailure())
                  return;
              }
}

// One prefab, one file: a prefab goes back into the file it was read from, beside the other
// prefabs of that file. A name whose file holds another prefab, or a file that cannot be read
// (at the load or since) or is gone since the load, is refused and nothing is written.
TEST_F(PrefabFilesTest, APrefabIsSavedIntoItsOwnFileAndNeverReplacesAnother)
{
  directory.Write("CargoCrate.prefab", R"({"CargoCrate": {"Transform": {"scale": [64, 64]}}})");
  directory.Write("Crates.prefab", R"({"Crate A": {"Transform": null}, "Crate B": null})");
  directory.Write("Broken.prefab", R"({"Broken": )");
  CapturedLog output;
  factory.ReLoadPrefabs();
  const std::vector<std::string> fileNames{"Broken.prefab", "CargoCrate.prefab", "Crates.prefab"};
  const std::string cargo = directory.Read("CargoCrate.prefab");
  Handle<GameObject> object;
  factory.CreateGameObject(object, "Crate A", space.get(), "crate");
  object->AddComponent("Registerer");

  EXPECT_FALSE(files.Save(factory, "Cargo Crate", *object));
  EXPECT_TRUE(output.Contains("[ERROR] The prefab \"Cargo Crate\" was not saved: its file " + directory.Prefix() +
                              "CargoCrate.prefab holds the prefab \"CargoCrate\"")) << output.Text();
  EXPECT_FALSE(files.Save(factory, "Broken", *object));
  EXPECT_TRUE(output.Contains("[ERROR] The prefab \"Broken\" was not saved: its file " + directory.Prefix() +
                              "Broken.prefab could not be read")) << output.Text();
  EXPECT_EQ(directory.Read("CargoCrate.prefab"), cargo);
  EXPECT_EQ(directory.Read("Broken.prefab"), R"({"Broken": )");
  EXPECT_FALSE(files.Save(factory, "Crates", *object));
  EXPECT_TRUE(output.Contains("[ERROR] The prefab \"Crates\" was not saved: its file " + directory.Prefix() +
                              "Crates.prefab holds the prefabs \"Crate A\" and \"Crate B\", and \"Crates\" was not "
                              "read from it.")) << output.Text();
  directory.Write("CargoCrate.prefab", R"({"CargoCrate": )");
  EXPECT_FALSE(files.Save(factory, "CargoCrate", *object));
  EXPECT_TRUE(output.Contains("[ERROR] The prefab \"CargoCrate\" was not saved: its file " + directory.Prefix() +
                              "CargoCrate.prefab could not be read")) << output.Text();
  // Renamed, the file would define the prefab again beside a new one at every start.
  directory.Write("CargoCrate.prefab", cargo);
  std::filesystem::rename(directory.File("CargoCrate.prefab"), directory.File("Cargo.prefab"));
  EXPECT_FALSE(files.Save(factory, "CargoCrate", *object));
  EXPECT_TRUE(output.Contains("[ERROR] The prefab \"CargoCrate\" was not saved: its file " + directory.Prefix() +
                              "CargoCrate.prefab is gone since it was read, and " + directory.Prefix() +
                              "Cargo.prefab defines the prefab now")) << output.Text();
  EXPECT_EQ(directory.FileNames(), (std::vector<std::string>{"Broken.prefab", "Cargo.prefab", "Crates.prefab"}));
  // Removed, it would come back.
  std::filesystem::remove(directory.File("Cargo.prefab"));
  EXPECT_FALSE(files.Save(factory, "CargoCrate", *object));
  EXPECT_TRUE(output.Contains("CargoCrate.prefab is gone since it was read (removed), and writing it would bring back "
                              "a prefab that was taken away.")) << output.Text();
  directory.Write("CargoCrate.prefab", cargo);
  EXPECT_EQ(object->GetPrefabName(), "Crate A");

  EXPECT_TRUE(files.Save(factory, "Crate A", *object));
  ASSERT_TRUE(factory.HasPrefab("Crate B"));
  factory.FindPrefab("Crate B")->emplace_back(factory.GetFactories().at("Registerer"), factory.CreateComponent("Registerer"));
  EXPECT_TRUE(files.SaveAll(factory));
  EXPECT_EQ(directory.FileNames(), fileNames);
  EXPECT_EQ(Parsed(directory.Read("Crates.prefab")),
            Parsed(R"({"Crate A": {"Registerer": null, "Transform": null}, "Crate B": {"Registerer": null}})"));
  const std::size_t asserted = asserts.Count();
  factory.ReLoadPrefabs();
  EXPECT_EQ(asserts.Count(), asserted) << "no prefab is defined twice";
  EXPECT_EQ(factory.GetPrefab("Crate B").size(), 1u);
}

TEST_F(PrefabFilesTest, NoLookupEverMakesAPhantomPrefab)
{
  directory.Write("Rock.prefab", R"({"Rock": {"Transform": {"rotation": 1}}})");
  factory.ReLoadPrefabs();
  Handle<GameObject> object;
  factory.CreateGameObject(object, "Rock", space.get(), "rock");
  object->SetPrefabName("");
  Json::Value record;
  factory.Serialize(object.Get(), record);
  factory.ResetToPrefab(object->GetTransform());
  object->SetPrefabName("Gone");
  factory.Serialize(object.Get(), record);

  EXPECT_EQ(factory.GetPrefabNames(), std::vector<std::string>{"Rock"});
  // Nothing for the names that were only looked up; the prefab, unchanged, keeps its file.
  files.SaveAll(factory);
  EXPECT_EQ(directory.FileNames(), std::vector<std::string>{"Rock.prefab"});
  EXPECT_EQ(directory.Read("Rock.prefab"), R"({"Rock": {"Transform": {"rotation": 1}}})");
}

TEST_F(PrefabFilesTest, TheShippedPrefabsLoadCleanly)
{
  CapturedLog output;
  LoadShippedPrefabs();
  EXPECT_EQ(output.Text().find("[ERROR]"), std::string::npos) << output.Text();
  EXPECT_EQ(asserts.Count(), 0u);
  ASSERT_TRUE(factory.HasPrefab("Default"));
  ASSERT_EQ(factory.GetPrefab("Default").size(), 1u);
  EXPECT_EQ(factory.GetPrefab("Default")[0].second->GetTypeId(), Transform::TypeId);
  for (const std::string& name : factory.GetPrefabNames())
    EXPECT_FALSE(factory.GetPrefab(name).empty()) << name;
}
