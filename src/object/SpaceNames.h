#pragma once
// The names of the spaces the level flow puts up, in one place: code that reaches into another
// space than its own (the HUD's displays, the score keeper, the menus) names it with these.
// The "HUD" space shows the level of the same name.
namespace SpaceNames
{
inline constexpr const char* Hud = "HUD";
inline constexpr const char* Admin = "Admin";
inline constexpr const char* Utility = "Utility";
inline constexpr const char* Overworld = "Overworld";
inline constexpr const char* OverworldHud = "OW_HUD";
inline constexpr const char* Encounter = "Encounter";
inline constexpr const char* MenuSpace0 = "MenuSpace0";
inline constexpr const char* MenuSpace1 = "MenuSpace1";
// Where the player's Health keeps its heartbeat overlay.
inline constexpr const char* HealthIndicator = "HealthIndicatorSpace";
// The title screen's space, where the player's ship stands still.
inline constexpr const char* StartSpace = "StartSpace";
}  // namespace SpaceNames
