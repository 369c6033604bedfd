// The QImage canvas and the glyph bitmaps, checked pixel by pixel.

#include "platform/QtCanvas.h"
#include "platform/GlyphSet.h"

#include <QImage>
#include <QPainter>
#include <functional>
#include <gtest/gtest.h>
#include <numbers>

namespace sorn {
namespace {

const GlyphSet& Glyphs() {
    return GlyphSet::Shared();
}

QImage WhiteImage(int width = 64, int height = 64) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Staff lines, a grey band and a black block: something for invert and
// AND drawing to change.
QImage BusyImage() {
    QImage image = WhiteImage();
    QPainter p(&image);
    for (int y = 8; y < 64; y += 8)
        p.fillRect(0, y, 64, 1, Qt::black);
    p.fillRect(20, 0, 6, 64, QColor(0x80, 0x80, 0x80));
    p.fillRect(40, 30, 10, 10, Qt::black);
    return image;
}

bool IsBlack(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(0, 0, 0);
}
bool IsWhite(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(255, 255, 255);
}

// Draws on a copy of `image` and returns the copy once the canvas is gone.
QImage DrawOn(const QImage& image, const std::function<void(Canvas&)>& draw) {
    QImage copy = image.copy();
    {
        QtCanvas canvas(copy, Glyphs());
        draw(canvas);
    }
    return copy;
}

int InkCount(const QImage& image, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += qGray(image.pixel(x, y)) < 128;
    return n;
}

TEST(QtCanvasTest, InvertDrawingTwiceRestoresTheImage) {
    const QImage before = BusyImage();
    // Each shape drawn twice in invert mode, with outlines and fills that
    // overlap and wide lines whose joins overlap.
    const std::function<void(Canvas&)> shapes[] = {
        [](Canvas& c) {
            c.SetFillSolid(true);
            c.Circle(24, 32, 8);
        },
        [](Canvas& c) {
            c.SetFillSolid(false);
            c.SetLineWidth(3);
            c.Circle(30, 30, 12);
        },
        [](Canvas& c) {
            c.SetFillSolid(true);
            c.SetLineWidth(2);
            c.Box(10, 10, 30, 20);
        },
        [](Canvas& c) {
            c.SetLineWidth(3);
            c.Line(2, 60, 60, 3);
            c.LineBy(-40, 10);
        },
        [](Canvas& c) {
            c.SetLineWidth(3);
            c.Point(45, 35);
        },
        [](Canvas& c) {
            c.SetLineWidth(2);
            c.Arc(32, 40, 20, 0.3f, 2.8f);
        },
        [](Canvas& c) { c.Text("Da Capo", 2, 20); },
        [](Canvas& c) {
            c.Glyph(GlyphKey::toon, {0, 0, 22, 64}, {10, -8, 22, 64}, GlyphMode::Copy);
        },
    };
    for (std::size_t i = 0; i < std::size(shapes); ++i) {
        const QImage once = DrawOn(before, [&](Canvas& c) {
            c.SetInvert(true);
            shapes[i](c);
        });
        EXPECT_NE(once, before) << "shape " << i;
        const QImage twice = DrawOn(once, [&](Canvas& c) {
            c.SetInvert(true);
            shapes[i](c);
        });
        EXPECT_EQ(twice, before) << "shape " << i;
    }
}

TEST(QtCanvasTest, InvertedDiscInvertsEachPixelOnce) {
    const QImage image = DrawOn(BusyImage(), [](Canvas& c) {
        c.SetInvert(true);
        c.SetFillSolid(true);
        c.Circle(22, 36, 8);
    });
    EXPECT_TRUE(IsBlack(image, 16, 35));                           // white paper inside
    EXPECT_TRUE(IsWhite(image, 16, 32));                           // staff line inside
    EXPECT_EQ(image.pixel(22, 35), qRgb(0x7f, 0x7f, 0x7f));        // grey inside
    EXPECT_TRUE(IsBlack(image, 30, 36) && IsBlack(image, 14, 36)); // outline, not twice
    EXPECT_TRUE(IsWhite(image, 16, 45));                           // outside
    // Every pixel keeps a full alpha byte.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(qAlpha(image.pixel(x, y)), 255) << x << "," << y;
}

TEST(QtCanvasTest, GlyphModes) {
    const QImage before = BusyImage();
    const QImage& sharp = Glyphs().Image(GlyphKey::sharp);
    const QImage anded = DrawOn(before, [](Canvas& c) {
        c.Glyph(GlyphKey::sharp, {0, 0, 16, 16}, {16, 24, 16, 16}, GlyphMode::And);
    });
    const QImage copied = DrawOn(before, [](Canvas& c) {
        c.Glyph(GlyphKey::sharp, {0, 0, 16, 16}, {16, 24, 16, 16}, GlyphMode::Copy);
    });
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const bool inside = x >= 16 && x < 32 && y >= 24 && y < 40;
            const QRgb under = before.pixel(x, y);
            const QRgb glyph = inside ? sharp.pixel(x - 16, y - 24) : qRgb(255, 255, 255);
            // White glyph pixels leave the surface as it was.
            ASSERT_EQ(anded.pixel(x, y), (under & glyph) | 0xff000000u) << x << "," << y;
            ASSERT_EQ(copied.pixel(x, y), inside ? glyph : under) << x << "," << y;
        }
    }
    EXPECT_GT(InkCount(anded, QRect(16, 24, 16, 16)), InkCount(before, QRect(16, 24, 16, 16)));
}

