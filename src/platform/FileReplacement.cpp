#include "platform/FileReplacement.h"

#include <algorithm>
#include <cerrno>
#include <charconv>  // Required for: std::from_chars (a process id in a name, without exceptions)
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
// "<name>.tmp<pid>-XXXXXX": the pid tells a later save whether the writer still lives, and
// mkostemp puts six letters or digits in place of the X's.
std::string TemporaryPrefix(const fs::path& target)
{
  return target.filename().string() + ".tmp";
}
constexpr char RandomPart[] = "-XXXXXX";
constexpr std::size_t RandomLength = sizeof(RandomPart) - 2;

bool IsLetterOrDigit(char character)
{
  return (character >= 'a' && character <= 'z') || (character >= 'A' && character <= 'Z') ||
         (character >= '0' && character <= '9');
}

// The writer of a name this file's saves make, or 0 for any other name: a file of a person's that
// merely looks alike ("GameSettings.tmp4194100-my-notes") is none of ours.
pid_t WriterOfTemporary(const std::string& name, const std::string& prefix)
{
  const std::size_t digitsStart = prefix.size();
  if (name.size() <= digitsStart + RandomLength + 1 || name.compare(0, digitsStart, prefix) != 0)
    return 0;
  const std::size_t dash = name.size() - RandomLength - 1;
  if (name[dash] != '-' || !std::all_of(name.begin() + dash + 1, name.end(), IsLetterOrDigit) ||
      name[digitsStart] == '0')
    return 0;
  // A process id as std::to_string writes it: digits only, no leading zero, within pid_t.
  pid_t writer = 0;
  const std::from_chars_result read = std::from_chars(name.data() + digitsStart, name.data() + dash, writer);
  return read.ec == std::errc() && read.ptr == name.data() + dash ? writer : 0;
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
    // mkostemp makes a regular file; a link or anything else of that name was put there by someone.
    const pid_t writer = WriterOfTemporary(entry.path().filename().string(), prefix);
    std::error_code kindError;
    if (writer <= 0 || !entry.is_regular_file(kindError) || entry.is_symlink(kindError))
      continue;
    if (writer == getpid() || (kill(writer, 0) != 0 && errno == ESRCH))
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
      (target.parent_path() / (TemporaryPrefix(target) + std::to_string(getpid()) + RandomPart)).string();
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
