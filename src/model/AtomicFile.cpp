#include "model/AtomicFile.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace sorn {

namespace {

constexpr off_t kWritebackChunk = off_t{1} << 20;
constexpr int kMostSymlinks = 40;
constexpr std::size_t kRandomLength = 6;
// "." + name + marker + pid (at most ten digits) + "-" + random.
constexpr std::size_t kTempOverhead = 1 + AtomicFile::TempMarker.size() + 10 + 1 + kRandomLength;

std::error_code LastError() {
    return {errno, std::generic_category()};
}

// Temporary files alive in this process, for the signal handler to remove.
// Plain arrays and lock-free flags only: the handler may run at any moment.
struct LiveTemp {
    std::atomic<int> state{0}; // 0 free, 1 being filled in, 2 live
    char path[PATH_MAX];
};
static_assert(std::atomic<int>::is_always_lock_free);
std::array<LiveTemp, 32> gLiveTemps;
constexpr std::array<int, 3> kCleanupSignals = {SIGINT, SIGTERM, SIGHUP};

extern "C" void RemoveTempsAndDie(int signal) {
    for (LiveTemp& temp : gLiveTemps)
        if (temp.state.load() == 2) ::unlink(temp.path);
    // Ended by the signal as if we had not caught it: the parent sees why.
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    ::sigaction(signal, &fallback, nullptr);
    ::raise(signal);
}

// Only where nobody else decided what the signal does (an ignored SIGHUP
// under nohup stays ignored).
void InstallCleanupHandler() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int signal : kCleanupSignals) {
            struct sigaction current {};
            if (::sigaction(signal, nullptr, &current) != 0) continue;
            if ((current.sa_flags & SA_SIGINFO) != 0 || current.sa_handler != SIG_DFL) continue;
            struct sigaction handler {};
            handler.sa_handler = RemoveTempsAndDie;
            sigemptyset(&handler.sa_mask);
            for (int other : kCleanupSignals)
                sigaddset(&handler.sa_mask, other);
            ::sigaction(signal, &handler, nullptr);
        }
    });
}

int RegisterTemp(const std::string& path) {
    if (path.size() >= PATH_MAX) return -1;
    for (int i = 0; i < static_cast<int>(gLiveTemps.size()); ++i) {
        int expected = 0;
        LiveTemp& temp = gLiveTemps[static_cast<std::size_t>(i)];
        if (!temp.state.compare_exchange_strong(expected, 1)) continue;
        std::memcpy(temp.path, path.c_str(), path.size() + 1);
        temp.state.store(2);
        return i;
    }
    return -1; // more writers than slots: only the signal cleanup is lost
}

void UnregisterTemp(int slot) {
    if (slot >= 0) gLiveTemps[static_cast<std::size_t>(slot)].state.store(0);
}

// Where the bytes really go: a symlinked file stays a symlink, also when it
// points to a file not made yet.
std::error_code ResolveTarget(std::string& name) {
    for (int hop = 0; hop < kMostSymlinks; ++hop) {
        struct stat st {};
        if (::lstat(name.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return {};
        std::string link(PATH_MAX, '\0');
        const ssize_t n = ::readlink(name.c_str(), link.data(), link.size());
        if (n <= 0) return n < 0 ? LastError() : std::make_error_code(std::errc::invalid_argument);
        link.resize(static_cast<std::size_t>(n));
        const std::size_t slash = name.rfind('/');
        if (link.front() != '/' && slash != std::string::npos)
            link = name.substr(0, slash + 1) + link;
        name = std::move(link);
    }
    return std::make_error_code(std::errc::too_many_symbolic_link_levels);
}

// The target's name, cut (at a character boundary) so that the temporary
// name stays within NAME_MAX however long the target's name is.
std::string TempStem(const std::string& base) {
    std::size_t keep = std::min(base.size(), std::size_t{NAME_MAX} - kTempOverhead);
    while (keep > 0 && keep < base.size() &&
           (static_cast<unsigned char>(base[keep]) & 0xC0) == 0x80)
        --keep;
    std::string stem(1, '.');
    stem.append(base, 0, keep);
    stem.append(AtomicFile::TempMarker);
    return stem;
}

// Temporaries of this target whose writer no longer runs (killed, or the
// machine went down) are of no use to anyone.
void RemoveStaleTemps(const std::string& dir, const std::string& stem) {
    DIR* folder = ::opendir(dir.c_str());
    if (!folder) return;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string_view name(entry->d_name);
        if (name.substr(0, stem.size()) != stem) continue;
        const std::string_view rest = name.substr(stem.size());
        const std::size_t dash = rest.find('-');
        if (dash == 0 || dash == std::string_view::npos || dash > 10 ||
            rest.size() != dash + 1 + kRandomLength ||
            rest.substr(0, dash).find_first_not_of("0123456789") != std::string_view::npos)
            continue;
        const pid_t pid = static_cast<pid_t>(std::stol(std::string(rest.substr(0, dash))));
        if (pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH)
            ::unlinkat(::dirfd(folder), entry->d_name, 0);
    }
    ::closedir(folder);
}

std::string RandomLetters() {
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937 random(std::random_device{}() ^
                                     static_cast<unsigned>(::time(nullptr)));
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string letters(kRandomLength, ' ');
    for (char& c : letters)
        c = kLetters[pick(random)];
    return letters;
}

} // namespace

AtomicFile::~AtomicFile() {
    Discard();
}

void AtomicFile::Discard() {
    fd_.reset();
    if (!tempName_.empty()) ::unlink(tempName_.c_str());
    UnregisterTemp(registered_);
    registered_ = -1;
    tempName_.clear();
    streaming_ = false;
}

