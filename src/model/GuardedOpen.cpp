#include "model/GuardedOpen.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sorn {

bool WaitForData(int fd, int timeoutMs, std::error_code& error) {
    pollfd p{fd, POLLIN, 0};
    for (;;) {
        const int ready = ::poll(&p, 1, timeoutMs);
        if (ready > 0) return true;
        if (ready == 0) {
            error = std::make_error_code(std::errc::timed_out);
            return false;
        }
        if (errno != EINTR) {
            error = {errno, std::generic_category()};
            return false;
        }
    }
}

int OpenGuarded(const std::string& path, bool& stream, std::error_code& error) {
    // Opened without waiting for a FIFO's writer; the wait for data is bounded.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    auto fail = [&](std::error_code e) {
        error = e;
        if (fd >= 0) ::close(fd);
        return -1;
    };
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0) return fail({errno, std::generic_category()});
    if (S_ISDIR(st.st_mode)) return fail(std::make_error_code(std::errc::is_a_directory));
    stream = !S_ISREG(st.st_mode);
    std::error_code waited;
    if (stream && !WaitForData(fd, kStreamWaitMs, waited)) return fail(waited);
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

} // namespace sorn
