#include "platform/ProgramData.h"

#include <filesystem>

namespace sorn {

namespace {

namespace fs = std::filesystem;

// The help page is the one file every complete data folder has.
bool HoldsData(const fs::path& folder) {
    std::error_code error;
    return fs::is_regular_file(folder / "help" / "help.htm", error);
}

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

} // namespace

std::string ProgramDataFolder(const std::string& programFolder) {
    const fs::path beside(programFolder.empty() ? "." : programFolder);
    if (HoldsData(beside)) return WithSlash(programFolder);
    // PREFIX/bin, or PREFIX/libexec/sorn-editor for the drawing program.
    for (const fs::path& installed :
         {beside / ".." / "share" / "sorn-editor", beside / ".." / ".." / "share" / "sorn-editor"})
        if (HoldsData(installed)) return WithSlash(installed.lexically_normal().string());
    return WithSlash(programFolder);
}

std::string RunningProgramDataFolder() {
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string("./") : ProgramDataFolder(exe.parent_path().string());
}

} // namespace sorn
