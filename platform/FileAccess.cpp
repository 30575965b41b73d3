#include "platform/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <utility>

namespace {

bool Fail(std::string* error, const char* what, const std::string& path, int err) {
  if (err == 0) err = EIO;  // a stdio failure that left errno alone
  if (error) *error = std::string(what) + " \"" + path + "\": " + std::strerror(err);
  return false;
}

SaveFailureHook saveFailureHook = nullptr;

int InjectedFailure(SaveStep step, std::size_t bytesWritten = 0) {
  return saveFailureHook ? saveFailureHook(step, bytesWritten) : 0;
}

// Closes a descriptor when it goes out of scope.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int Get() const { return fd_; }
  // Closes now and reports whether the close succeeded.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// Reads up to n bytes, fewer only at the end of the file. -1 on an error.
ssize_t ReadFully(int fd, unsigned char* to, std::size_t n) {
  std::size_t done = 0;
  while (done < n) {
    const ssize_t r = ::read(fd, to + done, n - done);
    if (r < 0 && errno == EINTR) continue;
    if (r < 0) return -1;
    if (r == 0) break;
    done += static_cast<std::size_t>(r);
  }
  return static_cast<ssize_t>(done);
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a path names after following symbolic links (a link to a file
// that does not exist yet gives that file's path).
std::string FollowLinks(const std::string& path) {
  std::string current = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st;
    if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
    std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
    const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
    if (n < 0) return current;
    target.resize(static_cast<std::size_t>(n));
    if (target.starts_with('/'))
      current = std::move(target);
    else
      current = FolderOf(current).append("/").append(target);
  }
  return current;
}

// The longest file name the folder takes (NAME_MAX where the system does not say).
std::size_t NameLengthLimit(const std::string& folder) {
  const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
  return limit > 0 ? static_cast<std::size_t>(limit) : NAME_MAX;
}

// A mkstemp template beside finalPath: "." + its name + ".saving-XXXXXX".
// A long name is shortened (never inside a UTF-8 character) so that the
// temporary name is no longer than the folder allows: any name that the file
// system takes can be saved.
std::string TemporaryPathBeside(const std::string& finalPath) {
  static constexpr std::string_view kSuffix = ".saving-XXXXXX";
  const std::string folder = FolderOf(finalPath);
  const std::size_t slash = finalPath.rfind('/');
  std::string name = slash == std::string::npos ? finalPath : finalPath.substr(slash + 1);
  const std::size_t limit = NameLengthLimit(folder);
  const std::size_t room = limit > kSuffix.size() + 1 ? limit - kSuffix.size() - 1 : 0;
  if (name.size() > room) {
    std::size_t cut = room;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
    name.resize(cut);
  }
  return folder + "/." + name + std::string(kSuffix);
}

// Writes all bytes to fd, asking the failure hook before every block.
int WriteAll(int fd, const unsigned char* data, std::size_t size) {
  constexpr std::size_t kBlock = 1 << 16;
  std::size_t done = 0;
  while (done < size) {
    if (const int injected = InjectedFailure(SaveStep::Write, done)) return injected;
    const ssize_t w = ::write(fd, data + done, std::min(kBlock, size - done));
    if (w < 0 && errno == EINTR) continue;
    if (w < 0) return errno;
    if (w == 0) return ENOSPC;
    done += static_cast<std::size_t>(w);
  }
  return 0;
}

// The permissions a new file gets: those of the file it replaces, or what
// the process's umask leaves of rw-rw-rw-.
mode_t NewFileMode(const struct stat* replaced) {
  if (replaced) return replaced->st_mode & 07777;
  const mode_t mask = ::umask(022);
  ::umask(mask);
  return 0666 & ~mask;
}

// Writes bytes to a new temporary file beside finalPath, flushed to the disk.
// Returns 0 and the temporary file's path, or the errno of the failure (the
// temporary file is then gone).
int WriteTemporaryFile(const std::string& finalPath, const unsigned char* data, std::size_t size, mode_t mode,
                       std::string& temporary) {
  temporary = TemporaryPathBeside(finalPath);
  FileDescriptor fd(::mkstemp(temporary.data()));
  if (fd.Get() < 0) {
    temporary.clear();
    return errno;
  }
  int err = WriteAll(fd.Get(), data, size);
  if (err == 0 && ::fchmod(fd.Get(), mode) != 0) err = errno;
  if (err == 0) err = InjectedFailure(SaveStep::Sync);
  if (err == 0 && ::fsync(fd.Get()) != 0) err = errno;
  if (err == 0 && !fd.Close()) err = errno;
  if (err != 0) {
    ::unlink(temporary.c_str());
    temporary.clear();
  }
  return err;
}

// A second name for the file at path, beside backupPath: a hard link, or a
// copy where the file system has none. 0 or the errno of the failure.
int KeepPreviousVersion(const std::string& path, const struct stat& st, const std::string& backupPath,
                        std::string& kept) {
  if (const int injected = InjectedFailure(SaveStep::Backup)) return injected;
  const std::string folder = FolderOf(backupPath);
  for (int attempt = 0; attempt < 100; ++attempt) {
    kept = folder + "/.previous-" + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".tmp";
    if (::link(path.c_str(), kept.c_str()) == 0) return 0;
    if (errno != EEXIST) break;
  }
  std::vector<unsigned char> bytes;
  if (!ReadWholeFile(path, bytes, nullptr)) {
    kept.clear();
    return errno ? errno : EIO;
  }
  const int err = WriteTemporaryFile(backupPath, bytes.data(), bytes.size(), st.st_mode & 07777, kept);
  if (err != 0) kept.clear();
  return err;
}

void SyncFolder(const std::string& folder) {
  FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Get() >= 0) ::fsync(fd.Get());
}

int Rename(SaveStep step, const std::string& from, const std::string& to) {
  if (const int injected = InjectedFailure(step)) return injected;
  return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

bool Refuse(std::string* reason, int err) {
  if (reason) *reason = std::strerror(err);
  return false;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::vector<unsigned char>& out, std::string* error) {
  out.clear();
  errno = 0;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return Fail(error, "Cannot open", path, errno);

  unsigned char chunk[65536];
  std::size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) out.insert(out.end(), chunk, chunk + n);
  if (std::ferror(f)) {
    const int err = errno;
    std::fclose(f);
    out.clear();
    return Fail(error, "Cannot read", path, err);
  }
  std::fclose(f);
  return true;
}

bool ReadBoundedFile(
    const std::string& path, std::size_t maxBytes, std::size_t prefixBytes,
    const std::function<bool(std::span<const unsigned char>, const std::string&)>& acceptPrefix,
    std::vector<unsigned char>& out, std::string* error, BoundedReadRefusal* refusal) {
  out.clear();
  auto refuse = [&](BoundedReadRefusal why, const char* what, int err) {
    if (refusal) *refusal = why;
    return Fail(error, what, path, err);
  };
  if (refusal) *refusal = BoundedReadRefusal::None;
  // Non-blocking, so that opening a FIFO without a writer does not wait.
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.Get() < 0) return refuse(BoundedReadRefusal::CannotOpen, "Cannot open", errno);
  struct stat st;
  if (::fstat(fd.Get(), &st) != 0) return refuse(BoundedReadRefusal::CannotOpen, "Cannot open", errno);
  if (!S_ISREG(st.st_mode))
    return refuse(BoundedReadRefusal::NotRegularFile, "Not a regular file",
                  S_ISDIR(st.st_mode) ? EISDIR : EINVAL);

