#pragma once
// The one way the program writes a file. A regular file stays intact until
// the new content is complete: the bytes go to a hidden temporary file in
// the target's folder, which is flushed and then renamed over the target.
// A pipe, a device or a terminal cannot be replaced that way and is written
// as a stream instead.

#include "model/UniqueFd.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <system_error>

namespace sorn {

class AtomicFile {
public:
    // The file name that means standard output, as on any command line.
    static constexpr std::string_view StandardOutput = "-";
    // What every temporary name carries after the target's (shortened) name:
    // ".NAME.sorn-tmp-PID-XXXXXX".
    static constexpr std::string_view TempMarker = ".sorn-tmp-";

    AtomicFile() = default;
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    // Anything not committed is removed.
    ~AtomicFile();

    // Creates the temporary file for FileName, after removing temporaries
    // that writers of the same target left when they were killed. A
    // symlinked target stays a symlink: the file it points to is replaced.
    // A folder is refused (EISDIR).
    std::error_code Open(const std::string& FileName);
    std::error_code Write(const void* data, std::size_t size);
    // Gives the new file the old one's permissions (and owner, as root),
    // flushes it to disk and renames it over the target. After a failure
    // nothing of it remains.
    std::error_code Commit();
    // True when the target is written directly (pipe, device, standard output).
    bool Streaming() const { return streaming_; }

    // The whole of data into FileName, the same way.
    static std::error_code WriteAll(const std::string& FileName, const void* data,
                                    std::size_t size);

private:
    std::error_code OpenStream(int fd);
    std::error_code OpenTemporary();
    void Discard();

    std::optional<UniqueFd> fd_; // engaged from Open until Commit or Discard
    std::string target_;
    std::string dir_;
    std::string tempName_;
    int registered_ = -1; // the signal cleanup's slot for tempName_
    bool streaming_ = false;
    bool targetExists_ = false;
    mode_t targetMode_ = 0;
    uid_t targetOwner_ = 0;
    gid_t targetGroup_ = 0;
    off_t written_ = 0;
    off_t flushedUpTo_ = 0; // writeback started for bytes before this
};

} // namespace sorn
