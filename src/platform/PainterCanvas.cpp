#include "platform/PainterCanvas.h"

#include "platform/GlyphSet.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPathStroker>
#include <QPen>
#include <QString>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace sorn {
namespace {

// The bitmap canvas inks the pixel to the right of and below a coordinate;
// strokes are centred on that pixel so both canvases cover the same area.
constexpr double kHalf = 0.5;

QPointF Centre(float x, float y) {
    return {x + kHalf, y + kHalf};
}

} // namespace

PainterCanvas::PainterCanvas(QPainter& painter, float width, float height, const GlyphSet& glyphs)
    : painter_(painter), glyphs_(glyphs), width_(width), height_(height) {
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    // PDF and SVG cannot blend; there the inverted cursor is drawn in black.
    const QPaintEngine* engine = painter_.paintEngine();
    canInvert_ = engine && engine->type() == QPaintEngine::Raster;
    pdf_ = engine && engine->type() == QPaintEngine::Pdf;
    // The SVG writer ignores clipping; there a glyph cell is cut out by hand.
    clipByHand_ = engine && engine->type() == QPaintEngine::SVG;
}

PainterCanvas::~PainterCanvas() {
    painter_.restore();
}

void PainterCanvas::Clear() {
    painter_.fillRect(QRectF(0, 0, width_, height_), Qt::white);
}

