#include "platform/GlyphSet.h"

#include <QFont>
#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRawFont>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace sorn {
namespace {

// Outlines are taken at 1000 pixels to the em, so path units are font units.
constexpr int kOutlineSize = 1000;
constexpr double kSpace = 8.0; // pixels between staff lines

const QString kMusicFamily = QStringLiteral("Noto Music");
const QString kSerifFamily = QStringLiteral("Noto Serif");

QFont OutlineFont(const QString& family, bool bold) {
    // Register the files directly if fontconfig does not know them.
    static const bool registered = [] {
        const QStringList families = QFontDatabase::families();
        if (!families.contains(kMusicFamily))
            QFontDatabase::addApplicationFont(
                QStringLiteral("/usr/share/fonts/truetype/noto/NotoMusic-Regular.ttf"));
        if (!families.contains(kSerifFamily)) {
            QFontDatabase::addApplicationFont(
                QStringLiteral("/usr/share/fonts/truetype/noto/NotoSerif-Regular.ttf"));
            QFontDatabase::addApplicationFont(
                QStringLiteral("/usr/share/fonts/truetype/noto/NotoSerif-Bold.ttf"));
        }
        return true;
    }();
    (void)registered;
    QFont font(family);
    font.setPixelSize(kOutlineSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoFontMerging);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QString FromCodePoints(std::initializer_list<char32_t> cps) {
    std::u32string s(cps);
    return QString::fromUcs4(s.data(), static_cast<qsizetype>(s.size()));
}

// Text of a font and its outline, baseline at the origin.
struct Shape {
    QFont font;
    QString text;
    QPainterPath path;
};

// A font's glyphs as outlines, each loaded once: the symbols and numerals
// are single characters set side by side, so their glyphs come straight
// from the character map, without laying text out.
class OutlineSource {
public:
    explicit OutlineSource(const QFont& font) : font_(font), raw_(QRawFont::fromFont(font)) {}

    Shape Outline(const QString& text) {
        const QList<quint32> indexes = raw_.glyphIndexesForString(text);
        const QList<QPointF> advances =
            raw_.advancesForGlyphIndexes(indexes, QRawFont::KernedAdvances);
        Shape shape{font_, text, {}};
        QPointF pen;
        for (qsizetype i = 0; i < indexes.size(); ++i) {
            const quint32 index = indexes[i];
            auto found = glyphs_.find(index);
            if (found == glyphs_.end())
                found = glyphs_.emplace(index, raw_.pathForGlyph(index)).first;
            shape.path.addPath(found->second.translated(pen));
            if (i < advances.size()) pen += advances[i];
        }
        return shape;
    }

private:
    QFont font_;
    QRawFont raw_;
    std::map<quint32, QPainterPath> glyphs_;
};

Shape MusicOutline(OutlineSource& music, char32_t cp) {
    return music.Outline(FromCodePoints({cp}));
}

// Maps font units to glyph pixels: (ux, uy) lands on (px, py), scaled by sx, sy.
QTransform Place(double sx, double sy, double ux, double uy, double px, double py) {
    return QTransform(sx, 0, 0, sy, px - ux * sx, py - uy * sy);
}

// Places a shape in the glyph; `thicken` pixels are added to every stroke
// of it.
void Ink(GlyphOutline& outline, const Shape& shape, const QTransform& t, double thicken = 0) {
    const QPainterPath placed = t.map(shape.path);
    const QRectF bounds =
        placed.boundingRect().adjusted(-thicken / 2, -thicken / 2, thicken / 2, thicken / 2);
    outline.pieces.push_back({placed, thicken, bounds, shape.font, shape.text, t});
}

// Steepens the antialiased edges so that small symbols stay crisp, and
// rounds the ink to 16 grey levels.
void Finish(QImage& image, double low, double high) {
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double ink = (255 - qGray(row[x])) / 255.0;
            const double c = std::clamp((ink - low) / (high - low), 0.0, 1.0);
            const int v = 255 - 17 * static_cast<int>(std::lround(c * 15));
            row[x] = qRgb(v, v, v);
        }
    }
}

