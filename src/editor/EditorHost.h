#pragma once
// What the editor needs of the running program: the two loops, the spaces, the editor's camera,
// the renderer, the settings and the debug windows. The game session implements it; the editor
// reaches nothing above its own folder any other way.
#include <map>
#include <string>

class Camera;
class ConsoleGui;
class MemoryProfileWindow;
class Space;

namespace Graphics
{
class Graphics;
}

class EditorHost
{
public:
  virtual ~EditorHost() = default;

  // --- The loops -----------------------------------------------------------------------------
  // The game loop runs: normal play, or a play-test started from the editor.
  virtual bool IsRunning() const = 0;
  virtual bool IsEditorRunning() const = 0;
  // Each ends its loop after the current frame; ending a play-test returns to the editor.
  virtual void StopGame() = 0;
  virtual void StopEditor() = 0;

  // --- Spaces --------------------------------------------------------------------------------
  // The live spaces in name order.
  virtual const std::map<std::string, Space*>& GetSpaces() const = 0;
  // A space of that name showing that level, reused or made and loaded (it joins next frame).
  virtual Space* GetSpace(const std::string& name, const std::string& level) = 0;
  // The editor loop's space and free camera; null outside the editor loop.
  virtual Space* GetEditorSpace() const = 0;
  virtual Camera* GetEditorCamera() const = 0;
  // Finds the object under the mouse in the editor's space and gives it to the editor as its
  // hovered object (an empty handle when there is none).
  virtual void UpdateEditorPicking() = 0;
  virtual Graphics::Graphics& GetRenderer() = 0;

  // --- Settings ------------------------------------------------------------------------------
  virtual const std::string& GetFirstLevel() const = 0;
  virtual void SetFirstLevel(const std::string& level) = 0;
  // The level the editor edits ("currentlyEditing").
  virtual const std::string& GetEditedLevel() const = 0;
  virtual void SetEditedLevel(const std::string& level) = 0;
  virtual bool& StartInEditModeFlag() = 0;
  // Whether the console shows now; setting it is the person's choice, which the settings keep.
  virtual bool IsConsoleShown() const = 0;
  virtual void ChooseConsoleShown(bool shown) = 0;
  // The ambient light per draw layer as the game settings keep it ("lighting"); SaveSettings
  // writes what is changed here.
  virtual std::map<std::string, float>& GetLighting() = 0;
  // Writes both settings files; false when one was not written (reported).
  virtual bool SaveSettings() = 0;
  // Files the editor camera under the edited level, for the next SaveSettings.
  virtual void SaveEditorCamera() = 0;

  // --- Debug windows -------------------------------------------------------------------------
  virtual ConsoleGui& GetConsole() = 0;
  virtual MemoryProfileWindow& GetMemoryWindow() = 0;
};
