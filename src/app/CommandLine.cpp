#include "app/CommandLine.h"

namespace sorn {

std::string FileNameFromCommandLine(std::string_view line) {
    if (line.find('"') == std::string_view::npos) return std::string(line);
    // A quoted path: from the second character up to the next quote.
    std::string_view rest = line.substr(1);
    return std::string(rest.substr(0, rest.find('"')));
}

std::string CommandLineFromArguments(const std::vector<std::string>& args) {
    std::string line;
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (arg == "--" && !optionsEnded) {
            optionsEnded = true;
            continue;
        }
        line += (line.empty() ? "" : " ") + arg;
    }
    return line;
}

} // namespace sorn
