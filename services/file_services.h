// FileServices: thin file operations on the narrow-character Windows API.
// Paths are GBK texts handed to Windows unchanged; every failure shows only in
// the result, never as a message, a log entry or an exception.
#pragma once
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace orv {

// A read-only run of bytes owned by someone else (an asset of the program
// image); writeFile reads it in place and keeps nothing.
struct ByteView {
  const void* data;
  std::uint32_t size;
};

// Creates the file, or cuts an existing one to length 0, and writes the arrays
// into it back to back; arrays of length 0 are skipped. False for an empty
// path, a file that cannot be opened for writing (missing folder, in use,
// read-only, hidden, a folder), or a failed write or close. Never creates a
// folder.
bool writeFile(const std::string& path, const ByteView* arrays, std::size_t count);
bool writeFile(const std::string& path, std::initializer_list<ByteView> arrays);

// Renames or moves a file (MoveFileA); never replaces an existing entry.
bool renameFile(const std::string& oldPath, const std::string& newPath);

// Deletes a file (DeleteFileA): false for a folder, a read-only file, a file in
// use or a missing one.
bool deleteFile(const std::string& path);

// True when a directory search for the name finds an entry, file or folder.
bool fileExists(const std::string& path);

// Replaces all of the file's attributes by the word masked with 0x27
// (read-only, hidden, system, archive).
bool setFileAttributes(const std::string& path, std::uint32_t attributes);

// The folder that holds the program file, without a trailing backslash ("C:"
// for a program in a drive's root); empty if the module path has no backslash.
std::string programDirectory();

}  // namespace orv