// The bitmap of a glyph: its outlines filled in black, antialiased and
// finished, then its staff rows.
QImage Paint(GlyphKey key, const GlyphOutline& outline) {
    const GlyphSize size = SizeOf(key);
    QImage image(size.width, size.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::black);
    for (const GlyphOutline::Piece& piece : outline.pieces) {
        p.setPen(piece.thicken > 0 ? QPen(Qt::black, piece.thicken) : QPen(Qt::NoPen));
        p.drawPath(piece.path);
    }
    p.end();
    // The flag's thin curve keeps more of its grey.
    if (key == GlyphKey::flag)
        Finish(image, 0.1, 0.9);
    else
        Finish(image, 0.2, 0.8);
    p.begin(&image);
    for (int row : outline.staffRows)
        p.fillRect(QRect(0, row, image.width(), 1), Qt::black);
    p.end();
    return image;
}

// Five staff rows at glyph rows 16, 24, 32, 40 and 48.
constexpr int kClefTopRow = 16;

struct StaffMetrics {
    double scale;    // pixels per font unit
    double lineY[5]; // centres of the five lines, top first, in font units
};

// The music font's five-line staff glyph fixes the size its clefs are
// drawn for, and where they sit on the lines.
StaffMetrics MeasureStaff(OutlineSource& music) {
    std::vector<double> centres;
    for (const QPolygonF& line : MusicOutline(music, U'\U0001D11A').path.toSubpathPolygons())
        centres.push_back(line.boundingRect().center().y());
    std::sort(centres.begin(), centres.end());
    StaffMetrics m{};
    if (centres.size() != 5) {
        // Not the expected staff glyph: assume an em of four spaces.
        for (int i = 0; i < 5; ++i)
            m.lineY[i] = -kOutlineSize + i * kOutlineSize / 4.0;
    } else {
        std::copy(centres.begin(), centres.end(), m.lineY);
    }
    m.scale = kSpace / ((m.lineY[4] - m.lineY[0]) / 4);
    return m;
}

// A pixel row's centre, for lining up a font line with a glyph row.
double RowCentre(int row) {
    return row + 0.5;
}

void Clef(OutlineSource& music, GlyphKey key, const StaffMetrics& staff, GlyphOutline& outline) {
    const double width = SizeOf(key).width;
    Shape shape;
    QPainterPath& path = shape.path;
    double fontY = 0; // a font y that belongs on glyph row `row`
    int row = 0;
    switch (key) {
    case GlyphKey::toon: // curl round the second line from the bottom
        shape = MusicOutline(music, U'\U0001D11E');
        fontY = staff.lineY[3];
        row = kClefTopRow + 24;
        break;
    case GlyphKey::haona: // centred on the middle line
    case GlyphKey::haont: // centred on the fourth line
        shape = MusicOutline(music, U'\U0001D121');
        fontY = staff.lineY[2];
        row = key == GlyphKey::haona ? kClefTopRow + 16 : kClefTopRow + 8;
        break;
    default: { // F clef: its two dots straddle the fourth line
        shape = MusicOutline(music, U'\U0001D122');
        const QRectF all = path.boundingRect();
        QRectF dots;
        for (const QPolygonF& part : path.toSubpathPolygons()) {
            const QRectF b = part.boundingRect();
            if (b.left() > all.center().x()) dots = dots.isNull() ? b : dots.united(b);
        }
        fontY = dots.isNull() ? all.top() + all.height() * 0.3 : dots.center().y();
        row = kClefTopRow + 8;
        break;
    }
    }
    const QRectF b = path.boundingRect();
    // Wide clefs are narrowed rather than shrunk, so they keep their
    // height against the lines.
    const double sx = std::min(staff.scale, (width - 1) / b.width());
    const QTransform t = Place(sx, staff.scale, b.center().x(), fontY, width / 2, RowCentre(row));
    Ink(outline, shape, t);
    for (int line = 0; line < 5; ++line)
        outline.staffRows.push_back(kClefTopRow + 8 * line);
}

