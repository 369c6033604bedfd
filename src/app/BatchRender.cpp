#include "app/BatchRender.h"

#include "app/ScoreAreaRedraw.h"
#include "model/AtomicFile.h"
#include "model/ErrorReason.h"
#include "model/SornData.h"
#include "platform/GlyphSet.h"
#include "platform/PrintJob.h"
#include "platform/QtCanvas.h"
#include "platform/QtPrinter.h"

#include <QBuffer>
#include <QGuiApplication>
#include <algorithm>
#include <memory>

namespace sorn {

namespace {

// Fonts and glyphs need a GUI application; batch work needs no display.
void EnsureGuiApplication() {
    if (QCoreApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "sorn-editor";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(argc, argv);
}

std::string SavePng(const QImage& image, const std::string& path) {
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    if (!image.save(&png, "PNG")) return "画像を保存できませんでした: " + path;
    const std::error_code ec =
        AtomicFile::WriteAll(path, png.data().constData(), static_cast<std::size_t>(png.size()));
    if (ec)
        return "画像を保存できませんでした: " + path + "\n" + ErrorReason(ec, FileAction::Write);
    return {};
}

} // namespace

std::string RenderView(const SornData& doc, const ViewRequest& view, const std::string& path) {
    EnsureGuiApplication();
    QImage image(ScoreAreaWidth(view.windowWidth), kScoreAreaHeight, QImage::Format_RGB32);
    EditorState state;
    state.CurrentPart = view.part;
    HorizontalScroll scroll{std::clamp(view.scroll, 0, doc.Length()), doc.Length()};
    {
        QtCanvas canvas(image, GlyphSet::Shared());
        RedrawScoreArea(doc, state, scroll, static_cast<float>(view.windowWidth), canvas);
    }
    return SavePng(image, path);
}

bool PaperByName(const std::string& name, PaperSize& paper) {
    static const std::pair<const char*, PaperSize> papers[] = {
        {"A4", PaperSize::A4}, {"A5", PaperSize::A5}, {"B4", PaperSize::B4}, {"B5", PaperSize::B5}};
    for (const auto& [text, size] : papers)
        if (name == text) {
            paper = size;
            return true;
        }
    return false;
}

std::string RenderPageImage(const SornData& doc, const PageRequest& request,
                            const std::string& path) {
    EnsureGuiApplication();
    QImage image = NewPageImage();
    const int last = RenderPage(doc, request.part, request.compact, request.page, image);
    if (request.page < 0 || request.page > last)
        return "ページ " + std::to_string(request.page + 1) + " はありません (1〜" +
               std::to_string(last + 1) + ")";
    return SavePng(image, path);
}

std::string PrintPdf(const SornData& doc, const PageRequest& request, const std::string& path) {
    EnsureGuiApplication();
    QImage image = NewPageImage();
    QtPrinter printer;
    if (PrintPart(doc, request.part, request.compact, request.paper, 1, printer, path, image) !=
        PrintResult::Printed)
        return PrintFailureMessage(printer, path);
    return {};
}

} // namespace sorn
