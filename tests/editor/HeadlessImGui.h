#pragma once
// An ImGui context with a built font atlas and a fixed display, for drawing windows without GL.
#include <imgui.h>

class HeadlessImGui
{
public:
  HeadlessImGui() : previous(ImGui::GetCurrentContext()), context(ImGui::CreateContext())
  {
    ImGui::SetCurrentContext(context);
    ImGuiIO& io = ImGui::GetIO();
    io.DisplaySize = ImVec2(1280.0f, 720.0f);
    io.DeltaTime = 1.0f / 60.0f;
    io.IniFilename = nullptr;
    io.Fonts->Build();
  }
  ~HeadlessImGui()
  {
    ImGui::DestroyContext(context);
    ImGui::SetCurrentContext(previous);
  }
  HeadlessImGui(const HeadlessImGui&) = delete;
  HeadlessImGui& operator=(const HeadlessImGui&) = delete;

  void NewFrame() { ImGui::NewFrame(); }
  void Render() { ImGui::Render(); }

private:
  ImGuiContext* previous;
  ImGuiContext* context;
};
