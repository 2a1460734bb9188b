#include "core/SiteTag.h"

#include "platform/Assert.h"

std::string HandleSite::FunctionName() const
{
  return QualifiedFunctionName(function);
}

std::ostream& operator<<(std::ostream& stream, const HandleSite& site)
{
  return stream << site.file << " | " << site.FunctionName() << " | LINE: " << site.line;
}
