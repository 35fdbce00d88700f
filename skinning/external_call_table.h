// Entries of outside libraries, each bound on its first call.
#pragma once
#include <windows.h>

namespace orv {

struct ExternalCall {
  const char* libraryFile;
  const char* entryName;
  FARPROC address = nullptr;
  HMODULE library = nullptr;  // the handle this row loaded, released at shut-down
};

enum class SkinEntry { AttachRes = 0, SetAero = 1 };

// The row's entry address; loads the library from the program's folder first,
// then by its bare name. Ends the program through fatalError when neither load
// gives a library with the entry.
FARPROC boundEntry(SkinEntry entry);

}  // namespace orv