  // The first bytes tell what the file is meant to be, also when it is too
  // large to be read.
  std::vector<unsigned char> bytes(std::min(prefixBytes, maxBytes));
  const ssize_t head = ReadFully(fd.Get(), bytes.data(), bytes.size());
  if (head < 0) return refuse(BoundedReadRefusal::ReadError, "Cannot read", errno);
  bytes.resize(static_cast<std::size_t>(head));
  if (acceptPrefix && !acceptPrefix(bytes, path))
    return refuse(BoundedReadRefusal::UnknownPrefix, "Not a known file", EINVAL);
  if (static_cast<unsigned long long>(st.st_size) > maxBytes)
    return refuse(BoundedReadRefusal::TooLarge, "Too large", EFBIG);

  // The rest, to the end of the file but never beyond maxBytes (the file may
  // have grown since fstat).
  const std::size_t expected = std::min<std::size_t>(static_cast<std::size_t>(st.st_size), maxBytes);
  bytes.resize(std::max(expected, bytes.size()) + 1);
  std::size_t have = static_cast<std::size_t>(head);
  for (;;) {
    const ssize_t n = ReadFully(fd.Get(), bytes.data() + have, bytes.size() - have);
    if (n < 0) return refuse(BoundedReadRefusal::ReadError, "Cannot read", errno);
    have += static_cast<std::size_t>(n);
    if (have > maxBytes) return refuse(BoundedReadRefusal::TooLarge, "Too large", EFBIG);
    if (have < bytes.size()) break;
    bytes.resize(std::min(bytes.size() * 2, maxBytes + 1));
  }
  bytes.resize(have);
  out = std::move(bytes);
  return true;
}

