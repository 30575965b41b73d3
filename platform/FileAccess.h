#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <vector>

// Byte-level file services. Paths are UTF-8. When a function fails and error
// is not null, *error receives a message naming the path and the cause.

bool ReadWholeFile(const std::string& path, std::vector<unsigned char>& out, std::string* error);

// Why ReadBoundedFile refused a file.
enum class BoundedReadRefusal {
  None,
  CannotOpen,      // missing, unreadable
  NotRegularFile,  // a FIFO, a device, a directory
  UnknownPrefix,   // acceptPrefix rejected its first bytes
  TooLarge,        // larger than maxBytes (its first bytes were accepted)
  ReadError,
};

// Reads a file that must be small and of a known kind. Refuses, before
// reading more than prefixBytes of it, anything that is not a regular file
// (a FIFO, a device such as /dev/zero, a directory: the open never waits for
// a writer), a file whose first prefixBytes bytes (fewer when the file is
// shorter) acceptPrefix rejects, and a file larger than maxBytes. out is
// empty after a refusal or failure; *refusal, when given, tells which.
bool ReadBoundedFile(
    const std::string& path, std::size_t maxBytes, std::size_t prefixBytes,
    const std::function<bool(std::span<const unsigned char> prefix, const std::string& path)>& acceptPrefix,
    std::vector<unsigned char>& out, std::string* error, BoundedReadRefusal* refusal = nullptr);

// Replaces the file at path with size bytes so that a failure at any point
// loses nothing:
// - the bytes go to a temporary file in the same folder (named after the
//   file, shortened where the folder's limit on name length needs it), which
//   is flushed to the disk (fsync) before anything else changes;
// - with a backupPath (not the file's own name), the file that was at path
//   becomes the backup, replacing an older one only once the new file is in
//   place;
// - the temporary file is renamed over path and the folder flushed.
// On any failure the temporary files are removed and the file at path and
// the backup are exactly as they were. A symbolic link at path keeps
// pointing where it pointed and its target is replaced. A read-only file, or
// something at path that is not a regular file, is refused. *reason then
// receives the system's reason for the failure (the strerror text).
bool ReplaceFileSafely(const std::string& path, const void* data, std::size_t size,
                       const std::string& backupPath, std::string* reason);

// ReplaceFileSafely without a backup; *error names the path and the cause.
// Succeeds only if every write, the flush to the disk and the rename
// succeeded (a full disk is a failure).
bool WriteWholeFile(const std::string& path, const void* data, std::size_t size, std::string* error);

// True for an existing file that is not a directory.
bool FileExists(const std::string& path);

bool DeleteFileAt(const std::string& path);

// Renames from to to, replacing an existing file at to. Across file systems
// the file is copied and the original deleted.
bool MoveFileTo(const std::string& from, const std::string& to);

// For tests: the steps of a safe save at which a failure can be injected.
enum class SaveStep { Write, Sync, Backup, Rename, BackupRename };
// When set, the hook is asked before each step of ReplaceFileSafely; a
// non-zero errno value makes that step fail with it (a write fails with it
// once bytesWritten bytes of the step's file have been written, like a disk
// that fills up). Null restores normal operation.
using SaveFailureHook = int (*)(SaveStep step, std::size_t bytesWritten);
void SetSaveFailureHookForTests(SaveFailureHook hook);
