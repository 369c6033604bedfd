// Reading and writing ".sorn" score files: a short little-endian header, then
// per part a sized part header and the raw 30-byte position records.

#include "model/AtomicFile.h"
#include "model/GuardedOpen.h"
#include "model/LittleEndian.h"
#include "model/ScoreFileTexts.h"
#include "model/ScoreWordsFile.h"
#include "model/SornData.h"
#include "model/UniqueFd.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sorn {

namespace {

constexpr char kMagic[4] = {'s', 'O', 'R', 'N'};
constexpr char kTagCurrent[4] = {'O', 'R', 'N', '2'};
constexpr char kTagOld[4] = {'O', 'R', 'N', '1'};
constexpr std::int32_t kHeaderSizeWritten = 11;
constexpr std::int32_t kHeaderSizeNoSpeed = 9;
constexpr std::int32_t kVersionWritten = 7;
constexpr std::int32_t kPartHeaderSizeWritten = 1;
constexpr std::int64_t kOldPartHeaderBytes = 10;
constexpr std::int64_t kRecordBytes = sizeof(PositionRecord);

std::error_code LastError() {
    return {errno, std::generic_category()};
}

} // namespace

std::error_code SornData::FileSave(const std::string& FileName) {
    if (std::error_code ec = SaveCopy(FileName)) return ec;
    sornFileName_ = FileName;
    return {};
}

std::error_code SornData::SaveCopy(const std::string& FileName) const {
    if (parts_.empty()) return std::make_error_code(std::errc::invalid_argument);
    AtomicFile file;
    std::error_code ec = file.Open(FileName);
    if (ec) return ec;

    std::string header(kMagic, 4);
    header.append(kTagCurrent, 4);
    PutLE(header, kHeaderSizeWritten, 4);
    PutLE(header, kVersionWritten, 4);
    PutLE(header, partSuu_, 1);
    PutLE(header, static_cast<std::uint32_t>(length_), 4);
    PutLE(header, static_cast<std::uint16_t>(speed_), 2);
    ec = file.Write(header.data(), header.size());
    for (std::size_t i = 0; !ec && i <= partSuu_ && i < parts_.size(); ++i) {
        std::string partHeader;
        PutLE(partHeader, kPartHeaderSizeWritten, 4);
        PutLE(partHeader, parts_[i].InstrumentNumber, 1);
        ec = file.Write(partHeader.data(), partHeader.size());
        const auto& records = parts_[i].GData1;
        if (!ec) ec = file.Write(records.data(), records.size() * sizeof(PositionRecord));
    }
    // The words go after the last part block, where older readers stop.
    if (!ec && HasWords()) {
        std::string words;
        ec = EncodeWords(*this, words);
        if (!ec) ec = file.Write(words.data(), words.size());
    }
    if (!ec) ec = file.Commit();
    return ec;
}

// Reads a score into a document of its own. Reads past the end of the file
// leave fields at their new-score values and positions empty, as a file that
// was cut short has always opened; a header that promises more than the file
// can hold is refused before anything is allocated.
class ScoreFileReader {
public:
    ScoreFileReader(int fd, std::int64_t size, bool scoreOpen)
        : fd_(fd), size_(size), scoreOpen_(scoreOpen) {}

    bool oldFormat = false;

    OpenResult Read(SornData& doc, MessageBoxes& boxes, std::error_code& error) {
        char magic[4];
        if (!Bytes(magic, 4, error) || std::memcmp(magic, kMagic, 4) != 0)
            return error ? OpenResult::Failed : OpenResult::NotAScore;
        doc.FileNew();
        char tag[4] = {};
        Bytes(tag, 4, error);
        if (error) return OpenResult::Failed;
        if (std::memcmp(tag, kTagOld, 4) == 0) {
            oldFormat = true;
            return ReadOld(doc, boxes, error);
        }
        if (std::memcmp(tag, kTagCurrent, 4) == 0) return ReadCurrent(doc, boxes, error);
        boxes.ShowMessage(CoreMessage(texts::UnknownFormat), MsgButtons::Ok, MsgIcon::None);
        return OpenResult::Refused;
    }

private:
    OpenResult ReadOld(SornData& doc, MessageBoxes& boxes, std::error_code& error) {
        pos_ += 8; // two fields nobody reads
        Field(doc.partSuu_, 1, error);
        Field(doc.length_, 4, error);
        if (error) return OpenResult::Failed;
        if (!Plausible(doc, kOldPartHeaderBytes, boxes)) return OpenResult::Refused;
        doc.parts_.assign(std::size_t{doc.partSuu_} + 1, PartRecord{});
        for (auto& part : doc.parts_) {
            pos_ += kOldPartHeaderBytes;
            if (!Records(part, doc.length_, error)) return OpenResult::Failed;
        }
        return OpenResult::Opened;
    }

