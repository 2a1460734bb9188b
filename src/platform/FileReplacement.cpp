#include "platform/FileReplacement.h"

#include <cerrno>
#include <csignal>  // Required for: kill(pid, 0) to ask whether a process lives
#include <cstring>
#include <filesystem>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
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

// Root may write any file, so for root a file nobody may write is what "read-only" means; anyone
// else asks the system (their class of the permission bits, and any access list).
bool MayWrite(const fs::path& target, const struct stat& existing)
{
  if (geteuid() == 0)
    return (existing.st_mode & 0222) != 0;
  return faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0;
}

// The target's extended attributes (access lists among them) onto the new file. Best effort: an
// attribute the file system or our rights refuse is left out rather than the save refused.
void CopyExtendedAttributes(const fs::path& target, int descriptor)
{
  const ssize_t listSize = listxattr(target.c_str(), nullptr, 0);
  if (listSize <= 0)
    return;
  std::vector<char> names(static_cast<std::size_t>(listSize));
  const ssize_t listed = listxattr(target.c_str(), names.data(), names.size());
  std::vector<char> value;
  for (ssize_t at = 0; at < listed; at += static_cast<ssize_t>(std::strlen(names.data() + at)) + 1)
  {
    const char* name = names.data() + at;
    const ssize_t size = getxattr(target.c_str(), name, nullptr, 0);
    if (size < 0)
      continue;
    value.resize(static_cast<std::size_t>(size));
    if (getxattr(target.c_str(), name, value.data(), value.size()) == size)
      fsetxattr(descriptor, name, value.data(), value.size(), 0);
  }
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
  if (exists && !MayWrite(target, existing))
  {
    problem = "It is read-only: its permissions allow no writing, so it was left as it is.";
    return false;
  }
  // Replacing one name of a file with several would leave the others holding the old text, and
  // writing it in place could leave it half-written: the person decides.
  if (exists && existing.st_nlink > 1)
  {
    problem = "It has " + std::to_string(existing.st_nlink) +
              " names (hard links); saving would split them, so it was left as it is.";
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
  // The new file takes the old one's owner and group, else the save would hand the file to
  // whoever saved it; where that is not allowed, the file is left as it is.
  struct stat made = {};
  const bool sameOwner = fstat(descriptor, &made) == 0 && made.st_uid == existing.st_uid && made.st_gid == existing.st_gid;
  if (exists && !sameOwner && fchown(descriptor, existing.st_uid, existing.st_gid) != 0)
  {
    const int ownerError = errno;
    close(descriptor);
    unlink(temporary.c_str());
    problem = Because("It belongs to another user, and a saved copy could not keep its owner", ownerError);
    return false;
  }
  if (exists)
    CopyExtendedAttributes(target, descriptor);
  // After the owner: changing the owner clears the set-user and set-group bits.
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
