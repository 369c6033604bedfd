#pragma once
// The compressed MusicXML container (.mxl): a zip archive whose
// META-INF/container.xml names the score inside it.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

namespace sorn {

// Packs the score text with its mimetype and container entries.
std::error_code WriteMxl(std::string_view score, std::string& archive);
// The same with the score in a file, which is read as it is packed (so the
// text need not be in memory) and closed.
std::error_code WriteMxl(std::FILE* score, std::string& archive);

// True when the bytes begin like a zip archive.
bool LooksLikeZip(std::string_view bytes);

// The score the container names, or its first .musicxml/.xml entry outside
// META-INF, read a piece at a time, so its text need never be whole in
// memory. The archive must outlive the reader.
class MxlScore {
public:
    explicit MxlScore(std::string_view archive);
    ~MxlScore();
    MxlScore(const MxlScore&) = delete;
    MxlScore& operator=(const MxlScore&) = delete;

    // False when the archive is damaged or holds no score.
    bool Found() const;
    // The unpacked size the archive states.
    std::uint64_t Size() const { return size_; }
    // Up to n bytes of the score; 0 at its end, -1 when it cannot be unpacked.
    std::ptrdiff_t Read(char* out, std::size_t n);

private:
    struct Handles;
    std::unique_ptr<Handles> handles_;
    std::uint64_t size_ = 0;
};

} // namespace sorn