    OpenResult ReadCurrent(SornData& doc, MessageBoxes& boxes, std::error_code& error) {
        std::int32_t headerSize = 0;
        if (!Field(headerSize, 4, error)) return error ? OpenResult::Failed : OpenResult::Opened;
        const std::int64_t afterHeader = pos_ + headerSize;
        if (headerSize < 0) return Refuse(boxes);
        // Only the two sizes this program has written are understood. Any
        // other was most likely written by a newer version: opening it as an
        // empty score would let a save destroy it.
        if (headerSize != kHeaderSizeNoSpeed && headerSize != kHeaderSizeWritten) {
            boxes.ShowMessage(CoreMessage(texts::UnknownFormat), MsgButtons::Ok, MsgIcon::None);
            return OpenResult::Refused;
        }
        std::int32_t version = 0;
        Field(version, 4, error);
        Field(doc.partSuu_, 1, error);
        Field(doc.length_, 4, error);
        if (headerSize == kHeaderSizeWritten) Field(doc.speed_, 2, error);
        if (error) return OpenResult::Failed;
        pos_ = afterHeader;
        if (!Plausible(doc, 4, boxes)) return OpenResult::Refused;
        if (version > kVersionWritten)
            boxes.ShowMessage(CoreMessage(texts::NewerVersion), MsgButtons::Ok, MsgIcon::None);

        doc.parts_.assign(std::size_t{doc.partSuu_} + 1, PartRecord{});
        for (auto& part : doc.parts_) {
            std::int32_t partHeaderSize = 0;
            Field(partHeaderSize, 4, error);
            if (partHeaderSize < 0) return Refuse(boxes);
            const std::int64_t afterPartHeader = pos_ + partHeaderSize;
            // A longer part header from a newer writer still starts with the
            // instrument, so its parts keep their instruments.
            if (partHeaderSize >= 1) Field(part.InstrumentNumber, 1, error);
            pos_ = afterPartHeader;
            if (error || !Records(part, doc.length_, error)) return OpenResult::Failed;
        }
        if (!Words(doc, boxes, error)) return OpenResult::Failed;
        return OpenResult::Opened;
    }

    // The music is open whatever happens to its words; damage to them is
    // told once and what could be read is kept.
    bool Words(SornData& doc, MessageBoxes& boxes, std::error_code& error) {
        if (pos_ + 4 > size_) return true;
        char magic[4];
        if (!Bytes(magic, 4, error)) return !error;
        // Bytes after the music that are not ours were never read by anyone.
        if (std::memcmp(magic, kWordsMagic, 4) != 0) return true;
        std::uint32_t declared = 0;
        const bool sized = Field(declared, 4, error) && declared <= MaxWordsBytes;
        if (error) return false;
        bool whole = sized;
        // Chunk by chunk, each read straight into what keeps it. A damaged
        // chunk is skipped; a chunk header cut short or too large ends it.
        const std::int64_t end = sized ? pos_ + declared : pos_;
        while (pos_ < end) {
            char tag[4];
            std::uint32_t size = 0;
            if (end - pos_ < 8 || !Bytes(tag, 4, error) || !Field(size, 4, error) ||
                size > end - pos_) {
                whole = false;
                break;
            }
            std::string payload(size, '\0');
            if (!Bytes(payload.data(), size, error)) {
                whole = false;
                break;
            }
            if (!DecodeWordsChunk({tag, 4}, std::move(payload), doc)) whole = false;
        }
        if (error) return false;
        if (!whole)
            boxes.ShowMessage(CoreMessage(texts::WordsUnreadable), MsgButtons::Ok,
                              MsgIcon::Warning);
        return true;
    }

