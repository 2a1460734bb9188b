#include "render/InstancedRenderPass.h"

#include "render/Framebuffer.h"
#include "render/Graphics.h"
#include "render/InstanceBuffer.h"
#include "render/InstanceData.h"
#include "render/Layer.h"
#include "render/Renderbuffer.h"
#include "render/ResourceManagerTwo.h"
#include "render/Shader.h"
#include "render/Texture.h"
#include "render/UnitQuad.h"

#include <glm/gtc/type_ptr.hpp>  // Required for: glm::value_ptr

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace Graphics
{
namespace
{
void InstanceAttribute(GLuint index, GLint components, std::size_t offset)
{
  glEnableVertexAttribArray(index);
  glVertexAttribPointer(index, components, GL_FLOAT, GL_FALSE, sizeof(InstanceData), reinterpret_cast<const void*>(offset));
  glVertexAttribDivisor(index, 1);
}
}  // namespace

InstancedRenderPass::InstancedRenderPass(Texture* atlasTexture) : Pass(Order), atlas(atlasTexture)
{
  // A stage that cannot be read is reported and counted; the program is still made (it will not
  // link), so the pass stays whole until the session stops in order.
  std::string vertexSource;
  std::string fragmentSource;
  ResourceManagerTwo::ReadShaderSource("Assets/Shaders/atlass.vs", vertexSource);
  ResourceManagerTwo::ReadShaderSource("Assets/Shaders/atlass.frag", fragmentSource);
  shader = std::make_unique<Shader>(vertexSource.c_str(), fragmentSource.c_str());

  CreateUnitQuad(vertexArray, quadBuffer);
  glEnableVertexAttribArray(6);
  glVertexAttribPointer(6, 2, GL_FLOAT, GL_FALSE, 2 * sizeof(float), nullptr);

  glGenBuffers(1, &instanceBuffer);
  glBindBuffer(GL_ARRAY_BUFFER, instanceBuffer);
  InstanceAttribute(0, 4, offsetof(InstanceData, uvRect));
  for (GLuint row = 0; row < 4; ++row)
    InstanceAttribute(1 + row, 4, offsetof(InstanceData, model) + row * 4 * sizeof(float));
  InstanceAttribute(5, 4, offsetof(InstanceData, color));
  InstanceAttribute(7, 1, offsetof(InstanceData, sortY));
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  glBindVertexArray(0);

  atlasLocation = shader->GetUniformLocation("atlass");
  projectionLocation = shader->GetUniformLocation("projection");
  underLocation = shader->GetUniformLocation("under");

  depth = std::make_unique<Renderbuffer>();
  framebuffer = std::make_unique<Framebuffer>();
  framebuffer->Bind();
  framebuffer->AttachRenderbuffer(depth.get(), GL_DEPTH_ATTACHMENT);
  Framebuffer::BindDefault();
}

InstancedRenderPass::~InstancedRenderPass()
{
  // The program stays: programs live until the process ends.
  glDeleteBuffers(1, &instanceBuffer);
  glDeleteBuffers(1, &quadBuffer);
  glDeleteVertexArrays(1, &vertexArray);
}

void InstancedRenderPass::Render(Texture*, Texture* target, Layer* layer, InstanceBuffer* buffer)
{
  shader->Use();
  Texture::Activate(GL_TEXTURE0);
  atlas->Bind();
  glUniform1i(atlasLocation, 0);
  glUniformMatrix4fv(projectionLocation, 1, GL_FALSE, glm::value_ptr(renderer->projection));

  framebuffer->DrawInto(target);
  glBindBuffer(GL_ARRAY_BUFFER, instanceBuffer);

  const std::uint32_t count = buffer->Count();
  const auto* records = static_cast<const InstanceData*>(buffer->Data());
  const auto bytes = static_cast<GLsizeiptr>(count) * static_cast<GLsizeiptr>(sizeof(InstanceData));
  if (layer->sortByY && count > 1)
    UploadSorted(records, count);
  else
    glBufferData(GL_ARRAY_BUFFER, bytes, records, GL_STREAM_DRAW);

  glBindVertexArray(vertexArray);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glViewport(0, 0, static_cast<GLsizei>(target->GetWidth()), static_cast<GLsizei>(target->GetHeight()));
  glDrawArraysInstanced(GL_TRIANGLES, 0, 6, static_cast<GLsizei>(count));

  glBindVertexArray(0);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  framebuffer->AttachTexture(nullptr, GL_COLOR_ATTACHMENT0);
  buffer->Clear();
}

void InstancedRenderPass::EndFrame()
{
  glClearDepth(1.0);
  Graphics::ClearDepth(depth.get(), framebuffer.get());
}

bool InstancedRenderPass::AppendContent(const InstanceBuffer& buffer, const Layer& layer, std::vector<unsigned char>& content)
{
  // The order drawn follows from the records and the layer's sorting.
  const std::uint32_t version = atlas != nullptr ? atlas->GetVersion() : 0;
  Append(content, &version, sizeof(version));
  Append(content, &layer.sortByY, sizeof(layer.sortByY));
  AppendRecords(content, buffer);
  return true;
}

void InstancedRenderPass::UploadSorted(const InstanceData* records, std::uint32_t count)
{
  // Greatest first, so what stands lower on screen is drawn later, over what stands behind it;
  // equal values keep their filing order. Only the keys are sorted: the records are copied once,
  // in that order, straight into the GL buffer.
  keys.resize(count);
  for (std::uint32_t index = 0; index < count; ++index)
    keys[index] = {records[index].sortY, index};
  std::sort(keys.begin(), keys.end(), [](const SortKey& a, const SortKey& b) {
    return a.sortY > b.sortY || (a.sortY == b.sortY && a.index < b.index);
  });
  const auto bytes = static_cast<GLsizeiptr>(count) * static_cast<GLsizeiptr>(sizeof(InstanceData));
  glBufferData(GL_ARRAY_BUFFER, bytes, nullptr, GL_STREAM_DRAW);
  auto* mapped = static_cast<InstanceData*>(
      glMapBufferRange(GL_ARRAY_BUFFER, 0, bytes, GL_MAP_WRITE_BIT | GL_MAP_INVALIDATE_BUFFER_BIT));
  if (mapped == nullptr)
  {
    // No mapping to be had: the sorted copy goes up as an ordinary upload.
    sorted.resize(count);
    for (std::uint32_t position = 0; position < count; ++position)
      sorted[position] = records[keys[position].index];
    glBufferData(GL_ARRAY_BUFFER, bytes, sorted.data(), GL_STREAM_DRAW);
    return;
  }
  for (std::uint32_t position = 0; position < count; ++position)
    std::memcpy(mapped + position, records + keys[position].index, sizeof(InstanceData));
  glUnmapBuffer(GL_ARRAY_BUFFER);
}
}  // namespace Graphics
