#include "app/BatchRender.h"

#include "app/ScoreAreaRedraw.h"
#include "app/Version.h"
#include "layout/ScoreGrid.h"
#include "layout/Timeline.h"
#include "model/AtomicFile.h"
#include "model/ErrorReason.h"
#include "model/SornData.h"
#include "platform/GlyphSet.h"
#include "platform/PrintJob.h"
#include "platform/ProgramFonts.h"
#include "platform/QtCanvas.h"
#include "platform/QtPrinter.h"
#include "platform/VectorPicture.h"
#include "print/PrintLayout.h"
#include "render/FullScore.h"

#include <QBuffer>
#include <QGuiApplication>
#include <algorithm>
#include <filesystem>

namespace sorn {

namespace {

// Fonts and glyphs need a GUI application; batch work needs no display.
void EnsureGuiApplication() {
    if (QCoreApplication::instance()) return;
    OfferOnlyProgramFonts();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "sorn-editor";
    static char* argv[] = {name, nullptr};
    // Never destroyed: at exit its destructor would run after the toolkit's
    // per-thread storage is gone, and the process ends anyway.
    static QGuiApplication* const app = new QGuiApplication(argc, argv);
    (void)app;
}

// A message in the language the batch chose at its start.
template <typename... Args> std::string Said(const char* source, Args&&... args) {
    return Text(Message("Batch", source, std::forward<Args>(args)...), DrawnLanguage());
}

std::string SaveBytes(const QByteArray& bytes, const std::string& path) {
    const std::error_code ec =
        AtomicFile::WriteAll(path, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (ec)
        return Said(SORN_TRANSLATE_NOOP("Batch", "画像を保存できませんでした: %1\n%2"), path,
                    ErrorReason(ec, FileAction::Write));
    return {};
}

bool IsSvg(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".svg";
}

// A picture with nothing but greys (every page, mostly) as 8-bit grey: a
// third of the pixels to filter and deflate, and it decodes to the same
// pixels. Copied pixel by pixel, as a conversion weighing the channels could
// round a grey to its neighbour.
QImage GreyIfAllGrey(const QImage& image) {
    if (image.format() != QImage::Format_RGB32) return image;
    QImage grey(image.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < image.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* to = grey.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const int red = qRed(from[x]);
            if (qGreen(from[x]) != red || qBlue(from[x]) != red) return image;
            to[x] = static_cast<uchar>(red);
        }
    }
    grey.setDotsPerMeterX(image.dotsPerMeterX());
    grey.setDotsPerMeterY(image.dotsPerMeterY());
    return grey;
}

// The picture by the output's extension: SVG, a PNG drawn as vectors at
// another scale, or at 1 the bitmap the window shows, pixel for pixel.
std::string SavePicture(const SornData& doc, QSize size, double scale, const std::string& path,
                        const PageDrawing& draw) {
    if (IsSvg(path)) {
        const std::string name = std::filesystem::path(doc.SornFileName()).filename().string();
        return SaveBytes(SvgPicture(size, QString::fromStdString(name), draw), path);
    }
    // The painter's limit, and far more than any screen or printer needs.
    constexpr double kMostPixels = 32767;
    if (size.width() * scale > kMostPixels || size.height() * scale > kMostPixels)
        return Said(
            SORN_TRANSLATE_NOOP("Batch", "画像が大きすぎます (幅・高さは 32767 ピクセルまで): %1"),
            path);
    QImage image;
    if (scale == 1) {
        image = QImage(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QtCanvas canvas(image, GlyphSet::Shared());
        draw(canvas);
    } else {
        image = ScaledPicture(size, scale, draw);
    }
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    if (!GreyIfAllGrey(image).save(&png, "PNG"))
        return Said(SORN_TRANSLATE_NOOP("Batch", "画像を保存できませんでした: %1"), path);
    return SaveBytes(png.data(), path);
}

} // namespace

std::string RenderView(const SornData& doc, const ViewRequest& view, const std::string& path) {
    EnsureGuiApplication();
    if (view.fullScore) {
        const Timeline timeline(doc);
        const ScoreGrid grid(doc, timeline);
        const FullScoreLayout layout(
            StaffLayout{}, grid, std::clamp(view.scroll, 0, std::max(grid.ColumnCount() - 1, 0)),
            0);
        const FullScoreCursor cursor{
            view.part, grid.PositionAtOrBefore(view.part, layout.FirstColumn()), 128, view.cursor};
        // As tall as the single view of the last part, under the staves above it.
        const auto lastPart = static_cast<std::uint8_t>(std::max(doc.PartCount() - 1, 0));
        const int height =
            kScoreAreaHeight + ScoreAreaExtra(100, doc.VerseCount(lastPart)) +
            static_cast<int>(FullScoreLayout(StaffLayout{}, grid, 0, 0).StaffOffset(lastPart));
        return SavePicture(doc, QSize(ScoreAreaWidth(view.windowWidth), height), view.scale, path,
                           [&](Canvas& canvas) { RedrawFullScore(doc, layout, cursor, canvas); });
    }
    EditorState state;
    state.CurrentPart = view.part;
    HorizontalScroll scroll{std::clamp(view.scroll, 0, doc.Length()), doc.Length()};
    const int height = kScoreAreaHeight + ScoreAreaExtra(100, doc.VerseCount(view.part));
    return SavePicture(doc, QSize(ScoreAreaWidth(view.windowWidth), height), view.scale, path,
                       [&](Canvas& canvas) {
                           RedrawScoreArea(doc, state, scroll, static_cast<float>(view.windowWidth),
                                           canvas, view.cursor);
                       });
}

namespace {
PrintChoice ChoiceOf(const PageRequest& request) {
    PrintChoice choice;
    choice.parts = request.parts.empty() ? std::vector<std::uint8_t>{request.part} : request.parts;
    choice.reading = request.reading;
    choice.compact = request.compact;
    choice.paper = request.paper;
    choice.landscape = request.landscape;
    choice.marginMm = request.marginMm;
    return choice;
}
} // namespace

std::string RenderPageImage(const SornData& doc, const PageRequest& request,
                            const std::string& path) {
    EnsureGuiApplication();
    const PrintPages pages(doc, ChoiceOf(request));
    if (request.page < 0 || request.page >= pages.PageCount())
        return Said(SORN_TRANSLATE_NOOP("Batch", "ページ %1 はありません (1〜%2)"),
                    request.page + 1, pages.PageCount());
    return SavePicture(doc, pages.Coordinates(), request.scale, path,
                       [&](Canvas& canvas) { pages.Draw(request.page, canvas); });
}

std::string PrintPdf(const SornData& doc, const PageRequest& request, const std::string& path) {
    EnsureGuiApplication();
    QtPrinter printer(kProgramNameAndVersion);
    if (PrintChosen(doc, ChoiceOf(request), 1, printer, path) != PrintResult::Printed)
        return PrintFailureMessage(printer, path);
    return {};
}

std::string PrintPartsPdf(const SornData& doc, const PageRequest& request,
                          const std::string& folder) {
    EnsureGuiApplication();
    const std::vector<std::uint8_t> parts =
        request.parts.empty() ? std::vector<std::uint8_t>{request.part} : request.parts;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec)
        return Said(SORN_TRANSLATE_NOOP("Batch", "フォルダを作れませんでした: %1\n%2"), folder,
                    ErrorReason(ec, FileAction::Write));
    const std::vector<std::string> names = PartFileNames(doc, parts);
    for (std::size_t k = 0; k < parts.size(); ++k) {
        PageRequest one = request;
        one.part = parts[k];
        one.parts = {parts[k]};
        const std::string path = (std::filesystem::path(folder) / names[k]).string();
        if (std::string problem = PrintPdf(doc, one, path); !problem.empty()) return problem;
    }
    return {};
}

} // namespace sorn
