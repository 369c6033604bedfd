#pragma once

#include <string>
#include <string_view>

namespace sorn {

// The score named on the editor's command line: a leading double-quoted
// path, or the whole line when it holds no double quote.
std::string FileNameFromCommandLine(std::string_view line);

} // namespace sorn
