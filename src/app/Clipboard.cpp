#include "app/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QStringList>
#include <algorithm>
#include <cstring>
#include <memory>

namespace sorn::Clipboard {

namespace {
// "sPOS", the number of positions (32-bit little-endian), then the records.
constexpr char kMagic[4] = {'s', 'P', 'O', 'S'};
constexpr qsizetype kHeaderBytes = 8;
constexpr std::int64_t kMostPositions = MaxLength + 1;
// "sLYR", the passage's positions and the number of syllables (32-bit
// little-endian each), then per syllable its position (32-bit), verse,
// kind (syllabic, 4 with an extender), text size and UTF-8 text.
constexpr char kWordsMagic[4] = {'s', 'L', 'Y', 'R'};

void AppendNumber(QByteArray& bytes, std::uint32_t n) {
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(static_cast<char>((n >> shift) & 0xFF));
}

// Reads forward through bytes; any read past the end fails all that follow.
class Reader {
public:
    explicit Reader(const QByteArray& bytes) : bytes_(bytes) {}
    bool Take(qsizetype n) {
        ok_ = ok_ && n >= 0 && bytes_.size() - at_ >= n;
        return ok_;
    }
    std::uint32_t Number() {
        if (!Take(4)) return 0;
        std::uint32_t n = 0;
        for (int i = 0; i < 4; ++i)
            n |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes_[at_ + i])) << (8 * i);
        at_ += 4;
        return n;
    }
    std::uint8_t Byte() {
        if (!Take(1)) return 0;
        return static_cast<std::uint8_t>(bytes_[at_++]);
    }
    std::string Text(std::size_t n) {
        if (!Take(static_cast<qsizetype>(n))) return {};
        std::string text(bytes_.constData() + at_, n);
        at_ += static_cast<qsizetype>(n);
        return text;
    }
    bool Ok() const { return ok_; }
    bool AtEnd() const { return at_ == bytes_.size(); }

private:
    const QByteArray& bytes_;
    qsizetype at_ = 0;
    bool ok_ = true;
};
} // namespace

std::vector<PositionRecord> Copy(const SornData& doc, std::uint8_t part, std::int32_t first,
                                 std::int32_t last) {
    std::vector<PositionRecord> out;
    for (std::int32_t i = std::max(first, 0); i <= std::min(last, doc.Length()); ++i)
        if (const PositionRecord* r = doc.Record(part, i)) out.push_back(*r);
    return out;
}

std::vector<CopiedSyllable> CopyWords(const SornData& doc, std::uint8_t part, std::int32_t first,
                                      std::int32_t last) {
    std::vector<CopiedSyllable> out;
    const int verses = doc.VerseCount(part);
    first = std::max(first, 0);
    for (std::int32_t i = first; i <= std::min(last, doc.Length()); ++i)
        for (int v = 0; v < verses; ++v)
            if (const Syllable& s = doc.GetSyllable(part, i, v); !s.Empty())
                out.push_back({i - first, v, s});
    return out;
}

QByteArray Encode(std::span<const PositionRecord> positions) {
    QByteArray bytes(kMagic, sizeof kMagic);
    AppendNumber(bytes, static_cast<std::uint32_t>(positions.size()));
    bytes.append(reinterpret_cast<const char*>(positions.data()),
                 static_cast<qsizetype>(positions.size_bytes()));
    return bytes;
}

std::optional<std::vector<PositionRecord>> Decode(const QByteArray& bytes) {
    if (bytes.size() < kHeaderBytes || std::memcmp(bytes.constData(), kMagic, 4) != 0)
        return std::nullopt;
    std::uint32_t n = 0;
    for (int i = 0; i < 4; ++i)
        n |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[4 + i])) << (8 * i);
    const std::int64_t expected =
        kHeaderBytes +
        static_cast<std::int64_t>(n) * static_cast<std::int64_t>(sizeof(PositionRecord));
    if (n == 0 || n > kMostPositions || bytes.size() != expected) return std::nullopt;
    std::vector<PositionRecord> positions(n);
    std::memcpy(positions.data(), bytes.constData() + kHeaderBytes, n * sizeof(PositionRecord));
    return positions;
}

