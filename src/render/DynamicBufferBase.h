#pragma once
// A growable, contiguous array of fixed-size records whose size is known only at run time:
// what drawing components fill during a frame and render passes upload as instance data.
#include <cstdint>

class DynamicBufferBase
{
public:
  virtual std::uint32_t ElementSize() const = 0;
  // Appends one record copied from `element`, which may point into this buffer.
  virtual void PushBack(const void* element) = 0;
  // The first record; records follow each other without gaps. May be null when empty.
  virtual void* Data() = 0;
  virtual std::uint32_t Count() const = 0;
  // Empties the buffer and keeps its capacity, so a steady scene allocates nothing per frame.
  virtual void Clear() = 0;
  virtual ~DynamicBufferBase() = default;
};
