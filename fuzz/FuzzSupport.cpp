#include "FuzzSupport.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sys/mman.h>
#include <unistd.h>

namespace sorn::fuzz {

namespace {

// /dev/shm keeps the exports' fsync and rename in memory; elsewhere the
// usual temporary folder does.
class ScratchFolder {
public:
    ScratchFolder() {
        std::error_code ec;
        std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0
                ? std::filesystem::path("/dev/shm")
                : std::filesystem::temp_directory_path();
        std::string pattern = (base / "sorn-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) Fail("no scratch folder");
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

ScratchFolder& Scratch() {
    static ScratchFolder folder;
    return folder;
}

} // namespace

void Fail(const std::string& what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
    std::abort();
}

const std::string& InputFile(Bytes data) {
    static const int fd = ::memfd_create("sorn-fuzz-input", MFD_CLOEXEC);
    static const std::string path = "/proc/self/fd/" + std::to_string(fd);
    Require(fd >= 0, "memfd_create");
    Require(::ftruncate(fd, 0) == 0, "ftruncate");
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n =
            ::pwrite(fd, data.data() + done, data.size() - done, static_cast<off_t>(done));
        Require(n > 0, "pwrite");
        done += static_cast<std::size_t>(n);
    }
    return path;
}

std::string NamedFile(const std::string& name, Bytes data) {
    const std::string path = ScratchFile(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data.data()),
              static_cast<std::streamsize>(data.size()));
    Require(static_cast<bool>(out.flush()), "the scratch file could not be written");
    return path;
}

std::string ScratchFile(const std::string& name) {
    return (Scratch().Path() / name).string();
}

std::vector<std::string> ScratchNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Scratch().Path()))
        names.push_back(entry.path().filename().string());
    return names;
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::vector<std::uint8_t> bytes(in ? static_cast<std::size_t>(in.tellg()) : 0);
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    Require(!in.fail() || bytes.empty(), "a file could not be read back");
    return bytes;
}

MsgResult SilentBoxes::Show(std::string_view text, MsgButtons, MsgIcon) {
    Require(!text.empty(), "an empty message");
    shown.emplace_back(text);
    return MsgResult::Ok;
}

void CheckingCanvas::Finite(std::initializer_list<float> values) {
    ++calls;
    for (float v : values)
        Require(std::isfinite(v), "a coordinate that is not a number");
}

void CheckingCanvas::SetLineWidth(int width) {
    ++calls;
    Require(width >= 1 && width <= 3, "a line width outside 1..3");
}

void CheckingCanvas::Line(float x1, float y1, float x2, float y2) {
    Finite({x1, y1, x2, y2});
}
void CheckingCanvas::LineBy(float dx, float dy) {
    Finite({dx, dy});
}
void CheckingCanvas::Box(float x, float y, float width, float height) {
    Finite({x, y, width, height});
}
void CheckingCanvas::Circle(float cx, float cy, float r) {
    Finite({cx, cy, r});
    Require(r >= 0, "a negative radius");
}
void CheckingCanvas::Arc(float cx, float cy, float r, float a1, float a2) {
    Finite({cx, cy, r, a1, a2});
    Require(r >= 0, "a negative radius");
}
void CheckingCanvas::Point(float x, float y) {
    Finite({x, y});
}

void CheckingCanvas::Glyph(GlyphKey key, Rect source, Rect target, GlyphMode mode) {
    Finite({source.x, source.y, source.width, source.height, target.x, target.y, target.width,
            target.height});
    const int k = static_cast<int>(key);
    Require(k >= 0 && k < kGlyphCount, "no such glyph");
    Require(mode == GlyphMode::Copy || mode == GlyphMode::And, "no such glyph mode");
    // A mirrored source starts at its bottom row and goes up.
    const GlyphSize size = SizeOf(key);
    const float top = source.height < 0 ? source.y + source.height + 1 : source.y;
    Require(source.x >= 0 && top >= 0 && source.x + source.width <= size.width &&
                top + std::fabs(source.height) <= size.height,
            "a glyph source outside its bitmap");
}

void CheckingCanvas::Text(std::string_view text, float x, float y) {
    Finite({x, y});
    Require(!text.empty(), "empty text drawn");
}

namespace {

// Reads the file front to back; any byte out of place ends it.
class MidiReader {
public:
    explicit MidiReader(Bytes file) : file_(file) {}

    bool Track() {
        if (!Tag("MTrk")) return false;
        const std::uint32_t length = Big(4);
        if (!ok_ || length > file_.size() - at_) return false;
        const std::size_t end = at_ + length;
        while (ok_ && at_ < end) {
            Delta();
            const std::uint8_t status = Byte();
            if (status == 0xFF) {
                const std::uint8_t type = Byte();
                const std::uint32_t size = Delta();
                if (!ok_ || size > end - at_) return false;
                at_ += size;
                if (type == 0x2F) return size == 0 && at_ == end;
            } else if (status >= 0x80 && status < 0xF0) {
                const int data = (status & 0xE0) == 0xC0 ? 1 : 2;
                for (int i = 0; i < data; ++i)
                    if (Byte() >= 0x80) return false;
            } else {
                return false; // our writer uses no running status and no sysex
            }
        }
        return false; // no end of track
    }

