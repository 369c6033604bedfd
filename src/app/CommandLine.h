#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sorn {

// The score named on the editor's command line: a leading double-quoted
// path, or the whole line when it holds no double quote.
std::string FileNameFromCommandLine(std::string_view line);

// The editor's command line from the program's arguments: joined by single
// spaces, without the "--" that ends the options.
std::string CommandLineFromArguments(const std::vector<std::string>& args);

} // namespace sorn