    // Length must be one the editor can address, and the file must reach at
    // least the start of the last part's block.
    bool Plausible(const SornData& doc, std::int64_t minPartHeader, MessageBoxes& boxes) {
        if (doc.length_ < 0 || doc.length_ > MaxLength) {
            Refuse(boxes);
            return false;
        }
        const std::int64_t minBlock =
            minPartHeader + kRecordBytes * (std::int64_t{doc.length_} + 1);
        const std::int64_t lastPartStart = pos_ + std::int64_t{doc.partSuu_} * minBlock;
        if (lastPartStart > size_) {
            Refuse(boxes);
            return false;
        }
        return true;
    }

    OpenResult Refuse(MessageBoxes& boxes) {
        if (!refused_)
            boxes.ShowMessage(
                CoreMessage(scoreOpen_ ? texts::DamagedFile : texts::DamagedFileNothingOpen),
                MsgButtons::Ok, MsgIcon::Warning);
        refused_ = true;
        return OpenResult::Refused;
    }

    // Reads up to n bytes at the current offset; true when all n were there.
    bool Bytes(void* out, std::int64_t n, std::error_code& error) {
        const std::int64_t start = pos_;
        const std::int64_t got = Read(out, n, error);
        pos_ = start + n;
        return !error && got == n;
    }

    // A little-endian field, left as it was when the file ends inside it.
    template <typename T> bool Field(T& field, int bytes, std::error_code& error) {
        unsigned char raw[4] = {};
        if (!Bytes(raw, bytes, error)) return false;
        std::uint32_t value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = (value << 8) | raw[i];
        field = static_cast<T>(value);
        return true;
    }

    // The records go from the file through a small block into the part's
    // storage, which is filled once: zeroing a whole part before reading
    // over it was a second pass through memory the size of the score.
    bool Records(PartRecord& part, std::int32_t length, std::error_code& error) {
        const auto count = static_cast<std::size_t>(length) + 1;
        const std::int64_t end = pos_ + kRecordBytes * static_cast<std::int64_t>(count);
        auto& positions = part.GData1;
        positions.clear();
        ReserveLongest(positions);
        Prefault(positions.data(), count * sizeof(PositionRecord));
        block_.resize(kBlockRecords);
        while (positions.size() < count) {
            const std::size_t want = std::min(kBlockRecords, count - positions.size());
            const std::int64_t got = Read(block_.data(), kRecordBytes * std::int64_t(want), error);
            if (error) return false;
            auto whole = static_cast<std::size_t>(got / kRecordBytes);
            // A file cut inside a record keeps the bytes it has, as before.
            if (got % kRecordBytes != 0) {
                auto* last = reinterpret_cast<unsigned char*>(&block_[whole]);
                std::memset(last + got % kRecordBytes, 0,
                            static_cast<std::size_t>(kRecordBytes - got % kRecordBytes));
                ++whole;
            }
            positions.insert(positions.end(), block_.begin(),
                             block_.begin() + static_cast<std::ptrdiff_t>(whole));
            if (got < kRecordBytes * std::int64_t(want)) break;
        }
        // The rest of a file cut short reads as empty positions.
        positions.resize(count);
        pos_ = end;
        return true;
    }

    // Reads up to n bytes at the current offset and moves past them;
    // returns how many there were.
    std::int64_t Read(void* out, std::int64_t n, std::error_code& error) {
        std::int64_t got = 0;
        char* p = static_cast<char*>(out);
        while (got < n && pos_ + got < size_) {
            ssize_t r = ::pread(fd_, p + got, static_cast<std::size_t>(n - got), pos_ + got);
            if (r < 0 && errno == EINTR) continue;
            if (r < 0) {
                error = LastError();
                return got;
            }
            if (r == 0) break;
            got += r;
        }
        pos_ += got;
        return got;
    }

    // The pages about to be filled are mapped in one call rather than one
    // fault each, about a tenth of the time of opening a large score. Only
    // a hint: without it the pages fault in as usual.
    static void Prefault(void* start, std::size_t bytes) {
#ifdef MADV_POPULATE_WRITE
        const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
        const auto from = (reinterpret_cast<std::uintptr_t>(start) + page - 1) / page * page;
        const auto to = (reinterpret_cast<std::uintptr_t>(start) + bytes) / page * page;
        if (to > from) ::madvise(reinterpret_cast<void*>(from), to - from, MADV_POPULATE_WRITE);
#else
        (void)start;
        (void)bytes;
#endif
    }