    bool Tag(const char* tag) {
        if (file_.size() - at_ < 4 || std::memcmp(file_.data() + at_, tag, 4) != 0)
            return ok_ = false;
        at_ += 4;
        return true;
    }
    std::uint32_t Big(int bytes) {
        std::uint32_t v = 0;
        for (int i = 0; i < bytes; ++i)
            v = (v << 8) | Byte();
        return v;
    }
    bool AtEnd() const { return ok_ && at_ == file_.size(); }

private:
    std::uint8_t Byte() {
        if (at_ >= file_.size()) {
            ok_ = false;
            return 0;
        }
        return file_[at_++];
    }
    // At most four bytes, as the format allows.
    std::uint32_t Delta() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t b = Byte();
            v = (v << 7) | (b & 0x7F);
            if (!(b & 0x80)) return v;
        }
        ok_ = false;
        return 0;
    }

    Bytes file_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

} // namespace

bool IsMidiFile(Bytes file, unsigned tracks) {
    MidiReader in(file);
    if (!in.Tag("MThd") || in.Big(4) != 6 || in.Big(2) != 1 || in.Big(2) != tracks ||
        in.Big(2) == 0)
        return false;
    for (unsigned t = 0; t < tracks; ++t)
        if (!in.Track()) return false;
    return in.AtEnd();
}

bool IsWavFile(Bytes file, std::int64_t samples) {
    auto little = [&file](std::size_t at, int bytes) {
        std::uint32_t v = 0;
        for (int i = bytes - 1; i >= 0; --i)
            v = (v << 8) | file[at + static_cast<std::size_t>(i)];
        return v;
    };
    const std::int64_t data = 2 * samples;
    return file.size() >= 44 && static_cast<std::int64_t>(file.size()) == 44 + data &&
           std::memcmp(file.data(), "RIFF", 4) == 0 && little(4, 4) == 36 + data &&
           std::memcmp(file.data() + 8, "WAVEfmt ", 8) == 0 && little(16, 4) == 16 &&
           little(20, 2) == 1 && little(22, 2) == 1 && little(24, 4) == 44100 &&
           little(28, 4) == 88200 && little(32, 2) == 2 && little(34, 2) == 16 &&
           std::memcmp(file.data() + 36, "data", 4) == 0 && little(40, 4) == data;
}

namespace {

// Every part has exactly Length + 1 records, stored one after another.
bool WellShaped(const SornData& doc) {
    if (doc.PartCount() != doc.PartSuu() + 1 || doc.Length() < 0 || doc.Length() > MaxLength)
        return false;
    for (int p = 0; p <= doc.PartSuu(); ++p) {
        const auto part = static_cast<std::uint8_t>(p);
        if (!doc.Record(part, doc.Length()) || doc.Record(part, doc.Length() + 1)) return false;
    }
    return true;
}

std::size_t RecordBytes(const SornData& doc) {
    return (static_cast<std::size_t>(doc.Length()) + 1) * sizeof(PositionRecord);
}

} // namespace

std::uint64_t Fingerprint(const SornData& doc) {
    Require(WellShaped(doc), "a part without Length + 1 positions");
    std::uint64_t h = 14695981039346656037u; // FNV-1a
    auto mix = [&h](const void* data, std::size_t size) {
        const auto* p = static_cast<const std::uint8_t*>(data);
        for (std::size_t i = 0; i < size; ++i)
            h = (h ^ p[i]) * 1099511628211u;
    };
    const std::int32_t numbers[] = {doc.PartSuu(), doc.Length(), doc.Speed()};
    mix(numbers, sizeof numbers);
    for (int p = 0; p <= doc.PartSuu(); ++p) {
        const auto part = static_cast<std::uint8_t>(p);
        const std::uint8_t instrument = doc.GetInstrumentNumber(part);
        mix(&instrument, 1);
        mix(doc.Record(part, 0), RecordBytes(doc));
    }
    return h;
}

bool SameScore(const SornData& a, const SornData& b) {
    Require(WellShaped(a) && WellShaped(b), "a part without Length + 1 positions");
    if (a.PartSuu() != b.PartSuu() || a.Length() != b.Length() || a.Speed() != b.Speed())
        return false;
    for (int p = 0; p <= a.PartSuu(); ++p) {
        const auto part = static_cast<std::uint8_t>(p);
        if (a.GetInstrumentNumber(part) != b.GetInstrumentNumber(part) ||
            std::memcmp(a.Record(part, 0), b.Record(part, 0), RecordBytes(a)) != 0)
            return false;
        for (PartText field : {PartText::Name, PartText::ShortName})
            if (a.GetPartText(part, field) != b.GetPartText(part, field)) return false;
        for (int v = 0; v < MaxVerses; ++v)
            for (std::int32_t i = 0; i <= a.Length(); ++i)
                if (a.GetSyllable(part, i, v) != b.GetSyllable(part, i, v)) return false;
    }
    for (int f = 0; f < ScoreTextCount; ++f)
        if (a.Text(static_cast<ScoreText>(f)) != b.Text(static_cast<ScoreText>(f))) return false;
    return a.UnknownChunks() == b.UnknownChunks();
}

} // namespace sorn::fuzz