TEST(QtCanvasTest, MirroredFlagIsTheVerticalMirror) {
    const QImage image = DrawOn(WhiteImage(), [](Canvas& c) {
        c.Glyph(GlyphKey::flag, {0, 19, 9, -20}, {5, 7, 9, 20}, GlyphMode::Copy);
    });
    EXPECT_EQ(image.copy(5, 7, 9, 20), Glyphs().Image(GlyphKey::flag).mirrored(false, true));
}

TEST(QtCanvasTest, SourceOutsideTheGlyphIsClipped) {
    const QImage before = BusyImage();
    EXPECT_EQ(DrawOn(before,
                     [](Canvas& c) {
                         c.Glyph(GlyphKey::flag, {40, 40, 9, 20}, {0, 0, 9, 20}, GlyphMode::Copy);
                     }),
              before);
    // Only the 4 columns that exist are copied, to where they belong.
    const QImage image = DrawOn(before, [](Canvas& c) {
        c.Glyph(GlyphKey::flag, {5, 0, 9, 20}, {10, 10, 9, 20}, GlyphMode::Copy);
    });
    EXPECT_EQ(image.copy(10, 10, 4, 20), Glyphs().Image(GlyphKey::flag).copy(5, 0, 4, 20));
    EXPECT_EQ(image.copy(14, 0, 50, 64), before.copy(14, 0, 50, 64));
}

TEST(QtCanvasTest, BoxInteriorFollowsTheFillState) {
    const QImage before = BusyImage();
    const QImage hollow = DrawOn(before, [](Canvas& c) {
        c.SetFillSolid(false);
        c.Box(10, 12, 20, 10);
    });
    const QImage solid = DrawOn(before, [](Canvas& c) {
        c.SetFillSolid(true);
        c.Box(10, 12, 20, 10);
    });
    for (int y = 12; y <= 22; ++y) {
        for (int x = 10; x <= 30; ++x) {
            const bool edge = x == 10 || x == 30 || y == 12 || y == 22;
            ASSERT_EQ(hollow.pixel(x, y), edge ? qRgb(0, 0, 0) : before.pixel(x, y))
                << x << "," << y;
            ASSERT_TRUE(IsBlack(solid, x, y)) << x << "," << y;
        }
    }
}

TEST(QtCanvasTest, LinesAndPointsCoverTheirEnds) {
    const QImage image = DrawOn(WhiteImage(), [](Canvas& c) {
        c.Line(2, 2, 8, 2);
        c.LineBy(0, 6); // from (8, 2) down to (8, 8)
        c.SetLineWidth(3);
        c.Point(20, 20);
        c.SetLineWidth(2);
        c.Point(30, 20);
        c.SetLineWidth(1);
        c.Point(40, 20);
    });
    for (int x = 2; x <= 8; ++x)
        EXPECT_TRUE(IsBlack(image, x, 2)) << x;
    EXPECT_TRUE(IsWhite(image, 1, 2));
    EXPECT_TRUE(IsWhite(image, 9, 2));
    for (int y = 2; y <= 8; ++y)
        EXPECT_TRUE(IsBlack(image, 8, y)) << y;
    EXPECT_TRUE(IsWhite(image, 8, 9));
    EXPECT_EQ(InkCount(image, QRect(15, 15, 11, 11)), 9);
    for (int y = 19; y <= 21; ++y)
        for (int x = 19; x <= 21; ++x)
            EXPECT_TRUE(IsBlack(image, x, y)) << x << "," << y;
    EXPECT_EQ(InkCount(image, QRect(25, 15, 11, 11)), 4);
    EXPECT_EQ(InkCount(image, QRect(35, 15, 11, 11)), 1);
    EXPECT_TRUE(IsBlack(image, 40, 20));
}

TEST(QtCanvasTest, ArcsRunCounterClockwiseFromTheRight) {
    constexpr float kPi = std::numbers::pi_v<float>;
    // The upper half, as a tie above the notes.
    const QImage upper = DrawOn(WhiteImage(), [&](Canvas& c) { c.Arc(32, 32, 10, 0, kPi); });
    EXPECT_GT(InkCount(upper, QRect(30, 21, 5, 3)), 0);
    EXPECT_EQ(InkCount(upper, QRect(0, 34, 64, 30)), 0);
    // From 3/2 pi to 1/2 pi goes round through the right side.
    const QImage right =
        DrawOn(WhiteImage(), [&](Canvas& c) { c.Arc(32, 32, 10, 1.5f * kPi, 0.5f * kPi); });
    EXPECT_GT(InkCount(right, QRect(41, 30, 3, 5)), 0);
    EXPECT_EQ(InkCount(right, QRect(0, 0, 31, 64)), 0);
}