QByteArray EncodeWords(std::int32_t positions, std::span<const CopiedSyllable> words) {
    QByteArray bytes(kWordsMagic, sizeof kWordsMagic);
    AppendNumber(bytes, static_cast<std::uint32_t>(positions));
    AppendNumber(bytes, static_cast<std::uint32_t>(words.size()));
    for (const CopiedSyllable& w : words) {
        AppendNumber(bytes, static_cast<std::uint32_t>(w.offset));
        bytes.append(static_cast<char>(w.verse));
        bytes.append(static_cast<char>(SyllableFlags(w.syllable)));
        bytes.append(static_cast<char>(w.syllable.text.size()));
        bytes.append(w.syllable.text.data(), static_cast<qsizetype>(w.syllable.text.size()));
    }
    return bytes;
}

std::optional<std::vector<CopiedSyllable>> DecodeWords(const QByteArray& bytes,
                                                       std::size_t positions) {
    Reader in(bytes);
    if (in.Text(4) != std::string(kWordsMagic, 4) || in.Number() != positions) return std::nullopt;
    const std::uint32_t count = in.Number();
    // Every syllable takes at least eight bytes: a count beyond that is a lie.
    if (!in.Ok() || count > static_cast<std::uint64_t>(bytes.size()) / 8) return std::nullopt;
    std::vector<CopiedSyllable> words;
    words.reserve(count);
    for (std::uint32_t k = 0; k < count; ++k) {
        const std::uint32_t offset = in.Number();
        const int verse = in.Byte();
        const int kind = in.Byte();
        const Syllable s = MakeSyllable(in.Text(in.Byte()), static_cast<unsigned>(kind));
        // In order, each position and verse once, and only what the score could hold.
        const bool inOrder = words.empty() ||
                             offset > static_cast<std::uint32_t>(words.back().offset) ||
                             (offset == static_cast<std::uint32_t>(words.back().offset) &&
                              verse > words.back().verse);
        if (!in.Ok() || offset >= positions || verse >= MaxVerses ||
            static_cast<unsigned>(kind) > kSyllableFlagsMost || s.Empty() ||
            !ValidWordsText(s.text, MaxSyllableBytes) || !inOrder)
            return std::nullopt;
        words.push_back({static_cast<std::int32_t>(offset), verse, s});
    }
    if (!in.AtEnd()) return std::nullopt;
    return words;
}

QString PlainText(std::span<const PositionRecord> positions) {
    QStringList lines;
    lines << QStringLiteral("SORN楽譜エディタ %1 位置").arg(positions.size());
    for (const PositionRecord& r : positions) {
        QStringList pairs;
        for (int k = 0; k < SlotCount; ++k)
            if (r.Syurui[k] != 0) pairs << QStringLiteral("%1:%2").arg(r.Syurui[k]).arg(r.Atai[k]);
        lines << (pairs.isEmpty() ? QStringLiteral("-") : pairs.join(QLatin1Char(' ')));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void Put(std::span<const PositionRecord> positions, std::span<const CopiedSyllable> words) {
    auto data = std::make_unique<QMimeData>();
    data->setData(QString::fromLatin1(kMimeType), Encode(positions));
    // Always, even with no syllable: pasting then takes away those under the passage.
    data->setData(QString::fromLatin1(kWordsMimeType),
                  EncodeWords(static_cast<std::int32_t>(positions.size()), words));
    data->setText(PlainText(positions));
    QGuiApplication::clipboard()->setMimeData(data.release()); // the clipboard owns it
}

std::optional<std::vector<PositionRecord>> Take() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(QString::fromLatin1(kMimeType))) return std::nullopt;
    return Decode(data->data(QString::fromLatin1(kMimeType)));
}

std::optional<std::vector<CopiedSyllable>> TakeWords(std::size_t positions) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(QString::fromLatin1(kWordsMimeType))) return std::nullopt;
    return DecodeWords(data->data(QString::fromLatin1(kWordsMimeType)), positions);
}

} // namespace sorn::Clipboard
