#pragma once
// The folder of a benchmark program's files under the temporary folder,
// named after the program, made on first use; its main removes it.

#include <cerrno>
#include <filesystem>
#include <string>

namespace sorn::bench {

inline const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = [] {
        auto dir = std::filesystem::temp_directory_path() /
                   ("sorn-" + std::string(program_invocation_short_name));
        std::filesystem::create_directories(dir);
        return dir;
    }();
    return folder;
}

} // namespace sorn::bench
