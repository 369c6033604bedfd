#include "interchange/MxlContainer.h"

#include "model/SharedLibrary.h"

#include <pugixml.hpp>
#include <zip.h>

#include <memory>
#include <optional>
#include <vector>

namespace sorn {

namespace {

#define SORN_ZIP_FUNCTIONS(X)                                                                      \
    X(zip_error_init)                                                                              \
    X(zip_error_fini)                                                                              \
    X(zip_source_buffer)                                                                           \
    X(zip_source_buffer_create)                                                                    \
    X(zip_source_filep)                                                                            \
    X(zip_source_keep)                                                                             \
    X(zip_source_free)                                                                             \
    X(zip_source_stat)                                                                             \
    X(zip_source_open)                                                                             \
    X(zip_source_read)                                                                             \
    X(zip_source_close)                                                                            \
    X(zip_open_from_source)                                                                        \
    X(zip_file_add)                                                                                \
    X(zip_set_file_compression)                                                                    \
    X(zip_close)                                                                                   \
    X(zip_discard)                                                                                 \
    X(zip_stat_init)                                                                               \
    X(zip_stat_index)                                                                              \
    X(zip_name_locate)                                                                             \
    X(zip_get_num_entries)                                                                         \
    X(zip_get_name)                                                                                \
    X(zip_fopen_index)                                                                             \
    X(zip_fread)                                                                                   \
    X(zip_fclose)

// libzip, opened when a container is first read or written: linked in, it
// and the cryptography library it needs would load with every command.
struct ZipLibrary {
    SORN_ZIP_FUNCTIONS(SORN_FUNCTION_POINTER)
};

const ZipLibrary* Load() {
    static SharedLibrary library(SORN_LIBZIP_SONAME);
    static ZipLibrary table;
    SORN_ZIP_FUNCTIONS(SORN_RESOLVE_FUNCTION)
    return library.Complete() ? &table : nullptr;
}

// Null when the library cannot be opened; then no container can be made
// or read.
const ZipLibrary* Zip() {
    static const ZipLibrary* const table = Load();
    return table;
}

constexpr std::string_view kMimeType = "application/vnd.recordare.musicxml";
constexpr std::string_view kScoreName = "score.musicxml";
constexpr std::string_view kContainer = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                        "<container>\n"
                                        "  <rootfiles>\n"
                                        "    <rootfile full-path=\"score.musicxml\" "
                                        "media-type=\"application/vnd.recordare.musicxml+xml\"/>\n"
                                        "  </rootfiles>\n"
                                        "</container>\n";

// Only ever made once the library is open.
struct ArchiveCloser {
    void operator()(zip_t* z) const { Zip()->zip_discard(z); }
};
struct SourceFreer {
    void operator()(zip_source_t* s) const { Zip()->zip_source_free(s); }
};
struct FileCloser {
    void operator()(zip_file_t* f) const { Zip()->zip_fclose(f); }
};

std::error_code ZipFailed() {
    return std::make_error_code(std::errc::io_error);
}

bool Add(const ZipLibrary& lz, zip_t* archive, std::string_view name, std::string_view data,
         bool store) {
    zip_source_t* source = lz.zip_source_buffer(archive, data.data(), data.size(), 0);
    if (!source) return false;
    const zip_int64_t index =
        lz.zip_file_add(archive, std::string(name).c_str(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        lz.zip_source_free(source);
        return false;
    }
    return lz.zip_set_file_compression(archive, static_cast<zip_uint64_t>(index),
                                       store ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0) == 0;
}

std::optional<std::string> ReadEntry(const ZipLibrary& lz, zip_t* archive, zip_int64_t index,
                                     std::size_t maxSize) {
    zip_stat_t st;
    lz.zip_stat_init(&st);
    if (lz.zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &st) != 0) return {};
    if (!(st.valid & ZIP_STAT_SIZE) || st.size > maxSize) return {};
    std::unique_ptr<zip_file_t, FileCloser> file(
        lz.zip_fopen_index(archive, static_cast<zip_uint64_t>(index), 0));
    if (!file) return {};
    std::string data(static_cast<std::size_t>(st.size), '\0');
    std::size_t done = 0;
    while (done < data.size()) {
        const zip_int64_t n = lz.zip_fread(file.get(), data.data() + done, data.size() - done);
        if (n <= 0) return {};
        done += static_cast<std::size_t>(n);
    }
    return data;
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// The archive with the score that addScore puts in.
template <typename AddScore> std::error_code Pack(const AddScore& addScore, std::string& archive) {
    if (!Zip()) return std::make_error_code(std::errc::function_not_supported);
    const ZipLibrary& lz = *Zip();
    zip_error_t error;
    lz.zip_error_init(&error);
    std::unique_ptr<zip_source_t, SourceFreer> buffer(
        lz.zip_source_buffer_create(nullptr, 0, 0, &error));
    lz.zip_error_fini(&error);
    if (!buffer) return ZipFailed();
    lz.zip_source_keep(buffer.get()); // the archive takes one reference, we keep ours
    std::unique_ptr<zip_t, ArchiveCloser> zip(
        lz.zip_open_from_source(buffer.get(), ZIP_TRUNCATE, nullptr));
    if (!zip) {
        lz.zip_source_free(buffer.get()); // the reference the archive did not take
        return ZipFailed();
    }
    // The mimetype comes first and uncompressed, so readers can sniff it.
    if (!Add(lz, zip.get(), "mimetype", kMimeType, true) ||
        !Add(lz, zip.get(), "META-INF/container.xml", kContainer, false) ||
        !addScore(lz, zip.get()))
        return ZipFailed();
    if (lz.zip_close(zip.get()) != 0) return ZipFailed();
    zip.release(); // closed
    zip_stat_t st;
    lz.zip_stat_init(&st);
    if (lz.zip_source_stat(buffer.get(), &st) != 0 || lz.zip_source_open(buffer.get()) != 0)
        return ZipFailed();
    archive.assign(static_cast<std::size_t>(st.size), '\0');
    const zip_int64_t n = lz.zip_source_read(buffer.get(), archive.data(), archive.size());
    lz.zip_source_close(buffer.get());
    if (n != static_cast<zip_int64_t>(archive.size())) return ZipFailed();
    return {};
}

} // namespace

std::error_code WriteMxl(std::string_view score, std::string& archive) {
    return Pack(
        [&](const ZipLibrary& lz, zip_t* zip) { return Add(lz, zip, kScoreName, score, false); },
        archive);
}

std::error_code WriteMxl(std::FILE* score, std::string& archive) {
    bool taken = false;
    const std::error_code ec = Pack(
        [&](const ZipLibrary& lz, zip_t* zip) {
            zip_source_t* source = lz.zip_source_filep(zip, score, 0, -1);
            if (!source) return false;
            taken = true;
            const zip_int64_t index =
                lz.zip_file_add(zip, std::string(kScoreName).c_str(), source, ZIP_FL_ENC_UTF_8);
            if (index < 0) {
                lz.zip_source_free(source);
                return false;
            }
            return lz.zip_set_file_compression(zip, static_cast<zip_uint64_t>(index),
                                               ZIP_CM_DEFLATE, 0) == 0;
        },
        archive);
    if (!taken) std::fclose(score);
    return ec;
}

bool LooksLikeZip(std::string_view bytes) {
    return bytes.size() >= 4 && bytes.substr(0, 4) == std::string_view("PK\3\4", 4);
}

namespace {

// The score's entry: the one the container names, else the first
// .musicxml/.xml outside META-INF; -1 when there is none.
zip_int64_t ScoreEntry(const ZipLibrary& lz, zip_t* zip) {
    std::string scoreName;
    const zip_int64_t container = lz.zip_name_locate(zip, "META-INF/container.xml", 0);
    if (container >= 0) {
        if (auto text = ReadEntry(lz, zip, container, 1 << 20)) {
            pugi::xml_document doc;
            if (doc.load_buffer(text->data(), text->size()))
                scoreName = doc.select_node("/container/rootfiles/rootfile")
                                .node()
                                .attribute("full-path")
                                .value();
        }
    }
    zip_int64_t index = scoreName.empty() ? -1 : lz.zip_name_locate(zip, scoreName.c_str(), 0);
    const zip_int64_t count = lz.zip_get_num_entries(zip, 0);
    for (zip_int64_t i = 0; index < 0 && i < count; ++i) {
        const char* name = lz.zip_get_name(zip, static_cast<zip_uint64_t>(i), 0);
        if (!name) continue;
        const std::string_view n(name);
        if (n.rfind("META-INF/", 0) != 0 && (EndsWith(n, ".musicxml") || EndsWith(n, ".xml")))
            index = i;
    }
    return index;
}

std::unique_ptr<zip_t, ArchiveCloser> OpenArchive(const ZipLibrary& lz, std::string_view archive) {
    zip_error_t error;
    lz.zip_error_init(&error);
    zip_source_t* raw = lz.zip_source_buffer_create(archive.data(), archive.size(), 0, &error);
    lz.zip_error_fini(&error);
    if (!raw) return {};
    lz.zip_error_init(&error);
    std::unique_ptr<zip_t, ArchiveCloser> zip(lz.zip_open_from_source(raw, ZIP_RDONLY, &error));
    lz.zip_error_fini(&error);
    if (!zip) lz.zip_source_free(raw);
    return zip;
}

} // namespace

struct MxlScore::Handles {
    std::unique_ptr<zip_t, ArchiveCloser> zip;
    std::unique_ptr<zip_file_t, FileCloser> file;
};

MxlScore::MxlScore(std::string_view archive) : handles_(std::make_unique<Handles>()) {
    if (!Zip()) return;
    const ZipLibrary& lz = *Zip();
    handles_->zip = OpenArchive(lz, archive);
    if (!handles_->zip) return;
    const zip_int64_t index = ScoreEntry(lz, handles_->zip.get());
    if (index < 0) return;
    zip_stat_t st;
    lz.zip_stat_init(&st);
    if (lz.zip_stat_index(handles_->zip.get(), static_cast<zip_uint64_t>(index), 0, &st) != 0 ||
        !(st.valid & ZIP_STAT_SIZE))
        return;
    size_ = st.size;
    handles_->file.reset(
        lz.zip_fopen_index(handles_->zip.get(), static_cast<zip_uint64_t>(index), 0));
}

// The file goes before the archive it was opened from.
MxlScore::~MxlScore() {
    if (handles_) handles_->file.reset();
}

bool MxlScore::Found() const {
    return handles_->file != nullptr;
}

std::ptrdiff_t MxlScore::Read(char* out, std::size_t n) {
    if (!handles_->file) return -1;
    const zip_int64_t got = Zip()->zip_fread(handles_->file.get(), out, n);
    return got < 0 ? -1 : static_cast<std::ptrdiff_t>(got);
}

} // namespace sorn
