// The vector canvas against the bitmap canvas: every example page and the
// score area drawn both ways must put the same ink in the same place.

#include "platform/PainterCanvas.h"
#include "model/MessageBoxes.h"
#include "model/SornData.h"
#include "platform/GlyphSet.h"
#include "platform/QtCanvas.h"
#include "platform/VectorPicture.h"
#include "print/PrintLayout.h"
#include "render/RedrawScore.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <filesystem>
#include <gtest/gtest.h>

namespace sorn::test {
namespace {

namespace fs = std::filesystem;

struct Quiet : MessageBoxes {
    MsgResult Show(std::string_view, MsgButtons, MsgIcon) override { return MsgResult::Ok; }
};

std::vector<fs::path> Examples() {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(fs::path(SORN_SOURCE_DIR) / "data/examples"))
        if (entry.path().extension() == ".sorn") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

QImage Bitmap(QSize size, const PageDrawing& draw) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QtCanvas canvas(image, GlyphSet::Shared());
    draw(canvas);
    return image;
}

// Averages scale x scale blocks, back to the bitmap's pixels.
QImage Reduced(const QImage& image, int scale) {
    if (scale == 1) return image;
    return image.scaled(image.size() / scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool Inked(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 150;
}

bool InkNear(const QImage& image, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if (nx >= 0 && ny >= 0 && nx < image.width() && ny < image.height() &&
                qGray(image.pixel(nx, ny)) < 220)
                return true;
        }
    return false;
}

// Cells of 24 pixels, about one symbol each, where one picture has ink
// with none of the other's within a pixel; a few stray edge pixels of a
// cell are forgiven, a moved or missing symbol is not.
std::vector<QPoint> DisagreeingCells(const QImage& a, const QImage& b) {
    constexpr int kCell = 24;
    std::vector<QPoint> cells;
    for (int cy = 0; cy < a.height(); cy += kCell)
        for (int cx = 0; cx < a.width(); cx += kCell) {
            int ink = 0, stray = 0;
            for (int y = cy; y < std::min(cy + kCell, a.height()); ++y)
                for (int x = cx; x < std::min(cx + kCell, a.width()); ++x) {
                    for (const auto& [from, to] : {std::pair{&a, &b}, std::pair{&b, &a}}) {
                        if (!Inked(*from, x, y)) continue;
                        ++ink;
                        if (!InkNear(*to, x, y)) ++stray;
                    }
                }
            if (stray > 3 + ink / 20) cells.emplace_back(cx, cy);
        }
    return cells;
}

TEST(PainterCanvas, AgreesWithTheBitmapOnEveryPageAndTheScoreArea) {
    Quiet quiet;
    for (const fs::path& file : Examples()) {
        SornData doc;
        ASSERT_EQ(doc.FileOpen(file.string(), quiet), OpenResult::Opened) << file;
        for (bool compact : {false, true}) {
            const auto page = [&](int n) {
                return [&doc, compact, n](Canvas& c) { RenderPrintPage(doc, 0, compact, n, c); };
            };
            QImage bitmap(kPageWidth, kPageHeight, QImage::Format_RGB32);
            int last = 0;
            bitmap = Bitmap(bitmap.size(),
                            [&](Canvas& c) { last = RenderPrintPage(doc, 0, compact, 0, c); });
            for (int n = 0; n <= last; ++n) {
                if (n > 0) bitmap = Bitmap(bitmap.size(), page(n));
                const QImage vector = ScaledPicture(bitmap.size(), 1, page(n));
                const auto cells = DisagreeingCells(bitmap, vector);
                EXPECT_TRUE(cells.empty())
                    << file.filename() << " page " << n + 1 << (compact ? " compact" : "")
                    << ", first at " << cells.front().x() << "," << cells.front().y();
            }
        }
        // The score area with its cursor at twice the size, seen at 1x.
        ScoreView view;
        view.cursorColumn = 3;
        view.cursorPitch = 130;
        const auto area = [&](Canvas& c) { RedrawScore(doc, view, c); };
        const QSize size(629, 155);
        const auto cells =
            DisagreeingCells(Bitmap(size, area), Reduced(ScaledPicture(size, 2, area), 2));
        EXPECT_TRUE(cells.empty()) << file.filename() << " view, first at " << cells.front().x()
                                   << "," << cells.front().y();
    }
}

TEST(PainterCanvas, SvgIsXmlAndRendersLikeTheBitmap) {
    Quiet quiet;
    SornData doc;
    ASSERT_EQ(doc.FileOpen(Examples().front().string(), quiet), OpenResult::Opened);
    const QSize size(kPageWidth, kPageHeight);
    const auto draw = [&](Canvas& c) { RenderPrintPage(doc, 0, false, 0, c); };
    const QByteArray svg = SvgPicture(size, QStringLiteral("page"), draw);
    QXmlStreamReader xml(svg);
    while (!xml.atEnd())
        xml.readNext();
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();

    QSvgRenderer renderer(svg);
    ASSERT_TRUE(renderer.isValid());
    QImage shown(size, QImage::Format_RGB32);
    shown.fill(Qt::white);
    {
        QPainter painter(&shown);
        renderer.render(&painter);
    }
    EXPECT_TRUE(DisagreeingCells(Bitmap(size, draw), shown).empty());
}

} // namespace
} // namespace sorn::test
