#pragma once
// The owner of one type-erased record buffer: what the renderer keeps per space, layer and pass.
#include "render/DynamicBufferWrapper.h"

#include <memory>
#include <stdexcept>

class InstanceBuffer
{
public:
  InstanceBuffer() = default;
  InstanceBuffer(const InstanceBuffer&) = delete;
  InstanceBuffer& operator=(const InstanceBuffer&) = delete;

  // Appends a record after checking that it has the buffer's record size; a mismatch throws
  // and leaves the buffer as it was.
  template <typename T>
  void PushBack(const T& record)
  {
    if (buffer == nullptr || buffer->ElementSize() != sizeof(T))
      throw std::invalid_argument("Data size does not match this buffer's element size.");
    buffer->PushBack(&record);
  }

  DynamicBufferBase* Get() const { return buffer.get(); }
  void Reset(std::unique_ptr<DynamicBufferBase> replacement) { buffer = std::move(replacement); }

  // Record count, 0 when no buffer is held.
  std::uint32_t Count() const { return buffer == nullptr ? 0 : buffer->Count(); }
  void* Data() const { return buffer == nullptr ? nullptr : buffer->Data(); }
  std::uint32_t ElementSize() const { return buffer == nullptr ? 0 : buffer->ElementSize(); }
  void Clear()
  {
    if (buffer != nullptr)
      buffer->Clear();
  }

private:
  std::unique_ptr<DynamicBufferBase> buffer;
};

// Replaces whatever `instanceBuffer` holds with a new, empty buffer of N-byte records.
template <std::size_t N>
void MakeInstanceBuffer(InstanceBuffer& instanceBuffer)
{
  instanceBuffer.Reset(std::make_unique<DynamicBufferWrapper<N>>());
}
