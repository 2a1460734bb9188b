#pragma once
// The inspector's widgets for reflected members: plain functions that draw one field with
// Dear ImGui under its member's name and edit it in place. A component picks one per member when
// it registers the member; a type without a widget of its own shows DataNotRendered.
//
// Only the declarations live here, so that components name their widgets without the interface
// library: the widgets are defined in editor/MemberWidgets.cpp. An enum's widget is declared
// beside its enum (RenderCollisionGroup in physics/CollisionGroup.h).
#include "core/fColor.h"

#include <array>
#include <glm/vec2.hpp>
#include <glm/vec4.hpp>
#include <string>

template <typename T>
using MemberWidget = void (*)(const std::string& label, T* value);

// Shows "Data not rendered." and leaves the value alone.
void DrawDataNotRendered();
template <typename T>
void DataNotRendered(const std::string&, T*)
{
  DrawDataNotRendered();
}

void RenderBool(const std::string& label, bool* value);
void RenderFloat(const std::string& label, float* value);
// Shown, not edited.
void RenderFloatReadOnly(const std::string& label, float* value);
// A slider from 0 to 1.
void RenderFloatUnit(const std::string& label, float* value);
// An angle kept in radians and shown in degrees, on a slider or in a number field; one switch
// chooses between the two for every angle.
void RenderAngle(const std::string& label, float* value);
// The same, with the button "No Angle", which stores -2 (no direction).
void RenderAngleOrNone(const std::string& label, float* value);
void RenderInt(const std::string& label, int* value);
// Never leaves a negative number: an entry below 0 is stored as 0.
void RenderUnsigned(const std::string& label, unsigned int* value);
void RenderString(const std::string& label, std::string* value);
void RenderColor(const std::string& label, fColor* value);
void RenderVec2(const std::string& label, glm::vec2* value);
// Two sliders from 0 to 50.
void RenderVec2Scale(const std::string& label, glm::vec2* value);
// Two numbers dragged with the mouse, without bounds.
void RenderVec2Drag(const std::string& label, glm::vec2* value);
void RenderVec4(const std::string& label, glm::vec4* value);
// A button showing the prefab's name, or "SelectPrefab" when empty, opens a list of the prefabs.
void RenderPrefabName(const std::string& label, std::string* value);

// A sound event path: the button "Change Sound" opens the window "Resource Chooser", which lists
// the paths of the sound list file.
void RenderSoundPath(const std::string& label, std::string* value);
// The names of the four neighbours a menu item passes the focus to: "Up", "Right", "Down", "Left".
void RenderDirectionNames(const std::string& label, std::array<std::string, 4>* value);

// What an entry typed into RenderUnsigned becomes.
unsigned int UnsignedFromEntry(int entry);
