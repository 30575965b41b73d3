#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Byte-level file services. Paths are UTF-8. When a function fails and error
// is not null, *error receives a message naming the path and the cause.

bool ReadWholeFile(const std::string& path, std::vector<unsigned char>& out, std::string* error);

// Creates or truncates path and writes size bytes. Succeeds only if the open,
// every write, the flush and the close all succeeded (a full disk is a failure).
bool WriteWholeFile(const std::string& path, const void* data, std::size_t size, std::string* error);

// True for an existing file that is not a directory.
bool FileExists(const std::string& path);

bool DeleteFileAt(const std::string& path);

// Renames from to to, replacing an existing file at to. Across file systems
// the file is copied and the original deleted.
bool MoveFileTo(const std::string& from, const std::string& to);

// Replaces the file at path by size bytes, keeping the file it replaces at
// backupPath (an older backup there is replaced). The bytes go to a temporary
// file in path's folder first: a write that fails leaves the file and its
// backup as they were.
bool ReplaceFileKeepingBackup(const std::string& path, const std::string& backupPath, const void* data,
                              std::size_t size, std::string* error);
