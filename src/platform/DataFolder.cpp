#include "platform/DataFolder.h"

#include "model/UniqueFd.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <map>
#include <unistd.h>

namespace sorn {

namespace {

std::map<std::string, std::string>& Made() {
    static std::map<std::string, std::string> made; // name → path
    return made;
}

QString ScratchFolder() {
    // Qt makes the runtime folder private to the user or refuses it.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
        if (folder.isEmpty() || !QDir().mkpath(folder)) return {};
    }
    return folder;
}

// A file of this process's name, made only if nothing (no file, no link)
// is there yet; what a process of the same number left behind goes first.
bool MakeExclusively(const std::string& path) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        UniqueFd fd(
            ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (fd) return fd.close() == 0;
        if (errno != EEXIST || ::unlink(path.c_str()) != 0) return false;
    }
    return false;
}

} // namespace

std::string ScratchFile(const std::string& name) {
    auto& made = Made();
    if (auto found = made.find(name); found != made.end()) return found->second;
    const QString folder = ScratchFolder();
    if (folder.isEmpty()) return {};
    const std::size_t dot = name.rfind('.');
    const std::string stem = name.substr(0, dot);
    const std::string suffix = dot == std::string::npos ? std::string() : name.substr(dot);
    const std::string path = QFile::encodeName(folder).toStdString() + "/" + stem + "-" +
                             std::to_string(::getpid()) + suffix;
    if (!MakeExclusively(path)) return {};
    made.emplace(name, path);
    return path;
}

void RemoveScratchFiles() {
    for (const auto& [name, path] : Made())
        ::unlink(path.c_str());
    Made().clear();
}

} // namespace sorn
