#include "editor/ConsoleGui.h"

#include "editor/ConsoleCommands.h"
#include "editor/NoclipConsoleCommand.h"

#include <imgui.h>

#include <algorithm>

ConsoleGui::ConsoleGui(ConsoleHost* consoleHost) : host(consoleHost != nullptr ? consoleHost : &nullHost)
{
  RegisterStandardCommands();
}

ConsoleGui::~ConsoleGui()
{
  // The capture member gives standard output back as it goes, so later output (the memory
  // manager's leak report) reaches the terminal.
  ClearLog();
  commands.clear();
}

void ConsoleGui::RegisterStandardCommands()
{
  RegisterCommand(std::make_unique<HelpOutputFactory>(*this));
  RegisterCommand(std::make_unique<FPSCommand>(*host));
  RegisterCommand(std::make_unique<ClearCommand>(*this));
  RegisterCommand(std::make_unique<LevelCommandFactory>(*host));
  RegisterCommand(std::make_unique<MemoryCommand>(*host));
  RegisterCommand(std::make_unique<ShowEditorCommand>(*host));
  RegisterCommand(std::make_unique<GodCommandFactory>());
  RegisterCommand(std::make_unique<PauseCommandFactory>(*host));
  RegisterCommand(std::make_unique<WindowCommad>(*host));
  RegisterCommand(std::make_unique<SetFullscreenCommand>(*host));
  RegisterCommand(std::make_unique<ScoreCommand>(*host));
  RegisterCommand(std::make_unique<NoclipConsoleCommand>());
}

void ConsoleGui::RegisterCommand(std::unique_ptr<ConsoleCommandOutputFactory> command)
{
  if (command == nullptr)
    return;
  const std::string name = command->GetName();
  commands[name] = std::move(command);
}

std::vector<std::string> ConsoleGui::SplitCommandLine(const std::string& line, char separator)
{
  std::vector<std::string> words;
  std::size_t start = 0;
  for (std::size_t found = line.find(separator); found != std::string::npos; found = line.find(separator, start))
  {
    words.push_back(line.substr(start, found - start));
    start = found + 1;
  }
  words.push_back(line.substr(start));
  return words;
}

void ConsoleGui::ExecuteCommand(const std::string& line, char separator)
{
  if (line.empty())
    return;
  const std::vector<std::string> words = SplitCommandLine(line, separator);
  const auto found = commands.find(words.front());
  if (found == commands.end())
    Append(std::make_unique<TextCommandOutput>(line, "Unknown command"));
  else if (found->second == nullptr)
    Append(std::make_unique<TextCommandOutput>(line, "The console has broken and is in an unstable state, and may crash on use."));
  else
    Append(found->second->Execute(words));
}

void ConsoleGui::ExecuteProcessCommandLine(int argumentCount, const char* const* arguments)
{
  std::string line;
  for (int i = 1; i < argumentCount; ++i)
  {
    if (i > 1)
      line += ' ';
    line += arguments[i];
  }
  for (const std::string& word : SplitCommandLine(line, ' '))
    ExecuteCommand(word, ',');
}

void ConsoleGui::PollOutput()
{
  for (std::string& line : capture.TakeCompleteLines())
  {
    Append(std::make_unique<TextCommandOutput>("", std::move(line)));
    newOutput = true;
  }
}

void ConsoleGui::Append(std::unique_ptr<ConsoleCommandOutput> entry)
{
  if (entry == nullptr)
    return;
  if (entry->WantsAttention())
    host->ShowConsole();
  log.push_back(std::move(entry));
}

void ConsoleGui::ClearLog()
{
  log.clear();
}

void ConsoleGui::Draw(char* inputBuffer, std::size_t bufferSize)
{
  // ImGui's default first size shows no line of the log. The first time (nothing saved for the
  // window yet) it opens in the lower left, big enough for a screenful of output.
  const ImVec2 display = ImGui::GetIO().DisplaySize;
  const ImVec2 size(std::min(760.0f, display.x * 0.6f), std::min(420.0f, display.y * 0.5f));
  ImGui::SetNextWindowSize(size, ImGuiCond_FirstUseEver);
  ImGui::SetNextWindowPos(ImVec2(16.0f, std::max(16.0f, display.y - size.y - 16.0f)), ImGuiCond_FirstUseEver);
  if (ImGui::Begin("Console"))
  {
    ImGui::BeginChild("Sub1", ImVec2(ImGui::GetContentRegionAvail().x, ImGui::GetWindowHeight() - 80.0f), false,
                      ImGuiWindowFlags_HorizontalScrollbar);
    for (const auto& entry : log)
    {
      if (!entry->GetHeader().empty())
        ImGui::TextUnformatted(entry->GetHeader().c_str());
      entry->Print(filterText);
    }
    if (autoScroll && newOutput)
      ImGui::SetScrollHereY(1.0f);
    ImGui::EndChild();

    ImGui::TextUnformatted("Command: ");
    ImGui::SameLine();
    if (inputBuffer != nullptr && bufferSize > 0)
    {
      if (ImGui::InputText(" ", inputBuffer, bufferSize, ImGuiInputTextFlags_EnterReturnsTrue))
        ExecuteCommand(std::string(inputBuffer), ' ');
      // What is being typed lives in the field's own editing state until Enter.
      inputBuffer[0] = '\0';
    }

    if (ImGui::Button("Clear Console"))
      ClearLog();
    ImGui::SameLine();
    ImGui::TextUnformatted("Filter: ");
    ImGui::SameLine();
    // Narrow enough to leave the checkbox beside it on the line.
    ImGui::SetNextItemWidth(std::max(80.0f, ImGui::GetContentRegionAvail().x - 120.0f));
    ImGui::InputText("##Filter", filterBuffer, sizeof(filterBuffer));  // no visible label
    filterText = filterBuffer;
    ImGui::SameLine();
    ImGui::Checkbox("Auto Scroll", &autoScroll);
  }
  ImGui::End();
  newOutput = false;
}
