#pragma once
// The editor's view of the game session: the loops, the spaces, the editor camera, the renderer,
// the settings and the debug windows, as the editor asks for them (editor/EditorHost.h).
#include "editor/EditorHost.h"

class GameSession;

class EditorSessionHost final : public EditorHost
{
public:
  explicit EditorSessionHost(GameSession& owner) : session(owner) {}

  bool IsRunning() const override;
  bool IsEditorRunning() const override;
  void StopGame() override;
  void StopEditor() override;

  const std::map<std::string, Space*>& GetSpaces() const override;
  Space* GetSpace(const std::string& name, const std::string& level) override;
  Space* GetEditorSpace() const override;
  Camera* GetEditorCamera() const override;
  void UpdateEditorPicking() override;
  Graphics::Graphics& GetRenderer() override;

  const std::string& GetFirstLevel() const override;
  void SetFirstLevel(const std::string& level) override;
  const std::string& GetEditedLevel() const override;
  void SetEditedLevel(const std::string& level) override;
  bool& StartInEditModeFlag() override;
  bool IsConsoleShown() const override;
  void ChooseConsoleShown(bool shown) override;
  std::map<std::string, float>& GetLighting() override;
  bool SaveSettings() override;
  void SaveEditorCamera() override;

  ConsoleGui& GetConsole() override;
  MemoryProfileWindow& GetMemoryWindow() override;

private:
  GameSession& session;
};
