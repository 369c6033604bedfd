// Chunks of the words extension:
//   TEXT  u8 field (title, subtitle, composer, lyricist, arranger, copyright), UTF-8
//   PART  u16 part, u8 field (name, short name), UTF-8
//   LYRC  u16 part, u8 verse, then per syllable u16 position (ascending),
//         u8 flags (bits 0-1 syllabic, bit 2 extend), u8 length, UTF-8
// A chunk with another tag, or a field number this version does not know,
// is kept as it was read and written back after the known ones.

#include "model/ScoreWordsFile.h"

#include "model/SornData.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <thread>

namespace sorn {

namespace {

void PutLE(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::uint32_t GetLE(std::string_view in, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(in[at + static_cast<std::size_t>(i)]);
    return value;
}

void Chunk(std::string& out, const char* tag, const std::string& payload) {
    out.append(tag, 4);
    PutLE(out, static_cast<std::uint32_t>(payload.size()), 4);
    out += payload;
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
    out.append(kWordsMagic, 4);
    out.append(4, '\0'); // the size of the chunks, known at the end
    std::string payload;
    for (int f = 0; f < ScoreTextCount; ++f) {
        const std::string& text = doc.Text(static_cast<ScoreText>(f));
        if (text.empty()) continue;
        payload.clear();
        PutLE(payload, static_cast<std::uint32_t>(f), 1);
        Chunk(out, "TEXT", payload += text);
    }
    for (int p = 0; p < doc.PartCount(); ++p) {
        const auto part = static_cast<std::uint8_t>(p);
        for (PartText field : {PartText::Name, PartText::ShortName}) {
            const std::string& text = doc.GetPartText(part, field);
            if (text.empty()) continue;
            payload.clear();
            PutLE(payload, part, 2);
            PutLE(payload, static_cast<std::uint32_t>(field), 1);
            Chunk(out, "PART", payload += text);
        }
        const int verses = doc.VerseCount(part);
        for (int v = 0; v < verses; ++v) {
            // Straight into the output: a choir's score has half a million syllables.
            const std::size_t chunk = out.size();
            out.append("LYRC\0\0\0\0", 8);
            PutLE(out, part, 2);
            PutLE(out, static_cast<std::uint32_t>(v), 1);
            doc.parts_[part].words.verses[static_cast<std::size_t>(v)].AppendEntries(out);
            const auto size = static_cast<std::uint32_t>(out.size() - chunk - 8);
            for (int i = 0; i < 4; ++i)
                out[chunk + 4 + static_cast<std::size_t>(i)] =
                    static_cast<char>((size >> (8 * i)) & 0xFF);
            if (out.size() > MaxWordsBytes + 8) break;
        }
    }
    for (const auto& chunk : doc.UnknownChunks()) {
        out.append(chunk.tag.data(), 4);
        PutLE(out, static_cast<std::uint32_t>(chunk.payload.size()), 4);
        out += chunk.payload;
    }
    if (out.size() - 8 > MaxWordsBytes) {
        out.clear();
        return std::make_error_code(std::errc::file_too_large);
    }
    const auto size = static_cast<std::uint32_t>(out.size() - 8);
    for (int i = 0; i < 4; ++i)
        out[4 + static_cast<std::size_t>(i)] = static_cast<char>((size >> (8 * i)) & 0xFF);
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

bool DecodeWordsChunks(std::vector<WordsChunk> chunks, SornData& doc) {
    bool whole = true;
    std::vector<WordsChunk*> lyrics;
    std::set<std::string> verses;
    bool distinct = true;
    std::size_t lyricBytes = 0;
    for (WordsChunk& chunk : chunks) {
        const std::string_view tag(chunk.tag.data(), 4);
        if (tag != "LYRC") {
            if (!WordsReader(doc).Read(tag, std::move(chunk.payload))) whole = false;
            continue;
        }
        lyrics.push_back(&chunk);
        lyricBytes += chunk.payload.size();
        if (!verses.insert(chunk.payload.substr(0, 3)).second) distinct = false;
    }
    // Verses are read on their own, so a choir's half a million syllables
    // are checked on two threads; a verse given twice keeps the file's order.
    const auto read = [&doc](WordsChunk* const* from, WordsChunk* const* to) {
        bool ok = true;
        for (; from != to; ++from)
            if (!WordsReader(doc).Read("LYRC", std::move((*from)->payload))) ok = false;
        return ok;
    };
    WordsChunk* const* begin = lyrics.data();
    WordsChunk* const* end = begin + lyrics.size();
    WordsChunk* const* half = begin + lyrics.size() / 2;
    bool firstHalf = true;
    bool secondHalf = true;
    std::thread helper;
    if (distinct && lyricBytes >= (std::size_t{1} << 20)) {
        try {
            helper = std::thread([&] { secondHalf = read(half, end); });
        } catch (const std::system_error&) {
            // No thread to be had: this one reads it all.
        }
    }
    firstHalf = read(begin, helper.joinable() ? half : end);
    if (helper.joinable()) helper.join();
    return whole && firstHalf && secondHalf;
}

} // namespace sorn
