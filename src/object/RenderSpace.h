#pragma once
// What the renderer needs of a space: its name, which keys and orders the records it files.
// `Space` implements it; tests draw through small stand-ins.
#include <string>

namespace Graphics
{
class RenderSpace
{
public:
  virtual std::string GetSpaceName() const = 0;

protected:
  ~RenderSpace() = default;
};
}  // namespace Graphics