TEST(QtCanvasTest, TextHangsFromItsTopLeft) {
    const QImage image = DrawOn(WhiteImage(), [](Canvas& c) { c.Text("Fine", 10, 20); });
    QRect ink;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            if (qGray(image.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 10);
    EXPECT_LE(ink.left(), 12);
    EXPECT_GE(ink.top(), 19);
    EXPECT_LE(ink.top(), 23);
    EXPECT_GE(ink.height(), 8); // readable, not a speck
    EXPECT_LE(ink.bottom(), 33);
}

TEST(GlyphSetTest, SizesFormatAndGreyLevels) {
    for (int k = 0; k < kGlyphCount; ++k) {
        const QImage& image = Glyphs().Image(static_cast<GlyphKey>(k));
        EXPECT_EQ(image.width(), kGlyphSizes[k].width) << k;
        EXPECT_EQ(image.height(), kGlyphSizes[k].height) << k;
        EXPECT_EQ(image.format(), QImage::Format_RGB32) << k;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb px = image.pixel(x, y);
                ASSERT_TRUE(qRed(px) == qGreen(px) && qGreen(px) == qBlue(px)) << k;
                ASSERT_EQ(qRed(px) % 17, 0) << k; // 16 grey levels
            }
        }
    }
}

// Ink in a rectangle, not counting full-width black rows (staff lines).
int SymbolInk(const QImage& image, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const int row = InkCount(image, QRect(area.left(), y, area.width(), 1));
        n += row == area.width() ? 0 : row;
    }
    return n;
}

TEST(GlyphSetTest, StaffRowsAndCells) {
    for (GlyphKey key : {GlyphKey::toon, GlyphKey::heon, GlyphKey::haona, GlyphKey::haont}) {
        const QImage& clef = Glyphs().Image(key);
        for (int y = 0; y < 64; ++y) {
            const bool line = y >= 16 && y <= 48 && y % 8 == 0;
            EXPECT_EQ(InkCount(clef, QRect(0, y, 22, 1)) == 22, line) << int(key) << " row " << y;
        }
        EXPECT_GT(SymbolInk(clef, clef.rect()), 100) << int(key);
    }
    // The G clef reaches above and below the staff, the C clefs stay
    // near their centre lines.
    const QImage& g = Glyphs().Image(GlyphKey::toon);
    EXPECT_GT(SymbolInk(g, QRect(0, 0, 22, 12)), 0);
    EXPECT_GT(SymbolInk(g, QRect(0, 52, 22, 12)), 0);
    EXPECT_EQ(SymbolInk(Glyphs().Image(GlyphKey::haona), QRect(0, 50, 22, 14)), 0);
    EXPECT_EQ(SymbolInk(Glyphs().Image(GlyphKey::haont), QRect(0, 42, 22, 22)), 0);

    const QImage& numbers = Glyphs().Image(GlyphKey::number);
    for (int c = 0; c < 20; ++c) {
        const QRect cell(16 * c, 0, 16, 16);
        EXPECT_TRUE(IsBlack(numbers, cell.left(), 0) && IsBlack(numbers, cell.right(), 8)) << c;
        EXPECT_GT(SymbolInk(numbers, cell), 20) << "numeral cell " << c;
    }
    const QImage& dynamics = Glyphs().Image(GlyphKey::dynamics);
    for (int c = 0; c < 10; ++c)
        EXPECT_GT(SymbolInk(dynamics, QRect(34 * c, 0, 34, 16)), 15) << "dynamics cell " << c;
}

// The accidentals sit on the note's row and leave room for the head.
TEST(GlyphSetTest, AccidentalsCentreOnRowSeven) {
    for (GlyphKey key : {GlyphKey::sharp, GlyphKey::natural}) {
        const QImage& image = Glyphs().Image(key);
        int top = -1, bottom = -1;
        for (int y = 0; y < 16; ++y) {
            if (InkCount(image, QRect(0, y, 16, 1)) > 0) {
                if (top < 0) top = y;
                bottom = y;
            }
        }
        EXPECT_NEAR((top + bottom) / 2.0, 7, 1) << int(key);
        EXPECT_GE(bottom - top, 12) << int(key);
        EXPECT_EQ(InkCount(image, QRect(15, 0, 1, 16)), 0) << int(key);
    }
    const QImage& flat = Glyphs().Image(GlyphKey::flat);
    EXPECT_GT(InkCount(flat, QRect(0, 0, 16, 3)), 0);  // stem up from the top
    EXPECT_EQ(InkCount(flat, QRect(0, 13, 16, 3)), 0); // loop ends near row 8
    EXPECT_EQ(InkCount(flat, QRect(15, 0, 1, 16)), 0);
}

} // namespace
} // namespace sorn
