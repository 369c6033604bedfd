// Chunks of the words extension:
//   TEXT  u8 field (title, subtitle, composer, lyricist, arranger, copyright), UTF-8
//   PART  u16 part, u8 field (name, short name), UTF-8
//   LYRC  u16 part, u8 verse, then per syllable u16 position (ascending),
//         u8 flags (bits 0-1 syllabic, bit 2 extend), u8 length, UTF-8
// A chunk with another tag, or a field number this version does not know,
// is kept as it was read and written back after the known ones.

#include "model/ScoreWordsFile.h"

#include "model/LittleEndian.h"
#include "model/SornData.h"

#include <algorithm>
#include <cstring>

namespace sorn {

namespace {

// A tag (or the magic) and room for the size of what follows; Close fills it in.
std::size_t Open(std::string& out, const char* tag) {
    out.append(tag, 4);
    out.append(4, '\0');
    return out.size();
}

void Close(std::string& out, std::size_t opened) {
    PatchLE(out, opened - 4, static_cast<std::uint32_t>(out.size() - opened), 4);
}

} // namespace

std::error_code EncodeWords(const SornData& doc, std::string& out) {
    out.clear();
    if (!doc.HasWords()) return {};
    std::size_t estimate = 64;
    for (const PartRecord& part : doc.parts_)
        for (const VerseLine& line : part.words.verses)
            estimate += line.EntriesBytes() + 11;
    out.reserve(std::min(estimate, MaxWordsBytes + 1024));
    const std::size_t extension = Open(out, kWordsMagic);
    for (int f = 0; f < ScoreTextCount; ++f) {
        const std::string& text = doc.Text(static_cast<ScoreText>(f));
        if (text.empty()) continue;
        const std::size_t chunk = Open(out, "TEXT");
        PutLE(out, static_cast<std::uint32_t>(f), 1);
        out += text;
        Close(out, chunk);
    }
    for (int p = 0; p < doc.PartCount(); ++p) {
        const auto part = static_cast<std::uint8_t>(p);
        for (PartText field : {PartText::Name, PartText::ShortName}) {
            const std::string& text = doc.GetPartText(part, field);
            if (text.empty()) continue;
            const std::size_t chunk = Open(out, "PART");
            PutLE(out, part, 2);
            PutLE(out, static_cast<std::uint32_t>(field), 1);
            out += text;
            Close(out, chunk);
        }
        const int verses = doc.VerseCount(part);
        for (int v = 0; v < verses; ++v) {
            // Straight into the output: a choir's score has half a million syllables.
            const std::size_t chunk = Open(out, "LYRC");
            PutLE(out, part, 2);
            PutLE(out, static_cast<std::uint32_t>(v), 1);
            doc.parts_[part].words.verses[static_cast<std::size_t>(v)].AppendEntries(out);
            Close(out, chunk);
            if (out.size() - extension > MaxWordsBytes) break;
        }
    }
    for (const auto& unknown : doc.UnknownChunks()) {
        const std::size_t chunk = Open(out, unknown.tag.data());
        out += unknown.payload;
        Close(out, chunk);
    }
    if (out.size() - extension > MaxWordsBytes) {
        out.clear();
        return std::make_error_code(std::errc::file_too_large);
    }
    Close(out, extension);
    return {};
}

class WordsReader {
public:
    explicit WordsReader(SornData& doc) : doc_(doc) {}

    // False for a damaged chunk of a known kind; unknown ones are kept.
    bool Read(std::string_view tag, std::string&& payload) {
        if (tag == "LYRC") return Lyrics(std::move(payload));
        return Known(tag, payload);
    }

private:
    bool Known(std::string_view tag, std::string_view payload) {
        if (tag == "TEXT") {
            if (payload.empty()) return false;
            const unsigned field = GetLE(payload, 0, 1);
            if (field >= ScoreTextCount) return Keep(tag, payload);
            std::string text(payload.substr(1));
            if (!ValidWordsText(text, MaxTextBytes)) return false;
            doc_.texts_[field] = std::move(text);
            return true;
        }
        if (tag == "PART") {
            if (payload.size() < 3) return false;
            const std::uint32_t part = GetLE(payload, 0, 2);
            const unsigned field = GetLE(payload, 2, 1);
            if (part >= static_cast<std::uint32_t>(doc_.PartCount())) return false;
            if (field > 1) return Keep(tag, payload);
            std::string text(payload.substr(3));
            if (!ValidWordsText(text, MaxTextBytes)) return false;
            PartWords& words = doc_.parts_[part].words;
            (field == 0 ? words.name : words.shortName) = std::move(text);
            return true;
        }
        return Keep(tag, payload);
    }

    // The syllables before a damaged one are kept. The chunk's bytes become
    // the verse's pool as they are.
    bool Lyrics(std::string&& payload) {
        if (payload.size() < 3) return false;
        const std::uint32_t part = GetLE(payload, 0, 2);
        const unsigned verse = GetLE(payload, 2, 1);
        if (part >= static_cast<std::uint32_t>(doc_.PartCount()) || verse >= MaxVerses)
            return false;
        return doc_.parts_[part].words.verses[verse].Adopt(
            std::move(payload), 3, static_cast<std::size_t>(doc_.Length()) + 1);
    }

    bool Keep(std::string_view tag, std::string_view payload) {
        SornData::UnknownChunk chunk;
        std::memcpy(chunk.tag.data(), tag.data(), 4);
        chunk.payload = std::string(payload);
        doc_.unknownChunks_.push_back(std::move(chunk));
        return true;
    }

    SornData& doc_;
};

bool DecodeWordsChunk(std::string_view tag, std::string payload, SornData& doc) {
    return WordsReader(doc).Read(tag, std::move(payload));
}

} // namespace sorn
