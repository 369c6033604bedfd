#pragma once

#include <string>

namespace sorn {

// The folder the program's data (help, timbres, examples) is read from,
// ending in "/": the program's own folder when the data lies beside it (a
// build folder), else ../share/sorn-editor relative to it (an installed copy
// under any prefix; ../../share/sorn-editor from libexec/sorn-editor).
// Without either, the program's folder, as before.
std::string ProgramDataFolder(const std::string& programFolder);

// The same for the running program, found through /proc/self/exe.
std::string RunningProgramDataFolder();

} // namespace sorn
