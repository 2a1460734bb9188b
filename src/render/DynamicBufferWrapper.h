#pragma once
#include "render/DynamicBufferBase.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <vector>

// Records of N bytes each, kept as plain bytes so a whole buffer uploads in one call.
template <std::size_t N>
class DynamicBufferWrapper : public DynamicBufferBase
{
public:
  std::uint32_t ElementSize() const override { return static_cast<std::uint32_t>(N); }

  void PushBack(const void* element) override
  {
    const auto* source = static_cast<const unsigned char*>(element);
    if (bytes.size() + N > bytes.capacity() && source >= bytes.data() && source < bytes.data() + bytes.size())
    {
      // Copied out first: growing the array would move a record that lives inside it.
      std::array<unsigned char, N> record;
      std::memcpy(record.data(), element, N);
      bytes.insert(bytes.end(), record.begin(), record.end());
      return;
    }
    bytes.insert(bytes.end(), source, source + N);
  }

  void* Data() override { return bytes.empty() ? nullptr : bytes.data(); }
  std::uint32_t Count() const override { return static_cast<std::uint32_t>(bytes.size() / N); }
  void Clear() override { bytes.clear(); }

private:
  std::vector<unsigned char> bytes;
};
