#pragma once
// Opening a file to read it whole, the same for scores and MusicXML: a FIFO
// may have nobody writing and a terminal nobody typing, so the wait for the
// first byte is bounded; after it, reads block as usual.

#include <string>
#include <system_error>

namespace sorn {

// How long a FIFO or a terminal may stay silent before the first byte.
inline constexpr int kStreamWaitMs = 5000;

// Waits until fd has something to read (or its end); false after the wait,
// with error set to timed_out.
bool WaitForData(int fd, int timeoutMs, std::error_code& error);

// A descriptor (close-on-exec, blocking) ready to read path, or -1 with
// error set. A directory is refused; a FIFO or a terminal has had its first
// byte (or its end) within kStreamWaitMs. stream tells whether the file is
// anything but a regular one.
int OpenGuarded(const std::string& path, bool& stream, std::error_code& error);

} // namespace sorn