bool ReplaceFileSafely(const std::string& path, const void* data, std::size_t size,
                       const std::string& backupPath, std::string* reason) {
  const std::string target = FollowLinks(path);
  struct stat st;
  const bool exists = ::stat(target.c_str(), &st) == 0;
  if (!exists && errno != ENOENT) return Refuse(reason, errno);
  if (exists && S_ISDIR(st.st_mode)) return Refuse(reason, EISDIR);
  if (exists && !S_ISREG(st.st_mode)) return Refuse(reason, EINVAL);
  // Read-only for everyone (also for a superuser, whom access() would let through).
  if (exists && ((st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0))
    return Refuse(reason, EACCES);

  std::string temporary;
  int err = WriteTemporaryFile(target, static_cast<const unsigned char*>(data), size,
                               NewFileMode(exists ? &st : nullptr), temporary);
  if (err != 0) return Refuse(reason, err);

  // The previous version gets a second name before the new file replaces it;
  // the old backup stays until the new file is in place.
  std::string previous;
  const bool keepBackup = exists && !backupPath.empty() && FollowLinks(backupPath) != target;
  if (keepBackup) {
    err = KeepPreviousVersion(target, st, backupPath, previous);
    if (err != 0) {
      ::unlink(temporary.c_str());
      return Refuse(reason, err);
    }
  }
  err = Rename(SaveStep::Rename, temporary, target);
  if (err != 0) {
    ::unlink(temporary.c_str());
    if (!previous.empty()) ::unlink(previous.c_str());
    return Refuse(reason, err);
  }
  if (keepBackup) {
    err = Rename(SaveStep::BackupRename, previous, backupPath);
    if (err != 0) {
      // Put the previous version back, so that nothing has changed.
      if (::rename(previous.c_str(), target.c_str()) != 0) ::unlink(previous.c_str());
      SyncFolder(FolderOf(target));
      return Refuse(reason, err);
    }
    SyncFolder(FolderOf(backupPath));
  }
  SyncFolder(FolderOf(target));
  return true;
}

bool WriteWholeFile(const std::string& path, const void* data, std::size_t size, std::string* error) {
  std::string reason;
  if (ReplaceFileSafely(path, data, size, std::string(), &reason)) return true;
  if (error) *error = "Cannot write \"" + path + "\": " + reason;
  return false;
}

bool FileExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DeleteFileAt(const std::string& path) { return ::unlink(path.c_str()) == 0; }

bool MoveFileTo(const std::string& from, const std::string& to) {
  if (std::rename(from.c_str(), to.c_str()) == 0) return true;
  if (errno != EXDEV) return false;

  std::vector<unsigned char> bytes;
  if (!ReadWholeFile(from, bytes, nullptr)) return false;
  if (!WriteWholeFile(to, bytes.data(), bytes.size(), nullptr)) {
    ::unlink(to.c_str());
    return false;
  }
  return ::unlink(from.c_str()) == 0;
}

void SetSaveFailureHookForTests(SaveFailureHook hook) { saveFailureHook = hook; }