    static constexpr std::size_t kBlockRecords = 2048;
    std::vector<PositionRecord> block_;

    int fd_;
    std::int64_t size_;
    std::int64_t pos_ = 0;
    bool scoreOpen_;
    bool refused_ = false;
};

namespace {

// The largest score a file can hold: 256 parts of the longest length, with
// room for part headers of a newer writer, and its words. A stream is read
// no further.
constexpr std::int64_t kMaxStreamBytes =
    64 + 256 * (4 + 256 + kRecordBytes * (std::int64_t{MaxLength} + 1)) + 8 +
    static_cast<std::int64_t>(MaxWordsBytes);

// Copies a FIFO, a pipe, a terminal or a device into an anonymous memory
// file, so the reader can seek in it as in a regular one. Reading stops at
// the largest score, or right after the first bytes when they are not a
// score's (so /dev/zero ends at once).
bool CopyStream(int in, int copy, std::int64_t& size, std::error_code& error) {
    size = 0;
    char buffer[65536];
    char first[4] = {};
    while (size < kMaxStreamBytes) {
        const auto want =
            static_cast<std::size_t>(std::min<std::int64_t>(sizeof buffer, kMaxStreamBytes - size));
        const ssize_t got = ::read(in, buffer, want);
        if (got < 0 && errno == EINTR) continue;
        // Standard input may have been left non-blocking by whoever started us.
        if (got < 0 && errno == EAGAIN) {
            if (!WaitForData(in, -1, error)) return false;
            continue;
        }
        if (got < 0) {
            error = LastError();
            return false;
        }
        if (got == 0) break;
        for (std::int64_t i = size; i < 4 && i < size + got; ++i)
            first[i] = buffer[i - size];
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(copy, buffer + done, static_cast<std::size_t>(got - done));
            if (put < 0 && errno == EINTR) continue;
            if (put < 0) {
                error = LastError();
                return false;
            }
            done += put;
        }
        size += got;
        if (size >= 4 && std::memcmp(first, kMagic, 4) != 0) break;
    }
    return true;
}

} // namespace

OpenResult SornData::FileOpen(const std::string& FileName, MessageBoxes& boxes,
                              std::error_code* error) {
    std::error_code ec;
    // "-" is standard input; any other name is opened the guarded way.
    const bool standardInput = FileName == "-";
    bool stream = false;
    UniqueFd fd(standardInput ? ::fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 0)
                              : OpenGuarded(FileName, stream, ec));
    struct stat st {};
    if (!fd || ::fstat(fd.get(), &st) != 0) {
        if (error) *error = ec ? ec : LastError();
        return OpenResult::Failed;
    }
    if (S_ISDIR(st.st_mode)) {
        if (error) *error = std::make_error_code(std::errc::is_a_directory);
        return OpenResult::Failed;
    }
    std::int64_t size = st.st_size;
    stream = !S_ISREG(st.st_mode);
    UniqueFd copy(stream ? ::memfd_create("score", MFD_CLOEXEC) : -1);
    if (stream) {
        // A terminal on standard input may have nobody typing: the wait for
        // the first byte is bounded (a pipe into it has its writer).
        if (!copy)
            ec = LastError();
        else if (standardInput && ::isatty(fd.get()))
            WaitForData(fd.get(), kStreamWaitMs, ec);
        if (ec || !CopyStream(fd.get(), copy.get(), size, ec)) {
            if (error) *error = ec;
            return OpenResult::Failed;
        }
    }
    SornData fresh;
    ScoreFileReader reader(stream ? copy.get() : fd.get(), size, HasParts());
    OpenResult result = reader.Read(fresh, boxes, ec);
    if (error) *error = ec;
    if (result != OpenResult::Opened) return result;
    partSuu_ = fresh.partSuu_;
    length_ = fresh.length_;
    speed_ = fresh.speed_;
    parts_ = std::move(fresh.parts_);
    texts_ = std::move(fresh.texts_);
    unknownChunks_ = std::move(fresh.unknownChunks_);
    // The older format carries no tempo or instruments; its name is not
    // remembered, so Save proposes no name that would overwrite it. Nor is
    // standard input's.
    if (!reader.oldFormat && !standardInput) sornFileName_ = FileName;
    return result;
}

} // namespace sorn
