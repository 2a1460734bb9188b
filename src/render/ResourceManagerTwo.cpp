#include "render/ResourceManagerTwo.h"

#include "core/FileUtilities.h"
#include "core/JsonFields.h"
#include "core/Log.h"
#include "platform/Assert.h"
#include "platform/Random.h"
#include "render/Shader.h"
#include "render/Texture.h"

#include <GL/glew.h>
#include <SOIL/SOIL.h>

#include <cstdlib>
#include <memory>
#include <sstream>
#include <vector>

namespace
{
struct ResourceState
{
  std::string resourceFilePath = ResourceManagerTwo::ResourceFilePath;
  std::map<std::string, std::unique_ptr<Graphics::Texture>> textures;
  std::map<std::string, std::unique_ptr<Graphics::Shader>> shaders;
  std::map<std::string, std::unique_ptr<VertexArrayResource>> vertexArrays;
  std::map<std::string, Resource> index;
  std::map<std::string, AtlasRegion> atlasRegions;
  std::map<std::string, std::string> fileNames;
  std::uint32_t generation = 1;
  bool duckSwitch = false;
  unsigned loadFailures = 0;
};

ResourceState& State()
{
  static ResourceState state;
  return state;
}

// What a missing or undecodable picture shows instead: one loud magenta texel.
constexpr unsigned char FallbackTexel[4] = {255, 0, 255, 255};

// Whether a picture can be resolved by its picture or internal name, without the warnings of HasTexture.
bool CanResolve(const ResourceState& state, const std::string& name)
{
  if (state.atlasRegions.count(name) != 0)
    return true;
  const auto fileName = state.fileNames.find(name);
  return fileName != state.fileNames.end() && state.atlasRegions.count(fileName->second) != 0;
}

void SetRegion(AtlasRegion& region, float x, float y, float w, float h, std::uint32_t frameCount)
{
  const float frameWidth = w / static_cast<float>(frameCount);
  region.rect[0] = x;
  region.rect[1] = y + h;
  region.rect[2] = x + w;
  region.rect[3] = y;
  region.firstFrame[0] = x;
  region.firstFrame[1] = y + h;
  region.firstFrame[2] = x + frameWidth;
  region.firstFrame[3] = y;
  region.frameSize[0] = frameWidth;
  region.frameSize[1] = h;
  region.frameCount = frameCount;
}

// A picture as RGBA rows, top row first; the fallback texel when the file cannot be read (reported).
struct Picture
{
  std::uint32_t width = 1;
  std::uint32_t height = 1;
  std::vector<unsigned char> pixels;
};

Picture ReadPicture(const std::string& path)
{
  Picture picture;
  int width = 0;
  int height = 0;
  int channels = 0;
  // Decoded from the bytes we read: SOIL opening the path itself would wait on a pipe for good.
  std::string bytes;
  std::string problem;
  unsigned char* pixels = nullptr;
  if (ReadDataFile(path, bytes, problem))
    pixels = SOIL_load_image_from_memory(reinterpret_cast<const unsigned char*>(bytes.data()),
                                         static_cast<int>(bytes.size()), &width, &height, &channels, SOIL_LOAD_RGBA);
  if (pixels == nullptr || width <= 0 || height <= 0)
  {
    if (problem.empty())
      LogError("Failed to load image: ", path);
    else
      LogError("Failed to load image: ", path, ". ", problem);
    picture.pixels.assign(std::begin(FallbackTexel), std::end(FallbackTexel));
  }
  else
  {
    picture.width = static_cast<std::uint32_t>(width);
    picture.height = static_cast<std::uint32_t>(height);
    picture.pixels.assign(pixels, pixels + static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
  }
  if (pixels != nullptr)
    SOIL_free_image_data(pixels);
  return picture;
}

// Reads "name = x y w h"; false for a line that does not have that shape.
bool ParseMetaLine(const std::string& line, std::string& name, float numbers[4])
{
  if (line.find('=') == std::string::npos)
    return false;
  const std::vector<std::string> pieces = SplitString(line, '=');
  if (pieces.size() < 2)
    return false;
  name = pieces[0];
  // The builder writes one blank before "="; trimming all of them also accepts "name=...".
  while (!name.empty() && (name.back() == ' ' || name.back() == '\t'))
    name.pop_back();
  if (name.empty())
    return false;
  const std::vector<std::string> values = SplitString(pieces[1], ' ');
  if (values.size() < 4)
    return false;
  for (int i = 0; i < 4; ++i)
    numbers[i] = static_cast<float>(std::atoi(values[i].c_str()));
  return true;
}
}  // namespace

bool ResourceManagerTwo::LoadResources(const std::string& path)
{
  return LoadResourceList(path, false);
}

bool ResourceManagerTwo::LoadResourceList(const std::string& path, bool replaceAtlasPicture)
{
  ResourceState& state = State();
  state.resourceFilePath = path;
  Json::Value root;
  const bool read = ReadJsonFile(root, path);
  if (read && !root.isObject())
    LogError("The resource list ", path, " is not a JSON object");
  // The atlas is what everything is drawn from: a list without one is as unusable as a broken one.
  std::string atlasFile;
  std::string atlasName;
  std::string atlasMeta;
  const std::string atlasWhere = path + " \"atlas\"";
  const char* const unusable = "the resource list cannot be used";
  const bool hasAtlas = read && root.isObject() &&
                        ReadRequiredField(FieldOf(root, "atlas"), "file", atlasFile, atlasWhere, unusable) &&
                        ReadRequiredField(FieldOf(root, "atlas"), "name", atlasName, atlasWhere, unusable) &&
                        ReadRequiredField(FieldOf(root, "atlas"), "meta", atlasMeta, atlasWhere, unusable);
  if (!hasAtlas)
  {
    // Bad content, not a fault of the program: reported without a check (and its message box).
    LogError("You fucked up the resource file: ", path);
    ++state.loadFailures;
    return false;
  }
  // Read again, the atlas keeps its texture: the passes draw with it.
  if (const auto loaded = state.textures.find(atlasName); replaceAtlasPicture && loaded != state.textures.end())
  {
    const Picture picture = ReadPicture(atlasFile);
    loaded->second->Replace(picture.width, picture.height, picture.pixels.data());
  }
  else
    LoadTexture(atlasFile, atlasName);
  LoadAtlasMeta(atlasMeta);

  const Json::Value& resources = root["resources"];
  if (!resources.isNull() && !resources.isArray())
    ReportFieldProblem(path, "resources", "expected an array", "no picture gets a name");
  if (resources.isArray())
  {
    for (const Json::Value& entry : resources)
    {
      std::string type;
      if (!ReadField(entry, "type", type, path, "the entry is skipped") || type != "atlasSubtexture")
        continue;
      std::string file;
      std::string internalName;
      int frameCount = 0;
      ReadField(entry, "file", file, path);
      ReadField(entry, "name", internalName, path);
      ReadField(entry, "framecount", frameCount, path);
      const std::string baseName = BaseName(file);
      auto region = state.atlasRegions.find(baseName);
      if (region != state.atlasRegions.end())
      {
        if (frameCount < 1)
        {
          // Frames would have no or negative width; one frame keeps every later division sound.
          LogError("\"framecount\" of ", internalName, " is ", frameCount, "; using 1");
          frameCount = 1;
        }
        const AtlasRegion& old = region->second;
        const float x = old.rect[0];
        const float y = old.rect[3];
        SetRegion(region->second, x, y, old.rect[2] - x, old.rect[1] - y, static_cast<std::uint32_t>(frameCount));
      }
      else
      {
        LogLine("\"", baseName, " was in resource meta data, but was not found in atlas metadata");
      }
      state.fileNames[internalName] = baseName;
    }
  }
  ++state.generation;
  // Every sprite and particle whose picture is missing shows this one; without it they show nothing.
  if (!CanResolve(state, DefaultTexture))
  {
    LogError("The resource list ", path, " has no \"", DefaultTexture, "\" picture in its atlas");
    LogError("You fucked up the resource file: ", path);
    ++state.loadFailures;
    return false;
  }
  return true;
}

bool ResourceManagerTwo::ReloadResources()
{
  ResourceState& state = State();
  state.atlasRegions.clear();
  state.fileNames.clear();
  return LoadResourceList(state.resourceFilePath, true);
}

unsigned ResourceManagerTwo::GetLoadFailures()
{
  return State().loadFailures;
}

std::string ResourceManagerTwo::BaseName(const std::string& file)
{
  const std::size_t slash = file.rfind('\\');
  const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t dot = file.rfind('.');
  if (dot == std::string::npos || dot < start)
    return file.substr(start);
  return file.substr(start, dot - start);
}

Graphics::Texture* ResourceManagerTwo::LoadTexture(const std::string& path, const std::string& name)
{
  ResourceState& state = State();
  if (state.index.count(name) != 0)
  {
    // A resource list that names a texture twice: the first stays.
    LogError("Resource `", name, "' already exists");
    return state.textures.count(name) != 0 ? state.textures[name].get() : nullptr;
  }
  const Picture picture = ReadPicture(path);
  auto texture = std::make_unique<Graphics::Texture>(picture.width, picture.height, picture.pixels.data(), GL_RGBA);
  Graphics::Texture* result = texture.get();
  state.textures[name] = std::move(texture);
  state.index[name] = Resource(result, name);
  return result;
}

Graphics::Shader* ResourceManagerTwo::LoadShader(const std::string& vertexPath, const std::string& fragmentPath,
                                                 const std::string& name)
{
  ResourceState& state = State();
  if (state.textures.count(name) != 0)
  {
    // The resource list named its atlas after one of our shaders: bad data, and nothing can be drawn.
    LogError("Resource `", name, "' already exists: the resource list's atlas takes the name of a shader");
    ++state.loadFailures;
    return nullptr;
  }
  if (state.index.count(name) != 0)
  {
    AssertFatal("Resource `" + name + "' already exists", __LINE__, __FILE__, "ResourceManagerTwo::LoadShader");
    FatalCheckFailed();
    return state.shaders.count(name) != 0 ? state.shaders[name].get() : nullptr;
  }
  std::string vertexSource;
  std::string fragmentSource;
  if (!ReadShaderSource(vertexPath, vertexSource) || !ReadShaderSource(fragmentPath, fragmentSource))
    return nullptr;
  auto shader = std::make_unique<Graphics::Shader>(vertexSource.c_str(), fragmentSource.c_str());
  if (!shader->IsLinked())
  {
    LogError("Shader ", name, " (", vertexPath, ", ", fragmentPath, ") did not link");
    ++state.loadFailures;
    return nullptr;
  }
  Graphics::Shader* result = shader.get();
  state.shaders[name] = std::move(shader);
  state.index[name] = Resource(result, name);
  return result;
}

bool ResourceManagerTwo::ReadShaderSource(const std::string& path, std::string& source)
{
  std::string problem;
  if (ReadDataFile(path, source, problem))
    return true;
  LogError("Could not open shader file: ", path, " (shader file problem). ", problem);
  ++State().loadFailures;
  return false;
}

Resource ResourceManagerTwo::GetResource(const std::string& name)
{
  ResourceState& state = State();
  auto entry = state.index.find(name);
  if (entry == state.index.end())
  {
    AssertFatal("Tried to get non existent resource", __LINE__, __FILE__, "ResourceManagerTwo::GetResource");
    FatalCheckFailed();
    return Resource();
  }
  return entry->second;
}

Graphics::Texture* ResourceManagerTwo::GetTexture(const std::string& name)
{
  ResourceState& state = State();
  auto texture = state.textures.find(name);
  if (texture != state.textures.end())
    return texture->second.get();
  // A resource list naming its atlas wrongly must not end the game: report once (the renderer asks
  // every frame), then hand out the magenta texture so everything still draws, visibly wrong.
  if (FirstTimeFor("ResourceManagerTwo::GetTexture " + name))
  {
    LogError("Texture does not exist");
    BRINDLE_CHECK(false, "because fuck you that's why");
  }
  static std::unique_ptr<Graphics::Texture> fallback;
  if (fallback == nullptr)
    fallback = std::make_unique<Graphics::Texture>(1, 1, FallbackTexel, GL_RGBA);
  return fallback.get();
}

AtlasRegion& ResourceManagerTwo::ResolveTextureName(const std::string& name, bool noDuck)
{
  ResourceState& state = State();
  if (!noDuck && state.duckSwitch && Random() % 20 == 0)
  {
    auto duck = state.atlasRegions.find("Duck");
    if (duck != state.atlasRegions.end())
      return duck->second;
    return state.atlasRegions[GetFileName("Duck")];
  }
  auto region = state.atlasRegions.find(name);
  if (region != state.atlasRegions.end())
    return region->second;
  return state.atlasRegions[GetFileName(name)];
}

bool ResourceManagerTwo::HasTexture(const std::string& name)
{
  ResourceState& state = State();
  if (name.empty())
  {
    Log(LogLevel::Warning, "[Warning] Resource string is empty");
    return false;
  }
  if (state.atlasRegions.count(name) != 0)
    return true;
  auto fileName = state.fileNames.find(name);
  if (fileName != state.fileNames.end() && state.atlasRegions.count(fileName->second) != 0)
    return true;
  LogWarning("There is no filename mapping for the internal resource name: ", name,
             ".  Try running the atlas builder.");
  return false;
}

std::string ResourceManagerTwo::GetFileName(const std::string& internalName)
{
  ResourceState& state = State();
  if (internalName.empty())
  {
    LogError("Cannot map an empty internal name");
    return "";
  }
  auto fileName = state.fileNames.find(internalName);
  if (fileName != state.fileNames.end())
    return fileName->second;
  LogError("Could not find the file name for resource: ", internalName, ".  Try running the atlas builder.");
  return "";
}

bool ResourceManagerTwo::ResourceExists(const std::string& name)
{
  return State().index.count(name) != 0;
}

std::uint32_t ResourceManagerTwo::GetGeneration()
{
  return State().generation;
}

void ResourceManagerTwo::UnloadResource(const Resource& resource)
{
  ResourceState& state = State();
  // Copied first: `resource` may be the index entry that is about to go.
  const std::string name = resource.name;
  const ResourceType type = resource.type;
  state.index.erase(name);
  switch (type)
  {
    case TEXTURE:
      state.textures.erase(name);
      break;
    case SHADER:
      state.shaders.erase(name);
      break;
    case VERTEX_ARRAY:
    {
      auto pair = state.vertexArrays.find(name);
      if (pair != state.vertexArrays.end())
      {
        glDeleteVertexArrays(1, &pair->second->vertexArray);
        glDeleteBuffers(1, &pair->second->buffer);
        state.vertexArrays.erase(pair);
      }
      break;
    }
    default:
      break;
  }
  ++state.generation;
}

void ResourceManagerTwo::UnloadResource(const std::string& name)
{
  ResourceState& state = State();
  auto entry = state.index.find(name);
  UnloadResource(entry != state.index.end() ? Resource(entry->second) : Resource());
}

void ResourceManagerTwo::UnloadAll()
{
  ResourceState& state = State();
  state.shaders.clear();
  state.textures.clear();
  for (auto& pair : state.vertexArrays)
  {
    glDeleteVertexArrays(1, &pair.second->vertexArray);
    glDeleteBuffers(1, &pair.second->buffer);
  }
  state.vertexArrays.clear();
  state.index.clear();
  state.atlasRegions.clear();
}

void ResourceManagerTwo::LoadAtlasMeta(const std::string& metaPath)
{
  std::string text;
  std::string problem;
  bool missing = false;
  if (!ReadDataFile(metaPath, text, problem, &missing))
  {
    // A missing file is the list's to report (no picture then resolves); one that is there but
    // cannot be read would otherwise leave no trace of why.
    if (!missing)
      LogError("Could not read atlas meta file ", metaPath, ". ", problem);
    return;
  }
  std::istringstream file(text);
  ResourceState& state = State();
  std::string line;
  int lineNumber = 0;
  while (std::getline(file, line))
  {
    ++lineNumber;
    // Files written on Windows end their lines in "\r\n"; the "\r" would end up in the names.
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    if (line.empty())
      break;
    std::string name;
    float numbers[4];
    if (!ParseMetaLine(line, name, numbers))
    {
      LogError("Skipped malformed line ", lineNumber, " of atlas meta file ", metaPath, ": ", line);
      continue;
    }
    SetRegion(state.atlasRegions[name], numbers[0], numbers[1], numbers[2], numbers[3], 1);
  }
}

void ResourceManagerTwo::SetDuckSwitch(bool on)
{
  State().duckSwitch = on;
}

bool ResourceManagerTwo::GetDuckSwitch()
{
  return State().duckSwitch;
}

const std::map<std::string, AtlasRegion>& ResourceManagerTwo::GetAtlasRegions()
{
  return State().atlasRegions;
}

const std::map<std::string, Resource>& ResourceManagerTwo::GetResources()
{
  return State().index;
}

const std::string& ResourceManagerTwo::GetResourceListPath()
{
  return State().resourceFilePath;
}
