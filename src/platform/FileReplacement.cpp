#include "platform/FileReplacement.h"

#include <cerrno>
#include <csignal>  // Required for: kill(pid, 0) to ask whether a process lives
#include <cstring>
#include <filesystem>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
// "<name>.tmp<pid>-XXXXXX": the pid tells a later save whether the writer still lives.
std::string TemporaryPrefix(const fs::path& target)
{
  return target.filename().string() + ".tmp";
}

std::string Because(const char* what, int error)
{
  return std::string(what) + ": " + std::strerror(error) + ".";
}

// Removes the temporary files of this target whose writer is gone: a save killed before its rename.
void RemoveStaleTemporaries(const fs::path& target)
{
  const std::string prefix = TemporaryPrefix(target);
  std::error_code error;
  std::vector<fs::path> stale;
  for (const fs::directory_entry& entry : fs::directory_iterator(target.parent_path(), error))
  {
    const std::string name = entry.path().filename().string();
    if (name.compare(0, prefix.size(), prefix) != 0)
      continue;
    const std::size_t dash = name.find('-', prefix.size());
    if (dash == std::string::npos || dash == prefix.size() ||
        name.find_first_not_of("0123456789", prefix.size()) != dash)
      continue;
    const long writer = std::stol(name.substr(prefix.size(), dash - prefix.size()));
    if (writer == static_cast<long>(getpid()) || (kill(static_cast<pid_t>(writer), 0) != 0 && errno == ESRCH))
      stale.push_back(entry.path());
  }
  for (const fs::path& path : stale)
    unlink(path.c_str());  // a link itself, never what it points to
}

mode_t ModeForNewFile()
{
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int descriptor, const std::string& text)
{
  std::size_t written = 0;
  while (written < text.size())
  {
    const ssize_t count = write(descriptor, text.data() + written, text.size() - written);
    if (count < 0 && errno == EINTR)
      continue;
    if (count <= 0)
      return false;
    written += static_cast<std::size_t>(count);
  }
  return true;
}

void SyncFolder(const fs::path& folder)
{
  const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0)
    return;
  fsync(descriptor);
  close(descriptor);
}
}  // namespace

bool ReplaceFileContents(const std::string& path, const std::string& text, std::string& problem)
{
  fs::path target = fs::absolute(fs::path(path));
  // A link is saved through: its target is what is replaced (made, when the link points at nothing
  // yet), and the link stays as the user made it.
  std::error_code error;
  for (int hops = 0; fs::is_symlink(fs::symlink_status(target, error)); ++hops)
  {
    const fs::path next = fs::read_symlink(target, error);
    if (error || hops == 40)
    {
      problem = "It is a link that leads nowhere or in a circle.";
      return false;
    }
    target = (next.is_absolute() ? next : target.parent_path() / next).lexically_normal();
  }
  struct stat existing = {};
  const bool exists = stat(target.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode))
  {
    problem = "It is a folder, not a file.";
    return false;
  }
  if (exists && !S_ISREG(existing.st_mode))
  {
    problem = "It is not a regular file.";
    return false;
  }

  RemoveStaleTemporaries(target);
  std::string temporary =
      (target.parent_path() / (TemporaryPrefix(target) + std::to_string(getpid()) + "-XXXXXX")).string();
  // Exclusive creation under a random name: whatever already has that name makes this fail.
  const int descriptor = mkostemp(temporary.data(), O_CLOEXEC);
  if (descriptor < 0)
  {
    problem = Because("Its folder takes no new file", errno);
    return false;
  }
  const mode_t mode = exists ? (existing.st_mode & 07777) : ModeForNewFile();
  const bool written = fchmod(descriptor, mode) == 0 && WriteAll(descriptor, text) && fsync(descriptor) == 0;
  const int writeError = errno;
  if (close(descriptor) != 0 || !written)
  {
    unlink(temporary.c_str());
    problem = Because("Writing it failed", written ? errno : writeError);
    return false;
  }
  if (rename(temporary.c_str(), target.c_str()) != 0)
  {
    const int renameError = errno;
    unlink(temporary.c_str());
    problem = Because("It could not be replaced", renameError);
    return false;
  }
  SyncFolder(target.parent_path());
  return true;
}
