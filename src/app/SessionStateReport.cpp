#include "app/SessionStateReport.h"

#include "app/GameSession.h"
#include "editor/ConsoleGui.h"
#include "editor/Editor.h"
#include "input/Input.h"
#include "object/GameObject.h"
#include "object/Space.h"
#include "object/Transform.h"

#include <imgui.h>
#include <imgui_internal.h>  // Required for: the context's window list and popup stack

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
    spaces.append(entry);
  }
  return spaces;
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
      return player;
    }
  }
  return Json::nullValue;
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
  const Input* input = Input::Instance();
  state["mouse"] = input != nullptr ? Coordinates(input->GetMousePosition()) : Json::Value(Json::nullValue);
  state["interface"] = Interface();
  state["editor"] = EditorState(session);
  return state;
}

std::string SessionStateReport::Line(GameSession& session)
{
  Json::StreamWriterBuilder writer;
  writer["indentation"] = "";
  writer["emitUTF8"] = true;
  return "State: " + Json::writeString(writer, Describe(session));
}

void SessionStateReport::Write(GameSession& session)
{
  session.GetConsole().WriteLinePastConsole(Line(session));
}
