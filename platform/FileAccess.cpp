#include "platform/FileAccess.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

bool Fail(std::string* error, const char* what, const std::string& path, int err) {
  if (err == 0) err = EIO;  // a stdio failure that left errno alone
  if (error) *error = std::string(what) + " \"" + path + "\": " + std::strerror(err);
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

bool WriteWholeFile(const std::string& path, const void* data, std::size_t size, std::string* error) {
  errno = 0;
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return Fail(error, "Cannot create", path, errno);

  if (size > 0 && std::fwrite(data, 1, size, f) != size) {
    const int err = errno;
    std::fclose(f);
    return Fail(error, "Cannot write", path, err);
  }
  if (std::fflush(f) != 0 || std::ferror(f)) {
    const int err = errno;
    std::fclose(f);
    return Fail(error, "Cannot write", path, err);
  }
  if (std::fclose(f) != 0) return Fail(error, "Cannot close", path, errno);
  return true;
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

bool ReplaceFileKeepingBackup(const std::string& path, const std::string& backupPath, const void* data,
                              std::size_t size, std::string* error) {
  const std::string temporary = path + ".~new";
  if (!WriteWholeFile(temporary, data, size, error)) {
    ::unlink(temporary.c_str());
    return false;
  }
  const bool replacing = FileExists(path);
  if (replacing && !MoveFileTo(path, backupPath)) {
    const int err = errno;
    ::unlink(temporary.c_str());
    return Fail(error, "Cannot keep the backup of", path, err);
  }
  if (!MoveFileTo(temporary, path)) {
    const int err = errno;
    if (replacing) MoveFileTo(backupPath, path);
    ::unlink(temporary.c_str());
    return Fail(error, "Cannot replace", path, err);
  }
  return true;
}
