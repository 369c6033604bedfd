#include "interchange/LilyPondEngrave.h"

#include "model/AtomicFile.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace sorn {

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(25);
constexpr int kShownLines = 12;
constexpr std::size_t kShownLineBytes = 240;

std::string FindOnPath(std::string_view program) {
    const char* path = std::getenv("PATH");
    std::string_view dirs = path && *path ? path : "/usr/local/bin:/usr/bin:/bin";
    while (true) {
        const std::size_t colon = dirs.find(':');
        // An empty entry is the current folder.
        const std::string_view dir = colon == 0 || dirs.empty() ? "." : dirs.substr(0, colon);
        std::string candidate(dir);
        candidate += '/';
        candidate += program;
        struct stat st {};
        if (::stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
            ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
        if (colon == std::string_view::npos) return {};
        dirs.remove_prefix(colon + 1);
    }
}

ExportError FromErrno() {
    return ExportError::FromFile({errno ? errno : EIO, std::generic_category()});
}

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The first lines LilyPond wrote, each cut to a readable length.
std::string FirstLines(const std::string& log) {
    std::string shown;
    int lines = 0;
    std::size_t at = 0;
    while (at < log.size() && lines < kShownLines) {
        std::size_t end = log.find('\n', at);
        if (end == std::string::npos) end = log.size();
        std::string line = log.substr(at, std::min(end - at, kShownLineBytes));
        at = end + 1;
        if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
        // A cut inside a character would leave half of it.
        while (!line.empty() && (static_cast<unsigned char>(line.back()) & 0xC0) == 0x80)
            line.pop_back();
        if (!line.empty() && static_cast<unsigned char>(line.back()) >= 0xC0) line.pop_back();
        shown += line + "\n";
        ++lines;
    }
    return shown;
}

} // namespace

ExportError EngraveWithLilyPond(std::string_view text, const std::string& pdfPath,
                                ProgressSink* progress) {
    const std::string program = FindOnPath("lilypond");
    if (program.empty())
        return {ExportErrorNumber::EngraverMissing,
                CoreMessage(SORN_TRANSLATE_NOOP(
                                "Core", "LilyPond が見つかりません。LilyPond で浄書するには、"
                                        "Debian のパッケージ %1 を入れてください。\n"
                                        "sudo apt install %1"),
                            kLilyPondPackages)};
    // LilyPond's stages are not counted: the bar shows that it works.
    if (progress) {
        progress->SetMaximum(0);
        progress->SetValue(0);
    }
    std::string pattern = (std::filesystem::temp_directory_path() / "sorn-engrave-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) return FromErrno();
    const std::filesystem::path folder = pattern;
    auto discard = [&] {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    };
    const std::string source = (folder / "score.ly").string();
    const std::string log = (folder / "lilypond.log").string();
    if (std::error_code ec = AtomicFile::WriteAll(source, text.data(), text.size())) {
        discard();
        return ExportError::FromFile(ec);
    }

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    // Its own process group, so that a cancel stops the programs it runs too.
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    const std::string output = (folder / "score").string();
    std::vector<std::string> args = {
        program, "--loglevel=ERROR", "-dno-point-and-click", "--pdf", "-o", output, source};
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (spawned != 0) {
        discard();
        return ExportError::FromFile({spawned, std::generic_category()});
    }

    int status = 0;
    while (true) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) break;
        if (done < 0 && errno != EINTR) {
            status = -1;
            break;
        }
        if (progress && progress->Cancelled()) {
            ::kill(-pid, SIGTERM);
            while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
            discard();
            return ExportError::Cancel();
        }
        std::this_thread::sleep_for(kPollInterval);
    }

    const std::filesystem::path pdf = folder / "score.pdf";
    std::error_code ec;
    if (status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
        std::filesystem::is_regular_file(pdf, ec)) {
        const std::string bytes = ReadAll(pdf);
        discard();
        if (std::error_code wrote = AtomicFile::WriteAll(pdfPath, bytes.data(), bytes.size()))
            return ExportError::FromFile(wrote);
        return {};
    }
    // The text stays where LilyPond read it, for the user to look into.
    return {ExportErrorNumber::EngraverFailed,
            CoreMessage(SORN_TRANSLATE_NOOP(
                            "Core", "LilyPond で浄書できませんでした。LilyPond のメッセージ:\n"
                                    "%1LilyPond に渡したファイルは次の場所に残してあります。\n%2"),
                        FirstLines(ReadAll(log)), source)};
}

ExportError EngraveScore(const SornData& doc, const LilyPondChoice& choice,
                         const std::string& pdfPath, ProgressSink* progress) {
    std::string text;
    if (ExportError error = LilyPondText(doc, text, choice)) return error;
    return EngraveWithLilyPond(text, pdfPath, progress);
}

} // namespace sorn