void PainterCanvas::Ink(const QPainterPath& shape, bool fillable) {
    const QPen pen(Qt::black, lineWidth_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    const bool fill = fillable && solid_;
    if (!invert_ || !canInvert_) {
        painter_.setPen(pen);
        painter_.setBrush(fill ? ink_ : QBrush());
        painter_.drawPath(shape);
        return;
    }
    QPainterPathStroker stroker(pen);
    QPainterPath area = stroker.createStroke(shape);
    if (fill) area = area.united(shape);
    area.setFillRule(Qt::WindingFill);
    painter_.save();
    painter_.setCompositionMode(QPainter::CompositionMode_Difference);
    painter_.fillPath(area, Qt::white);
    painter_.restore();
}

void PainterCanvas::Line(float x1, float y1, float x2, float y2) {
    current_ = QPointF(x2, y2);
    if (!invert_) {
        painter_.setPen(QPen(Qt::black, lineWidth_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter_.drawLine(Centre(x1, y1), Centre(x2, y2));
        return;
    }
    QPainterPath path(Centre(x1, y1));
    path.lineTo(Centre(x2, y2));
    Ink(path, false);
}

void PainterCanvas::LineBy(float dx, float dy) {
    const QPointF from = current_;
    Line(static_cast<float>(from.x()), static_cast<float>(from.y()),
         static_cast<float>(from.x() + dx), static_cast<float>(from.y() + dy));
}

void PainterCanvas::Box(float x, float y, float width, float height) {
    QPainterPath path;
    path.addRect(QRectF(Centre(x, y), QSizeF(width, height)).normalized());
    Ink(path, true);
}

void PainterCanvas::Circle(float cx, float cy, float r) {
    QPainterPath path;
    path.addEllipse(Centre(cx, cy), r, r);
    Ink(path, true);
}

void PainterCanvas::Arc(float cx, float cy, float r, float a1, float a2) {
    // Counter-clockwise from a1 to a2, however far round that is.
    constexpr double kTurn = 2 * std::numbers::pi;
    double span = std::fmod(static_cast<double>(a2) - a1, kTurn);
    if (span < 0) span += kTurn;
    const QPointF c = Centre(cx, cy);
    const QRectF box(c.x() - r, c.y() - r, 2.0 * r, 2.0 * r);
    constexpr double kDegrees = 180 / std::numbers::pi;
    QPainterPath path;
    path.arcMoveTo(box, a1 * kDegrees);
    path.arcTo(box, a1 * kDegrees, span * kDegrees);
    Ink(path, false);
}

void PainterCanvas::Point(float x, float y) {
    // A square of the line width, as a square-capped pen dot.
    const double w = lineWidth_;
    const QPointF c = Centre(x, y);
    const QRectF dot(c.x() - w / 2, c.y() - w / 2, w, w);
    if (invert_ && canInvert_) {
        painter_.save();
        painter_.setCompositionMode(QPainter::CompositionMode_Difference);
        painter_.fillRect(dot, Qt::white);
        painter_.restore();
    } else {
        painter_.fillRect(dot, Qt::black);
    }
}

void PainterCanvas::Glyph(GlyphKey key, Rect source, Rect target, GlyphMode mode) {
    // The same source and target rectangles as the bitmap canvas takes.
    const auto placed = PlaceGlyph(key, source, target);
    if (!placed) return;
    const auto& [src, dest, mirrored] = *placed;
    // Glyph pixels onto the target: x left to right, y down or, mirrored, up.
    const double sx = double(dest.width()) / src.width();
    const double sy = double(dest.height()) / src.height() * (mirrored ? -1 : 1);
    const double oy = mirrored ? src.y() + src.height() : src.y();
    const QTransform place(sx, 0, 0, sy, dest.x() - src.x() * sx, dest.y() - oy * sy);

    // Only the pieces that reach into the source: one cell of a strip of
    // numerals or dynamics, not all of them; the clip only where one of
    // them pokes out of it.
    const GlyphOutline& outline = glyphs_.Outline(key);
    const QRectF cellArea(src);
    std::vector<const GlyphOutline::Piece*> pieces;
    bool clip = false;
    for (const GlyphOutline::Piece& piece : outline.pieces) {
        if (!piece.bounds.intersects(cellArea)) continue;
        pieces.push_back(&piece);
        clip = clip || !cellArea.contains(piece.bounds);
    }
    painter_.save();
    if (clip) painter_.setClipRect(dest, Qt::IntersectClip);
    // Copy replaces what lay under the cell, staff lines included.
    if (mode == GlyphMode::Copy) painter_.fillRect(dest, Qt::white);
    painter_.setTransform(place, true);
    painter_.setBrush(ink_);
    if (clipByHand_) {
        painter_.setPen(Qt::NoPen);
        for (const QPainterPath& ink : CutInk(key, src, pieces))
            painter_.drawPath(ink);
    } else {
        for (const GlyphOutline::Piece* piece : pieces) {
            if (glyphsAsText_ && piece->thicken == 0 && !piece->text.isEmpty()) {
                const QTransform glyphToCell = painter_.transform();
                painter_.setTransform(piece->place * glyphToCell);
                painter_.setFont(piece->font);
                painter_.setPen(Qt::black);
                painter_.drawText(QPointF(0, 0), piece->text);
                painter_.setTransform(glyphToCell);
                continue;
            }
            painter_.setPen(piece->thicken > 0 ? QPen(Qt::black, piece->thicken) : QPen(Qt::NoPen));
            painter_.drawPath(piece->path);
            glyphElements_ += piece->path.elementCount();
        }
    }
    for (int row : outline.staffRows)
        if (row >= src.top() && row <= src.bottom())
            painter_.fillRect(QRectF(src.x(), row, src.width(), 1), Qt::black);
    painter_.restore();
}

const std::vector<QPainterPath>&
PainterCanvas::CutInk(GlyphKey key, const QRect& cell,
                      std::span<const GlyphOutline::Piece* const> pieces) {
    // The pieces are those of the key that reach into the cell, so the key
    // and the cell name the result.
    const std::array<int, 5> name = {static_cast<int>(key), cell.x(), cell.y(), cell.width(),
                                     cell.height()};
    const auto [found, added] = cutInk_.try_emplace(name);
    if (!added) return found->second;
    QPainterPath area;
    area.addRect(cell);
    for (const GlyphOutline::Piece* piece : pieces) {
        QPainterPath ink = piece->path;
        if (piece->thicken > 0) {
            QPainterPathStroker stroker(QPen(Qt::black, piece->thicken));
            ink = ink.united(stroker.createStroke(piece->path));
        }
        found->second.push_back(ink.intersected(area));
    }
    return found->second;
}

void PainterCanvas::Text(std::string_view text, float x, float y) {
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QPointF baseline = TextBaseline(x, y);
    painter_.setFont(textFont_);
    painter_.setPen(Qt::black);
    if (invert_ && canInvert_) {
        painter_.save();
        painter_.setCompositionMode(QPainter::CompositionMode_Difference);
        painter_.setPen(Qt::white);
        painter_.drawText(baseline, s);
        painter_.restore();
        return;
    }
    painter_.drawText(baseline, s);
}

} // namespace sorn
