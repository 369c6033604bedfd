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
} // namespace

std::vector<PositionRecord> Copy(const SornData& doc, std::uint8_t part, std::int32_t first,
                                 std::int32_t last) {
    std::vector<PositionRecord> out;
    for (std::int32_t i = std::max(first, 0); i <= std::min(last, doc.Length()); ++i)
        if (const PositionRecord* r = doc.Record(part, i)) out.push_back(*r);
    return out;
}

QByteArray Encode(std::span<const PositionRecord> positions) {
    QByteArray bytes(kMagic, sizeof kMagic);
    const auto n = static_cast<std::uint32_t>(positions.size());
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(static_cast<char>((n >> shift) & 0xFF));
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

void Put(std::span<const PositionRecord> positions) {
    auto data = std::make_unique<QMimeData>();
    data->setData(QString::fromLatin1(kMimeType), Encode(positions));
    data->setText(PlainText(positions));
    QGuiApplication::clipboard()->setMimeData(data.release()); // the clipboard owns it
}

std::optional<std::vector<PositionRecord>> Take() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(QString::fromLatin1(kMimeType))) return std::nullopt;
    return Decode(data->data(QString::fromLatin1(kMimeType)));
}

} // namespace sorn::Clipboard
