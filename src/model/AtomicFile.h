#pragma once
// Writes a file so that what was on disk stays intact until the new content
// is complete: the bytes go to a hidden temporary file in the target's
// folder, which is flushed and then renamed over the target.

#include "model/UniqueFd.h"

#include <cstddef>
#include <optional>
#include <sys/types.h>
#include <string>
#include <system_error>

namespace sorn {

class AtomicFile {
public:
    AtomicFile() = default;
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    // Anything not committed is removed.
    ~AtomicFile();

    // Creates the temporary file for FileName. A symlinked target stays a
    // symlink: the file it points to is the one replaced.
    std::error_code Open(const std::string& FileName);
    std::error_code Write(const void* data, std::size_t size);
    // Gives the new file the old one's permissions, flushes it to disk and
    // renames it over the target. After a failure nothing of it remains.
    std::error_code Commit();

private:
    void Discard();

    std::optional<UniqueFd> fd_; // engaged from Open until Commit or Discard
    std::string target_;
    std::string dir_;
    std::string tempName_;
    off_t written_ = 0;
    off_t flushedUpTo_ = 0; // writeback started for bytes before this
};

} // namespace sorn
