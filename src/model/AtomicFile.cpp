#include "model/AtomicFile.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace sorn {

namespace {

constexpr off_t kWritebackChunk = off_t{1} << 20;

std::error_code LastError() {
    return {errno, std::generic_category()};
}

// Where the bytes really go: a symlinked file stays a symlink.
std::string ResolveTarget(const std::string& fileName) {
    std::error_code ec;
    if (std::filesystem::is_symlink(fileName, ec)) {
        auto real = std::filesystem::canonical(fileName, ec);
        if (!ec) return real.string();
    }
    return fileName;
}

// mkstemp makes the file 0600; a replaced file keeps its own mode, a new one
// gets what the umask allows.
mode_t NewFileMode(const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

AtomicFile::~AtomicFile() {
    Discard();
}

void AtomicFile::Discard() {
    fd_.reset();
    if (!tempName_.empty()) ::unlink(tempName_.c_str());
    tempName_.clear();
}

std::error_code AtomicFile::Open(const std::string& FileName) {
    Discard();
    target_ = ResolveTarget(FileName);
    const std::filesystem::path targetPath(target_);
    dir_ = targetPath.has_parent_path() ? targetPath.parent_path().string() : std::string(".");
    std::string name = dir_ + "/." + targetPath.filename().string() + ".XXXXXX";
    fd_.emplace(::mkostemp(name.data(), O_CLOEXEC));
    if (!*fd_) {
        std::error_code ec = LastError();
        fd_.reset();
        return ec;
    }
    tempName_ = std::move(name);
    written_ = flushedUpTo_ = 0;
    return {};
}

std::error_code AtomicFile::Write(const void* data, std::size_t size) {
    if (!fd_) return std::make_error_code(std::errc::bad_file_descriptor);
    const int fd = fd_->get();
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t n = ::write(fd, p, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return LastError();
        }
        p += n;
        size -= static_cast<std::size_t>(n);
        written_ += n;
    }
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
    if (::fchmod(fd_->get(), NewFileMode(target_)) != 0) ec = LastError();
    // The data must be on disk before the rename makes it the file.
    if (!ec && ::fsync(fd_->get()) != 0) ec = LastError();
    if (!ec && fd_->close() != 0) ec = LastError();
    fd_.reset();
    if (!ec && ::rename(tempName_.c_str(), target_.c_str()) != 0) ec = LastError();
    if (ec) {
        Discard();
        return ec;
    }
    tempName_.clear();
    UniqueFd dirFd(::open(dir_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dirFd) ::fsync(dirFd.get());
    return {};
}

} // namespace sorn
