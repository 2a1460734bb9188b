#include "platform/RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
class Descriptor
{
public:
  explicit Descriptor(int opened) : descriptor(opened) {}
  ~Descriptor()
  {
    if (descriptor >= 0)
      close(descriptor);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return descriptor; }

private:
  int descriptor;
};

std::string Because(int error)
{
  return std::string(std::strerror(error)) + ".";
}
}  // namespace

bool ReadRegularFile(const std::string& path, std::size_t sizeLimit, std::string& text, std::string& problem,
                     bool* missing)
{
  text.clear();
  if (missing != nullptr)
    *missing = false;
  // Without O_NONBLOCK, opening a pipe waits for a writer that may never come.
  const Descriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (file.Get() < 0)
  {
    if (missing != nullptr)
      *missing = errno == ENOENT;
    problem = Because(errno);
    return false;
  }
  struct stat status = {};
  if (fstat(file.Get(), &status) != 0)
  {
    problem = Because(errno);
    return false;
  }
  if (S_ISDIR(status.st_mode))
  {
    problem = "It is a folder, not a file.";
    return false;
  }
  if (!S_ISREG(status.st_mode))
  {
    problem = "It is not a regular file (a pipe, a device or a socket).";
    return false;
  }
  const std::string tooLarge = "It is larger than the " + std::to_string(sizeLimit) + " bytes a data file may have.";
  if (static_cast<unsigned long long>(status.st_size) > sizeLimit)
  {
    problem = tooLarge;
    return false;
  }
  // The size may change while the file is read: the limit holds for what is read, not what was seen.
  std::string contents;
  contents.resize(static_cast<std::size_t>(status.st_size) + 1);
  std::size_t filled = 0;
  for (;;)
  {
    if (filled == contents.size())
    {
      if (contents.size() > sizeLimit)
      {
        problem = tooLarge;
        return false;
      }
      contents.resize(std::min(sizeLimit + 1, contents.size() * 2));
    }
    const ssize_t count = read(file.Get(), contents.data() + filled, contents.size() - filled);
    if (count < 0 && errno == EINTR)
      continue;
    if (count < 0)
    {
      problem = Because(errno);
      return false;
    }
    if (count == 0)
      break;
    filled += static_cast<std::size_t>(count);
  }
  if (filled > sizeLimit)
  {
    problem = tooLarge;
    return false;
  }
  contents.resize(filled);
  text = std::move(contents);
  return true;
}
