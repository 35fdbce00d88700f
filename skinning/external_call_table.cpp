#include "external_call_table.h"

#include <string>

#include "app/fatal_error.h"
#include "app/shutdown.h"
#include "services/file_services.h"

namespace orv {

namespace {

ExternalCall externalCallTable[] = {
    {"SkinH_EL.dll", "SkinH_AttachRes"},
    {"SkinH_EL.dll", "SkinH_SetAero"},
};

void bind(ExternalCall& row) {
  const std::string fullPath = programDirectory() + "\\" + row.libraryFile;
  HMODULE library = LoadLibraryA(fullPath.c_str());
  if (!library) library = LoadLibraryA(row.libraryFile);
  FARPROC address = library ? GetProcAddress(library, row.entryName) : nullptr;
  if (!address) {
    if (library) FreeLibrary(library);
    fatalError(std::string("无法调用外部库 ") + row.libraryFile + " 中的命令 " + row.entryName +
                   "：找不到该库或该命令。",
               0);
  }
  row.address = address;
  row.library = library;
  // Each row releases its own load once, when the program ends.
  atShutdown([&row] {
    if (row.library) FreeLibrary(row.library);
    row.library = nullptr;
    row.address = nullptr;
  });
}

}  // namespace

FARPROC boundEntry(SkinEntry entry) {
  ExternalCall& row = externalCallTable[static_cast<int>(entry)];
  if (!row.address) bind(row);
  return row.address;
}

}  // namespace orv
