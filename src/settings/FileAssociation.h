#pragma once

#include "settings/RegistryWriter.h"

#include <string>

namespace settings {

// The full path of the running program.
std::wstring RunningProgramFile();

// The open command the shell runs for a .swf file: the program's path in
// quotes (a path with blanks must not start another program), then the
// file's.
std::wstring OpenCommand(const std::wstring& programFile);

// Registers .swf files with the program: ".SWF" names the type "SWFfile",
// whose icon is "swf_files.ico" beside the program and whose open command
// starts it. Stops at the first value that cannot be set, with
// std::runtime_error "Failed to set data for ''" (the values are the keys'
// unnamed ones); the values before it stay written.
void RegisterSwfFiles(TRegistryWriter& registry, const std::wstring& programFile);

} // namespace settings
