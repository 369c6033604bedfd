#include "platform/QtCanvasCommon.h"

#include <QFontMetricsF>
#include <QStringList>
#include <cmath>

namespace sorn {
namespace {

constexpr int kTextPixelSize = 12;
// The text's top lies this far above its capitals, like a compact
// character cell, so that "x" sits on the note it is written beside.
constexpr double kTextLead = 2.0;

int Round(float v) {
    return static_cast<int>(std::lround(v));
}

} // namespace

QtCanvasCommon::QtCanvasCommon() : textFont_(QStringLiteral("Noto Serif")) {
    // Kana and kanji come from the Japanese cut of the same design, whatever
    // the system would otherwise fall back on.
    textFont_.setFamilies(QStringList{QStringLiteral("Noto Serif"),
                                      QStringLiteral("Noto Serif CJK JP"),
                                      QStringLiteral("Noto Music")});
    textFont_.setPixelSize(kTextPixelSize);
    textFont_.setStyleHint(QFont::Serif);
}

void QtCanvasCommon::SetTextSize(float pixels, bool bold) {
    textFont_.setPixelSize(std::max(1, Round(pixels)));
    textFont_.setBold(bold);
}

float QtCanvasCommon::TextWidth(std::string_view text) const {
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return static_cast<float>(QFontMetricsF(textFont_).horizontalAdvance(s));
}

QPointF QtCanvasCommon::TextBaseline(float x, float y) const {
    return {x, y + kTextLead + QFontMetricsF(textFont_).capHeight()};
}

std::optional<QtCanvasCommon::GlyphPlacement> QtCanvasCommon::PlaceGlyph(GlyphKey key, Rect source,
                                                                         Rect target) {
    const GlyphSize size = SizeOf(key);
    const int sh = Round(source.height);
    const bool mirrored = sh < 0;
    // A negative height counts upward from the source's first row.
    const QRect wanted =
        mirrored ? QRect(Round(source.x), Round(source.y) + sh + 1, Round(source.width), -sh)
                 : QRect(Round(source.x), Round(source.y), Round(source.width), sh);
    QRect dest(Round(target.x), Round(target.y), Round(target.width), Round(target.height));
    const QRect src = wanted.intersected(QRect(0, 0, size.width, size.height));
    if (src.isEmpty() || dest.isEmpty()) return std::nullopt;
    if (src != wanted) {
        // Keep the part of the target that the clipped source maps to.
        const double kx = double(dest.width()) / wanted.width();
        const double ky = double(dest.height()) / wanted.height();
        const int top = mirrored ? wanted.bottom() - src.bottom() : src.top() - wanted.top();
        dest = QRect(dest.x() + Round(static_cast<float>((src.left() - wanted.left()) * kx)),
                     dest.y() + Round(static_cast<float>(top * ky)),
                     Round(static_cast<float>(src.width() * kx)),
                     Round(static_cast<float>(src.height() * ky)));
        if (dest.isEmpty()) return std::nullopt;
    }
    return GlyphPlacement{src, dest, mirrored};
}

} // namespace sorn