std::error_code AtomicFile::Open(const std::string& FileName) {
    Discard();
    if (FileName == StandardOutput) {
        const int out = ::fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 0);
        if (out < 0) return LastError();
        return OpenStream(out);
    }
    target_ = FileName;
    if (std::error_code ec = ResolveTarget(target_)) return ec;
    struct stat st {};
    targetExists_ = ::stat(target_.c_str(), &st) == 0;
    if (targetExists_) {
        if (S_ISDIR(st.st_mode)) return std::make_error_code(std::errc::is_a_directory);
        if (S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode)) {
            // A reader waits at the other end; replacing the node would
            // leave it waiting and put the bytes in a plain file.
            const int fd = ::open(target_.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
            if (fd < 0) return LastError();
            return OpenStream(fd);
        }
        if (!S_ISREG(st.st_mode)) return std::make_error_code(std::errc::invalid_argument);
        targetMode_ = st.st_mode & 07777;
        targetOwner_ = st.st_uid;
        targetGroup_ = st.st_gid;
    }
    return OpenTemporary();
}

std::error_code AtomicFile::OpenStream(int fd) {
    fd_.emplace(fd);
    streaming_ = true;
    written_ = flushedUpTo_ = 0;
    return {};
}

std::error_code AtomicFile::OpenTemporary() {
    const std::size_t slash = target_.rfind('/');
    dir_ = slash == std::string::npos ? std::string(".")
           : slash == 0               ? std::string("/")
                                      : target_.substr(0, slash);
    const std::string stem =
        TempStem(slash == std::string::npos ? target_ : target_.substr(slash + 1));
    RemoveStaleTemps(dir_, stem);
    InstallCleanupHandler();
    const std::string prefix = dir_ + "/" + stem + std::to_string(::getpid()) + "-";
    // A new file gets what the umask allows; a replaced one stays private
    // until it has the old file's mode.
    const mode_t mode = targetExists_ ? 0600 : 0666;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = prefix + RandomLetters();
        // Registered before it exists, so no signal can leave it behind.
        const int slot = RegisterTemp(name);
        const int fd =
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd < 0) {
            const std::error_code ec = LastError();
            UnregisterTemp(slot);
            if (ec == std::errc::file_exists) continue;
            return ec;
        }
        fd_.emplace(fd);
        tempName_ = std::move(name);
        registered_ = slot;
        written_ = flushedUpTo_ = 0;
        return {};
    }
    return std::make_error_code(std::errc::file_exists);
}

std::error_code AtomicFile::Write(const void* data, std::size_t size) {
    if (!fd_) return std::make_error_code(std::errc::bad_file_descriptor);
    const int fd = fd_->get();
    const char* p = static_cast<const char*>(data);
    // A reader that went away is a failed write, not the end of the program.
    sigset_t pipe, saved;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    if (streaming_) ::pthread_sigmask(SIG_BLOCK, &pipe, &saved);
    std::error_code ec;
    while (size > 0) {
        ssize_t n = ::write(fd, p, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            ec = LastError();
            break;
        }
        p += n;
        size -= static_cast<std::size_t>(n);
        written_ += n;
    }
    if (streaming_) {
        if (ec == std::errc::broken_pipe && !sigismember(&saved, SIGPIPE)) {
            const timespec now{};
            ::sigtimedwait(&pipe, nullptr, &now);
        }
        ::pthread_sigmask(SIG_SETMASK, &saved, nullptr);
        return ec;
    }
    if (ec) return ec;
    // Start the disk on what is written while the caller prepares the rest,
    // so that the flush in Commit has little left to wait for.
    if (written_ - flushedUpTo_ >= kWritebackChunk) {
        ::sync_file_range(fd, flushedUpTo_, written_ - flushedUpTo_, SYNC_FILE_RANGE_WRITE);
        flushedUpTo_ = written_;
    }
    return {};
}

std::error_code AtomicFile::Commit() {
    if (!fd_) return std::make_error_code(std::errc::bad_file_descriptor);
    std::error_code ec;
    if (streaming_) {
        struct stat st {};
        if (::fstat(fd_->get(), &st) == 0 && S_ISREG(st.st_mode) && ::fsync(fd_->get()) != 0)
            ec = LastError();
        if (fd_->close() != 0 && !ec) ec = LastError();
        Discard();
        return ec;
    }
    const int fd = fd_->get();
    if (targetExists_) {
        // Only root can give the file away; the mode comes after, as a
        // change of owner clears the set-id bits.
        if (::geteuid() == 0 && ::fchown(fd, targetOwner_, targetGroup_) != 0) ec = LastError();
        if (!ec && ::fchmod(fd, targetMode_) != 0) ec = LastError();
    }
    // The data must be on disk before the rename makes it the file.
    if (!ec && ::fsync(fd) != 0) ec = LastError();
    if (!ec && fd_->close() != 0) ec = LastError();
    fd_.reset();
    if (!ec && ::rename(tempName_.c_str(), target_.c_str()) != 0) ec = LastError();
    if (ec) {
        Discard();
        return ec;
    }
    UnregisterTemp(registered_);
    registered_ = -1;
    tempName_.clear();
    UniqueFd dirFd(::open(dir_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dirFd) ::fsync(dirFd.get());
    return {};
}

std::error_code AtomicFile::WriteAll(const std::string& FileName, const void* data,
                                     std::size_t size) {
    AtomicFile file;
    std::error_code ec = file.Open(FileName);
    if (!ec) ec = file.Write(data, size);
    if (!ec) ec = file.Commit();
    return ec;
}

} // namespace sorn
