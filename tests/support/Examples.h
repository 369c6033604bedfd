#pragma once
// The example scores shipped in data/examples, for tests whose target
// defines SORN_SOURCE_DIR.

#include <filesystem>
#include <string>

namespace sorn::test {

inline std::string Example(const std::string& name = "kirakira.sorn") {
    return (std::filesystem::path(SORN_SOURCE_DIR) / "data/examples" / name).string();
}

} // namespace sorn::test
