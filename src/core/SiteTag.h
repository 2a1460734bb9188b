#pragma once
// Where an allocation was made: every pooled allocation names its call site, so leak and error
// reports can say which statement made the object.
#include <cstdint>
#include <ostream>
#include <string>

struct BlockHeader;

// Passed by value to every pooled allocation. The texts have static storage (compiler literals).
struct SiteTag
{
  const char* function = "";  // the compiler's signature of the calling function
  const char* file = "";
  int line = 0;
};

// The stored form carried by allocation records and handles. It keeps pointers to the static
// texts of its SiteTag, so copying a handle copies no strings.
struct HandleSite
{
  int line = 0;
  const char* file = "";
  const char* function = "";
  BlockHeader* block = nullptr;

  HandleSite() = default;
  HandleSite(const SiteTag& tag, BlockHeader* header)
      : line(tag.line), file(tag.file ? tag.file : ""), function(tag.function ? tag.function : ""), block(header)
  {
  }

  std::string FileName() const { return file; }
  std::string FunctionName() const;  // qualified name, parameters dropped
};

// "<file> | <function> | LINE: <line>", no line end.
std::ostream& operator<<(std::ostream& stream, const HandleSite& site);

#define BRINDLE_SITE (SiteTag{__PRETTY_FUNCTION__, __FILE__, __LINE__})
