// The subsystem folders of src/ form one order, and a file includes only its own folder and the
// folders below it:
//
//   platform -> core -> object -> {physics, render, input, audio} -> steering -> {ai, gameplay}
//     -> {flow, editor} -> app
//
// The steering library (agents, behaviours, the state machine) sits below both the adversaries in
// ai/ and the player in gameplay/, so each is placed by its feature, not by what it may include.
// A file's folder is the first segment of its path under src/; the subfolders inside a folder
// (gameplay/combat, flow/menu, ...) group its files by feature and share its place.
//
// Folders on one level may include each other one way only (render reads physics's ray casts;
// the reverse would close a cycle). The third-party headers stay with the folders that own them:
// ImGui with editor and app, SDL with platform, input, editor and app, GL with render. What a
// lower folder must offer the editor (an inspector widget, a resource chooser) it declares, and
// editor/ defines. The same order holds where the objects are linked: a folder's object files
// use only what its own folder and the folders below it define, but for those widgets.
#include "support/TestWorkingFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;

const std::map<std::string, int> Level = {
    {"platform", 0}, {"core", 1},     {"object", 2}, {"physics", 3}, {"render", 3},   {"input", 3}, {"audio", 3},
    {"steering", 4}, {"ai", 5},       {"gameplay", 5}, {"flow", 6},  {"editor", 6},   {"app", 7},
};

// The exceptions, each with its reason. Keep this list short: a new entry needs a reason a
// reviewer accepts, not a failing build.
struct Allowed
{
  const char* file;      // relative to src/
  const char* included;  // as written between the brackets or quotes
  const char* why;
};
const Allowed Exceptions[] = {
    {"render/Window.h", "SDL2/SDL.h", "the window and its GL context are SDL's; the renderer owns the window"},
    {"editor/ImGuiBinding.cpp", "GL/glew.h", "the interface binding draws ImGui's lists with GL itself"},
};

// The folders that may include a third-party header family, by the family's leading path.
const std::vector<std::pair<std::string, std::set<std::string>>> ThirdPartyOwners = {
    {"imgui", {"editor", "app"}},
    {"SDL", {"platform", "input", "editor", "app"}},
    {"GL/", {"render"}},
};

struct Include
{
  std::string file;  // relative to src/
  int line;
  std::string target;
  bool quoted;
};

std::string FolderOf(const std::string& path)
{
  return path.substr(0, path.find('/'));
}

bool IsAllowed(const Include& include)
{
  return std::any_of(std::begin(Exceptions), std::end(Exceptions), [&include](const Allowed& allowed) {
    return include.file == allowed.file && include.target == allowed.included;
  });
}

struct SourceLine
{
  std::string file;  // relative to src/
  int line;
  std::string text;
};

std::vector<SourceLine> ReadSources(const fs::path& source)
{
  std::vector<SourceLine> lines;
  for (const auto& entry : fs::recursive_directory_iterator(source))
  {
    const std::string extension = entry.path().extension().string();
    if (!entry.is_regular_file() || (extension != ".h" && extension != ".cpp"))
      continue;
    const std::string file = fs::relative(entry.path(), source).generic_string();
    std::ifstream in(entry.path());
    std::string text;
    for (int line = 1; std::getline(in, text); ++line)
      lines.push_back({file, line, text});
  }
  return lines;
}