// The x of every long vertical edge of an outline, left to right: the two
// sides of each stem of an accidental.
std::vector<double> StemEdges(const QPainterPath& path) {
    const double minLength = path.boundingRect().height() * 0.15;
    std::vector<double> edges;
    for (const QPolygonF& part : path.toSubpathPolygons()) {
        for (qsizetype i = 0; i + 1 < part.size(); ++i) {
            const QPointF a = part[i], b = part[i + 1];
            if (std::abs(a.x() - b.x()) < 1 && std::abs(a.y() - b.y()) > minLength)
                edges.push_back(a.x());
        }
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end(),
                            [](double a, double b) { return std::abs(a - b) < 2; }),
                edges.end());
    return edges;
}

// The note's line or space runs through glyph row 7.
constexpr int kAccidentalNoteRow = 7;

void Accidental(OutlineSource& music, GlyphKey key, GlyphOutline& outline) {
    Shape shape;
    QPainterPath& path = shape.path;
    double centreY = 0; // font y that belongs on the note row
    int row = kAccidentalNoteRow;
    int stemColumn = 0; // pixel column of the rightmost stem
    double stemGap = 0; // pixels between the stems of a sharp or natural
    double height = 0;  // pixels, for sharp and natural
    switch (key) {
    case GlyphKey::sharp:
        // Narrower than printed: key signatures set them 4 pixels apart.
        shape = MusicOutline(music, U'\u266F');
        centreY = path.boundingRect().center().y();
        stemColumn = 12;
        stemGap = 3;
        height = 14.5;
        break;
    case GlyphKey::natural:
        shape = MusicOutline(music, U'\u266E');
        centreY = path.boundingRect().center().y();
        stemColumn = 13;
        stemGap = 4;
        height = 14.5;
        break;
    default: { // flat: the note sits in its loop, the smaller outline
        shape = MusicOutline(music, U'\u266D');
        QRectF loop;
        for (const QPolygonF& part : path.toSubpathPolygons()) {
            const QRectF b = part.boundingRect();
            if (loop.isNull() || b.height() < loop.height()) loop = b;
        }
        centreY = loop.center().y();
        row = kAccidentalNoteRow + 1;
        stemColumn = 9;
        break;
    }
    }
    const QRectF b = path.boundingRect();
    double sx = 0, sy = 0;
    if (key == GlyphKey::flat) {
        // From the top row down to the loop's centre sets the size; the
        // loop is widened to stay open at this size.
        sy = (RowCentre(row) - 0.3) / (centreY - b.top());
        sx = sy * 1.3;
    } else {
        sy = height / b.height();
        sx = sy;
    }
    // Stems land on whole pixel columns, one pixel wide, so the sign stays
    // sharp; without the expected stems it is only placed by its box.
    const std::vector<double> edges = StemEdges(path);
    double thicken = 0.4;
    QTransform t;
    if (edges.size() == 4 && stemGap > 0)
        sx = stemGap / ((edges[2] + edges[3]) / 2 - (edges[0] + edges[1]) / 2);
    if (edges.size() == 4 || edges.size() == 2) {
        const double left = edges[edges.size() - 2], right = edges[edges.size() - 1];
        thicken = std::max(0.0, 1.0 - (right - left) * sx);
        t = Place(sx, sy, (left + right) / 2, centreY, stemColumn + 0.5, RowCentre(row));
    } else {
        t = Place(sx, sy, b.right(), centreY, stemColumn + 1.0, RowCentre(row));
    }
    Ink(outline, shape, t, thicken);
}

