#include "platform/QtCanvas.h"

#include "platform/GlyphSet.h"

#include <QFontMetricsF>
#include <QPen>
#include <QString>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace sorn {

QtCanvas::QtCanvas(QImage& image, const GlyphSet& glyphs) : image_(image), glyphs_(glyphs) {
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

QtCanvas::~QtCanvas() {
    painter_.end();
}

void QtCanvas::ClipTo(const QRect& area) {
    painter_.setClipRect(area);
}

void QtCanvas::Clear() {
    painter_.setCompositionMode(QPainter::CompositionMode_Source);
    painter_.fillRect(image_.rect(), Qt::white);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

QPainter& QtCanvas::Begin(const QRectF& bounds) {
    if (!invert_) return painter_;
    const int margin = lineWidth_ + 2;
    scratchArea_ = bounds.toAlignedRect()
                       .adjusted(-margin, -margin, margin, margin)
                       .intersected(image_.rect());
    scratch_ = QImage(scratchArea_.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    scratch_.fill(Qt::white);
    scratchPainter_.begin(&scratch_);
    scratchPainter_.setRenderHint(QPainter::Antialiasing, false);
    scratchPainter_.translate(-scratchArea_.topLeft());
    return scratchPainter_;
}

void QtCanvas::End() {
    if (!invert_) return;
    scratchPainter_.end();
    if (scratchArea_.isEmpty()) return;
    // Ink becomes white and paper black, so the exclusive-or below inverts
    // exactly the inked pixels (and grey ink partly).
    scratch_.invertPixels();
    painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter_.drawImage(scratchArea_.topLeft(), scratch_);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void QtCanvas::SetUpPen(QPainter& p, bool fill) const {
    // Square caps put both end pixels of a line in it. A one-pixel pen is
    // cosmetic: the same pixels, set along the line instead of stroked as
    // an outline, which a staff line across a wide window makes costly.
    QPen pen(Qt::black, lineWidth_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    pen.setCosmetic(lineWidth_ == 1);
    p.setPen(pen);
    p.setBrush(fill && solid_ ? QBrush(Qt::black) : QBrush(Qt::NoBrush));
}

void QtCanvas::Line(float x1, float y1, float x2, float y2) {
    // A one-pixel line along a row or a column between whole pixels covers
    // exactly the pixels from end to end: filled as a rectangle, a staff
    // line across a wide window costs a fill rather than a stroke.
    const bool whole = x1 == std::floor(x1) && y1 == std::floor(y1) && x2 == std::floor(x2) &&
                       y2 == std::floor(y2);
    if (!invert_ && lineWidth_ == 1 && whole && (x1 == x2 || y1 == y2)) {
        const QRect pixels(
            QPoint(static_cast<int>(std::min(x1, x2)), static_cast<int>(std::min(y1, y2))),
            QPoint(static_cast<int>(std::max(x1, x2)), static_cast<int>(std::max(y1, y2))));
        painter_.fillRect(pixels, Qt::black);
        current_ = QPointF(x2, y2);
        return;
    }
    const QPointF a(x1, y1), b(x2, y2);
    QPainter& p = Begin(QRectF(a, b).normalized());
    SetUpPen(p, false);
    p.drawLine(a, b);
    End();
    current_ = b;
}

void QtCanvas::LineBy(float dx, float dy) {
    const QPointF from = current_;
    Line(from.x(), from.y(), from.x() + dx, from.y() + dy);
}

void QtCanvas::Box(float x, float y, float width, float height) {
    const QRectF box = QRectF(x, y, width, height).normalized();
    QPainter& p = Begin(box);
    SetUpPen(p, true);
    p.drawRect(box);
    End();
}

void QtCanvas::Circle(float cx, float cy, float r) {
    const QRectF box(cx - r, cy - r, 2 * r, 2 * r);
    QPainter& p = Begin(box);
    SetUpPen(p, true);
    p.drawEllipse(box);
    End();
}

void QtCanvas::Arc(float cx, float cy, float r, float a1, float a2) {
    // Counter-clockwise from a1 to a2, however far round that is.
    constexpr double kTurn = 2 * std::numbers::pi;
    double span = std::fmod(static_cast<double>(a2) - a1, kTurn);
    if (span < 0) span += kTurn;
    const auto sixteenths = [](double radians) {
        return static_cast<int>(std::lround(radians * 180 / std::numbers::pi * 16));
    };
    const QRectF box(cx - r, cy - r, 2 * r, 2 * r);
    QPainter& p = Begin(box);
    SetUpPen(p, false);
    p.drawArc(box, sixteenths(a1), sixteenths(span));
    End();
}

void QtCanvas::Point(float x, float y) {
    const QPointF at(x, y);
    QPainter& p = Begin(QRectF(at, at));
    SetUpPen(p, false);
    p.drawPoint(at);
    End();
}

void QtCanvas::Glyph(GlyphKey key, Rect source, Rect target, GlyphMode mode) {
    const auto placed = PlaceGlyph(key, source, target);
    if (!placed) return;
    const auto& [src, dest, mirrored] = *placed;
    const QImage& glyph = glyphs_.Image(key);
    QPainter& p = Begin(dest);
    p.setCompositionMode(mode == GlyphMode::And ? QPainter::RasterOp_SourceAndDestination
                                                : QPainter::CompositionMode_Source);
    if (mirrored)
        p.drawImage(dest, glyph.copy(src).mirrored(false, true));
    else
        p.drawImage(dest, glyph, src);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    End();
}

void QtCanvas::Text(std::string_view text, float x, float y) {
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QPointF baseline = TextBaseline(x, y);
    // Only inverted text needs its bounds, for the scratch image it is drawn on.
    const QRectF bounds =
        invert_ ? QFontMetricsF(textFont_).boundingRect(s).translated(baseline) : QRectF();
    QPainter& p = Begin(bounds);
    p.setFont(textFont_);
    p.setPen(Qt::black);
    p.drawText(baseline, s);
    End();
}

float QtCanvas::Width() const {
    return static_cast<float>(image_.width());
}
float QtCanvas::Height() const {
    return static_cast<float>(image_.height());
}

} // namespace sorn
