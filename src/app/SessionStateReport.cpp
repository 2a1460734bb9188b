#include "app/SessionStateReport.h"

#include "app/GameSession.h"
#include "core/Utf8.h"
#include "editor/ConsoleGui.h"
#include "editor/Editor.h"
#include "gameplay/combat/Health.h"
#include "gameplay/items/Equipment.h"
#include "gameplay/score/ScoreBoard.h"
#include "gameplay/weapons/Ammo.h"
#include "gameplay/weapons/Gun.h"
#include "input/Input.h"
#include "object/GameObject.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "render/Camera.h"
#include "render/Graphics.h"

#include <imgui.h>
#include <imgui_internal.h>  // Required for: the context's window list and popup stack

#include <algorithm>
#include <cmath>

namespace
{
// A tenth of a unit is as fine as a script ever compares.
Json::Value Coordinates(glm::vec2 position)
{
  Json::Value pair(Json::arrayValue);
  pair.append(std::round(position.x * 10.0f) / 10.0);
  pair.append(std::round(position.y * 10.0f) / 10.0);
  return pair;
}

// The world places of the window's corners as the space's camera shows them.
Json::Value View(const Space& space)
{
  const Camera* camera = space.GetCurrentCamera();
  const Graphics::Graphics* renderer = Graphics::Graphics::Current();
  if (camera == nullptr || renderer == nullptr)
    return Json::nullValue;
  const std::optional<glm::vec2> topLeft = camera->ToWorld(glm::vec2(0.0f, 0.0f));
  const std::optional<glm::vec2> bottomRight = camera->ToWorld(
      glm::vec2(static_cast<float>(renderer->GetWindowWidth()), static_cast<float>(renderer->GetWindowHeight())));
  if (!topLeft || !bottomRight)
    return Json::nullValue;
  Json::Value view = Coordinates(*topLeft);
  for (const Json::Value& value : Coordinates(*bottomRight))
    view.append(value);
  return view;
}

Json::Value Spaces(const GameSession& session)
{
  Json::Value spaces(Json::arrayValue);
  for (const auto& [name, space] : session.GetSpaces())
  {
    Json::Value entry;
    entry["name"] = name;
    entry["level"] = space->GetName();
    entry["paused"] = space->IsPaused();
    entry["visible"] = space->IsVisible();
    entry["view"] = View(*space);
    spaces.append(entry);
  }
  return spaces;
}

// Tenths of a round, as the HUD's counters show them.
Json::Value Rounds(float amount)
{
  return std::round(amount * 10.0f) / 10.0;
}

Json::Value Slots(GameObject& player)
{
  Json::Value slots(Json::arrayValue);
  const Equipment* equipment = player.GetComponent<Equipment>();
  const Ammo* ammo = player.GetComponent<Ammo>();
  for (std::uint32_t slot = 0; slot < Equipment::SlotCount; ++slot)
  {
    GameObject* item = equipment != nullptr ? equipment->GetSlot(slot).Get() : nullptr;
    if (item == nullptr)
    {
      slots.append(Json::nullValue);
      continue;
    }
    Json::Value entry;
    entry["item"] = item->GetName();
    entry["magazine"] = Json::nullValue;
    entry["reserve"] = Json::nullValue;
    if (const Gun* gun = Gun::GetGunComponent(item))
    {
      entry["magazine"] = Rounds(gun->GetMagAmmo());
      if (ammo != nullptr)
        entry["reserve"] = Rounds(ammo->GetAmmo(gun->GetAmmoType()));
    }
    slots.append(entry);
  }
  return slots;
}

Json::Value Player(const GameSession& session)
{
  for (const auto& [name, space] : session.GetSpaces())
  {
    for (const auto& [id, handle] : space->GetObjectsById())
    {
      GameObject* object = handle.Get();
      if (object == nullptr || object->GetComponentById(COMP_PlayerController) == nullptr ||
          object->GetTransform() == nullptr)
        continue;
      Json::Value player;
      player["space"] = name;
      player["position"] = Coordinates(object->GetTransform()->GetWorldPosition());
      player["slots"] = Slots(*object);
      return player;
    }
  }
  return Json::nullValue;
}

// The writer passes a string's bytes through as they are, and a name given to "watch" on the
// command line may hold bytes that are not UTF-8: each becomes U+FFFD, so that every line is UTF-8.
// (Such a byte is never a quote or a backslash, so the JSON around it holds.)
std::string ValidUtf8(const std::string& text)
{
  std::string valid;
  valid.reserve(text.size());
  for (std::size_t at = 0; at < text.size();)
  {
    const std::size_t start = at;
    unsigned codePoint = 0;
    if (DecodeUtf8(text, at, codePoint))
      valid.append(text, start, at - start);
    else
      AppendUtf8(valid, 0xFFFD);
  }
  return valid;
}

Json::Value Watched(GameSession& session)
{
  // Keyed by the names as the line shows them: two names that differ only in bytes that are not
  // UTF-8 show alike, and share one entry rather than naming a member twice.
  const std::vector<std::string>& wanted = session.GetWatchedNames();
  const auto isWanted = [&wanted](const std::string& name) {
    return std::find(wanted.begin(), wanted.end(), name) != wanted.end();
  };
  Json::Value watched(Json::objectValue);
  for (const std::string& name : wanted)
    watched[ValidUtf8(name)] = Json::arrayValue;
  if (watched.empty())
    return watched;
  for (const auto& [name, space] : session.GetSpaces())
  {
    for (const auto& [id, handle] : space->GetObjectsById())
    {
      GameObject* object = handle.Get();
      if (object == nullptr || object->GetTransform() == nullptr)
        continue;
      const std::string& key = isWanted(object->GetName()) ? object->GetName() : object->GetPrefabName();
      if (!isWanted(key))
        continue;
      Json::Value seen;
      seen["space"] = name;
      seen["position"] = Coordinates(object->GetTransform()->GetWorldPosition());
      const Health* health = object->GetComponent<Health>();
      seen["health"] = health != nullptr ? Rounds(health->GetHitpoints()) : Json::Value(Json::nullValue);
      seen["dead"] = health != nullptr ? Json::Value(health->IsDead()) : Json::Value(Json::nullValue);
      watched[ValidUtf8(key)].append(seen);
    }
  }
  return watched;
}

// What the text field that has the keyboard holds, as typed so far; empty when none has it.
std::string FieldText(const ImGuiContext& context)
{
  const ImGuiInputTextState& field = context.InputTextState;
  if (context.ActiveId == 0 || field.ID != context.ActiveId || field.TextW.Size == 0)
    return std::string();
  std::string text(static_cast<std::size_t>(field.CurLenW) * 4 + 1, '\0');
  const int length = ImTextStrToUtf8(text.data(), static_cast<int>(text.size()), field.TextW.Data,
                                     field.TextW.Data + field.CurLenW);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

Json::Value Interface()
{
  Json::Value shown;
  shown["windows"] = Json::arrayValue;
  shown["popups"] = 0;
  shown["typing"] = false;
  shown["field"] = "";
  const ImGuiContext* context = ImGui::GetCurrentContext();
  if (context == nullptr)
    return shown;
  constexpr ImGuiWindowFlags NotOwnWindow =
      ImGuiWindowFlags_ChildWindow | ImGuiWindowFlags_Popup | ImGuiWindowFlags_Tooltip | ImGuiWindowFlags_ChildMenu;
  for (const ImGuiWindow* window : context->Windows)
  {
    const std::string name = std::string(window->Name).substr(0, std::string(window->Name).find("##"));
    // The implicit window every frame begins with is nobody's; the menu bar has no name.
    if (!window->WasActive || window->Hidden || (window->Flags & NotOwnWindow) != 0 || name == "Debug" ||
        name.empty())
      continue;
    shown["windows"].append(name);
  }
  shown["popups"] = context->OpenPopupStack.Size;
  shown["typing"] = context->IO.WantTextInput;
  shown["field"] = FieldText(*context);
  return shown;
}

Json::Value EditorState(GameSession& session)
{
  if (!session.IsEditorRunning())
    return Json::nullValue;
  ::Editor::Editor& editor = session.GetEditor();
  Json::Value state;
  const Space* space = session.GetEditorSpace();
  state["level"] = space != nullptr ? space->GetName() : std::string();
  const ::Editor::EditorTool* tool = editor.GetCurrentTool();
  state["tool"] = tool != nullptr ? tool->GetName() : std::string();
  state["held"] = Json::nullValue;
  if (GameObject* held = tool != nullptr ? tool->GetHeld().Get() : nullptr)
  {
    Json::Value object;
    object["name"] = held->GetName();
    object["id"] = held->GetId();
    object["prefab"] = held->GetPrefabName();
    object["parent"] = Json::nullValue;
    object["children"] = Json::arrayValue;
    if (Transform* transform = held->GetTransform())
    {
      object["position"] = Coordinates(transform->GetWorldPosition());
      if (const GameObject* parent = transform->GetParent() != nullptr ? transform->GetParent()->GetGameObject() : nullptr)
        object["parent"] = parent->GetName();
      for (const Transform* child : transform->GetChildren())
      {
        if (const GameObject* childObject = child->GetGameObject())
          object["children"].append(childObject->GetName());
      }
    }
    object["components"] = Json::arrayValue;
    for (const auto& [typeName, component] : held->GetComponents())
      object["components"].append(typeName);
    state["held"] = object;
  }
  state["selected"] = Json::arrayValue;
  for (const auto& [label, handle] : editor.GetSelection())
  {
    if (const GameObject* object = handle.Get())
      state["selected"].append(object->GetName());
  }
  return state;
}

}  // namespace

Json::Value SessionStateReport::Describe(GameSession& session)
{
  Json::Value state;
  state["frame"] = static_cast<Json::Int64>(session.GetFrameStatistics().GetFrames());
  state["time"] = session.GetFrameStatistics().GetSteppedSeconds();
  state["loop"] = session.IsRunning() ? "game" : session.IsEditorRunning() ? "editor" : "none";
  state["spaces"] = Spaces(session);
  state["player"] = Player(session);
  const ScoreBoard* board = ScoreBoard::Find();
  state["score"] = board != nullptr ? Json::Value(board->GetScore()) : Json::Value(Json::nullValue);
  const Input* input = Input::Instance();
  state["mouse"] = input != nullptr ? Coordinates(input->GetMousePosition()) : Json::Value(Json::nullValue);
  state["watched"] = Watched(session);
  state["interface"] = Interface();
  state["editor"] = EditorState(session);
  return state;
}

std::string SessionStateReport::Line(GameSession& session)
{
  Json::StreamWriterBuilder writer;
  writer["indentation"] = "";
  writer["emitUTF8"] = true;
  return "State: " + ValidUtf8(Json::writeString(writer, Describe(session)));
}

void SessionStateReport::Write(GameSession& session)
{
  session.GetConsole().WriteLinePastConsole(Line(session));
}
