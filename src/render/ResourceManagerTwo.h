#pragma once
// Every texture and shader the renderer uses, found by name, and where each picture lies in the
// one texture atlas. Static state only: the resource list is read once at start-up, unloaded and
// read again by the editor, and asked for pictures by name whenever a sprite changes its source.
//
// Bad data never crashes the program: an unreadable atlas picture is replaced by a one-texel
// magenta texture, malformed meta lines and frame counts below one are reported and skipped or
// mended. An unreadable resource list and a shader that is missing or does not link are reported
// and counted, so the game can stop in order (nothing can be drawn without them). What stops the
// program at once are programming errors: a name loaded twice, a handle to a resource that was
// never loaded.
#include "render/AtlasRegion.h"
#include "render/Resource.h"

#include <cstdint>
#include <map>
#include <string>

class ResourceManagerTwo
{
public:
  ResourceManagerTwo() = delete;

  static constexpr const char* ResourceFilePath = "Assets\\RESOURCES.json";
  // The picture shown in place of any that is missing; a resource list must provide it.
  static constexpr const char* DefaultTexture = "default_texture";

  // False, reported, when the list cannot be read, is not a JSON object or has no "atlas" with
  // "file", "name" and "meta" (nothing is loaded then), or when its atlas has no DefaultTexture.
  static bool LoadResources(const std::string& path);
  // Reads the stored resource list again (the editor's "Reload"): the pictures' names and regions
  // anew, and the atlas picture into the texture it already has, so the passes that draw with it
  // and the shaders they hold stay valid. Returns what LoadResources returns.
  static bool ReloadResources();
  static Graphics::Texture* LoadTexture(const std::string& path, const std::string& name);
  // Null, reported, when a source file cannot be read or the program does not link.
  static Graphics::Shader* LoadShader(const std::string& vertexPath, const std::string& fragmentPath, const std::string& name);
  // One shader stage's source (ReadDataFile). A file that cannot be read is reported and counted
  // among the load failures; false then. For the passes that build their program themselves.
  static bool ReadShaderSource(const std::string& path, std::string& source);
  // How many resource lists and shaders have failed to load in this process.
  static unsigned GetLoadFailures();
  static Resource GetResource(const std::string& name);
  static Graphics::Texture* GetTexture(const std::string& name);
  // The region of a picture by its picture or internal name; a miss gives an all-zero region.
  static AtlasRegion& ResolveTextureName(const std::string& name, bool noDuck);
  static bool HasTexture(const std::string& name);
  static std::string GetFileName(const std::string& internalName);
  static bool ResourceExists(const std::string& name);
  static std::uint32_t GetGeneration();
  static void UnloadResource(const Resource& resource);
  static void UnloadResource(const std::string& name);
  static void UnloadAll();
  static void LoadAtlasMeta(const std::string& metaPath);
  // Lists the loaded resources of one type (every type for NONE) as ImGui selectables; true when
  // the user picked one into `selection` during this call (defined in editor/ResourceChooser.cpp).
  static bool ResourceChooser(ResourceType filter, Resource& selection);
  // Every loaded resource by name.
  static const std::map<std::string, Resource>& GetResources();

  // The editor's "Ducks" switch: while on, about one resolution in twenty yields "Duck".
  static void SetDuckSwitch(bool on);
  static bool GetDuckSwitch();

  // Every atlas region by picture name, for the editor's texture picker.
  static const std::map<std::string, AtlasRegion>& GetAtlasRegions();
  // The stored resource-list path, for the editor's reload.
  static const std::string& GetResourceListPath();

  // The picture base name of a resource-list "file": after the last backslash, before the last ".".
  static std::string BaseName(const std::string& file);

private:
  static bool LoadResourceList(const std::string& path, bool replaceAtlasPicture);
};
