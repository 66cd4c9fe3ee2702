// Loading shared libraries at run time under the platform's library names ("NAME.dll").
// Only the dynamic linker's standard places are searched, never the current directory.
#pragma once

#include <string>
#include <vector>

namespace ui {

using HMODULE = void*;
using FARPROC = void (*)();

// "NAME.dll" is the shared library "libNAME.so"; any other name is taken as it is.
std::string SharedLibraryFileName(const std::string& name);
// The absolute directories of LD_LIBRARY_PATH, then those of the dynamic linker's configuration and
// its built-in defaults. Relative and empty entries (which would mean the current directory) are skipped.
std::vector<std::string> LibrarySearchPath();
// Loads `name` from the first of `directories` that holds it; nullptr when none does or loading fails.
HMODULE LoadLibraryFrom(const std::vector<std::string>& directories, const std::string& name);
HMODULE LoadLibrary(const std::string& name);
FARPROC GetProcAddress(HMODULE module, const char* name);

}  // namespace ui
