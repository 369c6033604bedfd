#pragma once
// The command line for batch work: the menu commands without a window.

#include <iosfwd>
#include <string>
#include <vector>

namespace sorn {

// True when the arguments ask for batch work rather than the editor.
bool IsBatchCommandLine(const std::vector<std::string>& args);

// Runs one batch command. 0 done, 1 failed (reason on err), 2 bad usage.
int RunBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace sorn