void Numbers(OutlineSource& font, GlyphOutline& outline) {
    static const int kValues[20] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                    11, 12, 13, 14, 15, 16, 20, 24, 27, 32};
    constexpr int kCell = 16;
    // The numerals fill two staff spaces, from the top row down to the
    // next cell's top row.
    constexpr double kTop = 0.3;
    constexpr double kHeight = 15.4;
    constexpr double kMaxWidth = 15.0;
    const QRectF all = font.Outline(QStringLiteral("0123456789")).path.boundingRect();
    const double scale = kHeight / all.height();
    for (int c = 0; c < 20; ++c) {
        const Shape shape = font.Outline(QString::number(kValues[c]));
        const QPainterPath& path = shape.path;
        const QRectF b = path.boundingRect();
        const double sx = std::min(scale, kMaxWidth / b.width());
        Ink(outline, shape,
            Place(sx, scale, b.center().x(), all.top(), c * kCell + kCell / 2.0, kTop));
    }
    outline.staffRows = {0, 8};
}

void Dynamics(OutlineSource& font, GlyphOutline& outline) {
    constexpr int kCell = 34;
    constexpr double kTop = 0.3;
    constexpr double kHeight = 15.4;
    constexpr double kMaxWidth = 32.0;
    constexpr char32_t p = U'\U0001D18F', m = U'\U0001D190', f = U'\U0001D191';
    const QString marks[10] = {
        FromCodePoints({p, p, p, p}), FromCodePoints({p, p, p}), FromCodePoints({p, p}),
        FromCodePoints({p}),          FromCodePoints({m, p}),    FromCodePoints({m, f}),
        FromCodePoints({f}),          FromCodePoints({f, f}),    FromCodePoints({f, f, f}),
        FromCodePoints({f, f, f, f}),
    };
    // One scale and baseline for every cell: from the top of f to the
    // bottom of p.
    const QRectF all = font.Outline(FromCodePoints({p, m, f})).path.boundingRect();
    const double scale = kHeight / all.height();
    for (int c = 0; c < 10; ++c) {
        const Shape shape = font.Outline(marks[c]);
        const QPainterPath& path = shape.path;
        const QRectF b = path.boundingRect();
        const double sx = std::min(scale, kMaxWidth / b.width());
        Ink(outline, shape,
            Place(sx, scale, b.center().x(), all.top(), c * kCell + kCell / 2.0, kTop));
    }
}

void Flag(OutlineSource& music, GlyphOutline& outline) {
    const GlyphSize size = SizeOf(GlyphKey::flag);
    // The font's flag hangs from the top of an upward stem; turned over it
    // rises from the bottom of a downward one.
    const Shape shape = MusicOutline(music, U'\U0001D16E');
    const QPainterPath& path = shape.path;
    const QRectF b = path.boundingRect();
    const double sx = size.width / b.width();
    const double sy = -size.height / b.height();
    Ink(outline, shape, Place(sx, sy, b.left(), b.top(), 0, size.height), 0.5);
}

} // namespace

GlyphSet::GlyphSet() {
    OutlineSource music(OutlineFont(kMusicFamily, false));
    OutlineSource serif(OutlineFont(kSerifFamily, true));
    const StaffMetrics staff = MeasureStaff(music);
    const auto at = [this](GlyphKey key) -> GlyphOutline& {
        return outlines_[static_cast<int>(key)];
    };
    for (GlyphKey key : {GlyphKey::toon, GlyphKey::heon, GlyphKey::haona, GlyphKey::haont})
        Clef(music, key, staff, at(key));
    Numbers(serif, at(GlyphKey::number));
    for (GlyphKey key : {GlyphKey::natural, GlyphKey::flat, GlyphKey::sharp})
        Accidental(music, key, at(key));
    Dynamics(music, at(GlyphKey::dynamics));
    Flag(music, at(GlyphKey::flag));
}

const QImage& GlyphSet::Image(GlyphKey key) const {
    std::call_once(imagesPainted_, [this] {
        for (int k = 0; k < kGlyphCount; ++k)
            images_[k] = Paint(static_cast<GlyphKey>(k), outlines_[k]);
    });
    return images_[static_cast<int>(key)];
}

const GlyphSet& GlyphSet::Shared() {
    static const GlyphSet set;
    return set;
}

} // namespace sorn