std::vector<Include> ReadIncludes(const std::vector<SourceLine>& lines)
{
  static const std::regex includeLine(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
  std::vector<Include> includes;
  for (const SourceLine& line : lines)
  {
    std::smatch match;
    if (std::regex_search(line.text, match, includeLine))
      includes.push_back({line.file, line.line, match[2].str(), match[1].str() == "\""});
  }
  return includes;
}

class LayersTest : public ::testing::Test
{
protected:
  static void SetUpTestSuite()
  {
    lines = ReadSources(TestWorkingFolder::SourceAssets().parent_path() / "src");
    includes = ReadIncludes(lines);
  }

  static std::vector<SourceLine> lines;
  static std::vector<Include> includes;
};
std::vector<SourceLine> LayersTest::lines;
std::vector<Include> LayersTest::includes;

TEST_F(LayersTest, EveryFolderHasAPlaceAndIncludesNothingAboveIt)
{
  ASSERT_GT(includes.size(), 500u) << "the sources were not found";
  std::map<std::pair<std::string, std::string>, std::string> sideways;  // one example line per edge
  for (const Include& include : includes)
  {
    const std::string from = FolderOf(include.file);
    ASSERT_EQ(Level.count(from), 1u) << "src/" << from << " needs a place in the order of folders";
    if (!include.quoted || include.target.find('/') == std::string::npos)
      continue;
    const std::string to = FolderOf(include.target);
    if (from == to || Level.count(to) == 0 || IsAllowed(include))
      continue;
    const std::string where = include.file + ":" + std::to_string(include.line) + " includes " + include.target;
    EXPECT_LE(Level.at(to), Level.at(from)) << where << " (" << from << " may not include " << to << ")";
    if (Level.at(to) == Level.at(from))
      sideways.emplace(std::make_pair(from, to), where);
  }
  for (const auto& [edge, where] : sideways)
  {
    const auto reverse = sideways.find({edge.second, edge.first});
    EXPECT_TRUE(reverse == sideways.end() || edge.first > edge.second)
        << edge.first << " and " << edge.second << " include each other: " << where << "; "
        << (reverse != sideways.end() ? reverse->second : "");
  }
}

TEST_F(LayersTest, ThirdPartyHeadersStayWithTheFoldersThatOwnThem)
{
  for (const Include& include : includes)
  {
    if (include.quoted || IsAllowed(include))
      continue;
    for (const auto& [family, owners] : ThirdPartyOwners)
    {
      if (include.target.rfind(family, 0) == 0)  // "SDL" covers <SDL.h> and <SDL2/...>
      {
        EXPECT_EQ(owners.count(FolderOf(include.file)), 1u)
            << include.file << ":" << include.line << " includes <" << include.target << ">";
      }
    }
  }
}

// One way to send an event: Queue<E> and SendNow<E> of core/Send.h. Only core/ itself makes an
// event in the pool and hands it to the manager by hand.
TEST_F(LayersTest, EventsAreSentThroughCoreSendOutsideCore)
{
  static const std::regex byHand(R"((QueueEvent|SendEvent)\s*\(\s*MemoryManager::New\b)");
  for (const SourceLine& line : lines)
  {
    if (FolderOf(line.file) == "core")
      continue;
    EXPECT_FALSE(std::regex_search(line.text, byHand))
        << line.file << ":" << line.line << " sends an event by hand; use Queue<E> or SendNow<E> (core/Send.h)";
  }
}

// What editor/ defines for the folders below it on purpose: the inspector's member widgets
// (Render<Kind>(label, value), declared beside the members they draw) and the few other widgets
// a lower folder's inspector hook draws with the interface library.
bool IsEditorWidget(const std::string& symbol)
{
  static const std::regex memberWidget(R"(^Render\w+\(std::(__cxx11::)?basic_string<char, [^)]*> const&, )");
  static const std::set<std::string> widgets = {"DrawDataNotRendered()", "ParticleEditorButton(char const*)",
                                                "TexturePicker("};
  return std::regex_search(symbol, memberWidget) ||
         std::any_of(widgets.begin(), widgets.end(), [&symbol](const std::string& widget) {
           return symbol.rfind(widget, 0) == 0;
         });
}

struct ObjectSymbols
{
  std::map<std::string, std::set<std::string>> definedIn;              // symbol -> folders
  std::map<std::string, std::map<std::string, std::string>> usedBy;  // folder -> symbol -> one file
};

// Every symbol the objects define and use, by folder, from one run of nm.
bool ReadObjectSymbols(const std::vector<std::pair<std::string, fs::path>>& objects, ObjectSymbols& symbols)
{
  std::string command = "nm -C -A";
  std::map<std::string, std::string> fileOf;  // object path -> source file relative to src/
  for (const auto& [file, object] : objects)
  {
    command += " '" + object.string() + "'";
    fileOf[object.string()] = file;
  }
  FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
  if (pipe == nullptr)
    return false;
  std::string line;
  char buffer[4096];
  while (std::fgets(buffer, sizeof(buffer), pipe) != nullptr)
  {
    line += buffer;
    if (line.empty() || line.back() != '\n')
      continue;
    line.pop_back();
    // path:address type name, the address blank for an undefined symbol
    const std::size_t colon = line.find(':');
    const auto file = colon != std::string::npos ? fileOf.find(line.substr(0, colon)) : fileOf.end();
    std::istringstream fields(colon != std::string::npos ? line.substr(colon + 1) : std::string());
    std::string first;
    std::string second;
    if (file != fileOf.end() && fields >> first >> second)
    {
      const bool undefined = first == "U";
      const char type = undefined ? 'U' : second[0];
      std::string name;
      std::getline(fields >> std::ws, name);
      if (undefined)
        name = second + (name.empty() ? "" : " " + name);
      const std::string folder = FolderOf(file->second);
      if (type == 'U')
        symbols.usedBy[folder].emplace(name, file->second);
      else if (std::isupper(static_cast<unsigned char>(type)) || type == 'u' || type == 'i')
        symbols.definedIn[name].insert(folder);
    }
    line.clear();
  }
  return pclose(pipe) == 0 && !symbols.definedIn.empty();
}

TEST_F(LayersTest, NoFolderLinksToAFolderAboveIt)
{
#ifndef BRINDLE_OBJECT_DIR
  GTEST_SKIP() << "the build does not say where the library's object files are (BRINDLE_OBJECT_DIR)";
#else
  const fs::path source = TestWorkingFolder::SourceAssets().parent_path() / "src";
  const fs::path objectDir = fs::path(BRINDLE_OBJECT_DIR) / "src";
  std::vector<std::pair<std::string, fs::path>> objects;
  for (const auto& entry : fs::recursive_directory_iterator(source))
  {
    if (!entry.is_regular_file() || entry.path().extension() != ".cpp")
      continue;
    const std::string file = fs::relative(entry.path(), source).generic_string();
    const fs::path object = objectDir / (file + ".o");
    if (!fs::exists(object))
      GTEST_SKIP() << "the library's object files are not built (" << object << " is missing)";
    objects.emplace_back(file, object);
  }
  ObjectSymbols symbols;
  ASSERT_TRUE(ReadObjectSymbols(objects, symbols)) << "nm could not read the objects in " << objectDir;

  std::map<std::pair<std::string, std::string>, std::string> sideways;  // one example per edge
  for (const auto& [folder, used] : symbols.usedBy)
  {
    for (const auto& [symbol, file] : used)
    {
      const auto defined = symbols.definedIn.find(symbol);
      if (defined == symbols.definedIn.end() || defined->second.count(folder) != 0)
        continue;  // not ours (a system library's), or defined beside it
      const std::set<std::string>& owners = defined->second;
      const bool below = std::any_of(owners.begin(), owners.end(), [&](const std::string& owner) {
        return Level.at(owner) <= Level.at(folder);
      });
      const bool widget = owners.count("editor") != 0 && IsEditorWidget(symbol);
      EXPECT_TRUE(below || widget) << file << " uses " << symbol << ", defined in " << *owners.begin() << "/";
      for (const std::string& owner : owners)
      {
        if (Level.at(owner) == Level.at(folder) && !widget)
          sideways.emplace(std::make_pair(folder, owner), file + " uses " + symbol);
      }
    }
  }
  for (const auto& [edge, where] : sideways)
  {
    const auto reverse = sideways.find({edge.second, edge.first});
    EXPECT_TRUE(reverse == sideways.end() || edge.first > edge.second)
        << edge.first << " and " << edge.second << " link to each other: " << where << "; "
        << (reverse != sideways.end() ? reverse->second : "");
  }
#endif
}
}  // namespace
